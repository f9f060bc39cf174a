#include "AssetFiles.h"

#include "engine/FileNames.h"
#include "engine/TextMarks.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace brinox::assets {

namespace {

// The file name with its '#' replaced by the set's number text.
std::string WithSet(std::string_view pattern, const std::string& number) {
    std::string name(pattern);
    return name.replace(name.find('#'), 1, number);
}

std::vector<std::string> BuildCheckList() {
    std::vector<std::string> list{std::string(files::kHelp)};
    // The default sounds in alphabetical order; the best-score sound is
    // optional and never reported.
    constexpr std::array<std::size_t, 11> kCheckedSounds = {8, 3, 10, 0, 1, 4, 5, 6, 2, 9, 7};
    for (std::size_t event : kCheckedSounds) {
        list.emplace_back(files::kDefaultSounds[event]);
    }
    using enum Picture;
    for (Picture picture :
         {Back,         BackBig,       Idle,         IdleBig,         ColorField,    ColorFieldBig,
          Field3D,      Field3DBig,    FantasyField, FantasyFieldBig, BarShown,      BarHidden,
          BombsButton,  BombsDisabled, Exit,         HelpButton,      Load,          Logo,
          StatusShown,  StatusHidden,  StatusCover,  StatusLines,     Modes,         ModesDisabled,
          BombLabels,   OptionsButton, PauseOff,     PauseOn,         PauseDisabled, Save,
          SaveDisabled, Start,         Stop,         Table,           Types,         TypesDisabled,
          WorldTable}) {
        list.emplace_back(File(picture));
    }
    for (std::int32_t set = 0; set < kDigitSetCount; ++set) {
        list.push_back(DigitPicture(set));
    }
    list.emplace_back(File(Explosion));
    list.emplace_back(File(ExplosionBig));
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
    for (Picture picture : {ModeLabels, NextBar, ToolBar, TypeLabels, ClockDigits}) {
        list.emplace_back(File(picture));
    }
    return list;
}

} // namespace

std::string PictureFile(Picture picture, std::int32_t blockSet, std::int32_t digitSet) {
    const PictureRow& row = Row(picture);
    switch (row.set) {
    case SetOf::None:
        return std::string(row.file);
    case SetOf::Blocks:
        return WithSet(row.file, std::to_string(blockSet));
    case SetOf::Digits:
        // Set 0 is digits.bmp, set 1 digits2.bmp.
        return WithSet(row.file, digitSet == 0 ? "" : std::to_string(digitSet + 1));
    }
    return {};
}

std::string BlockPicture(std::int32_t blockSet, std::int32_t sizeIndex) {
    return PictureFile(sizeIndex == 0 ? Picture::Blocks : Picture::BlocksBig, blockSet, 0);
}

std::string RemovalPicture(std::int32_t blockSet, std::int32_t sizeIndex) {
    return PictureFile(sizeIndex == 0 ? Picture::Removal : Picture::RemovalBig, blockSet, 0);
}

std::string DigitPicture(std::int32_t digitSet) {
    return PictureFile(Picture::Digits, 0, digitSet);
}

const std::vector<std::string>& CheckList() {
    static const std::vector<std::string> list = BuildCheckList();
    return list;
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

std::string MissingFilesWarning(const std::vector<std::string>& missing, const ShownText& shown) {
    if (missing.empty()) {
        return {};
    }
    std::string text =
        shown(BRINOX_TEXT("Messages", "Attention! This files were not found:")) + "\n";
    for (const std::string& name : missing) {
        text += name + "\n";
    }
    return text + "\n" + shown(BRINOX_TEXT("Messages", "Program may work incorrectly"));
}

} // namespace brinox::assets
