// Behaviour tables must give every value their keyword reads per row.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

std::string Material(const std::string& behaviour) {
  return R"("materials": [{"name": "M", )" + behaviour + "}]";
}

TEST(TableValues, RowsShorterThanTheKeywordReadsAreRefused) {
  test::ExpectRefusals({
      {Material(R"("elastic": {"table": [[210000]]})"), "model.table", "/materials/0/elastic/table",
       "each row of ISOTROPIC elasticity: Young's modulus and Poisson's ratio holds 2 values; this table has 1 "
       "besides the temperature and field variables"},
      // The temperature column does not count as a value.
      {Material(R"("elastic": {"temperatureDependency": true, "table": [[210000, 20]]})"), "model.table",
       "/materials/0/elastic/table", "holds 2 values; this table has 1"},
      {Material(R"("elastic": {"type": "ENGINEERING CONSTANTS", "table": [[1, 2, 3, 0.3, 0.3, 0.3, 4, 5]]})"),
       "model.table", "/materials/0/elastic/table",
       "ENGINEERING CONSTANTS: E1, E2, E3, nu12, nu13, nu23, G12, G13, G23 holds 9 values; this table has 8"},
      {Material(R"("expansion": {"type": "ORTHO", "table": [[1e-5, 2e-5]]})"), "model.table",
       "/materials/0/expansion/table", "ORTHO expansion: alpha11, alpha22, alpha33 holds 3 values"},
      {Material(R"("conductivity": {"type": "ANISO", "table": [[1, 2, 3]]})"), "model.table",
       "/materials/0/conductivity/table", "holds 6 values; this table has 3"},
      {Material(R"("plastic": {"hardening": "JOHNSON COOK", "table": [[300, 400, 0.3]]})"), "model.table",
       "/materials/0/plastic/table", "JOHNSON COOK hardening"},
  });
}

TEST(TableValues, FullRowsAndFreeTablesLoad) {
  EXPECT_EQ(test::Refuse(Material(R"("elastic": {"table": [[210000, 0.3]]})")).id, "");
  EXPECT_EQ(test::Refuse(Material(R"("expansion": {"table": [[1.2e-5]]})")).id, "");
  EXPECT_EQ(test::Refuse(Material(R"("plastic": {"table": [[355, 0], [420, 0.02]]})")).id, "");
  EXPECT_EQ(test::Refuse(Material(R"("density": {"table": [[7.85e-9]]})")).id, "");
}

}  // namespace
