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
#include <optional>
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
    // Fills every slot in the game's start-up loading order, except the
    // pictures of the other window size (the big blocks always: the window
    // icon is made of them), so the first frame waits only for what it shows.
    void LoadFor(WindowSize size, const std::string& appDirectory, std::int32_t blockSet,
                 std::int32_t digitSet);
    // Fills the slots LoadFor left out; nothing once they are filled.
    void LoadRest();
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
    // The start-up order, restricted to the slots `wanted` accepts.
    template <typename Wanted> void LoadInOrder(Wanted wanted);

    std::array<QImage, kPictureCount> images;
    // What LoadRest still has to read: the sets and the size LoadFor kept.
    struct Pending {
        std::string appDirectory;
        std::int32_t blockSet = 0;
        std::int32_t digitSet = 0;
        WindowSize size = WindowSize::Normal;
    };
    std::optional<Pending> pending;
};

} // namespace brinox
