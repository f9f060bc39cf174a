// The window-size file ws.dat: signature, then the setting 0 (Normal),
// 1 (Big) or 100 (Automatic).
//
// Reading never fails: a missing, foreign, cut-short or out-of-range file
// gives Automatic (100), the same as a first run, so the window always
// lands on a size it can show.
#pragma once

#include <cstdint>
#include <string>

namespace brinox {

inline constexpr std::int32_t kWindowSizeNormal = 0;
inline constexpr std::int32_t kWindowSizeBig = 1;
inline constexpr std::int32_t kWindowSizeAutomatic = 100;

std::int32_t ReadWindowSizeSetting(const std::string& appDirectory);
// False when the file could not be written; the old file is then unchanged.
bool WriteWindowSizeSetting(const std::string& appDirectory, std::int32_t setting);

} // namespace brinox
