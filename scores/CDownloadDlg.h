// "Downloading...": fetches the world Top 10 (wctop10.ttb) from the result
// server into the game directory, checks its signature and format and, when
// accepted, holds its ten rows and the download date. The local copy is
// deleted once its rows are read; a file that cannot be read or is refused
// stays, and a failed connection, login or download leaves an older copy
// as it was (the download lands under a part name first).
//
// Then the replays the server publishes beside it (wctop10.replays), each
// under the place of the row it proves. A run of the ranking tool may replace
// either file between the two downloads, so a place's replay is taken only
// when it plays exactly the figures of the row now at that place
// (ReplayStore::PlaysRow); that is played in the worker, as it takes a whole
// game. Without the replays, or with damaged ones, the download ends as it
// would without them: nothing is told and no file is left.
#pragma once

#include "CTransferDlg.h"
#include "ReplayBundle.h"
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
    // After accept: the replays that play the rows of Rows() at their places.
    const ReplayBundle& Replays() const { return replays; }

private:
    bool Prepare() override { return true; }
    bool Transfer(FtpSession& session) override;
    void Finish(TransferOutcome outcome) override;
    QString TransferStatus() const override;
    QString DoneStatus() const override;
    void TakeFile();
    void FetchReplays(FtpSession& session);

    const Clock& clock;
    const std::string localPath;
    const std::string partPath; // the download until it is whole
    const std::string replaysPath;
    Top10Rows rows{};
    Top10Rows playedRows{}; // the rows the replays were played against
    ReplayBundle replays;
    std::string downloadDate = kNeverUpdated;
};

} // namespace brinox
