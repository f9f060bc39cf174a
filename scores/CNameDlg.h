// "Please enter your name": one edit field, prefilled with the last name
// entered (lastname.dat). OK stores the field there, empty or not, and
// keeps it for the caller; Cancel stores nothing. The field takes only
// characters the data files' code page can hold.
#pragma once

#include <QDialog>

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

private:
    std::string appDirectory;
    std::string name;
    QLineEdit* field = nullptr;
};

} // namespace brinox
