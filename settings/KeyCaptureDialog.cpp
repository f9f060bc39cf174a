#include "KeyCaptureDialog.h"

#include "platform/DialogStyle.h"
#include "platform/KeyCodes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace brinox {

namespace {
constexpr std::int32_t kEscape = 27;
constexpr std::int32_t kF1 = 112;
constexpr std::int32_t kF12 = 123;
} // namespace

KeyCaptureDialog::KeyCaptureDialog(const QString& action, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("keyCapture"));
    setStyleSheet(GameDialogStyle(13) +
                  QStringLiteral("QDialog#keyCapture { border: 2px solid #f2c14e; }"
                                 "QLabel { color: #ffe9a8; font-weight: bold; }"
                                 "QLabel#action { color: #f2c14e; font-size: 16px; }"));
    // Without a title bar the box would not say whose key it waits for.
    auto* heading = new QLabel(action, this);
    heading->setObjectName(QStringLiteral("action"));
    heading->setAlignment(Qt::AlignCenter);
    setAccessibleName(action);
    auto* text = new QLabel(tr("Press a key to define new key or ESCAPE to cancel"), this);
    // Shown once a key arrives that the game's key table lacks, so the player
    // knows why the box stayed open.
    unusable = new QLabel(tr(kUnusableKeyText), this);
    unusable->setObjectName(QStringLiteral("unusableKey"));
    unusable->hide();
    setAccessibleDescription(text->text());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 18, 24, 18);
    column->addWidget(heading);
    column->addWidget(text);
    column->addWidget(unusable);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setFocusPolicy(Qt::StrongFocus);
}

bool KeyCaptureDialog::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // No accelerator of the program may take a key meant for this box.
        event->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress) {
        return QDialog::event(event);
    }
    const auto& press = static_cast<const QKeyEvent&>(*event);
    if (!press.isAutoRepeat() && TakeKey(VirtualKeyCode(press))) {
        closingKey = press.key();
    }
    return true;
}

bool KeyCaptureDialog::TakeKey(std::int32_t code) {
    if (code == kEscape) {
        reject();
        return true;
    }
    if (code == 0) {
        // A key the table lacks could never be pressed in the game.
        unusable->show();
        return false;
    }
    if (code >= kF1 && code <= kF12) {
        return false; // F1 to F12 stay the program's
    }
    key = code;
    accept();
    return true;
}

} // namespace brinox
