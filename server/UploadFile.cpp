#include "UploadFile.h"

#include "settings/Archive.h"
#include "settings/FileSignatures.h"

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brinox::server {

namespace {

// Longer than the game's own fields allow (30 and 40 characters).
constexpr std::size_t kMaxNameBytes = 64;
constexpr std::size_t kMaxEmailBytes = 254;

bool PlainText(const std::string& text, std::size_t limit) {
    if (text.size() > limit) {
        return false;
    }
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

bool Plausible(const TransferFile& upload) {
    if (!PlainText(upload.sender.email, kMaxEmailBytes) ||
        !PlainText(upload.sender.country, kMaxNameBytes)) {
        return false;
    }
    for (const ScoreEntry& row : upload.rows) {
        if (row.used == 1 && (!PlainText(row.name, kMaxNameBytes) || row.level < 0 ||
                              row.score < 0 || row.lines < 0)) {
            return false;
        }
    }
    return true;
}

// Why a whole-file read failed: the header tells foreign from other-format from cut.
UploadCheck WhyRefused(std::span<const std::uint8_t> bytes) {
    Archive archive;
    archive.OpenForLoad(bytes);
    std::string signature;
    std::int32_t format = 0;
    if (!archive.ReadString(signature) || signature != signatures::kTransfer) {
        return UploadCheck::Foreign;
    }
    if (!archive.ReadInt(format)) {
        return UploadCheck::CutShort;
    }
    return format == signatures::kTransferFormat ? UploadCheck::CutShort : UploadCheck::OtherFormat;
}

} // namespace

std::optional<std::vector<std::uint8_t>> ReadUploadBytes(const std::string& path, bool& tooLarge,
                                                         std::size_t limit) {
    tooLarge = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::vector<std::uint8_t>> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        tooLarge = static_cast<std::uint64_t>(info.st_size) > limit;
        // One byte more than its size shows a file still being written.
        const auto size = std::min<std::uint64_t>(static_cast<std::uint64_t>(info.st_size), limit);
        std::vector<std::uint8_t> data(static_cast<std::size_t>(size) + 1);
        std::size_t filled = 0;
        ssize_t got = 0;
        while (!tooLarge && filled < data.size() &&
               (got = ::read(fd, data.data() + filled, data.size() - filled)) > 0) {
            filled += static_cast<std::size_t>(got);
        }
        if (!tooLarge && got >= 0 && filled <= size) {
            data.resize(filled);
            bytes = std::move(data);
        }
    }
    ::close(fd);
    return bytes;
}

UploadCheck ReadUpload(std::span<const std::uint8_t> bytes, TransferFile& upload) {
    if (bytes.size() > kMaxUploadBytes) {
        return UploadCheck::Hostile;
    }
    Archive archive;
    archive.OpenForLoad(bytes);
    TransferFile read;
    if (!ReadTransferFile(archive, read)) {
        return WhyRefused(bytes);
    }
    if (!Plausible(read)) {
        return UploadCheck::Hostile;
    }
    upload = std::move(read);
    return UploadCheck::Ok;
}

const char* Describe(UploadCheck check) {
    switch (check) {
    case UploadCheck::Ok:
        return "accepted";
    case UploadCheck::Foreign:
        return "not a result upload";
    case UploadCheck::OtherFormat:
        return "upload of another format";
    case UploadCheck::CutShort:
        return "upload cut short";
    case UploadCheck::Hostile:
        return "implausible upload";
    }
    return "";
}

} // namespace brinox::server
