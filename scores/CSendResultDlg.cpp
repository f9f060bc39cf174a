#include "CSendResultDlg.h"

#include "platform/DialogStyle.h"
#include "platform/MessageBox.h"
#include "settings/StoredText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brinox {

namespace {
// The row name of a table is limited alike; the others fit any real address or country.
constexpr int kMaxName = 30;
constexpr int kMaxEmail = 80;
constexpr int kMaxCountry = 40;

const char* const kNotesStyle = R"(
QPlainTextEdit { color: #ffe9a8; background: #0a1020; border: 1px solid #3c4d74;
    border-radius: 3px; selection-background-color: #7a5410; }
QPlainTextEdit:focus { border-color: #f2c14e; }
)";
} // namespace

CSendResultDlg::CSendResultDlg(const std::string& appDirectory, QWidget* parent)
    : QDialog(parent), appDirectory(appDirectory) {
    setWindowTitle(QStringLiteral("Send Result"));
    setObjectName(QStringLiteral("sendResultDialog"));
    setStyleSheet(GameDialogStyle(13) + QString::fromLatin1(kNotesStyle));
    ReadLastSend(appDirectory, details);

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Please enter some information about you:")));
    auto* form = new QFormLayout;
    column->addLayout(form);
    name = AddLine(QStringLiteral("name"), kMaxName, details.name);
    email = AddLine(QStringLiteral("email"), kMaxEmail, details.email);
    country = AddLine(QStringLiteral("country"), kMaxCountry, details.country);
    form->addRow(QStringLiteral("Name:"), name);
    form->addRow(QStringLiteral("e-mail:"), email);
    form->addRow(QStringLiteral("Country:"), country);
    column->addWidget(new QLabel(QStringLiteral("Notes, suggestions (optional):")));
    notes = new QPlainTextEdit(FromStoredText(details.notes), this);
    notes->setObjectName(QStringLiteral("notes"));
    column->addWidget(notes);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Send"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("send"));
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSendResultDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSendResultDlg::reject);
    column->addWidget(buttons);
}

QLineEdit* CSendResultDlg::AddLine(const QString& objectName, int maxLength,
                                   const std::string& text) {
    auto* line = new QLineEdit(this);
    line->setObjectName(objectName);
    line->setMaxLength(maxLength);
    line->setValidator(new StoredTextValidator(line));
    line->setText(FromStoredText(text));
    line->setMinimumWidth(line->fontMetrics().averageCharWidth() * kMaxCountry);
    return line;
}

void CSendResultDlg::accept() {
    const std::pair<QLineEdit*, const char*> required[] = {
        {name, "Please enter your name"},
        {email, "Please enter your e-mail"},
        {country, "Please enter country"},
    };
    for (const auto& [field, refusal] : required) {
        if (field->text().isEmpty()) {
            ShowInformation(this, QString::fromUtf8(refusal));
            field->setFocus();
            return;
        }
    }
    details = {ToStoredText(name->text()), ToStoredText(email->text()),
               ToStoredText(country->text()), ToStoredText(notes->toPlainText())};
    // Particulars that cannot be remembered are still sent.
    WriteLastSend(appDirectory, details);
    QDialog::accept();
}

} // namespace brinox
