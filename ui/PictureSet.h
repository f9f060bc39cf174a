// The pictures of the window, one slot per Picture (its file in the picture
// table of AssetFiles.h), converted once for drawing. Pictures that exist in
// both window sizes have two neighbouring images, Normal first. A slot whose
// file is missing or damaged holds a null image, which every drawing routine
// skips, so a broken asset never leaves drawing without a slot. Only the
// block, removal and digit pictures of the current sets are held; choosing
// another set reloads just those.
#pragma once

#include "AssetFiles.h"
#include "WindowSize.h"

#include <QImage>

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>

namespace brinox {

class PictureSet {
public:
    // Fills, in the game's start-up loading order, the slots the first frame
    // shows: the tool bar, digits, status line and the idle screen of the
    // given window size. The others (the other size, the playing fields, the
    // blocks, removal and explosion) are read by LoadRest, or by the first Get
    // that asks for one of them.
    void LoadFor(WindowSize size, const std::string& appDirectory, std::int32_t blockSet,
                 std::int32_t digitSet);
    // Fills the slots LoadFor left out; nothing once they are filled.
    void LoadRest() { LoadWaiting(); }
    // Replaces the block and removal pictures (both sizes) by those of another set.
    void LoadBlockSet(const std::string& appDirectory, std::int32_t blockSet);
    void LoadDigitSet(const std::string& appDirectory, std::int32_t digitSet);
    // Releases every picture.
    void Clear();

    const QImage& Get(Picture picture) const {
        const auto slot = static_cast<std::size_t>(picture);
        if (waiting[slot]) {
            LoadWaiting();
        }
        return images[slot];
    }
    // The slot of a two-size picture for the given size; `normal` names the Normal slot.
    const QImage& Get(Picture normal, WindowSize size) const {
        return Get(static_cast<Picture>(static_cast<std::int32_t>(normal) +
                                        static_cast<std::int32_t>(size)));
    }

private:
    void Load(const std::string& appDirectory, Picture picture, const std::string& name) const;
    // The start-up order, restricted to the slots `wanted` accepts.
    template <typename Wanted> void LoadInOrder(Wanted wanted) const;
    void LoadWaiting() const;

    // Filled on demand: reading a slot LoadFor left waiting fills all of them.
    mutable std::array<QImage, kPictureCount> images;
    mutable std::bitset<kPictureCount> waiting;
    // What LoadRest still has to read: the sets and the size LoadFor kept.
    struct Pending {
        std::string appDirectory;
        std::int32_t blockSet = 0;
        std::int32_t digitSet = 0;
        WindowSize size = WindowSize::Normal;
    };
    mutable std::optional<Pending> pending;
};

} // namespace brinox
