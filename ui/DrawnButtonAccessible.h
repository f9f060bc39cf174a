// One drawn button of the main window (a tool-bar button, a bar toggle, a
// selector or the logo) as assistive technology sees it: a button named as
// the menu names its command (the toggles and selectors as the options sheet
// names their settings, a selector with its current choice), enabled while a
// click would work, invisible while the tool bar that holds it is hidden,
// a check box where it shows an on/off setting, with one action (Press, or
// Toggle for a check box) that does what a click does. The press is carried out once the caller's
// request has returned, as a click is handled after its event: a button that opens a dialog must
// not hold an assistive tool's call until the dialog closes.
//
// Invariants: what it reports is read from the window when asked; what the
// clients last learnt (at its making, which a client's question causes, or at
// the last change told) is kept only to tell them what changed since.
#pragma once

#include "LeafAccessible.h"
#include "ToolButton.h"

#include <QAccessibleActionInterface>
#include <QString>

#include <optional>

class QAction;

namespace brinox {

class CGameFrame;

class DrawnButtonAccessible : public LeafAccessible, public QAccessibleActionInterface {
public:
    DrawnButtonAccessible(QAccessibleInterface& parent, CGameFrame& frame, ToolButton button);

    // Tells the clients each change of name or state since they last learnt
    // them; whether there was one.
    bool TellChanges();

    // QAccessibleInterface
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    struct Shown {
        QString name;
        QAccessible::State state;
    };

    Shown Now() const { return {text(QAccessible::Name), state()}; }
    // The menu item that runs the same command; none for the toggles and selectors.
    const QAction* MenuItem() const;
    // The current choice of a selector; empty for the other buttons.
    QString Choice() const;
    std::optional<bool> Checked() const;
    bool Drawn() const;

    CGameFrame& frame;
    ToolButton button;
    Shown told;
};

} // namespace brinox
