// brinox-rank UPLOAD_DIR TOP10_FILE: turns the result uploads of a
// championship server into the world Top 10 the game downloads.
#include "Ranking.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: brinox-rank UPLOAD_DIR TOP10_FILE\n";
        return 2;
    }
    return brinox::server::RankDirectory(argv[1], argv[2], std::cerr);
}
