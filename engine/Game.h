// The game engine: one game's board, falling piece, counters and statistics,
// and every rule that changes them. It never draws, plays or asks anything
// itself; it goes through the GameHost interfaces, and reads time only from
// the host's Clock, so tests drive it with fakes. Invariants while a game
// goes on: the board holds only Board::kEmpty and 0..15, no block lies in the
// spawn rows, the falling piece never overlaps a block, 1 <= level <= 20 and
// linesLeft >= 0. The data is private so that only the rules below change it;
// the others read it. Tests set up positions through test::GameTestAccess.
#pragma once

#include "Board.h"
#include "GameHost.h"
#include "engine/replay/GameJournal.h"
#include "GameState.h"
#include "GameTypes.h"
#include "KeyWatcher.h"
#include "Options.h"
#include "Random.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace brinox {

namespace test {
class GameTestAccess;
}

class Game {
public:
    Game(Options& options, Random& random, GameHost host);

    // One 20 ms tick of play: gravity, the five keys, countdown, played time.
    // The caller does the first-tick redraw, the clock display and the title.
    void Tick();

    // Key watcher: every key-down and key-up of the keyboard, before dispatch.
    void KeyDown(std::int32_t code);
    void KeyUp(std::int32_t code);
    // The application became active or inactive.
    void SetAppActive(bool active);

    // Start/Stop command (F2): a new game, or the question to stop this one.
    void StartStopCommand();
    // Pause command and key: toggles the pause of a game in progress.
    void PauseCommand();

    // Runs a dialog or message box with the game standing still and its
    // clocks stopped, then puts the pause state back (the modal command pattern).
    template <typename F> decltype(auto) RunSuspended(F&& dialog) {
        Suspension suspension(*this, true);
        return dialog();
    }

    // Asks a Yes/No question the same way. No resumes the game as it was;
    // Yes leaves it stopped for the caller, who acts on the answer.
    template <typename F> bool AskSuspended(F&& question) {
        Suspension suspension(*this, true);
        const bool yes = question();
        if (yes) {
            suspension.Keep();
        }
        return yes;
    }

    // Called by every draw of the score: plays the best-score sound the first
    // time in a game that the score passes the stored best.
    void CheckBestScore();
    // The best-score figure shown: the larger of score and bestScore.
    std::int32_t ShownBestScore() const;

    // Plays an event's sound when the master switch and its own switch are on.
    void PlaySound(SoundEvent event);

    // Best-score table of the current options (0..6, even for foreign values).
    std::int32_t CurrentTable() const;
    // The result record of the game just ended.
    GameResult Result() const;

    // The game in play, for drawing and saving.
    const Board& CurrentBoard() const { return board; }
    const GameState& State() const { return state; }
    const GameFlags& Flags() const { return flags; }
    const KeyWatcher& Keys() const { return keys; }

    // Folder of the data files, copied into the result record.
    void SetAppDirectory(std::string directory) { appDirectory = std::move(directory); }
    // Takes over a loaded game, played with the game settings now in the
    // options: position and counters as stored, no key held, the best score
    // of its table re-read (Quinel has no championship table: it stays),
    // whether the best-score sound is due left as it was (a saved game does
    // not hold it), and the random generator reseeded.
    void Restore(const Board& loadedBoard, const GameState& loadedState,
                 std::int32_t gameInProgress);
    // A game goes on and is not a World Championship game, which cannot be saved.
    bool SaveAllowed() const;
    // The game is played (or is to be played) under World Championship rules.
    bool ChampionshipMode() const { return options.gameMode == WorldChampionship; }
    // The tool bar's selectors for the next game (no game in progress).
    void SelectNextGameType();
    void SelectNextGameMode();

private:
    friend class test::GameTestAccess;

    // The rules the tick and the commands run; tests reach them through GameTestAccess.
    // TryMove: true when the piece now stands at the new place (and was redrawn
    // there); false leaves everything as it was.
    bool TryMove(std::int32_t dx, std::int32_t dy, std::int32_t newRotation);
    // Locks the falling piece, or blows up a bomb; false when the game ended.
    bool LandPiece();
    // Removes the full rows with their animation and scores them; 0..4.
    std::int32_t ClearFullRows();
    void SpawnNextPiece();
    void AdvanceLevel();
    void AddRisingRow();
    void DetonateBomb(std::int32_t kind);
    void NewGame();
    void FillStartRows();
    void EndGameLost();
    void EndGameWon();

    // Tells the journal of an input from outside for as long as it is handled.
    class InputScope {
    public:
        InputScope(const Game& game, GameInput input, std::int32_t value = 0);
        ~InputScope();
        InputScope(const InputScope&) = delete;
        InputScope& operator=(const InputScope&) = delete;

    private:
        GameJournal* journal;
    };

    // Stands the game still for a modal dialog and resumes it afterwards.
    // `fromOutside`: the window's dialog, an input to journal; false for the
    // engine's own question, which a replay asks again by itself.
    class Suspension {
    public:
        Suspension(Game& game, bool fromOutside);
        ~Suspension();
        Suspension(const Suspension&) = delete;
        Suspension& operator=(const Suspension&) = delete;
        // Leaves the game stopped: the destructor neither resumes nor redraws.
        void Keep() { kept = true; }

    private:
        Game& game;
        std::int32_t wasRunning;
        bool fromOutside;
        bool kept = false;
    };

    // One step of the tick while playing; false once the game has ended.
    bool PlayStep();
    bool Gravity();
    bool SideKey(GameKey key, std::int32_t dx, std::uint32_t now);
    bool DropKey(std::uint32_t now);
    bool SoftDropKey(std::uint32_t now);
    bool KeyDue(GameKey key, std::uint32_t now);
    bool Countdown();
    void CountPlayedTime();

    // A refused move of a bomb carries it into the refused cell, then lands it.
    bool LandAfterRefusedMove(std::int32_t dx, std::int32_t dy);
    bool LandBomb();
    void ScoreRowsOnTimer(std::int32_t rows);
    // May push a rising row, which may end the game.
    void ScoreRowsOnRisingCounter(std::int32_t rows);
    void FinishLevel();
    void EndGame(SoundEvent sound, FieldAnimationKind animation, bool won);
    void PlayFieldAnimation(FieldAnimationKind kind);
    void ApplyModePresets();

    std::int32_t DrawPieceKind();
    // Puts a piece of this kind at its start position, drawn there too, its fall rhythm restarted.
    void PlaceAtStart(std::int32_t kind);
    // A row of random blocks, never full, column 0 first.
    std::array<std::int32_t, Board::kColumns> RandomRow();
    void SeedFromCalendar();

    Board board;
    GameState state;
    GameFlags flags;
    KeyWatcher keys;
    std::string appDirectory;
    Options& options;
    Random& random;
    GameHost host;
};

} // namespace brinox
