// The menu bar as the player uses it: each item does what the key written
// beside it does, and every link opens the address the game directory gives.
#include "WindowFixture.h"

#include "platform/FileChooser.h"
#include "settings/WindowSizeFile.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

#include <functional>

namespace brinox::test {
namespace {

constexpr const char* kSchemes[] = {"http", "https", "mailto"};

// Takes the addresses the game hands the desktop instead of a browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher() {
        for (const char* scheme : kSchemes) {
            QDesktopServices::setUrlHandler(scheme, this, "Open");
        }
    }
    ~UrlCatcher() override {
        for (const char* scheme : kSchemes) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }
    Q_INVOKABLE void Open(const QUrl& url) { opened << url.toString(); }

    QStringList opened;
};

class MenuTest : public WindowFixture, public FileChooser {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        InstallFileChooser(this);
        // A dialog is noted by its title; in the two with links every button
        // is pressed, so that their addresses are noted too.
        modals.onDialog = [this](QDialog& dialog) {
            happened << dialog.windowTitle();
            if (dialog.inherits("brinox::CAboutDlg") || dialog.inherits("brinox::CChampionsDlg")) {
                for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
                    button->click();
                }
            }
            // And the years a Champions dialog's texts name: its own and the next.
            QStringList years;
            for (const QWidget* text : dialog.inherits("brinox::CChampionsDlg")
                                           ? dialog.findChildren<QWidget*>()
                                           : QList<QWidget*>()) {
                for (const auto& year : QRegularExpression("\\b20\\d\\d\\b")
                                            .globalMatch(text->property("text").toString())) {
                    years << year.captured();
                }
            }
            if (!years.isEmpty()) {
                happened << years.join(',');
            }
            return int(QDialog::Rejected);
        };
    }
    void TearDown() override {
        InstallFileChooser(nullptr);
        WindowFixture::TearDown();
    }
    QString SaveFileName(QWidget*, const FileDialogRequest& request) override {
        happened << "file: " + request.title;
        return {};
    }
    QString OpenFileName(QWidget* parent, const FileDialogRequest& request) override {
        return SaveFileName(parent, request);
    }

    // What act did in a new window of a new game directory with a game
    // running: the dialogs, questions and addresses it opened, in order, and
    // the window size and running state it left.
    std::string Effect(const std::function<void()>& act, std::int32_t sizeSetting = 1) {
        Close();
        directory.reset(); // which gives the current directory back first
        directory = std::make_unique<GameDirectory>();
        EXPECT_TRUE(WriteWindowSizeSetting(directory->Path(), sizeSetting));
        QFile links(directory->File("links.ini"));
        EXPECT_TRUE(links.open(QIODevice::WriteOnly));
        links.write("[Links]\nHomepage=https://home.example/\nChampionshipPage=https://"
                    "champions.example/\nSupportEmail=help@example.org\nTop50Page2000="
                    "https://top.example/2000\nTop50Page2001=https://top.example/2001\n");
        links.close();
        Open();
        StartGame();
        happened.clear();
        prompter.boxes.clear();
        urls.opened.clear();
        act();
        for (const auto& box : prompter.boxes) {
            happened << "question: " + box.text;
        }
        happened << urls.opened;
        happened << QStringLiteral("size %1, running %2")
                        .arg(frame->WindowSizeSetting())
                        .arg(game().flags.gameRunning);
        return happened.join(" | ").toStdString();
    }

    QStringList happened;
    UrlCatcher urls;
};

// The key is read off the item's text, as the player reads it; the item and
// the key must do the same, and more than doing nothing in one of two window
// sizes (a size item does nothing in its own).
TEST_F(MenuTest, EachItemDoesWhatTheKeyWrittenBesideItDoes) {
    // The items of the current window's menu bar (each new window has its own).
    const auto items = [this] {
        std::vector<QAction*> found;
        const std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            for (QAction* item : menu->actions()) {
                item->menu() != nullptr ? walk(item->menu()) : found.push_back(item);
            }
        };
        for (QAction* top : frame->menuBar()->actions()) {
            walk(top->menu());
        }
        return found;
    };
    std::size_t keyed = 0;
    for (std::size_t i = 0; i < items().size(); ++i) {
        const QString text = items()[i]->text();
        const QKeySequence written(text.section('\t', 1));
        if (written.isEmpty()) {
            continue;
        }
        ++keyed;
        bool didSomething = false;
        for (std::int32_t size : {0, 1}) {
            const std::string byItem = Effect([&] { items()[i]->trigger(); }, size);
            const std::string byKey =
                Effect([&] { Click(written[0].key(), written[0].keyboardModifiers()); }, size);
            EXPECT_EQ(byItem, byKey) << text.toStdString();
            didSomething = didSomething || byItem != Effect([] {}, size);
        }
        EXPECT_TRUE(didSomething) << text.toStdString();
    }
    EXPECT_EQ(keyed, 14U);
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

TEST_F(MenuTest, LinksOpenTheAddressesOfTheGameDirectory) {
    const std::pair<Command, std::string> cases[] = {
        {Command::Homepage, "https://home.example/"},
        {Command::ChampionshipHomepage, "https://champions.example/"},
        {Command::About, "About Brinox 2000 | https://home.example/ | mailto:help@example.org"},
        {Command::Champions2000,
         "Brinox World Championship 2000 Champions | 2000,2001 | https://top.example/2000"},
        {Command::Champions2001,
         "Brinox World Championship 2001 Champions | 2001,2002 | https://top.example/2001"},
    };
    for (const auto& [command, opens] : cases) {
        EXPECT_EQ(Effect([&] { frame->Menu().Action(command)->trigger(); }),
                  opens + " | size 1, running 1");
    }
}

} // namespace
} // namespace brinox::test

#include "GameMenuTest.moc"
