// The game behind the main window, without the window: the settings, the
// random generator, the engine and the recorder between the engine and its
// host, the replay being watched, the rule that says when each command may be
// used, and the take-over of a loaded game. The window owns one, shows what
// it holds and forwards the player's commands; everything here is plain C++
// and runs on the one user-interface thread.
//
// Invariants: the engine always plays with this session's options and its own
// random generator, which nothing else draws from (so that a championship
// replay is the engine's draws from its own seeds alone), and every game it
// starts is recorded; a command's rule is read at
// the moment it is asked, so the menu, the accelerators and the tool bar
// always agree; while a replay is watched, the game and settings shown are the
// replay's and no command that changes a game, a setting or a file is enabled.
#pragma once

#include "Command.h"
#include "ReplayViewer.h"

#include "engine/Game.h"
#include "engine/GameHost.h"
#include "engine/GameRecorder.h"
#include "engine/Options.h"
#include "engine/Random.h"

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
    Game& Engine() { return game; }
    const Game& Engine() const { return game; }
    ReplayViewer& Viewer() { return viewer; }
    const ReplayViewer& Viewer() const { return viewer; }
    bool Watching() const { return viewer.Watching(); }
    // What the window draws: the replay while one is watched, otherwise the session's game.
    Game& ShownGame() { return Watching() ? viewer.ShownGame() : game; }
    const Game& ShownGame() const { return Watching() ? viewer.ShownGame() : game; }
    const Options& ShownOptions() const { return Watching() ? viewer.ShownOptions() : options; }
    // The flags the menu and the pause button show: the shown game's, with
    // the game standing still while a watched replay is paused.
    GameFlags ShownFlags() const;
    // The tool bar's selectors and bar toggles may change the settings now.
    bool SettingsEditable() const { return !Watching(); }

    // Whether a command may be used now: one rule per command.
    bool Enabled(Command command) const;

    // The game in play as a saved-game record: what the save command writes,
    // and what a load reads into (the fields a file does not hold stay).
    SavedGame CurrentGame() const;
    // Puts a loaded game in place of the current one, with its type, mode and bombs
    // as the settings; the caller writes the options file.
    void TakeLoadedGame(const SavedGame& loaded);

private:
    bool Always() const { return true; }
    bool GameInProgress() const { return game.Flags().gameInProgress != 0; }
    bool SaveAllowed() const { return game.SaveAllowed(); }
    bool PauseAllowed() const { return GameInProgress() || Watching(); }
    bool NotWatching() const { return !Watching(); }

    Options options;
    Random random; // the engine's alone
    Random windowRandom;
    GameRecorder recorder;
    Game game;
    ReplayViewer viewer;
};

} // namespace brinox
