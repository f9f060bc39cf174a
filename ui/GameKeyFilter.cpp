#include "GameKeyFilter.h"

#include "HeldKeys.h"

#include "engine/Game.h"
#include "platform/KeyCodes.h"

#include <QApplication>
#include <QKeyEvent>

namespace brinox {

GameKeyFilter::GameKeyFilter(QObject* parent) : QObject(parent) {}

void GameKeyFilter::Watch(Game* watchedGame, const QWidget* gameWindow, HeldKeys* heldKeys) {
    game = watchedGame;
    window = gameWindow;
    held = heldKeys;
}

bool GameKeyFilter::GameHasKeyboard(const QWidget* window) {
    return QApplication::activePopupWidget() == nullptr && QApplication::focusWidget() == window;
}

bool GameKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (game == nullptr || key->isAutoRepeat()) {
        return false;
    }
    // One key event passes the filter several times on its way (window,
    // focus widget, parents); setting or clearing a flag again changes nothing.
    const std::int32_t code = VirtualKeyCode(*key);
    if (code == 0) {
        return false;
    }
    if (type == QEvent::KeyRelease) {
        if (held == nullptr || held->Release(HeldKeys::Device::Keyboard, code)) {
            game->KeyUp(code);
        }
    } else if (GameHasKeyboard(window)) {
        if (held != nullptr) {
            held->Press(HeldKeys::Device::Keyboard, code);
        }
        game->KeyDown(code);
    }
    return false;
}

} // namespace brinox
