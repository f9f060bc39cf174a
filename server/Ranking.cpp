#include "Ranking.h"

#include "Top10Ranking.h"
#include "UploadFile.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <tuple>
#include <vector>

namespace brinox::server {

namespace fs = std::filesystem;

namespace {

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

int RankDirectory(const std::string& uploadDir, const std::string& top10Path,
                  std::ostream& errors) {
    std::vector<Arrival> arrivals;
    if (!ListUploads(uploadDir, top10Path, arrivals, errors)) {
        return 1;
    }
    Top10Ranking ranking;
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
        ranking.Add(upload);
    }
    if (!WriteTop10File(top10Path, ranking.Result())) {
        errors << "brinox-rank: cannot write " << top10Path << '\n';
        return 1;
    }
    return 0;
}

} // namespace brinox::server
