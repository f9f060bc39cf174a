#include "Ranking.h"

#include "ReplayProof.h"
#include "Top10Ranking.h"
#include "UploadFile.h"

#include "scores/ReplayBundle.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <set>
#include <tuple>
#include <vector>

namespace brinox::server {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUploadSuffix = ".ttb";

struct Arrival {
    fs::file_time_type time;
    std::string name;
    fs::path path;
    bool operator<(const Arrival& other) const {
        return std::tie(time, name) < std::tie(other.time, other.name);
    }
};

struct Listing {
    std::vector<Arrival> uploads;  // arrival order
    std::set<std::string> bundles; // names of the replay bundles
};

struct Tally {
    std::int64_t verified = 0;
    std::int64_t unverified = 0;
    std::int64_t rejected = 0;
};

// Regular files of the directory: the uploads in arrival order and the
// bundles apart; false when it cannot be read.
bool ListUploads(const std::string& uploadDir, const std::string& top10Path, Listing& listing,
                 std::ostream& errors) {
    std::error_code error;
    fs::directory_iterator it(uploadDir, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        std::error_code ignored;
        // The published Top 10 may share the directory with the uploads.
        if (fs::equivalent(entry.path(), top10Path, ignored)) {
            continue;
        }
        std::string name = entry.path().filename().string();
        if (name.ends_with(kReplayBundleSuffix)) {
            listing.bundles.insert(std::move(name));
            continue;
        }
        const auto time = fs::last_write_time(entry.path(), ignored);
        listing.uploads.push_back({time, std::move(name), entry.path()});
    }
    if (error) {
        errors << "brinox-rank: cannot read " << uploadDir << ": " << error.message() << '\n';
        return false;
    }
    std::sort(listing.uploads.begin(), listing.uploads.end());
    return true;
}

// The replays sent beside an upload; none when there are none, or when they
// cannot be read (named: the rows stay unverified).
ReplayBundle BundleOf(const Arrival& upload, const Listing& listing, std::ostream& errors) {
    if (!upload.name.ends_with(kUploadSuffix)) {
        return {};
    }
    const std::string name = upload.name.substr(0, upload.name.size() - kUploadSuffix.size()) +
                             std::string(kReplayBundleSuffix);
    if (!listing.bundles.contains(name)) {
        return {};
    }
    const fs::path path = upload.path.parent_path() / name;
    bool tooLarge = false;
    const auto bytes = ReadUploadBytes(path.string(), tooLarge, ReplayBundle::kMaxBytes);
    auto bundle = bytes ? ReadReplayBundle(*bytes) : std::nullopt;
    if (!bundle) {
        errors << "brinox-rank: unreadable replays " << path.string()
               << ": the rows of its upload are unverified\n";
        return {};
    }
    return std::move(*bundle);
}

// Plays the replay of each new row: a rejected row leaves the upload, and so
// does an unverified one when only proven rows count.
void ProveRows(TransferFile& upload, const Arrival& arrival, const ReplayBundle& bundle,
               const Top10Ranking& ranking, RankOptions options, Tally& tally,
               std::ostream& errors) {
    for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
        ScoreEntry& row = upload.rows[static_cast<std::size_t>(r)];
        if (row.used != 1 || ranking.Counted(upload, row)) {
            continue;
        }
        const RowProof proof = ProveRow(row, bundle.Find(r));
        if (proof.proof == Proof::Verified) {
            ++tally.verified;
        } else if (proof.proof == Proof::Unverified) {
            ++tally.unverified;
            row.used = options.verifiedOnly ? 0 : 1;
        } else {
            ++tally.rejected;
            row.used = 0;
            errors << "brinox-rank: rejected " << arrival.path.string() << " row " << r + 1
                   << " (score " << row.score << "): " << proof.reason << '\n';
        }
    }
}

} // namespace

int RankDirectory(const std::string& uploadDir, const std::string& top10Path, std::ostream& errors,
                  RankOptions options) {
    Listing listing;
    if (!ListUploads(uploadDir, top10Path, listing, errors)) {
        return 1;
    }
    Top10Ranking ranking;
    Tally tally;
    for (const Arrival& arrival : listing.uploads) {
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
        ProveRows(upload, arrival, BundleOf(arrival, listing, errors), ranking, options, tally,
                  errors);
        ranking.Add(upload);
    }
    errors << "brinox-rank: results verified " << tally.verified << ", unverified "
           << tally.unverified << (options.verifiedOnly ? " (left out)" : "") << ", rejected "
           << tally.rejected << '\n';
    if (!WriteTop10File(top10Path, ranking.Result())) {
        errors << "brinox-rank: cannot write " << top10Path << '\n';
        return 1;
    }
    return 0;
}

} // namespace brinox::server
