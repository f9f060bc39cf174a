// The tolerances of the championship proof, one clock at a time: a real
// clock passes at the edge of each tolerance, a forged one just beyond it.
#include "GameTestAccess.h"
#include "TestGame.h"

#include "engine/CivilTime.h"
#include "engine/replay/ChampionshipAudit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brinox {
namespace {

// A minute of play as the audit sees it: a tick every `tickMs`, the calendar
// read every second at `calendarRate` times the clock's pace, the start's
// local time in a zone `zoneMinutes` ahead, the end's moved by `endShift` s.
struct Clocks {
    const char* what;
    double tickMs = 20;
    double calendarRate = 1;
    std::int64_t zoneMinutes = 60;
    std::int64_t endShift = 0;
    std::int64_t backAt = -1; // the tick whose reading goes back 1 ms
    const char* problem = "";
    std::int64_t pieceTicks = 0; // a piece lands every so many ticks
    std::int64_t jumpAt = -1;    // the tick from which the calendar is two seconds ahead
};

std::string Audit(const Clocks& c, PlayRates* rates = nullptr) {
    test::TestGame t;
    ChampionshipAudit audit;
    const std::int64_t start = DaysFromCivil(2026, 12, 7) * 86'400;
    audit.LocalTimeReading(LocalTimeAt(start + c.zoneMinutes * 60));
    audit.ClockReading(1'000, 0, t.game);
    audit.CalendarReading(start);
    std::int64_t ms = 0;
    for (std::int64_t tick = 1; tick <= 3'000; ++tick) {
        ms = tick == c.backAt ? ms - 1 : std::llround(static_cast<double>(tick) * c.tickMs);
        if (c.pieceTicks != 0 && tick % c.pieceTicks == 0) {
            ++test::GameTestAccess(t.game).state.pieces;
        }
        audit.ClockReading(static_cast<std::uint32_t>(1'000 + ms), tick, t.game);
        if (tick % 50 == 25) { // mid-second, where the tolerance is tightest
            audit.CalendarReading(start + std::llround(std::floor(ms * c.calendarRate)) / 1000 +
                                  (c.jumpAt >= 0 && tick >= c.jumpAt ? 2 : 0));
        }
    }
    audit.LocalTimeReading(LocalTimeAt(start + c.zoneMinutes * 60 + ms / 1000 + c.endShift));
    audit.Finish(t.game);
    if (rates != nullptr) {
        *rates = audit.Rates();
    }
    return audit.Problem();
}

TEST(ChampionshipAuditTest, RealClocksPassAtTheEdgeOfEachToleranceForgedOnesJustBeyond) {
    const Clocks cases[] = {
        {"on time"},
        {"ticks 5 % early", 19},
        {"ticks slower than the timer", 18.5, 1, 60, 0, -1, "its clock runs slower than its ticks"},
        {"late ticks", 35},
        {"a reading 1 ms back", 20, 1, 60, 0, 700, "its clock goes back"},
        {"calendar 0.05 % fast", 20, 1.0005},
        {"calendar 5 % fast", 20, 1.05, 60, 0, -1, "its calendar time does not follow its clock"},
        {"zone of Nepal", 20, 1, 345},
        {"no zone of the world", 20, 1, 45, 0, -1, "its start time does not fit its calendar time"},
        {"summer time ends", 20, 1, 60, -3600},
        {"end half an hour on", 20, 1, 60, 1800, -1, "its end time does not fit its clock"},
        {"end before the clock", 20, 1, 60, -3, -1, "its end time does not fit its clock"},
        {"calendar two seconds on", 20, 1, 60, 0, -1, "its calendar time does not follow its clock",
         0, 1500},
    };
    for (const Clocks& c : cases) {
        EXPECT_EQ(Audit(c), c.problem) << c.what;
    }
}

// 120 pieces in the minute played: two a second, however they fall.
TEST(ChampionshipAuditTest, ThePieceRateIsThatOfTheBusiestMinute) {
    for (const auto& [every, perSecond] : {std::pair{25, 2.0}, {100, 0.5}}) {
        PlayRates rates;
        EXPECT_EQ(Audit({.what = "pieces", .pieceTicks = every}, &rates), "");
        EXPECT_DOUBLE_EQ(rates.piecesPerSecond, perSecond) << every;
    }
}

} // namespace
} // namespace brinox
