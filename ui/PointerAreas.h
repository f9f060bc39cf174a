// What lies under the pointer in the client area. An area holds both of its
// edges (left <= x <= left + width, top <= y <= top + height), one pixel more
// than QRect::contains; only the Options, Save, Local best scores and Help
// buttons leave their right edge to the button on their right. Whether a
// button is enabled or shown plays no part here.
#pragma once

#include "Layout.h"
#include "ToolButton.h"

#include <QPoint>

#include <cstdint>

namespace brinox {

// Whether the point lies on the button's area.
bool PointerOver(const Layout& layout, ToolButton button, QPoint at);
// The status-bar line for the point: of all the areas holding it, the line of
// the last one in test order (buttons, status-bar cover, next bar, counters); 0 over none.
std::int32_t StatusLineAt(const Layout& layout, QPoint at);

} // namespace brinox
