// The key watcher: an application-wide event filter that tells the game
// about every real key-down and key-up before menus, accelerators or any
// widget act on them. A key that is also a menu accelerator arrives first as
// a shortcut override, which is why that event counts as a key-down too.
// Auto-repeat events are ignored in both directions: a held key must keep its
// own repeat rhythm. A key goes down for the game only while the game's
// window itself has the keyboard: keys that steer an open menu, the menu bar
// or a dialog are not game keys. Every key-up is passed on, so a key held
// into a menu is not left pressed, unless the gamepad holds the same key.
// The filter never consumes an event.
#pragma once

#include <QObject>

class QWidget;

namespace brinox {

class Game;
class HeldKeys;

class GameKeyFilter : public QObject {
    Q_OBJECT

public:
    explicit GameKeyFilter(QObject* parent = nullptr);

    // The game to inform, the window that must have the keyboard and the keys
    // the gamepad holds too; nullptr stops watching.
    void Watch(Game* game, const QWidget* window, HeldKeys* held);
    // The key rule: a key-down is the game's only while its window itself has
    // the keyboard. The gamepad's controls follow the same rule.
    static bool GameHasKeyboard(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Game* game = nullptr;
    const QWidget* window = nullptr;
    HeldKeys* held = nullptr;
};

} // namespace brinox
