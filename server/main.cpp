// brinox-rank [--verified-only] UPLOAD_DIR TOP10_FILE: turns the result
// uploads of a championship server into the world Top 10 the game downloads.
#include "Ranking.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    brinox::server::RankOptions options;
    std::vector<const char*> paths;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--verified-only") {
            options.verifiedOnly = true;
        } else {
            paths.push_back(argv[i]);
        }
    }
    if (paths.size() != 2) {
        std::cerr << "usage: brinox-rank [--verified-only] UPLOAD_DIR TOP10_FILE\n";
        return 2;
    }
    return brinox::server::RankDirectory(paths[0], paths[1], std::cerr, options);
}
