#include "platform/MessageBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace brinox::test {
namespace {

// Opens one real box through the default prompter, answers it with a key and
// tells its icon, caption and buttons.
template <typename Open> QString Answer(int key, Open open) {
    QString seen;
    QTimer::singleShot(0, [&seen, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = QString("%1 %2 %3")
                   .arg(int(box->icon()))
                   .arg(box->windowTitle())
                   .arg(box->standardButtons().toInt());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    });
    open();
    return seen;
}

TEST(DefaultPrompter, BoxesCarryCaptionIconAndButtons) {
    const auto expected = [](QMessageBox::Icon icon, const char* caption,
                             QMessageBox::StandardButtons buttons) {
        return QString("%1 %2 %3").arg(int(icon)).arg(caption).arg(buttons.toInt());
    };
    bool answer = false;
    EXPECT_EQ(Answer(Qt::Key_Return, [&] { answer = AskYesNo(nullptr, "Quit?"); }),
              expected(QMessageBox::Question, "Brinox 2000", QMessageBox::Yes | QMessageBox::No));
    EXPECT_TRUE(answer) << "Return answers Yes";
    Answer(Qt::Key_Escape, [&] { answer = AskYesNo(nullptr, "Cancel?"); });
    EXPECT_FALSE(answer) << "Escape answers No";
    EXPECT_EQ(Answer(Qt::Key_Return, [] { ShowWarning(nullptr, "File not found"); }),
              expected(QMessageBox::Warning, "Brinox 2000", QMessageBox::Ok));
    EXPECT_EQ(Answer(Qt::Key_Return, [] { ShowInformation(nullptr, "Sent", "World Top 10"); }),
              expected(QMessageBox::Information, "World Top 10", QMessageBox::Ok));
}

} // namespace
} // namespace brinox::test
