// The key watcher: an application-wide event filter that tells the game
// about every real key-down and key-up before menus, accelerators or any
// widget act on them. A key that is also a menu accelerator arrives first as
// a shortcut override, which is why that event counts as a key-down too.
// Auto-repeat events are ignored in both directions: a held key must keep its
// own repeat rhythm. The filter never consumes an event.
#pragma once

#include <QObject>

namespace brinox {

class Game;

class GameKeyFilter : public QObject {
    Q_OBJECT

public:
    explicit GameKeyFilter(QObject* parent = nullptr);

    // The game to inform; nullptr stops watching.
    void Watch(Game* game);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Game* game = nullptr;
};

} // namespace brinox
