// The eight best-score tables and their file data.ttb: signature, format 15,
// the file key 1..10, the row-0 scores of tables 0..6 as a plain header, the
// rows (nine counters disguised by the key, country only in table 7) and the
// eight last-update texts. Held in memory only while the best-scores dialog
// is open; the file is rewritten whole after every change.
//
// Range policy: numbers are kept as they stand (they are only shown and
// compared), `used`/`bombsOn` become 0 or 1. A file cut short keeps every
// whole row and date read before the cut and reports failure, so the
// opening sequence writes the salvaged tables back instead of empty ones.
#pragma once

#include "ScoreTable.h"
#include "TableId.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "engine/TextMarks.h"

#include <array>
#include <cstdint>
#include <string>

namespace brinox {

class Archive;

inline constexpr const char* kCannotCreateTablesMessage =
    BRINOX_TEXT("Messages", "ERROR! It is impossible to create tables");
inline constexpr const char* kCannotLoadTablesMessage =
    BRINOX_TEXT("Messages", "ERROR! It is impossible to load tables");
inline constexpr const char* kCannotUpdateTablesMessage =
    BRINOX_TEXT("Messages", "ERROR! It is impossible to update tables");

enum class TablesOpenResult { Ok, CreateFailed, LoadFailed };

class ScoreTableSet {
public:
    static constexpr std::int32_t kNotPlaced = 10;

    // Every row default, every lastUpdate "Never".
    void Reset();
    bool Load(const std::string& appDirectory);
    bool Load(Archive& archive);
    // Draws the file key after seeding random with calendarSeconds. The old
    // file stays byte-identical when the write fails.
    bool Save(const std::string& appDirectory, Random& random, std::int64_t calendarSeconds) const;
    void Write(Archive& archive, std::int32_t fileKey) const;
    // Reset, Load; on failure Save and Load again.
    TablesOpenResult Open(const std::string& appDirectory, Random& random,
                          std::int64_t calendarSeconds);

    // Row 0..9 the result would take, or kNotPlaced.
    std::int32_t Place(std::int32_t table, std::int32_t level, std::int32_t score,
                       std::int32_t lines) const;
    void Insert(std::int32_t table, std::int32_t position, const ScoreEntry& entry,
                const LocalTime& now);
    void Clear(std::int32_t table);

    ScoreTable& Table(std::int32_t id) { return tables[IsTableId(id) ? id : 0]; }
    const ScoreTable& Table(std::int32_t id) const { return tables[IsTableId(id) ? id : 0]; }

    bool operator==(const ScoreTableSet&) const = default;

    std::array<ScoreTable, kTableCount> tables{};
};

// The row-0 score of a local table (0..6) from the file header; 0 when the
// file is missing or foreign, or for any other table.
std::int32_t BestScore(const std::string& appDirectory, std::int32_t table);

} // namespace brinox
