#include "GameMenu.h"

#include "settings/ShownKeyName.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace brinox {

namespace {

// One menu item: where it stands, its text (with its key after a tab, so the
// menu shows it as written), its accelerator and the command it names. The
// texts are translated where the menus are made (context "GameMenu"); the
// accelerators are the same in every language.
struct MenuItem {
    const char* menu;
    const char* text;
    const char* keys;
    Command command;
    bool separatorAfter = false;
};

constexpr const char* kGame = QT_TRANSLATE_NOOP("GameMenu", "&Game");
constexpr const char* kSize = QT_TRANSLATE_NOOP("GameMenu", "&Window size");
constexpr const char* kChampions = QT_TRANSLATE_NOOP("GameMenu", "&Champions");
constexpr const char* kHelp = QT_TRANSLATE_NOOP("GameMenu", "&Help");
constexpr const char* kBest = QT_TRANSLATE_NOOP("GameMenu", "&Best Scores");

// The Pause key is read by the window's own key handler, not by an accelerator.
// In menu order; every command has exactly one item (checked below).
constexpr MenuItem kItems[] = {
    {kGame, QT_TRANSLATE_NOOP("GameMenu", "Start/Stop &Game\tF2"), "F2", Command::StartStop},
    {kGame, QT_TRANSLATE_NOOP("GameMenu", "&Pause\tPause"), "", Command::Pause, true},
    {kGame, QT_TRANSLATE_NOOP("GameMenu", "&Options...\tF3"), "F3", Command::Options},
    {kSize, QT_TRANSLATE_NOOP("GameMenu", "&Normal\tCtrl+1"), "Ctrl+1", Command::SizeNormal},
    {kSize, QT_TRANSLATE_NOOP("GameMenu", "&Big\tCtrl+2"), "Ctrl+2", Command::SizeBig},
    {kSize, QT_TRANSLATE_NOOP("GameMenu", "&Automatic\tCtrl+3"), "Ctrl+3", Command::SizeAutomatic,
     true},
    {kGame, QT_TRANSLATE_NOOP("GameMenu", "&Save As..\tCtrl+S"), "Ctrl+S", Command::Save},
    {kGame, QT_TRANSLATE_NOOP("GameMenu", "&Load...\tCtrl+L"), "Ctrl+L", Command::Load, true},
    {kGame, QT_TRANSLATE_NOOP("GameMenu", "E&xit\tCtrl+X"), "Ctrl+X", Command::Exit},
    {kChampions, QT_TRANSLATE_NOOP("GameMenu", "200&0\tAlt+0"), "Alt+0", Command::Champions2000},
    {kChampions, QT_TRANSLATE_NOOP("GameMenu", "200&1\tAlt+1"), "Alt+1", Command::Champions2001},
    {kHelp, QT_TRANSLATE_NOOP("GameMenu", "&Index\tF1"), "F1", Command::HelpIndex, true},
    {kHelp, QT_TRANSLATE_NOOP("GameMenu", "Brinox 2000 &Homepage..."), "", Command::Homepage},
    {kHelp, QT_TRANSLATE_NOOP("GameMenu", "About &Cathedral (on the picture) ..."), "",
     Command::AboutCathedral},
    {kHelp, QT_TRANSLATE_NOOP("GameMenu", "&About..."), "", Command::About},
    {kBest, QT_TRANSLATE_NOOP("GameMenu", "&Local Best Scores...\tF4"), "F4",
     Command::LocalBestScores},
    {kBest, QT_TRANSLATE_NOOP("GameMenu", "&World Championship Top 10 ...\tF5"), "F5",
     Command::WorldTop10, true},
    {kBest, QT_TRANSLATE_NOOP("GameMenu", "World Championship &Homepage..."), "",
     Command::ChampionshipHomepage},
};

constexpr bool EveryCommandOnce() {
    std::array<int, kMenuCommandCount> items{};
    for (const MenuItem& item : kItems) {
        ++items[static_cast<std::size_t>(item.command)];
    }
    for (int count : items) {
        if (count != 1) {
            return false;
        }
    }
    return true;
}
static_assert(EveryCommandOnce());

QString Shown(const char* text) {
    return QCoreApplication::translate("GameMenu", text);
}

// Escape in a menu of the menu bar leaves the bar holding the keyboard with
// nothing on screen to show it, and the game's keys would then walk the menu
// bar while the piece falls. Once no menu is open the window takes the
// keyboard back. Queued: Escape hands the bar the keyboard only after its
// menu has hidden.
void GiveKeyboardBackOnHide(QMenu& menu, QMainWindow& window) {
    QObject::connect(
        &menu, &QMenu::aboutToHide, &window,
        [&window] {
            if (QApplication::activePopupWidget() == nullptr && window.menuBar()->hasFocus()) {
                window.setFocus(Qt::OtherFocusReason);
            }
        },
        Qt::QueuedConnection);
}

} // namespace

GameMenu::GameMenu(QMainWindow& window, Runner run) {
    QMenuBar* bar = window.menuBar();
    QMenu* game = bar->addMenu(Shown(kGame));
    GiveKeyboardBackOnHide(*game, window);
    QMenu* size = nullptr;
    QMenu* current = nullptr;
    const char* currentName = nullptr;
    for (const MenuItem& item : kItems) {
        if (item.menu != currentName) {
            currentName = item.menu;
            if (item.menu == kGame) {
                current = game;
            } else if (item.menu == kSize) {
                size = size != nullptr ? size : game->addMenu(Shown(kSize));
                current = size;
            } else {
                current = bar->addMenu(Shown(item.menu));
                GiveKeyboardBackOnHide(*current, window);
            }
        }
        QAction* action = current->addAction(Shown(item.text));
        if (*item.keys != '\0') {
            action->setShortcut(QKeySequence(QString::fromLatin1(item.keys)));
        }
        // Accelerators work whenever the window is active, menu open or not.
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, action,
                         [run, command = item.command] { run(command); });
        actions[Index(item.command)] = action;
        if (item.separatorAfter) {
            // The separator after the Window size items follows the submenu itself.
            (item.menu == kSize ? game : current)->addSeparator();
        }
    }
    Action(Command::Pause)->setCheckable(true);
    auto* sizes = new QActionGroup(&window);
    for (Command item : {Command::SizeNormal, Command::SizeBig, Command::SizeAutomatic}) {
        Action(item)->setCheckable(true);
        sizes->addAction(Action(item));
    }
}

QString GameMenu::StartStopText(const GameFlags& flags) {
    return flags.gameInProgress ? Shown(QT_TRANSLATE_NOOP("GameMenu", "Stop Game\tF2"))
                                : Shown(QT_TRANSLATE_NOOP("GameMenu", "Start Game\tF2"));
}

QString GameMenu::PauseText(const Options& options) {
    return Shown(QT_TRANSLATE_NOOP("GameMenu", "Pause\t%1")).arg(ShownKeyName(options.keyPause));
}

void GameMenu::Update(const GameFlags& flags, const Options& options,
                      std::int32_t windowSizeSetting, const Rule& enabled) {
    for (std::int32_t index = 0; index < kMenuCommandCount; ++index) {
        actions[static_cast<std::size_t>(index)]->setEnabled(enabled(static_cast<Command>(index)));
    }
    Action(Command::StartStop)->setText(StartStopText(flags));
    Action(Command::Pause)->setText(PauseText(options));
    Action(Command::Pause)->setChecked(flags.gameInProgress && !flags.gameRunning);
    Action(Command::SizeNormal)->setChecked(windowSizeSetting == 0);
    Action(Command::SizeBig)->setChecked(windowSizeSetting == 1);
    Action(Command::SizeAutomatic)->setChecked(windowSizeSetting != 0 && windowSizeSetting != 1);
}

} // namespace brinox
