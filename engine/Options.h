// The player's settings, one record for the whole run. Filled with the
// defaults at start-up, then replaced by the options file when it is valid.
// The engine reads the game settings and keys and never writes them during
// play. Key codes are the numbers of the game's key table (Windows
// virtual-key codes), whatever the toolkit delivers.
#pragma once

#include "SoundEvent.h"

#include <array>
#include <cstdint>
#include <string>

namespace brinox {

enum FieldBackground : std::int32_t { GreyField = 0, UserColor = 1, ColorField = 2, Field3D = 3, FantasyField = 4 };

struct Options {
    std::int32_t gameType = 0;
    std::int32_t gameMode = 0;
    std::int32_t bombsOn = 1;
    std::int32_t startLevel = 0;  // 0..19, the game starts at startLevel + 1
    std::int32_t startHeight = 0; // 0..13 pre-filled rows
    std::int32_t demolitionSpeed = 50;     // ms between row-removal and explosion frames
    std::int32_t levelAnimationSpeed = 50; // ms between field-animation rows
    std::int32_t showNextBar = 1;
    std::int32_t showToolBar = 1;
    std::int32_t showStatusBar = 1;
    std::int32_t userColor = 0; // 0x00BBGGRR
    std::int32_t fieldBackground = GreyField;
    std::int32_t reservedFlag = 1;
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
    std::int32_t blockSet = 6;
    std::int32_t digitSet = 0;
    std::int32_t animateTitle = 1;
    std::int32_t soundOn = 1;
    std::array<std::int32_t, kSoundEventCount> soundEnabled{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::array<std::string, kSoundEventCount> soundFile{};

    // Every field but the sound files back to its default.
    void SetDefaults();
    // The twelve sound files to appDirectory + their default names.
    void SetDefaultSoundFiles(const std::string& appDirectory);
    // Sets one event back to on with its default file.
    void ResetSound(std::int32_t event, const std::string& appDirectory);

    bool operator==(const Options&) const = default;
};

// Ranges of the fields the options pages can produce.
inline constexpr std::int32_t kMaxStartLevel = 19;
inline constexpr std::int32_t kMaxStartHeight = 13;
inline constexpr std::int32_t kMaxSpeed = 1000;
inline constexpr std::int32_t kBlockSets = 14;
inline constexpr std::int32_t kDigitSets = 3;

} // namespace brinox
