#pragma once
// The numeric table formatter of material options, connector behaviours and
// interaction properties: formats every value of a table once, right-aligned
// in its column's width with six significant digits, lets the option insert
// empty columns (place-holders of columns its table does not carry) and
// prints the rows, 8 values per data line.
#include <vector>

#include "containers/cow.h"
#include "modeldb/kmaC_MaterialTable.h"
#include "textstream/utl_Stream.h"

class oif_DataTable {
 public:
  /// Formats every value of `table`. Column 0 is as wide as its longest value
  /// text plus one; all other columns share one width, their longest value
  /// text plus one. A value is printed like "%*.*g" with precision 6 and put
  /// into the solver's numeric form (utl_Stream::FixNumericString). An unset
  /// value (mdl_UnsetDouble) gives an empty cell and is not measured.
  explicit oif_DataTable(const kmaC_MaterialTable& table);

  int Rows() const noexcept { return rows_; }
  int Columns() const noexcept { return columns_; }
  const cow_String& Cell(int row, int column) const { return cells_[std::size_t(row * columns_ + column)]; }

  /// Inserts a column of single blanks at `index`, moving the columns from
  /// `index` on one place right. Only 0 <= index < Columns() inserts; any
  /// other index changes nothing (a column is never appended at the end).
  void InsertEmptyColumn(int index);
  /// In column `column`, replaces every cell whose text reads back as
  /// `number` by `text`. An index outside 0 .. Columns() - 1 changes nothing.
  void ReplaceCells(int column, double number, const cow_String& text);

  /// Rule T, the temperature place-holder: when the option is not
  /// temperature dependent but has field variables, an empty column where
  /// the temperature column would be (at `columns` - dependencies, `columns`
  /// being the option table's column count; by default the current count).
  void ApplyRuleT(bool temperatureDependency, int dependencies) {
    ApplyRuleT(columns_, temperatureDependency, dependencies);
  }
  void ApplyRuleT(int columns, bool temperatureDependency, int dependencies);
  /// Rule R (concrete compression hardening and tension stiffening), with the
  /// option's flag for the optional column just before the temperature.
  void ApplyRuleR(bool optionalColumn, bool temperatureDependency, int dependencies);
  /// Rule U (uniaxial, planar and biaxial test data), with the flag for the
  /// optional column 2: a place-holder at 2 when needed, then rule T.
  void ApplyRuleU(bool optionalColumn, bool temperatureDependency, int dependencies);
  /// Rule CI (cast iron hardening): rule T, then an empty column at 2.
  void ApplyRuleCI(bool temperatureDependency, int dependencies);

  /// Prints every row: cells separated by ",", a line end after every 8th
  /// cell of a row (such a line has no trailing comma), and a closing ","
  /// on a row of one cell or whose last line holds one cell. Nothing when the
  /// table has no rows (or no columns).
  void Print(utl_Stream& stream) const;

  /// The cell text of one value in a column of `width` (for tests and for
  /// formatters that print single values the same way).
  static cow_String FormatValue(double value, int width);

 private:
  kmaC_MaterialTable source_;
  int rows_ = 0;
  int columns_ = 0;
  std::vector<cow_String> cells_;  // row by row
};
