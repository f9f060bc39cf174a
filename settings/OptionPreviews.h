// Names of the pictures of the options sheet (the set previews of the
// Interface page and the spin-button arrows): written by the asset
// generator, built into the program as resources under kPreviewPrefix.
#pragma once

#include <cstdint>
#include <string>

namespace brinox {

inline constexpr const char* kPreviewPrefix = ":/previews/";

inline std::string BlockSetPreview(std::int32_t set) {
    return "blocks" + std::to_string(set) + ".png";
}

inline std::string DigitSetPreview(std::int32_t set) {
    return "digits" + std::to_string(set) + ".png";
}

inline constexpr const char* kSpinUpArrow = "spin-up.png";
inline constexpr const char* kSpinDownArrow = "spin-down.png";

} // namespace brinox
