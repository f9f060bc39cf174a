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

namespace a = assets;
using P = brinox::Picture;

void Add(std::vector<art::Picture>& out, std::string name, QImage image, geometry::Size cell) {
    out.push_back({std::move(name), std::move(image), cell.width, cell.height});
}

// A picture of the window, cut into images of its size in the picture table.
void Add(std::vector<art::Picture>& out, P picture, QImage image) {
    Add(out, std::string(a::File(picture)), std::move(image), a::ImageSize(picture));
}

void AddWhole(std::vector<art::Picture>& out, std::string name, QImage image) {
    const geometry::Size whole{image.width(), image.height()};
    Add(out, std::move(name), std::move(image), whole);
}

void AddButton(std::vector<art::Picture>& out, P picture, const char* label, Icon icon,
               bool disabled, int images) {
    const int width = a::ImageSize(picture).width;
    Add(out, picture, PanelArt::Button(label, icon, width, disabled, images));
}

void AddToggle(std::vector<art::Picture>& out, P picture, bool plus) {
    const geometry::Size size = a::ImageSize(picture);
    Add(out, picture, PanelArt::Toggle(plus, size.width, size.height));
}

// The block and removal pictures of every set, in both sizes.
void AddBlockSets(std::vector<art::Picture>& out) {
    for (int set = 0; set < a::kBlockSetCount; ++set) {
        for (int size = 0; size < 2; ++size) {
            const geometry::Size cell = a::ImageSize(size == 0 ? P::Blocks : P::BlocksBig);
            Add(out, a::BlockPicture(set, size), BlockArt::Blocks(set, cell.width), cell);
        }
    }
    for (int set = 0; set < a::kBlockSetCount; ++set) {
        for (int size = 0; size < 2; ++size) {
            const geometry::Size cell = a::ImageSize(size == 0 ? P::Removal : P::RemovalBig);
            Add(out, a::RemovalPicture(set, size), BlockArt::Removal(set, cell.width), cell);
        }
    }
}

std::vector<art::Picture> DrawPictures() {
    std::vector<art::Picture> out;
    Add(out, P::Back, SceneArt::MainBackground(0));
    Add(out, P::BackBig, SceneArt::MainBackground(1));
    Add(out, P::Idle, SceneArt::Idle(0));
    Add(out, P::IdleBig, SceneArt::Idle(1));
    Add(out, P::ColorField, SceneArt::ColorField(0));
    Add(out, P::ColorFieldBig, SceneArt::ColorField(1));
    Add(out, P::Field3D, SceneArt::DepthField(0));
    Add(out, P::Field3DBig, SceneArt::DepthField(1));
    Add(out, P::FantasyField, SceneArt::FantasyField(0));
    Add(out, P::FantasyFieldBig, SceneArt::FantasyField(1));

    AddBlockSets(out);
    Add(out, P::Explosion, BlockArt::Explosion(a::ImageSize(P::Explosion).width));
    Add(out, P::ExplosionBig, BlockArt::Explosion(a::ImageSize(P::ExplosionBig).width));

    for (int set = 0; set < a::kDigitSetCount; ++set) {
        Add(out, a::DigitPicture(set), DigitArt::Counter(set), a::ImageSize(P::Digits));
    }
    Add(out, P::ClockDigits, DigitArt::Clock());

    Add(out, P::ToolBar, PanelArt::ToolBar());
    Add(out, P::NextBar, PanelArt::NextBar());
    AddButton(out, P::Start, "Start game", Icon::Play, false, 3);
    AddButton(out, P::Stop, "Stop game", Icon::Stop, false, 3);
    AddButton(out, P::PauseOff, "Pause", Icon::Pause, false, 3);
    AddButton(out, P::PauseOn, "Resume", Icon::Play, false, 3);
    AddButton(out, P::PauseDisabled, "Pause", Icon::Pause, true, 1);
    AddButton(out, P::OptionsButton, "Options", Icon::Gear, false, 3);
    AddButton(out, P::Save, "Save", Icon::Disk, false, 3);
    AddButton(out, P::SaveDisabled, "Save", Icon::Disk, true, 1);
    AddButton(out, P::Load, "Load", Icon::Folder, false, 3);
    AddButton(out, P::Table, "Scores", Icon::None, false, 3);
    AddButton(out, P::WorldTable, "Top 10", Icon::None, false, 3);
    AddButton(out, P::HelpButton, "Help", Icon::Question, false, 3);
    AddButton(out, P::Exit, "Exit", Icon::Cross, false, 3);
    Add(out, P::Types, PanelArt::SelectorButton(Selector::Type, false, 3));
    Add(out, P::TypesDisabled, PanelArt::SelectorButton(Selector::Type, true, 1));
    Add(out, P::Modes, PanelArt::SelectorButton(Selector::Mode, false, 3));
    Add(out, P::ModesDisabled, PanelArt::SelectorButton(Selector::Mode, true, 3));
    Add(out, P::BombsButton, PanelArt::SelectorButton(Selector::Bombs, false, 3));
    Add(out, P::BombsDisabled, PanelArt::SelectorButton(Selector::Bombs, true, 1));
    Add(out, P::TypeLabels, PanelArt::Labels({"Quadel", "Quinel"}, Selector::Type));
    Add(out, P::ModeLabels,
        PanelArt::Labels({"Classic mode", "Timer mode", "Rising mode", "World\nChampionship"},
                         Selector::Mode));
    Add(out, P::BombLabels, PanelArt::Labels({"Bombs on", "Bombs off"}, Selector::Bombs));
    Add(out, P::Logo, PanelArt::Logo());
    AddToggle(out, P::BarShown, false);
    AddToggle(out, P::BarHidden, true);
    AddToggle(out, P::StatusShown, false);
    AddToggle(out, P::StatusHidden, true);
    Add(out, P::StatusLines, PanelArt::StatusLines(HelpText::StatusLines()));
    Add(out, P::StatusCover, PanelArt::StatusCover());

    AddWhole(out, std::string(a::kAboutPicture), ShellArt::About());
    for (int year : {2000, 2001}) {
        for (int place = 1; place <= 3; ++place) {
            AddWhole(out, a::ChampionPicture(year, place), ShellArt::Portrait(year, place));
        }
    }
    for (std::size_t k = 0; k < a::kChampionsDecor.size(); ++k) {
        AddWhole(out, std::string(a::kChampionsDecor[k]), ShellArt::Decor(static_cast<int>(k)));
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
    const std::vector<art::Picture> pictures = DrawPictures();
    for (const art::Picture& pic : pictures) {
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
