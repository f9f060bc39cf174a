// The playing field: 10 columns by 21 rows of cells, stored column by column
// (cell of column c, row r at c * 21 + r). Rows 0..2 are the hidden spawn
// zone. Outside a row removal a cell holds kEmpty or a block kind 0..15;
// 50..99 marks a block of a full row while it is being removed.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace brinox {

class Board {
public:
    static constexpr std::int32_t kColumns = 10;
    static constexpr std::int32_t kRows = 21;
    static constexpr std::int32_t kCells = kColumns * kRows;
    static constexpr std::int32_t kEmpty = 100;
    static constexpr std::int32_t kSpawnRows = 3;
    static constexpr std::int32_t kRemovalMark = 50;

    Board() { Clear(); }

    static constexpr std::int32_t Index(std::int32_t column, std::int32_t row) {
        return column * kRows + row;
    }
    static constexpr bool Inside(std::int32_t column, std::int32_t row) {
        return column >= 0 && column < kColumns && row >= 0 && row < kRows;
    }

    std::int32_t At(std::int32_t column, std::int32_t row) const {
        assert(Inside(column, row));
        return cells[Index(column, row)];
    }
    std::int32_t& At(std::int32_t column, std::int32_t row) {
        assert(Inside(column, row));
        return cells[Index(column, row)];
    }
    bool IsEmpty(std::int32_t column, std::int32_t row) const { return At(column, row) == kEmpty; }

    void Clear() { cells.fill(kEmpty); }

    std::array<std::int32_t, kCells> cells;
};

} // namespace brinox
