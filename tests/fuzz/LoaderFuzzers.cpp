// The libFuzzer harnesses of every data-file loader. Each fuzz_<name>
// executable is this source built with BRINOX_FUZZ_TARGET="<name>", which
// picks its harness from the table at the end (an unknown name does not
// build). A harness stops hard when a loaded value breaks its range or a
// refused file changed what the loader was given.
#include "engine/GameTypes.h"
#include "engine/PieceShape.h"
#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayPlayer.h"
#include "scores/LastNameFile.h"
#include "scores/ReplayBundle.h"
#include "scores/ScoreTableSet.h"
#include "scores/SenderDetails.h"
#include "scores/Top10File.h"
#include "scores/UsageRecords.h"
#include "server/UploadFile.h"
#include "settings/Archive.h"
#include "settings/OptionsFile.h"
#include "settings/SavedGame.h"
#include "settings/WindowSizeFile.h"
#include "tests/support/FileTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>

namespace brinox::fuzz {
namespace {

// A directory of this process for the loaders that take a path, made once
// and reused for every input.
const std::string& ScratchDirectory() {
    // Never destroyed, so the clean-up at exit can still read it.
    static const std::string* path = [] {
        char made[] = "/tmp/brinox-fuzz-XXXXXX";
        if (::mkdtemp(made) == nullptr) {
            std::abort();
        }
        auto* madePath = new std::string(std::string(made) + "/");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchDirectory(), ignored);
        });
        return madePath;
    }();
    return *path;
}

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "range broken: %s\n", what);
        std::abort();
    }
}

void FuzzOptions(const std::uint8_t* data, std::size_t size) {
    Archive archive;
    archive.OpenForLoad({data, size});
    Options options;
    options.SetDefaultSoundFiles("/game/");
    LoadOptions(archive, options);
    // Whatever was loaded is already within range: sanitizing again changes nothing.
    Options again = options;
    SanitizeOptions(again);
    Require(again == options, "options out of range after load");
}

void FuzzWindowSize(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = ScratchDirectory();
    test::PutFile(dir + "ws.dat", {data, data + size});
    const std::int32_t setting = ReadWindowSizeSetting(dir);
    Require(setting == 0 || setting == 1 || setting == 100, "window size setting");
}

bool PieceInside(std::int32_t kind, std::int32_t rotation, std::int32_t column, std::int32_t row) {
    if (kind < 0 || kind >= kKindCount || rotation < 0 || rotation > 3) {
        return false;
    }
    for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
        const CellOffset o = PieceShape::Offset(kind, rotation, i);
        if (!Board::Inside(column + o.dx, row + o.dy)) {
            return false;
        }
    }
    return true;
}

void FuzzSavedGame(const std::uint8_t* data, std::size_t size) {
    Archive archive;
    archive.OpenForLoad({data, size});
    SavedGame game;
    const SavedGame before = game;
    if (ReadSavedGame(archive, game) != SavedGameLoad::Ok) {
        Require(game == before, "rejected file changed the game");
        return;
    }
    for (std::int32_t cell : game.board.cells) {
        Require(cell == Board::kEmpty || (cell >= 0 && cell < kSmallBomb), "cell value");
    }
    const GameState& s = game.state;
    Require(PieceInside(s.currentKind, s.rotation, s.column, s.row), "falling piece");
    Require(PieceInside(s.drawnKind, s.drawnRotation, s.drawnColumn, s.drawnRow), "drawn piece");
    Require(s.nextKind >= 0 && s.nextKind < kSmallBomb, "next kind");
    Require(s.level >= 1 && s.level <= 20, "level");
    Require(game.gameType >= 0 && game.gameType <= 1 && game.gameMode >= 0 && game.gameMode <= 3,
            "game type and mode");
    Require(TableOf(game.gameType, game.gameMode) < 7, "table of the game");
    Require(s.clockRefsValid == 0, "clock references");
}

void FuzzTables(const std::uint8_t* data, std::size_t size) {
    Archive archive;
    archive.OpenForLoad({data, size});
    ScoreTableSet set;
    set.Load(archive); // values stand as read, flags too
    // Ranking and inserting into whatever was loaded stays within the table.
    const std::int32_t position = set.Place(3, 1, 1, 1);
    Require(position >= 0 && position <= 10, "position");
    set.Insert(3, position, ScoreEntry{}, LocalTime{});

    const std::string& dir = ScratchDirectory();
    test::PutFile(dir + "data.ttb", {data, data + size});
    for (std::int32_t t : {-1, 0, 6, 7}) {
        (void)BestScore(dir, t);
    }
}

void FuzzLastName(const std::uint8_t* data, std::size_t size) {
    Archive archive;
    archive.OpenForLoad({data, size});
    std::string name = "kept";
    if (!ReadLastName(archive, name)) {
        Require(name == "kept", "failed read changed the name");
    } else {
        Require(name.size() <= size, "name longer than the file");
    }
}

void FuzzLastSend(const std::uint8_t* data, std::size_t size) {
    Archive archive;
    archive.OpenForLoad({data, size});
    SenderDetails details{"n", "e", "c", "o"};
    const SenderDetails before = details;
    if (!ReadLastSend(archive, details)) {
        Require(details == before, "failed read changed the details");
    }
}

void FuzzRunningTime(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = ScratchDirectory();
    // The same bytes serve as the running-time and the first-start record.
    test::PutFile(dir + "tdata.dat", {data, data + size});
    test::PutFile(dir + "sdata.dat", {data, data + size});
    const RunningTime total = ReadRunningTime(dir);
    (void)TotalTimeText(dir);
    (void)FirstStartText(dir);
    // A record in range stays in range whatever is added.
    const RunningTime added = AddElapsed(total, size > 0 ? data[0] * 977u : 59u);
    if (total.seconds < 60 && total.minutes < 60) {
        Require(added.seconds < 60 && added.minutes < 60, "carry");
    }
}

void FuzzTop10(const std::uint8_t* data, std::size_t size) {
    Archive archive;
    archive.OpenForLoad({data, size});
    Top10Rows rows{};
    const Top10Rows before = rows;
    // Values stand as read, flags too; only a failed read must leave the rows alone.
    if (ReadTop10File(archive, rows) != Top10Load::Ok) {
        Require(rows == before, "failed read changed the rows");
    }
}

void FuzzUpload(const std::uint8_t* data, std::size_t size) {
    TransferFile upload;
    upload.sender.name = "kept";
    if (server::ReadUpload({data, size}, upload) != server::UploadCheck::Ok) {
        Require(upload.sender.name == "kept", "refused upload changed the result");
        return;
    }
    for (const ScoreEntry& row : upload.rows) {
        Require(row.used != 1 ||
                    (row.score >= 0 && row.level >= 0 && row.lines >= 0 && row.name.size() <= 64),
                "implausible row accepted");
    }
}

// A replay that decodes plays to its end or stops with a reason, never
// without either: the server's verification reads the result of every
// replay that played through. Played as the proof of its own result, it is
// rejected with a reason or names its game.
void FuzzReplay(const std::uint8_t* data, std::size_t size) {
    const auto replay = ReplayFile::Decode(std::vector<std::uint8_t>(data, data + size));
    if (!replay) {
        return;
    }
    ReplayPlayer player(*replay, Options{});
    player.PlayToEnd();
    Require(!player.Problem().empty() || player.Result().has_value(), "replay without an end");
    if (player.Result()) {
        const ReplayPlayer::Verdict verdict = ReplayPlayer::Verify(*replay, *player.Result());
        Require(verdict.problem.empty() != verdict.fingerprint.empty(), "proof without a verdict");
    }
}

void FuzzReplayBundle(const std::uint8_t* data, std::size_t size) {
    const auto bundle = ReadReplayBundle({data, size});
    if (!bundle) {
        return;
    }
    std::int32_t previous = -1;
    for (const auto& [row, replay] : bundle->replays) {
        Require(row > previous && row < 10 && replay.size() < size, "bundle row or replay");
        previous = row;
    }
}

using Harness = void (*)(const std::uint8_t* data, std::size_t size);

struct Target {
    std::string_view name; // of the executable without fuzz_, and of its corpus folder
    Harness harness;
};

// clang-format off
constexpr Target kTargets[] = {
    {"options", FuzzOptions}, {"window_size", FuzzWindowSize}, {"saved_game", FuzzSavedGame},
    {"tables", FuzzTables}, {"last_name", FuzzLastName}, {"last_send", FuzzLastSend},
    {"running_time", FuzzRunningTime}, {"top10", FuzzTop10}, {"upload", FuzzUpload},
    {"replay", FuzzReplay}, {"replay_bundle", FuzzReplayBundle}};
// clang-format on

constexpr const Target* kTarget =
    std::find_if(std::begin(kTargets), std::end(kTargets),
                 [](const Target& target) { return target.name == BRINOX_FUZZ_TARGET; });
static_assert(kTarget != std::end(kTargets), "BRINOX_FUZZ_TARGET names no harness");

} // namespace
} // namespace brinox::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brinox::fuzz::kTarget->harness(data, size);
    return 0;
}
