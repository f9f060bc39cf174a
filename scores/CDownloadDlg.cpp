#include "CDownloadDlg.h"

#include "engine/DateTimeText.h"
#include "engine/FileNames.h"
#include "platform/MessageBox.h"

#include <cstdio>

namespace brinox {

CDownloadDlg::CDownloadDlg(const std::string& appDirectory, const Clock& clock, QWidget* parent)
    : CTransferDlg(QStringLiteral("Downloading..."), appDirectory, parent), clock(clock),
      localPath(appDirectory + std::string(files::kTop10)) {}

CDownloadDlg::~CDownloadDlg() {
    EndWorker();
}

bool CDownloadDlg::Transfer(FtpSession& session) {
    return session.Get(std::string(files::kTop10), localPath);
}

QString CDownloadDlg::TransferStatus() const {
    return QStringLiteral("Downloading...");
}

QString CDownloadDlg::DoneStatus() const {
    return QStringLiteral("Downloading completed");
}

void CDownloadDlg::Finish(TransferOutcome outcome) {
    if (outcome == TransferOutcome::Done) {
        ShowInformation(this, QStringLiteral("Data Transfer completed successfully"));
        TakeFile();
        return;
    }
    std::remove(localPath.c_str());
    if (!ReportConnectionFailure(outcome) && outcome == TransferOutcome::Failed) {
        ShowWarning(this, QStringLiteral("Downloading Failed"));
    }
    QDialog::reject();
}

void CDownloadDlg::TakeFile() {
    const Top10Load loaded = ReadTop10File(localPath, rows);
    std::remove(localPath.c_str());
    if (loaded != Top10Load::Ok) {
        ShowWarning(this,
                    QString::fromUtf8(loaded == Top10Load::CannotOpen ? kCannotLoadDownloadMessage
                                                                      : kDownloadIncorrectMessage));
        QDialog::reject();
        return;
    }
    downloadDate = DateTimeText(clock.Now());
    QDialog::accept();
}

} // namespace brinox
