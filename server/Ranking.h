// brinox-rank's work: every result upload of a directory into the world Top 10.
#pragma once

#include <iosfwd>
#include <string>

namespace brinox::server {

struct RankOptions {
    // Only rows proven by their replays enter the Top 10.
    bool verifiedOnly = false;
};

// The whole tool: reads every file of uploadDir (arrival order: modification
// time, then name), names each refused one on errors, plays the replays sent
// beside each upload (NAME.ttb with NAME.replays) to prove its rows, names
// each rejected row on errors and leaves it out, sums up how many results
// were verified, unverified and rejected, and replaces top10Path
// atomically. 0 when the Top 10 was written, 1 otherwise.
int RankDirectory(const std::string& uploadDir, const std::string& top10Path, std::ostream& errors,
                  RankOptions options = {});

} // namespace brinox::server
