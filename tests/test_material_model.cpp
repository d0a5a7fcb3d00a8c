// The materials of the model database: tables, options and their attribute
// checks, material slots and the enumeration tables.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "exceptions/nex_Exception.h"
#include "material_support.h"
#include "modeldb/kmaC_Material.h"

namespace {

using K = kmaC_OptionKind;
using A = kmaC_Attr;
using mtest::Table;

TEST(MaterialTable, ColumnMovesInsertsAndRemovals) {
  const kmaC_MaterialTable table = Table({{1, 2, 3, 4}, {5, 6, 7, 8}});
  EXPECT_EQ(table.MoveColumn(1, 3), Table({{1, 3, 4, 2}, {5, 7, 8, 6}}));
  EXPECT_EQ(table.MoveColumn(3, 1), Table({{1, 4, 2, 3}, {5, 8, 6, 7}}));
  EXPECT_EQ(table.MoveColumn(1, 3).MoveColumn(3, 1), table);
  EXPECT_EQ(table.InsertColumn(4, 0.5), Table({{1, 2, 3, 4, 0.5}, {5, 6, 7, 8, 0.5}}));
  EXPECT_EQ(table.RemoveColumn(0), Table({{2, 3, 4}, {6, 7, 8}}));
  EXPECT_EQ(table.RowTable(1), Table({{5, 6, 7, 8}}));
  EXPECT_EQ(table.ColumnAsRow(2), Table({{3, 7}}));
  EXPECT_THROW(table.RemoveColumn(4), nex_AssertException);
  EXPECT_THROW(kmaC_MaterialTable(2, 2, {1, 2, 3}), nex_AssertException);
}

TEST(MaterialTable, SortIsStableByTheLastColumnAndLeavesCopiesAlone) {
  kmaC_MaterialTable table = Table({{1, 5}, {2, 1}, {3, 5}, {4, -2}});
  const kmaC_MaterialTable copy = table;
  table.Sort();
  EXPECT_EQ(table, Table({{4, -2}, {2, 1}, {1, 5}, {3, 5}}));
  EXPECT_EQ(copy, Table({{1, 5}, {2, 1}, {3, 5}, {4, -2}}));
}

TEST(MaterialOption, DefaultsFromTheOptionTable) {
  const kmaC_MaterialOption dp(K::DruckerPrager);
  EXPECT_EQ(dp.Real(A::Eccentricity), 0.1);
  EXPECT_EQ(dp.Int(A::ShearCriterion), 0);
  EXPECT_FALSE(dp.Flag(A::TestData));
  EXPECT_FALSE(dp.IsGiven(A::Eccentricity));
  const kmaC_MaterialOption hyper(K::Hyperelastic);
  EXPECT_EQ(hyper.Int(A::Type), int(kmaC_Hyperelastic::POLYNOMIAL));
  EXPECT_EQ(hyper.Real(A::Beta), mdl_UnsetDouble);
  EXPECT_EQ(kmaC_MaterialOption(K::Sorption).TableAttr(A::Exsorption), nullptr);
}

TEST(MaterialOption, AttributesAndSubOptionsOutsideTheKindAreBrokenInvariants) {
  kmaC_MaterialOption density(K::Density);
  EXPECT_THROW(density.Real(A::Eccentricity), nex_AssertException);
  EXPECT_THROW(density.Set(A::Law, 1), nex_AssertException);
  EXPECT_THROW(density.SubOption(K::Potential), nex_AssertException);
  kmaC_MaterialOption creep(K::Creep);
  EXPECT_THROW(creep.Flag(A::Law), nex_AssertException);      // an enumeration, not a flag
  EXPECT_THROW(creep.Set(A::Law, 1.5), nex_AssertException);  // a number for an enumeration
  EXPECT_THROW(creep.SetSubOption(std::make_shared<kmaC_MaterialOption>(K::Ratios)), nex_AssertException);
  creep.SetSubOption(std::make_shared<kmaC_MaterialOption>(K::Potential));
  EXPECT_NE(creep.SubOption(K::Potential), nullptr);
  EXPECT_EQ(creep.SubOption(K::Ornl), nullptr);
}

TEST(MaterialOption, TableShapesOfTheKinds) {
  std::set<std::string> fileNames;
  for (const kmaC_OptionInfo& info : kmaC_OptionTable()) {
    EXPECT_TRUE(fileNames.insert(info.fileName).second) << info.fileName;
    EXPECT_TRUE(info.hasTable || !info.fieldDependent) << info.fileName;
    for (const kmaC_AttrInfo& attr : info.Attrs()) {
      const std::string name = kmaC_AttrName(attr.attr);
      EXPECT_TRUE(name != "table" && name != "temperatureDependency" && name != "dependencies") << name;
      EXPECT_EQ(attr.type == kmaC_AttrType::Enum, attr.enumeration != nullptr) << name;
    }
  }
}

TEST(Material, SlotsOfBehavioursAndGasketBehaviours) {
  EXPECT_EQ(kmaC_Material::SlotOf(K::AcousticMedium), 0);
  EXPECT_EQ(kmaC_Material::SlotOf(K::ConcreteDamagedPlasticity), 45);
  EXPECT_EQ(kmaC_Material::SlotOf(K::GasketMembraneElasticity), 48);
  EXPECT_EQ(kmaC_Material::SlotOf(K::Potential), -1);
  EXPECT_EQ(kmaC_Material::SlotOf(K::GasketContactArea), -1);

  kmaC_Material material("M");
  EXPECT_FALSE(material.HasGasketBehavior());
  EXPECT_FALSE(material.IsViscoelastic());
  material.SetOption(std::make_shared<kmaC_MaterialOption>(K::Viscoelastic));
  material.SetOption(std::make_shared<kmaC_MaterialOption>(K::GasketTransverseShearElasticity));
  EXPECT_TRUE(material.HasGasketBehavior());
  EXPECT_TRUE(material.IsViscoelastic());
  EXPECT_THROW(material.SetOption(std::make_shared<kmaC_MaterialOption>(K::Ratios)), nex_AssertException);
  EXPECT_THROW(material.Option(K::Ratios), nex_AssertException);
}

TEST(MaterialEnumerations, TextsAndValues) {
  EXPECT_STREQ(kmaC_Elastic::Type.GetString(kmaC_Elastic::COUPLED_TRACTION), "COUPLED TRACTION");
  EXPECT_EQ(kmaC_Elastic::Type.Find("LAMINA"), int(kmaC_Elastic::LAMINA));
  EXPECT_EQ(kmaC_Elastic::Type.Find("lamina"), -1);
  try {
    kmaC_Plastic::Hardening.GetString(5);
    FAIL() << "no exception";
  } catch (const nex_TextException& error) {
    EXPECT_EQ(error.Message(), "Unimplemented value 5 of kmaC_Plastic::HardeningEnm");
  }
  for (const omu_PrimEnumBase* enumeration : kmaC_AllEnumerations) {
    std::set<std::string> texts;
    for (int value = 0; value < enumeration->Size(); ++value)
      EXPECT_TRUE(texts.insert(enumeration->GetString(value)).second) << enumeration->Name();
  }
}

}  // namespace
