// The organiser's decisions on games held for review: a text file with one
// game fingerprint (64 hexadecimal digits, as brinox-rank prints it) at the
// start of each admitted line; anything after it, blank lines and lines
// starting with '#' are the organiser's notes. A missing or unreadable file
// admits nothing.
#pragma once

#include <set>
#include <string>

namespace brinox::server {

class ReviewList {
public:
    static ReviewList Read(const std::string& path);
    bool Admits(const std::string& fingerprint) const { return admitted.contains(fingerprint); }

private:
    std::set<std::string> admitted;
};

} // namespace brinox::server
