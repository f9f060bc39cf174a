// A recorded game: the settings it started with and everything the engine
// was given while it ran, so that the same engine plays it again tick for tick.
//
// Three streams, each in the order the engine asked or was told:
// - `inputs`: what came from outside (ticks, keys, commands, dialogs), the
//   settings or the random generator's state where something other than the
//   engine changed them, and the end of each prompt the engine opened;
// - `answers`: what the host answered (calendar seconds, local times, best
//   scores, the cancel question) and the generator's state after each
//   animation or prompt, in case its code drew from the generator;
// - `clock`: the millisecond readings.
// The streams are already compact here; `ReplayWriter` fills them and
// `ReplayReader` reads them back, `ReplayFile` turns the whole into a file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace brinox {

struct Options;

// The options the engine reads while it plays: the game settings, the five
// game keys and their repeat delays. Sounds and looks are the watcher's own.
struct ReplaySettings {
    std::int32_t gameType = 0;
    std::int32_t gameMode = 0;
    std::int32_t bombsOn = 0;
    std::int32_t startLevel = 0;
    std::int32_t startHeight = 0;
    std::int32_t keyLeft = 0;
    std::int32_t keyRight = 0;
    std::int32_t keyDown = 0;
    std::int32_t keyDrop = 0;
    std::int32_t keyRotate = 0;
    std::int32_t sensLeft = 0;
    std::int32_t sensRight = 0;
    std::int32_t sensDown = 0;
    std::int32_t sensDrop = 0;
    std::int32_t sensRotate = 0;

    static ReplaySettings Of(const Options& options);
    void ApplyTo(Options& options) const;
    bool operator==(const ReplaySettings&) const = default;

    // The fields in the order the streams and the file hold them.
    using Field = std::int32_t ReplaySettings::*;
    static constexpr std::array<Field, 15> kFields{
        &ReplaySettings::gameType,   &ReplaySettings::gameMode,    &ReplaySettings::bombsOn,
        &ReplaySettings::startLevel, &ReplaySettings::startHeight, &ReplaySettings::keyLeft,
        &ReplaySettings::keyRight,   &ReplaySettings::keyDown,     &ReplaySettings::keyDrop,
        &ReplaySettings::keyRotate,  &ReplaySettings::sensLeft,    &ReplaySettings::sensRight,
        &ReplaySettings::sensDown,   &ReplaySettings::sensDrop,    &ReplaySettings::sensRotate};
};

// Kinds of the entries of the inputs stream; the game inputs keep the numbers
// of GameInput.
enum class ReplayEntry : std::int32_t {
    Ticks = 0,   // a run of ticks; value: how many
    KeyDown = 1, // value: the key code
    KeyUp = 2,
    AppActive = 3,
    NewGame = 4,
    StartStop = 5,
    Pause = 6,
    Suspend = 7,
    Resume = 8,
    KeepStopped = 9,
    GameKeyDown = 10, // value: the game key (GameKey) whose code the settings give
    PromptEnd = 11,   // the prompt the engine opened returns here
    RandomState = 12, // value: the generator's state
    Settings = 13,    // followed by the settings' fields
    GameOver = 14,    // the game handed its result on
    GameKeyUp = 15,
};

// The byte and bit codes the writer and the reader share.
namespace replaycode {
// An inputs byte with this bit is an entry of any kind (low four bits) that
// may carry a number; without it, a game key (low three bits) pressed or,
// with bit 3, released. Bits 4..6: the ticks before it.
inline constexpr std::uint8_t kGenericEntry = 0x80;
inline constexpr std::int64_t kTicksInByte = 7;
// The two-bit clock step codes, against the step before.
inline constexpr std::uint8_t kSameStep = 0;
inline constexpr std::uint8_t kStepLonger = 1;  // by 1 ms
inline constexpr std::uint8_t kStepShorter = 2; // by 1 ms
inline constexpr std::uint8_t kStepEscape = 3;  // the change is in the escapes
} // namespace replaycode

struct Replay {
    std::string engineVersion;
    ReplaySettings settings;
    std::uint32_t randomState = 0;
    std::vector<std::uint8_t> inputs;
    std::vector<std::uint8_t> answers;
    // The clock: the first reading after each input is the last one plus a
    // step, coded in two bits against the step before (four to a byte, low
    // bits first; code 3: the difference is in `clockEscapes`); later
    // readings repeat it except where `clockChanges` says otherwise.
    std::vector<std::uint8_t> clockSteps;
    std::uint32_t clockStepCount = 0;
    std::vector<std::uint8_t> clockEscapes;
    std::vector<std::uint8_t> clockChanges;

    bool operator==(const Replay&) const = default;
};

// The version of the rules this engine plays by; a replay made by another
// cannot be played again.
const char* EngineVersion();

} // namespace brinox
