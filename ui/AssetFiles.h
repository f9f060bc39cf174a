// The one home of the picture files: the table of the window's pictures
// (one row per Picture: its file and the size of one of its images), the
// start-up check list of every asset, the order in which the window loads its
// pictures, the names of the per-set pictures and the missing-files warning.
// Names are relative to appDirectory and use '/'. Plain C++.
#pragma once

#include "EnumTable.h"
#include "WindowGeometry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brinox {

// The window's pictures, one slot each. Pictures that exist in both window
// sizes have two neighbouring slots, Normal first.
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

namespace assets {

// Which set a picture's file follows; its file name then holds a '#' for the set.
enum class SetOf : std::int32_t { None, Blocks, Digits };

struct PictureRow {
    Picture picture;
    std::string_view file;
    // One image of the picture (the whole picture when it holds one).
    geometry::Size image;
    SetOf set = SetOf::None;
};

namespace detail {
// Most pictures fill a place of the window; those that exist once have the
// same size in both windows.
inline constexpr const geometry::WindowGeometry& kN = geometry::kNormal;
inline constexpr const geometry::WindowGeometry& kB = geometry::kBig;
constexpr geometry::Size ButtonImage(ToolButton button) {
    return kN.Button(button).Extent();
}
} // namespace detail

// clang-format off
inline constexpr std::array<PictureRow, kPictureCount> kPictures = {{
    {Picture::Back, "graph/back.bmp", detail::kN.client},
    {Picture::BackBig, "graph/backb.bmp", detail::kB.client},
    {Picture::Idle, "graph/back1.bmp", detail::kN.playingArea.Extent()},
    {Picture::IdleBig, "graph/back1b.bmp", detail::kB.playingArea.Extent()},
    {Picture::ColorField, "graph/back2.bmp", detail::kN.playingArea.Extent()},
    {Picture::ColorFieldBig, "graph/back2b.bmp", detail::kB.playingArea.Extent()},
    {Picture::Field3D, "graph/back3.bmp", detail::kN.playingArea.Extent()},
    {Picture::Field3DBig, "graph/back3b.bmp", detail::kB.playingArea.Extent()},
    {Picture::FantasyField, "graph/back4.bmp", detail::kN.playingArea.Extent()},
    {Picture::FantasyFieldBig, "graph/back4b.bmp", detail::kB.playingArea.Extent()},
    {Picture::Blocks, "graph/items#.bmp", detail::kN.cell, SetOf::Blocks},
    {Picture::BlocksBig, "graph/items#b.bmp", detail::kB.cell, SetOf::Blocks},
    {Picture::Removal, "graph/ianim#.bmp", detail::kN.cell, SetOf::Blocks},
    {Picture::RemovalBig, "graph/ianim#b.bmp", detail::kB.cell, SetOf::Blocks},
    {Picture::Explosion, "graph/expl.bmp", detail::kN.cell},
    {Picture::ExplosionBig, "graph/explb.bmp", detail::kB.cell},
    {Picture::ToolBar, "graph/toolbar.bmp", detail::kN.toolBar.Extent()},
    {Picture::NextBar, "graph/nextbar.bmp", detail::kN.nextBar.Extent()},
    // Digits 0..9 and a blank cell, then a 7-pixel colon. '#' is empty for set 0, else set + 1.
    {Picture::Digits, "graph/digits#.bmp", {16, 21}, SetOf::Digits},
    // Digits 0..9, colon, blank.
    {Picture::ClockDigits, "graph/tdigits.bmp", {5, 9}},
    {Picture::BarShown, "graph/bbarmin.bmp", detail::ButtonImage(ToolButton::NextBarToggle)},
    {Picture::BarHidden, "graph/bbarplus.bmp", detail::ButtonImage(ToolButton::NextBarToggle)},
    {Picture::Start, "graph/bstart.bmp", detail::ButtonImage(ToolButton::StartStop)},
    {Picture::Stop, "graph/bstop.bmp", detail::ButtonImage(ToolButton::StartStop)},
    {Picture::PauseOff, "graph/bpauseof.bmp", detail::ButtonImage(ToolButton::Pause)},
    {Picture::PauseOn, "graph/bpauseon.bmp", detail::ButtonImage(ToolButton::Pause)},
    {Picture::PauseDisabled, "graph/bpausex.bmp", detail::ButtonImage(ToolButton::Pause)},
    {Picture::OptionsButton, "graph/boptions.bmp", detail::ButtonImage(ToolButton::Options)},
    {Picture::Save, "graph/bsave.bmp", detail::ButtonImage(ToolButton::Save)},
    {Picture::SaveDisabled, "graph/bsavex.bmp", detail::ButtonImage(ToolButton::Save)},
    {Picture::Load, "graph/bload.bmp", detail::ButtonImage(ToolButton::Load)},
    {Picture::Table, "graph/btable.bmp", detail::ButtonImage(ToolButton::LocalBestScores)},
    {Picture::WorldTable, "graph/bwwwtbl.bmp", detail::ButtonImage(ToolButton::WorldTop10)},
    {Picture::HelpButton, "graph/bhelp.bmp", detail::ButtonImage(ToolButton::Help)},
    {Picture::Exit, "graph/bexit.bmp", detail::ButtonImage(ToolButton::Exit)},
    {Picture::Types, "graph/btypes.bmp", detail::ButtonImage(ToolButton::GameType)},
    {Picture::TypesDisabled, "graph/btypesx.bmp", detail::ButtonImage(ToolButton::GameType)},
    {Picture::Modes, "graph/bmodes.bmp", detail::ButtonImage(ToolButton::GameMode)},
    {Picture::ModesDisabled, "graph/bmodesx.bmp", detail::ButtonImage(ToolButton::GameMode)},
    {Picture::BombsButton, "graph/bbombs.bmp", detail::ButtonImage(ToolButton::Bombs)},
    {Picture::BombsDisabled, "graph/bbombsx.bmp", detail::ButtonImage(ToolButton::Bombs)},
    {Picture::TypeLabels, "graph/types.bmp", detail::kN.gameTypeLabel.Extent()},
    {Picture::ModeLabels, "graph/modes.bmp", detail::kN.gameModeLabel.Extent()},
    {Picture::BombLabels, "graph/bombs.bmp", detail::kN.bombsLabel.Extent()},
    {Picture::Logo, "graph/blogo.bmp", detail::ButtonImage(ToolButton::Logo)},
    {Picture::StatusShown, "graph/bmin.bmp", detail::ButtonImage(ToolButton::StatusBarToggle)},
    {Picture::StatusHidden, "graph/bplus.bmp", detail::ButtonImage(ToolButton::StatusBarToggle)},
    {Picture::StatusCover, "graph/stat.bmp", detail::kN.statusCover.Extent()},
    // The 26 status-bar lines, stacked from the top.
    {Picture::StatusLines, "graph/help.bmp", detail::kN.messageStrip.Extent()},
}};
// clang-format on

static_assert(RowsInEnumOrder(kPictures, &PictureRow::picture));

namespace detail {
// A '#' stands in the file name exactly when the file follows a set.
constexpr bool SetMarksAgree() {
    for (const PictureRow& row : kPictures) {
        if ((row.file.find('#') != std::string_view::npos) != (row.set != SetOf::None)) {
            return false;
        }
    }
    return true;
}
} // namespace detail
static_assert(detail::SetMarksAgree());

constexpr const PictureRow& Row(Picture picture) {
    return kPictures[IndexOf(picture)];
}
// The file of a picture that follows no set.
constexpr std::string_view File(Picture picture) {
    return Row(picture).file;
}
// The size of one image of the picture.
constexpr geometry::Size ImageSize(Picture picture) {
    return Row(picture).image;
}

// A picture's file with these sets.
std::string PictureFile(Picture picture, std::int32_t blockSet, std::int32_t digitSet);

// The 49 pictures the window loads at creation, in loading order.
// clang-format off
inline constexpr std::array<Picture, kPictureCount> kStartupOrder = {
    Picture::Back, Picture::BackBig, Picture::Blocks, Picture::BlocksBig, Picture::ToolBar,
    Picture::NextBar, Picture::Removal, Picture::RemovalBig, Picture::Digits, Picture::Explosion,
    Picture::ExplosionBig, Picture::BarShown, Picture::BarHidden, Picture::Start, Picture::Stop,
    Picture::PauseOff, Picture::PauseOn, Picture::PauseDisabled, Picture::OptionsButton,
    Picture::Save, Picture::SaveDisabled, Picture::Load, Picture::Table, Picture::WorldTable,
    Picture::HelpButton, Picture::Exit, Picture::Types, Picture::TypesDisabled, Picture::Modes,
    Picture::ModesDisabled, Picture::BombsButton, Picture::BombsDisabled, Picture::TypeLabels,
    Picture::ModeLabels, Picture::BombLabels, Picture::Idle, Picture::IdleBig,
    Picture::ColorField, Picture::ColorFieldBig, Picture::Field3D, Picture::Field3DBig,
    Picture::FantasyField, Picture::FantasyFieldBig, Picture::Logo, Picture::StatusShown,
    Picture::StatusHidden, Picture::StatusCover, Picture::StatusLines, Picture::ClockDigits};
// clang-format on

namespace detail {
constexpr bool LoadsEveryPictureOnce() {
    std::array<int, kPictureCount> seen{};
    for (Picture picture : kStartupOrder) {
        if (++seen[IndexOf(picture)] != 1) {
            return false;
        }
    }
    return true;
}
} // namespace detail
static_assert(detail::LoadsEveryPictureOnce());

// Pictures of the information dialogs. They are not on the start-up check
// list: a dialog without its picture still works.
inline constexpr std::string_view kAboutPicture = "graph/about.bmp";
inline constexpr std::array<std::string_view, 3> kChampionsDecor = {
    "graph/chcup.bmp", "graph/chlaurel.bmp", "graph/chblocks.bmp"};
// The portrait of a championship's winner; place 1 to 3.
inline std::string ChampionPicture(std::int32_t year, std::int32_t place) {
    return "graph/ch" + std::to_string(year) + "_" + std::to_string(place) + ".bmp";
}

inline constexpr std::int32_t kBlockSetCount = 14;
inline constexpr std::int32_t kDigitSetCount = 3;

// Per-set pictures; sizeIndex 0 is Normal, 1 is Big.
std::string BlockPicture(std::int32_t blockSet, std::int32_t sizeIndex);
std::string RemovalPicture(std::int32_t blockSet, std::int32_t sizeIndex);
std::string DigitPicture(std::int32_t digitSet);

// Every file the start-up check looks for, in the order of the warning:
// the help file, 11 sounds, 103 pictures.
const std::vector<std::string>& CheckList();

// The check-list entries that cannot be opened under appDirectory.
std::vector<std::string> MissingAssetFiles(const std::string& appDirectory);

// The start-up warning for these files; empty when nothing is missing. Its
// two texts go through `shown` (the window's translation, context
// "Messages"); the file names stay as they are.
using ShownText = std::function<std::string(const char* english)>;
std::string MissingFilesWarning(
    const std::vector<std::string>& missing,
    const ShownText& shown = [](const char* english) { return std::string(english); });

} // namespace assets
} // namespace brinox
