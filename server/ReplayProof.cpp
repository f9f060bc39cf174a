#include "ReplayProof.h"

#include "engine/GameState.h"
#include "engine/GameTypes.h"
#include "engine/ReplayFile.h"
#include "engine/ReplayPlayer.h"

namespace brinox::server {

RowProof ProveRow(const ScoreEntry& row, const std::vector<std::uint8_t>* replay) {
    if (replay == nullptr) {
        return {Proof::Unverified, "no replay"};
    }
    const std::optional<Replay> decoded = ReplayFile::Decode(*replay);
    if (!decoded) {
        return {Proof::Rejected, "the replay is damaged"};
    }
    if (decoded->engineVersion != EngineVersion()) {
        return {Proof::Unverified, "replay recorded by another version of the rules"};
    }
    GameResult claimed;
    static_cast<GameStatistics&>(claimed) = row;
    claimed.gameType = Quadel;
    claimed.gameMode = WorldChampionship;
    claimed.bombsOn = row.bombsOn;
    std::string why = ReplayPlayer::Verify(*decoded, claimed);
    return why.empty() ? RowProof{Proof::Verified, ""} : RowProof{Proof::Rejected, std::move(why)};
}

} // namespace brinox::server
