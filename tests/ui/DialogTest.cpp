// The dialogs as a player meets them: the name box at the end of a game, and
// every dialog on the small screen of a laptop at 150 %.
#include "GameDirectory.h"
#include "WindowFixture.h"

#include "app/CWatchRowDlg.h"
#include "app/UiLanguage.h"
#include "scores/CNameDlg.h"
#include "scores/CSendResultDlg.h"
#include "settings/KeyCaptureDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>

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
// 900 x 500, and each visible label, button and group box of each page lies
// inside it with the room it asks for (player_smoke checks the options sheet
// with openbox's title bar on such a screen). BRINOX_DIALOG_SHOTS: a folder
// for a picture of each page.
QString shotFolder;
QStringList* placesLog = nullptr; // each own dialog's size, where its fields lie, bold, how long

void ExpectFits(QDialog& dialog) {
    dialog.show();
    const std::string name = dialog.metaObject()->className();
    EXPECT_LE(dialog.width(), 900) << name;
    EXPECT_LE(dialog.height(), 500) << name;
    if (placesLog != nullptr && name.starts_with("brinox::")) {
        const bool fixed = dialog.minimumSize() == dialog.maximumSize();
        *placesLog << QString::asprintf("%s: %dx%d%s", name.substr(8).c_str(), dialog.width(),
                                        dialog.height(), fixed ? " fixed" : "");
    }
    auto* pages = dialog.findChild<QTabWidget*>();
    for (int page = 0; page < (pages != nullptr ? pages->count() : 1); ++page) {
        if (pages != nullptr) {
            pages->setCurrentIndex(page);
        }
        std::vector<std::pair<QRect, QString>> placed; // no two of them overlap
        for (QWidget* shown : dialog.findChildren<QWidget*>()) {
            const auto* box = qobject_cast<QGroupBox*>(shown);
            if (shown->isVisible() && (box != nullptr || shown->inherits("QLabel") ||
                                       shown->inherits("QAbstractButton"))) {
                const QSize wanted = box != nullptr ? box->minimumSizeHint() : shown->sizeHint();
                const QRect at(shown->mapTo(&dialog, QPoint()), shown->size());
                const QString text =
                    box != nullptr ? box->title() : shown->property("text").toString();
                EXPECT_TRUE(dialog.rect().contains(at) && wanted.boundedTo(at.size()) == wanted)
                    << name << ": " << text.toStdString();
            }
            // Fields take their place too (by name: what they hold may change
            // from run to run); the parts of a field do not.
            const bool field = shown->inherits("QLineEdit") || shown->inherits("QComboBox") ||
                               shown->inherits("QAbstractSpinBox");
            const QWidget* holder = shown->parentWidget();
            if (shown->isVisible() && box == nullptr &&
                (field || shown->inherits("QLabel") || shown->inherits("QAbstractButton")) &&
                !holder->inherits("QAbstractSpinBox") && !holder->inherits("QComboBox")) {
                const QRect at(shown->mapTo(&dialog, QPoint()), shown->size());
                const QString text = shown->property(field ? "objectName" : "text").toString();
                for (const auto& [other, otherText] : placed) {
                    EXPECT_FALSE(other.intersects(at))
                        << name << ": " << text.toStdString() << " on " << otherText.toStdString();
                }
                placed.emplace_back(at, text);
                if (placesLog != nullptr && name.starts_with("brinox::")) {
                    const auto* edit = qobject_cast<const QLineEdit*>(shown);
                    *placesLog << QStringLiteral("%1 %2: %3 %4,%5 %6x%7%8%9")
                                      .arg(QString::fromStdString(name).section("::", -1))
                                      .arg(page)
                                      .arg(QString(text).replace('\n', ' '))
                                      .arg(at.x())
                                      .arg(at.y())
                                      .arg(at.width())
                                      .arg(at.height())
                                      .arg(shown->font().bold() ? " bold" : "")
                                      .arg(edit != nullptr && edit->maxLength() < 32767
                                               ? QStringLiteral(" max %1").arg(edit->maxLength())
                                               : QString());
                }
            }
        }
        if (!shotFolder.isEmpty() && QDir().mkpath(shotFolder)) {
            dialog.grab().save(QStringLiteral("%1/%2-%3-%4.png")
                                   .arg(shotFolder, QString::fromLatin1(name).section("::", -1))
                                   .arg(page)
                                   .arg(dialog.windowTitle().replace('/', '-')));
        }
    }
    dialog.hide();
}

class DialogFitTest : public WindowFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        language.Install({QString::fromLatin1(GetParam())});
        const QString shots = qEnvironmentVariable("BRINOX_DIALOG_SHOTS");
        shotFolder = shots.isEmpty() ? shots : shots + "/dialogs-" + GetParam();
        WindowFixture::SetUp();
    }

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

    UiLanguage language;
};

// In English, where every field lies is kept in tests/ui/dialog-places.txt, as
// the screenshots showed it when checked by eye (README: renewing it).
TEST_P(DialogFitTest, EveryDialogFitsA900By500ScreenWithItsTextsWhole) {
    QStringList places;
    placesLog = GetParam() == std::string_view("en") ? &places : nullptr;
    EXPECT_EQ(Opened({Command::Options, Command::HelpIndex, Command::About, Command::AboutCathedral,
                      Command::Champions2000, Command::Champions2001, Command::LocalBestScores,
                      Command::WorldTop10})
                  .join(','),
              "OptionsSheet,HelpViewer,CAboutDlg,CCathedralDlg,CChampionsDlg,CChampionsDlg,"
              "CBestScoresDlg,CBestScoresDlg");
    // The dialogs that others open.
    KeyCaptureDialog capture(QCoreApplication::translate("brinox::CConOpt", "Drop Bottom"),
                             frame.get());
    CNameDlg name(directory->Path(), frame.get());
    CSendResultDlg send(directory->Path(), frame.get());
    CWatchRowDlg rows(std::vector<WatchFile::Replay>(10), frame.get());
    QColorDialog colour(frame.get()); // as the Interface page opens it
    colour.setOption(QColorDialog::DontUseNativeDialog);
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{&capture, &name, &send, &rows, &colour}) {
        ExpectFits(*dialog);
    }
    if (placesLog != nullptr) {
        placesLog = nullptr;
        QFile kept(QStringLiteral(BRINOX_TEST_SOURCES "/dialog-places.txt"));
        const bool write = qEnvironmentVariableIsSet("BRINOX_WRITE_PLACES");
        ASSERT_TRUE(kept.open(write ? QIODevice::WriteOnly : QIODevice::ReadOnly));
        const QByteArray now = (places.join('\n') + '\n').toUtf8();
        EXPECT_EQ(now.toStdString(),
                  write ? (kept.write(now), now.toStdString()) : kept.readAll().toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogFitTest, ::testing::Values("en", "de", "fr"));

} // namespace
} // namespace brinox::test
