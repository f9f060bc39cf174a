#include "PointerAreas.h"

#include "EnumTable.h"

#include <array>
#include <utility>

namespace brinox {

namespace {

bool Holds(const QRect& area, QPoint at, bool rightEdgeInside) {
    const int right = area.left() + area.width() - (rightEdgeInside ? 0 : 1);
    return at.x() >= area.left() && at.x() <= right && at.y() >= area.top() &&
           at.y() <= area.top() + area.height();
}

// Per button: the status line it shows, and whether its right edge is its
// own (Options, Save, Local best scores and Help leave it to their neighbour).
struct ButtonArea {
    ToolButton button;
    std::int32_t statusLine;
    bool rightEdgeInside;
};

constexpr std::array<ButtonArea, kToolButtonCount> kButtonAreas = {{
    {ToolButton::NextBarToggle, 15, true},
    {ToolButton::ToolBarToggle, 14, true},
    {ToolButton::StatusBarToggle, 16, true},
    {ToolButton::StartStop, 1, true},
    {ToolButton::Pause, 2, true},
    {ToolButton::Options, 3, false},
    {ToolButton::Save, 4, false},
    {ToolButton::Load, 5, true},
    {ToolButton::LocalBestScores, 6, false},
    {ToolButton::WorldTop10, 7, true},
    {ToolButton::Help, 8, false},
    {ToolButton::Exit, 9, true},
    {ToolButton::GameType, 10, true},
    {ToolButton::GameMode, 11, true},
    {ToolButton::Bombs, 12, true},
    {ToolButton::Logo, 13, true},
}};
static_assert(RowsInEnumOrder(kButtonAreas, &ButtonArea::button));

} // namespace

bool PointerOver(const Layout& layout, ToolButton button, QPoint at) {
    return Holds(layout.Button(button), at, kButtonAreas[IndexOf(button)].rightEdgeInside);
}

std::int32_t StatusLineAt(const Layout& layout, QPoint at) {
    std::int32_t line = 0;
    for (const ButtonArea& area : kButtonAreas) {
        if (PointerOver(layout, area.button, at)) {
            line = area.statusLine;
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
