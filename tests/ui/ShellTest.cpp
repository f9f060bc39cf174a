// The help viewer in a real window, from the Help menu and as context help
// over the window. Screenshots go to screenshots/.
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
    QSize normal;
    modals.onDialog = [&](QDialog& dialog) {
        viewer = qobject_cast<HelpViewer*>(&dialog);
        EXPECT_NE(viewer, nullptr);
        normal = viewer->size();
        EXPECT_EQ(viewer->CurrentTopic(), 1);
        EXPECT_TRUE(viewer->Text().toPlainText().contains(QStringLiteral("How to play")));
        // The contents page links to How to play as topic 2, each of its paragraphs shown once.
        emit viewer->Text().anchorClicked(QUrl(QStringLiteral("#2")));
        EXPECT_EQ(viewer->Text().toPlainText().count(QStringLiteral("Pieces made")), 1);
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
    EXPECT_GT(viewer->width() * viewer->height(), normal.width() * normal.height())
        << "larger beside the big window";
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

} // namespace
} // namespace brinox::test
