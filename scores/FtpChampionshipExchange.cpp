#include "FtpChampionshipExchange.h"

#include "CDownloadDlg.h"
#include "CSendResultDlg.h"
#include "CUploadDlg.h"
#include "ReplayStore.h"
#include "TableId.h"
#include "UsageRecords.h"
#include "engine/DateTimeText.h"
#include "platform/ModalRunner.h"

namespace brinox {

void FtpChampionshipExchange::Send(QWidget* parent, const std::string& appDirectory,
                                   const ScoreTable& table) {
    CSendResultDlg particulars(appDirectory, parent);
    if (RunModal(particulars) != QDialog::Accepted) {
        return;
    }
    const LocalTime now = clock.Now();
    TransferFile file;
    file.sender = particulars.Details();
    file.sendDate = DateTimeText(now);
    file.totalTime = TotalTimeText(appDirectory);
    file.firstStart = FirstStartText(appDirectory);
    file.rows = table.rows;
    // The kept replays of the rows go beside the result; a row without one
    // is simply not proven by the server.
    const ReplayStore store(appDirectory);
    ReplayBundle replays;
    for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
        ScoreEntry& row = file.rows[static_cast<std::size_t>(r)];
        if (auto replay = store.Get(QuadelChampionshipTable, row)) {
            replays.replays.push_back({r, std::move(*replay)});
        }
        row.country.clear();
    }
    file.sendDate2 = DateTimeText(clock.Now());
    CUploadDlg upload(appDirectory, std::move(file), std::move(replays), NewUploadBaseName(now),
                      parent);
    RunModal(upload);
}

bool FtpChampionshipExchange::Update(QWidget* parent, const std::string& appDirectory,
                                     ScoreTable& table) {
    CDownloadDlg download(appDirectory, clock, parent);
    if (RunModal(download) != QDialog::Accepted) {
        return false;
    }
    table.rows = download.Rows();
    table.lastUpdate = download.DownloadDate();
    // Kept under the rows they play: a row that a later update or CLEAR
    // replaces finds no replay, and the next save sweeps it away.
    const ReplayStore store(appDirectory);
    for (const auto& [row, replay] : download.Replays().replays) {
        store.Put(WorldTop10Table, table.rows[static_cast<std::size_t>(row)], replay);
    }
    return true;
}

} // namespace brinox
