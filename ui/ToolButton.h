// The clickable pictures of the window, in the order in which the pointer
// handlers test them. The same index picks a button's rectangle in the
// Layout and its state in ButtonStates; every table with a row per button
// names the button in each row and checks the order at compile time
// (EnumTable.h). Logo stays last: it fixes the count.
#pragma once

#include <cstdint>

namespace brinox {

enum class ToolButton : std::int32_t {
    NextBarToggle,
    ToolBarToggle,
    StatusBarToggle,
    StartStop,
    Pause,
    Options,
    Save,
    Load,
    LocalBestScores,
    WorldTop10,
    Help,
    Exit,
    GameType,
    GameMode,
    Bombs,
    Logo,
};

inline constexpr std::int32_t kToolButtonCount = static_cast<std::int32_t>(ToolButton::Logo) + 1;

} // namespace brinox
