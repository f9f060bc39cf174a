// "Uploading...": puts one championship result on the result server. The
// first tick writes the transfer file beside the program under a base name
// of its own, with the replays of its rows (when there are any) in a bundle
// under the same base name; the worker logs in and stores the bundle, then
// the transfer file, under the same names in the login directory. The
// bundle goes first so that a result on the server always has its replays
// complete beside it; a bundle that cannot be written or stored only leaves
// the rows unproven, and the player is told nothing about it. The local
// files are gone after every outcome; a Cancel that stopped the upload tells
// the player the result was not sent.
#pragma once

#include "CTransferDlg.h"
#include "ReplayBundle.h"
#include "TransferFile.h"

namespace brinox {

inline constexpr const char* kUploadCancelledMessage =
    QT_TRANSLATE_NOOP("brinox::CUploadDlg", "Uploading cancelled\nYour results were not sent");

class CUploadDlg final : public CTransferDlg {
    Q_OBJECT

public:
    CUploadDlg(const std::string& appDirectory, TransferFile file, ReplayBundle replays,
               std::string baseName, QWidget* parent = nullptr);
    ~CUploadDlg() override;

private:
    bool Prepare() override;
    bool Transfer(FtpSession& session) override;
    void Finish(TransferOutcome outcome) override;
    QString TransferStatus() const override;
    QString DoneStatus() const override;

    const TransferFile file;
    const ReplayBundle replays;
    const std::string remoteName;
    const std::string localPath;
    const std::string remoteBundleName;
    const std::string localBundlePath;
    bool bundleWritten = false;
};

} // namespace brinox
