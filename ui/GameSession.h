// The game behind the main window, without the window: the settings, the
// random generators, the engine and the recorder between the engine and its
// host, the replay being watched, the program's files, every command's rule
// and what the commands do to the game, the settings and the files. The
// window owns one, shows what it holds, forwards the player's input and runs
// the dialogs the commands need; it reaches the game only through here.
// Plain C++, on the one user-interface thread.
//
// Invariants: the engine always plays with this session's options and its own
// random generator, which nothing else draws from (so that a championship
// replay is the engine's draws from its own seeds alone), and every game it
// starts is recorded; a command's rule is read at the moment it is asked, so
// the menu, the accelerators, the tool bar and the pad always agree; while a
// replay is watched, the game and settings shown are the replay's and no
// command that changes a game, a setting or a file is enabled.
#pragma once

#include "Command.h"
#include "ProgramFiles.h"
#include "ReplayViewer.h"
#include "ToolButton.h"

#include "engine/Game.h"
#include "engine/GameHost.h"
#include "engine/Options.h"
#include "engine/Random.h"
#include "engine/replay/GameRecorder.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brinox {

struct SavedGame;

class GameSession {
public:
    // The host is the engine's way out to the window, the clock and the sounds;
    // the engine reaches it through the recorder.
    explicit GameSession(GameHost host);
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    Options& Settings() { return options; }
    const Options& Settings() const { return options; }
    // The window's generator: the field animation's colours and the data files' keys.
    Random& RandomSource() { return windowRandom; }
    ProgramFiles& Files() { return files; }
    const ProgramFiles& Files() const { return files; }
    // Start-up's files (ProgramFiles::Open); the engine learns the game directory.
    ProgramFiles::Start OpenFiles();

    // ---- What the window shows.
    bool Watching() const { return viewer.Watching(); }
    const ReplayViewer& Viewer() const { return viewer; }
    // The replay while one is watched, otherwise the session's game.
    Game& ShownGame() { return Watching() ? viewer.ShownGame() : game; }
    const Game& ShownGame() const { return Watching() ? viewer.ShownGame() : game; }
    const Options& ShownOptions() const { return Watching() ? viewer.ShownOptions() : options; }
    // The flags the menu and the pause button show: the shown game's, with
    // the game standing still while a watched replay is paused.
    GameFlags ShownFlags() const;
    bool InGame() const { return game.Flags().gameInProgress != 0; }
    // The game in play or the replay watched needs the 20 ms beat.
    bool Playing() const { return InGame() || Watching(); }

    // ---- The commands.
    // Whether a command may be used now: one rule per command.
    bool Enabled(Command command) const;
    // The command a tool-bar button, toggle, selector or the logo runs.
    static Command CommandOf(ToolButton button);
    // Whether a button reacts to the pointer now: its command's rule, and for
    // the buttons of the tool bar, that the bar is shown.
    bool ButtonEnabled(ToolButton button) const;
    // Carries out an enabled command that needs no window (the bar toggles and
    // the selectors); false for the others, which the window carries out.
    bool Carry(Command command);
    // Start/Stop: leaves a watched replay (true), or starts or asks to stop the game.
    bool StartStop();
    // Pause: the watched replay's or the game's.
    void Pause();

    // The settings of an options sheet closed with OK, taken page by page; what changed.
    struct OptionChanges {
        bool animateTitle = false;
        bool blockSet = false;
        bool digitSet = false;
        bool sounds = false;
    };
    OptionChanges TakeOptions(const Options& chosen);
    // After every options sheet, whatever its answer: the file holds what is in force.
    void OptionsSheetClosed() { files.SaveOptions(); }

    // Writes the game in play to `path`; false when it could not be written.
    bool SaveGame(const std::string& path);
    enum class LoadOutcome { Loaded, Declined, CannotOpen, Incorrect };
    // Loads `path` in place of the current game; a game in progress is given
    // up only when `confirmCancel` says so. A loaded game's type, mode and
    // bombs become the settings, and the options file is written.
    LoadOutcome LoadGame(const std::string& path, const std::function<bool()>& confirmCancel);

    // The best-score table a best-scores command opens: {game type, game mode}.
    static std::pair<std::int32_t, std::int32_t> TableOf(Command command);

    // Starts watching a replay file; a replay is watched only while no game
    // is in progress (then none: nothing happens). Otherwise why it cannot be
    // played, empty when watching has begun.
    std::optional<std::string> Watch(const std::vector<std::uint8_t>& bytes, ReplayOutput output);
    bool SetReplaySpeed(std::int32_t ticksPerBeat) { return viewer.SetSpeed(ticksPerBeat); }
    // One beat of the watched replay; false once it is over (watching has then ended).
    bool ReplayBeat() { return viewer.Beat(); }
    void LeaveReplay() { viewer.Leave(); }

    // ---- Input and time, forwarded to the engine.
    void Tick() { game.Tick(); }
    void KeyDown(std::int32_t code) { game.KeyDown(code); }
    void KeyUp(std::int32_t code) { game.KeyUp(code); }
    void SetAppActive(bool active) { game.SetAppActive(active); }
    bool AppActive() const { return game.Flags().appActive != 0; }
    void PlaySound(SoundEvent event) { game.PlaySound(event); }
    // Runs a dialog with the game standing still (the engine's modal pattern).
    template <typename F> decltype(auto) RunSuspended(F&& dialog) {
        return game.RunSuspended(std::forward<F>(dialog));
    }
    template <typename F> bool AskSuspended(F&& question) {
        return game.AskSuspended(std::forward<F>(question));
    }
    // The engine, for the key watcher, which tells it every key.
    Game& Engine() { return game; }

private:
    bool Always() const { return true; }
    bool SaveAllowed() const { return game.SaveAllowed(); }
    bool PauseAllowed() const { return Playing(); }
    bool NotWatching() const { return !Watching(); }
    bool NextGameChoosable() const { return !InGame() && !Watching(); }
    bool BombsChoosable() const;
    SavedGame CurrentGame() const;

    Options options;
    Random random; // the engine's alone
    Random windowRandom;
    Clock& clock;
    GameRecorder recorder;
    Game game;
    ReplayViewer viewer;
    ProgramFiles files;
};

} // namespace brinox
