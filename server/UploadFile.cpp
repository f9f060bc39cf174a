#include "UploadFile.h"

#include "engine/CivilTime.h"
#include "engine/DateTimeText.h"
#include "engine/GameTypes.h"
#include "settings/Archive.h"
#include "settings/FileSignatures.h"

#include <algorithm>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brinox::server {

namespace {

// What the game's own dialogs let a player type.
constexpr std::size_t kMaxNameBytes = 30;
constexpr std::size_t kMaxEmailBytes = 80;
constexpr std::size_t kMaxCountryBytes = 40;
constexpr std::int32_t kLastLevel = 20;
// Score and rows grow while below the limit; the last landing may pass it by
// a row score and a drop of the whole field.
constexpr std::int32_t kMaxFigure = kGrowthLimit + 2000 + 7 * 21;
constexpr std::int64_t kSummerTime = 3600;
constexpr std::int32_t kNoLimit = std::numeric_limits<std::int32_t>::max();

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

bool Counter(std::int32_t value, std::int32_t most = kMaxFigure) {
    return value >= 0 && value <= most;
}

// A start and end in the game's one text form, the end not before the start
// (but for an hour given back at the end of summer time).
bool Times(const ScoreEntry& row) {
    const auto start = ParseDateTimeText(row.startTime);
    const auto end = ParseDateTimeText(row.endTime);
    return start && end && *SecondsOf(*end) - *SecondsOf(*start) >= -kSummerTime;
}

// A row that a championship game can have produced.
bool PlausibleRow(const ScoreEntry& row) {
    return PlainText(row.name, kMaxNameBytes) && row.level >= 1 && row.level <= kLastLevel &&
           Counter(row.score) && Counter(row.lines) && Counter(row.gameSeconds, kNoLimit) &&
           Counter(row.pieces, kNoLimit) && row.bombs == 0 && row.bombsOn == 0 &&
           Counter(row.minDropSeconds, kNoLimit) && Counter(row.maxDropSeconds, kNoLimit) &&
           Counter(row.avgDropSeconds, kNoLimit) && Times(row);
}

bool Plausible(const TransferFile& upload) {
    if (!PlainText(upload.sender.name, kMaxNameBytes) ||
        !PlainText(upload.sender.email, kMaxEmailBytes) ||
        !PlainText(upload.sender.country, kMaxCountryBytes)) {
        return false;
    }
    return std::all_of(upload.rows.begin(), upload.rows.end(),
                       [](const ScoreEntry& row) { return row.used != 1 || PlausibleRow(row); });
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
