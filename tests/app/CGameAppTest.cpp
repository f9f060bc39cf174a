// Whole runs of the program: the application object creates the window, runs
// the loop until the player leaves, and the run leaves its files behind.
#include "CGameApp.h"

#include "tests/ui/GameDirectory.h"
#include "tests/ui/ScriptedPrompter.h"
#include "ui/CGameFrame.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace brinox::test {
namespace {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { InstallPrompter(&prompter); }
    void TearDown() override { InstallPrompter(nullptr); }

    // Runs the program; `during` runs inside its message loop with the window.
    int RunWith(std::function<void(CGameFrame&)> during) {
        QTimer::singleShot(0, qApp, [during] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* frame = qobject_cast<CGameFrame*>(widget)) {
                    during(*frame);
                    return;
                }
            }
            ADD_FAILURE() << "no game window";
            QCoreApplication::exit(99);
        });
        return static_cast<CGameApp*>(qApp)->Run();
    }

    bool Exists(const char* name) const {
        return QFile::exists(directory.File(QString::fromLatin1(name)));
    }

    GameDirectory directory;
    ScriptedPrompter prompter;
};

TEST_F(AppTest, ExitWithYesEndsWithStatusZeroAndWritesTheFiles) {
    prompter.answers = {true};
    const int status = RunWith([](CGameFrame& frame) { frame.Menu().Action(Command::Exit)->trigger(); });
    EXPECT_EQ(status, 0);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Are you sure you want to quit?"));
    for (const char* file : {"brinox.dat", "ws.dat", "tdata.dat", "sdata.dat"}) {
        EXPECT_TRUE(Exists(file)) << file;
    }
}

TEST_F(AppTest, ClosingTheWindowEndsWithStatusZeroWithoutAsking) {
    const int status = RunWith([](CGameFrame& frame) { frame.close(); });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_TRUE(Exists("ws.dat"));
    EXPECT_TRUE(Exists("tdata.dat"));
}

TEST_F(AppTest, TerminationSignalEndsLikeClosingTheWindow) {
    const int status = RunWith([](CGameFrame&) { std::raise(SIGTERM); });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_TRUE(Exists("ws.dat"));
    EXPECT_TRUE(Exists("brinox.dat"));
}

TEST_F(AppTest, KeyWatcherFeedsTheGameDuringTheRun) {
    std::int32_t pressedAfterDown = -1;
    std::int32_t pressedAfterRepeatRelease = -1;
    std::int32_t releaseAfterUp = -1;
    const int status = RunWith([&](CGameFrame& frame) {
        frame.Settings().levelAnimationSpeed = 0;
        // Game keys count only while the window has the keyboard.
        QApplication::setActiveWindow(&frame);
        frame.SetAppActive(true);
        frame.Engine().StartStopCommand();
        auto send = [&frame](QEvent::Type type, bool repeat) {
            QKeyEvent event(type, Qt::Key_Right, Qt::NoModifier, QString(), repeat);
            QApplication::sendEvent(&frame, &event);
        };
        const KeyState& right = frame.Engine().Keys()[GameKey::Right];
        send(QEvent::KeyPress, false);
        pressedAfterDown = right.pressed;
        send(QEvent::KeyRelease, true);
        pressedAfterRepeatRelease = right.pressed;
        send(QEvent::KeyRelease, false);
        // No tick has acted on the press yet: the release waits for it.
        releaseAfterUp = right.releasePending;
        frame.close();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(pressedAfterDown, 1);
    EXPECT_EQ(pressedAfterRepeatRelease, 1);
    EXPECT_EQ(releaseAfterUp, 1);
}

} // namespace
} // namespace brinox::test
