// Draws the window's pictures into the off-screen frame: the whole frame in
// the fixed back-to-front order, and the partial updates after a move, a
// counter change or a button change. Every picture is copied pixel for pixel
// at its natural size; a null picture draws nothing. The painter holds no
// state of its own but the marked copies of the block pictures (PieceMarks):
// it reads the session's shown game and settings (a watched replay's while
// there is one), the layout in force, the pictures and the button states each
// time it draws.
#pragma once

#include "ButtonStates.h"
#include "GameSession.h"
#include "Layout.h"
#include "PictureSet.h"
#include "PieceMarks.h"

#include "engine/Game.h"

#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>

class QPainter;

namespace brinox {

// Hour and minute shown by the status-bar clock.
struct ClockFace {
    std::int32_t hour = 0;
    std::int32_t minute = 0;
};

class FramePainter {
public:
    // Called with each rectangle as soon as it is finished in the frame.
    using Shown = std::function<void(const QRect&)>;

    FramePainter(GameSession& session, const Layout& layout, const PictureSet& pictures,
                 const ButtonStates& buttons, const ClockFace& clockFace);

    // The whole client area.
    void ComposeAll(QImage& frame);
    // The cells the falling piece left and entered since its last move.
    void DrawFallingPiece(QImage& frame, const Shown& shown);
    // The counters of a game in progress, each rectangle reported.
    void DrawCounters(QImage& frame, const Shown& shown);
    // Bar toggles, tool-bar, selector and logo buttons and the status line.
    void DrawButtons(QImage& frame, const Shown& shown);

    // What the field background shows at a board cell, without the idle picture.
    void RestoreCellBackground(QPainter& painter, std::int32_t column, std::int32_t row);
    // Image `image` of a strip picture whose images have the board's cell size.
    void DrawCellImage(QPainter& painter, const QImage& strip, std::int32_t image,
                       std::int32_t column, std::int32_t row);
    // The part of the idle picture that covers a board cell.
    void DrawIdleCell(QPainter& painter, std::int32_t column, std::int32_t row);

    const QImage& Sized(Picture normal) const { return pictures.Get(normal, layout.size); }
    // The block picture of a window size, with the piece marks when the
    // colour-blind aid is on: every piece block is drawn from it.
    const QImage& Blocks(WindowSize size);
    const Layout& CurrentLayout() const { return layout; }

private:
    void DrawFieldBackground(QPainter& painter);
    void DrawBars(QPainter& painter);
    void DrawNextPiece(QPainter& painter);
    void DrawAllCounters(QPainter& painter, const Shown& shown);
    void DrawCounter(QPainter& painter, const CounterPlace& place, std::int32_t cells,
                     std::int32_t value);
    void DrawTimer(QPainter& painter, std::int32_t seconds);
    void DrawToggles(QPainter& painter, const Shown& shown);
    void DrawToolButtons(QPainter& painter, const Shown& shown);
    void DrawSelectors(QPainter& painter, const Shown& shown);
    void DrawButton(QPainter& painter, ToolButton button, const QImage& strip, std::int32_t image,
                    const Shown& shown);
    void DrawClock(QPainter& painter);
    void DrawFallingPieceCells(QPainter& painter);
    void DrawBoard(QPainter& painter);
    void DrawLabels(QPainter& painter);
    void DrawStatusLine(QPainter& painter);
    void DrawReplayLine(QPainter& painter);
    void DrawBoardCell(QPainter& painter, std::int32_t column, std::int32_t row);
    bool Playing() const;
    Game& ShownGame() const { return session.ShownGame(); }
    const Options& ShownOptions() const { return session.ShownOptions(); }

    GameSession& session;
    const Layout& layout;
    const PictureSet& pictures;
    const ButtonStates& buttons;
    const ClockFace& clockFace;
    PieceMarks pieceMarks;
};

} // namespace brinox
