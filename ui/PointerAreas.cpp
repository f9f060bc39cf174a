#include "PointerAreas.h"

#include <array>
#include <utility>

namespace brinox {

namespace {

bool Holds(const QRect& area, QPoint at, bool rightEdgeInside) {
    const int right = area.left() + area.width() - (rightEdgeInside ? 0 : 1);
    return at.x() >= area.left() && at.x() <= right && at.y() >= area.top() &&
           at.y() <= area.top() + area.height();
}

bool RightEdgeInside(ToolButton button) {
    return button != ToolButton::Options && button != ToolButton::Save &&
           button != ToolButton::LocalBestScores && button != ToolButton::Help;
}

// Status lines of the buttons, in ToolButton order.
constexpr std::array<std::int32_t, kToolButtonCount> kButtonLines = {15, 14, 16, 1, 2,  3,  4,  5,
                                                                     6,  7,  8,  9, 10, 11, 12, 13};

} // namespace

bool PointerOver(const Layout& layout, ToolButton button, QPoint at) {
    return Holds(layout.Button(button), at, RightEdgeInside(button));
}

std::int32_t StatusLineAt(const Layout& layout, QPoint at) {
    std::int32_t line = 0;
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        if (PointerOver(layout, static_cast<ToolButton>(b), at)) {
            line = kButtonLines[static_cast<std::size_t>(b)];
        }
    }
    const std::array<std::pair<QRect, std::int32_t>, 9> areas = {{
        {layout.statusCover, 18},
        {layout.nextBar, 17},
        {layout.level.rect, 19},
        {layout.linesLeft.rect, 20},
        {layout.score.rect, 21},
        {layout.lines.rect, 22},
        {layout.timer.rect, 23},
        {layout.rising.rect, 24},
        {layout.best.rect, 25},
    }};
    for (const auto& [area, areaLine] : areas) {
        if (Holds(area, at, true)) {
            line = areaLine;
        }
    }
    return line;
}

} // namespace brinox
