#include "KeyCodes.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace brinox {
namespace {

using KeyPair = std::pair<int, std::int32_t>;

// Keys that give the same code wherever they sit on the keyboard.
constexpr std::array kNamedKeys = {
    KeyPair{Qt::Key_Backspace, 8},
    KeyPair{Qt::Key_Tab, 9},
    KeyPair{Qt::Key_Backtab, 9},
    KeyPair{Qt::Key_Clear, 12},
    KeyPair{Qt::Key_Return, 13},
    KeyPair{Qt::Key_Enter, 13},
    KeyPair{Qt::Key_Shift, 16},
    KeyPair{Qt::Key_Control, 17},
    KeyPair{Qt::Key_Alt, 18},
    KeyPair{Qt::Key_AltGr, 18},
    KeyPair{Qt::Key_Pause, 19},
    KeyPair{Qt::Key_CapsLock, 20},
    KeyPair{Qt::Key_Escape, 27},
    KeyPair{Qt::Key_Space, 32},
    KeyPair{Qt::Key_PageUp, 33},
    KeyPair{Qt::Key_PageDown, 34},
    KeyPair{Qt::Key_End, 35},
    KeyPair{Qt::Key_Home, 36},
    KeyPair{Qt::Key_Left, 37},
    KeyPair{Qt::Key_Up, 38},
    KeyPair{Qt::Key_Right, 39},
    KeyPair{Qt::Key_Down, 40},
    KeyPair{Qt::Key_Select, 41},
    KeyPair{Qt::Key_Printer, 42},
    KeyPair{Qt::Key_Execute, 43},
    KeyPair{Qt::Key_Print, 44},
    KeyPair{Qt::Key_Insert, 45},
    KeyPair{Qt::Key_Delete, 46},
    KeyPair{Qt::Key_Help, 47},
    KeyPair{Qt::Key_Super_L, 91},
    KeyPair{Qt::Key_Meta, 91},
    KeyPair{Qt::Key_Super_R, 92},
    KeyPair{Qt::Key_Menu, 93},
    KeyPair{Qt::Key_Sleep, 95},
    KeyPair{Qt::Key_NumLock, 144},
    KeyPair{Qt::Key_ScrollLock, 145},
    KeyPair{Qt::Key_VolumeMute, 173},
    KeyPair{Qt::Key_VolumeDown, 174},
    KeyPair{Qt::Key_VolumeUp, 175},
    KeyPair{Qt::Key_MediaNext, 176},
    KeyPair{Qt::Key_MediaPrevious, 177},
    KeyPair{Qt::Key_MediaStop, 178},
    KeyPair{Qt::Key_MediaPlay, 179},
};

// Punctuation of the main block: the toolkit reports the character typed,
// so the shifted characters of a US keyboard map back to their key.
constexpr std::array kPunctuation = {
    KeyPair{Qt::Key_Semicolon, 186},
    KeyPair{Qt::Key_Colon, 186},
    KeyPair{Qt::Key_Equal, 187},
    KeyPair{Qt::Key_Plus, 187},
    KeyPair{Qt::Key_Comma, 188},
    KeyPair{Qt::Key_Less, 188},
    KeyPair{Qt::Key_Minus, 189},
    KeyPair{Qt::Key_Underscore, 189},
    KeyPair{Qt::Key_Period, 190},
    KeyPair{Qt::Key_Greater, 190},
    KeyPair{Qt::Key_Slash, 191},
    KeyPair{Qt::Key_Question, 191},
    KeyPair{Qt::Key_QuoteLeft, 192},
    KeyPair{Qt::Key_AsciiTilde, 192},
    KeyPair{Qt::Key_BracketLeft, 219},
    KeyPair{Qt::Key_BraceLeft, 219},
    KeyPair{Qt::Key_Backslash, 220},
    KeyPair{Qt::Key_Bar, 220},
    KeyPair{Qt::Key_BracketRight, 221},
    KeyPair{Qt::Key_BraceRight, 221},
    KeyPair{Qt::Key_Apostrophe, 222},
    KeyPair{Qt::Key_QuoteDbl, 222},
    // Shifted digits of a US keyboard.
    KeyPair{Qt::Key_ParenRight, 48},
    KeyPair{Qt::Key_Exclam, 49},
    KeyPair{Qt::Key_At, 50},
    KeyPair{Qt::Key_NumberSign, 51},
    KeyPair{Qt::Key_Dollar, 52},
    KeyPair{Qt::Key_Percent, 53},
    KeyPair{Qt::Key_AsciiCircum, 54},
    KeyPair{Qt::Key_Ampersand, 55},
    KeyPair{Qt::Key_Asterisk, 56},
    KeyPair{Qt::Key_ParenLeft, 57},
};

// Keypad keys that differ from their main-block twins.
constexpr std::array kKeypad = {
    KeyPair{Qt::Key_Slash, 111}, KeyPair{Qt::Key_Asterisk, 106}, KeyPair{Qt::Key_Minus, 109},
    KeyPair{Qt::Key_Plus, 107},  KeyPair{Qt::Key_Period, 110},   KeyPair{Qt::Key_Comma, 110},
};

template <std::size_t N> std::int32_t Find(const std::array<KeyPair, N>& table, int key) {
    for (const auto& [qtKey, code] : table) {
        if (qtKey == key) {
            return code;
        }
    }
    return 0;
}

} // namespace

std::int32_t VirtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            return 96 + (key - Qt::Key_0);
        }
        if (const std::int32_t code = Find(kKeypad, key); code != 0) {
            return code;
        }
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return key; // the toolkit uses the ASCII codes of the table here
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 112 + (key - Qt::Key_F1);
    }
    if (const std::int32_t code = Find(kNamedKeys, key); code != 0) {
        return code;
    }
    return Find(kPunctuation, key);
}

} // namespace brinox
