#include "FrameAccessible.h"

#include "CGameFrame.h"
#include "FrameView.h"
#include "TitleAnimation.h"

namespace brinox {

namespace {

QAccessibleInterface* MakeFrameAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(FrameView::staticMetaObject.className())) {
        return nullptr;
    }
    auto* view = qobject_cast<FrameView*>(object);
    auto* frame = view != nullptr ? qobject_cast<CGameFrame*>(view->parentWidget()) : nullptr;
    return frame != nullptr ? new FrameAccessible(*view, *frame) : nullptr;
}

} // namespace

void FrameAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeFrameAccessible);
        return true;
    }();
    (void)installed;
}

FrameAccessible* FrameAccessible::Of(FrameView& view) {
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<FrameAccessible*>(QAccessible::queryAccessibleInterface(&view));
}

FrameAccessible::FrameAccessible(FrameView& view, CGameFrame& frame)
    : QAccessibleWidget(&view, QAccessible::Pane) {
    for (std::int32_t b = 0; b < kToolButtonCount; ++b) {
        buttons.push_back(new DrawnButtonAccessible(*this, frame, static_cast<ToolButton>(b)));
        ids.push_back(QAccessible::registerAccessibleInterface(buttons.back()));
    }
    for (std::int32_t f = 0; f < kFigureCount; ++f) {
        figures.push_back(new FigureAccessible(*this, frame, static_cast<Figure>(f)));
        ids.push_back(QAccessible::registerAccessibleInterface(figures.back()));
    }
}

FrameAccessible::~FrameAccessible() {
    for (QAccessible::Id id : ids) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

int FrameAccessible::TellChanges() {
    int changed = 0;
    for (DrawnButtonAccessible* button : buttons) {
        changed += button->TellChanges() ? 1 : 0;
    }
    for (FigureAccessible* figure : figures) {
        changed += figure->TellChanges() ? 1 : 0;
    }
    return changed;
}

QString FrameAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QString::fromUtf8(TitleAnimation::kPlainTitle)
                                  : QAccessibleWidget::text(t);
}

int FrameAccessible::childCount() const {
    return static_cast<int>(ids.size());
}

QAccessibleInterface* FrameAccessible::child(int index) const {
    return index >= 0 && index < childCount()
               ? QAccessible::accessibleInterface(ids[static_cast<std::size_t>(index)])
               : nullptr;
}

int FrameAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int index = 0; index < childCount(); ++index) {
        if (this->child(index) == child) {
            return index;
        }
    }
    return -1;
}

QAccessibleInterface* FrameAccessible::childAt(int x, int y) const {
    for (int index = 0; index < childCount(); ++index) {
        QAccessibleInterface* control = child(index);
        if (!control->state().invisible && control->rect().contains(x, y)) {
            return control;
        }
    }
    return nullptr;
}

} // namespace brinox
