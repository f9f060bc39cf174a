#include "PictureSet.h"

#include "DibImage.h"
#include "PictureConversion.h"

namespace brinox {

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
    const Pending& p = *pending;
    for (Picture picture : assets::kStartupOrder) {
        if (wanted(picture)) {
            Load(p.appDirectory, picture, assets::PictureFile(picture, p.blockSet, p.digitSet));
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
        Load(appDirectory, picture, assets::PictureFile(picture, blockSet, 0));
        waiting[static_cast<std::size_t>(picture)] = false;
    }
}

void PictureSet::LoadDigitSet(const std::string& appDirectory, std::int32_t digitSet) {
    if (pending) {
        pending->digitSet = digitSet;
    }
    Load(appDirectory, Picture::Digits, assets::PictureFile(Picture::Digits, 0, digitSet));
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
