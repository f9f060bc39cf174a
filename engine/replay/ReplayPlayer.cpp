#include "ReplayPlayer.h"

#include <algorithm>
#include <limits>

namespace brinox {

namespace {

// Suspensions and prompts never nest deeper than a few levels in a real game.
constexpr std::int32_t kMaxDepth = 8;

std::int32_t ToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

Options WithSettings(Options options, const ReplaySettings& settings) {
    settings.ApplyTo(options);
    return options;
}

} // namespace

ReplayPlayer::ReplayPlayer(Replay recorded, const Options& base, ReplayOutput output,
                           ChampionshipAudit* audit)
    : replay(std::move(recorded)), output(output), options(WithSettings(base, replay.settings)),
      game(options, random, GameHost{*this, *this, *this, *this, *this, *this, this}),
      audit(audit) {
    // Nothing draws before a game's first seed; a proof takes no state from the sender.
    random.Seed(audit != nullptr ? 0 : replay.randomState);
    CheckSettings();
    if (audit != nullptr) {
        audit->Settings(replay.settings, true);
        AuditFailed();
    }
    if (replay.engineVersion != EngineVersion()) {
        Stop("it was recorded by engine version " + replay.engineVersion + ", this is " +
             EngineVersion());
    }
}

void ReplayPlayer::Stop(const std::string& why) {
    if (problem.empty() && !why.empty()) {
        problem = why;
    }
    over = true;
}

void ReplayPlayer::CheckSettings() {
    if (!WithinLimits(options)) {
        Stop("its settings are not a game's");
    }
}

bool ReplayPlayer::AuditFailed() {
    if (audit == nullptr || audit->Problem().empty()) {
        return false;
    }
    Stop(audit->Problem());
    return true;
}

void ReplayPlayer::PlayRunTick() {
    --ticksLeft;
    ++ticksBegun;
    const bool playing = game.Flags().Playing();
    game.Tick();
    if (!playing) {
        ticksBegun += ticksLeft;
        ticksLeft = 0;
    }
}

bool ReplayPlayer::NextTick() {
    while (!over && !AuditFailed()) {
        if (ticksLeft > 0) {
            const bool playing = game.Flags().Playing();
            PlayRunTick();
            if (playing) {
                return true;
            }
            continue;
        }
        ReplayEntry kind{};
        std::uint32_t value = 0;
        if (!reader.NextEntry(kind, value)) {
            Stop(reader.Damaged() ? "its inputs are damaged" : "it ends before the game");
        } else if (kind == ReplayEntry::Ticks) {
            RunTicks(value);
        } else if (kind == ReplayEntry::GameOver) {
            if (result && audit != nullptr) {
                audit->Finish(game);
                AuditFailed();
            }
            Stop(result ? "" : "it ends before the game");
        } else {
            Dispatch(kind, value);
        }
    }
    return false;
}

void ReplayPlayer::PlayToEnd() {
    while (NextTick()) {
    }
}

// Counts a run of ticks against the budget; the caller plays them.
bool ReplayPlayer::RunTicks(std::uint32_t count) {
    if (result) {
        Stop("it goes on after the game");
        return false;
    }
    if (count == 0 || count > kMaxTicks - ticksPlayed) {
        Stop("it holds more ticks than any game");
        return false;
    }
    ticksPlayed += count;
    ticksLeft = count;
    return true;
}

void ReplayPlayer::Dispatch(ReplayEntry kind, std::uint32_t value) {
    if (result) {
        Stop("it goes on after the game");
        return;
    }
    if (audit != nullptr) {
        audit->Entry(kind, value);
        if (AuditFailed()) {
            return;
        }
    }
    switch (kind) {
    case ReplayEntry::KeyDown:
        game.KeyDown(static_cast<std::int32_t>(value));
        break;
    case ReplayEntry::KeyUp:
        game.KeyUp(static_cast<std::int32_t>(value));
        break;
    case ReplayEntry::GameKeyDown:
        game.KeyDown(KeyWatcher::CodeOf(static_cast<GameKey>(value), options));
        break;
    case ReplayEntry::GameKeyUp:
        game.KeyUp(KeyWatcher::CodeOf(static_cast<GameKey>(value), options));
        break;
    case ReplayEntry::AppActive:
        game.SetAppActive(value != 0);
        break;
    case ReplayEntry::NewGame:
    case ReplayEntry::StartStop:
        // The start command either starts a game or asks to stop one: the
        // entry must say which, or the game has gone another way.
        if ((kind == ReplayEntry::NewGame) == (game.Flags().gameInProgress != 0)) {
            Stop("its start command does not fit the game");
            return;
        }
        if (kind == ReplayEntry::NewGame && (value != 0) != (game.Flags().appActive != 0)) {
            game.SetAppActive(value != 0); // as the application was when the game started
        }
        game.StartStopCommand();
        break;
    case ReplayEntry::Pause:
        game.PauseCommand();
        break;
    case ReplayEntry::Suspend:
        game.AskSuspended([this] { return PlayNested() == ReplayEntry::KeepStopped; });
        break;
    case ReplayEntry::RandomState:
        if (audit != nullptr) {
            audit->ForeignRandomState();
        }
        random.Seed(value);
        break;
    case ReplayEntry::Settings: {
        const ReplaySettings settings = reader.Settings();
        settings.ApplyTo(options);
        CheckSettings();
        if (audit != nullptr) {
            audit->Settings(settings, false);
        }
        break;
    }
    default: // an end of a dialog or prompt that is not open
        Stop("its dialogs do not fit the game");
        break;
    }
}

std::optional<ReplayEntry> ReplayPlayer::PlayNested() {
    if (depth >= kMaxDepth) {
        Stop("its dialogs nest too deep");
        return std::nullopt;
    }
    ++depth;
    std::optional<ReplayEntry> closing;
    ReplayEntry kind{};
    std::uint32_t value = 0;
    while (!over && !closing && !AuditFailed() && reader.NextEntry(kind, value)) {
        switch (kind) {
        case ReplayEntry::Resume:
        case ReplayEntry::KeepStopped:
        case ReplayEntry::PromptEnd:
            closing = kind;
            break;
        case ReplayEntry::Ticks:
            if (RunTicks(value)) {
                while (ticksLeft > 0 && !over) {
                    PlayRunTick();
                }
            }
            break;
        case ReplayEntry::GameOver:
            Stop("it ends inside a dialog");
            break;
        default:
            Dispatch(kind, value);
            break;
        }
    }
    --depth;
    if (!closing) {
        Stop(reader.Damaged() ? "its inputs are damaged" : "it ends inside a dialog");
    }
    return closing;
}

void ReplayPlayer::TakeRandomState() {
    if (const std::int64_t state = reader.Answer(); state != 0) {
        if (audit != nullptr) {
            audit->ForeignRandomState();
        }
        // The writer stores the state plus one; a hostile file may hold any value.
        random.Seed(static_cast<std::uint32_t>(static_cast<std::uint64_t>(state) - 1));
    }
}

void ReplayPlayer::EndOfPrompt() {
    if (PlayNested() != ReplayEntry::PromptEnd) {
        Stop("its prompts do not fit the game");
    }
    TakeRandomState();
}

// ---------------------------------------------------------------- the host

void ReplayPlayer::Enter(GameInput /*input*/, std::int32_t /*value*/) {
    reader.Segment();
}

void ReplayPlayer::Leave() {}

std::uint32_t ReplayPlayer::Milliseconds() const {
    const std::uint32_t reading = reader.ClockReading();
    if (audit != nullptr) {
        audit->ClockReading(reading, ticksBegun, game);
    }
    return reading;
}

std::int64_t ReplayPlayer::CalendarSeconds() const {
    lastCalendar = static_cast<std::int64_t>(static_cast<std::uint64_t>(lastCalendar) +
                                             static_cast<std::uint64_t>(reader.Answer()));
    if (audit != nullptr) {
        audit->CalendarReading(lastCalendar);
    }
    return lastCalendar;
}

LocalTime ReplayPlayer::Now() const {
    LocalTime now;
    for (const auto field : kLocalTimeFields) {
        now.*field = ToInt32(reader.Answer());
    }
    if (audit != nullptr) {
        audit->LocalTimeReading(now);
    }
    return now;
}

void ReplayPlayer::RedrawAll() {
    if (output.display != nullptr) {
        output.display->RedrawAll();
    }
}

void ReplayPlayer::RedrawFallingPiece() {
    if (output.display != nullptr) {
        output.display->RedrawFallingPiece();
    }
}

void ReplayPlayer::RedrawCounters() {
    if (output.display != nullptr) {
        output.display->RedrawCounters();
    }
}

void ReplayPlayer::Play(SoundEvent event, const std::string& file) {
    if (output.sounds != nullptr) {
        output.sounds->Play(event, file);
    }
}

void ReplayPlayer::FieldAnimation(FieldAnimationKind kind) {
    if (output.animations != nullptr) {
        output.animations->FieldAnimation(kind);
    }
    TakeRandomState();
}

void ReplayPlayer::RowRemoval() {
    if (output.animations != nullptr) {
        output.animations->RowRemoval();
    }
    TakeRandomState();
}

void ReplayPlayer::Explosion(const BlastRect& blast) {
    if (output.animations != nullptr) {
        output.animations->Explosion(blast);
    }
    TakeRandomState();
}

bool ReplayPlayer::ConfirmCancelGame() {
    EndOfPrompt();
    return reader.Answer() != 0;
}

void ReplayPlayer::ShowWinner() {
    EndOfPrompt();
}

void ReplayPlayer::GameFinished(const GameResult& finished) {
    result = finished;
}

std::int32_t ReplayPlayer::BestScore(std::int32_t /*table*/) {
    return ToInt32(reader.Answer());
}

// ---------------------------------------------------------------- verification

ReplayPlayer::Verdict ReplayPlayer::Verify(const Replay& replay, const GameResult& claimed) {
    if (std::string why = ChampionshipAudit::Precheck(replay, claimed); !why.empty()) {
        return {"the replay is not played: " + why, {}, ""};
    }
    ChampionshipAudit audit;
    ReplayPlayer player(replay, Options{}, {}, &audit);
    player.PlayToEnd();
    if (!player.Problem().empty()) {
        return {"the replay cannot be played: " + player.Problem(), audit.Rates(), ""};
    }
    const GameResult& played = *player.Result();
    const struct {
        const char* name;
        std::int32_t GameStatistics::*field;
    } figures[] = {
        {"score", &GameStatistics::score}, {"level", &GameStatistics::level},
        {"lines", &GameStatistics::lines}, {"pieces", &GameStatistics::pieces},
        {"bombs", &GameStatistics::bombs}, {"played time", &GameStatistics::gameSeconds}};
    for (const auto& figure : figures) {
        if (played.*figure.field != claimed.*figure.field) {
            return {std::string("the replay plays ") + figure.name + " " +
                        std::to_string(played.*figure.field) + ", the result claims " +
                        std::to_string(claimed.*figure.field),
                    audit.Rates(), ""};
        }
    }
    if (played.startTime != claimed.startTime || played.endTime != claimed.endTime) {
        return {"the replay's start or end is not the result's", audit.Rates(), ""};
    }
    return {"", audit.Rates(), audit.Fingerprint()};
}

} // namespace brinox
