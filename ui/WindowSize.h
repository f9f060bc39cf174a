// The two sizes the window can take and the rule that picks one from the
// stored setting (0 Normal, 1 Big, 100 Automatic). Automatic looks at the
// primary screen once, when the setting is applied.
#pragma once

#include <cstdint>

namespace brinox {

enum class WindowSize : std::int32_t { Normal = 0, Big = 1 };

// Big when the screen is at least 830 x 620 pixels.
WindowSize AutomaticWindowSize(std::int32_t screenWidth, std::int32_t screenHeight);

// The size a setting stands for; anything but 0 and 1 is treated as Automatic.
WindowSize WindowSizeOfSetting(std::int32_t setting, std::int32_t screenWidth,
                               std::int32_t screenHeight);

} // namespace brinox
