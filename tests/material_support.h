#pragma once
// Helpers of the material tests: tables and options in a line, and what an
// option keyword prints.
#include <initializer_list>
#include <string>

#include "modeldb/kmaC_MaterialOption.h"
#include "oif/impl/oif_MaterialOptions.h"
#include "deck_support.h"

namespace mtest {

inline kmaC_MaterialTable Table(std::initializer_list<std::initializer_list<double>> rows) {
  std::vector<double> values;
  int columns = 0;
  for (const auto& row : rows) {
    columns = int(row.size());
    values.insert(values.end(), row.begin(), row.end());
  }
  return kmaC_MaterialTable(int(rows.size()), columns, values);
}

inline kmaC_MaterialOption Option(kmaC_OptionKind kind, const kmaC_MaterialTable& table = {},
                                  bool temperatureDependency = false, int dependencies = 0) {
  kmaC_MaterialOption option(kind);
  option.SetTable(table, temperatureDependency, dependencies);
  return option;
}

using test::Written;

/// What the option's keyword prints (built as the material keyword builds it).
inline std::string Write(const kmaC_MaterialOption& option, bool viscoelastic = false) {
  return Written([&](utl_Stream& stream) { oif_WriteOption(stream, option, viscoelastic); });
}

inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

}  // namespace mtest
