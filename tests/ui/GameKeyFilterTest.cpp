// The application's key watcher in the real window: the toolkit's repeats of
// a held key and a game key that is also an accelerator.
#include "WindowFixture.h"

#include <QAction>
#include <QSignalSpy>

namespace brinox::test {
namespace {

using WindowTest = WindowFixture;

// X11 sends a release/press pair for every repeat while a key is held.
TEST_F(WindowTest, ToolkitRepeatsOfAKeyAreNoNewPresses) {
    StartGame();
    const std::int32_t column = game().state.column;
    Press(Qt::Key_Left);
    Tick();
    Release(Qt::Key_Left, true);
    Press(Qt::Key_Left, true);
    EXPECT_EQ(game().keys[GameKey::Left].repeatState, Held);
    Tick();
    EXPECT_EQ(game().state.column, column - 1);
    Release(Qt::Key_Left);
    Press(Qt::Key_Left, true); // a late repeat after the release
    EXPECT_EQ(game().keys[GameKey::Left].pressed, 0);
}

TEST_F(WindowTest, GameKeyThatIsAlsoAnAcceleratorReachesTheGameFirst) {
    auto* shortcut = new QAction(frame.get());
    shortcut->setShortcut(QKeySequence(Qt::Key_Left));
    frame->addAction(shortcut);
    QSignalSpy triggered(shortcut, &QAction::triggered);
    StartGame();
    const std::int32_t column = game().state.column;
    Press(Qt::Key_Left);
    EXPECT_EQ(triggered.count(), 1);
    Release(Qt::Key_Left);
    Tick(); // a tap shorter than a tick still acts once
    EXPECT_EQ(game().state.column, column - 1);
}

} // namespace
} // namespace brinox::test
