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
    : QAccessibleWidget(&view, QAccessible::Pane), frame(frame),
      ids(static_cast<std::size_t>(kToolButtonCount + kFigureCount), 0) {}

FrameAccessible::~FrameAccessible() {
    for (QAccessible::Id id : ids) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

int FrameAccessible::TellChanges() {
    int changed = 0;
    for (std::size_t index = 0; index < ids.size(); ++index) {
        QAccessibleInterface* made = QAccessible::accessibleInterface(ids[index]);
        if (made == nullptr) {
            continue;
        }
        const bool told = index < static_cast<std::size_t>(kToolButtonCount)
                              ? static_cast<DrawnButtonAccessible*>(made)->TellChanges()
                              : static_cast<FigureAccessible*>(made)->TellChanges();
        changed += told ? 1 : 0;
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
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    QAccessible::Id& id = ids[static_cast<std::size_t>(index)];
    if (id == 0) {
        auto* self = const_cast<FrameAccessible*>(this);
        QAccessibleInterface* made =
            index < kToolButtonCount
                ? static_cast<QAccessibleInterface*>(
                      new DrawnButtonAccessible(*self, frame, static_cast<ToolButton>(index)))
                : new FigureAccessible(*self, frame, static_cast<Figure>(index - kToolButtonCount));
        id = QAccessible::registerAccessibleInterface(made);
    }
    return QAccessible::accessibleInterface(id);
}

int FrameAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t index = 0; index < ids.size(); ++index) {
        if (ids[index] != 0 && QAccessible::accessibleInterface(ids[index]) == child) {
            return static_cast<int>(index);
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
