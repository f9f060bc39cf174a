// The menu bar as the player reads it: accelerators as written (what each key
// opens, the command tests check), separators, and where every link goes.
#include "WindowFixture.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

#include <functional>

namespace brinox::test {
namespace {

constexpr const char* kSchemes[] = {"http", "https", "mailto"};

// Takes the addresses the game hands the desktop instead of a browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    Q_INVOKABLE void Open(const QUrl& url) { opened << url.toString(); }
    QStringList opened;
};

using MenuTest = WindowFixture;

// Pause is the window's own key, not an accelerator: its item names the
// configured key instead.
TEST_F(MenuTest, EachItemsAcceleratorIsTheKeyWrittenBesideIt) {
    std::size_t keyed = 0;
    const std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (const QAction* item : menu->actions()) {
            const QString written = item->text().section('\t', 1);
            if (item->menu() != nullptr) {
                walk(item->menu());
            } else if (item == frame->Menu().Action(Command::Pause)) {
                EXPECT_EQ(written + item->shortcut().toString(), "Pause");
            } else if (!written.isEmpty()) {
                ++keyed;
                EXPECT_EQ(item->shortcut(), QKeySequence(written)) << written.toStdString();
            }
        }
    };
    for (const QAction* top : frame->menuBar()->actions()) {
        walk(top->menu());
    }
    EXPECT_EQ(keyed, 13U);
}

// Separators stand in the Game menu after Pause, the Window size submenu and
// Load; in Help after Index; in Best Scores after the Top 10 item.
TEST_F(MenuTest, SeparatorsEndTheGroupsOfEachMenu) {
    QList<const QAction*> ended;
    for (const QAction* top : frame->menuBar()->actions()) {
        const QList<QAction*> items = top->menu()->actions();
        for (qsizetype i = 1; i < items.size(); ++i) {
            if (items[i]->isSeparator()) {
                ended << items[i - 1];
            }
        }
    }
    const auto item = [this](Command command) { return frame->Menu().Action(command); };
    const auto* sizes = qobject_cast<QMenu*>(item(Command::SizeBig)->associatedObjects().at(0));
    ASSERT_NE(sizes, nullptr);
    EXPECT_EQ(ended,
              (QList<const QAction*>{item(Command::Pause), sizes->menuAction(), item(Command::Load),
                                     item(Command::HelpIndex), item(Command::WorldTop10)}));
}

// The menu's two pages, the About box's two Go buttons and each Champions
// dialog's Top 50 button.
TEST_F(MenuTest, LinksOpenTheAddressesOfTheGameDirectory) {
    QFile links(directory->File("links.ini"));
    ASSERT_TRUE(links.open(QIODevice::WriteOnly));
    links.write("[Links]\nHomepage=https://home.example/\nChampionshipPage=https://"
                "champions.example/\nSupportEmail=help@example.org\nTop50Page2000="
                "https://top.example/2000\nTop50Page2001=https://top.example/2001\n");
    links.close();
    UrlCatcher urls;
    for (const char* scheme : kSchemes) {
        QDesktopServices::setUrlHandler(scheme, &urls, "Open");
    }
    modals.onDialog = [&](QDialog& dialog) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            button->click();
        }
        return int(QDialog::Rejected);
    };
    const std::pair<Command, QString> cases[] = {
        {Command::Homepage, "https://home.example/"},
        {Command::ChampionshipHomepage, "https://champions.example/"},
        {Command::About, "https://home.example/,mailto:help@example.org"},
        {Command::Champions2000, "https://top.example/2000"},
        {Command::Champions2001, "https://top.example/2001"},
    };
    for (const auto& [command, opens] : cases) {
        urls.opened.clear();
        frame->Menu().Action(command)->trigger();
        EXPECT_EQ(urls.opened.join(',').toStdString(), opens.toStdString());
    }
    for (const char* scheme : kSchemes) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
}

} // namespace
} // namespace brinox::test

#include "GameMenuTest.moc"
