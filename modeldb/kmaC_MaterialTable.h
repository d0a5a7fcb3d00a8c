#pragma once
// The numeric table of a material option: rows x columns doubles, stored row
// by row. Copies share the values until one of them is changed.
#include <memory>
#include <vector>

#include "modeldb/mdb_Export.h"

class MDB_API kmaC_MaterialTable {
 public:
  kmaC_MaterialTable() = default;
  /// A table of `rows` x `columns` values given row by row; the count of
  /// `values` must be rows * columns (asserted).
  kmaC_MaterialTable(int rows, int columns, std::vector<double> values);

  int Rows() const noexcept { return rows_; }
  int Columns() const noexcept { return columns_; }
  double At(int row, int column) const noexcept { return (*values_)[std::size_t(row * columns_ + column)]; }
  /// The values of one row.
  const double* Row(int row) const noexcept { return values_->data() + std::size_t(row * columns_); }

  /// Stable sort of the rows by their last column, ascending.
  void Sort();
  /// The table with column `from` moved to position `to` (the others keep their order).
  kmaC_MaterialTable MoveColumn(int from, int to) const;
  /// The table with a new column at `index` holding `value` in every row.
  kmaC_MaterialTable InsertColumn(int index, double value) const;
  /// The table without column `index`.
  kmaC_MaterialTable RemoveColumn(int index) const;
  /// One row as a one-row table.
  kmaC_MaterialTable RowTable(int row) const;
  /// One column as a one-row table (the column's values in row order).
  kmaC_MaterialTable ColumnAsRow(int column) const;

  bool operator==(const kmaC_MaterialTable& other) const;

 private:
  int rows_ = 0;
  int columns_ = 0;
  std::shared_ptr<const std::vector<double>> values_ = std::make_shared<const std::vector<double>>();
};
