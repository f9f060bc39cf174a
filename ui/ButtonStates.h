// What the pointer has done to the buttons: one state per ToolButton
// (0 normal, 1 under the pointer, 2 pressed), which is also the image drawn
// from the button's picture strip, and the status-bar line (0..25) on show.
// Everything starts at 0 and lives as long as the window.
#pragma once

#include "ToolButton.h"

#include <array>
#include <cstdint>

namespace brinox {

struct ButtonStates {
    static constexpr std::int32_t kStatusLines = 26;

    std::int32_t& operator[](ToolButton button) { return state[static_cast<std::size_t>(button)]; }
    std::int32_t operator[](ToolButton button) const {
        return state[static_cast<std::size_t>(button)];
    }

    std::array<std::int32_t, kToolButtonCount> state{};
    std::int32_t statusMessage = 0;
};

} // namespace brinox
