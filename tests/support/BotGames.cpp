#include "BotGames.h"

#include "engine/CivilTime.h"

#include <random>

namespace brinox::test {

GameResult ChampionshipBotGame(std::uint32_t seed, bool fast,
                               const std::function<void(TestGame&, int)>& meddle,
                               const std::function<void(TestGame&)>& setup) {
    TestGame t;
    t.options.gameMode = WorldChampionship;
    t.options.bombsOn = 0; // as choosing the championship sets it
    t.fake.recordSounds = false;
    t.clock.ms = seed * 7'777u;
    t.clock.calendarSeconds = DaysFromCivil(2026, 12, 4) * 86'400 + seed * 1'000;
    t.clock.Link();
    if (setup) {
        setup(t);
    }
    const Options& o = t.options;
    const std::int32_t codes[] = {o.keyLeft, o.keyRight, o.keyDown, o.keyDrop, o.keyRotate};
    std::mt19937 rng(seed);
    t.game.StartStopCommand();
    for (int step = 0; step < 100'000 && t.access.flags.gameInProgress; ++step) {
        if (meddle) {
            meddle(t, step);
        }
        const std::int32_t code = fast ? codes[(rng() % 4 + 4) % 5] : codes[rng() % 5];
        t.game.KeyDown(code);
        t.Tick(fast ? 20 : 20 + rng() % 200);
        t.game.KeyUp(code);
    }
    return t.fake.results.at(0);
}

} // namespace brinox::test
