// The world Top 10 built from every result upload: each used row of each
// upload, with its sender's country, counted once however often it was sent
// (same sender e-mail, start time, end time and score), ordered like a best-
// score table (score, then level, then lines, all descending) and, on a full
// tie, the earlier upload first.
#pragma once

#include "scores/Top10File.h"
#include "scores/TransferFile.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace brinox::server {

// uploads in the order they arrived.
Top10Rows RankUploads(const std::vector<TransferFile>& uploads);

// The whole tool: reads every file of uploadDir (arrival order: modification
// time, then name), names each refused one on errors, and replaces top10Path
// atomically. 0 when the Top 10 was written, 1 otherwise.
int RankDirectory(const std::string& uploadDir, const std::string& top10Path, std::ostream& errors);

} // namespace brinox::server
