#include "platform/MessageBox.h"

#include "RecordingPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace brinox {
namespace {

TEST(MessageBoxRouting, EveryKindReachesTheInstalledPrompterWithItsCaption) {
    Prompter& original = CurrentPrompter();
    {
        RecordingPrompter prompter;
        prompter.answers = {true};
        ScopedPrompter scope(prompter);
        QWidget parent;
        ShowWarning(&parent, "Cannot write file");
        ShowInformation(nullptr, "Nothing to send", "World Championship");
        EXPECT_TRUE(AskYesNo(&parent, "Are you sure you want to quit?"));
        EXPECT_FALSE(AskYesNo(&parent, "Unscripted")) << "No when nothing is scripted";
        ASSERT_EQ(prompter.boxes.size(), 4u);
        using Box = RecordingPrompter::Box;
        EXPECT_EQ(prompter.boxes[0].type, Box::Warning);
        EXPECT_EQ(prompter.boxes[0].caption, "Brinox 2000");
        EXPECT_EQ(prompter.boxes[0].parent, &parent);
        EXPECT_EQ(prompter.boxes[1].type, Box::Information);
        EXPECT_EQ(prompter.boxes[1].caption, "World Championship");
        EXPECT_EQ(prompter.boxes[2].type, Box::Question);
        EXPECT_EQ(prompter.boxes[2].caption, "Brinox 2000");
    }
    EXPECT_EQ(&CurrentPrompter(), &original);
}

// Opens one real box through the default prompter and answers it with a key.
struct Seen {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QMessageBox::StandardButtons buttons;
};
template <typename Open> Seen Answer(int key, Open open) {
    Seen seen;
    QTimer::singleShot(0, [&seen, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->icon(), box->windowTitle(), box->standardButtons()};
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    });
    open();
    return seen;
}

TEST(DefaultPrompter, BoxesCarryCaptionIconAndButtons) {
    bool answer = false;
    Seen question = Answer(Qt::Key_Return, [&] { answer = AskYesNo(nullptr, "Quit?"); });
    EXPECT_TRUE(answer) << "Return answers Yes";
    EXPECT_EQ(question.icon, QMessageBox::Question);
    EXPECT_EQ(question.title, "Brinox 2000");
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    Answer(Qt::Key_Escape, [&] { answer = AskYesNo(nullptr, "Cancel?"); });
    EXPECT_FALSE(answer) << "Escape answers No";
    Seen warning = Answer(Qt::Key_Return, [] { ShowWarning(nullptr, "File not found"); });
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.buttons, QMessageBox::Ok);
    Seen info = Answer(Qt::Key_Return, [] { ShowInformation(nullptr, "Sent", "World Top 10"); });
    EXPECT_EQ(info.icon, QMessageBox::Information);
    EXPECT_EQ(info.title, "World Top 10");
}

} // namespace
} // namespace brinox
