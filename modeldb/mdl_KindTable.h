#pragma once
// Closed families of model objects (step kinds, section kinds, controls
// kinds, ...) are described by kind tables: an `enum class` ending in the
// sentinel `Count`, and per layer (model database, model file reader, writer)
// one `constexpr` row per kind in kind order, each row starting with its
// `kind`. These helpers check the order at compile time and find the row of
// a model object's class.
#include <cstddef>
#include <typeindex>
#include <typeinfo>

/// True when `rows` holds exactly one row per kind of `Kind`, in kind order;
/// meant for a `static_assert` beside each table.
template <class Kind, class Row, std::size_t N>
constexpr bool mdl_OneRowPerKindInOrder(const Row (&rows)[N]) {
  if (N != std::size_t(Kind::Count)) return false;
  for (std::size_t i = 0; i < N; ++i)
    if (std::size_t(rows[i].kind) != i) return false;
  return true;
}

/// The row whose `type` (the `typeid` of a model class) is `type`; nullptr
/// when no row has it.
template <class Row, std::size_t N>
const Row* mdl_RowOfType(const Row (&rows)[N], std::type_index type) {
  for (const Row& row : rows)
    if (std::type_index(*row.type) == type) return &row;
  return nullptr;
}
