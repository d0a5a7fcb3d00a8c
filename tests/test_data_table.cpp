// The shared table formatter: widths, number forms, values per line, the
// trailing-comma rules, empty columns and the placement rules.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <numeric>

#include "material_support.h"
#include "modeldb/mdl_Object.h"
#include "oif/impl/oif_DataTable.h"

namespace {

using mtest::Table;

kmaC_MaterialTable Sequence(int count) {
  std::vector<double> values(static_cast<std::size_t>(count));
  std::iota(values.begin(), values.end(), 1.0);
  return kmaC_MaterialTable(1, count, values);
}

std::string Printed(const oif_DataTable& table) {
  return mtest::Written([&](utl_Stream& stream) { table.Print(stream); });
}

std::string Printed(const kmaC_MaterialTable& source, const std::function<void(oif_DataTable&)>& change = {}) {
  oif_DataTable table(source);
  if (change) change(table);
  return Printed(table);
}

TEST(DataTableLines, OneColumnRowsEndWithAComma) {
  EXPECT_EQ(Printed(Table({{7850.0}, {7800.5}})), R"(  7850.,
 7800.5,
)");
  EXPECT_EQ(Printed(Table({{7.85e-9}})), " 7.85e-09,\n");
}

TEST(DataTableLines, NineValuesBreakAfterTheEighthWithoutTrailingComma) {
  EXPECT_EQ(Printed(Sequence(9)), R"(1.,2.,3.,4.,5.,6.,7.,8.
9.,
)");
}

TEST(DataTableLines, SixteenValuesMakeTwoFullLinesWithoutTrailingCommas) {
  EXPECT_EQ(Printed(Sequence(16)), R"(1., 2., 3., 4., 5., 6., 7., 8.
 9.,10.,11.,12.,13.,14.,15.,16.
)");
}

TEST(DataTableLines, SeventeenAndTenValues) {
  EXPECT_EQ(Printed(Sequence(17)), R"(1., 2., 3., 4., 5., 6., 7., 8.
 9.,10.,11.,12.,13.,14.,15.,16.
17.,
)");
  EXPECT_EQ(Printed(Sequence(10)), R"(1., 2., 3., 4., 5., 6., 7., 8.
 9.,10.
)");
}

TEST(DataTableLines, TableWithoutRowsPrintsNothing) {
  EXPECT_EQ(Printed(kmaC_MaterialTable()), "");
  EXPECT_EQ(Printed(kmaC_MaterialTable(0, 3, {})), "");
  EXPECT_EQ(Printed(kmaC_MaterialTable(2, 0, {})), "");
}

TEST(DataTableWidths, FirstColumnOwnWidthOtherColumnsShareOne) {
  // Column 0: "100" is longest, width 4. Columns 1 and 2 share the width of
  // "1e-05", the longest of their values: 6.
  EXPECT_EQ(Printed(Table({{1.0, 0.25, 3.0}, {100.0, 2.0, 1e-5}})), R"(  1.,  0.25,    3.
100.,    2., 1e-05
)");
}

TEST(DataTableWidths, SixSignificantDigitsRightAligned) {
  // The width comes from the shortest exact text, the cell holds six digits.
  EXPECT_EQ(Printed(Table({{3.14159265, -2.718281828}})), "    3.14159,     -2.71828\n");
  EXPECT_EQ(Printed(Table({{210000.0, 0.3}, {2.1e11, 0.25}})), R"( 210000.,  0.3
 2.1e+11, 0.25
)");
  EXPECT_EQ(Printed(Table({{1234567.0, -0.0}})), "1.23457e+06,-0.\n");
}

TEST(DataTableWidths, UnsetValuesLeaveTheirCellEmpty) {
  EXPECT_EQ(Printed(Table({{1.0, mdl_UnsetDouble, 20.0}})), "1.,,20.\n");
  EXPECT_EQ(oif_DataTable::FormatValue(mdl_UnsetDouble, 8), "");
}

TEST(DataTableWidths, FormatValueKeepsTheFieldWidth) {
  EXPECT_EQ(oif_DataTable::FormatValue(5.0, 4), "  5.");
  EXPECT_EQ(oif_DataTable::FormatValue(0.5, 4), " 0.5");
  EXPECT_EQ(oif_DataTable::FormatValue(1e-20, 2), "1e-20");
  EXPECT_EQ(oif_DataTable::FormatValue(123456789.0, 3), "1.23457e+08");
}

TEST(DataTableColumns, EmptyColumnIsOneBlankAndNotPadded) {
  EXPECT_EQ(Printed(Table({{10.0, 20.0}, {30.0, 40.0}}), [](oif_DataTable& t) { t.InsertEmptyColumn(1); }),
            R"(10., ,20.
30., ,40.
)");
  EXPECT_EQ(Printed(Table({{10.0, 20.0}}), [](oif_DataTable& t) { t.InsertEmptyColumn(0); }), " ,10.,20.\n");
}

TEST(DataTableColumns, IndexOutsideTheTableInsertsNothing) {
  oif_DataTable table(Table({{10.0, 20.0}}));
  table.InsertEmptyColumn(2);  // equal to the column count: never appended
  table.InsertEmptyColumn(-1);
  table.InsertEmptyColumn(9);
  EXPECT_EQ(table.Columns(), 2);
  EXPECT_EQ(Printed(table), "10.,20.\n");
}

TEST(DataTableColumns, InsertedColumnsCountForTheLineBreaks) {
  // 8 values and one place-holder: the ninth cell goes to a line of its own.
  EXPECT_EQ(Printed(Sequence(8), [](oif_DataTable& t) { t.InsertEmptyColumn(7); }), R"(1.,2.,3.,4.,5.,6.,7., 
8.,
)");
}

TEST(DataTableColumns, ReplaceCellsThatReadBackAsTheNumber) {
  oif_DataTable table(Table({{1.0, 0.0, 2.0}, {3.0, 5.0, 0.0}}));
  table.ReplaceCells(1, 0.0, "*");
  table.ReplaceCells(3, 2.0, "never");   // outside the table
  table.ReplaceCells(-1, 1.0, "never");
  EXPECT_EQ(Printed(table), R"(1.,*,2.
3.,5.,0.
)");
}

TEST(DataTableRules, RuleTOnlyWithoutTemperatureAndWithFieldVariables) {
  const kmaC_MaterialTable elastic = Table({{210000.0, 0.3, 1.0, 2.0}});
  // Not temperature dependent, two field variables: place-holder before them.
  EXPECT_EQ(Printed(elastic, [](oif_DataTable& t) { t.ApplyRuleT(false, 2); }), "210000., 0.3, ,  1.,  2.\n");
  EXPECT_EQ(Printed(elastic, [](oif_DataTable& t) { t.ApplyRuleT(true, 1); }), "210000., 0.3,  1.,  2.\n");
  EXPECT_EQ(Printed(elastic, [](oif_DataTable& t) { t.ApplyRuleT(false, 0); }), "210000., 0.3,  1.,  2.\n");
  // The count of the option's own table when columns were added before.
  EXPECT_EQ(Printed(elastic, [](oif_DataTable& t) { t.InsertEmptyColumn(0); t.ApplyRuleT(4, false, 1); }),
            " ,210000., 0.3, ,  1.,  2.\n");
}

TEST(DataTableRules, RuleR) {
  const kmaC_MaterialTable table = Table({{30.0, 0.1, 7.0, 8.0}});
  const auto rule = [&](bool flag, bool temperature, int dependencies) {
    return Printed(table, [&](oif_DataTable& t) { t.ApplyRuleR(flag, temperature, dependencies); });
  };
  EXPECT_EQ(rule(false, true, 1), "30., 0.1, ,  7.,  8.\n");   // at columns - dependencies - 1
  EXPECT_EQ(rule(true, true, 1), "30., 0.1,  7.,  8.\n");
  EXPECT_EQ(rule(false, false, 1), "30., 0.1,  7., , ,  8.\n");  // two at columns - dependencies
  EXPECT_EQ(rule(true, false, 1), "30., 0.1,  7., ,  8.\n");
  EXPECT_EQ(rule(false, false, 0), "30., 0.1,  7.,  8.\n");
}

TEST(DataTableRules, RuleUAndRuleCI) {
  const kmaC_MaterialTable table = Table({{1.5, 0.2, 4.0}});
  const auto u = [&](bool flag, bool temperature, int dependencies) {
    return Printed(table, [&](oif_DataTable& t) { t.ApplyRuleU(flag, temperature, dependencies); });
  };
  EXPECT_EQ(u(false, false, 1), " 1.5, 0.2, , ,  4.\n");
  EXPECT_EQ(u(true, false, 1), " 1.5, 0.2, ,  4.\n");
  EXPECT_EQ(u(false, true, 0), " 1.5, 0.2, ,  4.\n");
  EXPECT_EQ(u(false, false, 0), " 1.5, 0.2,  4.\n");
  EXPECT_EQ(Printed(table, [](oif_DataTable& t) { t.ApplyRuleCI(false, 1); }), " 1.5, 0.2, , ,  4.\n");
  EXPECT_EQ(Printed(table, [](oif_DataTable& t) { t.ApplyRuleCI(true, 0); }), " 1.5, 0.2, ,  4.\n");
}

TEST(DataTableWidths, SameTextUnderACommaDecimalLocale) {
  const kmaC_MaterialTable table = Table({{0.25, 1.5e-7, 210000.0}, {-3.75, 2.5, 1e20}});
  const std::string inC = Printed(table);
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const char* found = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
    if (std::setlocale(LC_ALL, name) != nullptr) {
      found = name;
      break;
    }
  if (found == nullptr) GTEST_SKIP() << "no comma-decimal locale is installed";
  const std::string inLocale = Printed(table);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(inLocale, inC) << found;
}

}  // namespace
