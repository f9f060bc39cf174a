#include "platform/KeyCodes.h"
#include "platform/ColorRef.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace brinox::test {
namespace {

// Every key against the virtual-key codes of the Windows documentation, which
// the options file keeps: VK_BACK 0x08 to VK_OEM_7 0xDE, and the shifted
// characters of a US keyboard give their key's code.
TEST(KeyCodes, EachKeyGivesItsWindowsVirtualKeyCodeWithOrWithoutShift) {
    const std::pair<int, int> keys[] = {// clang-format off
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09}, {Qt::Key_Backtab, 0x09},
        {Qt::Key_Clear, 0x0C}, {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D}, {Qt::Key_Shift, 0x10},
        {Qt::Key_Control, 0x11}, {Qt::Key_Alt, 0x12}, {Qt::Key_AltGr, 0x12}, {Qt::Key_Pause, 0x13},
        {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B}, {Qt::Key_Space, 0x20},
        {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23}, {Qt::Key_Home, 0x24},
        {Qt::Key_Left, 0x25}, {Qt::Key_Up, 0x26}, {Qt::Key_Right, 0x27}, {Qt::Key_Down, 0x28},
        {Qt::Key_Select, 0x29}, {Qt::Key_Printer, 0x2A}, {Qt::Key_Execute, 0x2B},
        {Qt::Key_Print, 0x2C}, {Qt::Key_Insert, 0x2D}, {Qt::Key_Delete, 0x2E}, {Qt::Key_Help, 0x2F},
        {Qt::Key_0, 0x30}, {Qt::Key_9, 0x39}, {Qt::Key_A, 0x41}, {Qt::Key_Z, 0x5A},
        {Qt::Key_Super_L, 0x5B}, {Qt::Key_Meta, 0x5B}, {Qt::Key_Super_R, 0x5C},
        {Qt::Key_Menu, 0x5D}, {Qt::Key_Sleep, 0x5F}, {Qt::Key_F1, 0x70}, {Qt::Key_F24, 0x87},
        {Qt::Key_NumLock, 0x90}, {Qt::Key_ScrollLock, 0x91}, {Qt::Key_VolumeMute, 0xAD},
        {Qt::Key_VolumeDown, 0xAE}, {Qt::Key_VolumeUp, 0xAF}, {Qt::Key_MediaNext, 0xB0},
        {Qt::Key_MediaPrevious, 0xB1}, {Qt::Key_MediaStop, 0xB2}, {Qt::Key_MediaPlay, 0xB3},
        {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Colon, 0xBA}, {Qt::Key_Equal, 0xBB},
        {Qt::Key_Plus, 0xBB}, {Qt::Key_Comma, 0xBC}, {Qt::Key_Less, 0xBC}, {Qt::Key_Minus, 0xBD},
        {Qt::Key_Underscore, 0xBD}, {Qt::Key_Period, 0xBE}, {Qt::Key_Greater, 0xBE},
        {Qt::Key_Slash, 0xBF}, {Qt::Key_Question, 0xBF}, {Qt::Key_QuoteLeft, 0xC0},
        {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_BraceLeft, 0xDB},
        {Qt::Key_Backslash, 0xDC}, {Qt::Key_Bar, 0xDC}, {Qt::Key_BracketRight, 0xDD},
        {Qt::Key_BraceRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE}, {Qt::Key_QuoteDbl, 0xDE},
        {Qt::Key_ParenRight, 0x30}, {Qt::Key_Exclam, 0x31}, {Qt::Key_At, 0x32},
        {Qt::Key_NumberSign, 0x33}, {Qt::Key_Dollar, 0x34}, {Qt::Key_Percent, 0x35},
        {Qt::Key_AsciiCircum, 0x36}, {Qt::Key_Ampersand, 0x37}, {Qt::Key_Asterisk, 0x38},
        {Qt::Key_ParenLeft, 0x39}, {Qt::Key_unknown, 0}, {Qt::Key_Adiaeresis, 0}};
    // On the keypad: VK_NUMPAD0 0x60 to VK_DIVIDE 0x6F, and the keys it shares.
    const std::pair<int, int> keypad[] = {
        {Qt::Key_0, 0x60}, {Qt::Key_9, 0x69}, {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},
        {Qt::Key_Minus, 0x6D}, {Qt::Key_Period, 0x6E}, {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F},
        {Qt::Key_Enter, 0x0D}, {Qt::Key_Home, 0x24}, {Qt::Key_Clear, 0x0C}};
    // clang-format on
    const auto code = [](QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
        return VirtualKeyCode(QKeyEvent(type, key, modifiers));
    };
    for (const auto& [key, vk] : keys) {
        for (const Qt::KeyboardModifier modifier :
             {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
            EXPECT_EQ(code(QEvent::KeyPress, key, modifier), vk) << std::hex << key;
            EXPECT_EQ(code(QEvent::KeyRelease, key, modifier), vk) << std::hex << key;
        }
    }
    for (const auto& [key, vk] : keypad) {
        EXPECT_EQ(code(QEvent::KeyPress, key, Qt::KeypadModifier), vk) << std::hex << key;
    }
}

// The options file keeps colours as the RGB macro of the old PC headers
// builds them: red | green << 8 | blue << 16.
TEST(ColorRef, EachChannelHasItsOwnByteOfTheStoredNumber) {
    for (const auto& [stored, colour] : {std::pair{0x0000FF, QColor(255, 0, 0)},
                                         {0x00FF00, QColor(0, 255, 0)},
                                         {0xFF0000, QColor(0, 0, 255)},
                                         {0xED9564, QColor(100, 149, 237)}}) {
        EXPECT_EQ(ColorOfRef(stored), colour) << std::hex << stored;
        EXPECT_EQ(RefOfColor(colour), stored) << std::hex << stored;
    }
}

} // namespace
} // namespace brinox::test
