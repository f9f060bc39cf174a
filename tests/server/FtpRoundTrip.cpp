// The game's side of a championship round against a real server, for the
// server package's test: the game's own FTP client, with the login of the
// game directory's resultserver.ini.
//   ftp_round_trip send GAME_DIR   records a championship game and sends its
//                                  result as SEND does: the replays first,
//                                  then the transfer file; prints the score
//   ftp_round_trip fetch GAME_DIR  fetches wctop10.ttb and prints its first
//                                  row as "name score"
//   ftp_round_trip make DIR N      writes N results of games of their own, each
//                                  with its replays, as SEND leaves them
// Exit status 0 when every transfer succeeded.
#include "BotGames.h"

#include "engine/Clock.h"
#include "platform/FtpSession.h"
#include "scores/ReplayBundle.h"
#include "scores/ResultServer.h"
#include "scores/Top10File.h"
#include "scores/TransferFile.h"

#include <filesystem>
#include <iostream>
#include <string>

namespace {

using namespace brinox;

std::unique_ptr<FtpSession> Connect(const std::string& dir) {
    std::unique_ptr<FtpSession> session =
        OpenFtpSession([](std::int64_t, std::int64_t) { return true; });
    const FtpLogin login = LoginFor(ReadResultServer(dir), dir);
    if (session == nullptr || session->Connect(login) != FtpConnect::Connected) {
        std::cerr << "ftp_round_trip: cannot log in to " << login.host << '\n';
        return nullptr;
    }
    return session;
}

// Writes the result of a game of its own into dir; its score, or -1.
std::int32_t WriteResult(const std::string& dir, std::uint32_t seed, const std::string& name,
                         std::string& upload, std::string& bundle) {
    const GameResult game = test::ChampionshipBotGame(seed);
    TransferFile file;
    file.sender = {name, name + "@example.org", name + "land", ""};
    static_cast<GameStatistics&>(file.rows[0]) = game;
    file.rows[0].name = name;
    file.rows[0].used = 1;
    const std::string base = NewUploadBaseName(LocalTime{2026, 12, 7, 1, 12, 0, 0});
    upload = TransferFilePath(dir, base);
    bundle = ReplayBundlePath(dir, base);
    if (!WriteTransferFile(upload, file) || !WriteReplayBundle(bundle, {{{0, game.replay}}})) {
        std::cerr << "ftp_round_trip: cannot write a result into " << dir << '\n';
        return -1;
    }
    return game.score;
}

int Make(const std::string& dir, int count) {
    std::string upload, bundle;
    for (int n = 0; n < count; ++n) {
        std::string name = std::to_string(n); // "P" + a number: GCC 12 warns of a false overlap
        name.insert(0, 1, 'P');
        if (WriteResult(dir, static_cast<std::uint32_t>(100 + n), name, upload, bundle) < 0) {
            return 1;
        }
    }
    return 0;
}

int Send(const std::string& dir) {
    std::string upload, bundle;
    const std::int32_t score = WriteResult(dir, 11, "Ann", upload, bundle);
    if (score < 0) {
        return 1;
    }
    std::unique_ptr<FtpSession> session = Connect(dir);
    for (const std::string& path : {bundle, upload}) {
        const std::string name = std::filesystem::path(path).filename().string();
        if (session == nullptr || !session->Put(path, name)) {
            std::cerr << "ftp_round_trip: " << name << " was not sent\n";
            return 1;
        }
    }
    std::cout << score << '\n';
    return 0;
}

int Fetch(const std::string& dir) {
    const std::string local = dir + "wctop10.ttb";
    std::unique_ptr<FtpSession> session = Connect(dir);
    Top10Rows rows{};
    if (session == nullptr || !session->Get("wctop10.ttb", local) ||
        ReadTop10File(local, rows) != Top10Load::Ok) {
        std::cerr << "ftp_round_trip: no Top 10 fetched\n";
        return 1;
    }
    std::cout << rows[0].name << ' ' << rows[0].score << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: ftp_round_trip send|fetch GAME_DIR | make DIR N\n";
        return 2;
    }
    const std::string command = argv[1];
    std::string dir = argv[2];
    dir += dir.ends_with('/') ? "" : "/";
    if (command == "make" && argc == 4) {
        return Make(dir, std::atoi(argv[3]));
    }
    return command == "send" ? Send(dir) : command == "fetch" ? Fetch(dir) : 2;
}
