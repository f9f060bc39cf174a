#include "ScoreTableSet.h"

#include "ScoreEntryFormat.h"
#include "engine/DateTimeText.h"
#include "engine/FileNames.h"
#include "settings/Archive.h"
#include "settings/FileSignatures.h"

namespace brinox {

namespace {

std::string TablesPath(const std::string& appDirectory) {
    return appDirectory + std::string(files::kTables);
}

// Signature, format, key and the header scores; false on any mismatch.
bool ReadHeader(Archive& archive, std::int32_t& fileKey,
                std::array<std::int32_t, kLocalTableCount>& best) {
    if (!CheckSignature(archive, signatures::kTables, signatures::kTablesFormat) ||
        !archive.ReadInt(fileKey)) {
        return false;
    }
    for (std::int32_t& score : best) {
        if (!archive.ReadInt(score)) {
            return false;
        }
    }
    return true;
}

bool Better(const ScoreEntry& row, std::int32_t level, std::int32_t score, std::int32_t lines) {
    if (score != row.score) {
        return score > row.score;
    }
    if (level != row.level) {
        return level > row.level;
    }
    return lines > row.lines;
}

} // namespace

void ScoreTableSet::Reset() {
    tables = {};
}

bool ScoreTableSet::Load(Archive& archive) {
    std::int32_t fileKey = 0;
    std::array<std::int32_t, kLocalTableCount> best{};
    if (!ReadHeader(archive, fileKey, best)) {
        return false;
    }
    const EntryDisguise disguise = EntryDisguise::ForKey(fileKey);
    for (std::int32_t t = 0; t < kTableCount; ++t) {
        for (ScoreEntry& row : tables[t].rows) {
            if (!ReadScoreEntry(archive, row, disguise, t == WorldTop10Table)) {
                return false;
            }
        }
    }
    for (ScoreTable& table : tables) {
        if (!archive.ReadString(table.lastUpdate)) {
            return false;
        }
    }
    return true;
}

bool ScoreTableSet::Load(const std::string& appDirectory) {
    Archive archive;
    return archive.OpenForLoad(TablesPath(appDirectory)) && Load(archive);
}

void ScoreTableSet::Write(Archive& archive, std::int32_t fileKey) const {
    archive.WriteString(signatures::kTables);
    archive.WriteInt(signatures::kTablesFormat);
    archive.WriteInt(fileKey);
    for (std::int32_t t = 0; t < kLocalTableCount; ++t) {
        archive.WriteInt(tables[t].rows[0].score);
    }
    const EntryDisguise disguise = EntryDisguise::ForKey(fileKey);
    for (std::int32_t t = 0; t < kTableCount; ++t) {
        for (const ScoreEntry& row : tables[t].rows) {
            WriteScoreEntry(archive, row, disguise, t == WorldTop10Table);
        }
    }
    for (const ScoreTable& table : tables) {
        archive.WriteString(table.lastUpdate);
    }
}

bool ScoreTableSet::Save(const std::string& appDirectory, Random& random,
                         std::int64_t calendarSeconds) const {
    random.Seed(static_cast<std::uint32_t>(calendarSeconds));
    const std::int32_t fileKey = random.NextFileKey();
    Archive archive;
    if (!archive.OpenForStore(TablesPath(appDirectory))) {
        return false;
    }
    Write(archive, fileKey);
    return archive.Close();
}

TablesOpenResult ScoreTableSet::Open(const std::string& appDirectory, Random& random,
                                     std::int64_t calendarSeconds) {
    Reset();
    if (Load(appDirectory)) {
        return TablesOpenResult::Ok;
    }
    if (!Save(appDirectory, random, calendarSeconds)) {
        return TablesOpenResult::CreateFailed;
    }
    return Load(appDirectory) ? TablesOpenResult::Ok : TablesOpenResult::LoadFailed;
}

std::int32_t ScoreTableSet::Place(std::int32_t table, std::int32_t level, std::int32_t score,
                                  std::int32_t lines) const {
    if (!IsTableId(table)) {
        return kNotPlaced;
    }
    const auto& rows = tables[table].rows;
    for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
        if (Better(rows[r], level, score, lines)) {
            return r;
        }
    }
    return kNotPlaced;
}

void ScoreTableSet::Insert(std::int32_t table, std::int32_t position, const ScoreEntry& entry,
                           const LocalTime& now) {
    if (!IsTableId(table) || position < 0 || position >= ScoreTable::kRows) {
        return;
    }
    auto& rows = tables[table].rows;
    const std::string country = rows[position].country;
    for (std::int32_t r = ScoreTable::kRows - 1; r > position; --r) {
        rows[r] = rows[r - 1];
    }
    rows[position] = entry;
    rows[position].used = 1;
    rows[position].country = country;
    tables[table].lastUpdate = DateTimeText(now);
}

void ScoreTableSet::Clear(std::int32_t table) {
    if (IsTableId(table)) {
        tables[table] = ScoreTable{};
    }
}

std::int32_t BestScore(const std::string& appDirectory, std::int32_t table) {
    if (table < 0 || table >= kLocalTableCount) {
        return 0;
    }
    Archive archive;
    std::int32_t fileKey = 0;
    std::array<std::int32_t, kLocalTableCount> best{};
    if (!archive.OpenForLoad(TablesPath(appDirectory)) || !ReadHeader(archive, fileKey, best)) {
        return 0;
    }
    return best[table];
}

} // namespace brinox
