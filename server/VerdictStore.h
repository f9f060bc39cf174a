// What brinox-rank keeps between runs, so that every replay is played once
// ever and a run's cost grows with the new uploads only:
// - each verdict under its VerdictKey (the replay's bytes and the row's figures);
// - for each verified game (its fingerprint), the upload row that first
//   brought it: one game counts once in the whole championship, and the
//   earliest upload keeps it however the files' times change later;
// - for each replays file read, its identity (device, inode, size, time) and
//   the digests of its replays, so that a file met again unchanged is not
//   read again.
// Layout (Archive encoding): signature, format number, the count of
// verdicts, each as key, proof, reason, fingerprint and the three rates in
// thousandths; the count of owners, each as fingerprint and upload row; the
// count of replays files, each as path, the identity's four numbers (each as
// two 32-bit halves, low first) and the count of its replays, each as row
// and digest.
// A file that cannot be read whole is damaged: the store starts empty and
// everything is played again. Saved atomically.
#pragma once

#include "ReplayProof.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace brinox::server {

class VerdictStore {
public:
    enum class Load { Missing, Ok, Damaged };

    struct FileIdentity {
        std::uint64_t device = 0, inode = 0, size = 0, modified = 0; // modified: ns
        bool operator==(const FileIdentity&) const = default;
    };
    using Digests = std::array<std::string, 10>;

    Load Open(const std::string& path);
    // Writes the store when it changed since it was opened (or was damaged).
    bool Save(const std::string& path);

    const RowProof* Find(const std::string& key) const;
    void Put(const std::string& key, RowProof proof);
    // The upload row that owns a verified game: the one already recorded,
    // or `row`, which becomes its owner.
    const std::string& Owner(const std::string& fingerprint, const std::string& row);
    // The digests of a replays file read before with this identity, or null.
    const Digests* Seen(const std::string& path, const FileIdentity& identity) const;
    void Remember(const std::string& path, const FileIdentity& identity, Digests digests);

private:
    struct SeenFile {
        FileIdentity identity;
        Digests digests;
    };

    std::map<std::string, RowProof> verdicts;
    std::map<std::string, std::string> owners;
    std::map<std::string, SeenFile> seenFiles;
    bool changed = false;
};

} // namespace brinox::server
