// The row-removal, explosion and field animations, frame by frame.
#include "WindowFixture.h"

#include "ui/AssetFiles.h"
#include "ui/WindowSize.h"

#include <set>

namespace brinox::test {
namespace {

// The blocking animations: what each frame shows at the moment the window
// sleeps between frames, how many pauses there are, and what is left behind.
class AnimationTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        StartGame();
        sleeps.clear();
    }
};

TEST_F(AnimationTest, RowRemovalAnimatesAllMarkedRowsInTheSameFiveFrames) {
    frame->Settings().demolitionSpeed = 70;
    for (std::int32_t column = 0; column < Board::kColumns; ++column) {
        game().board.At(column, 20) = Board::kRemovalMark + 2;
        game().board.At(column, 18) = Board::kRemovalMark; // kind 0: the mark itself
    }
    std::vector<std::pair<QRgb, QRgb>> seen;
    onSleep = [&] { seen.emplace_back(CellColour(3, 20), CellColour(7, 18)); };
    frame->RowRemoval();
    EXPECT_EQ(sleeps, std::vector<std::int32_t>(5, 70));
    const QImage removal = LoadedPicture(assets::RemovalPicture(frame->Settings().blockSet, 0));
    std::vector<std::pair<QRgb, QRgb>> expected;
    for (std::int32_t f = 0; f < 5; ++f) {
        expected.emplace_back(StripCentre(removal, 2 * 5 + f, 20), StripCentre(removal, f, 20));
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(AnimationTest, ExplosionShowsFiveFramesAndLeavesTheFrameAsItWas) {
    frame->Settings().demolitionSpeed = 0;
    frame->RedrawAll();
    const QImage before = Frame().copy();
    std::vector<QRgb> seen;
    onSleep = [&] { seen.push_back(CellColour(1, 19)); };
    frame->Explosion(BlastRect{0, 2, 19, 20});
    EXPECT_EQ(sleeps, std::vector<std::int32_t>(5, 0));
    const QImage explosion = LoadedPicture(assets::File(Picture::Explosion));
    std::vector<QRgb> expected;
    for (std::int32_t f = 0; f < 5; ++f) {
        expected.push_back(StripCentre(explosion, f, 20));
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(Frame(), before);
}

TEST_F(AnimationTest, LostGameCoversTheFieldThenUncoversTheIdlePicture) {
    frame->Settings().levelAnimationSpeed = 40;
    std::vector<QRgb> topRow;
    onSleep = [&] { topRow.push_back(CellColour(0, 3)); };
    frame->FieldAnimation(FieldAnimationKind::Lost);
    EXPECT_EQ(sleeps, std::vector<std::int32_t>(36, 40));
    // Covered in one block colour of the first seven while the cover lasts.
    std::set<QRgb> firstSeven;
    for (std::int32_t kind = 0; kind < 7; ++kind) {
        firstSeven.insert(StripCentre(BlockPicture(WindowSize::Normal), kind, 20));
    }
    EXPECT_TRUE(firstSeven.contains(topRow[17]));
    EXPECT_TRUE(IdleShown());
}

} // namespace
} // namespace brinox::test
