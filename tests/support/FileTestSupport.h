// Helpers of the data-file tests: a scratch directory removed at the end of
// each test, an independent little-endian byte builder, whole-file access.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <signal.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace brinox::test {

using ByteVector = std::vector<std::uint8_t>;

class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string made = (std::filesystem::temp_directory_path() / "brinox-data-XXXXXX").string();
        path = ::mkdtemp(made.data()) ? made + "/" : std::string();
    }
    ~ScratchDirectory() { std::filesystem::remove_all(path, ignored); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string File(std::string_view name) const { return path + std::string(name); }

    std::string path; // ends in '/'

private:
    std::error_code ignored;
};

// Builds expected file contents byte by byte, without the archive code.
// Kept as characters: GCC 12 misreports byte-wise vector growth at -O3.
class Bytes {
public:
    Bytes& Int(std::int32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            text += static_cast<char>(static_cast<std::uint32_t>(value) >> shift);
        }
        return *this;
    }
    // Short strings only: one length byte, then the text.
    Bytes& Str(std::string_view value) {
        text.append(1, static_cast<char>(value.size())).append(value);
        return *this;
    }
    ByteVector Get() const { return ByteVector(text.begin(), text.end()); }

private:
    std::string text;
};

inline ByteVector FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return ByteVector(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void PutFile(const std::string& path, const ByteVector& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline ByteVector Text(std::string_view text) {
    return ByteVector(text.begin(), text.end());
}

inline ByteVector Prefix(const ByteVector& bytes, std::size_t length) {
    return ByteVector(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
}

// Runs work in a child process whose files cannot grow beyond limit bytes:
// a full disk without root. True when work returned true there.
inline bool WithFileSizeLimit(rlim_t limit, const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &cap);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Every name in a directory, to prove a store left nothing behind.
inline std::vector<std::string> DirectoryNames(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Every file and folder below `folder` by its path there, each file with its
// bytes; links (the game directory's pictures and sounds) are left out.
inline std::map<std::string, ByteVector> FolderBytes(const std::string& folder) {
    std::map<std::string, ByteVector> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_symlink()) {
            files[entry.path().string().substr(folder.size())] =
                entry.is_regular_file() ? FileBytes(entry.path()) : ByteVector{};
        }
    }
    return files;
}

} // namespace brinox::test
