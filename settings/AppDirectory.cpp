#include "AppDirectory.h"

#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace brinox {

std::optional<std::string> DetermineAppDirectory() {
    std::vector<char> path(4096);
    while (::getcwd(path.data(), path.size()) == nullptr) {
        if (path.size() > (1u << 20)) {
            return std::nullopt;
        }
        path.resize(path.size() * 2);
    }
    std::string directory = path.data();
    if (directory.empty() || directory.back() != '/') {
        directory += '/';
    }
    // Permission bits say little (the game may run as root or on a full
    // disk): only a file that really gets created proves the place usable.
    std::string scratch = directory + "brinoxXXXXXX";
    int fd = ::mkstemp(scratch.data());
    if (fd < 0) {
        return std::nullopt;
    }
    bool written = ::write(fd, "x", 1) == 1;
    ::close(fd);
    ::unlink(scratch.c_str());
    if (!written) {
        return std::nullopt;
    }
    return directory;
}

} // namespace brinox
