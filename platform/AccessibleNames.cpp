#include "AccessibleNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace brinox {

namespace {

QString CaptionOf(QWidget& widget) {
    for (const QLabel* label : widget.window()->findChildren<QLabel*>()) {
        if (label->buddy() == &widget) {
            QString text = label->text();
            return text.remove(QLatin1Char('&'));
        }
    }
    for (const QWidget* up = widget.parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(up)) {
            return group->title();
        }
    }
    return widget.window()->windowTitle();
}

} // namespace

void NameInnerControls(QWidget& dialog) {
    for (QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        if (combo->view()->accessibleName().isEmpty()) {
            combo->view()->setAccessibleName(CaptionOf(*combo));
        }
    }
    for (QTabWidget* tabs : dialog.findChildren<QTabWidget*>()) {
        if (!tabs->accessibleName().isEmpty()) {
            continue;
        }
        tabs->setAccessibleName(tabs->tabText(tabs->currentIndex()).remove(QLatin1Char('&')));
        QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs](int page) {
            tabs->setAccessibleName(tabs->tabText(page).remove(QLatin1Char('&')));
        });
    }
}

} // namespace brinox
