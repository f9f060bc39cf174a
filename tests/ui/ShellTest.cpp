// The shell's commands in a real window: the information dialogs with their
// texts, buttons and pictures, the help viewer, and a game in progress in both
// sizes. Screenshots of each go to screenshots/.
#include "WindowFixture.h"

#include "platform/HelpViewer.h"
#include "ui/FrameView.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

namespace brinox::test {
namespace {

using ShellTest = WindowFixture;

// The dialog's label and button texts, and "<picture>" for each label with a picture.
QStringList TextsOf(const QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << (label->pixmap().isNull() ? label->text() : QStringLiteral("<picture>"));
    }
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        texts << button->text().remove(QLatin1Char('&'));
    }
    return texts;
}

struct DialogCase {
    Command command;
    const char* shot;
    const char* title;
    int pictures;
    QStringList texts;
    qsizetype description = 0; // length of the read-only text, if there is one
};

TEST_F(ShellTest, EachInformationDialogShowsItsTextsButtonsAndPictures) {
    const QString champions =
        QStringLiteral("Press this button to see Brinox World Championship %1 Top 50");
    const QString invitation = QStringLiteral("If you want to win Brinox World Championship %1");
    const QString send = QStringLiteral("Send your results to the Internet !");
    // clang-format off
    const std::vector<DialogCase> cases = {
        {Command::About, "about", "About Brinox 2000", 1,
         {"Brinox 2000: World Championship v2.25 , Build 21.28.05.03",
          "for Windows 95/98/ME/NT/2000/XP", "Brinox homepage:", "e-mail:", "Go", "OK"}},
        {Command::AboutCathedral, "cathedral", "About Cathedral (on the picture)", 0,
         {"1555-1561. Moscow", "OK"}, 1180},
        {Command::Champions2000, "champions2000", "Brinox World Championship 2000 Champions", 6,
         {champions.arg(2000), invitation.arg(2001), send, "OK"}},
        {Command::Champions2001, "champions2001", "Brinox World Championship 2001 Champions", 6,
         {champions.arg(2001), invitation.arg(2002), send, "OK"}},
    };
    // clang-format on
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.title);
        int shown = 0;
        modals.onDialog = [&](QDialog& dialog) {
            ++shown;
            EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.title));
            const QStringList texts = TextsOf(dialog);
            for (const QString& text : c.texts) {
                EXPECT_TRUE(texts.contains(text)) << text.toStdString();
            }
            EXPECT_EQ(texts.count(QStringLiteral("<picture>")), c.pictures);
            if (c.description > 0) {
                const QString text = dialog.findChild<QPlainTextEdit*>()->toPlainText();
                EXPECT_EQ(text.size(), c.description);
                EXPECT_TRUE(text.startsWith(QStringLiteral("     T"))) << "five blanks open it";
            }
            SaveShot(dialog, QString::fromUtf8(c.shot));
            return int(QDialog::Accepted);
        };
        frame->Run(c.command);
        EXPECT_EQ(shown, 1);
    }
}

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

TEST_F(ShellTest, PicturesOfAGameInProgressInBothSizes) {
    const QDir out(QStringLiteral(BRINOX_SCREENSHOT_DIR));
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
        SaveShot(*frame, name + QStringLiteral("-window"));
        EXPECT_TRUE(Frame().save(out.filePath(name + QStringLiteral(".png"))));
    }
}

} // namespace
} // namespace brinox::test
