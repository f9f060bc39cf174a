// The pointer over the window's drawn tool bar: it lights the enabled button
// under it and picks the status line, the left button presses a button, and
// the release hands the button to the window to run. Which buttons are
// enabled, what a release does and how the bar is drawn are the window's.
//
// Invariant: only enabled buttons are lit or pressed; the hand cursor shows
// exactly while the pointer is over an enabled button.
#pragma once

#include "ButtonStates.h"
#include "Layout.h"
#include "ToolButton.h"

#include <QPoint>

#include <functional>

class QWidget;

namespace brinox {

class ToolBarPointer {
public:
    struct Links {
        std::function<bool(ToolButton)> enabled;
        std::function<void()> pressed;           // the button sound
        std::function<bool(ToolButton)> release; // false: the release ends with this button
        std::function<void()> redraw;            // the buttons and the status line
    };

    ToolBarPointer(QWidget& view, const Layout& layout, ButtonStates& buttons, Links links);

    void Moved(QPoint at);
    void Pressed(QPoint at);
    void Released(QPoint at);

private:
    QWidget& view;
    const Layout& layout;
    ButtonStates& buttons;
    Links links;
    bool handPointer = false;
};

} // namespace brinox
