// One figure of the main window's counters (level, lines left, score, best
// score, lines, the countdown's time, the rising counter) as assistive
// technology sees it: a label named with its caption and figure ("Scores:
// 1200"), whose text is the figure as the counter shows it, the time as
// minutes:seconds. A figure the window does not show (no game in progress, a
// mode without countdown or rising rows) is invisible and has no text.
//
// Invariants: the figure is read from the game the window shows when asked;
// what the clients last learnt (at its making, which a client's question
// causes, or at the last change told) is kept only to tell them changes.
#pragma once

#include "LeafAccessible.h"

#include <QString>

#include <cstdint>

namespace brinox {

class CGameFrame;
struct CounterPlace;

enum class Figure : std::int32_t { Level, LinesLeft, Score, BestScore, Lines, Time, Rising };
inline constexpr std::int32_t kFigureCount = static_cast<std::int32_t>(Figure::Rising) + 1;

class FigureAccessible : public LeafAccessible, public QAccessibleTextInterface {
public:
    FigureAccessible(QAccessibleInterface& parent, CGameFrame& frame, Figure figure);

    // Tells the clients a change of the figure or of its visibility since they
    // last learnt it; whether there was one.
    bool TellChanges();

    // QAccessibleInterface
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface: the figure, read-only, without caret or selection.
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    // The figure as shown; empty while the window shows none.
    QString Shown() const;
    const CounterPlace& Place() const;

    CGameFrame& frame;
    Figure figure;
    QString told;
};

} // namespace brinox
