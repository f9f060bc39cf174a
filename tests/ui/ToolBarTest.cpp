// The window's own buttons driven by real pointer events, the two keyboard
// faults found by playing, and the idle beat.
#include "WindowFixture.h"

#include "engine/GameTypes.h"
#include "ui/FrameView.h"
#include "ui/PointerAreas.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace brinox::test {
namespace {

class ToolBarTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        Activate();
        Tick();
    }
    QPoint On(ToolButton button) const { return frame->CurrentLayout().Button(button).center(); }
    void Move(QPoint at) { QTest::mouseMove(&frame->View(), at); }
    void ClickOn(ToolButton button) {
        QTest::mouseClick(&frame->View(), Qt::LeftButton, {}, On(button));
    }
    std::int32_t State(ToolButton button) { return frame->Buttons()[button]; }
};

TEST(PointerAreas, EdgesAndOverlapsChooseTheStatusLine) {
    // x, y, line. Start/Stop keeps its right edge (x 125), Options does not;
    // Save, Local best scores and Help leave x 71 to their neighbours; the
    // status-bar toggle and cover share x 21 and the cover, tested later, wins.
    const int cases[][3] = {{125, 40, 1},  {125, 80, 0},   {124, 80, 3},  {70, 100, 4},
                            {71, 100, 5},  {71, 120, 7},   {71, 140, 9},  {125, 140, 9},
                            {17, 52, 1},   {17, 53, 2},    {21, 390, 18}, {404, 150, 19},
                            {356, 32, 17}, {468, 340, 25}, {200, 200, 0}};
    for (const auto& [x, y, line] : cases) {
        EXPECT_EQ(StatusLineAt(Layout::For(WindowSize::Normal), {x, y}), line) << x << "," << y;
    }
}

TEST_F(ToolBarTest, HoverPressDragAndReleaseFollowThePointer) {
    Move(On(ToolButton::GameType));
    EXPECT_EQ(State(ToolButton::GameType), 1);
    EXPECT_EQ(frame->Buttons().statusMessage, 10);
    EXPECT_EQ(frame->View().cursor().shape(), Qt::PointingHandCursor);

    QTest::mousePress(&frame->View(), Qt::LeftButton, {}, On(ToolButton::GameType));
    EXPECT_EQ(State(ToolButton::GameType), 2);
    EXPECT_EQ(sounds.Played(SoundEvent::ButtonPress), 1);
    Move(On(ToolButton::Bombs));
    EXPECT_EQ(State(ToolButton::GameType), 0);
    EXPECT_EQ(State(ToolButton::Bombs), 1);
    const std::int32_t bombs = frame->Settings().bombsOn;
    QTest::mouseRelease(&frame->View(), Qt::LeftButton, {}, On(ToolButton::Bombs));
    EXPECT_EQ(frame->Settings().gameType, Quadel);
    EXPECT_EQ(frame->Settings().bombsOn, 1 - bombs);

    Move(QPoint(200, 200));
    EXPECT_EQ(State(ToolButton::Bombs) + frame->Buttons().statusMessage, 0);
    EXPECT_NE(frame->View().cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ToolBarTest, SelectorsCycleAndChampionshipKeepsTheBombsChoice) {
    // Clicks on game mode (m) and game type (t); type, mode and bombs after each.
    const std::string clicks = "mmmmmmmtmmm";
    const std::string after = "011 021 030 001 011 021 030 101 111 121 101";
    frame->Settings().bombsOn = 1;
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        ClickOn(clicks[i] == 'm' ? ToolButton::GameMode : ToolButton::GameType);
        const Options& o = frame->Settings();
        const char now[] = {char('0' + o.gameType), char('0' + o.gameMode), char('0' + o.bombsOn),
                            0};
        EXPECT_EQ(now, after.substr(i * 4, 3)) << "click " << i;
        EXPECT_EQ(frame->ButtonEnabled(ToolButton::Bombs), o.gameMode != WorldChampionship);
    }
}

TEST_F(ToolBarTest, ButtonsFollowTheGameAndTheToolBar) {
    ClickOn(ToolButton::Pause); // no game: ignored
    EXPECT_FALSE(game().flags.gameInProgress);
    EXPECT_GT(frame->TickInterval(), 20); // no game: only the title and the clock
    ClickOn(ToolButton::StartStop);
    ASSERT_TRUE(game().flags.gameInProgress);
    EXPECT_EQ(frame->TickInterval(), 20);
    const Options before = frame->Settings();
    ClickOn(ToolButton::GameType);
    ClickOn(ToolButton::Bombs);
    EXPECT_EQ(frame->Settings(), before);
    ClickOn(ToolButton::Pause);
    EXPECT_EQ(game().flags.gameRunning, 0);
    ClickOn(ToolButton::Pause);
    prompter.answers = {false, true};
    ClickOn(ToolButton::StartStop);
    EXPECT_TRUE(game().flags.gameInProgress);
    EXPECT_EQ(game().flags.gameRunning, 1);
    ClickOn(ToolButton::StartStop);
    EXPECT_FALSE(game().flags.gameInProgress);
    ASSERT_GE(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[1].text, QStringLiteral("Do you want to cancel current game?"));
    ClickOn(ToolButton::ToolBarToggle);
    EXPECT_EQ(frame->Settings().showToolBar, 0);
    ClickOn(ToolButton::StartStop);
    EXPECT_FALSE(game().flags.gameInProgress);
}

TEST_F(ToolBarTest, AnApplicationActiveBeforeTheWindowShowsActivatesTheGame) {
    Close();
    QWidget startUpBox; // a message box of the start-up checks
    startUpBox.show();
    startUpBox.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&startUpBox));
    Open();
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    EXPECT_EQ(game().flags.appActive, 1);
}

TEST_F(ToolBarTest, KeysOfAnOpenMenuDoNotMoveThePiece) {
    Click(Qt::Key_F2);
    BringPieceIntoView();
    const std::int32_t column = game().state.column;
    QMenu* menu = frame->menuBar()->actions().first()->menu();
    menu->popup(frame->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_Left);
    menu->close();
    Tick();
    EXPECT_EQ(game().state.column, column);
}

} // namespace
} // namespace brinox::test
