// brinox-rank's work: every result upload of a directory into the world Top 10.
#pragma once

#include <iosfwd>
#include <string>

namespace brinox::server {

// The whole tool: reads every file of uploadDir (arrival order: modification
// time, then name), names each refused one on errors, and replaces top10Path
// atomically. 0 when the Top 10 was written, 1 otherwise.
int RankDirectory(const std::string& uploadDir, const std::string& top10Path, std::ostream& errors);

} // namespace brinox::server
