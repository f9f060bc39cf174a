// The signature string and format number that open each data file of the
// game. A loader accepts a file only when both match exactly.
#pragma once

#include <cstdint>
#include <string_view>

namespace brinox::signatures {

inline constexpr std::string_view kOptions = "BRINOX2000_OPTIONS_FILE";
inline constexpr std::int32_t kOptionsFormat = 195;
inline constexpr std::string_view kSavedGame = "BRINOX2000_SAVE_FILE";
inline constexpr std::int32_t kSavedGameFormat = 11;
inline constexpr std::string_view kWindowSize = "BRINOX2000_WINDOWSIZE_FILE";
inline constexpr std::string_view kPieceMarks = "BRINOX2000_MARKS_FILE";
inline constexpr std::int32_t kPieceMarksFormat = 1;
inline constexpr std::string_view kTables = "BRINOX2000_TABLES_FILE";
inline constexpr std::int32_t kTablesFormat = 15;
inline constexpr std::string_view kTransfer = "BRINOX2000_TABLEWC_FILE";
inline constexpr std::int32_t kTransferFormat = 12;
inline constexpr std::string_view kTop10 = "QUADUS2000_TABLETOP10_FILE";
inline constexpr std::int32_t kTop10Format = 100;
inline constexpr std::string_view kLastName = "BRINOX2000_LASTNAME_FILE";
inline constexpr std::string_view kLastSend = "BRINOX2000_LASTSEND_FILE";
// A kept replay of a table row, and the replays sent beside a result upload.
inline constexpr std::string_view kRowReplay = "BRINOX2000_REPLAY_FILE";
inline constexpr std::int32_t kRowReplayFormat = 1;
inline constexpr std::string_view kReplayBundle = "BRINOX2000_REPLAYS_FILE";
inline constexpr std::int32_t kReplayBundleFormat = 1;
// The ranking tool's kept verdicts, on the championship server.
inline constexpr std::string_view kRankState = "BRINOX2000_RANKSTATE_FILE";
inline constexpr std::int32_t kRankStateFormat = 2;

} // namespace brinox::signatures
