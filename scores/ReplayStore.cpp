#include "ReplayStore.h"

#include "TableId.h"
#include "engine/FileNames.h"
#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayPlayer.h"
#include "settings/Archive.h"
#include "settings/FileSignatures.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string_view>

#include <sys/stat.h>

namespace brinox {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".replay";
// The signature, the format number and the string's length prefix.
constexpr std::uintmax_t kFraming = 64;
// A temporary this young may belong to another game writing right now.
constexpr auto kFreshTemporary = std::chrono::minutes(1);

// FNV-1a, 64 bits: the same on every machine and in every later version,
// which std::hash does not promise.
class RowHash {
public:
    void Int(std::int32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            Byte(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
        }
    }
    void Text(const std::string& text) {
        Int(static_cast<std::int32_t>(text.size()));
        for (const char c : text) {
            Byte(static_cast<std::uint8_t>(c));
        }
    }
    std::uint64_t Value() const { return hash; }

private:
    void Byte(std::uint8_t byte) { hash = (hash ^ byte) * 0x100000001b3u; }

    std::uint64_t hash = 0xcbf29ce484222325u;
};

} // namespace

ReplayStore::ReplayStore(const std::string& appDirectory)
    : folder(appDirectory + std::string(files::kReplayDir)) {}

std::string ReplayStore::FileName(std::int32_t table, const ScoreEntry& row) {
    // Every stored field but the country, which the local tables never use
    // (two Top 10 rows alike in everything else are one game).
    RowHash hash;
    hash.Text(row.name);
    for (const std::int32_t value : {row.level, row.score, row.lines, row.used}) {
        hash.Int(value);
    }
    hash.Text(row.startTime);
    hash.Text(row.endTime);
    for (const std::int32_t value : {row.gameSeconds, row.pieces, row.bombs, row.minDropSeconds,
                                     row.maxDropSeconds, row.avgDropSeconds, row.bombsOn}) {
        hash.Int(value);
    }
    char name[48];
    std::snprintf(name, sizeof name, "%d-%016llx", static_cast<int>(table),
                  static_cast<unsigned long long>(hash.Value()));
    return name + std::string(kExtension);
}

bool ReplayStore::Put(std::int32_t table, const ScoreEntry& row,
                      const std::vector<std::uint8_t>& replay) const {
    if (!IsTableId(table) || replay.size() > ReplayFile::kMaxBytes || !ReplayFile::Decode(replay)) {
        return false;
    }
    // 0777 lets the umask decide, as for any other program's folder.
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        return false;
    }
    Archive archive;
    if (!archive.OpenForStore(folder + FileName(table, row))) {
        return false;
    }
    archive.WriteString(signatures::kRowReplay);
    archive.WriteInt(signatures::kRowReplayFormat);
    archive.WriteString(
        std::string_view(reinterpret_cast<const char*>(replay.data()), replay.size()));
    return archive.Close();
}

std::optional<std::vector<std::uint8_t>> ReplayStore::Get(std::int32_t table,
                                                          const ScoreEntry& row) const {
    if (!IsTableId(table) || row.used != 1) {
        return std::nullopt;
    }
    const std::string path = folder + FileName(table, row);
    std::error_code error;
    // The string is read whole: a planted giant is refused before that.
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > ReplayFile::kMaxBytes + kFraming) {
        return std::nullopt;
    }
    Archive archive;
    std::optional<std::vector<std::uint8_t>> replay;
    if (!archive.OpenForLoad(path) || !(replay = ReadRowFile(archive)) ||
        !ReplayFile::Decode(*replay)) {
        return std::nullopt;
    }
    return replay;
}

std::optional<std::vector<std::uint8_t>> ReplayStore::ReadRowFile(Archive& archive) {
    std::string bytes;
    if (!CheckSignature(archive, signatures::kRowReplay, signatures::kRowReplayFormat) ||
        !archive.ReadString(bytes)) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void ReplayStore::Sweep(const ScoreTableSet& tables) const {
    std::set<std::string> kept;
    for (std::int32_t t = 0; t < kTableCount; ++t) {
        for (const ScoreEntry& row : tables.Table(t).rows) {
            if (row.used == 1) {
                kept.insert(FileName(t, row));
            }
        }
    }
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        const bool fresh = now - fs::last_write_time(it->path(), ignored) < kFreshTemporary;
        if (kept.contains(name) || (fresh && name.find(".tmp-") != std::string::npos) ||
            it->is_directory(ignored)) {
            continue;
        }
        fs::remove(it->path(), ignored);
    }
}

bool ReplayStore::PlaysRow(const std::vector<std::uint8_t>& bytes, const ScoreEntry& row,
                           const std::function<bool()>& abandon) {
    std::optional<Replay> replay = ReplayFile::Decode(bytes);
    if (!replay || row.used != 1) {
        return false;
    }
    ReplayPlayer player(std::move(*replay), Options{});
    while (player.NextTick()) {
        if (abandon && abandon()) {
            return false;
        }
    }
    return player.Problem().empty() && player.Result() &&
           static_cast<const GameStatistics&>(*player.Result()) ==
               static_cast<const GameStatistics&>(row);
}

} // namespace brinox
