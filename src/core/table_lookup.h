// Finding an entry in a constant table by what it holds.
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>

namespace corvane {

// The position of the first entry of `table` that `match` accepts; nothing
// when none does.
template <class Table, class Match>
constexpr std::optional<int> IndexWhere(const Table& table, Match match) {
    int index = 0;
    for (const auto& entry : table) {
        if (match(entry)) {
            return index;
        }
        ++index;
    }
    return std::nullopt;
}

}  // namespace corvane
