#include "ChampionshipAudit.h"

#include "ReplayReader.h"
#include "engine/CivilTime.h"
#include "engine/DateTimeText.h"
#include "engine/Game.h"
#include "engine/GameTypes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace brinox {

namespace {

// The 20 ms timer never fires faster than this on average.
constexpr std::int64_t kMinTickMs = 19;
constexpr std::int64_t kTicksPerSecondAtMost = 1000 / kMinTickMs + 1;
constexpr std::int64_t kClockBehindMs = 100;
constexpr std::int64_t kCalendarSlackMs = 250;
constexpr std::int64_t kDriftDivisor = 2000; // 0.05 %
// Every local time in use is universal time moved by whole quarter hours,
// from 12 hours behind it to 14 ahead. A list of the offsets in use is
// easily short: ours once missed the summer times of Newfoundland and of
// the Chatham Islands.
constexpr std::int64_t kQuarterHour = 900;
constexpr std::int64_t kZoneBehindMost = -12 * 3600;
constexpr std::int64_t kZoneAheadMost = 14 * 3600;
constexpr std::int64_t kLocalSlack = 2;
// The end's time is read after the last clock reading, perhaps after an animation.
constexpr std::int64_t kEndAnimationSlack = 5;
constexpr std::int64_t kSummerTime = 3600;
// Far beyond any calendar time a clock gives (about 30,000 years), so that
// the arithmetic on a forged one cannot overflow.
constexpr std::int64_t kMaxCalendar = std::int64_t{1} << 40;
// Seconds of play lost to each interruption, and the field animations of a game.
constexpr std::int64_t kAnimationsPerGame = 25;

std::int64_t Drift(std::int64_t ms) {
    return ms / kDriftDivisor;
}

} // namespace

std::string ChampionshipAudit::Precheck(const Replay& replay, const GameStatistics& claimed) {
    const auto start = ParseDateTimeText(claimed.startTime);
    const auto end = ParseDateTimeText(claimed.endTime);
    if (!start || !end) {
        return "its row's start or end is not a date and time the game writes";
    }
    const std::int64_t wall = *SecondsOf(*end) - *SecondsOf(*start);
    if (wall < -kSummerTime || claimed.gameSeconds < 0) {
        return "its row ends before it starts";
    }
    ReplayReader reader(replay);
    std::int64_t ticks = 0, entries = 0, interruptions = 0;
    ReplayEntry kind{};
    std::uint32_t value = 0;
    while (reader.NextEntry(kind, value)) {
        if (kind == ReplayEntry::Ticks) {
            ticks += value;
            continue;
        }
        ++entries;
        if (kind == ReplayEntry::Settings) {
            reader.Settings();
        }
        switch (kind) {
        case ReplayEntry::AppActive:
        case ReplayEntry::Pause:
        case ReplayEntry::Suspend:
        case ReplayEntry::NewGame:
        case ReplayEntry::StartStop:
            ++interruptions;
            break;
        default:
            break;
        }
    }
    // A pause may last hours, but never longer than the game between its start and end.
    if (ticks > kTicksPerSecondAtMost * (std::max<std::int64_t>(wall, 0) + kSummerTime + 60)) {
        return "it holds more ticks than the time between its start and end allows";
    }
    // Every played tick reads the clock; played time loses under a second at each interruption.
    const std::int64_t playable =
        kTicksPerSecondAtMost * (claimed.gameSeconds + 60 + interruptions + kAnimationsPerGame);
    if (replay.clockStepCount > playable + entries) {
        return "it plays more ticks than its played time allows";
    }
    return "";
}

void ChampionshipAudit::Fail(std::string why) {
    if (problem.empty()) {
        problem = std::move(why);
    }
}

void ChampionshipAudit::Settings(const ReplaySettings& settings, bool start) {
    if (start) {
        rules = settings;
        if (settings.gameType != Quadel || settings.gameMode != WorldChampionship ||
            settings.bombsOn != 0) {
            Fail("it is not a Quadel World Championship game without bombs");
        }
        return;
    }
    if (!rules || settings.gameType != rules->gameType || settings.gameMode != rules->gameMode ||
        settings.bombsOn != rules->bombsOn || settings.startLevel != rules->startLevel ||
        settings.startHeight != rules->startHeight) {
        Fail("it changes the game's rules during the game");
    }
}

void ChampionshipAudit::Entry(ReplayEntry kind, std::uint32_t value) {
    if (entries++ == 0 && kind != ReplayEntry::NewGame) {
        Fail("it does not begin with the start of a game");
    }
    if (kind == ReplayEntry::GameKeyUp && value < held.size()) {
        held[value] = false;
    }
    if (kind == ReplayEntry::GameKeyDown && value < held.size() &&
        !std::exchange(held[value], true)) {
        rates.peakKeysPerSecond = std::max(rates.peakKeysPerSecond,
                                           static_cast<double>(Count(keysSecond, elapsed, 1000)));
        rates.sustainedKeysPerSecond =
            std::max(rates.sustainedKeysPerSecond,
                     static_cast<double>(Count(keysMinute, elapsed, 60'000)) / 60);
    }
}

void ChampionshipAudit::ForeignRandomState() {
    Fail("it sets the random generator itself");
}

void ChampionshipAudit::ClockReading(std::uint32_t ms, std::int64_t ticks, const Game& game) {
    if (!clockStarted) {
        clockStarted = true;
        mostAhead = -kMinTickMs * ticks;
    } else {
        const std::uint32_t step = ms - lastRaw;
        if (step >= 0x8000'0000u) {
            Fail("its clock goes back");
        }
        elapsed += step;
    }
    lastRaw = ms;
    const std::int64_t ahead = elapsed - kMinTickMs * ticks;
    if (ahead < mostAhead - kClockBehindMs) {
        Fail("its clock runs slower than its ticks");
    }
    mostAhead = std::max(mostAhead, ahead);
    if (pendingCalendar) {
        CheckCalendar(*pendingCalendar, elapsed);
        pendingCalendar.reset();
    }
    const GameState& state = game.State();
    if (state.pieces != pieces) {
        for (std::int32_t p = pieces; p < state.pieces; ++p) {
            rates.piecesPerSecond =
                std::max(rates.piecesPerSecond,
                         static_cast<double>(Count(piecesMinute, elapsed, 60'000)) / 60);
        }
        pieces = state.pieces;
        for (const std::int64_t figure : {state.pieces, state.score, state.lines, state.level}) {
            course.AddNumber(figure);
        }
    }
}

void ChampionshipAudit::CalendarReading(std::int64_t seconds) {
    if (seconds < 0 || seconds > kMaxCalendar) {
        Fail("its calendar time is no date");
        return;
    }
    if (!firstCalendar && !pendingCalendar) {
        CheckZone(seconds);
    } else if (seconds < lastCalendar) {
        Fail("its calendar time goes back");
    }
    lastCalendar = seconds;
    course.AddNumber(seconds);
    if (pendingCalendar) {
        CheckCalendar(*pendingCalendar, elapsed);
    }
    pendingCalendar = Reading{seconds, elapsed};
}

// The calendar's second began at most 999 ms before the reading, which came
// between the clock readings `reading.before` and `after`: the calendar's
// offset from the clock lies in [low, high]. Every reading's range must meet
// what the earlier ones pinned down (the latest of their lows, the earliest
// of their highs), widened by the slack and the drift since the first.
void ChampionshipAudit::CheckCalendar(const Reading& reading, std::int64_t after) {
    const std::int64_t low = reading.value * 1000 - after;
    const std::int64_t high = reading.value * 1000 + 999 - reading.before;
    if (!firstCalendar) {
        firstCalendar = reading;
        anchorLow = low;
        anchorHigh = high;
        return;
    }
    const std::int64_t slack = kCalendarSlackMs + Drift(after - firstCalendar->before);
    if (low > anchorHigh + slack || high < anchorLow - slack) {
        Fail("its calendar time does not follow its clock");
    }
    anchorLow = std::max(anchorLow, low);
    anchorHigh = std::min(anchorHigh, high);
}

// The local time the game started at is the first piece's calendar time in some zone.
void ChampionshipAudit::CheckZone(std::int64_t calendar) {
    if (!startLocal) {
        Fail("its start time does not fit its calendar time");
        return;
    }
    const std::int64_t zone = startLocal->value - calendar;
    const std::int64_t quarters = std::llround(static_cast<double>(zone) / kQuarterHour);
    const std::int64_t nearest = quarters * kQuarterHour;
    if (std::llabs(zone - nearest) > kLocalSlack || nearest < kZoneBehindMost ||
        nearest > kZoneAheadMost) {
        Fail("its start time does not fit its calendar time");
    }
}

void ChampionshipAudit::LocalTimeReading(const LocalTime& time) {
    const std::optional<std::int64_t> seconds = SecondsOf(time);
    if (!seconds) {
        Fail("it reads a local time that is no real date and time");
        return;
    }
    (startLocal ? endLocal : startLocal) = Reading{*seconds, elapsed};
}

void ChampionshipAudit::Finish(const Game& game) {
    if (pendingCalendar) {
        CheckCalendar(*pendingCalendar, elapsed);
        pendingCalendar.reset();
    }
    if (!startLocal || !endLocal || !firstCalendar) {
        Fail("it lacks the times of its start and end");
        return;
    }
    const std::int64_t behind =
        (endLocal->value - startLocal->value) - (endLocal->before - startLocal->before) / 1000;
    const std::int64_t slack = kLocalSlack + Drift(elapsed) / 1000;
    constexpr std::int64_t kShifts[] = {0, kSummerTime, -kSummerTime};
    const bool fits = std::any_of(std::begin(kShifts), std::end(kShifts), [&](std::int64_t shift) {
        const std::int64_t off = behind - shift;
        return off >= -slack && off <= slack + kEndAnimationSlack;
    });
    if (!fits) {
        Fail("its end time does not fit its clock");
    }
    for (const std::int32_t cell : game.CurrentBoard().cells) {
        course.AddNumber(cell);
    }
}

std::string ChampionshipAudit::Fingerprint() {
    return Sha256::Hex(course.Finish());
}

std::size_t ChampionshipAudit::Count(std::deque<std::int64_t>& window, std::int64_t at,
                                     std::int64_t span) {
    // Counts far beyond any human's are all alike; a forged replay's keys must not fill memory.
    constexpr std::size_t kMostCounted = 100'000;
    if (window.size() == kMostCounted) {
        window.pop_front();
    }
    window.push_back(at);
    while (window.front() <= at - span) {
        window.pop_front();
    }
    return window.size();
}

} // namespace brinox
