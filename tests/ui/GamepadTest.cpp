// A game controller plugged into the real window as SDL's virtual joystick:
// what each control does, the key sensitivities it follows, plugging it in
// and out during a game, and the key rule that keeps it out of dialogs.
#include "WindowFixture.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <SDL.h>

namespace brinox::test {
namespace {

enum Effect { None, MoveLeft, MoveRight, MoveDown, Turn, DropToBottom, Paused, AskedToStop };

struct Snapshot {
    std::int32_t column, row, rotation, score, running;
    std::size_t boxes;
};

class GamepadTest : public WindowFixture {
protected:
    static void SetUpTestSuite() {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // Only the test's own pad (vendor and product 0), whatever is plugged in.
        SDL_SetHint(SDL_HINT_GAMECONTROLLER_IGNORE_DEVICES_EXCEPT, "0x0000/0x0000");
        ASSERT_EQ(SDL_Init(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }
    static void TearDownTestSuite() { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

    void SetUp() override {
        WindowFixture::SetUp();
        QSignalSpy firstFrame(frame.get(), &CGameFrame::FirstFramePainted);
        Activate();
        Tick();
        ASSERT_TRUE(firstFrame.count() > 0 || firstFrame.wait());
        // The window opens the pad once the first frame is on the screen.
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        Unplug();
        WindowFixture::TearDown();
    }

    void Plug() {
        SDL_VirtualJoystickDesc pad{};
        pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        pad.naxes = SDL_CONTROLLER_AXIS_MAX;
        pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        pad.name = "Test Pad";
        const int device = SDL_JoystickAttachVirtualEx(&pad);
        ASSERT_GE(device, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(device);
        Tick(1000); // without a pad the window looks for one once a second
    }
    void Unplug() {
        if (joystick != nullptr) {
            const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
            SDL_JoystickClose(joystick);
            joystick = nullptr;
            for (int d = 0; d < SDL_NumJoysticks(); ++d) {
                if (SDL_JoystickGetDeviceInstanceID(d) == id) {
                    SDL_JoystickDetachVirtual(d);
                }
            }
        }
    }
    // A button, or the left stick when axis is given.
    void Set(int control, bool down, int axis = -1, Sint16 value = 0) {
        if (axis < 0) {
            SDL_JoystickSetVirtualButton(joystick, control, down ? 1 : 0);
        } else {
            SDL_JoystickSetVirtualAxis(joystick, axis, down ? value : 0);
        }
    }
    // Ticks, then lets the commands the pad queued run. Only the posted
    // events: the window's own timer must not tick in between, or a key held
    // with no delay would repeat once more.
    void Ticks(int count) {
        for (int t = 0; t < count; ++t) {
            Tick();
        }
        QCoreApplication::sendPostedEvents();
    }
    // Holds a control for some ticks, then lets it go for one.
    void Hold(int control, int ticks, int axis = -1, Sint16 value = 0) {
        Set(control, true, axis, value);
        Ticks(ticks);
        Set(control, false, axis);
        Ticks(1);
    }
    Snapshot Now() {
        const GameState& s = game().State();
        const std::int32_t running = game().Flags().gameRunning;
        return {s.column, s.row, s.rotation, s.score, running, prompter.boxes.size()};
    }
    QString Page() {
        QString shown;
        modals.onDialog = [&shown](QDialog& sheet) {
            shown = sheet.findChild<QLineEdit*>(QStringLiteral("gamepad"))->text();
            return QDialog::Rejected;
        };
        Click(Qt::Key_F3);
        modals.onDialog = nullptr;
        return shown;
    }

    // qWaitForWindowActive may return before the window has the keyboard.
    static void MakeActive(QWidget& window) {
        window.activateWindow();
        for (int wait = 0; wait < 100 && !window.isActiveWindow(); ++wait) {
            QTest::qWait(20);
        }
        ASSERT_TRUE(window.isActiveWindow());
    }

    SDL_Joystick* joystick = nullptr;
};

Effect Seen(const Snapshot& before, const Snapshot& after) {
    if (after.boxes > before.boxes) {
        return AskedToStop;
    }
    if (after.running == 0) {
        return Paused;
    }
    if (after.score - before.score > 7) {
        return DropToBottom;
    }
    if (after.column != before.column) {
        return after.column < before.column ? MoveLeft : MoveRight;
    }
    return after.row != before.row ? MoveDown : (after.rotation != before.rotation ? Turn : None);
}

struct ControlCase {
    const char* name;
    int control; // a button, or the stick's axis
    int axis;
    Sint16 value;
    Effect effect;
};

const ControlCase kControls[] = {
    {"DpadLeft", SDL_CONTROLLER_BUTTON_DPAD_LEFT, -1, 0, MoveLeft},
    {"StickLeft", 0, SDL_CONTROLLER_AXIS_LEFTX, -32768, MoveLeft},
    {"StickSlightlyLeft", 0, SDL_CONTROLLER_AXIS_LEFTX, -8000, None},
    {"DpadRight", SDL_CONTROLLER_BUTTON_DPAD_RIGHT, -1, 0, MoveRight},
    {"StickRight", 0, SDL_CONTROLLER_AXIS_LEFTX, 32767, MoveRight},
    {"StickSlightlyRight", 0, SDL_CONTROLLER_AXIS_LEFTX, 8000, None},
    {"DpadDown", SDL_CONTROLLER_BUTTON_DPAD_DOWN, -1, 0, MoveDown},
    {"StickDown", 0, SDL_CONTROLLER_AXIS_LEFTY, 32767, MoveDown},
    {"StickUp", 0, SDL_CONTROLLER_AXIS_LEFTY, -32768, None},
    {"A", SDL_CONTROLLER_BUTTON_A, -1, 0, Turn},
    {"B", SDL_CONTROLLER_BUTTON_B, -1, 0, DropToBottom},
    {"RightShoulder", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, -1, 0, DropToBottom},
    {"Start", SDL_CONTROLLER_BUTTON_START, -1, 0, Paused},
    {"Back", SDL_CONTROLLER_BUTTON_BACK, -1, 0, AskedToStop},
    {"X", SDL_CONTROLLER_BUTTON_X, -1, 0, None},
    {"Y", SDL_CONTROLLER_BUTTON_Y, -1, 0, None},
    {"LeftShoulder", SDL_CONTROLLER_BUTTON_LEFTSHOULDER, -1, 0, None},
    {"DpadUp", SDL_CONTROLLER_BUTTON_DPAD_UP, -1, 0, None},
};

class GamepadControls : public GamepadTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(GamepadControls, EachActsAsItsKeyOrCommand) {
    const ControlCase& c = GetParam();
    Plug();
    StartGame();
    BringPieceIntoView();
    const Snapshot before = Now();
    Hold(c.control, 1, c.axis, c.value);
    EXPECT_EQ(Seen(before, Now()), c.effect);
}

INSTANTIATE_TEST_SUITE_P(Pad, GamepadControls, ::testing::ValuesIn(kControls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GamepadTest, ControlsPressTheControlPageKeysWithTheirSensitivities) {
    Options& options = frame->Settings();
    options.keyLeft = 'A';
    options.sensLeft = 40;
    options.sensRight = 1000;
    Plug();
    StartGame();
    BringPieceIntoView();
    // Held for four ticks: a move at once, the repeat from the third tick's 40 ms on.
    // Right never repeats at 1000.
    const std::tuple<int, int, int, int> held[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, -1, 0, -2},
        {0, SDL_CONTROLLER_AXIS_LEFTX, 32767, 1},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, -1, 0, 1},
        {0, SDL_CONTROLLER_AXIS_LEFTX, -32768, -2},
    };
    for (auto [source, axis, value, moved] : held) {
        const std::int32_t column = game().State().column;
        Hold(source, 4, axis, static_cast<Sint16>(value));
        EXPECT_EQ(game().State().column - column, moved) << source << ' ' << axis;
    }
}

TEST_F(GamepadTest, PluggedInDuringPlayItStartsAndMovesUnpluggedItLetsGo) {
    EXPECT_EQ(Page(), "No gamepad connected");
    Plug();
    EXPECT_EQ(Page(), "Test Pad");
    // Back stops a game but never starts one; Start does.
    for (int button : {SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_START}) {
        Hold(button, 1);
        ASSERT_EQ(game().Flags().gameInProgress, button == SDL_CONTROLLER_BUTTON_START);
    }
    BringPieceIntoView();
    frame->Settings().sensRight = 0;
    const std::int32_t column = game().State().column;
    Set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    Ticks(2);
    Unplug();
    Ticks(3);
    EXPECT_EQ(game().State().column - column, 2);
    EXPECT_EQ(game().Keys()[GameKey::Right].pressed, 0);
    EXPECT_EQ(Page(), "No gamepad connected");
    Plug();
    EXPECT_EQ(Page(), "Test Pad");
}

TEST_F(GamepadTest, AKeyHeldOnEitherDeviceStaysHeldUntilBothLetGo) {
    Plug();
    StartGame();
    const auto leftHeld = [this] { return game().Keys()[GameKey::Left].pressed != 0; };
    Press(Qt::Key_Left);
    Hold(SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
    EXPECT_TRUE(leftHeld()) << "the pad let go while the keyboard holds Left";
    Set(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    Ticks(1);
    Release(Qt::Key_Left);
    EXPECT_TRUE(leftHeld()) << "the keyboard let go while the pad holds Left";
    Set(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    Ticks(1);
    EXPECT_FALSE(leftHeld());
}

TEST_F(GamepadTest, NothingReachesTheGameWhileAMenuOrADialogIsOpen) {
    Plug();
    StartGame();
    BringPieceIntoView();
    const Snapshot before = Now();
    const auto hold = [this](bool down) {
        for (int control : {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_A,
                            SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_BACK}) {
            Set(control, down);
        }
        Ticks(3);
    };
    QMenu* menu = frame->menuBar()->actions().first()->menu();
    menu->popup(frame->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    hold(true);
    menu->close();
    hold(false);
    modals.onDialog = [&](QDialog& sheet) {
        sheet.show();
        MakeActive(sheet);
        hold(true);
        EXPECT_EQ(game().Flags().gameRunning, 0);
        sheet.hide();
        return QDialog::Rejected;
    };
    Click(Qt::Key_F3);
    MakeActive(*frame);
    // Still held when the window has the keyboard again: no new press.
    hold(false);
    const Snapshot after = Now();
    EXPECT_EQ(std::tie(after.column, after.rotation, after.running, after.boxes),
              std::tie(before.column, before.rotation, before.running, before.boxes));
}

} // namespace
} // namespace brinox::test
