// The recorder and the player together: a game recorded as the window
// records it plays again to the same end, and a replay made by other rules
// is refused with its reason instead of being played.
#include "BotGames.h"
#include "TestGame.h"

#include "FakeClock.h"
#include "FakeHost.h"
#include "engine/Options.h"
#include "engine/Random.h"
#include "engine/replay/GameRecorder.h"
#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayPlayer.h"

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

Replay Recorded(const GameResult& result) {
    std::optional<Replay> replay = ReplayFile::Decode(result.replay);
    EXPECT_TRUE(replay.has_value());
    return replay.value_or(Replay{});
}

// Whatever draws from the engine's generator outside the engine, between two
// inputs or inside an animation, is written down, so the game plays again the
// same; so are the dialogs the game stood still for, however many.
TEST(ReplayPlayerTest, DrawsAndDialogsFromOutsideTheEngineArePlayedBackAsRecorded) {
    const GameResult recorded = ChampionshipBotGame(
        13, false,
        [](TestGame& t, int step) {
            if (step % 40 == 0) { // a draw, not a seed: the opening animation's still counts
                t.random.Next();
            } else if (step % 3 == 1) { // ten dialogs or more, one after another
                t.game.RunSuspended([] {});
            }
        },
        [](TestGame& t) {
            t.fake.onRowRemoval = [&t] { t.random.Next(); };
            t.fake.onFieldAnimation = [&t] { t.random.Next(); };
        });
    ReplayPlayer player(Recorded(recorded), Options{});
    player.PlayToEnd();
    ASSERT_TRUE(player.Result().has_value()) << player.Problem();
    const GameResult& r = *player.Result();
    EXPECT_EQ(std::tie(r.score, r.lines, r.level, r.pieces, r.gameSeconds),
              std::tie(recorded.score, recorded.lines, recorded.level, recorded.pieces,
                       recorded.gameSeconds));
}

// Inside an animation the recorder answers 0 when nothing outside the engine
// drew from the generator, whatever the engine drew before, and the state plus
// one when something did (state 5: 6, zig-zag coded 12).
TEST(GameRecorderTest, AnAnimationIsAnsweredWithTheStateOnlyWhenSomethingElseDrew) {
    FakeHost host;
    FakeClock clock;
    const Options options;
    Random random;
    GameRecorder recorder({clock, host, host, host, host, host}, options, random);
    recorder.Enter(GameInput::NewGame, 0);
    random.Next(); // the engine's own draws
    recorder.RowRemoval();
    random.Next();
    recorder.FieldAnimation(FieldAnimationKind::LevelFinished);
    random.Next();
    recorder.Explosion({});
    host.onRowRemoval = [&random] { random.Seed(5); };
    recorder.RowRemoval();
    recorder.Leave();
    recorder.GameFinished({});
    ASSERT_EQ(host.results.size(), 1U);
    EXPECT_EQ(Recorded(host.results[0]).answers,
              (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x0C}));
}

} // namespace
} // namespace brinox::test
