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

// Every way out ends with status zero and leaves the files behind; only
// the menu's Exit asks first.
TEST_F(AppTest, EveryWayOutEndsWithStatusZeroAndWritesTheFiles) {
    const std::pair<std::function<void(CGameFrame&)>, std::size_t> ways[] = {
        {[](CGameFrame& frame) { frame.close(); }, 0},
        {[](CGameFrame&) { std::raise(SIGTERM); }, 0},
        {[](CGameFrame& frame) { frame.Menu().Action(Command::Exit)->trigger(); }, 1}};
    for (const auto& [leave, boxes] : ways) {
        prompter.boxes.clear();
        prompter.answers = {true};
        EXPECT_EQ(RunWith(leave), 0);
        ASSERT_EQ(prompter.boxes.size(), boxes);
        for (const char* file : {"brinox.dat", "ws.dat", "tdata.dat", "sdata.dat"}) {
            EXPECT_TRUE(Exists(file)) << file;
            QFile::remove(directory.File(QString::fromLatin1(file)));
        }
    }
    // The box of the last way, the menu's Exit, answered Yes.
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Are you sure you want to quit?"));
}

// The program installs the key watcher: a key pressed during the run reaches
// the game (what the watcher does with repeats the window tests check).
TEST_F(AppTest, KeyWatcherFeedsTheGameDuringTheRun) {
    std::int32_t pressed = -1;
    const int status = RunWith([&](CGameFrame& frame) {
        frame.Settings().levelAnimationSpeed = 0;
        // Game keys count only while the window has the keyboard.
        QApplication::setActiveWindow(&frame);
        frame.SetAppActive(true);
        frame.Engine().StartStopCommand();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(&frame, &press);
        pressed = frame.Engine().Keys()[GameKey::Right].pressed;
        frame.close();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(pressed, 1);
}

} // namespace
} // namespace brinox::test
