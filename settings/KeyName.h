// The text shown for a key code (the game's own numbering of keys, which the
// options file stores): on the Control page and in the Pause menu item.
// KeyNameOf gives the English name as a text to translate (context "KeyName")
// with the number that goes in place of its "%1", for the window to show in
// the player's language; KeyName fills the number in, in English.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brinox {

struct KeyNameText {
    std::string text;
    std::optional<std::int32_t> number = std::nullopt;
};

KeyNameText KeyNameOf(std::int32_t code);
std::string KeyName(std::int32_t code);

} // namespace brinox
