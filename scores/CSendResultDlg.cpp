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
    setWindowTitle(tr("Send Result"));
    setObjectName(QStringLiteral("sendResultDialog"));
    setStyleSheet(GameDialogStyle(13) + QString::fromLatin1(kNotesStyle));
    ReadLastSend(appDirectory, details);

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Please enter some information about you:")));
    auto* form = new QFormLayout;
    column->addLayout(form);
    name = AddLine(QStringLiteral("name"), kMaxName, details.name);
    email = AddLine(QStringLiteral("email"), kMaxEmail, details.email);
    country = AddLine(QStringLiteral("country"), kMaxCountry, details.country);
    form->addRow(tr("Name:"), name);
    form->addRow(tr("e-mail:"), email);
    form->addRow(tr("Country:"), country);
    auto* notesCaption = new QLabel(tr("Notes, suggestions (optional):"));
    column->addWidget(notesCaption);
    notes = new QPlainTextEdit(FromStoredText(details.notes), this);
    notes->setObjectName(QStringLiteral("notes"));
    notesCaption->setBuddy(notes);
    // Tab goes on to the buttons, as from every other field; the notes need no tabs.
    notes->setTabChangesFocus(true);
    column->addWidget(notes);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Send"), QDialogButtonBox::AcceptRole)
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
    const std::pair<QLineEdit*, QString> required[] = {
        {name, tr("Please enter your name")},
        {email, tr("Please enter your e-mail")},
        {country, tr("Please enter country")},
    };
    for (const auto& [field, refusal] : required) {
        if (field->text().isEmpty()) {
            ShowInformation(this, refusal);
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
