// "Please enter your name": one edit field, prefilled with the last name
// entered (lastname.dat). OK stores the field there, empty or not, and
// keeps it for the caller; Cancel stores nothing. The field takes only
// characters the data files' code page can hold.
//
// Invariants: the box opens at the end of a game, so a key still held from
// the game, its repeats and its release never reach the field; only keys
// pressed after the box opened do. Its size is fixed, wide enough for the
// whole title in a window manager's title bar, and it asks for no minimise
// or maximise button.
#pragma once

#include "settings/KeyRepeats.h"

#include <QDialog>

#include <set>
#include <string>

class QLineEdit;

namespace brinox {

class CNameDlg : public QDialog {
    Q_OBJECT

public:
    CNameDlg(const std::string& appDirectory, QWidget* parent = nullptr);

    // The name as stored (Windows-1252 bytes); meaningful after OK.
    const std::string& Name() const { return name; }
    QLineEdit& Field() { return *field; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string appDirectory;
    std::string name;
    QLineEdit* field = nullptr;
    KeyRepeats repeats;
    std::set<int> pressedHere; // keys that went down while the box was open
};

} // namespace brinox
