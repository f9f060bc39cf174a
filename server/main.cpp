// brinox-rank [--admit-unverified] [--state DIR] [--review FILE] UPLOAD_DIR TOP10_FILE:
// turns the result uploads of a championship server into the world Top 10
// the game downloads.
#include "Ranking.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: brinox-rank [--admit-unverified] [--state DIR] [--review FILE] UPLOAD_DIR TOP10_FILE\n";

} // namespace

int main(int argc, char** argv) {
    brinox::server::RankOptions options;
    std::vector<const char*> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        const bool valued = arg == "--state" || arg == "--review";
        if (valued && i + 1 < argc) {
            (arg == "--state" ? options.stateDir : options.reviewFile) = argv[++i];
        } else if (arg == "--admit-unverified") {
            options.admitUnverified = true;
        } else if (arg == "--verified-only") {
            // The default now; kept so that older service files still run.
        } else if (valued || arg.starts_with("-")) {
            std::cerr << kUsage;
            return 2;
        } else {
            paths.push_back(argv[i]);
        }
    }
    if (paths.size() != 2) {
        std::cerr << kUsage;
        return 2;
    }
    return brinox::server::RankDirectory(paths[0], paths[1], std::cerr, options);
}
