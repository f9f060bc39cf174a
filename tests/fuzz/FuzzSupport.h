// Shared pieces of the loader fuzzers: a scratch directory for the loaders
// that take a path, and a hard stop when a loaded value breaks its range.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace brinox::fuzz {

// A directory of this process, made once and reused for every input.
inline const std::string& ScratchDirectory() {
    // Never destroyed, so the clean-up at exit can still read it.
    static const std::string* path = [] {
        // Memory-backed when the system has it: the loaders run per input.
        char shared[] = "/dev/shm/brinox-fuzz-XXXXXX";
        char temporary[] = "/tmp/brinox-fuzz-XXXXXX";
        const char* made = ::mkdtemp(shared);
        if (made == nullptr) {
            made = ::mkdtemp(temporary);
        }
        if (made == nullptr) {
            std::abort();
        }
        auto* madePath = new std::string(std::string(made) + "/");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchDirectory(), ignored);
        });
        return madePath;
    }();
    return *path;
}

inline void PutFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    if (size > 0 && std::fwrite(data, 1, size, file) != size) {
        std::abort();
    }
    std::fclose(file);
}

inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "range broken: %s\n", what);
        std::abort();
    }
}

} // namespace brinox::fuzz
