// The main window's menu bar with its accelerators, and the run-time texts
// and states of its items: Start/Stop names what F2 will do, Pause shows the
// configured Pause key and is checked while paused, Save is offered only in a
// game that may be saved, and the window-size items carry a radio mark on the
// stored setting. Commands whose dialogs do not exist yet stay disabled.
#pragma once

#include "engine/GameState.h"
#include "engine/GameTypes.h"
#include "engine/Options.h"

#include <QString>

#include <cstdint>

class QAction;
class QMainWindow;
class QMenu;

namespace brinox {

struct MenuActions {
    QAction* startStop = nullptr;
    QAction* pause = nullptr;
    QAction* options = nullptr;
    QAction* sizeNormal = nullptr;
    QAction* sizeBig = nullptr;
    QAction* sizeAutomatic = nullptr;
    QAction* save = nullptr;
    QAction* load = nullptr;
    QAction* exit = nullptr;
    QAction* champions2000 = nullptr;
    QAction* champions2001 = nullptr;
    QAction* helpIndex = nullptr;
    QAction* homepage = nullptr;
    QAction* aboutCathedral = nullptr;
    QAction* about = nullptr;
    QAction* localBestScores = nullptr;
    QAction* worldTop10 = nullptr;
    QAction* championshipHomepage = nullptr;
};

class GameMenu {
public:
    // Builds the menus on the window's menu bar; the actions belong to the window.
    explicit GameMenu(QMainWindow& window);

    // Brings texts, checks and enabled states up to date.
    void Update(const GameFlags& flags, const Options& options, std::int32_t windowSizeSetting);

    // Whether the game as it stands may be saved.
    static bool SaveAllowed(const GameFlags& flags, const Options& options);
    static QString StartStopText(const GameFlags& flags);
    static QString PauseText(const Options& options);

    // Turns the Save item on once a save command is connected to it.
    void SetSaveAvailable(bool available) { saveAvailable = available; }

    const MenuActions& Actions() const { return actions; }

private:
    QAction* Add(QMainWindow& window, QMenu* menu, const QString& text, const QString& keys,
                 bool enabled = true);

    MenuActions actions;
    bool saveAvailable = false;
};

} // namespace brinox
