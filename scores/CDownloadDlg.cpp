#include "CDownloadDlg.h"

#include "engine/DateTimeText.h"
#include "engine/FileNames.h"
#include "platform/MessageBox.h"

#include <cstdio>

namespace brinox {

CDownloadDlg::CDownloadDlg(const std::string& appDirectory, const Clock& clock, QWidget* parent)
    : CTransferDlg(QStringLiteral("Downloading..."), appDirectory, parent), clock(clock),
      localPath(appDirectory + std::string(files::kTop10)), partPath(localPath + ".part") {}

CDownloadDlg::~CDownloadDlg() {
    EndWorker();
}

bool CDownloadDlg::Transfer(FtpSession& session) {
    // Beside the old copy first: a download that fails leaves that copy alone.
    if (session.Get(std::string(files::kTop10), partPath) &&
        std::rename(partPath.c_str(), localPath.c_str()) == 0) {
        return true;
    }
    std::remove(partPath.c_str());
    return false;
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
    if (!ReportConnectionFailure(outcome) && outcome == TransferOutcome::Failed) {
        ShowWarning(this, QStringLiteral("Downloading Failed"));
    }
    QDialog::reject();
}

void CDownloadDlg::TakeFile() {
    // A refused file stays for the player to look at; only a read one goes.
    const Top10Load loaded = ReadTop10File(localPath, rows);
    if (loaded != Top10Load::Ok) {
        ShowWarning(this,
                    QString::fromUtf8(loaded == Top10Load::CannotOpen ? kCannotLoadDownloadMessage
                                                                      : kDownloadIncorrectMessage));
        QDialog::reject();
        return;
    }
    std::remove(localPath.c_str());
    downloadDate = DateTimeText(clock.Now());
    QDialog::accept();
}

} // namespace brinox
