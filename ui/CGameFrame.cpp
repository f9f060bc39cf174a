#include "CGameFrame.h"

#include "FrameView.h"
#include "GameKeyFilter.h"
#include "PictureConversion.h"
#include "WindowSize.h"

#include "platform/KeyCodes.h"
#include "platform/MessageBox.h"
#include "platform/QtClock.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <climits>

namespace brinox {

namespace {

constexpr int kTickMs = 20;

WindowSize SizeOfSetting(std::int32_t setting) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->size() : QSize();
    return WindowSizeOfSetting(setting, size.width(), size.height());
}

// The game's own icon, the same as the desktop's; whatever the block set,
// the task bar shows the game. The files are read only when a size is shown.
QIcon GameIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void SleepMs(std::int32_t milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace

CGameFrame::CGameFrame() : CGameFrame(Services{}) {}

CGameFrame::CGameFrame(Services services)
    : ownClock(services.clock != nullptr ? nullptr : std::make_unique<QtClock>()),
      clock(services.clock != nullptr ? *services.clock : *ownClock),
      ownSounds(services.sounds != nullptr ? nullptr : std::make_unique<LateSounds>()),
      sounds(services.sounds != nullptr ? *services.sounds : *ownSounds),
      sleep(services.sleep ? std::move(services.sleep) : SleepMs),
      openDevices(services.openDevices ? std::move(services.openDevices) : OpenDeviceModule),
      session(GameHost{clock, *this, sounds, *this, *this, *this}),
      padLinks({[this](GameKey key) { return KeyWatcher::CodeOf(key, session.Settings()); },
                [this] { return GameKeyFilter::GameHasKeyboard(this); },
                [this] { return session.Playing(); },
                [this](std::int32_t code, bool down) { PadKey(code, down); },
                [this] { Run(Command::Pause); }, [this] { Run(Command::StartStop); }}),
      layout(Layout::For(WindowSize::Normal)),
      painter(session, layout, pictures, buttons, clockFace),
      effects(
          session, session.Settings(), session.RandomSource(), painter,
          [this](const QRect& rect) { view->repaint(rect); }, sleep) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(TitleAnimation::kPlainTitle));
    setWindowIcon(GameIcon());
    setFocusPolicy(Qt::StrongFocus);
    view = new FrameView(offscreen, this);
    setCentralWidget(view);
    connect(view, &FrameView::FirstFramePainted, this, &CGameFrame::FirstFramePainted);
    connect(view, &FrameView::FirstFramePainted, this, &CGameFrame::FinishStartUp,
            Qt::QueuedConnection);
    connect(view, &FrameView::PointerMoved, this, &CGameFrame::PointerMoved);
    connect(view, &FrameView::LeftPressed, this, &CGameFrame::LeftPressed);
    connect(view, &FrameView::LeftReleased, this, &CGameFrame::LeftReleased);
    connect(view, &FrameView::RightReleased, this, &CGameFrame::ShowContextHelp);
    menu = std::make_unique<GameMenu>(*this, [this](Command command) { Run(command); });
    // The window always takes the size of its contents and cannot be resized.
    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);

    clockCheckMs = clock.Milliseconds();
    session.Files().SetPrompts(
        {[this](std::string_view text) { ShowWarning(this, QString::fromUtf8(text)); },
         [this] { ConfirmQuit(); }});
    switch (session.OpenFiles()) {
    case ProgramFiles::Start::Ready:
        break;
    case ProgramFiles::Start::Quit:
    case ProgramFiles::Start::Failed:
        // A quit answered Yes has ended the run already; a failure ends it now.
        if (!quitRequested) {
            EndRun(1);
        }
        ResizeToLayout();
        return;
    }
    layout = Layout::For(SizeOfSetting(session.Files().WindowSizeSetting()));
    StartTitle();
    offscreen = NewBlackImage(layout.client.width(), layout.client.height());
    pictures.LoadFor(layout.size, AppDirectory(), session.Settings().blockSet,
                     session.Settings().digitSet);
    ReadClockFace();
    drawingEnabled = true;
    ResizeToLayout();
    UpdateMenu();

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { SetAppActive(state == Qt::ApplicationActive); });
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &CGameFrame::Tick);
    // The first tick, which draws the first frame, comes as soon as the loop runs.
    timer.start(0);
}

// What the first frame did not need waits until it is on the screen.
void CGameFrame::FinishStartUp() {
    pictures.LoadRest();
    Devices devices = openDevices(padLinks, ownSounds != nullptr);
    pad = std::move(devices.pad);
    if (ownSounds) {
        ownSounds->Open(std::move(devices.sounds));
        ownSounds->Preload(session.Settings());
    }
}

CGameFrame::~CGameFrame() {
    ShutDown();
}

void CGameFrame::StartTitle() {
    setWindowTitle(QString::fromStdString(
        title.Start(session.Settings().animateTitle != 0, clock.Milliseconds())));
}

void CGameFrame::ReadClockFace() {
    const LocalTime now = clock.Now();
    clockFace = {now.hour, now.minute};
}

void CGameFrame::ResizeToLayout() {
    view->setFixedSize(layout.client);
    adjustSize();
}

void CGameFrame::Tick() {
    if (quitting) {
        return;
    }
    if (!firstTickDone) {
        firstTickDone = true;
        view->StartShowing();
        RedrawAll();
    }
    FollowClock();
    if (pad) {
        pad->Poll(clock.Milliseconds());
    }
    if (session.Watching()) {
        WatchingBeat();
    } else {
        session.Tick();
        if (auto text = title.Step(session.Settings().animateTitle != 0, clock.Milliseconds())) {
            setWindowTitle(QString::fromStdString(*text));
        }
    }
    ScheduleTick();
}

// The time of day is read in whole seconds, so the minute cannot turn before
// the last second of it; until then the clock is left alone (reading the
// local time costs a system call on every tick).
void CGameFrame::FollowClock() {
    const std::uint32_t now = clock.Milliseconds();
    if (static_cast<std::int32_t>(now - clockCheckMs) < 0) {
        return;
    }
    const LocalTime time = clock.Now();
    clockCheckMs =
        now + static_cast<std::uint32_t>(time.second < 59 ? (59 - time.second) * 1000 : 0);
    if (time.hour != clockFace.hour || time.minute != clockFace.minute) {
        clockFace = {time.hour, time.minute};
        RedrawAll();
    }
}

void CGameFrame::ScheduleTick() {
    if (quitting) {
        return;
    }
    const int wait = session.Playing() ? kTickMs : IdleWait();
    if (!timer.isActive() || timer.interval() != wait) {
        timer.start(wait);
    }
}

// Without a game only the title and the clock change. The title's wait ends
// on the beat of the last step's 20 ms grid at which the next step shows, not
// 20 ms counted from whenever this is asked, so what the player sees keeps its
// timing and no wake-up finds the step a millisecond short.
std::int32_t CGameFrame::IdleWait() const {
    const std::uint32_t now = clock.Milliseconds();
    // In the minute's last second the clock is looked at on every beat.
    const std::int64_t clockDue =
        std::max<std::int32_t>(kTickMs, static_cast<std::int32_t>(clockCheckMs - now));
    // A pad is read on the tick too: Start must answer, a pad plugged in be seen.
    const std::int64_t due = std::min({title.WaitForNextStep(now, kTickMs), clockDue,
                                       std::int64_t{pad ? pad->PollWait() : INT_MAX}});
    return static_cast<std::int32_t>(std::max<std::int64_t>(1, due));
}

void CGameFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The application may have become active before the window was there to
    // hear it (a start-up message box): only changes are reported later.
    const bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
    if (active != session.AppActive()) {
        SetAppActive(active);
    }
}

void CGameFrame::SetAppActive(bool active) {
    if (!active) {
        held.ForgetKeyboard(); // its releases now go to another program
    }
    session.SetAppActive(active);
}

// A control of the pad presses its key; letting go releases it unless the keyboard holds it too.
void CGameFrame::PadKey(std::int32_t code, bool down) {
    if (down) {
        held.Press(HeldKeys::Device::Pad, code);
        session.KeyDown(code);
    } else if (held.Release(HeldKeys::Device::Pad, code)) {
        session.KeyUp(code);
    }
}

void CGameFrame::ApplyWindowSize(std::int32_t setting) {
    pictures.LoadRest();
    session.Files().SetWindowSizeSetting(setting);
    layout = Layout::For(SizeOfSetting(setting));
    ResizeToLayout();
    offscreen = NewBlackImage(layout.client.width(), layout.client.height());
    RedrawAll();
}

void CGameFrame::ConfirmQuit() {
    if (quitting || !session.AskSuspended(
                        [this] { return AskYesNo(this, tr("Are you sure you want to quit?")); })) {
        return;
    }
    // On the way out the game stays stopped and the paused frame is the last one.
    quitting = true;
    drawingEnabled = false;
    session.Files().Quit();
    EndRun(0);
}

void CGameFrame::EndRun(int status) {
    quitting = true;
    drawingEnabled = false;
    quitRequested = true;
    exitCode = status;
    QCoreApplication::exit(status);
}

void CGameFrame::ShutDown() {
    quitting = true;
    drawingEnabled = false;
    session.Files().ShutDown();
    pictures.Clear();
    timer.stop();
}

void CGameFrame::RedrawAll() {
    UpdateMenu();
    if (!firstTickDone || !drawingEnabled) {
        return;
    }
    // Whatever changed may have started a game, which needs the fast beat.
    ScheduleTick();
    painter.ComposeAll(offscreen);
    view->update();
}

void CGameFrame::RedrawFallingPiece() {
    painter.DrawFallingPiece(offscreen, [this](const QRect& rect) { view->update(rect); });
}

void CGameFrame::RedrawCounters() {
    painter.DrawCounters(offscreen, [this](const QRect& rect) { view->update(rect); });
}

void CGameFrame::RedrawButtons() {
    if (!firstTickDone || !drawingEnabled) {
        return;
    }
    painter.DrawButtons(offscreen, [this](const QRect& rect) { view->update(rect); });
}

void CGameFrame::FieldAnimation(FieldAnimationKind kind) {
    effects.FieldAnimation(offscreen, kind);
}

void CGameFrame::RowRemoval() {
    effects.RowRemoval(offscreen);
}

void CGameFrame::Explosion(const BlastRect& blast) {
    effects.Explosion(offscreen, blast);
}

bool CGameFrame::ConfirmCancelGame() {
    return AskYesNo(this, tr("Do you want to cancel current game?"));
}

void CGameFrame::ShowWinner() {
    ShowInformation(this, tr("You are Winner !"), tr("CONGRATULATIONS !!!"));
}

void CGameFrame::GameFinished(const GameResult& result) {
    // Ranked once the tick that ended the game is over, not from inside it.
    finishedGame = result;
    QMetaObject::invokeMethod(this, &CGameFrame::RankFinishedGame, Qt::QueuedConnection);
}

std::int32_t CGameFrame::BestScore(std::int32_t table) {
    return session.Files().BestScore(table);
}

void CGameFrame::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && VirtualKeyCode(*event) == session.Settings().keyPause) {
        Run(Command::Pause);
        return;
    }
    if (session.Watching() && WatchingKey(*event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace brinox
