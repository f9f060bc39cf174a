#include "CDownloadDlg.h"

#include "ReplayStore.h"
#include "engine/DateTimeText.h"
#include "engine/FileNames.h"
#include "platform/MessageBox.h"
#include "settings/Archive.h"

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>

namespace brinox {

namespace {

// The server publishes the Top 10's replays under its name with the bundle suffix.
std::string Top10ReplaysName() {
    const std::string_view top10 = files::kTop10;
    return std::string(top10.substr(0, top10.rfind('.'))) + std::string(kReplayBundleSuffix);
}

std::optional<ReplayBundle> ReadBundleFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::file_size(path, error) > ReplayBundle::kMaxBytes || error) {
        return std::nullopt;
    }
    const auto bytes = ReadWholeFile(path);
    return bytes ? ReadReplayBundle(*bytes) : std::nullopt;
}

} // namespace

CDownloadDlg::CDownloadDlg(const std::string& appDirectory, const Clock& clock, QWidget* parent)
    : CTransferDlg(tr("Downloading..."), appDirectory, parent), clock(clock),
      localPath(appDirectory + std::string(files::kTop10)), partPath(localPath + ".part"),
      replaysPath(appDirectory + Top10ReplaysName() + ".part") {}

CDownloadDlg::~CDownloadDlg() {
    EndWorker();
}

bool CDownloadDlg::Transfer(FtpSession& session) {
    // Beside the old copy first: a download that fails leaves that copy alone.
    if (!session.Get(std::string(files::kTop10), partPath) ||
        std::rename(partPath.c_str(), localPath.c_str()) != 0) {
        std::remove(partPath.c_str());
        return false;
    }
    FetchReplays(session);
    return true;
}

void CDownloadDlg::FetchReplays(FtpSession& session) {
    // The Top 10 is in: anything that fails from here only means no replays.
    const bool fetched = session.Get(Top10ReplaysName(), replaysPath);
    std::optional<ReplayBundle> published = fetched ? ReadBundleFile(replaysPath) : std::nullopt;
    std::remove(replaysPath.c_str());
    if (!published || ReadTop10File(localPath, playedRows) != Top10Load::Ok) {
        return;
    }
    for (ReplayBundle::RowReplay& entry : published->replays) {
        if (ReplayStore::PlaysRow(entry.replay, playedRows[static_cast<std::size_t>(entry.row)],
                                  [this] { return Cancelled(); })) {
            replays.replays.push_back(std::move(entry));
        }
    }
}

QString CDownloadDlg::TransferStatus() const {
    return tr("Downloading...");
}

QString CDownloadDlg::DoneStatus() const {
    return tr("Downloading completed");
}

void CDownloadDlg::Finish(TransferOutcome outcome) {
    if (outcome == TransferOutcome::Done) {
        ShowInformation(this, tr("Data Transfer completed successfully"));
        TakeFile();
        return;
    }
    if (!ReportConnectionFailure(outcome) && outcome == TransferOutcome::Failed) {
        ShowWarning(this, tr("Downloading Failed"));
    }
    QDialog::reject();
}

void CDownloadDlg::TakeFile() {
    // A refused file stays for the player to look at; only a read one goes.
    const Top10Load loaded = ReadTop10File(localPath, rows);
    if (loaded != Top10Load::Ok) {
        ShowWarning(this, QCoreApplication::translate("Messages", loaded == Top10Load::CannotOpen
                                                                      ? kCannotLoadDownloadMessage
                                                                      : kDownloadIncorrectMessage));
        QDialog::reject();
        return;
    }
    std::remove(localPath.c_str());
    if (rows != playedRows) {
        replays = {}; // another copy of the game replaced the file meanwhile
    }
    downloadDate = DateTimeText(clock.Now());
    QDialog::accept();
}

} // namespace brinox
