// Watching a replay in the main window: hands the replay to the session,
// beats it on the window's tick, steers it with its own keys (a digit for the
// speed: 1, 2 or 4 ticks a beat; Escape to leave; Pause is the window's Pause
// command) and shows its state in the window's title. The player's game keys
// and the pad's movements still go to the session's idle game, never to the
// replay.
//
// Invariant: the title shows the replay's state exactly while one is watched;
// when watching ends the title animation starts again.
#pragma once

#include "GameSession.h"

#include <QString>

#include <functional>

class QKeyEvent;
class QWidget;

namespace brinox {

class ReplayWatch {
public:
    struct Links {
        std::function<void(const QString&)> setTitle;
        std::function<void()> startTitle; // the title animation, from its start
        std::function<void()> stateShown; // the menu and the buttons follow the state
        std::function<void()> redrawAll;
    };

    ReplayWatch(QWidget& window, GameSession& session, Links links);

    // Starts watching a replay file; what stands in the way is reported.
    void Watch(const std::vector<std::uint8_t>& bytes, ReplayOutput output);
    // One beat of the window's tick while watching.
    void Beat();
    // A key while watching; true when it steered the replay.
    bool Key(const QKeyEvent& event);
    void ShowState();
    void Stop();

private:
    QWidget& window;
    GameSession& session;
    Links links;
};

} // namespace brinox
