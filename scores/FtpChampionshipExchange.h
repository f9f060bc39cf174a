// The real championship exchange over the result server. SEND asks for the
// particulars (CSendResultDlg) and uploads the table with the running time
// and the first-start date (CUploadDlg); UPDATE downloads the world Top 10
// (CDownloadDlg) and keeps the replays that came with it (ReplayStore).
// Every dialog runs through the program's modal runner, and neither call
// changes a table unless its transfer succeeded.
#pragma once

#include "ChampionshipExchange.h"

namespace brinox {

class Clock;

class FtpChampionshipExchange : public ChampionshipExchange {
public:
    explicit FtpChampionshipExchange(const Clock& clock) : clock(clock) {}

    void Send(QWidget* parent, const std::string& appDirectory, const ScoreTable& table) override;
    bool Update(QWidget* parent, const std::string& appDirectory, ScoreTable& table) override;

private:
    const Clock& clock;
};

} // namespace brinox
