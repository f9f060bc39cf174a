// A saved game (*.tsv): signature, format 11, the file key k (1..10), the
// board row by row, the falling and next piece, timing, counters and
// statistics, and the three game settings. Most numbers are stored as
// value + m * k with a fixed multiplier m per field.
//
// Range policy: the file is rejected as incorrect when anything the game
// indexes by is out of range: a cell that is neither empty nor a block kind,
// a piece kind, a rotation, a falling piece with a cell off the board, a
// level outside 1..20, a non-positive fall period, a countdown or rising
// counter below -1, a negative score or row count, or game type, mode or
// bombs that no game has. A drawn (previous) piece that is off the board is
// only cosmetic and is replaced by the falling piece. clockRefsValid always
// loads as 0 so the clocks restart. Reading goes into a scratch copy: a
// file cut short anywhere leaves the caller's game untouched.
#pragma once

#include "engine/Board.h"
#include "engine/GameState.h"
#include "engine/Random.h"
#include "engine/TextMarks.h"

#include <cstdint>
#include <string>

namespace brinox {

class Archive;

inline constexpr const char* kSavedFileIncorrectMessage =
    BRINOX_TEXT("Messages", "ERROR! Saved file is incorrect");

struct SavedGame {
    Board board;
    GameState state;
    std::int32_t gameInProgress = 0;
    std::int32_t gameType = 0;
    std::int32_t gameMode = 0;
    std::int32_t bombsOn = 1;

    bool operator==(const SavedGame& other) const {
        return board.cells == other.board.cells && state == other.state &&
               gameInProgress == other.gameInProgress && gameType == other.gameType &&
               gameMode == other.gameMode && bombsOn == other.bombsOn;
    }
};

enum class SavedGameLoad { Ok, CannotOpen, Incorrect };

// Seeds random with calendarSeconds and draws the key. False when the file
// could not be written; an existing file is then unchanged.
bool WriteSavedGame(const std::string& path, const SavedGame& game, Random& random,
                    std::int64_t calendarSeconds);
void WriteSavedGame(Archive& archive, const SavedGame& game, std::int32_t fileKey);

// On Ok, out holds the file's game; fields the file does not hold (bestScore
// and the like) keep the values out had. On any other result out is unchanged.
SavedGameLoad ReadSavedGame(const std::string& path, SavedGame& out);
SavedGameLoad ReadSavedGame(Archive& archive, SavedGame& out);

// "ERROR! It is impossible to save file \"<path>\"": the pattern, which the
// window translates and fills in, and the English text.
inline constexpr const char* kCannotSaveGameMessage =
    BRINOX_TEXT("Messages", "ERROR! It is impossible to save file \"%1\"");
std::string CannotSaveGameMessage(const std::string& path);

} // namespace brinox
