// The program's own dialogs in tests, without a nested event loop: a name
// dialog gets the next scripted name typed key by key (so its validator sees
// each one) and OK, or Cancel once the script is used up; any other dialog
// goes to onDialog, or closes at once.
#pragma once

#include "platform/ModalRunner.h"
#include "scores/CNameDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <deque>
#include <functional>

namespace brinox::test {

class ScriptedModalRunner : public ModalRunner {
public:
    int Run(QDialog& dialog) override {
        auto* nameDialog = qobject_cast<CNameDlg*>(&dialog);
        if (nameDialog == nullptr) {
            return onDialog ? onDialog(dialog) : QDialog::Rejected;
        }
        shownNames.push_back(nameDialog->Field().text());
        const bool ok = !names.empty();
        if (ok) {
            nameDialog->Field().clear();
            for (const QChar c : names.front()) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(&nameDialog->Field(), &key);
            }
            names.pop_front();
        }
        nameDialog->findChild<QDialogButtonBox*>()
            ->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
            ->click();
        return nameDialog->result();
    }

    std::deque<QString> names;       // typed into the coming name dialogs
    std::vector<QString> shownNames; // what each name dialog was prefilled with
    std::function<int(QDialog&)> onDialog;
};

} // namespace brinox::test
