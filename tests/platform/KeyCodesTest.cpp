#include "platform/KeyCodes.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace brinox {
namespace {

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    std::int32_t code;
};

QKeyEvent Press(int key, Qt::KeyboardModifiers modifiers, quint32 nativeVirtualKey = 0) {
    return QKeyEvent(QEvent::KeyPress, key, modifiers, 0, nativeVirtualKey, 0);
}

class KeyCodeTable : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCodeTable, MapsToTheStoredCode) {
    const KeyCase& c = GetParam();
    const QKeyEvent press = Press(c.key, c.modifiers);
    EXPECT_EQ(VirtualKeyCode(press), c.code);
    // A release must give the same code, or a held key would never come up.
    const QKeyEvent release(QEvent::KeyRelease, c.key, c.modifiers);
    EXPECT_EQ(VirtualKeyCode(release), c.code);
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

INSTANTIATE_TEST_SUITE_P(
    GameKeyTable, KeyCodeTable,
    testing::Values(
        KeyCase{"Left", Qt::Key_Left, kNone, 37}, KeyCase{"Up", Qt::Key_Up, kNone, 38},
        KeyCase{"Right", Qt::Key_Right, kNone, 39}, KeyCase{"Down", Qt::Key_Down, kNone, 40},
        KeyCase{"Space", Qt::Key_Space, kNone, 32}, KeyCase{"Insert", Qt::Key_Insert, kNone, 45},
        KeyCase{"Delete", Qt::Key_Delete, kNone, 46}, KeyCase{"Pause", Qt::Key_Pause, kNone, 19},
        KeyCase{"Backspace", Qt::Key_Backspace, kNone, 8}, KeyCase{"Tab", Qt::Key_Tab, kNone, 9},
        KeyCase{"Return", Qt::Key_Return, kNone, 13},
        KeyCase{"KeypadEnter", Qt::Key_Enter, kPad, 13}, KeyCase{"Home", Qt::Key_Home, kNone, 36},
        KeyCase{"End", Qt::Key_End, kNone, 35}, KeyCase{"PageUp", Qt::Key_PageUp, kNone, 33},
        KeyCase{"PageDown", Qt::Key_PageDown, kNone, 34},
        KeyCase{"NumLock", Qt::Key_NumLock, kNone, 144},
        KeyCase{"CapsLock", Qt::Key_CapsLock, kNone, 20},
        KeyCase{"PadSlash", Qt::Key_Slash, kPad, 111},
        KeyCase{"PadStar", Qt::Key_Asterisk, kPad, 106},
        KeyCase{"PadMinus", Qt::Key_Minus, kPad, 109}, KeyCase{"PadPlus", Qt::Key_Plus, kPad, 107},
        KeyCase{"PadPoint", Qt::Key_Period, kPad, 110},
        KeyCase{"PadComma", Qt::Key_Comma, kPad, 110}, KeyCase{"Pad0", Qt::Key_0, kPad, 96},
        KeyCase{"Pad5", Qt::Key_5, kPad, 101}, KeyCase{"Pad9", Qt::Key_9, kPad, 105},
        // NumLock off: the keypad keys are the cursor keys.
        KeyCase{"PadHome", Qt::Key_Home, kPad, 36}, KeyCase{"PadLeft", Qt::Key_Left, kPad, 37},
        KeyCase{"PadClear", Qt::Key_Clear, kPad, 12}, KeyCase{"Digit0", Qt::Key_0, kNone, 48},
        KeyCase{"Digit9", Qt::Key_9, kNone, 57}, KeyCase{"LetterA", Qt::Key_A, kNone, 65},
        KeyCase{"LetterZ", Qt::Key_Z, kNone, 90}, KeyCase{"ShiftedQ", Qt::Key_Q, kShift, 81},
        KeyCase{"Shift", Qt::Key_Shift, kShift, 16},
        KeyCase{"Control", Qt::Key_Control, Qt::ControlModifier, 17},
        KeyCase{"Alt", Qt::Key_Alt, Qt::AltModifier, 18},
        KeyCase{"Escape", Qt::Key_Escape, kNone, 27}, KeyCase{"F1", Qt::Key_F1, kNone, 112},
        KeyCase{"F5", Qt::Key_F5, kNone, 116}, KeyCase{"F12", Qt::Key_F12, kNone, 123},
        // Main-block punctuation, shifted or not, is one key.
        KeyCase{"Minus", Qt::Key_Minus, kNone, 189},
        KeyCase{"Underscore", Qt::Key_Underscore, kShift, 189},
        KeyCase{"Slash", Qt::Key_Slash, kNone, 191}, KeyCase{"Plus", Qt::Key_Plus, kShift, 187},
        KeyCase{"Exclam", Qt::Key_Exclam, kShift, 49},
        KeyCase{"Unknown", Qt::Key_unknown, kNone, 0},
        KeyCase{"UmlautA", Qt::Key_Adiaeresis, kNone, 0}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(KeyCodes, SidedModifiersGiveThePlainCodeStoredInOptionFiles) {
    // X11 keysyms of the left and right Shift and Control keys.
    EXPECT_EQ(VirtualKeyCode(Press(Qt::Key_Shift, kShift, 0xffe1)), 16);
    EXPECT_EQ(VirtualKeyCode(Press(Qt::Key_Shift, kShift, 0xffe2)), 16);
    EXPECT_EQ(VirtualKeyCode(Press(Qt::Key_Control, Qt::ControlModifier, 0xffe3)), 17);
    EXPECT_EQ(VirtualKeyCode(Press(Qt::Key_Control, Qt::ControlModifier, 0xffe4)), 17);
}

TEST(KeyCodes, ModifiersHeldDoNotChangeTheKey) {
    // Ctrl+X quits; a game key pressed with Ctrl or Alt down is still that key.
    EXPECT_EQ(VirtualKeyCode(Press(Qt::Key_X, Qt::ControlModifier)), 88);
    EXPECT_EQ(VirtualKeyCode(Press(Qt::Key_Left, Qt::ControlModifier | Qt::AltModifier)), 37);
    EXPECT_EQ(VirtualKeyCode(Press(Qt::Key_F2, kShift)), 113);
}

} // namespace
} // namespace brinox
