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

} // namespace

QString Shown(const char* english) {
    return QCoreApplication::translate("Messages", english);
}

namespace {

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
      frameClock(clock), layout(Layout::For(WindowSize::Normal)),
      painter(session, layout, pictures, buttons, clockFace),
      effects(
          session, session.Settings(), session.RandomSource(), painter,
          [this](const QRect& rect) { view->repaint(rect); }, sleep),
      shell(*this,
            {[this] { return AppDirectory(); }, [this] { return layout.size == WindowSize::Big; },
             // Reading help is like switching to another program.
             [this](bool active) {
                 SetAppActive(!active &&
                              QGuiApplication::applicationState() == Qt::ApplicationActive);
             },
             [this](const std::function<void()>& dialog) { session.RunSuspended(dialog); }}),
      watch(*this, session,
            {[this](const QString& text) { setWindowTitle(text); }, [this] { StartTitle(); },
             [this] {
                 UpdateMenu();
                 RedrawButtons();
             },
             [this] { RedrawAll(); }}) {
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
    pointer = std::make_unique<ToolBarPointer>(
        *view, layout, buttons,
        ToolBarPointer::Links{[this](ToolButton b) { return ButtonEnabled(b); },
                              [this] { session.PlaySound(SoundEvent::ButtonPress); },
                              [this](ToolButton b) { return ReleaseButton(b); },
                              [this] { RedrawButtons(); }});
    connect(view, &FrameView::PointerMoved, this, [this](QPoint at) { pointer->Moved(at); });
    connect(view, &FrameView::LeftPressed, this, [this](QPoint at) { pointer->Pressed(at); });
    connect(view, &FrameView::LeftReleased, this, [this](QPoint at) { pointer->Released(at); });
    connect(view, &FrameView::RightReleased, this, [this] { shell.ShowContextHelp(); });
    menu = std::make_unique<GameMenu>(*this, [this](Command command) { Run(command); });
    // The window always takes the size of its contents and cannot be resized.
    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);

    session.Files().SetPrompts(
        {[this](std::string_view text) { ShowWarning(this, QString::fromUtf8(text)); },
         [this] { ConfirmQuit(); },
         [](const char* english) { return Shown(english).toStdString(); }});
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
    frameClock.Read();
    ShowClockFace();
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

void CGameFrame::ShowClockFace() {
    clockFace = {frameClock.Hour(), frameClock.Minute()};
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
    if (frameClock.Follow()) {
        ShowClockFace();
        RedrawAll();
    }
    if (pad) {
        pad->Poll(clock.Milliseconds());
    }
    if (session.Watching()) {
        watch.Beat();
    } else {
        session.Tick();
        if (auto text = title.Step(session.Settings().animateTitle != 0, clock.Milliseconds())) {
            setWindowTitle(QString::fromStdString(*text));
        }
    }
    ScheduleTick();
}

// Without a game only the title, the clock and the pad are waited for. The
// title's wait ends on the beat of the last step's 20 ms grid at which the
// next step shows, not 20 ms counted from whenever this is asked, so what the
// player sees keeps its timing and no wake-up finds the step a millisecond short.
void CGameFrame::ScheduleTick() {
    if (quitting) {
        return;
    }
    const int wait =
        session.Playing()
            ? FrameClock::kTickMs
            : frameClock.IdleWait(title.WaitForNextStep(clock.Milliseconds(), FrameClock::kTickMs),
                                  pad ? pad->PollWait() : INT_MAX);
    if (!timer.isActive() || timer.interval() != wait) {
        timer.start(wait);
    }
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
    if (session.Watching() && watch.Key(*event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace brinox
