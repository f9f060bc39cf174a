// Plays a Replay again with the engine: a Game of its own, with the recorded
// settings, fed the recorded inputs in their order, its clock, prompts and
// best scores answered from the record. Pictures, sounds and animations go to
// the outputs given, or nowhere when only the outcome counts (verification).
// Nothing of the player's options, tables or files changes.
//
// A damaged or forged replay plays a different game at worst: the player
// stops at the first impossible entry, after at most kMaxTicks ticks, and at
// a nesting deeper than any dialog can make, and says why in Problem(). A
// run of ticks while the game is not played (a pause of hours) costs one tick.
//
// Verify() plays a championship proof: a ChampionshipAudit watches every
// reading and entry, and the player takes no random state from the replay.
#pragma once

#include "ChampionshipAudit.h"
#include "engine/Clock.h"
#include "engine/Game.h"
#include "engine/GameHost.h"
#include "GameJournal.h"
#include "engine/GameStatistics.h"
#include "engine/Options.h"
#include "engine/Random.h"
#include "Replay.h"
#include "ReplayReader.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brinox {

// Where a replay shows; null members show nothing.
struct ReplayOutput {
    GameDisplay* display = nullptr;
    GameSounds* sounds = nullptr;
    GameAnimations* animations = nullptr;
};

class ReplayPlayer : public GameJournal,
                     public Clock,
                     public GameDisplay,
                     public GameSounds,
                     public GameAnimations,
                     public GamePrompts,
                     public GameResults {
public:
    // About 30 hours of play.
    static constexpr std::int64_t kMaxTicks = 5'400'000;

    // `base` gives what the replay does not hold (the sound switches and files).
    // With an audit, the replay is played as a championship proof.
    ReplayPlayer(Replay replay, const Options& base, ReplayOutput output = {},
                 ChampionshipAudit* audit = nullptr);
    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;

    // Plays on up to and including the next tick in which the game was
    // played (ticks while it stood paused or inactive pass at once); false
    // once the replay is over.
    bool NextTick();
    // Plays the rest at once.
    void PlayToEnd();

    const Game& Engine() const { return game; }
    // The game for its watcher, whose drawing of the score checks the best
    // score as the window does in a game (the best-score sound).
    Game& Engine() { return game; }
    bool Over() const { return over; }
    // The game's result once it has ended within the replay.
    const std::optional<GameResult>& Result() const { return result; }
    // Why the replay could not be played to its end; empty when it could.
    const std::string& Problem() const { return problem; }

    struct Verdict {
        std::string problem; // empty when the replay proves the claim
        PlayRates rates;
        std::string fingerprint; // the game's, when it was played to its end
    };
    // Whether the replay is a World Championship game the program could have
    // played, with exactly the claimed figures, start and end.
    static Verdict Verify(const Replay& replay, const GameResult& claimed);

    void Enter(GameInput input, std::int32_t value) override;
    void Leave() override;
    std::uint32_t Milliseconds() const override;
    std::int64_t CalendarSeconds() const override;
    LocalTime Now() const override;
    void RedrawAll() override;
    void RedrawFallingPiece() override;
    void RedrawCounters() override;
    void Play(SoundEvent event, const std::string& file) override;
    void FieldAnimation(FieldAnimationKind kind) override;
    void RowRemoval() override;
    void Explosion(const BlastRect& blast) override;
    bool ConfirmCancelGame() override;
    void ShowWinner() override;
    void GameFinished(const GameResult& finished) override;
    std::int32_t BestScore(std::int32_t table) override;

private:
    // Plays entries until the one that closes the dialog or prompt now open.
    std::optional<ReplayEntry> PlayNested();
    void Dispatch(ReplayEntry kind, std::uint32_t value);
    bool RunTicks(std::uint32_t count);
    // Plays one tick of the run counted; when the game is not played, the
    // rest of the run too, at once (such ticks change nothing after the first).
    void PlayRunTick();
    // Stops when the audit found the replay not genuine; true then.
    bool AuditFailed();
    // The generator's state after code outside the engine ran, when it moved it.
    void TakeRandomState();
    void EndOfPrompt();
    void Stop(const std::string& why);
    // Stops when the settings are outside the options' ranges: no game has
    // them, and the engine's tables must never see them.
    void CheckSettings();

    Replay replay;
    mutable ReplayReader reader{replay};
    ReplayOutput output;
    Options options;
    Random random;
    mutable std::int64_t lastCalendar = 0;
    Game game;
    std::int64_t ticksLeft = 0;
    std::int64_t ticksPlayed = 0; // counted in runs, against kMaxTicks
    std::int64_t ticksBegun = 0;
    ChampionshipAudit* audit;
    std::int32_t depth = 0;
    bool over = false;
    std::optional<GameResult> result;
    std::string problem;
};

} // namespace brinox
