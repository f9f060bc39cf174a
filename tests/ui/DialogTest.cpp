// The dialogs as a player meets them: the name box at the end of a game.
#include "GameDirectory.h"

#include "scores/CNameDlg.h"

#include <QApplication>
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

} // namespace
} // namespace brinox::test
