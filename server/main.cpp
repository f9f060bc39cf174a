// brinox-rank [--admit-unverified] [--state DIR] [--review FILE] [--store DIR]
//             UPLOAD_DIR TOP10_FILE:
// turns the result uploads of a championship server into the world Top 10
// the game downloads.
#include "Ranking.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: brinox-rank [--admit-unverified] [--state DIR] [--review FILE] [--store DIR]\n"
    "                   UPLOAD_DIR TOP10_FILE\n";

} // namespace

int main(int argc, char** argv) {
    brinox::server::RankOptions options;
    std::vector<const char*> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        std::string* value = arg == "--state"    ? &options.stateDir
                             : arg == "--review" ? &options.reviewFile
                             : arg == "--store"  ? &options.storeDir
                                                 : nullptr;
        const bool valued = value != nullptr;
        if (valued && i + 1 < argc) {
            *value = argv[++i];
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
