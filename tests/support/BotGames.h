// Championship games played by a bot and recorded as the window records
// them, with a clock whose calendar and local time follow its milliseconds,
// as a real clock's do: games whose replays prove their results.
#pragma once

#include "TestGame.h"

#include <cstdint>
#include <functional>

namespace brinox::test {

// The bot presses one of the five keys for a step of 20 to 220 ms (a human
// pace) unless `fast`, when it presses one but the drop every tick. `setup`
// may change the game before it starts, `meddle` between steps.
GameResult ChampionshipBotGame(std::uint32_t seed, bool fast = false,
                               const std::function<void(TestGame&, int)>& meddle = {},
                               const std::function<void(TestGame&)>& setup = {});

} // namespace brinox::test
