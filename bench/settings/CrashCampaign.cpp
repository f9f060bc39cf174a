// Crash and full-disk campaign over every data file the game replaces.
//
//   crash_campaign [kills-per-kind] [directory]
//
// Crash: a child process stores two versions of one file kind in turn, as
// fast as it can, and is killed with SIGKILL after a random delay of up to
// twice the time one store takes. After every kill the file must load as
// one of the two versions, never as anything else.
// Full disk: a child with a file-size limit (RLIMIT_FSIZE, SIGXFSZ ignored)
// stores the other version; the store must report failure and the file must
// still load as the old version, with no temporary file left beside it.
//
// Exit status 0 when every kill and every full disk kept the file whole.
#include "engine/Options.h"
#include "engine/Random.h"
#include "scores/LastNameFile.h"
#include "scores/ScoreTableSet.h"
#include "scores/SenderDetails.h"
#include "scores/Top10File.h"
#include "scores/TransferFile.h"
#include "scores/UsageRecords.h"
#include "settings/Archive.h"
#include "settings/OptionsFile.h"
#include "settings/SavedGame.h"
#include "settings/WindowSizeFile.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace brinox {
namespace {

namespace fs = std::filesystem;

// One kind of data file: stores version 0 or 1, and tells which version
// the file on disk holds (-1: neither, or unreadable).
struct FileKind {
    const char* name;
    std::string file; // inside the campaign directory
    std::function<bool(int version)> store;
    std::function<int()> load;
};

template <typename T> int Which(bool loaded, const T& value, const T& v0, const T& v1) {
    if (!loaded) {
        return -1;
    }
    return value == v0 ? 0 : value == v1 ? 1 : -1;
}

std::string Long(char fill, std::size_t length) {
    return std::string(length, fill);
}

std::vector<FileKind> Kinds(const std::string& dir) {
    std::vector<FileKind> kinds;

    static Options options[2];
    options[0].SetDefaultSoundFiles(dir);
    options[1] = options[0];
    options[1].gameType = 1;
    options[1].blockSet = 3;
    options[1].keyLeft = 65;
    for (std::size_t e = 0; e < kStoredSoundEvents; ++e) {
        options[1].soundFile[e] = dir + Long(static_cast<char>('a' + e), 300);
    }
    kinds.push_back({"options brinox.dat", "brinox.dat",
                     [dir](int v) { return SaveOptions(dir, options[v]); },
                     [dir] {
                         Options o;
                         o.SetDefaultSoundFiles(dir);
                         const bool ok = LoadOptions(dir, o);
                         return Which(ok, o, options[0], options[1]);
                     }});

    static ScoreTableSet tables[2];
    tables[0].Reset();
    tables[1].Reset();
    for (std::int32_t t = 0; t < kTableCount; ++t) {
        for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
            ScoreEntry& e = tables[1].Table(t).rows[r];
            e = {{20 - r, 90000 - r * 100, 99 - r, "Friday, 4 December 2026 1:05:09",
                  "Friday, 4 December 2026 2:05:09", 3600, 400, 9, 1, 30, 4},
                 Long('n', 40),
                 1,
                 1,
                 t == 7 ? "Iceland" : ""};
        }
    }
    kinds.push_back({"best-score tables data.ttb", "data.ttb",
                     [dir](int v) {
                         Random random;
                         return tables[v].Save(dir, random, 1000 + v);
                     },
                     [dir] {
                         ScoreTableSet read;
                         read.Reset();
                         const bool ok = read.Load(dir);
                         return Which(ok, read, tables[0], tables[1]);
                     }});

    static SavedGame games[2];
    for (int v = 0; v < 2; ++v) {
        SavedGame& g = games[v];
        g.board.Clear();
        for (std::int32_t c = 0; c < 9; ++c) {
            g.board.At(c, 20) = v == 0 ? 1 : 5;
        }
        g.gameInProgress = 1;
        g.gameType = v;
        g.state.currentKind = 2;
        g.state.column = 4;
        g.state.row = 6 + v;
        g.state.drawnKind = 2;
        g.state.drawnColumn = 4;
        g.state.drawnRow = 5 + v;
        g.state.level = 3 + v;
        g.state.score = 1234 * (v + 1);
        g.state.timerSeconds = g.state.risingCounter = g.state.risingPeriod = -1;
        g.state.startTime = "Friday, 4 December 2026 1:05:09";
    }
    const std::string game = dir + "game.tsv";
    kinds.push_back({"saved game game.tsv", "game.tsv",
                     [game](int v) {
                         Random random;
                         return WriteSavedGame(game, games[v], random, 77 + v);
                     },
                     [game] {
                         SavedGame read;
                         const bool ok = ReadSavedGame(game, read) == SavedGameLoad::Ok;
                         return Which(ok, read, games[0], games[1]);
                     }});

    static const std::string names[2] = {"Alpha", Long('z', 200)};
    kinds.push_back({"last name lastname.dat", "lastname.dat",
                     [dir](int v) { return WriteLastName(dir, names[v]); },
                     [dir] {
                         std::string name = ReadLastName(dir);
                         return Which(true, name, names[0], names[1]);
                     }});

    static const SenderDetails senders[2] = {{"Ann", "ann@example.org", "Norway", ""},
                                             {"Bob", "bob@example.org", "Chile", Long('x', 3000)}};
    kinds.push_back({"last send lastsend.dat", "lastsend.dat",
                     [dir](int v) { return WriteLastSend(dir, senders[v]); },
                     [dir] {
                         SenderDetails read;
                         const bool ok = ReadLastSend(dir, read);
                         return Which(ok, read, senders[0], senders[1]);
                     }});

    kinds.push_back({"window size ws.dat", "ws.dat",
                     [dir](int v) { return WriteWindowSizeSetting(dir, v); },
                     [dir] {
                         const std::int32_t s = ReadWindowSizeSetting(dir);
                         return s == 0 || s == 1 ? s : -1;
                     }});

    static const RunningTime times[2] = {{1, 2, 3}, {400, 59, 58}};
    kinds.push_back({"running time tdata.dat", "tdata.dat",
                     [dir](int v) { return WriteRunningTime(dir, times[v]); },
                     [dir] {
                         const RunningTime t = ReadRunningTime(dir);
                         return Which(true, t, times[0], times[1]);
                     }});

    static TransferFile transfers[2];
    transfers[1].sender = senders[1];
    transfers[1].rows = tables[1].Table(3).rows;
    for (ScoreEntry& row : transfers[1].rows) {
        row.country.clear();
    }
    const std::string transfer = TransferFilePath(dir, "wcresult");
    kinds.push_back({"result upload wcresult.ttb", fs::path(transfer).filename().string(),
                     [transfer](int v) { return WriteTransferFile(transfer, transfers[v]); },
                     [transfer] {
                         Archive archive;
                         TransferFile read;
                         const bool ok =
                             archive.OpenForLoad(transfer) && ReadTransferFile(archive, read);
                         return Which(ok, read, transfers[0], transfers[1]);
                     }});

    static Top10Rows top10[2];
    top10[1] = tables[1].Table(7).rows;
    const std::string top = dir + "wctop10.ttb";
    kinds.push_back({"world Top 10 wctop10.ttb", "wctop10.ttb",
                     [top](int v) { return WriteTop10File(top, top10[v]); },
                     [top] {
                         Top10Rows read{};
                         const bool ok = ReadTop10File(top, read) == Top10Load::Ok;
                         return Which(ok, read, top10[0], top10[1]);
                     }});
    return kinds;
}

// Temporary files a store left beside its target (a kill leaves one behind).
int RemoveLeftovers(const std::string& dir, const std::string& file) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == file.size() + 7 && name.rfind(file + ".", 0) == 0) {
            fs::remove(entry.path());
            ++count;
        }
    }
    return count;
}

double SecondsPerStore(const FileKind& kind) {
    constexpr int kRounds = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        kind.store(i % 2);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
           kRounds;
}

struct CrashTally {
    int old = 0, fresh = 0, broken = 0, leftovers = 0;
};

// One kill: the child alternates the versions, starting with the one not on disk.
int KillOnce(const FileKind& kind, std::mt19937& rng, double storeSeconds, int onDisk) {
    int ready[2];
    if (::pipe(ready) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        const char go = 1;
        (void)!::write(ready[1], &go, 1);
        for (int v = 1 - onDisk;; v = 1 - v) {
            kind.store(v);
        }
    }
    ::close(ready[1]);
    char go = 0;
    (void)!::read(ready[0], &go, 1);
    ::close(ready[0]);
    std::uniform_int_distribution<long> delay(0, static_cast<long>(storeSeconds * 2e6) + 50);
    ::usleep(static_cast<useconds_t>(delay(rng)));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return kind.load();
}

CrashTally CrashCampaign(const FileKind& kind, const std::string& dir, int kills,
                         std::mt19937& rng) {
    CrashTally tally;
    kind.store(0);
    const double storeSeconds = SecondsPerStore(kind);
    tally.leftovers -= RemoveLeftovers(dir, kind.file);
    int onDisk = kind.load();
    for (int k = 0; k < kills; ++k) {
        const int found = KillOnce(kind, rng, storeSeconds, onDisk);
        tally.leftovers += RemoveLeftovers(dir, kind.file);
        if (found < 0) {
            ++tally.broken;
            kind.store(0);
            onDisk = 0;
            continue;
        }
        (found == onDisk ? tally.old : tally.fresh) += 1;
        onDisk = found;
    }
    tally.leftovers = std::max(tally.leftovers, 0);
    return tally;
}

// Stores the other version under a file-size limit; true when the store
// failed, the old version is intact and no temporary file is left.
bool FullDiskOnce(const FileKind& kind, const std::string& dir, rlim_t limit) {
    kind.store(0);
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &cap);
        ::_exit(kind.store(1) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const bool reportedFailure = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const bool oldIntact = kind.load() == 0;
    const bool clean = RemoveLeftovers(dir, kind.file) == 0;
    return reportedFailure && oldIntact && clean;
}

std::uintmax_t SizeOfVersion(const FileKind& kind, const std::string& dir, int version) {
    kind.store(version);
    return fs::file_size(dir + kind.file);
}

} // namespace
} // namespace brinox

int main(int argc, char** argv) {
    using namespace brinox;
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::string dir =
        argc > 2 ? argv[2] : (fs::temp_directory_path() / "brinox-crash-XXXXXX").string();
    if (argc <= 2 && ::mkdtemp(dir.data()) == nullptr) {
        std::perror("mkdtemp");
        return 2;
    }
    fs::create_directories(dir);
    dir += '/';
    std::mt19937 rng(static_cast<unsigned>(::getpid()));
    bool allWhole = true;
    std::printf("%-28s %6s %6s %6s %6s %9s  %s\n", "file kind", "kills", "old", "new", "other",
                "leftover", "full disk (limits 0, 1, size/2, size-1)");
    for (const FileKind& kind : Kinds(dir)) {
        const std::uintmax_t size = SizeOfVersion(kind, dir, 1);
        int fullDiskKept = 0;
        const rlim_t limits[] = {0, 1, static_cast<rlim_t>(size / 2),
                                 static_cast<rlim_t>(size - 1)};
        for (rlim_t limit : limits) {
            fullDiskKept += FullDiskOnce(kind, dir, limit) ? 1 : 0;
        }
        const CrashTally t = CrashCampaign(kind, dir, kills, rng);
        allWhole = allWhole && t.broken == 0 && fullDiskKept == 4;
        std::printf("%-28s %6d %6d %6d %6d %9d  %d of 4 failed cleanly, old file intact\n",
                    kind.name, kills, t.old, t.fresh, t.broken, t.leftovers, fullDiskKept);
    }
    if (argc <= 2) {
        fs::remove_all(dir);
    }
    std::printf("%s\n", allWhole ? "every file stayed whole" : "SOME FILES WERE DAMAGED");
    return allWhole ? 0 : 1;
}
