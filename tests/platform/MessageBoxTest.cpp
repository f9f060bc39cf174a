// The program's own message box as the player sees it: a text taller than a
// small laptop's screen keeps every line, and its OK button stays on the screen.
#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace brinox {
namespace {

TEST(MessageBoxTest, AWarningTallerThanASmallScreenScrollsWithItsOkOnTheScreen) {
    QStringList lines;
    for (int n = 0; n < 120; ++n) {
        lines << QStringLiteral("graph/missing%1.bmp").arg(n);
    }
    QSize size;
    bool okInside = false;
    bool scrolls = false;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        size = box->size();
        const QAbstractButton* ok = box->button(QMessageBox::Ok);
        okInside = box->rect().contains(QRect(ok->mapTo(box, QPoint()), ok->size()));
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown = label->text();
        // The text itself lies in the area that scrolls, and there is more of it below.
        const auto* scroll = box->findChild<QScrollArea*>();
        scrolls = scroll != nullptr && scroll->widget() == label &&
                  scroll->verticalScrollBar()->maximum() > 0;
        box->accept();
    });
    ShowWarning(nullptr, lines.join('\n'));
    EXPECT_LE(size.height(), 500);
    EXPECT_LE(size.width(), 900);
    EXPECT_TRUE(okInside);
    EXPECT_TRUE(scrolls);
    EXPECT_EQ(shown, lines.join('\n'));
}

} // namespace
} // namespace brinox
