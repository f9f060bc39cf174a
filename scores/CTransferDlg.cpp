#include "CTransferDlg.h"

#include "ResultServer.h"
#include "platform/DialogStyle.h"
#include "platform/MessageBox.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace brinox {

namespace {
constexpr int kFirstTickMs = 50;
constexpr int kStatusWidthChars = 36;

const char* const kProgressStyle = R"(
QProgressBar { background: #0a1020; border: 1px solid #3c4d74; border-radius: 3px;
    max-height: 10px; }
QProgressBar::chunk { background: #f2c14e; border-radius: 2px; }
)";
} // namespace

CTransferDlg::CTransferDlg(const QString& title, const std::string& appDirectory, QWidget* parent)
    : QDialog(parent), appDirectory(appDirectory) {
    setWindowTitle(title);
    setStyleSheet(GameDialogStyle(13) + QString::fromLatin1(kProgressStyle));
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("status"));
    status->setMinimumWidth(status->fontMetrics().averageCharWidth() * kStatusWidthChars);
    progress = new QProgressBar(this);
    progress->setRange(0, 0);
    progress->setTextVisible(false);
    status->setBuddy(progress); // the bar is named by the step it shows
    cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(cancel, &QPushButton::clicked, this, &CTransferDlg::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(status);
    column->addWidget(progress);
    column->addWidget(cancel, 0, Qt::AlignCenter);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    firstTick.setSingleShot(true);
    connect(&firstTick, &QTimer::timeout, this, &CTransferDlg::Start);
    firstTick.start(kFirstTickMs);
}

CTransferDlg::~CTransferDlg() {
    EndWorker();
}

void CTransferDlg::EndWorker() {
    cancelled = true;
    if (worker.joinable()) {
        worker.join();
    }
}

QString CTransferDlg::Status() const {
    return status->text();
}

void CTransferDlg::SetStatus(const QString& text) {
    QMetaObject::invokeMethod(
        this, [this, text] { status->setText(text); }, Qt::QueuedConnection);
}

void CTransferDlg::reject() {
    if (!running) {
        firstTick.stop();
        QDialog::reject();
        return;
    }
    // The worker notices at its next progress report; Finish closes.
    cancelled = true;
    cancel->setEnabled(false);
}

void CTransferDlg::Start() {
    if (cancelled || !Prepare()) {
        return;
    }
    running = true;
    worker = std::thread([this] {
        const TransferOutcome outcome = Run();
        QMetaObject::invokeMethod(
            this,
            [this, outcome] {
                worker.join();
                running = false;
                Finish(outcome);
            },
            Qt::QueuedConnection);
    });
}

TransferOutcome CTransferDlg::Run() {
    const ResultServer server = ReadResultServer(appDirectory);
    SetStatus(tr("Connecting..."));
    auto session = OpenFtpSession(
        [this](std::int64_t done, std::int64_t total) { return ReportProgress(done, total); });
    if (session == nullptr) {
        return TransferOutcome::NoSession;
    }
    SetStatus(tr("Connect to the FTP Server..."));
    switch (session->Connect(LoginFor(server, appDirectory))) {
    case FtpConnect::Connected:
        break;
    case FtpConnect::NoTls:
        return TransferOutcome::NoTls;
    case FtpConnect::Untrusted:
        return TransferOutcome::Untrusted;
    case FtpConnect::Failed:
        return cancelled ? TransferOutcome::Cancelled : TransferOutcome::NoLogin;
    }
    if (cancelled) {
        return TransferOutcome::Cancelled;
    }
    SetStatus(TransferStatus());
    if (!Transfer(*session)) {
        return cancelled ? TransferOutcome::Cancelled : TransferOutcome::Failed;
    }
    SetStatus(DoneStatus());
    return TransferOutcome::Done;
}

bool CTransferDlg::ReportProgress(std::int64_t done, std::int64_t total) {
    QMetaObject::invokeMethod(
        this,
        [this, done, total] {
            // Percent, so that any file size fits the bar's int range.
            progress->setRange(0, total > 0 ? 100 : 0);
            progress->setValue(total > 0 ? static_cast<int>(done * 100 / total) : 0);
        },
        Qt::QueuedConnection);
    // Once every byte is through, the file has arrived: a late Cancel no
    // longer abandons the step (it would only lose the server's last reply).
    return !cancelled || (total > 0 && done >= total);
}

bool CTransferDlg::ReportConnectionFailure(TransferOutcome outcome) {
    if (outcome == TransferOutcome::NoSession) {
        ShowWarning(this, tr("Connection Failed"));
    } else if (outcome == TransferOutcome::NoLogin) {
        ShowWarning(this, tr("Connection to the FTP Server Failed"));
    } else if (outcome == TransferOutcome::NoTls) {
        ShowWarning(this, tr(kNoTlsMessage));
    } else if (outcome == TransferOutcome::Untrusted) {
        ShowWarning(this, tr(kUntrustedServerMessage));
    } else {
        return false;
    }
    return true;
}

} // namespace brinox
