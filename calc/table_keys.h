// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

namespace calc {

// The keys of a table whose rows each name their own, in the table's order: the list a loop
// over every figure, input or caption walks, made from the table so that it is written once.
template <auto Key, typename Row, std::size_t N>
constexpr auto KeysOf(const std::array<Row, N>& rows) {
    std::array<std::remove_cvref_t<decltype(rows[0].*Key)>, N> keys{};
    for (std::size_t i = 0; i < N; ++i)
        keys[i] = rows[i].*Key;
    return keys;
}

} // namespace calc
