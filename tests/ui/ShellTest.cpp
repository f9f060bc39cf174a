// The shell's commands in a real window: the help viewer, and the picture of
// a game in progress that the metainfo publishes. Screenshots go to
// screenshots/.
#include "WindowFixture.h"

#include "platform/HelpViewer.h"
#include "ui/FrameView.h"

#include <QApplication>
#include <QTest>
#include <QTextBrowser>

namespace brinox::test {
namespace {

using ShellTest = WindowFixture;

TEST_F(ShellTest, HelpOpensAtItsTopicsFollowsLinksAndWalksBackAndForward) {
    HelpViewer* viewer = nullptr;
    modals.onDialog = [&](QDialog& dialog) {
        viewer = qobject_cast<HelpViewer*>(&dialog);
        EXPECT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->CurrentTopic(), 1);
        EXPECT_TRUE(viewer->Text().toPlainText().contains(QStringLiteral("How to play")));
        // The contents page links to How to play as topic 2.
        emit viewer->Text().anchorClicked(QUrl(QStringLiteral("#2")));
        EXPECT_TRUE(viewer->Text().toPlainText().startsWith(QStringLiteral("How to play")));
        viewer->BackButton().click();
        EXPECT_EQ(viewer->CurrentTopic(), 1);
        viewer->ForwardButton().click();
        EXPECT_EQ(viewer->CurrentTopic(), 2);
        SaveShot(*viewer, QStringLiteral("help"));
        return int(QDialog::Accepted);
    };
    frame->Run(Command::HelpIndex);
    ASSERT_NE(viewer, nullptr);

    StartGame();
    frame->ApplyWindowSize(1);
    QTest::mouseRelease(&frame->View(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(viewer->isVisible()) << "context help shows the same viewer";
    EXPECT_EQ(viewer->CurrentTopic(), 10);
    EXPECT_TRUE(viewer->Text().toPlainText().startsWith(QStringLiteral("The main window")));
    EXPECT_FALSE(viewer->BackButton().isEnabled() && viewer->ForwardButton().isEnabled());
    EXPECT_EQ(game().flags.gameRunning, 1) << "context help does not pause the game";
    SaveShot(*viewer, QStringLiteral("help-big"));
    QApplication::setActiveWindow(viewer);
    EXPECT_EQ(game().flags.appActive, 0) << "no game keys while help is read";
    QApplication::setActiveWindow(frame.get());
    EXPECT_EQ(game().flags.appActive, 1);
}

// Lands a few pieces spread over the field, the way a player would drop them.
void PlayAWhile(GameTestAccess game) {
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

// Leaves screenshots/big-window.png, the picture the AppStream metainfo
// publishes: a game in progress in the big window.
TEST_F(ShellTest, ScreenshotOfAGameInProgressInTheBigWindow) {
    frame->Settings().startHeight = 4;
    frame->Settings().gameMode = Timer;
    StartGame();
    PlayAWhile(game());
    ASSERT_TRUE(game().flags.gameInProgress);
    BringPieceIntoView();
    Tick();
    frame->ApplyWindowSize(static_cast<std::int32_t>(WindowSize::Big));
    SaveShot(*frame, QStringLiteral("big-window"));
}

} // namespace
} // namespace brinox::test
