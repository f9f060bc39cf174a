#include "VerdictStore.h"

#include "settings/Archive.h"
#include "settings/FileSignatures.h"

#include <cmath>
#include <filesystem>

namespace brinox::server {

namespace {

constexpr double kThousandths = 1000;

std::int32_t Thousandths(double rate) {
    return static_cast<std::int32_t>(std::lround(std::min(rate, 2.0e6) * kThousandths));
}

bool ReadRates(Archive& archive, PlayRates& rates) {
    for (double* rate : {&rates.peakKeysPerSecond, &rates.sustainedKeysPerSecond,
                         &rates.piecesPerSecond}) {
        std::int32_t value = 0;
        if (!archive.ReadInt(value)) {
            return false;
        }
        *rate = value / kThousandths;
    }
    return true;
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
    std::uint32_t extra = 0;
    if (!ok || archive.ReadUInt(extra)) { // nothing may follow
        verdicts.clear();
        owners.clear();
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
        for (const double rate : {proof.rates.peakKeysPerSecond,
                                  proof.rates.sustainedKeysPerSecond, proof.rates.piecesPerSecond}) {
            archive.WriteInt(Thousandths(rate));
        }
    }
    archive.WriteInt(static_cast<std::int32_t>(owners.size()));
    for (const auto& [fingerprint, row] : owners) {
        archive.WriteString(fingerprint);
        archive.WriteString(row);
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

} // namespace brinox::server
