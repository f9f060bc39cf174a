// The program's own modal dialogs for the tests, run without a nested event
// loop: a name dialog gets the next scripted name typed into its field and
// confirmed with OK, or is cancelled once the script is used up; any other
// dialog goes to onDialog (closed at once when there is none).
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
        if (auto* nameDialog = qobject_cast<CNameDlg*>(&dialog)) {
            shownNames.push_back(nameDialog->Field().text());
            auto* buttons = nameDialog->findChild<QDialogButtonBox*>();
            if (names.empty()) {
                buttons->button(QDialogButtonBox::Cancel)->click();
            } else {
                nameDialog->Field().clear();
                Type(nameDialog->Field(), names.front());
                names.pop_front();
                buttons->button(QDialogButtonBox::Ok)->click();
            }
            return nameDialog->result();
        }
        return onDialog ? onDialog(dialog) : QDialog::Rejected;
    }

    // Typing character by character, so the field's validator sees every key.
    static void Type(QLineEdit& field, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&field, &press);
        }
    }

    std::deque<QString> names;       // typed into the coming name dialogs
    std::vector<QString> shownNames; // what each name dialog was prefilled with
    std::function<int(QDialog&)> onDialog;
};

} // namespace brinox::test
