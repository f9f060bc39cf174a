// The world Top 10 as downloaded (wctop10.ttb): signature, format 100, ten
// rows with plain integers and the country.
//
// Range policy: a file cut short anywhere is treated like an incorrect file
// and the caller's rows stay as they were; every number, `used` and
// `bombsOn` too, is kept as it stands.
#pragma once

#include "ScoreTable.h"
#include "engine/TextMarks.h"

#include <array>
#include <string>

namespace brinox {

class Archive;

inline constexpr const char* kCannotLoadDownloadMessage =
    BRINOX_TEXT("Messages", "ERROR! It is impossible to load downloaded file");
inline constexpr const char* kDownloadIncorrectMessage =
    BRINOX_TEXT("Messages", "ERROR! Downloaded file is incorrect");

using Top10Rows = std::array<ScoreEntry, ScoreTable::kRows>;

enum class Top10Load { Ok, CannotOpen, Incorrect };

Top10Load ReadTop10File(const std::string& path, Top10Rows& rows);
Top10Load ReadTop10File(Archive& archive, Top10Rows& rows);
// The server's side of the format, for tests and seed files.
bool WriteTop10File(const std::string& path, const Top10Rows& rows);
void WriteTop10File(Archive& archive, const Top10Rows& rows);

} // namespace brinox
