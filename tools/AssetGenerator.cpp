// brinox_assetgen GAME_DIR CONTACT_SHEET.png [ICON_DIR]
// brinox_assetgen --previews DIR
// brinox_assetgen --icons DIR
//
// Draws every picture of the game (graph/*.bmp), synthesizes the sounds
// (snd/*.wav), writes the help file (brinox.hlp) and a labelled contact sheet,
// and, with ICON_DIR, the desktop icon as ICON_DIR/<size>.png; or, with
// --previews, only the option sheet's set previews (PNG), or with --icons
// only the desktop icon, which the build turns into resources of the program.
// Everything is made here from code and the DejaVu fonts: the output is the
// same on every run and every machine with the same packages.
#include "ArtKit.h"
#include "BlockArt.h"
#include "BmpWriter.h"
#include "ContactSheet.h"
#include "DigitArt.h"
#include "HelpText.h"
#include "PanelArt.h"
#include "PreviewArt.h"
#include "SceneArt.h"
#include "ShellArt.h"
#include "SoundSynth.h"
#include "WavWriter.h"

#include "engine/FileNames.h"
#include "settings/OptionPreviews.h"
#include "ui/AssetFiles.h"

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>

using namespace brinox;
using namespace brinox::art;

namespace {

void Add(std::vector<Picture>& out, std::string_view name, QImage image, int cellWidth,
         int cellHeight = -1) {
    const int h = cellHeight < 0 ? image.height() : cellHeight;
    out.push_back({std::string(name), std::move(image), cellWidth, h});
}

void AddWhole(std::vector<Picture>& out, std::string_view name, QImage image) {
    const int w = image.width();
    Add(out, name, std::move(image), w);
}

std::vector<Picture> DrawPictures() {
    namespace a = assets;
    std::vector<Picture> out;
    AddWhole(out, a::kBack, SceneArt::MainBackground(0));
    AddWhole(out, a::kBackBig, SceneArt::MainBackground(1));
    AddWhole(out, a::kIdle, SceneArt::Idle(0));
    AddWhole(out, a::kIdleBig, SceneArt::Idle(1));
    AddWhole(out, a::kColorField, SceneArt::ColorField(0));
    AddWhole(out, a::kColorFieldBig, SceneArt::ColorField(1));
    AddWhole(out, a::k3dField, SceneArt::DepthField(0));
    AddWhole(out, a::k3dFieldBig, SceneArt::DepthField(1));
    AddWhole(out, a::kFantasyField, SceneArt::FantasyField(0));
    AddWhole(out, a::kFantasyFieldBig, SceneArt::FantasyField(1));

    for (int set = 0; set < a::kBlockSetCount; ++set) {
        for (int size = 0; size < 2; ++size) {
            const int cell = size == 0 ? 20 : 30;
            Add(out, a::BlockPicture(set, size), BlockArt::Blocks(set, cell), cell);
        }
    }
    for (int set = 0; set < a::kBlockSetCount; ++set) {
        for (int size = 0; size < 2; ++size) {
            const int cell = size == 0 ? 20 : 30;
            Add(out, a::RemovalPicture(set, size), BlockArt::Removal(set, cell), cell);
        }
    }
    Add(out, a::kExplosion, BlockArt::Explosion(20), 20);
    Add(out, a::kExplosionBig, BlockArt::Explosion(30), 30);

    for (int set = 0; set < a::kDigitSetCount; ++set) {
        Add(out, a::DigitPicture(set), DigitArt::Counter(set), 16);
    }
    Add(out, a::kClockDigits, DigitArt::Clock(), 5);

    AddWhole(out, a::kToolBar, PanelArt::ToolBar());
    AddWhole(out, a::kNextBar, PanelArt::NextBar());
    Add(out, a::kStart, PanelArt::Button("Start game", Icon::Play, 108, false, 3), 108);
    Add(out, a::kStop, PanelArt::Button("Stop game", Icon::Stop, 108, false, 3), 108);
    Add(out, a::kPauseOff, PanelArt::Button("Pause", Icon::Pause, 108, false, 3), 108);
    Add(out, a::kPauseOn, PanelArt::Button("Resume", Icon::Play, 108, false, 3), 108);
    Add(out, a::kPauseDisabled, PanelArt::Button("Pause", Icon::Pause, 108, true, 1), 108);
    Add(out, a::kOptionsButton, PanelArt::Button("Options", Icon::Gear, 108, false, 3), 108);
    Add(out, a::kSave, PanelArt::Button("Save", Icon::Disk, 54, false, 3), 54);
    Add(out, a::kSaveDisabled, PanelArt::Button("Save", Icon::Disk, 54, true, 1), 54);
    Add(out, a::kLoad, PanelArt::Button("Load", Icon::Folder, 54, false, 3), 54);
    Add(out, a::kTable, PanelArt::Button("Scores", Icon::None, 54, false, 3), 54);
    Add(out, a::kWorldTable, PanelArt::Button("Top 10", Icon::None, 54, false, 3), 54);
    Add(out, a::kHelpButton, PanelArt::Button("Help", Icon::Question, 54, false, 3), 54);
    Add(out, a::kExit, PanelArt::Button("Exit", Icon::Cross, 54, false, 3), 54);
    Add(out, a::kTypes, PanelArt::SelectorButton(Selector::Type, false, 3), 24);
    Add(out, a::kTypesDisabled, PanelArt::SelectorButton(Selector::Type, true, 1), 24);
    Add(out, a::kModes, PanelArt::SelectorButton(Selector::Mode, false, 3), 24);
    Add(out, a::kModesDisabled, PanelArt::SelectorButton(Selector::Mode, true, 3), 24);
    Add(out, a::kBombsButton, PanelArt::SelectorButton(Selector::Bombs, false, 3), 24);
    Add(out, a::kBombsDisabled, PanelArt::SelectorButton(Selector::Bombs, true, 1), 24);
    Add(out, a::kTypeLabels, PanelArt::Labels({"Quadel", "Quinel"}, Selector::Type), 86);
    Add(out, a::kModeLabels,
        PanelArt::Labels({"Classic mode", "Timer mode", "Rising mode", "World\nChampionship"},
                         Selector::Mode),
        86);
    Add(out, a::kBombLabels, PanelArt::Labels({"Bombs on", "Bombs off"}, Selector::Bombs), 86);
    Add(out, a::kLogo, PanelArt::Logo(), 75);
    Add(out, a::kBarShown, PanelArt::Toggle(false, 11, 11), 11);
    Add(out, a::kBarHidden, PanelArt::Toggle(true, 11, 11), 11);
    Add(out, a::kStatusShown, PanelArt::Toggle(false, 18, 17), 18);
    Add(out, a::kStatusHidden, PanelArt::Toggle(true, 18, 17), 18);
    Add(out, a::kStatusLines, PanelArt::StatusLines(HelpText::StatusLines()), 414, 15);
    AddWhole(out, a::kStatusCover, PanelArt::StatusCover());

    AddWhole(out, a::kAboutPicture, ShellArt::About());
    for (int year : {2000, 2001}) {
        for (int place = 1; place <= 3; ++place) {
            AddWhole(out, a::ChampionPicture(year, place), ShellArt::Portrait(year, place));
        }
    }
    for (std::size_t k = 0; k < a::kChampionsDecor.size(); ++k) {
        AddWhole(out, a::kChampionsDecor[k], ShellArt::Decor(static_cast<int>(k)));
    }
    return out;
}

bool WritePreviews(const std::string& dir) {
    std::filesystem::create_directories(dir);
    bool ok = true;
    for (int set = 0; set < assets::kBlockSetCount; ++set) {
        const std::string path = dir + BlockSetPreview(set);
        ok = PreviewArt::BlockSet(set).save(QString::fromStdString(path), "PNG") && ok;
    }
    for (int set = 0; set < assets::kDigitSetCount; ++set) {
        const std::string path = dir + DigitSetPreview(set);
        ok = PreviewArt::DigitSet(set).save(QString::fromStdString(path), "PNG") && ok;
    }
    ok = PreviewArt::SpinArrow(true).save(QString::fromStdString(dir + kSpinUpArrow), "PNG") && ok;
    ok = PreviewArt::SpinArrow(false).save(QString::fromStdString(dir + kSpinDownArrow), "PNG") &&
         ok;
    return ok;
}

bool WriteText(const std::string& text, const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return static_cast<bool>(file);
}

// The hicolor sizes a desktop looks for.
bool WriteIcons(const QString& dir) {
    if (!std::filesystem::create_directories(dir.toStdString()) &&
        !std::filesystem::is_directory(dir.toStdString())) {
        return false;
    }
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        ok = ShellArt::AppIcon(size).save(dir + "/" + QString::number(size) + ".png", "PNG") && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(
            stderr,
            "usage: %s GAME_DIR CONTACT_SHEET.png [ICON_DIR] | --previews DIR | --icons DIR\n",
            argv[0]);
        return 2;
    }
    if (!LoadFonts()) {
        std::fprintf(stderr, "the DejaVu fonts are missing (Debian package fonts-dejavu-core)\n");
        return 1;
    }
    if (std::string_view(argv[1]) == "--previews") {
        return WritePreviews(std::string(argv[2]) + "/") ? 0 : 1;
    }
    if (std::string_view(argv[1]) == "--icons") {
        return WriteIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    const std::string dir = std::string(argv[1]) + "/";
    std::filesystem::create_directories(dir + std::string(files::kPictureDir));
    std::filesystem::create_directories(dir + std::string(files::kSoundDir));

    bool ok = true;
    const std::vector<Picture> pictures = DrawPictures();
    for (const Picture& pic : pictures) {
        ok = WriteBmp(pic.image, dir + pic.name) && ok;
    }
    for (int event = 0; event < kSoundEventCount; ++event) {
        const auto samples = SoundSynth::Effect(static_cast<SoundEvent>(event));
        ok = WriteWav(samples, dir + std::string(files::kDefaultSounds[event])) && ok;
    }
    ok = WriteText(HelpText::HelpFile(), dir + std::string(files::kHelp)) && ok;
    ok = ContactSheet::Build(pictures).save(QString::fromLocal8Bit(argv[2]), "PNG") && ok;
    if (argc == 4) {
        ok = WriteIcons(QString::fromLocal8Bit(argv[3])) && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "could not write every file under %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
