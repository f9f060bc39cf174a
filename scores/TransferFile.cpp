#include "TransferFile.h"

#include "ScoreEntryFormat.h"
#include "settings/Archive.h"
#include "settings/FileSignatures.h"

#include <cstdio>
#include <random>

namespace brinox {

std::string NewUploadBaseName(const LocalTime& now) {
    // Not the game's own generator: that one is seeded from the time in
    // seconds, so two players sending in the same second would draw alike.
    std::random_device device;
    const std::uint64_t bits = (std::uint64_t{device()} << 32 | device()) & 0xFFFFFFFFFFFFull;
    char name[96];
    std::snprintf(name, sizeof name, "wc%04d%02d%02d-%02d%02d%02d-%012llx", now.year, now.month,
                  now.day, now.hour, now.minute, now.second, static_cast<unsigned long long>(bits));
    return name;
}

std::string TransferFilePath(const std::string& appDirectory, const std::string& baseName) {
    return appDirectory + baseName + ".ttb";
}

void WriteTransferFile(Archive& a, const TransferFile& f) {
    a.WriteString(signatures::kTransfer);
    a.WriteInt(signatures::kTransferFormat);
    for (const std::string* text : {&f.sender.name, &f.sender.email, &f.sender.country,
                                    &f.sender.notes, &f.sendDate, &f.totalTime, &f.firstStart}) {
        a.WriteString(*text);
    }
    for (const ScoreEntry& row : f.rows) {
        WriteScoreEntry(a, row, EntryDisguise{}, false);
    }
    a.WriteString(f.sendDate2);
}

bool WriteTransferFile(const std::string& path, const TransferFile& file) {
    Archive archive;
    if (!archive.OpenForStore(path)) {
        return false;
    }
    WriteTransferFile(archive, file);
    return archive.Close();
}

bool ReadTransferFile(Archive& a, TransferFile& file) {
    TransferFile f;
    if (!CheckSignature(a, signatures::kTransfer, signatures::kTransferFormat)) {
        return false;
    }
    for (std::string* text : {&f.sender.name, &f.sender.email, &f.sender.country, &f.sender.notes,
                              &f.sendDate, &f.totalTime, &f.firstStart}) {
        if (!a.ReadString(*text)) {
            return false;
        }
    }
    for (ScoreEntry& row : f.rows) {
        if (!ReadScoreEntry(a, row, EntryDisguise{}, false)) {
            return false;
        }
    }
    if (!a.ReadString(f.sendDate2)) {
        return false;
    }
    file = std::move(f);
    return true;
}

} // namespace brinox
