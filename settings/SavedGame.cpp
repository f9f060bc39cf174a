#include "SavedGame.h"

#include "Archive.h"
#include "FileSignatures.h"
#include "engine/GameTypes.h"
#include "engine/PieceShape.h"

#include <array>
#include <string_view>

namespace brinox {

namespace {

// Disguise multipliers, fixed for every file.
constexpr std::int32_t kPieceMultiplier = 7; // cells, falling piece, next kind, rising period
constexpr std::int32_t kDrawnMultiplier = -kPieceMultiplier;
constexpr std::int32_t kFallPeriodMultiplier = 3;
constexpr std::int32_t kLevelMultiplier = 5;
constexpr std::int32_t kScoreMultiplier = 11;
constexpr std::int32_t kLinesMultiplier = 13;
constexpr std::int32_t kLinesLeftMultiplier = 17;
constexpr std::int32_t kTimerMultiplier = 19;
constexpr std::int32_t kRisingCounterMultiplier = 23;

constexpr std::int32_t kLastBlockKind = kSmallBomb - 1;
constexpr std::int32_t kLevels = 20;

struct DisguisedField {
    std::int32_t GameState::*field;
    std::int32_t multiplier;
};

// Fields 6 to 14 of the file.
constexpr std::array<DisguisedField, 9> kPieceFields = {{
    {&GameState::currentKind, kPieceMultiplier},
    {&GameState::rotation, kPieceMultiplier},
    {&GameState::column, kPieceMultiplier},
    {&GameState::row, kPieceMultiplier},
    {&GameState::drawnKind, kDrawnMultiplier},
    {&GameState::drawnRotation, kDrawnMultiplier},
    {&GameState::drawnColumn, kDrawnMultiplier},
    {&GameState::drawnRow, kDrawnMultiplier},
    {&GameState::nextKind, kPieceMultiplier},
}};

// Fields 17 to 24.
constexpr std::array<DisguisedField, 8> kCounterFields = {{
    {&GameState::fallPeriodMs, kFallPeriodMultiplier},
    {&GameState::level, kLevelMultiplier},
    {&GameState::score, kScoreMultiplier},
    {&GameState::lines, kLinesMultiplier},
    {&GameState::linesLeft, kLinesLeftMultiplier},
    {&GameState::timerSeconds, kTimerMultiplier},
    {&GameState::risingCounter, kRisingCounterMultiplier},
    {&GameState::risingPeriod, kPieceMultiplier},
}};

// Fields 33 to 39.
constexpr std::array<std::int32_t GameState::*, 5> kStatisticFields = {
    &GameState::pieces, &GameState::bombs, &GameState::minDropSeconds, &GameState::maxDropSeconds,
    &GameState::avgDropSeconds}; // the sum of the drop times while the game runs

std::int32_t Offset(std::int32_t multiplier, std::int32_t key) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(multiplier) *
                                     static_cast<std::uint32_t>(key));
}

std::int32_t Hide(std::int32_t value, std::int32_t multiplier, std::int32_t key) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) +
                                     static_cast<std::uint32_t>(Offset(multiplier, key)));
}

std::int32_t Reveal(std::int32_t stored, std::int32_t multiplier, std::int32_t key) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(stored) -
                                     static_cast<std::uint32_t>(Offset(multiplier, key)));
}

bool WithinRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

bool PieceOnBoard(std::int32_t kind, std::int32_t rotation, std::int32_t column, std::int32_t row) {
    if (!WithinRange(kind, 0, kKindCount - 1) ||
        !WithinRange(rotation, 0, PieceShape::kRotations - 1)) {
        return false;
    }
    for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
        const CellOffset offset = PieceShape::Offset(kind, rotation, i);
        // 64-bit sums: hostile positions near the integer limits must not wrap inside.
        const std::int64_t c = static_cast<std::int64_t>(column) + offset.dx;
        const std::int64_t r = static_cast<std::int64_t>(row) + offset.dy;
        if (c < 0 || c >= Board::kColumns || r < 0 || r >= Board::kRows) {
            return false;
        }
    }
    return true;
}

bool CellsValid(const Board& board) {
    for (std::int32_t cell : board.cells) {
        if (cell != Board::kEmpty && !WithinRange(cell, 0, kLastBlockKind)) {
            return false;
        }
    }
    return true;
}

// True when the game can be played on; corrects what is only cosmetic.
bool MakeSafe(SavedGame& game) {
    GameState& s = game.state;
    const bool valid =
        CellsValid(game.board) && PieceOnBoard(s.currentKind, s.rotation, s.column, s.row) &&
        WithinRange(s.nextKind, 0, kLastBlockKind) && WithinRange(s.level, 1, kLevels) &&
        s.fallPeriodMs > 0 && s.score >= 0 && s.lines >= 0 && s.timerSeconds >= -1 &&
        s.risingCounter >= -1 && s.risingPeriod >= -1 && WithinRange(game.gameInProgress, 0, 1) &&
        WithinRange(game.gameType, Quadel, Quinel) &&
        WithinRange(game.gameMode, Classic, WorldChampionship) &&
        !(game.gameType == Quinel && game.gameMode == WorldChampionship) &&
        WithinRange(game.bombsOn, 0, 1);
    if (!valid) {
        return false;
    }
    if (!PieceOnBoard(s.drawnKind, s.drawnRotation, s.drawnColumn, s.drawnRow)) {
        s.drawnKind = s.currentKind;
        s.drawnRotation = s.rotation;
        s.drawnColumn = s.column;
        s.drawnRow = s.row;
    }
    s.clockRefsValid = 0;
    return true;
}

bool ReadBody(Archive& a, SavedGame& g, std::int32_t key) {
    GameState& s = g.state;
    for (std::int32_t r = 0; r < Board::kRows; ++r) {
        for (std::int32_t c = 0; c < Board::kColumns; ++c) {
            std::int32_t stored = 0;
            if (!a.ReadInt(stored)) {
                return false;
            }
            g.board.cells[Board::Index(c, r)] = Reveal(stored, kPieceMultiplier, key);
        }
    }
    if (!a.ReadInt(g.gameInProgress)) {
        return false;
    }
    for (const DisguisedField& f : kPieceFields) {
        if (!a.ReadInt(s.*f.field)) {
            return false;
        }
        s.*f.field = Reveal(s.*f.field, f.multiplier, key);
    }
    if (!a.ReadUInt(s.lastFallTime) || !a.ReadUInt(s.lastStepTime)) {
        return false;
    }
    for (const DisguisedField& f : kCounterFields) {
        if (!a.ReadInt(s.*f.field)) {
            return false;
        }
        s.*f.field = Reveal(s.*f.field, f.multiplier, key);
    }
    if (!(a.ReadInt(s.pieceStartSecond) && a.ReadUInt(s.timerRefTime) &&
          a.ReadInt(s.clockRefsValid) && a.ReadInt(g.gameType) && a.ReadInt(g.gameMode) &&
          a.ReadInt(g.bombsOn) && a.ReadString(s.startTime) && a.ReadString(s.endTime) &&
          a.ReadUInt(s.elapsedRefTime) && a.ReadInt(s.gameSeconds))) {
        return false;
    }
    for (auto field : kStatisticFields) {
        if (!a.ReadInt(s.*field)) {
            return false;
        }
    }
    return true;
}

} // namespace

void WriteSavedGame(Archive& a, const SavedGame& g, std::int32_t key) {
    const GameState& s = g.state;
    a.WriteString(signatures::kSavedGame);
    a.WriteInt(signatures::kSavedGameFormat);
    a.WriteInt(key);
    for (std::int32_t r = 0; r < Board::kRows; ++r) {
        for (std::int32_t c = 0; c < Board::kColumns; ++c) {
            a.WriteInt(Hide(g.board.cells[Board::Index(c, r)], kPieceMultiplier, key));
        }
    }
    a.WriteInt(g.gameInProgress);
    for (const DisguisedField& f : kPieceFields) {
        a.WriteInt(Hide(s.*f.field, f.multiplier, key));
    }
    a.WriteUInt(s.lastFallTime);
    a.WriteUInt(s.lastStepTime);
    for (const DisguisedField& f : kCounterFields) {
        a.WriteInt(Hide(s.*f.field, f.multiplier, key));
    }
    a.WriteInt(s.pieceStartSecond);
    a.WriteUInt(s.timerRefTime);
    a.WriteInt(s.clockRefsValid);
    a.WriteInt(g.gameType);
    a.WriteInt(g.gameMode);
    a.WriteInt(g.bombsOn);
    a.WriteString(s.startTime);
    a.WriteString(s.endTime);
    a.WriteUInt(s.elapsedRefTime);
    a.WriteInt(s.gameSeconds);
    for (auto field : kStatisticFields) {
        a.WriteInt(s.*field);
    }
}

bool WriteSavedGame(const std::string& path, const SavedGame& game, Random& random,
                    std::int64_t calendarSeconds) {
    random.Seed(static_cast<std::uint32_t>(calendarSeconds));
    const std::int32_t key = random.NextFileKey();
    Archive archive;
    if (!archive.OpenForStore(path)) {
        return false;
    }
    WriteSavedGame(archive, game, key);
    return archive.Close();
}

SavedGameLoad ReadSavedGame(Archive& archive, SavedGame& out) {
    std::int32_t key = 0;
    if (!CheckSignature(archive, signatures::kSavedGame, signatures::kSavedGameFormat) ||
        !archive.ReadInt(key)) {
        return SavedGameLoad::Incorrect;
    }
    SavedGame scratch = out;
    if (!ReadBody(archive, scratch, key) || !MakeSafe(scratch)) {
        return SavedGameLoad::Incorrect;
    }
    out = std::move(scratch);
    return SavedGameLoad::Ok;
}

SavedGameLoad ReadSavedGame(const std::string& path, SavedGame& out) {
    Archive archive;
    if (!archive.OpenForLoad(path)) {
        return SavedGameLoad::CannotOpen;
    }
    return ReadSavedGame(archive, out);
}

std::string CannotSaveGameMessage(const std::string& path) {
    const std::string_view text = kCannotSaveGameMessage;
    const std::size_t at = text.find("%1");
    return std::string(text.substr(0, at)) + path + std::string(text.substr(at + 2));
}

} // namespace brinox
