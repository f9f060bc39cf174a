// The checks that make a replay a proof of a World Championship game: that
// it is a game the real program could have played, from its first piece to
// its end, under the championship's rules. Only the player's inputs and the
// clock come from the replay; everything else the engine reads must be what
// the program itself would have produced. The replay player tells the audit
// every reading and entry as it plays; the audit keeps the first reason the
// replay cannot be genuine, and the figures of the play it saw.
//
// Tolerances, chosen for real clocks and never in a forger's favour:
// - a tick of the 20 ms timer takes at least 19 ms (a late tick may follow an
//   overdue one at once, so the clock may fall behind by 100 ms at most);
// - the calendar follows the millisecond clock within 250 ms plus 0.05 % of
//   the time since the first piece (time servers slew clocks by less);
// - a local time is the calendar time moved by whole quarter hours (12 hours
//   back at most, 14 ahead) within 2 s, and the game's end by the start's
//   offset or one hour more or less (a change to or from summer time).
#pragma once

#include "Replay.h"
#include "engine/Clock.h"
#include "engine/GameStatistics.h"
#include "engine/Sha256.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace brinox {

class Game;

// How fast the game was played: key presses of the five game keys and pieces.
struct PlayRates {
    double peakKeysPerSecond = 0;      // the most presses within any 1 s
    double sustainedKeysPerSecond = 0; // the most presses within any 60 s, per second
    double piecesPerSecond = 0;        // the most pieces within any 60 s, per second
};

class ChampionshipAudit {
public:
    // Checked before anything is played: whether the replay's ticks and clock
    // readings fit the row's start and end times and played time. The reason
    // when they do not, otherwise empty.
    static std::string Precheck(const Replay& replay, const GameStatistics& claimed);

    // The settings the replay starts with (start) or changes to.
    void Settings(const ReplaySettings& settings, bool start);
    // An entry of the inputs and its value, before it is played.
    void Entry(ReplayEntry kind, std::uint32_t value);
    // The replay set the random generator, or answered a state for it.
    void ForeignRandomState();
    // A reading of the millisecond clock, after `ticks` ticks have begun.
    void ClockReading(std::uint32_t ms, std::int64_t ticks, const Game& game);
    void CalendarReading(std::int64_t seconds);
    void LocalTimeReading(const LocalTime& time);
    // The game is over: the last checks, and the game's end into the fingerprint.
    void Finish(const Game& game);

    // Why the replay cannot be the program's game; empty while it can.
    const std::string& Problem() const { return problem; }
    const PlayRates& Rates() const { return rates; }
    // The game's course as a hex SHA-256: its seeds, each landing's score,
    // lines and level, and the final board, so that the same game sent again
    // with other pauses or other keys pressed in vain is known as the same.
    std::string Fingerprint();

private:
    struct Reading {
        std::int64_t value;  // calendar or local seconds
        std::int64_t before; // the clock (ms since the first reading) before it
    };

    void Fail(std::string why);
    void CheckCalendar(const Reading& reading, std::int64_t after);
    void CheckZone(std::int64_t calendar);
    // Counts an event at `at` ms in a window of `span` ms; the most it held.
    static std::size_t Count(std::deque<std::int64_t>& window, std::int64_t at, std::int64_t span);

    std::string problem;
    std::optional<ReplaySettings> rules;
    std::int64_t entries = 0;

    // The clock: ms since the first reading, and how far ahead of its ticks it ran at most.
    bool clockStarted = false;
    std::uint32_t lastRaw = 0;
    std::int64_t elapsed = 0;
    std::int64_t mostAhead = 0;

    std::optional<Reading> pendingCalendar; // checked at the next clock reading
    std::optional<Reading> firstCalendar;
    // The calendar's offset from the clock: the latest low and earliest high seen.
    std::int64_t anchorLow = 0, anchorHigh = 0;
    std::int64_t lastCalendar = 0;
    std::optional<Reading> startLocal;
    std::optional<Reading> endLocal;

    std::int32_t pieces = 0;
    // The game keys held: the window tells of one press several times, and
    // only a key going down is a press.
    std::array<bool, 8> held{};
    std::deque<std::int64_t> keysSecond, keysMinute, piecesMinute;
    PlayRates rates;
    Sha256 course;
};

} // namespace brinox
