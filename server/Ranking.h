// brinox-rank's work: every result upload of a directory into the world Top 10.
#pragma once

#include <iosfwd>
#include <string>

namespace brinox::server {

struct RankOptions {
    // Rows that no replay proves enter the Top 10 too, once their fields are
    // plausible: for a championship that admits clients without replays.
    bool admitUnverified = false;
    // The folder of the kept verdicts (brinox-rank.state); empty: the Top 10 file's.
    std::string stateDir;
    // The organiser's list of reviewed games; empty: brinox-rank.review in the state's folder.
    std::string reviewFile;
    // A private folder that keeps every upload: the uploads that have arrived
    // whole move there from the upload folder, and the ranking reads it. Empty:
    // the upload folder is ranked as it is.
    std::string storeDir;
};

inline constexpr const char* kStateFileName = "brinox-rank.state";
inline constexpr const char* kReviewFileName = "brinox-rank.review";

// The whole tool: reads every file of uploadDir (arrival order: modification
// time, then name), names each refused one on errors, proves the rows of
// each upload with the replays sent beside it (NAME.ttb with NAME.replays),
// playing only the replays it has no kept verdict for, and replaces
// top10Path atomically with the best verified rows: each game once, for the
// upload that brought it first, and a game played faster than a human can
// only once the review file admits it. Beside it, the replays that proved
// the Top 10's rows (TopReplaysPath). Every text from a file that reaches
// errors is escaped. 0 when the Top 10 was written, 1 otherwise.
// The published replays of the Top 10: its path with ".replays" for ".ttb".
std::string TopReplaysPath(const std::string& top10Path);

int RankDirectory(const std::string& uploadDir, const std::string& top10Path, std::ostream& errors,
                  const RankOptions& options = {});

} // namespace brinox::server
