// The main window's menu bar with its accelerators, and the run-time texts
// and states of its items: Start/Stop names what F2 will do, Pause shows the
// configured Pause key and is checked while paused, every item is enabled by
// its command's rule, and the window-size items carry a radio mark on the
// stored setting. An item only names its command; the window runs it.
// However a menu closes, the keyboard is the window's again once none is open.
#pragma once

#include "Command.h"

#include "engine/GameState.h"
#include "engine/Options.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QMainWindow;

namespace brinox {

class GameMenu {
public:
    using Runner = std::function<void(Command)>;
    using Rule = std::function<bool(Command)>;

    // Builds the menus on the window's menu bar; the actions belong to the window.
    GameMenu(QMainWindow& window, Runner run);

    // Brings texts, checks and enabled states up to date.
    void Update(const GameFlags& flags, const Options& options, std::int32_t windowSizeSetting,
                const Rule& enabled);

    static QString StartStopText(const GameFlags& flags);
    static QString PauseText(const Options& options);

    QAction* Action(Command command) const { return actions[Index(command)]; }

private:
    static std::size_t Index(Command command) { return static_cast<std::size_t>(command); }

    std::array<QAction*, kMenuCommandCount> actions{};
};

} // namespace brinox
