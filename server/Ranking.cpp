#include "Ranking.h"

#include "ReplayProof.h"
#include "ReviewList.h"
#include "Top10Ranking.h"
#include "UploadFile.h"
#include "VerdictStore.h"

#include "scores/ReplayBundle.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <set>
#include <tuple>
#include <vector>

#include <sys/stat.h>

namespace brinox::server {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUploadSuffix = ".ttb";

struct Arrival {
    std::int64_t time; // ns since 1970, as the file system keeps it
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
    std::int64_t held = 0;
    std::int64_t duplicates = 0;
    std::int64_t unverified = 0;
    std::int64_t rejected = 0;
    std::int64_t played = 0;
};

// Everything a run works with besides the uploads.
struct Run {
    const RankOptions& options;
    VerdictStore& store;
    const ReviewList& reviewed;
    std::ostream& errors;
    Tally tally;
};

// A text from a file as the log may show it: printable ASCII, everything
// else (control characters, line breaks, bytes of other code pages) as \xHH.
std::string Shown(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            shown += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        }
    }
    return shown;
}

std::string ShownPath(const fs::path& path) {
    return Shown(path.string());
}

std::string Figures(const PlayRates& rates) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "%.1f keys in a second at most, %.1f a second over a minute, %.2f pieces a "
                  "second over a minute",
                  rates.peakKeysPerSecond, rates.sustainedKeysPerSecond, rates.piecesPerSecond);
    return text;
}

// Regular files of the directory: the uploads in arrival order and the
// bundles apart, without the tool's own files; false when it cannot be read.
bool ListUploads(const std::string& uploadDir, const std::vector<std::string>& own,
                 Listing& listing, std::ostream& errors) {
    // The published Top 10 and the kept verdicts may share the directory with
    // the uploads: known by device and inode, each file of the folder stated once.
    std::set<std::pair<dev_t, ino_t>> ownFiles;
    for (const std::string& path : own) {
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0) {
            ownFiles.insert({info.st_dev, info.st_ino});
        }
    }
    std::error_code error;
    fs::directory_iterator it(uploadDir, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::path& path = it->path();
        std::string name = path.filename().string();
        struct stat info {};
        // A hidden name is a file on its way in (the FTP daemon's ".in.NAME."), never an upload
        // yet.
        if (name.starts_with('.') || ::stat(path.c_str(), &info) != 0 ||
            ownFiles.contains({info.st_dev, info.st_ino})) {
            continue;
        }
        if (name.ends_with(kReplayBundleSuffix)) {
            listing.bundles.insert(std::move(name));
            continue;
        }
        const std::int64_t time =
            std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
        listing.uploads.push_back({time, std::move(name), path});
    }
    if (error) {
        errors << "brinox-rank: cannot read " << Shown(uploadDir) << ": " << error.message()
               << '\n';
        return false;
    }
    std::sort(listing.uploads.begin(), listing.uploads.end());
    return true;
}

// The replays sent beside one upload (NAME.replays beside NAME.ttb): each
// row's digest, taken from the kept state when the file is the one read
// before, and the bytes, read only when a verdict must be made. A file that
// cannot be read, or is larger than any real one, leaves its upload's rows
// without replays (named: they stay unverified).
class UploadReplays {
public:
    UploadReplays(const Arrival& upload, const Listing& listing, VerdictStore& store,
                  std::ostream& errors)
        : store(store), errors(errors) {
        if (!upload.name.ends_with(kUploadSuffix)) {
            return;
        }
        const std::string name = upload.name.substr(0, upload.name.size() - kUploadSuffix.size()) +
                                 std::string(kReplayBundleSuffix);
        if (!listing.bundles.contains(name)) {
            return;
        }
        path = (upload.path.parent_path() / name).string();
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0) {
            identity = {static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino),
                        static_cast<std::uint64_t>(info.st_size),
                        static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 1'000'000'000u +
                            static_cast<std::uint64_t>(info.st_mtim.tv_nsec)};
        }
        if (const VerdictStore::Digests* seen = store.Seen(path, identity)) {
            digests = *seen;
        } else {
            Read(true);
        }
    }

    // The folder entry of the replays; empty when the upload came without.
    const std::string& Path() const { return path; }
    // The digest of a row's replay; empty when it has none.
    const std::string& Digest(std::int32_t row) const {
        return digests[static_cast<std::size_t>(row)];
    }
    // A row's replay, read now if it was not read yet; null when there is none.
    const std::vector<std::uint8_t>* Bytes(std::int32_t row) {
        if (!bundle && !Digest(row).empty()) {
            Read(false);
        }
        return bundle ? bundle->Find(row) : nullptr;
    }

private:
    void Read(bool first) {
        bool tooLarge = false;
        const auto bytes = ReadUploadBytes(path, tooLarge, kMaxBundleBytes);
        bundle = bytes ? ReadReplayBundle(*bytes) : std::nullopt;
        if (!bundle) {
            errors << "brinox-rank: "
                   << (tooLarge ? "skipped larger than any real " : "unreadable ") << "replays "
                   << ShownPath(path) << ": the rows of its upload are unverified\n";
            return;
        }
        if (first) {
            for (const auto& [row, replay] : bundle->replays) {
                digests[static_cast<std::size_t>(row)] = ReplayDigest(replay);
            }
            store.Remember(path, identity, digests);
        }
    }

    VerdictStore& store;
    std::ostream& errors;
    std::string path;
    VerdictStore::FileIdentity identity;
    VerdictStore::Digests digests;
    std::optional<ReplayBundle> bundle;
};

// The replay of a row of a replays file, for the published Top 10 replays.
std::optional<std::vector<std::uint8_t>> ReadRowReplay(const std::string& path, std::int32_t row) {
    bool tooLarge = false;
    const auto bytes = ReadUploadBytes(path, tooLarge, kMaxBundleBytes);
    const auto bundle = bytes ? ReadReplayBundle(*bytes) : std::nullopt;
    const std::vector<std::uint8_t>* replay = bundle ? bundle->Find(row) : nullptr;
    return replay != nullptr ? std::optional(*replay) : std::nullopt;
}

// The kept verdict of a row's replay, or a new one, played now.
RowProof VerdictOf(const ScoreEntry& row, std::int32_t r, UploadReplays& replays, Run& run,
                   bool& fresh) {
    const std::string& digest = replays.Digest(r);
    fresh = !digest.empty();
    if (digest.empty()) {
        return ProveRow(row, nullptr);
    }
    const std::string key = VerdictKey(row, digest);
    if (const RowProof* kept = run.store.Find(key)) {
        fresh = false;
        return *kept;
    }
    const std::vector<std::uint8_t>* replay = replays.Bytes(r);
    ++run.tally.played;
    RowProof proof = ProveRow(row, replay);
    if (replay != nullptr) {
        run.store.Put(key, proof);
    }
    return proof;
}

// Decides whether a row enters the ranking, says why not where the organiser
// must know; true when its replay proves it.
bool JudgeRow(ScoreEntry& row, std::int32_t r, const Arrival& arrival, UploadReplays& replays,
              Run& run) {
    const std::string where = ShownPath(arrival.path) + " row " + std::to_string(r + 1) + " (" +
                              Shown(row.name) + ", score " + std::to_string(row.score) + ")";
    bool fresh = false;
    const RowProof proof = VerdictOf(row, r, replays, run, fresh);
    row.used = 0;
    switch (proof.proof) {
    case Proof::Rejected:
        ++run.tally.rejected;
        if (fresh) { // a kept rejection was named in the run that made it
            run.errors << "brinox-rank: rejected " << where << ": " << Shown(proof.reason) << '\n';
        }
        return false;
    case Proof::Unverified:
        ++run.tally.unverified;
        row.used = run.options.admitUnverified ? 1 : 0;
        return false;
    case Proof::Verified:
        break;
    }
    const std::string id = arrival.name + "#" + std::to_string(r + 1);
    if (const std::string& owner = run.store.Owner(proof.fingerprint, id); owner != id) {
        ++run.tally.duplicates;
        run.errors << "brinox-rank: duplicate " << where << ": the same game as " << Shown(owner)
                   << '\n';
        return false;
    }
    if (HumanLimits::Beyond(proof.rates) && !run.reviewed.Admits(proof.fingerprint)) {
        ++run.tally.held;
        run.errors << "brinox-rank: held for review " << where << ": " << Figures(proof.rates)
                   << "; game " << proof.fingerprint << '\n';
        return false;
    }
    ++run.tally.verified;
    row.used = 1;
    return true;
}

// Moves a file, across file systems too, keeping its time; false when it stays.
bool MoveFile(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    if (!error) {
        return true;
    }
    const auto time = fs::last_write_time(from, error);
    if (error || !fs::copy_file(from, to, error) || error) {
        fs::remove(to, error);
        return false;
    }
    fs::last_write_time(to, time, error);
    fs::remove(from, error);
    return true;
}

// A base name that neither an upload nor a bundle of the store has yet.
std::string FreeBase(const fs::path& store, const std::string& base) {
    std::string free = base;
    for (int n = 1; fs::exists(store / (free + std::string(kUploadSuffix))) ||
                    fs::exists(store / (free + std::string(kReplayBundleSuffix)));
         ++n) {
        free = base + "~" + std::to_string(n);
    }
    return free;
}

// Moves what has arrived whole from the upload folder into the store: each
// upload with its bundle (which the game stores first), a bundle left alone
// for a day, and anything else. A bundle whose upload is still on its way stays.
void MoveIntoStore(const fs::path& from, const fs::path& store, const Listing& listing,
                   std::ostream& errors) {
    std::error_code error;
    fs::create_directories(store, error);
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    std::set<std::string> bundles = listing.bundles;
    for (const Arrival& arrival : listing.uploads) {
        const bool upload = arrival.name.ends_with(kUploadSuffix);
        const std::string base =
            upload ? arrival.name.substr(0, arrival.name.size() - kUploadSuffix.size())
                   : arrival.name;
        const std::string target = FreeBase(store, base);
        const std::string bundle = base + std::string(kReplayBundleSuffix);
        if (upload && bundles.erase(bundle) != 0 &&
            !MoveFile(from / bundle, store / (target + std::string(kReplayBundleSuffix)))) {
            errors << "brinox-rank: cannot move " << ShownPath(from / bundle) << '\n';
            continue;
        }
        if (!MoveFile(arrival.path,
                      store / (target + (upload ? std::string(kUploadSuffix) : "")))) {
            errors << "brinox-rank: cannot move " << ShownPath(arrival.path) << '\n';
        }
    }
    for (const std::string& bundle : bundles) {
        const auto time = fs::last_write_time(from / bundle, error);
        if (!error && time < dayAgo) {
            MoveFile(from / bundle, store / (FreeBase(store, bundle) + ".orphan"));
        }
    }
}

void Summarize(const Run& run) {
    const Tally& t = run.tally;
    run.errors << "brinox-rank: results verified " << t.verified << ", held " << t.held
               << ", duplicates " << t.duplicates << ", unverified " << t.unverified
               << (run.options.admitUnverified ? " (ranked)" : " (left out)") << ", rejected "
               << t.rejected << "; replays played " << t.played << '\n';
}

} // namespace

int RankDirectory(const std::string& uploadDir, const std::string& top10Path, std::ostream& errors,
                  const RankOptions& options) {
    const fs::path stateDir = options.stateDir.empty() ? fs::absolute(top10Path).parent_path()
                                                       : fs::path(options.stateDir);
    const std::string statePath = (stateDir / kStateFileName).string();
    const std::string reviewPath =
        options.reviewFile.empty() ? (stateDir / kReviewFileName).string() : options.reviewFile;
    const std::string replaysPath = TopReplaysPath(top10Path);
    const std::vector<std::string> own{top10Path, replaysPath, statePath, reviewPath};
    Listing listing;
    if (!ListUploads(uploadDir, own, listing, errors)) {
        return 1;
    }
    if (!options.storeDir.empty()) {
        MoveIntoStore(uploadDir, options.storeDir, listing, errors);
        listing = {};
        if (!ListUploads(options.storeDir, own, listing, errors)) {
            return 1;
        }
    }
    VerdictStore store;
    if (store.Open(statePath) == VerdictStore::Load::Damaged) {
        errors << "brinox-rank: damaged " << Shown(statePath) << ": every replay is played again\n";
    }
    const ReviewList reviewed = ReviewList::Read(reviewPath);
    Run run{options, store, reviewed, errors, {}};
    Top10Ranking ranking;
    for (const Arrival& arrival : listing.uploads) {
        bool tooLarge = false;
        const auto bytes = ReadUploadBytes(arrival.path.string(), tooLarge);
        TransferFile upload;
        const UploadCheck check = tooLarge ? UploadCheck::Hostile
                                  : bytes  ? ReadUpload(*bytes, upload)
                                           : UploadCheck::Foreign;
        if (check != UploadCheck::Ok) {
            errors << "brinox-rank: skipped " << ShownPath(arrival.path) << ": " << Describe(check)
                   << '\n';
            continue;
        }
        UploadReplays replays(arrival, listing, store, errors);
        Top10Ranking::Proofs proofs;
        for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
            ScoreEntry& row = upload.rows[static_cast<std::size_t>(r)];
            if (row.used == 1 && !ranking.Counted(upload, row) &&
                JudgeRow(row, r, arrival, replays, run)) {
                proofs[static_cast<std::size_t>(r)] = replays.Path();
            }
        }
        ranking.Add(upload, proofs);
    }
    Summarize(run);
    if (!store.Save(statePath)) {
        errors << "brinox-rank: cannot write " << Shown(statePath)
               << ": the next run plays this run's replays again\n";
    }
    if (!WriteTop10File(top10Path, ranking.Result())) {
        errors << "brinox-rank: cannot write " << Shown(top10Path) << '\n';
        return 1;
    }
    if (!WriteReplayBundle(replaysPath, ranking.ResultReplays(ReadRowReplay))) {
        errors << "brinox-rank: cannot write " << Shown(replaysPath) << '\n';
    }
    return 0;
}

std::string TopReplaysPath(const std::string& top10Path) {
    const std::string_view path(top10Path);
    return std::string(path.ends_with(kUploadSuffix)
                           ? path.substr(0, path.size() - kUploadSuffix.size())
                           : path) +
           std::string(kReplayBundleSuffix);
}

} // namespace brinox::server
