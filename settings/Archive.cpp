#include "Archive.h"

#include "Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brinox {

namespace {

constexpr std::uint8_t kWidePrefix = 0xFF;
constexpr std::uint16_t kWideMark = 0xFFFE;
constexpr std::uint16_t kLongMark = 0xFFFF;

std::uint32_t DecodeLittle(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = count; i-- > 0;) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t count) {
    while (count > 0) {
        ssize_t written = ::write(fd, data, count);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

// The file a store really replaces: a symbolic link is followed (link by
// link, as the kernel would) so that the link itself stays in place.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            break;
        }
        std::string link(static_cast<std::size_t>(info.st_size) + 256, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) {
            break;
        }
        link.resize(static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        path = link.front() == '/' || slash == std::string::npos ? link
                                                                 : path.substr(0, slash + 1) + link;
    }
    return path;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// A temporary is the target's name + kTemporaryMark + six characters, a
// pattern no player's file is likely to have, so that orphans of a killed
// store can be told apart and removed later.
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kUniqueChars = 6;
// A store holds its temporary for milliseconds; one this old is an orphan.
constexpr std::time_t kOrphanAgeSeconds = 60;

// Six characters that make a temporary name unique enough; O_EXCL makes it safe.
std::string UniqueSuffix() {
    static std::uint64_t counter = 0;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::uint64_t bits =
        static_cast<std::uint64_t>(now.tv_nsec) ^ (static_cast<std::uint64_t>(now.tv_sec) << 20) ^
        (static_cast<std::uint64_t>(::getpid()) << 40) ^ (++counter * 0x9E3779B97F4A7C15u);
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string suffix(kTemporaryMark);
    for (std::size_t i = 0; i < kUniqueChars; ++i) {
        bits = bits * 6364136223846793005u + 1442695040888963407u;
        suffix += kAlphabet[(bits >> 33) % (sizeof kAlphabet - 1)];
    }
    return suffix;
}

void SyncDirectory(const std::string& path) {
    const int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir); // some file systems refuse; the rename has happened anyway
        ::close(dir);
    }
}

// Removes the temporaries of `target` left behind by stores that were killed
// before their rename; fresh ones may belong to a store running right now.
void RemoveOrphans(const std::string& target) {
    const std::string directory = DirectoryOf(target);
    const std::string prefix = target.substr(target.rfind('/') + 1) + std::string(kTemporaryMark);
    DIR* dir = ::opendir(directory.c_str());
    if (dir == nullptr) {
        return;
    }
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        struct stat info {};
        const std::string path = directory + std::string(name);
        if (name.size() == prefix.size() + kUniqueChars && name.starts_with(prefix) &&
            ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            now - info.st_mtime > kOrphanAgeSeconds) {
            ::unlink(path.c_str());
        }
    }
    ::closedir(dir);
}

} // namespace

Archive::~Archive() {
    if (mode == Mode::Store) {
        Abort();
    } else {
        Release();
    }
}

bool Archive::OpenForLoad(const std::string& path) {
    Release();
    mode = Mode::Load;
    error = Error::None;
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        Fail(Error::CannotOpen);
        return false;
    }
    buffer.resize(kBufferSize);
    position = filled = 0;
    remaining = static_cast<std::uint64_t>(info.st_size);
    return true;
}

void Archive::OpenForLoad(std::span<const std::uint8_t> bytes) {
    Release();
    mode = Mode::Load;
    error = Error::None;
    memory = bytes;
    position = 0;
    filled = bytes.size();
    remaining = 0;
}

bool Archive::OpenForStore(const std::string& path) {
    Release();
    mode = Mode::Store;
    error = Error::None;
    target = FollowLinks(path);
    if (!CreateTemporary()) {
        Fail(Error::CannotOpen);
        return false;
    }
    buffer.resize(kBufferSize);
    position = 0;
    return true;
}

bool Archive::CreateTemporary() {
    struct stat old {};
    const bool replaces = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + UniqueSuffix();
        // 0666 lets the umask decide for a new file, as any other program's would.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        temporary.clear();
        return false;
    }
    if (replaces) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    return true;
}

void Archive::Fail(Error why) {
    if (error == Error::None) {
        error = why;
    }
}

void Archive::Release() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
    memory = {};
    buffer.clear();
    buffer.shrink_to_fit();
    position = filled = 0;
    remaining = 0;
    mode = Mode::Closed;
}

bool Archive::Fill() {
    if (fd < 0 || remaining == 0) {
        return false;
    }
    for (;;) {
        ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            remaining = 0;
            return false;
        }
        position = 0;
        filled = static_cast<std::size_t>(got);
        remaining -= std::min<std::uint64_t>(remaining, filled);
        return true;
    }
}

bool Archive::ReadBytes(void* out, std::size_t count) {
    if (mode != Mode::Load || !Ok()) {
        return false;
    }
    auto* target = static_cast<std::uint8_t*>(out);
    const std::uint8_t* source = memory.empty() ? buffer.data() : memory.data();
    while (count > 0) {
        if (position == filled) {
            if (!memory.empty() || !Fill()) {
                Fail(Error::EndOfFile);
                return false;
            }
            source = buffer.data();
        }
        std::size_t take = std::min(count, filled - position);
        std::memcpy(target, source + position, take);
        target += take;
        position += take;
        count -= take;
    }
    return true;
}

bool Archive::ReadInt(std::int32_t& value) {
    std::uint32_t raw = 0;
    if (!ReadUInt(raw)) {
        return false;
    }
    value = static_cast<std::int32_t>(raw);
    return true;
}

bool Archive::ReadUInt(std::uint32_t& value) {
    std::uint8_t bytes[4];
    if (!ReadBytes(bytes, 4)) {
        return false;
    }
    value = DecodeLittle(bytes, 4);
    return true;
}

bool Archive::ReadLength(std::uint32_t& length, bool& wide) {
    wide = false;
    std::uint8_t first = 0;
    if (!ReadBytes(&first, 1)) {
        return false;
    }
    if (first != kWidePrefix) {
        length = first;
        return true;
    }
    std::uint8_t word[2];
    if (!ReadBytes(word, 2)) {
        return false;
    }
    const std::uint32_t medium = DecodeLittle(word, 2);
    if (medium == kLongMark) {
        return ReadUInt(length);
    }
    wide = medium == kWideMark;
    length = medium;
    return true;
}

bool Archive::ReadString(std::string& text) {
    std::uint32_t length = 0;
    bool wide = false;
    if (!ReadLength(length, wide)) {
        return false;
    }
    if (wide) {
        // The 16-bit form carries its own length right after the mark.
        bool nested = false;
        if (!ReadLength(length, nested)) {
            return false;
        }
        if (nested) {
            Fail(Error::BadData);
            return false;
        }
    }
    const std::uint64_t bytes = static_cast<std::uint64_t>(length) * (wide ? 2 : 1);
    const std::uint64_t available = (filled - position) + remaining;
    if (bytes > available) {
        // A prefix larger than the rest of the file: never allocate for it.
        position = filled;
        remaining = 0;
        Fail(Error::EndOfFile);
        return false;
    }
    if (!wide) {
        std::string result(length, '\0');
        if (length > 0 && !ReadBytes(result.data(), length)) {
            return false;
        }
        text = std::move(result);
        return true;
    }
    std::u16string units(length, u'\0');
    for (char16_t& unit : units) {
        std::uint8_t pair[2];
        if (!ReadBytes(pair, 2)) {
            return false;
        }
        unit = static_cast<char16_t>(DecodeLittle(pair, 2));
    }
    text = ToWindows1252(units);
    return true;
}

bool Archive::Flush() {
    if (position == 0) {
        return true;
    }
    if (fd < 0 || !WriteAll(fd, buffer.data(), position)) {
        Fail(Error::WriteError);
        return false;
    }
    position = 0;
    return true;
}

void Archive::WriteBytes(const void* data, std::size_t count) {
    if (mode != Mode::Store || !Ok()) {
        return;
    }
    const auto* source = static_cast<const std::uint8_t*>(data);
    while (count > 0) {
        if (position == buffer.size() && !Flush()) {
            return;
        }
        std::size_t take = std::min(count, buffer.size() - position);
        std::memcpy(buffer.data() + position, source, take);
        position += take;
        source += take;
        count -= take;
    }
}

void Archive::WriteUInt(std::uint32_t value) {
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    WriteBytes(bytes, 4);
}

void Archive::WriteInt(std::int32_t value) {
    WriteUInt(static_cast<std::uint32_t>(value));
}

void Archive::WriteString(std::string_view text) {
    const std::size_t length = text.size();
    if (length < kWidePrefix) {
        const std::uint8_t prefix = static_cast<std::uint8_t>(length);
        WriteBytes(&prefix, 1);
    } else if (length < kWideMark) {
        const std::uint8_t prefix[3] = {kWidePrefix, static_cast<std::uint8_t>(length),
                                        static_cast<std::uint8_t>(length >> 8)};
        WriteBytes(prefix, 3);
    } else {
        const std::uint8_t prefix[3] = {kWidePrefix, 0xFF, 0xFF};
        WriteBytes(prefix, 3);
        WriteUInt(static_cast<std::uint32_t>(length));
    }
    WriteBytes(text.data(), length);
}

bool Archive::Close() {
    if (mode == Mode::Load) {
        bool ok = Ok();
        Release();
        return ok;
    }
    if (mode != Mode::Store) {
        return false;
    }
    if (Ok() && Flush() && ::fsync(fd) != 0) {
        Fail(Error::WriteError);
    }
    if (const int file = std::exchange(fd, -1); file >= 0 && ::close(file) != 0) {
        Fail(Error::WriteError);
    }
    if (Ok() && ::rename(temporary.c_str(), target.c_str()) != 0) {
        Fail(Error::WriteError);
    }
    if (Ok()) {
        SyncDirectory(target);
        RemoveOrphans(target);
    }
    if (!Ok() && !temporary.empty()) {
        ::unlink(temporary.c_str());
    }
    temporary.clear();
    bool ok = Ok();
    Release();
    return ok;
}

void Archive::Abort() {
    if (mode == Mode::Store) {
        if (!temporary.empty()) {
            ::unlink(temporary.c_str());
            temporary.clear();
        }
        Fail(Error::WriteError);
    }
    Release();
}

bool CheckSignature(Archive& archive, std::string_view signature,
                    std::optional<std::int32_t> formatNumber) {
    std::string found;
    if (!archive.ReadString(found) || found != signature) {
        return false;
    }
    if (!formatNumber) {
        return true;
    }
    std::int32_t number = 0;
    return archive.ReadInt(number) && number == *formatNumber;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    bool ok = !std::ferror(file);
    std::fclose(file);
    if (!ok) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace brinox
