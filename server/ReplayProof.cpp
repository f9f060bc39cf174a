#include "ReplayProof.h"

#include "engine/GameState.h"
#include "engine/GameTypes.h"
#include "engine/replay/ReplayFile.h"
#include "engine/replay/ReplayPlayer.h"
#include "engine/Sha256.h"

namespace brinox::server {

bool HumanLimits::Beyond(const PlayRates& rates) {
    return rates.peakKeysPerSecond > kPeakKeysPerSecond ||
           rates.sustainedKeysPerSecond > kSustainedKeysPerSecond ||
           rates.piecesPerSecond > kPiecesPerSecond;
}

RowProof ProveRow(const ScoreEntry& row, const std::vector<std::uint8_t>* replay) {
    if (replay == nullptr) {
        return {Proof::Unverified, "no replay", {}, ""};
    }
    if (replay->size() > kMaxReplayBytes) {
        return {Proof::Rejected, "the replay is larger than any real game's", {}, ""};
    }
    const std::optional<Replay> decoded = ReplayFile::Decode(*replay);
    if (!decoded) {
        return {Proof::Rejected, "the replay is damaged", {}, ""};
    }
    if (decoded->engineVersion != EngineVersion()) {
        return {Proof::Unverified, "replay recorded by another version of the rules", {}, ""};
    }
    GameResult claimed;
    static_cast<GameStatistics&>(claimed) = row;
    claimed.gameType = Quadel;
    claimed.gameMode = WorldChampionship;
    claimed.bombsOn = row.bombsOn;
    ReplayPlayer::Verdict verdict = ReplayPlayer::Verify(*decoded, claimed);
    if (!verdict.problem.empty()) {
        return {Proof::Rejected, std::move(verdict.problem), verdict.rates, ""};
    }
    return {Proof::Verified, "", verdict.rates, std::move(verdict.fingerprint)};
}

std::string ReplayDigest(std::span<const std::uint8_t> replay) {
    Sha256 digest;
    digest.Add(replay);
    return Sha256::Hex(digest.Finish());
}

std::string VerdictKey(const ScoreEntry& row, const std::string& replayDigest) {
    Sha256 key;
    for (const std::int32_t figure :
         {row.level, row.score, row.lines, row.gameSeconds, row.pieces, row.bombs, row.bombsOn}) {
        key.AddNumber(figure);
    }
    // Lengths first, so that no two pairs of texts run together alike.
    for (const std::string* text : {&row.startTime, &row.endTime}) {
        key.AddNumber(static_cast<std::int64_t>(text->size()));
        key.Add(*text);
    }
    key.Add(replayDigest);
    return Sha256::Hex(key.Finish());
}

} // namespace brinox::server
