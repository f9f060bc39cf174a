// What assistive technology meets of the window's drawn controls: each change
// told once and nothing for a still picture (a11y_smoke presses each of them).
#include "WindowFixture.h"

#include "ui/FrameAccessible.h"
#include "ui/FrameView.h"

namespace brinox::test {
namespace {

FrameAccessible& Pane(CGameFrame& frame) {
    return dynamic_cast<FrameAccessible&>(*QAccessible::queryAccessibleInterface(&frame.View()));
}

TEST_F(WindowFixture, DrawnControlsTellEachChangeOnceAndAStillPictureNothing) {
    StartGame();
    for (int control = 0; control < Pane(*frame).childCount(); ++control) {
        Pane(*frame).child(control); // a client looks at each control
    }
    EXPECT_EQ(Pane(*frame).TellChanges(), 0);
    game().state.score += 200; // the score and the best score
    Click(Qt::Key_Pause);
    EXPECT_EQ(Pane(*frame).TellChanges(), 3);
    EXPECT_EQ(Pane(*frame).TellChanges(), 0);
}

} // namespace
} // namespace brinox::test
