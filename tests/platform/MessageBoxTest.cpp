#include "platform/MessageBox.h"
#include "RecordingPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace brinox {
namespace {

using Box = RecordingPrompter::Box;

TEST(MessageBoxRouting, EveryKindReachesTheInstalledPrompterWithItsCaption) {
    RecordingPrompter prompter;
    prompter.answers = {true, false};
    ScopedPrompter scope(prompter);
    QWidget parent;

    ShowWarning(&parent, "Cannot write file");
    ShowInformation(nullptr, "Result sent");
    ShowInformation(&parent, "Nothing to send", "World Championship");
    EXPECT_TRUE(AskYesNo(&parent, "Are you sure you want to quit?"));
    EXPECT_FALSE(AskYesNo(&parent, "Do you want to cancel current game?"));
    EXPECT_FALSE(AskYesNo(&parent, "Unscripted question")) << "No when nothing is scripted";

    ASSERT_EQ(prompter.boxes.size(), 6u);
    EXPECT_EQ(prompter.boxes[0].type, Box::Warning);
    EXPECT_EQ(prompter.boxes[0].caption, "Brinox 2000");
    EXPECT_EQ(prompter.boxes[0].text, "Cannot write file");
    EXPECT_EQ(prompter.boxes[0].parent, &parent);
    EXPECT_EQ(prompter.boxes[1].type, Box::Information);
    EXPECT_EQ(prompter.boxes[1].caption, "Brinox 2000");
    EXPECT_EQ(prompter.boxes[1].parent, nullptr);
    EXPECT_EQ(prompter.boxes[2].caption, "World Championship");
    EXPECT_EQ(prompter.boxes[3].type, Box::Question);
    EXPECT_EQ(prompter.boxes[3].caption, "Brinox 2000");
    EXPECT_EQ(prompter.boxes[3].text, "Are you sure you want to quit?");
}

TEST(MessageBoxRouting, UninstallingRestoresTheDefault) {
    Prompter& original = CurrentPrompter();
    {
        RecordingPrompter prompter;
        ScopedPrompter scope(prompter);
        EXPECT_EQ(&CurrentPrompter(), &prompter);
    }
    EXPECT_EQ(&CurrentPrompter(), &original);
}

// The default prompter opens a real QMessageBox: inspect it once it is up,
// then let `answer` close it. A watchdog closes anything still open after a
// while, so that a box that never appears cannot hang the test.
class WhenBoxOpens {
public:
    explicit WhenBoxOpens(const std::function<void(QMessageBox&)>& answer) {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no message box opened";
            answer(*box);
        });
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a message box was left open";
                modal->close();
            }
        });
        watchdog.start(5000);
    }

private:
    QTimer watchdog;
};

void PressKey(QWidget& widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

TEST(DefaultPrompter, QuestionHasYesAndNoAndReturnAnswersYes) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    const WhenBoxOpens script([&](QMessageBox& box) {
        icon = box.icon();
        title = box.windowTitle();
        text = box.text();
        buttons = box.standardButtons();
        PressKey(box, Qt::Key_Return);
    });
    EXPECT_TRUE(AskYesNo(nullptr, "Are you sure you want to quit?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(title, "Brinox 2000");
    EXPECT_EQ(text, "Are you sure you want to quit?");
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST(DefaultPrompter, QuestionAnsweredNoOrEscapedIsNo) {
    {
        const WhenBoxOpens script([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
        EXPECT_FALSE(AskYesNo(nullptr, "Do you want to cancel current game?"));
    }
    const WhenBoxOpens script([](QMessageBox& box) { PressKey(box, Qt::Key_Escape); });
    EXPECT_FALSE(AskYesNo(nullptr, "Do you want to cancel current game?"));
}

TEST(DefaultPrompter, WarningsAndInformationCarryTheirIcons) {
    struct Seen {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QMessageBox::StandardButtons buttons;
    };
    auto record = [](Seen& seen) {
        return [&seen](QMessageBox& box) {
            seen = {box.icon(), box.windowTitle(), box.standardButtons()};
            box.button(QMessageBox::Ok)->click();
        };
    };
    Seen warning;
    {
        const WhenBoxOpens script(record(warning));
        ShowWarning(nullptr, "File not found");
    }
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.title, "Brinox 2000");
    EXPECT_EQ(warning.buttons, QMessageBox::Ok);

    Seen information;
    const WhenBoxOpens script(record(information));
    ShowInformation(nullptr, "Top 10 downloaded", "World Top 10");
    EXPECT_EQ(information.icon, QMessageBox::Information);
    EXPECT_EQ(information.title, "World Top 10");
}

} // namespace
} // namespace brinox
