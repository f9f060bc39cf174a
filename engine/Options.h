// The player's settings, one record for the whole run. Filled with the
// defaults at start-up, then replaced by the options file when it is valid.
// The engine reads the game settings and keys and never writes them during
// play. Key codes are the numbers of the game's key table (Windows
// virtual-key codes), whatever the toolkit delivers.
#pragma once

#include "GameTypes.h"
#include "SoundEvent.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace brinox {

enum FieldBackground : std::int32_t {
    GreyField = 0,
    UserColor = 1,
    ColorField = 2,
    Field3D = 3,
    FantasyField = 4
};

// The record is made of the groups the four option pages own, so that
// applying the sheet compares and copies a page's group as a whole and a new
// field cannot be missed there. Every field belongs to exactly one group.

// Game page: the settings of the next game and the two animation pauses.
struct GameOptions {
    std::int32_t gameType = 0;
    std::int32_t gameMode = 0;
    std::int32_t bombsOn = 1;
    std::int32_t startLevel = 0;           // 0..19, the game starts at startLevel + 1
    std::int32_t startHeight = 0;          // 0..13 pre-filled rows
    std::int32_t demolitionSpeed = 50;     // ms between row-removal and explosion frames
    std::int32_t levelAnimationSpeed = 50; // ms between field-animation rows

    bool operator==(const GameOptions&) const = default;
};

// Interface page: what the window shows and how.
struct InterfaceOptions {
    std::int32_t showNextBar = 1;
    std::int32_t showToolBar = 1;
    std::int32_t showStatusBar = 1;
    std::int32_t userColor = 0; // 0x00BBGGRR
    std::int32_t fieldBackground = GreyField;
    std::int32_t reservedFlag = 1; // stored and read back, used nowhere else
    std::int32_t blockSet = 6;
    std::int32_t digitSet = 0;
    std::int32_t animateTitle = 1;
    // A shape of its own on each piece kind's blocks, for players who cannot
    // tell the colours apart. Kept in a file of its own (files::kPieceMarks),
    // never in brinox.dat, whose layout other copies of the game read.
    std::int32_t pieceMarks = 0;

    bool operator==(const InterfaceOptions&) const = default;
};

// Control page: the six keys and the auto-repeat delays of five of them.
struct ControlOptions {
    std::int32_t keyLeft = 37;
    std::int32_t keyRight = 39;
    std::int32_t keyDown = 40;
    std::int32_t keyDrop = 32;
    std::int32_t keyRotate = 38;
    std::int32_t keyPause = 19;
    std::int32_t sensLeft = 50;
    std::int32_t sensRight = 50;
    std::int32_t sensDown = 50;
    std::int32_t sensDrop = 1000;
    std::int32_t sensRotate = 100;

    bool operator==(const ControlOptions&) const = default;
};

// Sound page: the master switch, one switch and one file per event.
struct SoundOptions {
    std::int32_t soundOn = 1;
    std::array<std::int32_t, kSoundEventCount> soundEnabled{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::array<std::string, kSoundEventCount> soundFile{};

    bool operator==(const SoundOptions&) const = default;
};

// The fields are read flat (options.keyLeft); a group is reached by
// conversion (const ControlOptions& keys = options). Fields are added to a
// group, never here: the check after the record fails the build otherwise.
struct Options : GameOptions, InterfaceOptions, ControlOptions, SoundOptions {
    // Every field back to its default; the sound files empty until
    // SetDefaultSoundFiles knows the game directory.
    void SetDefaults();
    // The twelve sound files to appDirectory + their default names.
    void SetDefaultSoundFiles(const std::string& appDirectory);
    // Sets one event back to on with its default file.
    void ResetSound(std::int32_t event, const std::string& appDirectory);

    bool operator==(const Options&) const = default;
};

namespace detail {
// Converts to anything: an aggregate takes five of them only if it has a fifth
// base or member besides the four groups.
struct AnyField {
    template <class T> operator T() const;
};
template <class Record>
concept HasFieldOutsideGroups = requires {
    Record{AnyField{}, AnyField{}, AnyField{}, AnyField{}, AnyField{}};
};
} // namespace detail
static_assert(!detail::HasFieldOutsideGroups<Options>, "every option belongs to a page's group");

// Ranges of the fields the options pages can produce.
inline constexpr std::int32_t kMaxStartLevel = 19;
inline constexpr std::int32_t kMaxStartHeight = 13;
inline constexpr std::int32_t kMaxSpeed = 1000;
inline constexpr std::int32_t kBlockSets = 14;
inline constexpr std::int32_t kDigitSets = 3;
inline constexpr std::int32_t kMaxKeyCode = 255; // key codes index 256-entry key tables

// The range of each number field the game reads. A value outside it never
// comes from the game itself, only from a damaged or foreign file. A typed
// speed has no upper limit (only the spin buttons keep to 0..kMaxSpeed).
struct OptionLimit {
    std::int32_t Options::*field;
    std::int32_t low;
    std::int32_t high;
};
inline constexpr std::int32_t kNoLimit = std::numeric_limits<std::int32_t>::max();
inline constexpr OptionLimit kOptionLimits[] = {
    {&Options::gameType, Quadel, Quinel},
    {&Options::gameMode, Classic, WorldChampionship},
    {&Options::bombsOn, 0, 1},
    {&Options::startLevel, 0, kMaxStartLevel},
    {&Options::startHeight, 0, kMaxStartHeight},
    {&Options::demolitionSpeed, 0, kNoLimit},
    {&Options::levelAnimationSpeed, 0, kNoLimit},
    {&Options::showNextBar, 0, 1},
    {&Options::showToolBar, 0, 1},
    {&Options::showStatusBar, 0, 1},
    {&Options::fieldBackground, GreyField, FantasyField},
    {&Options::blockSet, 0, kBlockSets - 1},
    {&Options::digitSet, 0, kDigitSets - 1},
    {&Options::animateTitle, 0, 1},
    {&Options::pieceMarks, 0, 1},
    {&Options::keyLeft, 1, kMaxKeyCode},
    {&Options::keyRight, 1, kMaxKeyCode},
    {&Options::keyDown, 1, kMaxKeyCode},
    {&Options::keyDrop, 1, kMaxKeyCode},
    {&Options::keyRotate, 1, kMaxKeyCode},
    {&Options::keyPause, 1, kMaxKeyCode},
    {&Options::sensLeft, 0, kNoLimit},
    {&Options::sensRight, 0, kNoLimit},
    {&Options::sensDown, 0, kNoLimit},
    {&Options::sensDrop, 0, kNoLimit},
    {&Options::sensRotate, 0, kNoLimit},
    {&Options::soundOn, 0, 1},
};

// Whether every field of kOptionLimits lies within its range.
bool WithinLimits(const Options& options);

} // namespace brinox
