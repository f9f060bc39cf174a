// The tool bar's game-type and game-mode selectors: each click moves to the
// next choice. World Championship exists only with Quadel and never with
// bombs, so choosing it turns bombs off after remembering the bombs choice,
// and leaving it (by mode or by switching to Quinel) gives that choice back.
// The selectors edit the settings of the next game only.
#pragma once

#include "Options.h"

#include <cstdint>

namespace brinox {

// Quadel <-> Quinel; Quinel leaves World Championship for Classic.
void NextGameType(Options& options, std::int32_t& bombsBeforeChampionship);
// Quadel: Classic, Timer, Rising, World Championship, Classic; Quinel: Classic, Timer, Rising,
// Classic.
void NextGameMode(Options& options, std::int32_t& bombsBeforeChampionship);

} // namespace brinox
