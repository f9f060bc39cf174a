// The narrow interfaces through which the engine reaches the outside world.
// The window implements them; tests use the fakes of the test-support
// library. Every call is made on the one user-interface thread.
#pragma once

#include "GameState.h"
#include "SoundEvent.h"

#include <cstdint>
#include <string>

namespace brinox {

class Clock;
class GameJournal;

class GameDisplay {
public:
    virtual ~GameDisplay() = default;
    // Compose and show the whole frame.
    virtual void RedrawAll() = 0;
    // Repaint only the cells the falling piece left and entered.
    virtual void RedrawFallingPiece() = 0;
    // Repaint the counter panel.
    virtual void RedrawCounters() = 0;
};

class GameSounds {
public:
    virtual ~GameSounds() = default;
    // Start playing a file at once, replacing any sound still playing; never blocks.
    virtual void Play(SoundEvent event, const std::string& file) = 0;
};

// Rectangle of board cells hit by a bomb, inclusive bounds.
struct BlastRect {
    std::int32_t firstColumn;
    std::int32_t lastColumn;
    std::int32_t firstRow;
    std::int32_t lastRow;
};

enum class FieldAnimationKind : std::int32_t { NewGame = 0, LevelFinished = 1, Won = 2, Lost = 3 };

class GameAnimations {
public:
    virtual ~GameAnimations() = default;
    // Cover and uncover the playing area; returns when finished.
    virtual void FieldAnimation(FieldAnimationKind kind) = 0;
    // Five frames over the rows marked 50..99; returns before they are removed.
    virtual void RowRemoval() = 0;
    // Five explosion frames over the blast; returns before the cells are emptied.
    virtual void Explosion(const BlastRect& blast) = 0;
};

class GamePrompts {
public:
    virtual ~GamePrompts() = default;
    // "Do you want to cancel current game?" with Yes and No; true for Yes.
    virtual bool ConfirmCancelGame() = 0;
    // The "You are Winner !" box shown before the result of a won game.
    virtual void ShowWinner() = 0;
};

class GameResults {
public:
    virtual ~GameResults() = default;
    // Hand a finished game to the best-scores dialog; returns when it has closed.
    virtual void GameFinished(const GameResult& result) = 0;
    // Best score of table 0..6 as stored in the best-score file; 0 when unknown.
    virtual std::int32_t BestScore(std::int32_t table) = 0;
};

struct GameHost {
    Clock& clock;
    GameDisplay& display;
    GameSounds& sounds;
    GameAnimations& animations;
    GamePrompts& prompts;
    GameResults& results;
    // Told every input from outside, for recording; none when nothing records.
    GameJournal* journal = nullptr;
};

} // namespace brinox
