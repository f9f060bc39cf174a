// The result upload file: signature, format 12, the sender's particulars,
// the send date, the total running time and the first-start date, the ten
// rows of the Quadel World Championship table with plain integers (no
// country), and the send date again.
#pragma once

#include "ScoreTable.h"
#include "SenderDetails.h"
#include "engine/Clock.h"
#include "engine/TextMarks.h"

#include <string>

namespace brinox {

class Archive;

inline constexpr const char* kCannotCreateTransferMessage =
    BRINOX_TEXT("Messages", "ERROR! It is impossible to create file for transfer");

struct TransferFile {
    SenderDetails sender;
    std::string sendDate;
    std::string totalTime;
    std::string firstStart;
    std::array<ScoreEntry, ScoreTable::kRows> rows{};
    std::string sendDate2;

    bool operator==(const TransferFile&) const = default;
};

// A base name no other sender's upload shares: the send time and 48 random
// bits, for example "wc20261204-010509-3fa94c0b17de". Used locally and on the server.
std::string NewUploadBaseName(const LocalTime& now);
// appDirectory + base name + ".ttb".
std::string TransferFilePath(const std::string& appDirectory, const std::string& baseName);
bool WriteTransferFile(const std::string& path, const TransferFile& file);
void WriteTransferFile(Archive& archive, const TransferFile& file);
// Reads a transfer file back (rows keep an empty country); false leaves file unchanged.
bool ReadTransferFile(Archive& archive, TransferFile& file);

} // namespace brinox
