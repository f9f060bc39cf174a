#include "MessageBox.h"

#include <QMessageBox>

namespace brinox {
namespace {

class MessageBoxPrompter : public Prompter {
public:
    void Show(QWidget* parent, MessageKind kind, const QString& caption,
              const QString& text) override {
        const auto icon =
            kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information;
        QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool Ask(QWidget* parent, const QString& caption, const QString& text) override {
        return AskUnder(QMessageBox::Question, parent, caption, text);
    }

    static bool AskUnder(QMessageBox::Icon icon, QWidget* parent, const QString& caption,
                         const QString& text) {
        QMessageBox box(icon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
        // Return answers Yes, as in the classic Yes/No box.
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
};

MessageBoxPrompter defaultPrompter;
Prompter* installed = &defaultPrompter;

} // namespace

void InstallPrompter(Prompter* prompter) {
    installed = prompter != nullptr ? prompter : &defaultPrompter;
}

Prompter& CurrentPrompter() {
    return *installed;
}

void ShowWarning(QWidget* parent, const QString& text, const QString& caption) {
    installed->Show(parent, MessageKind::Warning, caption, text);
}

void ShowInformation(QWidget* parent, const QString& text, const QString& caption) {
    installed->Show(parent, MessageKind::Information, caption, text);
}

bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) {
    return installed->Ask(parent, caption, text);
}

bool AskYesNoInformation(QWidget* parent, const QString& text, const QString& caption) {
    if (installed != &defaultPrompter) {
        return installed->Ask(parent, caption, text);
    }
    return MessageBoxPrompter::AskUnder(QMessageBox::Information, parent, caption, text);
}

} // namespace brinox
