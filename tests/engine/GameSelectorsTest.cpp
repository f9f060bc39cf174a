// The tool bar's game-type and game-mode selectors, click by click: Quinel
// skips World Championship, which runs without bombs and gives the bombs
// choice made before it back when it is left, by mode or by type.
#include "engine/GameSelectors.h"
#include "TestGame.h"
#include "engine/GameTypes.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace brinox {
namespace {

struct Click {
    char button;                    // 'T' game type, 'M' game mode
    std::int32_t type, mode, bombs; // the options after the click
};

struct SelectorCase {
    const char* name;
    std::int32_t type, mode, bombs, bombsBeforeChampionship;
    std::vector<Click> clicks;
};

constexpr std::int32_t Q = Quadel, N = Quinel, C = Classic, T = Timer, R = Rising,
                       W = WorldChampionship;

TEST(GameSelectorsTest, ClicksWalkTheCyclesAndTheChampionshipGivesTheBombsBack) {
    // clang-format off
    const SelectorCase cases[] = {
        {"Quadel, bombs on", Q, C, 1, 1,
         {{'M', Q, T, 1}, {'M', Q, R, 1}, {'M', Q, W, 0}, {'M', Q, C, 1}, {'M', Q, T, 1}}},
        {"Quadel, bombs off, an older choice forgotten", Q, R, 0, 1,
         {{'M', Q, W, 0}, {'M', Q, C, 0}}},
        {"Quinel", N, C, 1, 1, {{'M', N, T, 1}, {'M', N, R, 1}, {'M', N, C, 1}, {'M', N, T, 1}}},
        {"Quinel while in the championship", Q, R, 1, 0,
         {{'M', Q, W, 0}, {'T', N, C, 1}, {'T', Q, C, 1}, {'M', Q, T, 1}}},
        {"Type alone keeps the mode and the bombs", Q, T, 0, 1,
         {{'T', N, T, 0}, {'T', Q, T, 0}, {'T', N, T, 0}}},
    };
    // clang-format on
    for (const SelectorCase& c : cases) {
        Options o;
        o.gameType = c.type;
        o.gameMode = c.mode;
        o.bombsOn = c.bombs;
        std::int32_t before = c.bombsBeforeChampionship;
        for (std::size_t i = 0; i < c.clicks.size(); ++i) {
            const Click& k = c.clicks[i];
            (k.button == 'T' ? NextGameType : NextGameMode)(o, before);
            EXPECT_EQ(std::tie(o.gameType, o.gameMode, o.bombsOn),
                      std::tie(k.type, k.mode, k.bombs))
                << c.name << ", click " << i + 1;
        }
    }
}

// A run that starts in the championship knows no bombs choice from before it.
TEST(GameSelectorsTest, LeavingTheChampionshipARunStartedInKeepsTheBombsOff) {
    test::TestGame t;
    t.options.gameMode = WorldChampionship;
    t.options.bombsOn = 0;
    t.game.SelectNextGameMode();
    EXPECT_EQ(std::tie(t.options.gameMode, t.options.bombsOn), std::tuple(Classic, 0));
}

} // namespace
} // namespace brinox
