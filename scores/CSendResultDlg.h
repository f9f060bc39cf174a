// "Send Result": the sender's particulars for a championship upload. Opens
// with what was sent last time (lastsend.dat); Send refuses an empty name,
// e-mail or country (blanks count as text), then remembers the particulars
// and accepts. The notes may stay empty. Fields take only characters the
// data files' code page can hold.
#pragma once

#include "SenderDetails.h"

#include <QDialog>

#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace brinox {

class CSendResultDlg : public QDialog {
    Q_OBJECT

public:
    CSendResultDlg(const std::string& appDirectory, QWidget* parent = nullptr);

    // The particulars as stored (Windows-1252); meaningful after Send.
    const SenderDetails& Details() const { return details; }

    void accept() override;

private:
    QLineEdit* AddLine(const QString& objectName, int maxLength, const std::string& text);

    std::string appDirectory;
    SenderDetails details;
    QLineEdit* name = nullptr;
    QLineEdit* email = nullptr;
    QLineEdit* country = nullptr;
    QPlainTextEdit* notes = nullptr;
};

} // namespace brinox
