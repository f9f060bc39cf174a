#include "TestGame.h"

namespace brinox::test {

TestGame::TestGame() : game(options, random, recorder.Host()) {
    options.SetDefaultSoundFiles("/game/");
    game.SetAppDirectory("/game/");
    access.flags.appActive = 1;
}

void TestGame::Start() {
    access.NewGame();
    fake.ClearRecords();
}

void TestGame::Tick(std::uint32_t ms) {
    clock.Advance(ms);
    game.Tick();
}

void TestGame::Run(std::uint32_t ms) {
    for (std::uint32_t t = 0; t < ms; t += 20) {
        Tick(20);
    }
}

void TestGame::Tap(std::int32_t code) {
    game.KeyDown(code);
    Tick();
    game.KeyUp(code);
}

void TestGame::FillRow(std::int32_t row, std::int32_t gapColumn, std::int32_t kind) {
    for (std::int32_t c = 0; c < Board::kColumns; ++c) {
        access.board.At(c, row) = c == gapColumn ? Board::kEmpty : kind;
    }
}

void TestGame::Place(std::int32_t kind, std::int32_t column, std::int32_t row,
                     std::int32_t rotation) {
    access.state.currentKind = kind;
    access.state.column = column;
    access.state.row = row;
    access.state.rotation = rotation;
}

} // namespace brinox::test
