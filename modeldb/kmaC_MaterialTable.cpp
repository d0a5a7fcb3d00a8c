#include "modeldb/kmaC_MaterialTable.h"

#include <algorithm>
#include <numeric>

#include "exceptions/nex_Exception.h"

kmaC_MaterialTable::kmaC_MaterialTable(int rows, int columns, std::vector<double> values)
    : rows_(rows), columns_(columns), values_(std::make_shared<const std::vector<double>>(std::move(values))) {
  NEX_ASSERT(rows >= 0 && columns >= 0 && values_->size() == std::size_t(rows) * std::size_t(columns));
}

void kmaC_MaterialTable::Sort() {
  if (rows_ < 2 || columns_ == 0) return;
  std::vector<int> order(static_cast<std::size_t>(rows_));
  std::iota(order.begin(), order.end(), 0);
  const int last = columns_ - 1;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return At(a, last) < At(b, last); });
  std::vector<double> sorted;
  sorted.reserve(values_->size());
  for (int row : order) sorted.insert(sorted.end(), Row(row), Row(row) + columns_);
  values_ = std::make_shared<const std::vector<double>>(std::move(sorted));
}

kmaC_MaterialTable kmaC_MaterialTable::MoveColumn(int from, int to) const {
  NEX_ASSERT(from >= 0 && from < columns_ && to >= 0 && to < columns_);
  std::vector<double> moved(*values_);
  for (int row = 0; row < rows_; ++row) {
    auto first = moved.begin() + std::ptrdiff_t(row) * columns_;
    if (from < to)
      std::rotate(first + from, first + from + 1, first + to + 1);
    else if (from > to)
      std::rotate(first + to, first + from, first + from + 1);
  }
  return kmaC_MaterialTable(rows_, columns_, std::move(moved));
}

kmaC_MaterialTable kmaC_MaterialTable::InsertColumn(int index, double value) const {
  NEX_ASSERT(index >= 0 && index <= columns_);
  std::vector<double> out;
  out.reserve(std::size_t(rows_) * std::size_t(columns_ + 1));
  for (int row = 0; row < rows_; ++row) {
    out.insert(out.end(), Row(row), Row(row) + index);
    out.push_back(value);
    out.insert(out.end(), Row(row) + index, Row(row) + columns_);
  }
  return kmaC_MaterialTable(rows_, columns_ + 1, std::move(out));
}

kmaC_MaterialTable kmaC_MaterialTable::RemoveColumn(int index) const {
  NEX_ASSERT(index >= 0 && index < columns_);
  std::vector<double> out;
  out.reserve(std::size_t(rows_) * std::size_t(columns_ - 1));
  for (int row = 0; row < rows_; ++row) {
    out.insert(out.end(), Row(row), Row(row) + index);
    out.insert(out.end(), Row(row) + index + 1, Row(row) + columns_);
  }
  return kmaC_MaterialTable(rows_, columns_ - 1, std::move(out));
}

kmaC_MaterialTable kmaC_MaterialTable::RowTable(int row) const {
  NEX_ASSERT(row >= 0 && row < rows_);
  return kmaC_MaterialTable(1, columns_, std::vector<double>(Row(row), Row(row) + columns_));
}

kmaC_MaterialTable kmaC_MaterialTable::ColumnAsRow(int column) const {
  NEX_ASSERT(column >= 0 && column < columns_);
  std::vector<double> out;
  out.reserve(std::size_t(rows_));
  for (int row = 0; row < rows_; ++row) out.push_back(At(row, column));
  return kmaC_MaterialTable(1, rows_, std::move(out));
}

bool kmaC_MaterialTable::operator==(const kmaC_MaterialTable& other) const {
  return rows_ == other.rows_ && columns_ == other.columns_ && *values_ == *other.values_;
}
