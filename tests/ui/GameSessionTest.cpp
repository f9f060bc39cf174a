// The session without a window: when each command may be used in each state
// of the game, the tool bar's buttons, and what the session's own commands,
// a load and a replay do to the game and the settings.
#include "BotGames.h"
#include "FakeClock.h"
#include "FakeHost.h"

#include "engine/GameTypes.h"
#include "ui/GameSession.h"

#include <gtest/gtest.h>

#include <string>

namespace brinox::test {
namespace {

class GameSessionTest : public ::testing::Test {
protected:
    FakeClock clock;
    FakeHost host;
    GameSession session{GameHost{clock, host, host, host, host, host}};
};

// Commands in order: Start/Stop, Pause, Options, three sizes, Save, Load,
// Exit, two champions, help, homepage, two abouts, two best-scores tables,
// championship homepage | three bar toggles, type, mode, bombs.
TEST_F(GameSessionTest, EachCommandIsEnabledExactlyInTheStatesItsRuleAllows) {
    const struct {
        const char* state;
        std::int32_t mode;
        std::function<void(GameSession&)> reach;
        const char* enabled;
    } kStates[] = {
        {"no game", Classic, [](GameSession&) {},
         "101111011111111111"
         "111111"},
        {"no championship game", WorldChampionship, [](GameSession&) {},
         "101111011111111111"
         "111110"},
        {"a game", Timer, [](GameSession& s) { s.StartStop(); },
         "111111111111111111"
         "111000"},
        {"a paused game", Rising,
         [](GameSession& s) {
             s.StartStop();
             s.Pause();
         },
         "111111111111111111"
         "111000"},
        {"a championship game", WorldChampionship, [](GameSession& s) { s.StartStop(); },
         "111111011111111111"
         "111000"},
        {"a replay", Classic,
         [this](GameSession& s) {
             ASSERT_EQ(s.Watch(ChampionshipBotGame(3).replay, {&host, &host, &host}), "");
         },
         "110000001111111001"
         "000000"},
    };
    for (const auto& state : kStates) {
        GameSession fresh{GameHost{clock, host, host, host, host, host}};
        fresh.Settings().gameMode = state.mode;
        state.reach(fresh);
        std::string shown; // '1' for each command enabled now, in the order of Command
        for (std::int32_t c = 0; c < kCommandCount; ++c) {
            shown += fresh.Enabled(static_cast<Command>(c)) ? '1' : '0';
        }
        EXPECT_EQ(shown, std::string(state.enabled)) << state.state;
    }
}

TEST_F(GameSessionTest, AHiddenToolBarDisablesItsButtonsButNotTheTogglesSelectorsOrLogo) {
    session.Settings().showToolBar = 0;
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const auto button = static_cast<ToolButton>(b);
        const bool onBar = button >= ToolButton::StartStop && button <= ToolButton::Exit;
        EXPECT_EQ(session.ButtonEnabled(button), !onBar) << b;
    }
}

TEST_F(GameSessionTest, TheBarCommandsFlipTheirSettingAndTheSelectorsChooseTheNextGame) {
    const Options before = session.Settings();
    for (Command command :
         {Command::ToggleNextBar, Command::ToggleToolBar, Command::ToggleStatusBar,
          Command::ToggleBombs, Command::NextGameType, Command::NextGameMode}) {
        EXPECT_TRUE(session.Carry(command));
    }
    const Options& now = session.Settings();
    EXPECT_EQ(now.showNextBar + now.showToolBar + now.showStatusBar, 0);
    EXPECT_EQ(now.bombsOn, 1 - before.bombsOn);
    session.Carry(Command::ToggleToolBar);
    EXPECT_EQ(now.showToolBar, 1) << "and back";
    EXPECT_EQ(now.gameType, Quinel);
    EXPECT_EQ(now.gameMode, Timer);
    EXPECT_FALSE(session.Carry(Command::Options)) << "a dialog is the window's";
}

TEST_F(GameSessionTest, ALoadThatIsNotConfirmedLeavesTheGameInProgressAlone) {
    session.StartStop();
    const GameState before = session.Engine().State();
    EXPECT_EQ(session.LoadGame("/nonexistent.tsv", [] { return false; }),
              GameSession::LoadOutcome::Declined);
    EXPECT_EQ(session.LoadGame("/nonexistent.tsv", [] { return true; }),
              GameSession::LoadOutcome::CannotOpen);
    EXPECT_TRUE(session.InGame());
    EXPECT_EQ(session.Engine().State().score, before.score);
    EXPECT_FALSE(session.Watch({}, {&host, &host, &host})) << "no replay while a game runs";
}

} // namespace
} // namespace brinox::test
