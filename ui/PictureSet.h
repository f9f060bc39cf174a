// The pictures of the window, one slot each, converted once for drawing.
// Pictures that exist in both window sizes have two neighbouring images,
// Normal first. A slot whose file is missing or damaged holds a null image,
// which every drawing routine skips, so a broken asset never leaves drawing
// without a slot. Only the block, removal and digit pictures of the current
// sets are held; choosing another set reloads just those.
#pragma once

#include "WindowSize.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <string>

namespace brinox {

enum class Picture : std::int32_t {
    Back,
    BackBig,
    Idle,
    IdleBig,
    ColorField,
    ColorFieldBig,
    Field3D,
    Field3DBig,
    FantasyField,
    FantasyFieldBig,
    Blocks,
    BlocksBig,
    Removal,
    RemovalBig,
    Explosion,
    ExplosionBig,
    ToolBar,
    NextBar,
    Digits,
    ClockDigits,
    BarShown,
    BarHidden,
    Start,
    Stop,
    PauseOff,
    PauseOn,
    PauseDisabled,
    OptionsButton,
    Save,
    SaveDisabled,
    Load,
    Table,
    WorldTable,
    HelpButton,
    Exit,
    Types,
    TypesDisabled,
    Modes,
    ModesDisabled,
    BombsButton,
    BombsDisabled,
    TypeLabels,
    ModeLabels,
    BombLabels,
    Logo,
    StatusShown,
    StatusHidden,
    StatusCover,
    StatusLines,
    Count,
};

inline constexpr std::int32_t kPictureCount = static_cast<std::int32_t>(Picture::Count);

class PictureSet {
public:
    // Fills every slot in the game's start-up loading order.
    void LoadAll(const std::string& appDirectory, std::int32_t blockSet, std::int32_t digitSet);
    // Replaces the block and removal pictures (both sizes) by those of another set.
    void LoadBlockSet(const std::string& appDirectory, std::int32_t blockSet);
    void LoadDigitSet(const std::string& appDirectory, std::int32_t digitSet);
    // Releases every picture.
    void Clear();

    const QImage& Get(Picture picture) const { return images[static_cast<std::size_t>(picture)]; }
    // The slot of a two-size picture for the given size; `normal` names the Normal slot.
    const QImage& Get(Picture normal, WindowSize size) const {
        return images[static_cast<std::size_t>(normal) + static_cast<std::size_t>(size)];
    }

    // The file a slot is read from with the given sets.
    static std::string FileName(Picture picture, std::int32_t blockSet, std::int32_t digitSet);

private:
    void Load(const std::string& appDirectory, Picture picture, const std::string& name);

    std::array<QImage, kPictureCount> images;
};

} // namespace brinox
