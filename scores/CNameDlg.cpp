#include "CNameDlg.h"

#include "LastNameFile.h"
#include "settings/StoredText.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace brinox {

namespace {
// Long enough for any real name, short enough for the table's name column.
constexpr int kMaxNameLength = 30;
} // namespace

CNameDlg::CNameDlg(const std::string& appDirectory, QWidget* parent)
    : QDialog(parent), appDirectory(appDirectory) {
    setWindowTitle(QStringLiteral("Please enter your name"));
    setObjectName(QStringLiteral("nameDialog"));
    field = new QLineEdit(this);
    field->setAlignment(Qt::AlignCenter);
    field->setMaxLength(kMaxNameLength);
    field->setValidator(new StoredTextValidator(field));
    field->setText(FromStoredText(ReadLastName(appDirectory)));
    field->selectAll();
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * kMaxNameLength);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNameDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNameDlg::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(field);
    column->addWidget(buttons, 0, Qt::AlignCenter);
    setSizeGripEnabled(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void CNameDlg::accept() {
    name = ToStoredText(field->text());
    // A name that cannot be remembered is still used for this game.
    WriteLastName(appDirectory, name);
    QDialog::accept();
}

} // namespace brinox
