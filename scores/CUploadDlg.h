// "Uploading...": puts one championship result on the result server. The
// first tick writes the transfer file beside the program under a base name
// of its own, the worker logs in and stores it under the same name in the
// login directory. The local transfer file is gone after every outcome; a
// Cancel that stopped the upload tells the player the result was not sent.
#pragma once

#include "CTransferDlg.h"
#include "TransferFile.h"

namespace brinox {

inline constexpr const char* kUploadCancelledMessage =
    "Uploading cancelled\nYour results were not sent";

class CUploadDlg final : public CTransferDlg {
    Q_OBJECT

public:
    CUploadDlg(const std::string& appDirectory, TransferFile file, std::string baseName,
               QWidget* parent = nullptr);
    ~CUploadDlg() override;

private:
    bool Prepare() override;
    bool Transfer(FtpSession& session) override;
    void Finish(TransferOutcome outcome) override;
    QString TransferStatus() const override;
    QString DoneStatus() const override;

    const TransferFile file;
    const std::string remoteName;
    const std::string localPath;
};

} // namespace brinox
