// The main window. It shows the game session (game, settings, files, command
// rules) and forwards the player's input to it: it owns the session, the
// layout in force, the pictures and the off-screen frame into which every
// picture is composed, runs the dialogs the commands need and shows the
// messages the session's outcomes call for. It is the engine's host: display,
// animations, questions and results. A 20 ms timer drives the game.
//
// Invariants: the off-screen frame always has the client size of the current
// layout and holds the last composed frame; nothing is composed before the
// first tick or after quitting has begun.
#pragma once

#include "ButtonStates.h"
#include "Command.h"
#include "EffectPlayer.h"
#include "FrameClock.h"
#include "FramePainter.h"
#include "GameMenu.h"
#include "GameSession.h"
#include "HeldKeys.h"
#include "Layout.h"
#include "PictureSet.h"
#include "ReplayWatch.h"
#include "ShellCommands.h"
#include "TitleAnimation.h"
#include "ToolBarPointer.h"

#include "engine/Clock.h"
#include "engine/GameHost.h"
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

class QKeyEvent;

namespace brinox {

class ChampionshipExchange;
class FrameView;
struct BestScoresRequest;

// A message of the plain libraries in the player's language.
QString Shown(const char* english);

class CGameFrame : public QMainWindow,
                   public GameDisplay,
                   public GameAnimations,
                   public GamePrompts,
                   public GameResults {
    Q_OBJECT

public:
    // What a test may put in place of the real clock, sound, sleep and device module.
    struct Services {
        Clock* clock = nullptr;
        GameSounds* sounds = nullptr;
        std::function<void(std::int32_t)> sleep;
        DeviceOpener openDevices;
    };

    CGameFrame();
    explicit CGameFrame(Services services);
    ~CGameFrame() override;

    // Carries out a command when the session's rule allows it now; otherwise does nothing.
    void Run(Command command);
    bool Enabled(Command command) const { return session.Enabled(command); }
    bool ButtonEnabled(ToolButton button) const { return session.ButtonEnabled(button); }
    // What a click on an enabled button does (press and release), for
    // whatever presses it without the pointer; a disabled one does nothing.
    void ClickButton(ToolButton button);

    // One 20 ms tick: first frame, the clock's minute, the pad, the game, the title.
    void Tick();
    // The application became active or inactive.
    void SetAppActive(bool active);
    void PadKey(std::int32_t code, bool down);
    // Window size command: 0 Normal, 1 Big, 100 Automatic.
    void ApplyWindowSize(std::int32_t setting);
    // "Are you sure you want to quit?"; on Yes the run ends with status 0.
    void ConfirmQuit();
    void RedrawButtons();
    // What SEND and UPDATE of the best-scores dialog use; none: they do nothing.
    void SetChampionshipExchange(ChampionshipExchange* exchange) { championship = exchange; }
    // Shows the replay file `bytes` until it ends or is left; one that cannot
    // be played is reported and nothing else happens.
    void WatchReplay(const std::vector<std::uint8_t>& bytes) {
        watch.Watch(bytes, {this, &sounds, this});
    }
    // The shell's information dialogs, which the application hands over.
    void SetInformationDialogs(InformationDialogs dialogs) { shell.SetDialogs(std::move(dialogs)); }

    // GameDisplay, GameAnimations, GamePrompts, GameResults
    void RedrawAll() override;
    void RedrawFallingPiece() override;
    void RedrawCounters() override;
    void FieldAnimation(FieldAnimationKind kind) override;
    void RowRemoval() override;
    void Explosion(const BlastRect& blast) override;
    bool ConfirmCancelGame() override;
    void ShowWinner() override;
    void GameFinished(const GameResult& result) override;
    std::int32_t BestScore(std::int32_t table) override;

    // For the application's key watcher and for tests: what the window shows.
    const GameSession& Session() const { return session; }
    Game& Engine() { return session.Engine(); }
    Options& Settings() { return session.Settings(); }
    const ReplayViewer& Viewer() const { return session.Viewer(); }
    HeldKeys& Held() { return held; }
    const std::string& AppDirectory() const { return session.Files().Directory(); }
    std::int32_t WindowSizeSetting() const { return session.Files().WindowSizeSetting(); }
    const Layout& CurrentLayout() const { return layout; }
    const PictureSet& Pictures() const { return pictures; }
    ButtonStates& Buttons() { return buttons; }
    GameMenu& Menu() { return *menu; }
    const QImage& ComposedFrame() const { return offscreen; }
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
    // The commands the window carries out, one function each (CGameFrameCommands.cpp).
    using CommandFunction = void (CGameFrame::*)();
    static CommandFunction FunctionOf(Command command);
    void StartStopGame();
    void TogglePause();
    void OpenOptions();
    void ApplyOptions(const Options& chosen);
    void UseNormalSize() { ApplyWindowSize(0); }
    void UseBigSize() { ApplyWindowSize(1); }
    void UseAutomaticSize() { ApplyWindowSize(100); }
    void SaveGameAs();
    void LoadGame();
    void ShowLocalBestScores() { ShowBestScoresOf(Command::LocalBestScores); }
    void ShowWorldTop10() { ShowBestScoresOf(Command::WorldTop10); }
    void ShowBestScoresOf(Command command);
    void RankFinishedGame();
    void ShowBestScores(BestScoresRequest request);
    void UpdateMenu();

    // A button's release action; false when the release ends with it (CGameFrameMouse.cpp).
    bool ReleaseButton(ToolButton button);

    void ScheduleTick();
    void FinishStartUp();
    void ShowClockFace();
    void ResizeToLayout();
    void StartTitle();
    void EndRun(int status);
    void ShutDown();

    std::unique_ptr<Clock> ownClock;
    Clock& clock;
    std::unique_ptr<LateSounds> ownSounds;
    GameSounds& sounds;
    std::function<void(std::int32_t)> sleep;
    DeviceOpener openDevices;

    GameSession session;
    HeldKeys held;
    GamepadLinks padLinks;
    std::unique_ptr<PadInput> pad; // once the devices are open

    FrameClock frameClock;
    Layout layout;
    PictureSet pictures;
    ButtonStates buttons;
    ClockFace clockFace;
    QImage offscreen;
    FramePainter painter;
    EffectPlayer effects;
    ShellCommands shell;
    ReplayWatch watch;
    TitleAnimation title;

    FrameView* view = nullptr;
    std::unique_ptr<ToolBarPointer> pointer;
    std::unique_ptr<GameMenu> menu;
    QTimer timer;
    ChampionshipExchange* championship = nullptr;
    std::optional<GameResult> finishedGame;

    bool firstTickDone = false;
    bool drawingEnabled = false;
    bool quitting = false;
    bool quitRequested = false;
    int exitCode = 0;
};

} // namespace brinox
