// The menu bar as the player sees it.
#include "WindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace brinox::test {
namespace {

using WindowTest = WindowFixture;

// Every menu as the player sees it with no game in progress: the item texts
// with their keys, the separators ("-") and the submenu; an accelerator shows
// in brackets only where it is not the key the text names.
TEST_F(WindowTest, MenusHoldTheirItemsKeysAndSeparatorsInOrder) {
    QStringList shown;
    const std::function<void(QMenu*)> list = [&](QMenu* menu) {
        for (QAction* item : menu->actions()) {
            const QString key = item->shortcut().toString();
            if (item->isSeparator()) {
                shown << "-";
            } else if (item->menu() != nullptr) {
                shown << item->text() + " >";
                list(item->menu());
            } else {
                shown << item->text() +
                             (item->text().section('\t', 1) == key ? "" : "[" + key + "]");
            }
        }
    };
    for (QAction* top : frame->menuBar()->actions()) {
        shown << top->text() + ":";
        list(top->menu());
    }
    EXPECT_EQ(shown.join(" | "),
              "&Game: | Start Game\tF2 | Pause\tPause[] | - | &Options...\tF3 | &Window size > | "
              "&Normal\tCtrl+1 | &Big\tCtrl+2 | &Automatic\tCtrl+3 | - | &Save As..\tCtrl+S | "
              "&Load...\tCtrl+L | - | E&xit\tCtrl+X | &Champions: | 200&0\tAlt+0 | 200&1\tAlt+1 | "
              "&Help: | &Index\tF1 | - | Brinox 2000 &Homepage... | "
              "About &Cathedral (on the picture) ... | &About... | &Best Scores: | "
              "&Local Best Scores...\tF4 | &World Championship Top 10 ...\tF5 | - | "
              "World Championship &Homepage...");
}

} // namespace
} // namespace brinox::test
