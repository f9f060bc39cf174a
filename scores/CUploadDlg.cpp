#include "CUploadDlg.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>

#include <cstdio>

namespace brinox {

CUploadDlg::CUploadDlg(const std::string& appDirectory, TransferFile file, ReplayBundle replays,
                       std::string baseName, QWidget* parent)
    : CTransferDlg(tr("Uploading..."), appDirectory, parent), file(std::move(file)),
      replays(std::move(replays)), remoteName(baseName + ".ttb"),
      localPath(TransferFilePath(appDirectory, baseName)),
      remoteBundleName(baseName + std::string(kReplayBundleSuffix)),
      localBundlePath(ReplayBundlePath(appDirectory, baseName)) {}

CUploadDlg::~CUploadDlg() {
    EndWorker();
}

bool CUploadDlg::Prepare() {
    if (WriteTransferFile(localPath, file)) {
        bundleWritten = !replays.replays.empty() && WriteReplayBundle(localBundlePath, replays);
        return true;
    }
    ShowWarning(this, QCoreApplication::translate("Messages", kCannotCreateTransferMessage));
    QDialog::reject();
    return false;
}

bool CUploadDlg::Transfer(FtpSession& session) {
    // A refused bundle leaves the result unproven, not unsent.
    if (bundleWritten && !session.Put(localBundlePath, remoteBundleName) && Cancelled()) {
        return false;
    }
    return session.Put(localPath, remoteName);
}

QString CUploadDlg::TransferStatus() const {
    return tr("Uploading...");
}

QString CUploadDlg::DoneStatus() const {
    return tr("Uploading completed");
}

void CUploadDlg::Finish(TransferOutcome outcome) {
    std::remove(localPath.c_str());
    if (bundleWritten) {
        std::remove(localBundlePath.c_str());
    }
    if (outcome == TransferOutcome::Done) {
        ShowInformation(this,
                        tr("Your results was uploaded successfully\nThank you and Good Luck!"));
        QDialog::accept();
        return;
    }
    if (outcome == TransferOutcome::Cancelled) {
        ShowInformation(this, tr(kUploadCancelledMessage));
    } else if (!ReportConnectionFailure(outcome) && outcome == TransferOutcome::Failed) {
        ShowWarning(this, tr("Uploading Failed"));
    }
    QDialog::reject();
}

} // namespace brinox
