#include "engine/GameTypes.h"
#include "engine/PieceShape.h"
#include "settings/Archive.h"
#include "settings/SavedGame.h"

#include "FuzzSupport.h"

namespace {

bool PieceInside(std::int32_t kind, std::int32_t rotation, std::int32_t column, std::int32_t row) {
    using namespace brinox;
    if (kind < 0 || kind >= kKindCount || rotation < 0 || rotation > 3) {
        return false;
    }
    for (std::int32_t i = 0; i < PieceShape::CellCount(kind); ++i) {
        const CellOffset o = PieceShape::Offset(kind, rotation, i);
        if (!Board::Inside(column + o.dx, row + o.dy)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brinox;
    Archive archive;
    archive.OpenForLoad({data, size});
    SavedGame game;
    const SavedGame before = game;
    if (ReadSavedGame(archive, game) != SavedGameLoad::Ok) {
        fuzz::Require(game == before, "rejected file changed the game");
        return 0;
    }
    for (std::int32_t cell : game.board.cells) {
        fuzz::Require(cell == Board::kEmpty || (cell >= 0 && cell < kSmallBomb), "cell value");
    }
    const GameState& s = game.state;
    fuzz::Require(PieceInside(s.currentKind, s.rotation, s.column, s.row), "falling piece");
    fuzz::Require(PieceInside(s.drawnKind, s.drawnRotation, s.drawnColumn, s.drawnRow),
                  "drawn piece");
    fuzz::Require(s.nextKind >= 0 && s.nextKind < kSmallBomb, "next kind");
    fuzz::Require(s.level >= 1 && s.level <= 20, "level");
    fuzz::Require(game.gameType >= 0 && game.gameType <= 1 && game.gameMode >= 0 &&
                      game.gameMode <= 3,
                  "game type and mode");
    fuzz::Require(TableOf(game.gameType, game.gameMode) < 7, "table of the game");
    fuzz::Require(s.clockRefsValid == 0, "clock references");
    return 0;
}
