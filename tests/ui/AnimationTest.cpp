// The blocking animations: what each frame shows at the moment the window
// sleeps between frames, how many pauses there are, and what is left behind.
#include "WindowFixture.h"

#include "ui/AssetFiles.h"

namespace brinox::test {
namespace {

class AnimationTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        StartGame();
        sleeps.clear();
        const Options& options = frame->Settings();
        blocks = BlockPicture(WindowSize::Normal);
        removal = LoadedPicture(assets::RemovalPicture(options.blockSet, 0));
        explosion = LoadedPicture(assets::kExplosion);
        idle = LoadedPicture(assets::kIdle);
    }

    QImage PlayingArea() const { return Frame().copy(frame->CurrentLayout().playingArea); }

    QImage blocks;
    QImage removal;
    QImage explosion;
    QImage idle;
};

TEST_F(AnimationTest, RowRemovalAnimatesAllMarkedRowsInTheSameFiveFrames) {
    frame->Settings().demolitionSpeed = 70;
    for (std::int32_t column = 0; column < Board::kColumns; ++column) {
        game().board.At(column, 20) = Board::kRemovalMark + 2;
        game().board.At(column, 18) = Board::kRemovalMark + 5;
    }
    std::vector<std::pair<QRgb, QRgb>> seen;
    onSleep = [&] { seen.emplace_back(CellColour(3, 20), CellColour(7, 18)); };
    frame->RowRemoval();
    EXPECT_EQ(sleeps, std::vector<std::int32_t>(5, 70));
    ASSERT_EQ(seen.size(), 5u);
    for (std::int32_t f = 0; f < 5; ++f) {
        EXPECT_EQ(seen[f].first, StripCentre(removal, 2 * 5 + f, 20)) << f;
        EXPECT_EQ(seen[f].second, StripCentre(removal, 5 * 5 + f, 20)) << f;
    }
}

TEST_F(AnimationTest, ExplosionShowsFiveFramesAndLeavesTheFrameAsItWas) {
    frame->Settings().demolitionSpeed = 0;
    frame->RedrawAll();
    const QImage before = Frame().copy();
    std::vector<QRgb> seen;
    onSleep = [&] { seen.push_back(CellColour(1, 19)); };
    frame->Explosion(BlastRect{0, 2, 19, 20});
    EXPECT_EQ(sleeps, std::vector<std::int32_t>(5, 0));
    ASSERT_EQ(seen.size(), 5u);
    for (std::int32_t f = 0; f < 5; ++f) {
        EXPECT_EQ(seen[f], StripCentre(explosion, f, 20)) << f;
    }
    EXPECT_EQ(Frame(), before);
}

TEST_F(AnimationTest, LostGameCoversTheFieldThenUncoversTheIdlePicture) {
    frame->Settings().levelAnimationSpeed = 40;
    std::vector<QRgb> topRow;
    onSleep = [&] { topRow.push_back(CellColour(0, 3)); };
    game().state.clockRefsValid = 1;
    frame->FieldAnimation(FieldAnimationKind::Lost);
    EXPECT_EQ(sleeps, std::vector<std::int32_t>(36, 40));
    EXPECT_EQ(game().state.clockRefsValid, 0);
    // Covered in one block colour of the first seven while the cover lasts.
    bool oneOfTheFirstSeven = false;
    for (std::int32_t kind = 0; kind < 7; ++kind) {
        oneOfTheFirstSeven = oneOfTheFirstSeven || topRow[17] == StripCentre(blocks, kind, 20);
    }
    EXPECT_TRUE(oneOfTheFirstSeven);
    EXPECT_EQ(PlayingArea(), idle.copy(QRect(QPoint(0, 0), PlayingArea().size())));
}

TEST_F(AnimationTest, NewGameUncoversTheBoardFromTheBottom) {
    frame->Settings().levelAnimationSpeed = 0;
    game().board.Clear();
    game().board.At(2, 20) = 6;
    std::vector<std::pair<QRgb, QRgb>> seen; // bottom row, top row
    onSleep = [&] { seen.emplace_back(CellColour(2, 20), CellColour(2, 3)); };
    frame->FieldAnimation(FieldAnimationKind::NewGame);
    ASSERT_EQ(seen.size(), 36u);
    const QRgb cover = seen[17].first;
    EXPECT_EQ(seen[17].second, cover);
    EXPECT_EQ(seen[18].first, StripCentre(blocks, 6, 20)) << "the bottom row comes back first";
    EXPECT_EQ(seen[18].second, cover) << "while the top row is still covered";
    const QImage back = LoadedPicture(assets::kBack);
    EXPECT_EQ(CellColour(2, 3), back.pixel(frame->CurrentLayout().CellRect(2, 3).center()));
}

} // namespace
} // namespace brinox::test
