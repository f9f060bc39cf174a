// A key's name as the player reads it, from the key pressed (the toolkit's key
// through its code), so each name is checked against the keyboard itself.
#include "platform/KeyCodes.h"
#include "settings/ShownKeyName.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace brinox {
namespace {

QString NameOfPressed(int key, Qt::KeyboardModifiers modifiers = {}) {
    return ShownKeyName(VirtualKeyCode(QKeyEvent(QEvent::KeyPress, key, modifiers)));
}

TEST(KeyNameTest, EachKeyShowsTheNameOnItsKeycap) {
    constexpr auto pad = Qt::KeypadModifier;
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    } cases[] = {// clang-format off
        {Qt::Key_Left, {}, "Left Arrow"}, {Qt::Key_Right, {}, "Right Arrow"},
        {Qt::Key_Up, {}, "Up Arrow"}, {Qt::Key_Down, {}, "Down Arrow"}, {Qt::Key_Space, {}, "Space"},
        {Qt::Key_Insert, {}, "Insert"}, {Qt::Key_Delete, {}, "Delete"}, {Qt::Key_Pause, {}, "Pause"},
        {Qt::Key_Backspace, {}, "BackSpace"}, {Qt::Key_Tab, {}, "Tab"}, {Qt::Key_Return, {}, "Enter"},
        {Qt::Key_Enter, pad, "Enter"}, {Qt::Key_Home, {}, "Home"}, {Qt::Key_End, {}, "End"},
        {Qt::Key_PageUp, {}, "PageUp"}, {Qt::Key_PageDown, {}, "PageDown"},
        {Qt::Key_NumLock, {}, "NumLock"}, {Qt::Key_CapsLock, {}, "CapsLock"},
        {Qt::Key_Slash, pad, "/"}, {Qt::Key_Asterisk, pad, "*"}, {Qt::Key_Minus, pad, "-"},
        {Qt::Key_Plus, pad, "+"}, {Qt::Key_Period, pad, "."}, {Qt::Key_0, pad, "NumPad 0"},
        {Qt::Key_5, pad, "NumPad 5"}, {Qt::Key_9, pad, "NumPad 9"}, {Qt::Key_0, {}, "0"},
        {Qt::Key_9, {}, "9"}, {Qt::Key_A, {}, "A"}, {Qt::Key_M, {}, "M"}, {Qt::Key_Z, {}, "Z"},
        {Qt::Key_Escape, {}, "Key #27"}}; // no name of its own: its code
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(NameOfPressed(c.key, c.modifiers).toStdString(), c.name);
    }
}

// Codes no key of a desktop keyboard gives, as an options file may hold them.
TEST(KeyNameTest, StoredCodesWithoutAKeyShowTheirNameOrNumber) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {160, "Left Shift"}, {161, "Right Shift"}, {162, "Left Control"}, {163, "Right Control"},
        {-1, "Key #-1"},     {58, "Key #58"},      {64, "Key #64"},       {1000, "Key #1000"}};
    for (const auto& [code, name] : cases) {
        EXPECT_EQ(ShownKeyName(code).toStdString(), name);
    }
}

} // namespace
} // namespace brinox
