// The text shown for a key code (the game's own numbering of keys, which the
// options file stores): on the Control page and in the Pause menu item.
#pragma once

#include <cstdint>
#include <string>

namespace brinox {

std::string KeyName(std::int32_t code);

} // namespace brinox
