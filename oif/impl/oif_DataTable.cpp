#include "oif/impl/oif_DataTable.h"

#include <algorithm>
#include <charconv>

#include "modeldb/mdl_Object.h"

namespace {

/// Length of the shortest text that reads back as `value`; it measures the
/// column widths only.
int ShortestLength(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return int(result.ptr - text);
}

/// Reads a cell back the way atof does: leading blanks skipped, the longest
/// number prefix taken, 0 when there is none.
double ReadBack(const cow_String& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  while (first != last && *first == ' ') ++first;
  if (first != last && *first == '+') ++first;
  double value = 0.0;
  std::from_chars(first, last, value);
  return value;
}

}  // namespace

cow_String oif_DataTable::FormatValue(double value, int width) {
  if (!mdl_IsSet(value)) return {};
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 6);
  const int size = int(result.ptr - digits);
  cow_String text(std::size_t(std::max(width - size, 0)), ' ');
  text.append(digits, std::size_t(size));
  utl_Stream::FixNumericString(text, width);
  return text;
}

oif_DataTable::oif_DataTable(const kmaC_MaterialTable& table)
    : source_(table), rows_(table.Rows()), columns_(table.Columns()) {
  int firstWidth = 0;
  int otherWidth = 0;
  for (int row = 0; row < rows_; ++row)
    for (int column = 0; column < columns_; ++column) {
      const double value = table.At(row, column);
      if (!mdl_IsSet(value)) continue;
      int& width = column == 0 ? firstWidth : otherWidth;
      width = std::max(width, ShortestLength(value) + 1);
    }
  cells_.reserve(std::size_t(rows_) * std::size_t(columns_));
  for (int row = 0; row < rows_; ++row)
    for (int column = 0; column < columns_; ++column)
      cells_.push_back(FormatValue(table.At(row, column), column == 0 ? firstWidth : otherWidth));
}

void oif_DataTable::InsertEmptyColumn(int index) {
  if (index < 0 || index >= columns_) return;
  std::vector<cow_String> cells;
  cells.reserve(std::size_t(rows_) * std::size_t(columns_ + 1));
  for (int row = 0; row < rows_; ++row) {
    auto first = cells_.begin() + std::ptrdiff_t(row) * columns_;
    cells.insert(cells.end(), std::make_move_iterator(first), std::make_move_iterator(first + index));
    cells.emplace_back(" ");
    cells.insert(cells.end(), std::make_move_iterator(first + index), std::make_move_iterator(first + columns_));
  }
  cells_ = std::move(cells);
  ++columns_;
}

void oif_DataTable::ReplaceCells(int column, double number, const cow_String& text) {
  if (column < 0 || column >= columns_) return;
  for (int row = 0; row < rows_; ++row) {
    cow_String& cell = cells_[std::size_t(row * columns_ + column)];
    if (ReadBack(cell) == number) cell = text;
  }
}

void oif_DataTable::ApplyRuleT(int columns, bool temperatureDependency, int dependencies) {
  if (!temperatureDependency && dependencies > 0) InsertEmptyColumn(columns - dependencies);
}

void oif_DataTable::ApplyRuleR(bool optionalColumn, bool temperatureDependency, int dependencies) {
  const int columns = columns_;
  if (!optionalColumn && temperatureDependency) {
    InsertEmptyColumn(columns - dependencies - 1);
  } else if (!temperatureDependency && dependencies > 0) {
    InsertEmptyColumn(columns - dependencies);
    if (!optionalColumn) InsertEmptyColumn(columns - dependencies);
  }
}

void oif_DataTable::ApplyRuleU(bool optionalColumn, bool temperatureDependency, int dependencies) {
  if (!optionalColumn && (temperatureDependency || dependencies >= 1)) InsertEmptyColumn(2);
  ApplyRuleT(temperatureDependency, dependencies);
}

void oif_DataTable::ApplyRuleCI(bool temperatureDependency, int dependencies) {
  ApplyRuleT(temperatureDependency, dependencies);
  InsertEmptyColumn(2);
}

void oif_DataTable::Print(utl_Stream& stream) const {
  if (source_.Rows() == 0 || columns_ == 0) return;
  for (int row = 0; row < rows_; ++row) {
    for (int column = 0; column < columns_; ++column) {
      if (column > 0 && column % 8 == 0) stream.LineBreak();
      stream << Cell(row, column);
      if (column + 1 < columns_ && column % 8 != 7) stream << ',';
    }
    if (columns_ == 1 || columns_ % 8 == 1) stream << ',';
    stream.LineBreak();
  }
}
