#include "ReplayBundle.h"

#include "ScoreTable.h"
#include "engine/replay/ReplayFile.h"
#include "settings/Archive.h"
#include "settings/FileSignatures.h"

namespace brinox {

namespace {

// Bytes the archive writes for a string of length bytes.
std::size_t StringBytes(std::size_t length) {
    return length + (length < 0xFF ? 1 : length < 0xFFFE ? 3 : 7);
}

// Rows ascending, each once, within the table; replays within their own limit.
bool Fits(const ReplayBundle& bundle) {
    std::int32_t previous = -1;
    for (const auto& [row, replay] : bundle.replays) {
        if (row <= previous || row >= ScoreTable::kRows || replay.empty() ||
            replay.size() > ReplayFile::kMaxBytes) {
            return false;
        }
        previous = row;
    }
    return true;
}

// The size of the file the writer makes of bundle.
std::size_t WrittenSize(const ReplayBundle& bundle) {
    std::size_t size = StringBytes(signatures::kReplayBundle.size()) + 4 + 4;
    for (const auto& entry : bundle.replays) {
        size += 4 + StringBytes(entry.replay.size());
    }
    return size;
}

} // namespace

const std::vector<std::uint8_t>* ReplayBundle::Find(std::int32_t row) const {
    for (const RowReplay& entry : replays) {
        if (entry.row == row) {
            return &entry.replay;
        }
    }
    return nullptr;
}

std::string ReplayBundlePath(const std::string& appDirectory, const std::string& baseName) {
    return appDirectory + baseName + std::string(kReplayBundleSuffix);
}

bool WriteReplayBundle(const std::string& path, const ReplayBundle& bundle) {
    if (!Fits(bundle) || WrittenSize(bundle) > ReplayBundle::kMaxBytes) {
        return false;
    }
    Archive archive;
    if (!archive.OpenForStore(path)) {
        return false;
    }
    archive.WriteString(signatures::kReplayBundle);
    archive.WriteInt(signatures::kReplayBundleFormat);
    archive.WriteInt(static_cast<std::int32_t>(bundle.replays.size()));
    for (const auto& [row, replay] : bundle.replays) {
        archive.WriteInt(row);
        archive.WriteString(
            std::string_view(reinterpret_cast<const char*>(replay.data()), replay.size()));
    }
    return archive.Close();
}

std::optional<ReplayBundle> ReadReplayBundle(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > ReplayBundle::kMaxBytes) {
        return std::nullopt;
    }
    Archive archive;
    archive.OpenForLoad(bytes);
    std::int32_t count = 0;
    if (!CheckSignature(archive, signatures::kReplayBundle, signatures::kReplayBundleFormat) ||
        !archive.ReadInt(count) || count < 0 || count > ScoreTable::kRows) {
        return std::nullopt;
    }
    ReplayBundle bundle;
    for (std::int32_t i = 0; i < count; ++i) {
        ReplayBundle::RowReplay entry;
        std::string replay;
        if (!archive.ReadInt(entry.row) || !archive.ReadString(replay)) {
            return std::nullopt;
        }
        entry.replay.assign(replay.begin(), replay.end());
        bundle.replays.push_back(std::move(entry));
    }
    if (!Fits(bundle) || WrittenSize(bundle) != bytes.size()) {
        return std::nullopt;
    }
    return bundle;
}

} // namespace brinox
