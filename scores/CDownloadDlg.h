// "Downloading...": fetches the world Top 10 (wctop10.ttb) from the result
// server into the game directory, checks its signature and format and, when
// accepted, holds its ten rows and the download date. The local copy is
// deleted once its rows are read; a file that cannot be read or is refused
// stays, and a failed connection, login or download leaves an older copy
// as it was (the download lands under a part name first).
#pragma once

#include "CTransferDlg.h"
#include "Top10File.h"

namespace brinox {

class Clock;

class CDownloadDlg final : public CTransferDlg {
    Q_OBJECT

public:
    CDownloadDlg(const std::string& appDirectory, const Clock& clock, QWidget* parent = nullptr);
    ~CDownloadDlg() override;

    // After accept: the downloaded rows (with countries) and when they came.
    const Top10Rows& Rows() const { return rows; }
    const std::string& DownloadDate() const { return downloadDate; }

private:
    bool Prepare() override { return true; }
    bool Transfer(FtpSession& session) override;
    void Finish(TransferOutcome outcome) override;
    QString TransferStatus() const override;
    QString DoneStatus() const override;
    void TakeFile();

    const Clock& clock;
    const std::string localPath;
    const std::string partPath; // the download until it is whole
    Top10Rows rows{};
    std::string downloadDate = kNeverUpdated;
};

} // namespace brinox
