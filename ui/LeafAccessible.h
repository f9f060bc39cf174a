// What every drawn part of the main window shares as assistive technology
// sees it: a leaf of the window's interface, with no children, no focus and
// no object of its own, whose text nobody sets. The window's interface that
// is its parent outlives it.
#pragma once

#include <QAccessibleInterface>

namespace brinox {

class LeafAccessible : public QAccessibleInterface {
public:
    explicit LeafAccessible(QAccessibleInterface& parent) : parentInterface(parent) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parentInterface.window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return &parentInterface; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

private:
    QAccessibleInterface& parentInterface;
};

} // namespace brinox
