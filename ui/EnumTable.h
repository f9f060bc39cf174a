// Tables indexed by an enum: each row names the enum value it belongs to, and
// RowsInEnumOrder lets a static_assert check that row i is the row of value i,
// so reordering the enum or a table fails to compile instead of silently
// pairing a value with another value's row. Plain C++.
#pragma once

#include <array>
#include <cstddef>

namespace brinox {

// Whether rows[i].*key is the enum value i for every row.
template <typename Row, std::size_t N, typename Enum>
constexpr bool RowsInEnumOrder(const std::array<Row, N>& rows, Enum Row::*key) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(rows[i].*key) != i) {
            return false;
        }
    }
    return true;
}

// The array index of an enum value.
template <typename Enum> constexpr std::size_t IndexOf(Enum value) {
    return static_cast<std::size_t>(value);
}

} // namespace brinox
