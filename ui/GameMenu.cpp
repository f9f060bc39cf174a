#include "GameMenu.h"

#include "settings/KeyName.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace brinox {

namespace {

// One menu item: where it stands, its text (with its key after a tab, so the
// menu shows it as written), its accelerator and the command it names.
struct MenuItem {
    const char* menu;
    const char* text;
    const char* keys;
    Command command;
    bool separatorAfter = false;
};

constexpr const char* kGame = "&Game";
constexpr const char* kSize = "&Window size";
constexpr const char* kChampions = "&Champions";
constexpr const char* kHelp = "&Help";
constexpr const char* kBest = "&Best Scores";

// The Pause key is read by the window's own key handler, not by an accelerator.
// In menu order; every command has exactly one item (checked below).
constexpr MenuItem kItems[] = {
    {kGame, "Start/Stop &Game\tF2", "F2", Command::StartStop},
    {kGame, "&Pause\tPause", "", Command::Pause, true},
    {kGame, "&Options...\tF3", "F3", Command::Options},
    {kSize, "&Normal\tCtrl+1", "Ctrl+1", Command::SizeNormal},
    {kSize, "&Big\tCtrl+2", "Ctrl+2", Command::SizeBig},
    {kSize, "&Automatic\tCtrl+3", "Ctrl+3", Command::SizeAutomatic, true},
    {kGame, "&Save As..\tCtrl+S", "Ctrl+S", Command::Save},
    {kGame, "&Load...\tCtrl+L", "Ctrl+L", Command::Load, true},
    {kGame, "E&xit\tCtrl+X", "Ctrl+X", Command::Exit},
    {kChampions, "200&0\tAlt+0", "Alt+0", Command::Champions2000},
    {kChampions, "200&1\tAlt+1", "Alt+1", Command::Champions2001},
    {kHelp, "&Index\tF1", "F1", Command::HelpIndex, true},
    {kHelp, "Brinox 2000 &Homepage...", "", Command::Homepage},
    {kHelp, "About &Cathedral (on the picture) ...", "", Command::AboutCathedral},
    {kHelp, "&About...", "", Command::About},
    {kBest, "&Local Best Scores...\tF4", "F4", Command::LocalBestScores},
    {kBest, "&World Championship Top 10 ...\tF5", "F5", Command::WorldTop10, true},
    {kBest, "World Championship &Homepage...", "", Command::ChampionshipHomepage},
};

constexpr bool EveryCommandOnce() {
    std::array<int, kCommandCount> items{};
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
    QMenu* game = bar->addMenu(QString::fromLatin1(kGame));
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
                size = size != nullptr ? size : game->addMenu(QString::fromLatin1(kSize));
                current = size;
            } else {
                current = bar->addMenu(QString::fromLatin1(item.menu));
                GiveKeyboardBackOnHide(*current, window);
            }
        }
        QAction* action = current->addAction(QString::fromLatin1(item.text));
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
    return flags.gameInProgress ? QStringLiteral("Stop Game\tF2")
                                : QStringLiteral("Start Game\tF2");
}

QString GameMenu::PauseText(const Options& options) {
    return QStringLiteral("Pause\t") + QString::fromStdString(KeyName(options.keyPause));
}

void GameMenu::Update(const GameFlags& flags, const Options& options,
                      std::int32_t windowSizeSetting, const Rule& enabled) {
    for (std::int32_t index = 0; index < kCommandCount; ++index) {
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
