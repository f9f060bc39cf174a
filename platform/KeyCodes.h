// Key events of the toolkit turned into the numbers of the game's key table
// (the classic PC virtual-key codes), so that the key codes kept in the
// options file mean the same keys on every platform.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace brinox {

// The key code of a key-down or key-up event; 0 for a key the table lacks.
// Shift and Control give their plain codes 16 and 17, as a key-down always
// did, so that stored keys keep matching; keypad keys give their own codes
// while NumLock is on.
std::int32_t VirtualKeyCode(const QKeyEvent& event);

} // namespace brinox
