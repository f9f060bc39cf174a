// What the upload and download dialogs share: a status line, a progress bar
// and Cancel. The first 50 ms tick prepares the transfer in the window's
// thread, then a worker thread opens the FTP session, logs in to the result
// server and runs the transfer, handing each status and the progress to the
// dialog through queued calls; the window keeps repainting. The outcome comes
// back to the window's thread, which shows the messages and closes.
//
// Invariants: the worker never touches a widget; Cancel (or Escape, or the
// close button) works at any moment: before the first tick it simply closes,
// afterwards it abandons the transfer at its next progress report (within a
// second) and the dialog closes with cancel once the worker has ended. A
// Cancel that comes after the last byte has gone through changes nothing:
// the outcome is what the transfer did. The dialog is never destroyed with
// its worker running.
#pragma once

#include "platform/FtpSession.h"

#include <QDialog>
#include <QString>
#include <QTimer>

#include <atomic>
#include <string>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

namespace brinox {

// What the player is told when the encryption resultserver.ini asks for
// cannot be had: nothing was sent or received.
inline constexpr const char* kNoTlsMessage = QT_TRANSLATE_NOOP(
    "brinox::CTransferDlg", "Connection to the FTP Server Failed\nThe server offers no "
                            "encrypted connection, which resultserver.ini requires "
                            "(tls=required)");
inline constexpr const char* kUntrustedServerMessage =
    QT_TRANSLATE_NOOP("brinox::CTransferDlg", "Connection to the FTP Server Failed\nThe server's "
                                              "certificate could not be verified");

enum class TransferOutcome {
    Done,      // transferred
    NoSession, // the session could not be opened
    NoLogin,   // no connection to the server, or the login was refused
    NoTls,     // resultserver.ini requires TLS and the server does not offer it
    Untrusted, // the server's certificate could not be verified
    Failed,    // the transfer itself failed
    Cancelled, // the player cancelled before the transfer was through
};

class CTransferDlg : public QDialog {
    Q_OBJECT

public:
    CTransferDlg(const QString& title, const std::string& appDirectory, QWidget* parent);
    ~CTransferDlg() override;

    QString Status() const;
    void reject() override;

protected:
    // Window's thread, first tick: false ends the dialog (the callee has
    // already reported why and closed it).
    virtual bool Prepare() = 0;
    // Worker thread: the transfer over a logged-in session.
    virtual bool Transfer(FtpSession& session) = 0;
    // Window's thread, after the worker: messages, clean-up, close.
    virtual void Finish(TransferOutcome outcome) = 0;
    // The status shown while Transfer runs and once it has succeeded.
    virtual QString TransferStatus() const = 0;
    virtual QString DoneStatus() const = 0;

    // Waits for the worker after cancelling it; every derived destructor
    // calls this first, as the worker uses the derived dialog's members.
    void EndWorker();
    // Shows the message of a failed session or login; false for any other outcome.
    bool ReportConnectionFailure(TransferOutcome outcome);
    // Thread-safe: the status line shows text from now on.
    void SetStatus(const QString& text);
    // Thread-safe: whether the player has asked to stop.
    bool Cancelled() const { return cancelled; }

    const std::string appDirectory;

private:
    void Start();
    TransferOutcome Run();
    bool ReportProgress(std::int64_t done, std::int64_t total);

    QTimer firstTick;
    std::thread worker;
    std::atomic<bool> cancelled{false};
    bool running = false;
    QLabel* status = nullptr;
    QProgressBar* progress = nullptr;
    QPushButton* cancel = nullptr;
};

} // namespace brinox
