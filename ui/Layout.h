// Where everything sits in the client area, for one WindowSize, in Qt's
// types: the places of WindowGeometry (the one table, shared with the asset
// generator). Counters are right-aligned: a counter gives the position of its
// right-most digit cell and the rectangle it covers. Board row r lies at
// origin y + r * cell height, so the three spawn rows fall above the playing
// area and rows 3..20 fill it exactly.
#pragma once

#include "ToolButton.h"
#include "WindowSize.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>

namespace brinox {

struct CounterPlace {
    QPoint rightDigit;
    QRect rect;
};

struct Layout {
    // The places of this window size.
    static Layout For(WindowSize size);

    // Top-left corner of a board cell, in client pixels.
    QPoint CellPosition(std::int32_t column, std::int32_t row) const {
        return {boardOrigin.x() + column * cell.width(), boardOrigin.y() + row * cell.height()};
    }
    QRect CellRect(std::int32_t column, std::int32_t row) const {
        return {CellPosition(column, row), cell};
    }
    // One board row across the playing area.
    QRect RowStrip(std::int32_t row) const {
        return {CellPosition(0, row), QSize(playingArea.width(), cell.height())};
    }
    QRect Button(ToolButton button) const { return buttons[static_cast<std::size_t>(button)]; }
    // Where the pivot block of a next piece of this kind goes (20-pixel blocks in both sizes).
    QPoint NextPieceOrigin(std::int32_t kind) const;

    WindowSize size = WindowSize::Normal;
    QSize client;
    QRect playingArea;
    QSize cell;
    QPoint boardOrigin;
    QRect toolBar;
    QRect nextBar;
    std::array<QRect, kToolButtonCount> buttons; // by ToolButton
    QRect gameTypeLabel;
    QRect gameModeLabel;
    QRect bombsLabel;
    CounterPlace level;
    CounterPlace linesLeft;
    CounterPlace score;
    CounterPlace lines;
    CounterPlace timer;
    CounterPlace rising;
    CounterPlace best;
    QRect messageStrip;
    QRect statusCover;
    QPoint clock;
};

} // namespace brinox
