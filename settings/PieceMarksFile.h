// The piece-marks file marks.dat: signature, format number 1, then the switch
// of the colour-blind aid (0 off, 1 on). The game's own file beside
// brinox.dat, whose layout other copies read and which therefore never holds it.
//
// Reading never fails: a missing, foreign, cut-short or out-of-range file
// means off, the same as a first run.
#pragma once

#include <cstdint>
#include <string>

namespace brinox {

std::int32_t ReadPieceMarksSetting(const std::string& appDirectory);
// False when the file could not be written; the old file is then unchanged.
bool WritePieceMarksSetting(const std::string& appDirectory, std::int32_t setting);

} // namespace brinox
