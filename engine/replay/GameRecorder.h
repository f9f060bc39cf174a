// Records the game in play as a Replay. It stands between the engine and its
// host: the engine is given `Host()`, whose clock, animations, prompts and
// results are this recorder, which passes every call on to the real host and
// writes down what came back; the engine tells it its inputs as the journal.
// A recording starts with each new game and is handed on with the game's
// result; a loaded game is not recorded (its start is not known).
//
// Invariant while recording: everything the engine read since the game began
// is in the replay, in the order it was read, and the settings and the random
// generator's state are written wherever code outside the engine changed them.
#pragma once

#include "engine/Clock.h"
#include "engine/GameHost.h"
#include "GameJournal.h"
#include "Replay.h"
#include "ReplayWriter.h"

#include <cstdint>
#include <memory>

namespace brinox {

struct Options;
class Random;

class GameRecorder : public GameJournal,
                     public Clock,
                     public GameAnimations,
                     public GamePrompts,
                     public GameResults {
public:
    GameRecorder(GameHost outer, const Options& options, const Random& random);
    ~GameRecorder() override;
    GameRecorder(const GameRecorder&) = delete;
    GameRecorder& operator=(const GameRecorder&) = delete;

    // The host to build the engine with.
    GameHost Host();
    bool Recording() const { return recording != nullptr; }

    void Enter(GameInput input, std::int32_t value) override;
    void Leave() override;

    std::uint32_t Milliseconds() const override;
    std::int64_t CalendarSeconds() const override;
    LocalTime Now() const override;

    void FieldAnimation(FieldAnimationKind kind) override;
    void RowRemoval() override;
    void Explosion(const BlastRect& blast) override;

    bool ConfirmCancelGame() override;
    void ShowWinner() override;

    // Hands the result on with the finished replay in it.
    void GameFinished(const GameResult& result) override;
    std::int32_t BestScore(std::int32_t table) override;

private:
    struct Tape; // the replay being written and what its writer remembers

    void Start();
    // After code outside the engine ran: the generator's state, when that code moved it.
    void AnswerRandomState();
    void BeforeForeignCode();
    std::int32_t GameKeyOf(GameInput input, std::int32_t code) const;

    GameHost outer;
    const Options& options;
    const Random& random;
    std::unique_ptr<Tape> recording;
};

} // namespace brinox
