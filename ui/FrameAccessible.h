// The main window's drawn client area (FrameView) as assistive technology
// sees it: a pane named after the game whose children are what it draws as
// controls, the sixteen buttons in ToolButton order and then the figures in
// Figure order. Qt makes one through the factory Install puts in place, and
// only while an assistive client is active; a FrameView outside a CGameFrame
// keeps Qt's own interface.
//
// After each paint the view asks TellChanges, which tells the clients what
// changed on the way: a paint is what follows any change that can be seen, so
// nothing runs while the picture stands still, and every change is told once.
//
// Qt makes the pane whenever the view is shown; a child is made only when a
// client first asks for it, so without one nothing more is made or run.
//
// Invariants: a child, once made, lives as long as the pane (registered with
// Qt's cache under an id the pane removes when it goes); the pane reads nothing
// of the window, a child only once a client has asked for it.
#pragma once

#include "DrawnButtonAccessible.h"
#include "FigureAccessible.h"

#include <QAccessibleWidget>

#include <vector>

namespace brinox {

class CGameFrame;
class FrameView;

class FrameAccessible : public QAccessibleWidget {
public:
    FrameAccessible(FrameView& view, CGameFrame& frame);
    ~FrameAccessible() override;

    // Puts the factory in place (once per process, however often it is called).
    static void Install();
    // The pane of the view, when an assistive client is active and the view is
    // a main window's; none otherwise.
    static FrameAccessible* Of(FrameView& view);

    // Tells the clients what changed since the last call; the number of
    // controls that changed.
    int TellChanges();

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    CGameFrame& frame;
    // Of the children made so far, in child order; 0 for one not made yet.
    mutable std::vector<QAccessible::Id> ids;
};

} // namespace brinox
