#include "VerdictStore.h"

#include "settings/Archive.h"
#include "settings/FileSignatures.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace brinox::server {

namespace {

constexpr double kThousandths = 1000;

std::int32_t Thousandths(double rate) {
    return static_cast<std::int32_t>(std::lround(std::min(rate, 2.0e6) * kThousandths));
}

bool ReadRates(Archive& archive, PlayRates& rates) {
    for (double* rate :
         {&rates.peakKeysPerSecond, &rates.sustainedKeysPerSecond, &rates.piecesPerSecond}) {
        std::int32_t value = 0;
        if (!archive.ReadInt(value)) {
            return false;
        }
        *rate = value / kThousandths;
    }
    return true;
}

bool ReadWide(Archive& archive, std::uint64_t& value) {
    std::uint32_t low = 0, high = 0;
    const bool read = archive.ReadUInt(low) && archive.ReadUInt(high);
    value = std::uint64_t{high} << 32 | low;
    return read;
}

void WriteWide(Archive& archive, std::uint64_t value) {
    archive.WriteUInt(static_cast<std::uint32_t>(value));
    archive.WriteUInt(static_cast<std::uint32_t>(value >> 32));
}

bool ReadSeen(Archive& archive, std::string& path, VerdictStore::FileIdentity& identity,
              VerdictStore::Digests& digests) {
    std::int32_t count = 0;
    bool read = archive.ReadString(path) && ReadWide(archive, identity.device) &&
                ReadWide(archive, identity.inode) && ReadWide(archive, identity.size) &&
                ReadWide(archive, identity.modified) && archive.ReadInt(count) && count >= 0 &&
                count <= static_cast<std::int32_t>(digests.size());
    for (std::int32_t i = 0; read && i < count; ++i) {
        std::int32_t row = -1;
        read = archive.ReadInt(row) && row >= 0 &&
               row < static_cast<std::int32_t>(digests.size()) &&
               archive.ReadString(digests[static_cast<std::size_t>(row)]);
    }
    return read;
}

bool ReadVerdict(Archive& archive, std::string& key, RowProof& proof) {
    std::int32_t kind = 0;
    if (!archive.ReadString(key) || !archive.ReadInt(kind) || !archive.ReadString(proof.reason) ||
        !archive.ReadString(proof.fingerprint) || !ReadRates(archive, proof.rates)) {
        return false;
    }
    proof.proof = static_cast<Proof>(kind);
    return kind >= 0 && kind <= static_cast<std::int32_t>(Proof::Rejected);
}

} // namespace

VerdictStore::Load VerdictStore::Open(const std::string& path) {
    verdicts.clear();
    owners.clear();
    seenFiles.clear();
    changed = true;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return Load::Missing;
    }
    Archive archive;
    std::string signature;
    std::int32_t format = 0, count = 0;
    bool ok = archive.OpenForLoad(path) && archive.ReadString(signature) &&
              signature == signatures::kRankState && archive.ReadInt(format) &&
              format == signatures::kRankStateFormat && archive.ReadInt(count) && count >= 0;
    for (std::int32_t i = 0; ok && i < count; ++i) {
        std::string key;
        RowProof proof;
        ok = ReadVerdict(archive, key, proof);
        verdicts[std::move(key)] = std::move(proof);
    }
    ok = ok && archive.ReadInt(count) && count >= 0;
    for (std::int32_t i = 0; ok && i < count; ++i) {
        std::string fingerprint, row;
        ok = archive.ReadString(fingerprint) && archive.ReadString(row);
        owners[std::move(fingerprint)] = std::move(row);
    }
    ok = ok && archive.ReadInt(count) && count >= 0;
    for (std::int32_t i = 0; ok && i < count; ++i) {
        std::string path;
        SeenFile seen;
        ok = ReadSeen(archive, path, seen.identity, seen.digests);
        seenFiles[std::move(path)] = std::move(seen);
    }
    std::uint32_t extra = 0;
    if (!ok || archive.ReadUInt(extra)) { // nothing may follow
        verdicts.clear();
        owners.clear();
        seenFiles.clear();
        return Load::Damaged;
    }
    changed = false;
    return Load::Ok;
}

bool VerdictStore::Save(const std::string& path) {
    if (!changed) {
        return true;
    }
    Archive archive;
    if (!archive.OpenForStore(path)) {
        return false;
    }
    archive.WriteString(signatures::kRankState);
    archive.WriteInt(signatures::kRankStateFormat);
    archive.WriteInt(static_cast<std::int32_t>(verdicts.size()));
    for (const auto& [key, proof] : verdicts) {
        archive.WriteString(key);
        archive.WriteInt(static_cast<std::int32_t>(proof.proof));
        archive.WriteString(proof.reason);
        archive.WriteString(proof.fingerprint);
        for (const double rate : {proof.rates.peakKeysPerSecond, proof.rates.sustainedKeysPerSecond,
                                  proof.rates.piecesPerSecond}) {
            archive.WriteInt(Thousandths(rate));
        }
    }
    archive.WriteInt(static_cast<std::int32_t>(owners.size()));
    for (const auto& [fingerprint, row] : owners) {
        archive.WriteString(fingerprint);
        archive.WriteString(row);
    }
    archive.WriteInt(static_cast<std::int32_t>(seenFiles.size()));
    for (const auto& [path, seen] : seenFiles) {
        archive.WriteString(path);
        for (const std::uint64_t number : {seen.identity.device, seen.identity.inode,
                                           seen.identity.size, seen.identity.modified}) {
            WriteWide(archive, number);
        }
        const auto rows = std::count_if(seen.digests.begin(), seen.digests.end(),
                                        [](const std::string& digest) { return !digest.empty(); });
        archive.WriteInt(static_cast<std::int32_t>(rows));
        for (std::size_t row = 0; row < seen.digests.size(); ++row) {
            if (!seen.digests[row].empty()) {
                archive.WriteInt(static_cast<std::int32_t>(row));
                archive.WriteString(seen.digests[row]);
            }
        }
    }
    changed = !archive.Close();
    return !changed;
}

const RowProof* VerdictStore::Find(const std::string& key) const {
    const auto it = verdicts.find(key);
    return it == verdicts.end() ? nullptr : &it->second;
}

void VerdictStore::Put(const std::string& key, RowProof proof) {
    verdicts[key] = std::move(proof);
    changed = true;
}

const std::string& VerdictStore::Owner(const std::string& fingerprint, const std::string& row) {
    const auto [it, added] = owners.try_emplace(fingerprint, row);
    changed = changed || added;
    return it->second;
}

const VerdictStore::Digests* VerdictStore::Seen(const std::string& path,
                                                const FileIdentity& identity) const {
    const auto it = seenFiles.find(path);
    return it != seenFiles.end() && it->second.identity == identity ? &it->second.digests : nullptr;
}

void VerdictStore::Remember(const std::string& path, const FileIdentity& identity,
                            Digests digests) {
    seenFiles[path] = {identity, std::move(digests)};
    changed = true;
}

} // namespace brinox::server
