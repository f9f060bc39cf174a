// The window's own tool bar: the pointer lights the enabled button under it
// and picks the status line, the left button presses a button and its
// release runs the button's command like the menu's (the session says which
// command and whether it may run).
#include "CGameFrame.h"
#include "FrameView.h"
#include "PointerAreas.h"

namespace brinox {

namespace {

constexpr ToolButton ButtonAt(std::int32_t index) {
    return static_cast<ToolButton>(index);
}

} // namespace

void CGameFrame::PointerMoved(QPoint at) {
    const std::int32_t oldLine = buttons.statusMessage;
    bool changed = false;
    bool overButton = false;
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const ToolButton button = ButtonAt(b);
        if (!ButtonEnabled(button)) {
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
            view->setCursor(Qt::PointingHandCursor);
        } else {
            view->unsetCursor();
        }
    }
    buttons.statusMessage = StatusLineAt(layout, at);
    if (changed || buttons.statusMessage != oldLine) {
        RedrawButtons();
    }
}

void CGameFrame::LeftPressed(QPoint at) {
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const ToolButton button = ButtonAt(b);
        if (button == ToolButton::Logo || !ButtonEnabled(button) ||
            !PointerOver(layout, button, at)) {
            continue;
        }
        session.PlaySound(SoundEvent::ButtonPress);
        buttons[button] = 2;
        RedrawButtons();
    }
}

void CGameFrame::LeftReleased(QPoint at) {
    // Each button's rule is read at its turn: the toggles come first and may
    // hide or show the tool bar below them.
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        const ToolButton button = ButtonAt(b);
        if (!ButtonEnabled(button) || !PointerOver(layout, button, at)) {
            continue;
        }
        if (!ReleaseButton(button)) {
            return;
        }
    }
}

void CGameFrame::ClickButton(ToolButton button) {
    if (!ButtonEnabled(button)) {
        return;
    }
    if (button != ToolButton::Logo) {
        session.PlaySound(SoundEvent::ButtonPress);
    }
    ReleaseButton(button);
}

bool CGameFrame::ReleaseButton(ToolButton button) {
    const bool stopping = button == ToolButton::StartStop && session.InGame();
    Run(GameSession::CommandOf(button));
    if (button == ToolButton::Logo) {
        return true;
    }
    buttons[button] = 1;
    RedrawAll();
    // A game cancelled here ends the click.
    return !(stopping && !session.InGame());
}

} // namespace brinox
