#include "GameMenu.h"

#include "settings/KeyName.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace brinox {

GameMenu::GameMenu(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    MenuActions& a = actions;

    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    a.startStop = Add(window, game, QStringLiteral("Start/Stop &Game\tF2"), QStringLiteral("F2"));
    // The Pause key is read by the window's own key handler, not by an accelerator.
    a.pause = Add(window, game, QStringLiteral("&Pause\tPause"), QString());
    a.pause->setCheckable(true);
    game->addSeparator();
    a.options = Add(window, game, QStringLiteral("&Options...\tF3"), QStringLiteral("F3"), false);
    QMenu* size = game->addMenu(QStringLiteral("&Window size"));
    a.sizeNormal = Add(window, size, QStringLiteral("&Normal\tCtrl+1"), QStringLiteral("Ctrl+1"));
    a.sizeBig = Add(window, size, QStringLiteral("&Big\tCtrl+2"), QStringLiteral("Ctrl+2"));
    a.sizeAutomatic =
        Add(window, size, QStringLiteral("&Automatic\tCtrl+3"), QStringLiteral("Ctrl+3"));
    auto* sizes = new QActionGroup(&window);
    for (QAction* item : {a.sizeNormal, a.sizeBig, a.sizeAutomatic}) {
        item->setCheckable(true);
        sizes->addAction(item);
    }
    game->addSeparator();
    a.save =
        Add(window, game, QStringLiteral("&Save As..\tCtrl+S"), QStringLiteral("Ctrl+S"), false);
    a.load = Add(window, game, QStringLiteral("&Load...\tCtrl+L"), QStringLiteral("Ctrl+L"), false);
    game->addSeparator();
    a.exit = Add(window, game, QStringLiteral("E&xit\tCtrl+X"), QStringLiteral("Ctrl+X"));

    QMenu* champions = bar->addMenu(QStringLiteral("&Champions"));
    a.champions2000 =
        Add(window, champions, QStringLiteral("200&0\tAlt+0"), QStringLiteral("Alt+0"), false);
    a.champions2001 =
        Add(window, champions, QStringLiteral("200&1\tAlt+1"), QStringLiteral("Alt+1"), false);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    a.helpIndex = Add(window, help, QStringLiteral("&Index\tF1"), QStringLiteral("F1"), false);
    help->addSeparator();
    a.homepage = Add(window, help, QStringLiteral("Brinox 2000 &Homepage..."), QString(), false);
    a.aboutCathedral = Add(window, help, QStringLiteral("About &Cathedral (on the picture) ..."),
                           QString(), false);
    a.about = Add(window, help, QStringLiteral("&About..."), QString(), false);

    QMenu* best = bar->addMenu(QStringLiteral("&Best Scores"));
    a.localBestScores =
        Add(window, best, QStringLiteral("&Local Best Scores...\tF4"), QStringLiteral("F4"), false);
    a.worldTop10 = Add(window, best, QStringLiteral("&World Championship Top 10 ...\tF5"),
                       QStringLiteral("F5"), false);
    best->addSeparator();
    a.championshipHomepage =
        Add(window, best, QStringLiteral("World Championship &Homepage..."), QString(), false);
}

QAction* GameMenu::Add(QMainWindow& window, QMenu* menu, const QString& text, const QString& keys,
                       bool enabled) {
    // The text carries its key after a tab, so the menu shows it as written.
    QAction* action = menu->addAction(text);
    if (!keys.isEmpty()) {
        action->setShortcut(QKeySequence(keys));
    }
    action->setEnabled(enabled);
    // Accelerators work whenever the window is active, menu open or not.
    window.addAction(action);
    return action;
}

bool GameMenu::SaveAllowed(const GameFlags& flags, const Options& options) {
    return flags.gameInProgress && options.gameMode != WorldChampionship;
}

QString GameMenu::StartStopText(const GameFlags& flags) {
    return flags.gameInProgress ? QStringLiteral("Stop Game\tF2")
                                : QStringLiteral("Start Game\tF2");
}

QString GameMenu::PauseText(const Options& options) {
    return QStringLiteral("Pause\t") + QString::fromStdString(KeyName(options.keyPause));
}

void GameMenu::Update(const GameFlags& flags, const Options& options,
                      std::int32_t windowSizeSetting) {
    actions.startStop->setText(StartStopText(flags));
    actions.pause->setText(PauseText(options));
    actions.pause->setEnabled(flags.gameInProgress != 0);
    actions.pause->setChecked(flags.gameInProgress && !flags.gameRunning);
    actions.save->setEnabled(saveAvailable && SaveAllowed(flags, options));
    actions.sizeNormal->setChecked(windowSizeSetting == 0);
    actions.sizeBig->setChecked(windowSizeSetting == 1);
    actions.sizeAutomatic->setChecked(windowSizeSetting != 0 && windowSizeSetting != 1);
}

} // namespace brinox
