// The figures of one game that travel from the engine to the best-score
// tables: the running state keeps them during play, the result hands them to
// the best-scores dialog, and a score row stores them. Each holder derives
// from this record, so handing the figures on is one assignment and a new
// figure cannot be forgotten on the way.
//
// During play the engine updates them as running counters: `gameSeconds`
// counts whole seconds without pauses, `pieces` the ordinary pieces locked,
// `bombs` the bombs that exploded or were lost, all final at the end.
// `avgDropSeconds` is the one figure whose meaning changes: while the game
// runs it holds the sum of the drop times so far (a saved game stores that
// sum), and the end of the game divides it by `pieces` (when pieces landed),
// after which it is the average. `minDropSeconds` starts at 1000 in a new
// game; a row or result that holds no game keeps 0 in every number.
//
// The saved-game, best-score and transfer files list these fields one by one
// in their own order; the order here does not decide any file's bytes.
#pragma once

#include <cstdint>
#include <string>

namespace brinox {

struct GameStatistics {
    std::int32_t level = 0; // 1..20 during play
    std::int32_t score = 0;
    std::int32_t lines = 0;
    std::string startTime;
    std::string endTime;
    std::int32_t gameSeconds = 0;
    std::int32_t pieces = 0;
    std::int32_t bombs = 0;
    std::int32_t minDropSeconds = 0;
    std::int32_t maxDropSeconds = 0;
    std::int32_t avgDropSeconds = 0; // the sum of the drop times until the game ends

    bool operator==(const GameStatistics&) const = default;
};

} // namespace brinox
