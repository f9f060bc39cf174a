#include "FtpChampionshipExchange.h"

#include "CDownloadDlg.h"
#include "CSendResultDlg.h"
#include "CUploadDlg.h"
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
    for (ScoreEntry& row : file.rows) {
        row.country.clear();
    }
    file.sendDate2 = DateTimeText(clock.Now());
    CUploadDlg upload(appDirectory, std::move(file), NewUploadBaseName(now), parent);
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
    return true;
}

} // namespace brinox
