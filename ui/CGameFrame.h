// The main window. It owns the game session (game, settings, command rules),
// the layout in force, the pictures and the off-screen frame into which every
// picture is composed; it shows the game, forwards the player's commands and
// runs the dialogs, and it is the engine's host: display, animations,
// questions and results. A
// 20 ms timer drives the game. Start-up runs in a fixed order (settings,
// files, pictures, timer) and the window is gone only after the run's time,
// the options and the window size have been written once.
//
// Invariants: the off-screen frame always has the client size of the current
// layout and holds the last composed frame; nothing is composed before the
// first tick or after quitting has begun.
#pragma once

#include "ButtonStates.h"
#include "Command.h"
#include "EffectPlayer.h"
#include "FramePainter.h"
#include "GameMenu.h"
#include "GameSession.h"
#include "HeldKeys.h"
#include "InformationDialogs.h"
#include "Layout.h"
#include "PictureSet.h"
#include "TitleAnimation.h"

#include "engine/Clock.h"
#include "engine/Game.h"
#include "engine/GameHost.h"
#include "engine/Options.h"
#include "engine/Random.h"
#include "platform/Devices.h"
#include "platform/LateSounds.h"

#include <QImage>
#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QKeyEvent;

namespace brinox {

class ChampionshipExchange;
class FrameView;
class HelpViewer;
struct BestScoresRequest;
struct SavedGame;

class CGameFrame : public QMainWindow,
                   public GameDisplay,
                   public GameAnimations,
                   public GamePrompts,
                   public GameResults {
    Q_OBJECT

public:
    // What a test may put in place of the real clock, sound, sleep and
    // device module.
    struct Services {
        Clock* clock = nullptr;
        GameSounds* sounds = nullptr;
        std::function<void(std::int32_t)> sleep;
        DeviceOpener openDevices;
    };

    CGameFrame();
    explicit CGameFrame(Services services);
    ~CGameFrame() override;

    // Carries out a command of the menu, an accelerator or the tool bar when
    // Enabled allows it now; otherwise does nothing.
    void Run(Command command);
    // Whether a command may be used now (the session's rule).
    bool Enabled(Command command) const { return session.Enabled(command); }
    // Whether a tool-bar, toggle, selector or logo button reacts to the pointer now.
    bool ButtonEnabled(ToolButton button) const;
    // What a click on an enabled button does (press and release), for
    // whatever presses it without the pointer; a disabled one does nothing.
    void ClickButton(ToolButton button);

    // One 20 ms tick: first frame, the clock's minute, the game, the title.
    void Tick();
    // The activation notice: the application became active or inactive.
    void SetAppActive(bool active);
    void PadKey(std::int32_t code, bool down);
    // Window size command: 0 Normal, 1 Big, 100 Automatic.
    void ApplyWindowSize(std::int32_t setting);
    // "Are you sure you want to quit?"; on Yes the run ends with status 0.
    void ConfirmQuit();
    // Writes the options file; a failure is reported and leads to the quit question.
    void SaveOptionsFile();
    // The pointer has changed a button state or the status line.
    void RedrawButtons();
    // What SEND and UPDATE of the best-scores dialog use; none: they do nothing.
    void SetChampionshipExchange(ChampionshipExchange* exchange) { championship = exchange; }
    // Shows the replay file `bytes` in the window until it ends or is left; a
    // replay that cannot be played is reported and nothing else happens.
    void WatchReplay(const std::vector<std::uint8_t>& bytes);
    const ReplayViewer& Viewer() const { return session.Viewer(); }
    // The shell's information dialogs, which the application hands over; none: their commands
    // do nothing.
    void SetInformationDialogs(InformationDialogs dialogs) {
        informationDialogs = std::move(dialogs);
    }

    // GameDisplay
    void RedrawAll() override;
    void RedrawFallingPiece() override;
    void RedrawCounters() override;
    // GameAnimations
    void FieldAnimation(FieldAnimationKind kind) override;
    void RowRemoval() override;
    void Explosion(const BlastRect& blast) override;
    // GamePrompts
    bool ConfirmCancelGame() override;
    void ShowWinner() override;
    // GameResults
    void GameFinished(const GameResult& result) override;
    std::int32_t BestScore(std::int32_t table) override;

    Game& Engine() { return game; }
    const GameSession& Session() const { return session; }
    // The keys the keyboard and the gamepad hold, for the key watcher.
    HeldKeys& Held() { return held; }
    Options& Settings() { return options; }
    const std::string& AppDirectory() const { return appDirectory; }
    const Layout& CurrentLayout() const { return layout; }
    const PictureSet& Pictures() const { return pictures; }
    ButtonStates& Buttons() { return buttons; }
    GameMenu& Menu() { return *menu; }
    std::int32_t WindowSizeSetting() const { return windowSizeSetting; }
    // The last composed frame, one pixel per client pixel.
    const QImage& ComposedFrame() const { return offscreen; }
    // Milliseconds between ticks at present.
    int TickInterval() const { return timer.interval(); }
    FrameView& View() { return *view; }
    // The run is over (quit confirmed or start-up failed); ExitCode() is its status.
    bool QuitRequested() const { return quitRequested; }
    int ExitCode() const { return exitCode; }

signals:
    void FirstFramePainted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The commands, one function each (their table is in CGameFrameCommands.cpp;
    // when each may be used is the session's rule).
    using CommandFunction = void (CGameFrame::*)();
    static CommandFunction FunctionOf(Command command);

    void StartStopGame();
    void TogglePause();
    void OpenOptions();
    // Takes the options of a sheet closed with OK, in the fixed order of the pages.
    void ApplyOptions(const Options& chosen);
    void UseNormalSize() { ApplyWindowSize(0); }
    void UseBigSize() { ApplyWindowSize(1); }
    void UseAutomaticSize() { ApplyWindowSize(100); }
    void SaveGameAs();
    void LoadGame();
    void ShowChampions2000();
    void ShowChampions2001();
    void ShowHelpIndex();
    void OpenHomepage();
    void ShowAboutCathedral();
    void ShowAbout();
    void ShowLocalBestScores();
    void ShowWorldTop10();
    void OpenChampionshipHomepage();
    // Help at the main window's topic, beside the running game (right-button release).
    void ShowContextHelp();
    // The one help viewer of the window, made on first use, sized for the layout.
    HelpViewer& Help();
    // Makes an information dialog and runs it with the game standing still.
    void ShowInformationDialog(const InformationDialogs::Maker& make);

    // Watching a replay (CGameFrameReplay.cpp): the beat, the keys that steer
    // it (true when the key was one of them), the state in the title, the end.
    void WatchingBeat();
    bool WatchingKey(const QKeyEvent& event);
    void ShowWatchingState();
    void StopWatching();

    // The finished game waiting for its best-scores dialog.
    void RankFinishedGame();
    // Runs the best-scores dialog with the game standing still.
    void ShowBestScores(BestScoresRequest request);

    // The pointer over the client area and the left button (CGameFrameMouse.cpp).
    void PointerMoved(QPoint at);
    void LeftPressed(QPoint at);
    void LeftReleased(QPoint at);
    // A button's release action; false when the release ends with it.
    bool ReleaseButton(ToolButton button);

    // The next tick: every 20 ms during a game, otherwise when the title or the clock is due.
    void ScheduleTick();
    // Redraws when the clock's minute has turned.
    void FollowClock();
    std::int32_t IdleWait() const;

    bool GameInProgress() const { return game.Flags().gameInProgress != 0; }
    void UpdateMenu();

    bool StartUpFiles();
    void FinishStartUp();
    void CheckAssetFiles();
    void ReadClockFace();
    void ResizeToLayout();
    void RecordRunningTime();
    void EndRun(int status);
    void ShutDown();

    std::unique_ptr<Clock> ownClock;
    Clock& clock;
    std::unique_ptr<LateSounds> ownSounds;
    GameSounds& sounds;
    std::function<void(std::int32_t)> sleep;
    DeviceOpener openDevices;

    GameSession session;
    // The session's settings, random generator and engine, which the window reads throughout.
    Options& options;
    Random& random;
    Game& game;
    HeldKeys held;
    GamepadLinks padLinks;
    std::unique_ptr<PadInput> pad; // once the devices are open

    std::string appDirectory;
    std::uint32_t startMs = 0;
    std::uint32_t clockCheckMs = 0; // when the time of day is next read
    std::int32_t windowSizeSetting = 100;
    Layout layout;
    PictureSet pictures;
    ButtonStates buttons;
    ClockFace clockFace;
    QImage offscreen;
    FramePainter painter;
    EffectPlayer effects;
    TitleAnimation title;

    FrameView* view = nullptr;
    HelpViewer* helpViewer = nullptr;
    std::unique_ptr<GameMenu> menu;
    QTimer timer;
    ChampionshipExchange* championship = nullptr;
    InformationDialogs informationDialogs;
    std::optional<GameResult> finishedGame;

    bool handPointer = false;
    bool firstTickDone = false;
    bool drawingEnabled = false;
    bool quitting = false;
    bool runningTimeCounted = false;
    bool filesUsable = true;
    bool shutDown = false;
    bool quitRequested = false;
    int exitCode = 0;
};

} // namespace brinox
