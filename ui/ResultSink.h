// Where a finished game goes: the best-scores dialog plugs in here. The window
// hands every result of a lost, stopped or won game to the installed sink and
// waits until it returns.
#pragma once

#include "engine/GameState.h"

namespace brinox {

class ResultSink {
public:
    virtual ~ResultSink() = default;
    // Ranks and shows the result; returns when the player has closed it.
    virtual void TakeResult(const GameResult& result) = 0;
};

} // namespace brinox
