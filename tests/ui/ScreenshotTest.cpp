// Pictures of a game in progress in both window sizes, written next to the
// build for a look by eye (screenshots/normal.png and big.png).
#include "WindowFixture.h"

#include <QDir>
#include <QPixmap>

namespace brinox::test {
namespace {

using ScreenshotTest = WindowFixture;

void PlayAWhile(ScreenshotTest& test, Game& game) {
    for (int piece = 0; piece < 12; ++piece) {
        game.TryMove(piece % 5 - 2, 0, piece % 4);
        for (int step = 0; step < 25 && game.flags.gameInProgress; ++step) {
            if (!game.TryMove(0, 1, game.state.rotation)) {
                game.LandPiece();
                break;
            }
        }
    }
    (void)test;
}

TEST_F(ScreenshotTest, GameInProgressInBothSizes) {
    const QDir out(QStringLiteral(BRINOX_SCREENSHOT_DIR));
    ASSERT_TRUE(out.mkpath(QStringLiteral(".")));
    frame->Settings().startHeight = 4;
    frame->Settings().gameMode = Timer;
    StartGame();
    PlayAWhile(*this, game());
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
