// The constant table of piece shapes: for each kind its cell count, the start
// position of its pivot and, for each of the four rotations, up to five cell
// offsets from the pivot (positive x right, positive y down). Cell 0 is always
// the pivot (0,0); entries beyond a kind's cell count are 0. A kind outside
// 0..18 (only a damaged saved game can bring one) reads as a one-cell piece
// and a rotation is taken modulo 4, so no lookup leaves the table.
#pragma once

#include "GameTypes.h"

#include <array>
#include <cassert>
#include <cstdint>

namespace brinox {

struct CellOffset {
    std::int32_t dx;
    std::int32_t dy;
};

class PieceShape {
public:
    static constexpr std::int32_t kMaxCells = 5;
    static constexpr std::int32_t kRotations = 4;

    static std::int32_t CellCount(std::int32_t kind) { return Entry(kind).cells; }
    static std::int32_t StartColumn(std::int32_t kind) { return Entry(kind).startColumn; }
    static std::int32_t StartRow(std::int32_t kind) { return Entry(kind).startRow; }
    static CellOffset Offset(std::int32_t kind, std::int32_t rotation, std::int32_t cell) {
        assert(cell >= 0 && cell < kMaxCells);
        return Entry(kind).offsets[rotation & (kRotations - 1)][cell];
    }

    // Flat views in the stored order kind * 20 + rotation * 5 + cell.
    static std::int32_t OffsetX(std::int32_t flatIndex) {
        return Offset(flatIndex / 20, flatIndex % 20 / 5, flatIndex % 5).dx;
    }
    static std::int32_t OffsetY(std::int32_t flatIndex) {
        return Offset(flatIndex / 20, flatIndex % 20 / 5, flatIndex % 5).dy;
    }

private:
    struct Kind {
        std::int32_t cells;
        std::int32_t startColumn;
        std::int32_t startRow;
        CellOffset offsets[kRotations][kMaxCells];
    };
    static const Kind& Entry(std::int32_t kind) {
        return kind >= 0 && kind < kKindCount ? kTable[kind] : kTable[kSmallBomb];
    }

    static const std::array<Kind, kKindCount> kTable;
};

} // namespace brinox
