// The result upload file: signature, format 12, the sender's particulars,
// the send date, the total running time and the first-start date, the ten
// rows of the Quadel World Championship table with plain integers (no
// country), and the send date again.
#pragma once

#include "ScoreTable.h"
#include "SenderDetails.h"

#include <string>

namespace brinox {

class Archive;

inline constexpr const char* kTransferBaseName = "wcresult";
inline constexpr const char* kCannotCreateTransferMessage =
    "ERROR! It is impossible to create file for transfer";

struct TransferFile {
    SenderDetails sender;
    std::string sendDate;
    std::string totalTime;
    std::string firstStart;
    std::array<ScoreEntry, ScoreTable::kRows> rows{};
    std::string sendDate2;

    bool operator==(const TransferFile&) const = default;
};

// appDirectory + base name + ".ttb".
std::string TransferFilePath(const std::string& appDirectory);
bool WriteTransferFile(const std::string& path, const TransferFile& file);
void WriteTransferFile(Archive& archive, const TransferFile& file);
// Reads a transfer file back (rows keep an empty country); false leaves file unchanged.
bool ReadTransferFile(Archive& archive, TransferFile& file);

} // namespace brinox
