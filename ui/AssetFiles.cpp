#include "AssetFiles.h"

#include "engine/FileNames.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace brinox::assets {

namespace {

std::string Graph(std::string_view file) {
    return std::string(files::kPictureDir) + std::string(file);
}

std::string Numbered(std::string_view stem, std::int32_t number, std::string_view suffix) {
    return Graph(std::string(stem) + std::to_string(number) + std::string(suffix) + ".bmp");
}

std::vector<std::string> BuildCheckList() {
    std::vector<std::string> list{std::string(files::kHelp)};
    // The default sounds in alphabetical order; the best-score sound is
    // optional and never reported.
    constexpr std::array<std::size_t, 11> kCheckedSounds = {8, 3, 10, 0, 1, 4, 5, 6, 2, 9, 7};
    for (std::size_t event : kCheckedSounds) {
        list.emplace_back(files::kDefaultSounds[event]);
    }
    for (std::string_view name :
         {kBack,          kBackBig,     kIdle,        kIdleBig,       kColorField,
          kColorFieldBig, k3dField,     k3dFieldBig,  kFantasyField,  kFantasyFieldBig,
          kBarShown,      kBarHidden,   kBombsButton, kBombsDisabled, kExit,
          kHelpButton,    kLoad,        kLogo,        kStatusShown,   kStatusHidden,
          kStatusCover,   kStatusLines, kModes,       kModesDisabled, kBombLabels,
          kOptionsButton, kPauseOff,    kPauseOn,     kPauseDisabled, kSave,
          kSaveDisabled,  kStart,       kStop,        kTable,         kTypes,
          kTypesDisabled, kWorldTable}) {
        list.emplace_back(name);
    }
    for (std::int32_t set = 0; set < kDigitSetCount; ++set) {
        list.push_back(DigitPicture(set));
    }
    list.emplace_back(kExplosion);
    list.emplace_back(kExplosionBig);
    for (std::int32_t size = 0; size < 2; ++size) {
        for (std::int32_t set = 0; set < kBlockSetCount; ++set) {
            list.push_back(RemovalPicture(set, size));
        }
    }
    for (std::int32_t size = 0; size < 2; ++size) {
        for (std::int32_t set = 0; set < kBlockSetCount; ++set) {
            list.push_back(BlockPicture(set, size));
        }
    }
    for (std::string_view name : {kModeLabels, kNextBar, kToolBar, kTypeLabels, kClockDigits}) {
        list.emplace_back(name);
    }
    return list;
}

} // namespace

std::string BlockPicture(std::int32_t blockSet, std::int32_t sizeIndex) {
    return Numbered("items", blockSet, sizeIndex == 0 ? "" : "b");
}

std::string RemovalPicture(std::int32_t blockSet, std::int32_t sizeIndex) {
    return Numbered("ianim", blockSet, sizeIndex == 0 ? "" : "b");
}

std::string DigitPicture(std::int32_t digitSet) {
    return digitSet == 0 ? Graph("digits.bmp") : Numbered("digits", digitSet + 1, "");
}

const std::vector<std::string>& CheckList() {
    static const std::vector<std::string> list = BuildCheckList();
    return list;
}

std::vector<std::string> StartupPictures(std::int32_t blockSet, std::int32_t digitSet) {
    std::vector<std::string> order{
        std::string(kBack),          std::string(kBackBig),       BlockPicture(blockSet, 0),
        BlockPicture(blockSet, 1),   std::string(kToolBar),       std::string(kNextBar),
        RemovalPicture(blockSet, 0), RemovalPicture(blockSet, 1), DigitPicture(digitSet)};
    for (std::string_view name :
         {kExplosion,     kExplosionBig, kBarShown,      kBarHidden,       kStart,
          kStop,          kPauseOff,     kPauseOn,       kPauseDisabled,   kOptionsButton,
          kSave,          kSaveDisabled, kLoad,          kTable,           kWorldTable,
          kHelpButton,    kExit,         kTypes,         kTypesDisabled,   kModes,
          kModesDisabled, kBombsButton,  kBombsDisabled, kTypeLabels,      kModeLabels,
          kBombLabels,    kIdle,         kIdleBig,       kColorField,      kColorFieldBig,
          k3dField,       k3dFieldBig,   kFantasyField,  kFantasyFieldBig, kLogo,
          kStatusShown,   kStatusHidden, kStatusCover,   kStatusLines,     kClockDigits}) {
        order.emplace_back(name);
    }
    return order;
}

std::vector<std::string> MissingAssetFiles(const std::string& appDirectory) {
    std::vector<std::string> missing;
    for (const std::string& name : CheckList()) {
        // A directory opens on Linux but holds nothing to read.
        const std::string path = appDirectory + name;
        std::error_code error;
        std::ifstream probe(path, std::ios::binary);
        if (!probe || std::filesystem::is_directory(path, error)) {
            missing.push_back(name);
        }
    }
    return missing;
}

std::string MissingFilesWarning(const std::vector<std::string>& missing) {
    if (missing.empty()) {
        return {};
    }
    std::string text = "Attention! This files were not found:\n";
    for (const std::string& name : missing) {
        text += name + "\n";
    }
    return text + "\nProgram may work incorrectly";
}

} // namespace brinox::assets
