// Pictures of a game in progress in both window sizes, written next to the
// build for a look by eye (screenshots/normal.png and big.png).
#include "WindowFixture.h"

#include <QDir>
#include <QPixmap>

namespace brinox::test {
namespace {

using ScreenshotTest = WindowFixture;

// Lands a few pieces spread over the field, the way a player would drop them.
void PlayAWhile(Game& game) {
    for (int piece = 0; piece < 7 && game.flags.gameInProgress; ++piece) {
        game.TryMove(0, 0, piece % 4);
        const int shift = piece * 3 % 9 - 4;
        for (int step = 0; step != shift; step += shift > 0 ? 1 : -1) {
            game.TryMove(shift > 0 ? 1 : -1, 0, game.state.rotation);
        }
        while (game.TryMove(0, 1, game.state.rotation)) {
        }
        game.LandPiece();
    }
}

TEST_F(ScreenshotTest, GameInProgressInBothSizes) {
    const QDir out(QStringLiteral(BRINOX_SCREENSHOT_DIR));
    ASSERT_TRUE(out.mkpath(QStringLiteral(".")));
    frame->Settings().startHeight = 4;
    frame->Settings().gameMode = Timer;
    StartGame();
    PlayAWhile(game());
    ASSERT_TRUE(game().flags.gameInProgress);
    BringPieceIntoView();
    Tick();
    for (WindowSize size : {WindowSize::Normal, WindowSize::Big}) {
        frame->ApplyWindowSize(static_cast<std::int32_t>(size));
        const QString name =
            size == WindowSize::Big ? QStringLiteral("big") : QStringLiteral("normal");
        EXPECT_TRUE(Frame().save(out.filePath(name + QStringLiteral(".png"))));
        EXPECT_TRUE(frame->grab().save(out.filePath(name + QStringLiteral("-window.png"))));
    }
}

} // namespace
} // namespace brinox::test
