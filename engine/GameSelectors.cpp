#include "GameSelectors.h"

#include "GameTypes.h"

namespace brinox {

void NextGameType(Options& options, std::int32_t& bombsBeforeChampionship) {
    options.gameType = (options.gameType + 1) % 2;
    if (options.gameMode == WorldChampionship && options.gameType == Quinel) {
        options.gameMode = Classic;
        options.bombsOn = bombsBeforeChampionship;
    }
}

void NextGameMode(Options& options, std::int32_t& bombsBeforeChampionship) {
    if (options.gameMode == WorldChampionship) {
        options.bombsOn = bombsBeforeChampionship;
    }
    options.gameMode += 1;
    if (options.gameMode == WorldChampionship && options.gameType == Quadel) {
        bombsBeforeChampionship = options.bombsOn;
    }
    if ((options.gameType == Quadel && options.gameMode == 4) ||
        (options.gameType == Quinel && options.gameMode == WorldChampionship)) {
        options.gameMode = Classic;
    }
    if (options.gameMode == WorldChampionship) {
        options.bombsOn = 0;
    }
}

} // namespace brinox
