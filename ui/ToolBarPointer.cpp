#include "ToolBarPointer.h"

#include "PointerAreas.h"

#include <QWidget>

namespace brinox {

namespace {

constexpr ToolButton ButtonAt(std::int32_t index) {
    return static_cast<ToolButton>(index);
}

} // namespace

ToolBarPointer::ToolBarPointer(QWidget& view, const Layout& layout, ButtonStates& buttons,
                               Links links)
    : view(view), layout(layout), buttons(buttons), links(std::move(links)) {}

void ToolBarPointer::Moved(QPoint at) {
    const std::int32_t oldLine = buttons.statusMessage;
    bool changed = false;
    bool overButton = false;
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const ToolButton button = ButtonAt(b);
        if (!links.enabled(button)) {
            continue;
        }
        std::int32_t& state = buttons[button];
        if (PointerOver(layout, button, at)) {
            overButton = true;
            changed = changed || state == 0;
            state = state == 0 ? 1 : state;
        } else if (state != 0) {
            state = 0;
            changed = true;
        }
    }
    if (overButton != handPointer) {
        handPointer = overButton;
        if (overButton) {
            view.setCursor(Qt::PointingHandCursor);
        } else {
            view.unsetCursor();
        }
    }
    buttons.statusMessage = StatusLineAt(layout, at);
    if (changed || buttons.statusMessage != oldLine) {
        links.redraw();
    }
}

void ToolBarPointer::Pressed(QPoint at) {
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const ToolButton button = ButtonAt(b);
        if (button == ToolButton::Logo || !links.enabled(button) ||
            !PointerOver(layout, button, at)) {
            continue;
        }
        links.pressed();
        buttons[button] = 2;
        links.redraw();
    }
}

void ToolBarPointer::Released(QPoint at) {
    // Each button's rule is read at its turn: the toggles come first and may
    // hide or show the tool bar below them.
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const ToolButton button = ButtonAt(b);
        if (links.enabled(button) && PointerOver(layout, button, at) && !links.release(button)) {
            return;
        }
    }
}

} // namespace brinox
