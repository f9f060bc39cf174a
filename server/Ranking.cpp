#include "Ranking.h"

#include "UploadFile.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <set>
#include <tuple>

namespace brinox::server {

namespace fs = std::filesystem;

namespace {

using ResultKey = std::tuple<std::string, std::string, std::string, std::int32_t>;

std::string Lowercase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

bool Better(const ScoreEntry& a, const ScoreEntry& b) {
    return std::tie(a.score, a.level, a.lines) > std::tie(b.score, b.level, b.lines);
}

struct Arrival {
    fs::file_time_type time;
    std::string name;
    fs::path path;
    bool operator<(const Arrival& other) const {
        return std::tie(time, name) < std::tie(other.time, other.name);
    }
};

// Regular files of the directory in arrival order; false when it cannot be read.
bool ListUploads(const std::string& uploadDir, const std::string& top10Path,
                 std::vector<Arrival>& arrivals, std::ostream& errors) {
    std::error_code error;
    fs::directory_iterator it(uploadDir, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        std::error_code ignored;
        // The published Top 10 may share the directory with the uploads.
        if (fs::equivalent(entry.path(), top10Path, ignored)) {
            continue;
        }
        const auto time = fs::last_write_time(entry.path(), ignored);
        arrivals.push_back({time, entry.path().filename().string(), entry.path()});
    }
    if (error) {
        errors << "brinox-rank: cannot read " << uploadDir << ": " << error.message() << '\n';
        return false;
    }
    std::sort(arrivals.begin(), arrivals.end());
    return true;
}

} // namespace

Top10Rows RankUploads(const std::vector<TransferFile>& uploads) {
    std::set<ResultKey> seen;
    std::vector<ScoreEntry> results;
    for (const TransferFile& upload : uploads) {
        for (const ScoreEntry& row : upload.rows) {
            if (row.used != 1 || !seen.insert({Lowercase(upload.sender.email), row.startTime,
                                               row.endTime, row.score})
                                      .second) {
                continue;
            }
            results.push_back(row);
            results.back().country = upload.sender.country;
        }
    }
    // Stable: a full tie keeps arrival order.
    std::stable_sort(results.begin(), results.end(), Better);
    Top10Rows top{};
    std::copy_n(results.begin(), std::min(results.size(), top.size()), top.begin());
    return top;
}

int RankDirectory(const std::string& uploadDir, const std::string& top10Path,
                  std::ostream& errors) {
    std::vector<Arrival> arrivals;
    if (!ListUploads(uploadDir, top10Path, arrivals, errors)) {
        return 1;
    }
    std::vector<TransferFile> uploads;
    for (const Arrival& arrival : arrivals) {
        bool tooLarge = false;
        const auto bytes = ReadUploadBytes(arrival.path.string(), tooLarge);
        TransferFile upload;
        const UploadCheck check = tooLarge ? UploadCheck::Hostile
                                  : bytes  ? ReadUpload(*bytes, upload)
                                           : UploadCheck::Foreign;
        if (check != UploadCheck::Ok) {
            errors << "brinox-rank: skipped " << arrival.path.string() << ": " << Describe(check)
                   << '\n';
            continue;
        }
        uploads.push_back(std::move(upload));
    }
    if (!WriteTop10File(top10Path, RankUploads(uploads))) {
        errors << "brinox-rank: cannot write " << top10Path << '\n';
        return 1;
    }
    return 0;
}

} // namespace brinox::server
