#include "GameRecorder.h"

#include "engine/KeyWatcher.h"
#include "engine/Options.h"
#include "engine/Random.h"
#include "ReplayFile.h"

namespace brinox {

struct GameRecorder::Tape {
    Replay replay;
    ReplayWriter writer{replay};
    ReplaySettings settings;
    std::uint32_t expectedRandom = 0;
    std::int64_t lastCalendar = 0;
};

GameRecorder::GameRecorder(GameHost outer, const Options& options, const Random& random)
    : outer(outer), options(options), random(random) {}

GameRecorder::~GameRecorder() = default;

GameHost GameRecorder::Host() {
    return GameHost{*this, outer.display, outer.sounds, *this, *this, *this, this};
}

void GameRecorder::Start() {
    recording = std::make_unique<Tape>();
    Replay& replay = recording->replay;
    replay.engineVersion = EngineVersion();
    replay.settings = recording->settings = ReplaySettings::Of(options);
    replay.randomState = recording->expectedRandom = random.State();
}

void GameRecorder::Enter(GameInput input, std::int32_t value) {
    if (input == GameInput::NewGame) {
        Start();
    } else if (input == GameInput::Restore) {
        recording.reset();
    }
    if (!recording) {
        return;
    }
    ReplayWriter& writer = recording->writer;
    writer.Segment();
    // Between inputs a dialog may have changed the settings and anything may
    // have drawn from the generator.
    if (const ReplaySettings now = ReplaySettings::Of(options); now != recording->settings) {
        writer.Settings(now);
        recording->settings = now;
    }
    if (random.State() != recording->expectedRandom) {
        writer.Entry(ReplayEntry::RandomState, random.State());
        recording->expectedRandom = random.State();
    }
    if (input == GameInput::Tick) {
        writer.Tick();
    } else if (const std::int32_t key = GameKeyOf(input, value); key >= 0) {
        writer.GameKey(key, input == GameInput::KeyUp);
    } else {
        writer.Entry(static_cast<ReplayEntry>(input), static_cast<std::uint32_t>(value));
    }
}

// The game key a key input is for, or -1 (any other key, any other input).
std::int32_t GameRecorder::GameKeyOf(GameInput input, std::int32_t code) const {
    if (input != GameInput::KeyDown && input != GameInput::KeyUp) {
        return -1;
    }
    for (std::int32_t key = 0; key < kGameKeyCount; ++key) {
        if (KeyWatcher::CodeOf(static_cast<GameKey>(key), options) == code) {
            return key;
        }
    }
    return -1;
}

void GameRecorder::Leave() {
    if (recording) {
        recording->expectedRandom = random.State();
    }
}

void GameRecorder::BeforeForeignCode() {
    if (recording) {
        recording->expectedRandom = random.State();
    }
}

void GameRecorder::AnswerRandomState() {
    if (!recording) {
        return;
    }
    const std::uint32_t state = random.State();
    recording->writer.Answer(state == recording->expectedRandom ? 0 : std::int64_t{state} + 1);
    recording->expectedRandom = state;
}

std::uint32_t GameRecorder::Milliseconds() const {
    const std::uint32_t now = outer.clock.Milliseconds();
    if (recording) {
        recording->writer.ClockReading(now);
    }
    return now;
}

std::int64_t GameRecorder::CalendarSeconds() const {
    const std::int64_t seconds = outer.clock.CalendarSeconds();
    if (recording) {
        recording->writer.Answer(seconds - recording->lastCalendar);
        recording->lastCalendar = seconds;
    }
    return seconds;
}

LocalTime GameRecorder::Now() const {
    const LocalTime now = outer.clock.Now();
    if (recording) {
        for (const auto field : kLocalTimeFields) {
            recording->writer.Answer(now.*field);
        }
    }
    return now;
}

void GameRecorder::FieldAnimation(FieldAnimationKind kind) {
    BeforeForeignCode();
    outer.animations.FieldAnimation(kind);
    AnswerRandomState();
}

void GameRecorder::RowRemoval() {
    BeforeForeignCode();
    outer.animations.RowRemoval();
    AnswerRandomState();
}

void GameRecorder::Explosion(const BlastRect& blast) {
    BeforeForeignCode();
    outer.animations.Explosion(blast);
    AnswerRandomState();
}

bool GameRecorder::ConfirmCancelGame() {
    BeforeForeignCode();
    const bool yes = outer.prompts.ConfirmCancelGame();
    if (recording) {
        recording->writer.Entry(ReplayEntry::PromptEnd);
        AnswerRandomState();
        recording->writer.Answer(yes ? 1 : 0);
    }
    return yes;
}

void GameRecorder::ShowWinner() {
    BeforeForeignCode();
    outer.prompts.ShowWinner();
    if (recording) {
        recording->writer.Entry(ReplayEntry::PromptEnd);
        AnswerRandomState();
    }
}

std::int32_t GameRecorder::BestScore(std::int32_t table) {
    const std::int32_t best = outer.results.BestScore(table);
    if (recording) {
        recording->writer.Answer(best);
    }
    return best;
}

void GameRecorder::GameFinished(const GameResult& result) {
    if (!recording) {
        outer.results.GameFinished(result);
        return;
    }
    recording->writer.Entry(ReplayEntry::GameOver);
    recording->writer.Flush();
    GameResult recorded = result;
    recorded.replay = ReplayFile::Encode(recording->replay);
    recording.reset();
    outer.results.GameFinished(recorded);
}

} // namespace brinox
