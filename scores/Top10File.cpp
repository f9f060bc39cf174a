#include "Top10File.h"

#include "ScoreEntryFormat.h"
#include "settings/Archive.h"
#include "settings/FileSignatures.h"

namespace brinox {

Top10Load ReadTop10File(Archive& archive, Top10Rows& rows) {
    if (!CheckSignature(archive, signatures::kTop10, signatures::kTop10Format)) {
        return Top10Load::Incorrect;
    }
    Top10Rows read{};
    for (ScoreEntry& row : read) {
        if (!ReadScoreEntry(archive, row, EntryDisguise{}, true)) {
            return Top10Load::Incorrect;
        }
    }
    rows = std::move(read);
    return Top10Load::Ok;
}

Top10Load ReadTop10File(const std::string& path, Top10Rows& rows) {
    Archive archive;
    if (!archive.OpenForLoad(path)) {
        return Top10Load::CannotOpen;
    }
    return ReadTop10File(archive, rows);
}

void WriteTop10File(Archive& archive, const Top10Rows& rows) {
    archive.WriteString(signatures::kTop10);
    archive.WriteInt(signatures::kTop10Format);
    for (const ScoreEntry& row : rows) {
        WriteScoreEntry(archive, row, EntryDisguise{}, true);
    }
}

bool WriteTop10File(const std::string& path, const Top10Rows& rows) {
    Archive archive;
    if (!archive.OpenForStore(path)) {
        return false;
    }
    WriteTop10File(archive, rows);
    return archive.Close();
}

} // namespace brinox
