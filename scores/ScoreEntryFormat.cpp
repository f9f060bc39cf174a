#include "ScoreEntryFormat.h"

#include "settings/Archive.h"

namespace brinox {

namespace {

// Fixed per-field multipliers of the data.ttb disguise, in field order:
// level, score, lines, gameSeconds, pieces, bombs, min, max, avg drop.
constexpr std::array<std::uint32_t, 9> kMultipliers = {3, 7, 5, 11, 13, 17, 19, 23, 29};

std::array<std::int32_t ScoreEntry::*, 3> HeadCounters() {
    return {&ScoreEntry::level, &ScoreEntry::score, &ScoreEntry::lines};
}

std::array<std::int32_t ScoreEntry::*, 6> TailCounters() {
    return {&ScoreEntry::gameSeconds,    &ScoreEntry::pieces,         &ScoreEntry::bombs,
            &ScoreEntry::minDropSeconds, &ScoreEntry::maxDropSeconds, &ScoreEntry::avgDropSeconds};
}

std::int32_t Shift(std::int32_t value, std::uint32_t offset, bool add) {
    const std::uint32_t raw = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(add ? raw + offset : raw - offset);
}

} // namespace

EntryDisguise EntryDisguise::ForKey(std::int32_t fileKey) {
    EntryDisguise disguise;
    for (std::size_t i = 0; i < kMultipliers.size(); ++i) {
        disguise.offsets[i] = kMultipliers[i] * static_cast<std::uint32_t>(fileKey);
    }
    return disguise;
}

void WriteScoreEntry(Archive& archive, const ScoreEntry& e, const EntryDisguise& disguise,
                     bool withCountry) {
    archive.WriteString(e.name);
    std::size_t i = 0;
    for (auto field : HeadCounters()) {
        archive.WriteInt(Shift(e.*field, disguise.offsets[i++], true));
    }
    archive.WriteInt(e.used);
    archive.WriteString(e.startTime);
    archive.WriteString(e.endTime);
    for (auto field : TailCounters()) {
        archive.WriteInt(Shift(e.*field, disguise.offsets[i++], true));
    }
    archive.WriteInt(e.bombsOn);
    if (withCountry) {
        archive.WriteString(e.country);
    }
}

bool ReadScoreEntry(Archive& archive, ScoreEntry& entry, const EntryDisguise& disguise,
                    bool withCountry) {
    ScoreEntry e = entry;
    std::size_t i = 0;
    bool ok = archive.ReadString(e.name);
    for (auto field : HeadCounters()) {
        ok = ok && archive.ReadInt(e.*field);
        e.*field = Shift(e.*field, disguise.offsets[i++], false);
    }
    ok = ok && archive.ReadInt(e.used) && archive.ReadString(e.startTime) &&
         archive.ReadString(e.endTime);
    for (auto field : TailCounters()) {
        ok = ok && archive.ReadInt(e.*field);
        e.*field = Shift(e.*field, disguise.offsets[i++], false);
    }
    ok = ok && archive.ReadInt(e.bombsOn);
    if (withCountry) {
        ok = ok && archive.ReadString(e.country);
    }
    if (!ok) {
        return false;
    }
    entry = std::move(e);
    return true;
}

} // namespace brinox
