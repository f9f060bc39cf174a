// The one home of the picture file names: the start-up check list of every
// asset, the order in which the window loads its pictures, the names of the
// per-set pictures, and the missing-files warning. Names are relative to
// appDirectory and use '/'.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brinox::assets {

// Pictures that exist once.
inline constexpr std::string_view kBack = "graph/back.bmp";
inline constexpr std::string_view kBackBig = "graph/backb.bmp";
inline constexpr std::string_view kIdle = "graph/back1.bmp";
inline constexpr std::string_view kIdleBig = "graph/back1b.bmp";
inline constexpr std::string_view kColorField = "graph/back2.bmp";
inline constexpr std::string_view kColorFieldBig = "graph/back2b.bmp";
inline constexpr std::string_view k3dField = "graph/back3.bmp";
inline constexpr std::string_view k3dFieldBig = "graph/back3b.bmp";
inline constexpr std::string_view kFantasyField = "graph/back4.bmp";
inline constexpr std::string_view kFantasyFieldBig = "graph/back4b.bmp";
inline constexpr std::string_view kExplosion = "graph/expl.bmp";
inline constexpr std::string_view kExplosionBig = "graph/explb.bmp";
inline constexpr std::string_view kToolBar = "graph/toolbar.bmp";
inline constexpr std::string_view kNextBar = "graph/nextbar.bmp";
inline constexpr std::string_view kClockDigits = "graph/tdigits.bmp";
inline constexpr std::string_view kStart = "graph/bstart.bmp";
inline constexpr std::string_view kStop = "graph/bstop.bmp";
inline constexpr std::string_view kPauseOff = "graph/bpauseof.bmp";
inline constexpr std::string_view kPauseOn = "graph/bpauseon.bmp";
inline constexpr std::string_view kPauseDisabled = "graph/bpausex.bmp";
inline constexpr std::string_view kOptionsButton = "graph/boptions.bmp";
inline constexpr std::string_view kSave = "graph/bsave.bmp";
inline constexpr std::string_view kSaveDisabled = "graph/bsavex.bmp";
inline constexpr std::string_view kLoad = "graph/bload.bmp";
inline constexpr std::string_view kTable = "graph/btable.bmp";
inline constexpr std::string_view kWorldTable = "graph/bwwwtbl.bmp";
inline constexpr std::string_view kHelpButton = "graph/bhelp.bmp";
inline constexpr std::string_view kExit = "graph/bexit.bmp";
inline constexpr std::string_view kTypes = "graph/btypes.bmp";
inline constexpr std::string_view kTypesDisabled = "graph/btypesx.bmp";
inline constexpr std::string_view kModes = "graph/bmodes.bmp";
inline constexpr std::string_view kModesDisabled = "graph/bmodesx.bmp";
inline constexpr std::string_view kBombsButton = "graph/bbombs.bmp";
inline constexpr std::string_view kBombsDisabled = "graph/bbombsx.bmp";
inline constexpr std::string_view kTypeLabels = "graph/types.bmp";
inline constexpr std::string_view kModeLabels = "graph/modes.bmp";
inline constexpr std::string_view kBombLabels = "graph/bombs.bmp";
inline constexpr std::string_view kLogo = "graph/blogo.bmp";
inline constexpr std::string_view kBarShown = "graph/bbarmin.bmp";
inline constexpr std::string_view kBarHidden = "graph/bbarplus.bmp";
inline constexpr std::string_view kStatusShown = "graph/bmin.bmp";
inline constexpr std::string_view kStatusHidden = "graph/bplus.bmp";
inline constexpr std::string_view kStatusLines = "graph/help.bmp";
inline constexpr std::string_view kStatusCover = "graph/stat.bmp";

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

// The 49 pictures the window loads at creation, in loading order.
std::vector<std::string> StartupPictures(std::int32_t blockSet, std::int32_t digitSet);

// The check-list entries that cannot be opened under appDirectory.
std::vector<std::string> MissingAssetFiles(const std::string& appDirectory);

// The start-up warning for these files; empty when nothing is missing.
std::string MissingFilesWarning(const std::vector<std::string>& missing);

} // namespace brinox::assets
