// The tolerances of the championship proof, one clock at a time: a real
// clock passes at the edge of each tolerance, a forged one just beyond it.
#include "GameTestAccess.h"
#include "TestGame.h"

#include "engine/CivilTime.h"
#include "engine/replay/ChampionshipAudit.h"
#include "engine/replay/ReplayWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <set>
#include <sstream>

namespace brinox {
namespace {

// A minute of play as the audit sees it: a tick every `tickMs`, the calendar
// read every second at `calendarRate` times the clock's pace, the start's
// local time in a zone `zoneSeconds` ahead, the end's moved by `endShift` s.
struct Clocks {
    const char* what;
    double tickMs = 20;
    double calendarRate = 1;
    std::int64_t zoneSeconds = 3600;
    std::int64_t endShift = 0;
    std::int64_t backAt = -1; // from this tick a step of 2^31 ms: either way round, so back
    const char* problem = "";
    std::int64_t pieceTicks = 0; // a piece lands every so many ticks
    std::int64_t jumpAt = -1;    // the tick from which the calendar is two seconds ahead
    bool endRead = true;         // whether the end's local time is read
    std::int64_t keyTicks = 0;   // a key pressed and released every so many ticks, another held
};

std::string Audit(const Clocks& c, PlayRates* rates = nullptr) {
    test::TestGame t;
    ChampionshipAudit audit;
    const std::int64_t start = DaysFromCivil(2026, 12, 7) * 86'400;
    audit.LocalTimeReading(LocalTimeAt(start + c.zoneSeconds));
    audit.ClockReading(1'000, 0, t.game);
    audit.CalendarReading(start);
    audit.Entry(ReplayEntry::NewGame, 1);
    std::int64_t ms = 0;
    for (std::int64_t tick = 1; tick <= 3'000; ++tick) {
        ms = std::llround(static_cast<double>(tick) * c.tickMs) +
             (c.backAt >= 0 && tick >= c.backAt ? 0x8000'0000 - 20 : 0);
        if (c.pieceTicks != 0 && tick % c.pieceTicks == 0) {
            ++test::GameTestAccess(t.game).state.pieces;
        }
        audit.ClockReading(static_cast<std::uint32_t>(1'000 + ms), tick, t.game);
        if (c.keyTicks != 0 && tick % c.keyTicks == 0) { // key 1 stays down from the first
            audit.Entry(ReplayEntry::GameKeyDown, 1);
            audit.Entry(ReplayEntry::GameKeyDown, 0);
            audit.Entry(ReplayEntry::GameKeyUp, 0);
        }
        if (tick % 50 == 25) { // mid-second, where the tolerance is tightest
            audit.CalendarReading(start + std::llround(std::floor(ms * c.calendarRate)) / 1000 +
                                  (c.jumpAt >= 0 && tick >= c.jumpAt ? 2 : 0));
        }
    }
    if (c.endRead) {
        audit.LocalTimeReading(LocalTimeAt(start + c.zoneSeconds + ms / 1000 + c.endShift));
    }
    audit.Finish(t.game);
    if (rates != nullptr) {
        *rates = audit.Rates();
    }
    return audit.Problem();
}

TEST(ChampionshipAuditTest, RealClocksPassAtTheEdgeOfEachToleranceForgedOnesJustBeyond) {
    constexpr std::int64_t kHour = 3600;
    const char* const noZone = "its start time does not fit its calendar time";
    const char* const notFollowing = "its calendar time does not follow its clock";
    const Clocks cases[] = {
        {"on time"},
        {"ticks 5 % early", 19},
        {"ticks slower than the timer", 18.5, 1, kHour, 0, -1,
         "its clock runs slower than its ticks"},
        {"late ticks", 35},
        {"a reading half the clock's range back", 20, 1, kHour, 0, 700, "its clock goes back"},
        {"calendar 0.05 % fast", 20, 1.0005},
        {"calendar 5 % fast", 20, 1.05, kHour, 0, -1, notFollowing},
        {"calendar two seconds on", 20, 1, kHour, 0, -1, notFollowing, 0, 1500},
        {"start 2 s off its zone", 20, 1, kHour + 2},
        {"start 3 s off its zone", 20, 1, kHour - 3, 0, -1, noZone},
        {"12 hours behind", 20, 1, -12 * kHour},
        {"beyond 12 hours behind", 20, 1, -12 * kHour - 900, 0, -1, noZone},
        {"beyond 14 hours ahead", 20, 1, 14 * kHour + 900, 0, -1, noZone},
        {"summer time ends", 20, 1, kHour, -kHour},
        {"end half an hour on", 20, 1, kHour, 1800, -1, "its end time does not fit its clock"},
        {"end before the clock", 20, 1, kHour, -3, -1, "its end time does not fit its clock"},
        // A second more after 2,000 s: the clocks may drift 0.05 % apart.
        {"end 3 s early at 1,998 s", 666, 1, kHour, -3, -1, "its end time does not fit its clock"},
        {"end 3 s early at 2,001 s", 667, 1, kHour, -3},
        {"no end read", 20, 1, kHour, 0, -1, "it lacks the times of its start and end", 0, -1,
         false},
    };
    for (const Clocks& c : cases) {
        EXPECT_EQ(Audit(c), c.problem) << c.what;
    }
}

// In 25 ms ticks, pieces every 25 or 100 ticks; each second a key is pressed,
// at the first with a second key that stays down: two presses in the busiest
// second, 61 in the busiest minute.
TEST(ChampionshipAuditTest, EachRateIsThatOfTheBusiestSecondOrMinute) {
    for (const auto& [every, perSecond] : {std::pair{25, 1.6}, {100, 0.4}}) {
        PlayRates rates;
        const Clocks c{.what = "rates", .tickMs = 25, .pieceTicks = every, .keyTicks = 40};
        EXPECT_EQ(Audit(c, &rates), "");
        EXPECT_DOUBLE_EQ(rates.piecesPerSecond, perSecond) << every;
        EXPECT_EQ(std::pair(rates.peakKeysPerSecond, rates.sustainedKeysPerSecond),
                  std::pair(2.0, 61 / 60.0));
    }
}

// Calendar readings (clock ms, calendar seconds), each at one instant: a
// reading pins the calendar's offset from the clock to a second's width, and
// each must meet what all the earlier ones pinned, give or take 250 ms.
TEST(ChampionshipAuditTest, EachCalendarReadingMeetsWhatTheEarlierOnesPinnedWithin250Ms) {
    test::TestGame t;
    const std::int64_t start = DaysFromCivil(2026, 12, 7) * 86'400;
    const char* const off = "its calendar time does not follow its clock";
    using Readings = std::vector<std::pair<std::uint32_t, std::int64_t>>;
    for (const auto& [readings, problem] :
         {std::pair<Readings, const char*>{{{0, 0}, {1751, 3}}, ""},
          {{{0, 0}, {1750, 3}}, off},
          {{{0, 0}, {1249, 0}}, ""},
          {{{0, 0}, {1250, 0}}, off},
          {{{0, 0}, {1500, 1}, {2000, 3}}, off},   // the second reading lowered the top
          {{{0, 0}, {500, 1}, {2000, 1}}, off}}) { // and here raised the bottom
        ChampionshipAudit audit;
        audit.LocalTimeReading(LocalTimeAt(start));
        for (const auto& [ms, seconds] : readings) {
            audit.ClockReading(1000 + ms, 0, t.game);
            audit.CalendarReading(start + seconds);
            audit.ClockReading(1000 + ms, 0, t.game);
        }
        EXPECT_EQ(audit.Problem(), problem) << readings.back().first;
    }
}

// The offsets from universal time of every zone of the system's database, through a year.
std::set<long> OffsetsInUse() {
    std::set<long> offsets;
    std::ifstream table("/usr/share/zoneinfo/zone1970.tab");
    for (std::string line, countries, place, zone; std::getline(table, line);) {
        if (line.starts_with('#') || !(std::istringstream(line) >> countries >> place >> zone)) {
            continue;
        }
        setenv("TZ", zone.c_str(), 1);
        tzset();
        for (std::time_t t = 1'767'225'600; t < 1'798'761'600; t += 86'400 * 15) { // 2026
            std::tm local{};
            localtime_r(&t, &local);
            offsets.insert(local.tm_gmtoff);
        }
    }
    unsetenv("TZ");
    tzset();
    return offsets;
}

TEST(ChampionshipAuditTest, AStartInAnyZoneOfTheWorldPassesAtAnyTimeOfTheYear) {
    const std::set<long> offsets = OffsetsInUse();
    ASSERT_GT(offsets.size(), 30u) << "the zone database is missing";
    for (const long offset : offsets) {
        EXPECT_EQ(Audit({.what = "zone", .zoneSeconds = offset}), "") << offset << " s";
    }
}

// A row from 10:00:00 to `end`; a replay of a start, 9 pauses and `ticks` ticks
// that read the clock `readings` times. At most 53 ticks a second (19 ms each) for
// the 100 s played, 10 interruptions, 60 s and 25 animations, and one per entry.
TEST(ChampionshipAuditTest, TicksAndReadingsMustFitTheRowsTimes) {
    constexpr std::int64_t kReadings = 53 * (100 + 10 + 60 + 25) + 10;
    constexpr std::int64_t kTicks = 53 * (600 + 3600 + 60); // wall time, summer time, a minute
    const char* const endsBefore = "its row ends before it starts";
    const struct {
        const char* end;
        std::int32_t gameSeconds;
        std::int64_t ticks, readings;
        const char* problem;
    } cases[] = {
        {"10:10:00", 100, kTicks, kReadings, ""},
        {"10:10:00", 100, 0, kReadings + 1, "it plays more ticks than its played time allows"},
        {"10:10:00", 100, kTicks + 1, 0,
         "it holds more ticks than the time between its start and end allows"},
        {"9:00:00", 0, 0, 0, ""}, // summer time ends
        {"8:59:59", 0, 0, 0, endsBefore},
        {"10:10:00", -1, 0, 0, endsBefore},
    };
    for (const auto& c : cases) {
        Replay replay;
        ReplayWriter writer(replay);
        writer.Entry(ReplayEntry::NewGame);
        for (int p = 0; p < 9; ++p) {
            writer.Entry(ReplayEntry::Pause);
        }
        writer.Entry(ReplayEntry::Ticks, static_cast<std::uint32_t>(c.ticks));
        replay.clockStepCount = static_cast<std::uint32_t>(c.readings);
        GameStatistics row;
        row.startTime = "Monday, 7 December 2026 10:00:00";
        row.endTime = std::string("Monday, 7 December 2026 ") + c.end;
        row.gameSeconds = c.gameSeconds;
        EXPECT_EQ(ChampionshipAudit::Precheck(replay, row), c.problem) << c.end << c.readings;
    }
}

} // namespace
} // namespace brinox
