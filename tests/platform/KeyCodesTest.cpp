#include "platform/KeyCodes.h"
#include "platform/ColorRef.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace brinox::test {
namespace {

TEST(KeyCodes, QtKeysGiveTheCodesStoredInOptionFilesOnPressAndRelease) {
    constexpr auto pad = Qt::KeypadModifier;
    constexpr auto shift = Qt::ShiftModifier;
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::int32_t code;
    } cases[] = {// clang-format off
        {Qt::Key_Down, {}, 40}, {Qt::Key_Pause, {}, 19}, {Qt::Key_Enter, pad, 13},
        {Qt::Key_Comma, pad, 110}, {Qt::Key_9, pad, 105},
        {Qt::Key_Home, pad, 36}, {Qt::Key_Clear, pad, 12}, {Qt::Key_0, {}, 48}, {Qt::Key_Q, shift, 81},
        {Qt::Key_Shift, shift, 16}, {Qt::Key_Control, Qt::ControlModifier, 17}, {Qt::Key_F12, {}, 123},
        {Qt::Key_Minus, {}, 189}, {Qt::Key_Minus, pad, 109}, {Qt::Key_Underscore, shift, 189}, {Qt::Key_Exclam, shift, 49},
        {Qt::Key_X, Qt::ControlModifier, 88}, {Qt::Key_unknown, {}, 0}, {Qt::Key_Adiaeresis, {}, 0},
        {Qt::Key_VolumeMute, {}, 173}, {Qt::Key_MediaPlay, {}, 179}, {Qt::Key_Plus, shift, 187},
        {Qt::Key_Semicolon, {}, 186}, {Qt::Key_Apostrophe, {}, 222}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyCode(QKeyEvent(QEvent::KeyPress, c.key, c.modifiers)), c.code) << c.key;
        EXPECT_EQ(VirtualKeyCode(QKeyEvent(QEvent::KeyRelease, c.key, c.modifiers)), c.code);
    }
    // The right-hand Shift and Control give the codes of the left-hand ones.
    EXPECT_EQ(VirtualKeyCode(QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, shift, 0, 0xffe2, 0)), 16);
    EXPECT_EQ(VirtualKeyCode(QKeyEvent(QEvent::KeyPress, Qt::Key_Control, {}, 0, 0xffe4, 0)), 17);
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
