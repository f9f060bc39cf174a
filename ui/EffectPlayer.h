// The three blocking animations: the field animation that covers and
// uncovers the playing area, the removal of full rows and the bomb
// explosion. Each draws a row or a frame, hands its rectangle to `show` at
// once so the player sees the progress, then sleeps; no event is processed
// meanwhile, so no tick runs during them. Row removal and the field animation
// leave their last frame in the off-screen picture; the explosion leaves it
// as it found it. They show the session's shown game, a watched replay's
// while there is one.
#pragma once

#include "FramePainter.h"
#include "GameSession.h"

#include "engine/Game.h"
#include "engine/GameHost.h"
#include "engine/Random.h"

#include <QImage>

#include <cstdint>
#include <functional>

namespace brinox {

class EffectPlayer {
public:
    using Sleep = std::function<void(std::int32_t milliseconds)>;

    EffectPlayer(const GameSession& session, const Options& options, Random& random,
                 FramePainter& painter, FramePainter::Shown show, Sleep sleep);

    void FieldAnimation(QImage& frame, FieldAnimationKind kind);
    void RowRemoval(QImage& frame);
    void Explosion(QImage& frame, const BlastRect& blast);

private:
    void Pause(std::int32_t milliseconds);
    const Board& ShownBoard() const { return session.ShownGame().CurrentBoard(); }

    const GameSession& session;
    const Options& options;
    Random& random;
    FramePainter& painter;
    FramePainter::Shown show;
    Sleep sleep;
};

} // namespace brinox
