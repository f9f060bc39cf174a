#include "CNameDlg.h"

#include "LastNameFile.h"
#include "settings/StoredText.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace brinox {

namespace {
// Long enough for any real name, short enough for the table's name column.
constexpr int kMaxNameLength = 30;
// Room in a title bar beside its text, in heights of the title's type: the
// icon, the close button and the margins of a window manager.
constexpr int kTitleBarRoom = 6;
} // namespace

CNameDlg::CNameDlg(const std::string& appDirectory, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      appDirectory(appDirectory) {
    setWindowTitle(tr("Please enter your name"));
    setObjectName(QStringLiteral("nameDialog"));
    field = new QLineEdit(this);
    // The title is the field's only caption.
    field->setAccessibleName(windowTitle());
    field->setAlignment(Qt::AlignCenter);
    field->setMaxLength(kMaxNameLength);
    field->setValidator(new StoredTextValidator(field));
    field->setText(FromStoredText(ReadLastName(appDirectory)));
    field->selectAll();
    field->installEventFilter(this);
    // The window manager writes the title in its own type, often bold; a box
    // narrower than that shows it cut ("Please … name").
    QFont titleType = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleType.setBold(true);
    const QFontMetrics title(titleType);
    field->setMinimumWidth(
        std::max(field->fontMetrics().averageCharWidth() * kMaxNameLength,
                 title.horizontalAdvance(windowTitle()) + kTitleBarRoom * title.height()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNameDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNameDlg::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(field);
    column->addWidget(buttons, 0, Qt::AlignCenter);
    setSizeGripEnabled(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool CNameDlg::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != field || (type != QEvent::KeyPress && type != QEvent::KeyRelease)) {
        return QDialog::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const int code = key.key();
    if (repeats.NewPress(key)) {
        pressedHere.insert(code);
    }
    return !pressedHere.contains(code);
}

void CNameDlg::accept() {
    name = ToStoredText(field->text());
    // A name that cannot be remembered is still used for this game.
    WriteLastName(appDirectory, name);
    QDialog::accept();
}

} // namespace brinox
