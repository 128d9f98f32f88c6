// Looking things up in the constant tables of facts (one row per kind, per tool, per
// picture store, ...): the row whose field holds a value, and whether a field holds a
// different value in every row. Usable at compile time, for the tables' static checks.
#pragma once

#include <cstddef>

namespace tessara {

// The first row of table whose member `field` equals value; nullptr when none does.
template <typename Table, typename Field, typename Value>
constexpr const typename Table::value_type* FindRow(const Table& table, Field field,
                                                    const Value& value) {
  for (const auto& row : table) {
    if (row.*field == value) return &row;
  }
  return nullptr;
}

// True when no two rows of table hold the same value in member `field`.
template <typename Table, typename Field>
constexpr bool AllDistinct(const Table& table, Field field) {
  for (std::size_t a = 0; a < table.size(); ++a) {
    for (std::size_t b = a + 1; b < table.size(); ++b) {
      if (table[a].*field == table[b].*field) return false;
    }
  }
  return true;
}

}  // namespace tessara
