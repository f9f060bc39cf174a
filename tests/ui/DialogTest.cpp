// The dialogs as a player meets them: the name box at the end of a game, and
// every dialog on the small screen of a laptop at 150 %.
#include "GameDirectory.h"
#include "WindowFixture.h"

#include "app/CWatchRowDlg.h"
#include "scores/CNameDlg.h"
#include "scores/CSendResultDlg.h"
#include "settings/KeyCaptureDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace brinox::test {
namespace {

void SendKey(QWidget& to, QEvent::Type type, Qt::Key key, bool autoRepeat, quint64 time) {
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QChar(key).toLower();
    QKeyEvent event(type, key, Qt::NoModifier, type == QEvent::KeyPress ? text : QString(),
                    autoRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(&to, &event);
}

// A held key as X11 repeats it: a release and a press of one time stamp,
// which Qt marks as a repeat only when it has read both in time.
void Repeat(QWidget& to, Qt::Key key, bool marked, quint64 time) {
    SendKey(to, QEvent::KeyRelease, key, marked, time);
    SendKey(to, QEvent::KeyPress, key, marked, time);
}

// The title bar of a window manager writes the title in bold and holds an
// icon and a close button beside it.
TEST(NameBoxTest, IsFixedWithoutMinimiseOrMaximiseAndWideEnoughForItsTitle) {
    GameDirectory directory;
    CNameDlg box(directory.Path());
    box.show();
    QFont titleType = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleType.setBold(true);
    const QFontMetrics title(titleType);
    EXPECT_GE(box.width(), title.horizontalAdvance(box.windowTitle()) + 2 * title.height());
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

// Space held to drop the last piece repeats into the box that the game's end
// opens; only keys pressed there type, their repeats included.
TEST(NameBoxTest, AKeyHeldFromTheGameNeverTypesANewPressDoes) {
    GameDirectory directory;
    CNameDlg box(directory.Path());
    box.show();
    QLineEdit& field = box.Field();
    Repeat(field, Qt::Key_Space, true, 10);
    Repeat(field, Qt::Key_Space, false, 50);
    SendKey(field, QEvent::KeyRelease, Qt::Key_Space, false, 70);
    EXPECT_EQ(field.text(), "");
    SendKey(field, QEvent::KeyPress, Qt::Key_A, false, 100);
    Repeat(field, Qt::Key_A, false, 140);
    SendKey(field, QEvent::KeyRelease, Qt::Key_A, false, 160);
    SendKey(field, QEvent::KeyPress, Qt::Key_Space, false, 200);
    EXPECT_EQ(field.text(), "aa ");
}

// 1366 x 768 at 150 % is 911 x 512 logical pixels: every dialog fits into
// 900 x 500 with its OK, Cancel and other closing buttons inside it.
// (player_smoke checks the options sheet with openbox's title bar on such a
// screen.)
void ExpectFits(QDialog& dialog) {
    dialog.show();
    const std::string name = dialog.metaObject()->className();
    EXPECT_LE(dialog.width(), 900) << name;
    EXPECT_LE(dialog.height(), 500) << name;
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const QString text = button->text().remove('&');
        if (QStringList{"OK", "Cancel", "Close", "Send", "Yes", "No"}.contains(text)) {
            const QRect at(button->mapTo(&dialog, QPoint()), button->size());
            EXPECT_TRUE(button->isVisible() && dialog.rect().contains(at))
                << name << ": " << text.toStdString();
        }
    }
    dialog.hide();
}

class DialogFitTest : public WindowFixture {
protected:
    // Runs the commands and checks the dialog each opens; returns their classes.
    QStringList Opened(std::initializer_list<Command> commands) {
        QStringList opened;
        modals.onDialog = [&](QDialog& dialog) {
            opened << QString::fromLatin1(dialog.metaObject()->className()).remove("brinox::");
            ExpectFits(dialog);
            return int(QDialog::Rejected);
        };
        Activate();
        Tick();
        for (Command command : commands) {
            frame->Run(command);
        }
        return opened;
    }
};

TEST_F(DialogFitTest, EveryDialogFitsA900By500Screen) {
    EXPECT_EQ(Opened({Command::Options, Command::HelpIndex, Command::About, Command::AboutCathedral,
                      Command::Champions2000, Command::Champions2001})
                  .join(','),
              "OptionsSheet,HelpViewer,CAboutDlg,CCathedralDlg,CChampionsDlg,CChampionsDlg");
    // The dialogs that others open.
    KeyCaptureDialog capture(QStringLiteral("Drop Bottom"), frame.get());
    CNameDlg name(directory->Path(), frame.get());
    CSendResultDlg send(directory->Path(), frame.get());
    CWatchRowDlg rows(std::vector<WatchFile::Replay>(10), frame.get());
    QColorDialog colour(frame.get()); // as the Interface page opens it
    colour.setOption(QColorDialog::DontUseNativeDialog);
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{&capture, &name, &send, &rows, &colour}) {
        ExpectFits(*dialog);
    }
}

TEST_F(DialogFitTest, BestScoresFitA900By500Screen) {
    EXPECT_EQ(Opened({Command::LocalBestScores, Command::WorldTop10}).join(','),
              "CBestScoresDlg,CBestScoresDlg");
}

} // namespace
} // namespace brinox::test
