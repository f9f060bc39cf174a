#include "PictureSet.h"

#include "AssetFiles.h"
#include "DibImage.h"
#include "platform/PictureConversion.h"

#include <string_view>

namespace brinox {

namespace {

// Files of the pictures that are the same whatever the sets, by slot.
std::string_view FixedName(Picture picture) {
    using namespace assets;
    switch (picture) {
    case Picture::Back:
        return kBack;
    case Picture::BackBig:
        return kBackBig;
    case Picture::Idle:
        return kIdle;
    case Picture::IdleBig:
        return kIdleBig;
    case Picture::ColorField:
        return kColorField;
    case Picture::ColorFieldBig:
        return kColorFieldBig;
    case Picture::Field3D:
        return k3dField;
    case Picture::Field3DBig:
        return k3dFieldBig;
    case Picture::FantasyField:
        return kFantasyField;
    case Picture::FantasyFieldBig:
        return kFantasyFieldBig;
    case Picture::Explosion:
        return kExplosion;
    case Picture::ExplosionBig:
        return kExplosionBig;
    case Picture::ToolBar:
        return kToolBar;
    case Picture::NextBar:
        return kNextBar;
    case Picture::ClockDigits:
        return kClockDigits;
    case Picture::BarShown:
        return kBarShown;
    case Picture::BarHidden:
        return kBarHidden;
    case Picture::Start:
        return kStart;
    case Picture::Stop:
        return kStop;
    case Picture::PauseOff:
        return kPauseOff;
    case Picture::PauseOn:
        return kPauseOn;
    case Picture::PauseDisabled:
        return kPauseDisabled;
    case Picture::OptionsButton:
        return kOptionsButton;
    case Picture::Save:
        return kSave;
    case Picture::SaveDisabled:
        return kSaveDisabled;
    case Picture::Load:
        return kLoad;
    case Picture::Table:
        return kTable;
    case Picture::WorldTable:
        return kWorldTable;
    case Picture::HelpButton:
        return kHelpButton;
    case Picture::Exit:
        return kExit;
    case Picture::Types:
        return kTypes;
    case Picture::TypesDisabled:
        return kTypesDisabled;
    case Picture::Modes:
        return kModes;
    case Picture::ModesDisabled:
        return kModesDisabled;
    case Picture::BombsButton:
        return kBombsButton;
    case Picture::BombsDisabled:
        return kBombsDisabled;
    case Picture::TypeLabels:
        return kTypeLabels;
    case Picture::ModeLabels:
        return kModeLabels;
    case Picture::BombLabels:
        return kBombLabels;
    case Picture::Logo:
        return kLogo;
    case Picture::StatusShown:
        return kStatusShown;
    case Picture::StatusHidden:
        return kStatusHidden;
    case Picture::StatusCover:
        return kStatusCover;
    case Picture::StatusLines:
        return kStatusLines;
    default:
        return {};
    }
}

} // namespace

std::string PictureSet::FileName(Picture picture, std::int32_t blockSet, std::int32_t digitSet) {
    switch (picture) {
    case Picture::Blocks:
        return assets::BlockPicture(blockSet, 0);
    case Picture::BlocksBig:
        return assets::BlockPicture(blockSet, 1);
    case Picture::Removal:
        return assets::RemovalPicture(blockSet, 0);
    case Picture::RemovalBig:
        return assets::RemovalPicture(blockSet, 1);
    case Picture::Digits:
        return assets::DigitPicture(digitSet);
    default:
        return std::string(FixedName(picture));
    }
}

namespace {

// Slots Back .. ExplosionBig come in pairs, Normal then Big. Of these the
// idle window shows only the background and the idle field of its size.
bool ShownFirst(Picture picture, WindowSize size) {
    const auto slot = static_cast<std::int32_t>(picture);
    if (slot > static_cast<std::int32_t>(Picture::ExplosionBig)) {
        return true;
    }
    const auto normal = static_cast<Picture>(slot - slot % 2);
    return (normal == Picture::Back || normal == Picture::Idle) &&
           slot % 2 == static_cast<std::int32_t>(size);
}

} // namespace

template <typename Wanted> void PictureSet::LoadInOrder(Wanted wanted) const {
    // Read in the fixed start-up order; each name lands in the slot that
    // carries it with these sets.
    const Pending& p = *pending;
    for (const std::string& name : assets::StartupPictures(p.blockSet, p.digitSet)) {
        for (std::int32_t slot = 0; slot < kPictureCount; ++slot) {
            auto picture = static_cast<Picture>(slot);
            if (FileName(picture, p.blockSet, p.digitSet) == name) {
                if (wanted(picture)) {
                    Load(p.appDirectory, picture, name);
                }
                break;
            }
        }
    }
}

void PictureSet::LoadFor(WindowSize size, const std::string& appDirectory, std::int32_t blockSet,
                         std::int32_t digitSet) {
    pending = Pending{appDirectory, blockSet, digitSet, size};
    waiting.reset();
    LoadInOrder([this, size](Picture picture) {
        const bool now = ShownFirst(picture, size);
        waiting[static_cast<std::size_t>(picture)] = !now;
        return now;
    });
}

void PictureSet::LoadWaiting() const {
    if (!pending) {
        return;
    }
    LoadInOrder([this](Picture picture) { return waiting[static_cast<std::size_t>(picture)]; });
    waiting.reset();
    pending.reset();
}

void PictureSet::LoadBlockSet(const std::string& appDirectory, std::int32_t blockSet) {
    if (pending) {
        pending->blockSet = blockSet;
    }
    for (Picture picture :
         {Picture::Blocks, Picture::BlocksBig, Picture::Removal, Picture::RemovalBig}) {
        Load(appDirectory, picture, FileName(picture, blockSet, 0));
        waiting[static_cast<std::size_t>(picture)] = false;
    }
}

void PictureSet::LoadDigitSet(const std::string& appDirectory, std::int32_t digitSet) {
    if (pending) {
        pending->digitSet = digitSet;
    }
    Load(appDirectory, Picture::Digits, FileName(Picture::Digits, 0, digitSet));
    waiting[static_cast<std::size_t>(Picture::Digits)] = false;
}

void PictureSet::Clear() {
    pending.reset();
    waiting.reset();
    for (QImage& image : images) {
        image = QImage();
    }
}

void PictureSet::Load(const std::string& appDirectory, Picture picture,
                      const std::string& name) const {
    images[static_cast<std::size_t>(picture)] = ToQImage(LoadPicture(appDirectory, name));
}

} // namespace brinox
