#include "WindowSize.h"

namespace brinox {

WindowSize AutomaticWindowSize(std::int32_t screenWidth, std::int32_t screenHeight) {
    return screenWidth >= 830 && screenHeight >= 620 ? WindowSize::Big : WindowSize::Normal;
}

WindowSize WindowSizeOfSetting(std::int32_t setting, std::int32_t screenWidth,
                               std::int32_t screenHeight) {
    switch (setting) {
    case 0:
        return WindowSize::Normal;
    case 1:
        return WindowSize::Big;
    default:
        return AutomaticWindowSize(screenWidth, screenHeight);
    }
}

} // namespace brinox
