// Materials from model files to the deck: the material builder (order,
// regularization, gasket behaviour blocks) and the reading of materials and
// gasket sections with its refusals.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

/// The deck from the "MATERIALS" comment on ("" when there is none).
std::string MaterialsBlock(std::string_view members) {
  const std::string deck = test::Deck(test::Model(members));
  const std::size_t start = deck.find("** \n** MATERIALS\n** \n");
  return start == std::string::npos ? std::string() : deck.substr(start);
}

const kmaC_Material& LoadedMaterial(std::string_view members, const std::string& name) {
  static odb_Odb odb = test::Model("");
  odb = test::Model(members);
  return odb.ddb().model("Default Model").material().ConstGet(name);
}

TEST(MaterialBuilder, NoMaterialsNoComment) {
  EXPECT_EQ(test::Deck(test::Model("")).find("MATERIALS"), std::string::npos);
  EXPECT_EQ(MaterialsBlock(R"("materials": [])"), "");
}

TEST(MaterialBuilder, MaterialsInNameOrderBehavioursInSlotOrder) {
  EXPECT_EQ(MaterialsBlock(R"("materials": [
      {"name": "b", "elastic": {"table": [[200000, 0.3]]}, "density": {"table": [[7.8e-9]]}},
      {"name": "A"},
      {"name": "a two", "conductivity": {"temperatureDependency": true, "table": [[45, 20], [40, 200]]}}])"),
            R"(** 
** MATERIALS
** 
*Material, name=A
*Material, name="a two"
*Conductivity
45., 20.
40.,200.
*Material, name=b
*Density
 7.8e-09,
*Elastic
200000., 0.3
)");
}

TEST(MaterialBuilder, RegularizationParameters) {
  EXPECT_EQ(MaterialsBlock(R"("materials": [{"name": "M",
      "regularization": {"rtol": 0.03, "strainRateRegularization": "LOGARITHMIC"}}])"),
            "** \n** MATERIALS\n** \n*Material, name=M\n");
  EXPECT_EQ(MaterialsBlock(R"("materials": [{"name": "M", "regularization": {"rtol": 0.05}}])"),
            "** \n** MATERIALS\n** \n*Material, name=M, rtol=0.05\n");
  EXPECT_EQ(MaterialsBlock(R"("materials": [{"name": "M", "regularization": {"strainRateRegularization": "LINEAR"}}])"),
            "** \n** MATERIALS\n** \n*Material, name=M, strain rate regularization=LINEAR\n");
}

TEST(MaterialBuilder, ViscoelasticMaterialGivesTheModuli) {
  EXPECT_EQ(MaterialsBlock(R"("materials": [{"name": "M", "elastic": {"moduli": "LONG TERM", "table": [[10, 0.45]]},
      "viscoelastic": {"table": [[0.5, 0, 1]]}}])"),
            R"(** 
** MATERIALS
** 
*Material, name=M
*Elastic, moduli=LONG TERM
10., 0.45
*Viscoelastic, time=PRONY
 0.5,0.,1.
)");
}

constexpr const char* kGasketMaterial = R"({"name": "Seal",
    "density": {"table": [[1e-9]]},
    "creep": {"table": [[1e-10, 2, 0]]},
    "gasketThicknessBehavior": {"table": [[0, 0], [1, 0.1]]},
    "gasketTransverseShearElasticity": {"table": [[20]]},
    "gasketMembraneElasticity": {"table": [[100, 0.3]]}})";

TEST(MaterialBuilder, GasketBehaviorWhenAGasketSectionNamesTheMaterial) {
  const std::string members = std::string(R"("materials": [)") + kGasketMaterial + R"(],
      "sections": [{"name": "G1", "kind": "gasket", "material": "Seal"},
                   {"name": "G2", "kind": "gasket", "material": "Seal"}])";
  EXPECT_EQ(MaterialsBlock(members), R"(** 
** MATERIALS
** 
*Gasket behavior, name=Seal
*Creep
 1e-10,2.,0.
*Gasket elasticity, component=MEMBRANE
100., 0.3
*Gasket Thickness Behavior
0.,  0.
1., 0.1
*Gasket elasticity
20.,
)");
}

TEST(MaterialBuilder, GasketMaterialThatNoSectionNamesIsAMaterial) {
  const std::string expected = R"(** 
** MATERIALS
** 
*Material, name=Seal
*Creep
 1e-10,2.,0.
*Density
 1e-09,
)";
  EXPECT_EQ(MaterialsBlock(std::string(R"("materials": [)") + kGasketMaterial + "]"), expected);
  // Names compare exactly: letter case matters.
  EXPECT_EQ(MaterialsBlock(std::string(R"("materials": [)") + kGasketMaterial + R"(, {"name": "seal"}],
      "sections": [{"name": "G", "kind": "gasket", "material": "seal"}])"),
            expected + "*Material, name=seal\n");
}

TEST(MaterialBuilder, BundledExampleWritesItsMaterials) {
  const odb_Odb odb = mfl_ModelFile::Open(std::string(OIF_SOURCE_DIR) + "/examples/bracket.json");
  const std::string deck = test::Deck(odb);
  const std::size_t start = deck.find("** \n** MATERIALS\n** \n");
  ASSERT_NE(start, std::string::npos);
  // The stored model-level text follows the materials.
  const std::string block = deck.substr(start, deck.find("*Physical Constants", start) - start);
  EXPECT_EQ(block, R"(** 
** MATERIALS
** 
*Material, name="Aluminium 6061-T6", rtol=0.05
*Conductivity
167., 20.
180.,200.
*Density
 2.7e-09,
*Elastic, dependencies=1
68900., 0.33,  20.,   0.
64000., 0.33, 150.,   0.
66000., 0.33,  20.,   1.
60500., 0.33, 150.,   1.
*Specific Heat
 8.96e+08, 20.
  9.9e+08,200.
*Gasket behavior, name="Gasket seal"
*Creep, law=TIME
 1e-12,  1.2, -0.6
*Gasket elasticity, component=MEMBRANE
200., 0.4
*Gasket Thickness Behavior, type=DAMAGE
  0.,   0.
 20., 0.05
 60.,  0.1
120., 0.15
*Gasket Thickness Behavior, direction=UNLOADING, type=DAMAGE
  0., 0.12
 60., 0.14
120., 0.15
*Gasket elasticity
50.,
*Material, name=Rubber
*Density
 1.1e-09,
*Hyperelastic, mooney-rivlin, moduli=LONG TERM
 0.55,  0.14, 0.002
*Viscoelastic, time=PRONY
 0.3,  0., 0.1
 0.2,  0.,  1.
*Material, name="Steel S355"
*Density
 7.85e-09,
*Elastic
210000., 0.3
*Expansion, zero=20.
 1.2e-05,
*Plastic
355.,   0.
420., 0.02
480., 0.08
510.,  0.2
*Rate Dependent, type=YIELD RATIO
   1.,  0.
 1.15, 10.
  1.3,100.
)");
}

TEST(MaterialFile, EveryBehaviourAndSubOptionLoadsByItsName) {
  for (const kmaC_OptionInfo& info : kmaC_OptionTable()) {
    if (kmaC_Material::SlotOf(info.kind) < 0) continue;
    const std::string required = info.kind == kmaC_OptionKind::Permeability ? R"("specific": 9.81)" : "";
    std::string behaviour = std::string("\"") + info.fileName + "\": {" + required;
    for (kmaC_OptionKind sub : info.SubOptions())
      behaviour += std::string(behaviour.back() == '{' ? "" : ", ") + "\"" + kmaC_Info(sub).fileName + "\": {}";
    behaviour += "}";
    SCOPED_TRACE(behaviour);
    const kmaC_Material& material =
        LoadedMaterial(std::string(R"("materials": [{"name": "M", )") + behaviour + "}]", "M");
    const kmaC_MaterialOption* option = material.Option(info.kind);
    ASSERT_NE(option, nullptr);
    for (kmaC_OptionKind sub : info.SubOptions()) EXPECT_NE(option->SubOption(sub), nullptr);
  }
}

TEST(MaterialFile, ParametersTablesAndEnumerations) {
  const kmaC_Material& material = LoadedMaterial(R"("materials": [{"name": "M",
      "elastic": {"type": 3, "noTension": true, "temperatureDependency": true, "dependencies": 1,
                  "table": [[1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 1], [1, 2, 3, 4, 5, 6, 7, 8, 9, 30, null]]},
      "plastic": {"hardening": "COMBINED", "strainRange": 0.5, "rateDependent": {"type": "YIELD RATIO"}},
      "userMaterial": {"type": "BOTH", "mechanicalConstants": [1, 2.5]},
      "sorption": {"exsorption": {"table": [[1, 2]]}}}])",
                                                 "M");
  const kmaC_MaterialOption& elastic = *material.Option(kmaC_OptionKind::Elastic);
  EXPECT_EQ(elastic.Int(kmaC_Attr::Type), int(kmaC_Elastic::ENGINEERING_CONSTANTS));
  EXPECT_TRUE(elastic.Flag(kmaC_Attr::NoTension));
  EXPECT_TRUE(elastic.TemperatureDependency());
  EXPECT_EQ(elastic.Dependencies(), 1);
  EXPECT_EQ(elastic.Table(), kmaC_MaterialTable(2, 11, {1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 1,  //
                                                       1, 2, 3, 4, 5, 6, 7, 8, 9, 30, mdl_UnsetDouble}));
  const kmaC_MaterialOption& plastic = *material.Option(kmaC_OptionKind::Plastic);
  EXPECT_EQ(plastic.Int(kmaC_Attr::Hardening), int(kmaC_Plastic::COMBINED));
  EXPECT_EQ(plastic.Real(kmaC_Attr::StrainRange), 0.5);
  EXPECT_EQ(plastic.SubOption(kmaC_OptionKind::RateDependent)->Int(kmaC_Attr::Type), 1);
  EXPECT_EQ(material.Option(kmaC_OptionKind::UserMaterial)->Reals(kmaC_Attr::MechanicalConstants),
            (std::vector<double>{1, 2.5}));
  EXPECT_EQ(material.Option(kmaC_OptionKind::Sorption)->TableAttr(kmaC_Attr::Exsorption)->table.Columns(), 2);
}

TEST(MaterialFile, RefusesWithFilePointerProblemAndId) {
  test::ExpectRefusals({
      {R"("materials": [{"name": "M", "elastik": {}}])", "model.unknown-member", "/materials/0/elastik",
       "unknown member 'elastik' of a material; expected one of: name, regularization, acousticMedium"},
      {R"("materials": [{"name": "M", "elastic": {"tpye": "ISOTROPIC"}}])", "model.unknown-member",
       "/materials/0/elastic/tpye", "expected one of: table, temperatureDependency, dependencies, type, moduli"},
      {R"("materials": [{"name": "M", "plastic": {"rateDependent": {"law": 1}}}])", "model.unknown-member",
       "/materials/0/plastic/rateDependent/law", "unknown member 'law' of rateDependent"},
      {R"("materials": [{"name": "M", "gel": {"dependencies": 1}}])", "model.unknown-member",
       "/materials/0/gel/dependencies", "expected one of: table, temperatureDependency"},
      {R"("materials": [{"name": "M", "density": {"table": [[1, 2], [3]]}}])", "model.table",
       "/materials/0/density/table/1", "this row has 1 value, the rows before it have 2"},
      {R"("materials": [{"name": "M", "density": {"table": [[1], []]}}])", "model.table",
       "/materials/0/density/table/1", "a row of a table holds at least one value"},
      {R"("materials": [{"name": "M", "density": {"temperatureDependency": true, "dependencies": 1,
          "table": [[1, 2]]}}])",
       "model.table", "/materials/0/density/table",
       "the table has 2 columns, but a temperature column and 1 column of field variables leave no column"},
      {R"("materials": [{"name": "M", "density": {"dependencies": 2, "table": [[1, 2]]}}])", "model.table",
       "/materials/0/density/table", "2 columns of field variables leave no column"},
      {R"("materials": [{"name": "M", "density": {"table": [1, 2]}}])", "model.type", "/materials/0/density/table",
       "array of rows"},
      {R"("materials": [{"name": "M", "density": {"dependencies": -1}}])", "model.range",
       "/materials/0/density/dependencies", "cannot be negative"},
      {R"("materials": [{"name": "M", "plastic": {"rateData": true, "table": [[1, 2]]}}])", "model.table",
       "/materials/0/plastic/table", "with rate data the table carries the rate in column 3"},
      {R"("materials": [{"name": "M", "elastic": {"type": "ISOTROPIK"}}])", "model.enum", "/materials/0/elastic/type",
       R"(unknown value "ISOTROPIK"; expected one of: "ISOTROPIC", "ORTHOTROPIC")"},
      {R"("materials": [{"name": "M", "elastic": {"type": 8}}])", "model.enum", "/materials/0/elastic/type",
       "no value 8; expected 0 to 7"},
      {R"("materials": [{"name": "M", "elastic": {"noTension": 1}}])", "model.type",
       "/materials/0/elastic/noTension", "expected a boolean"},
      {R"("materials": [{"name": "M", "hyperelastic": {"order": 0}}])", "model.range",
       "/materials/0/hyperelastic/order", "order must be at least 1"},
      {R"("materials": [{"name": "M", "permeability": {"table": [[1, 2]]}}])", "model.missing-member",
       "/materials/0/permeability", "missing member 'specific'"},
      {R"("materials": [{"name": "M", "regularization": {"rtol": 0}}])", "model.range",
       "/materials/0/regularization/rtol", "rtol must be greater than 0"},
      {R"("materials": [{"name": "M"}, {"name": "M"}])", "model.duplicate-name", "/materials/1/name",
       "there is already a material named \"M\""},
      {R"("materials": [{"name": "M"}], "sections": [{"name": "S", "kind": "shel"}])", "model.enum",
       "/sections/0/kind",
       "unknown section kind \"shel\"; expected one of: \"beam\", \"compositeShell\", \"compositeSolid\""},
      {R"("materials": [{"name": "M"}], "sections": [{"name": "S", "kind": "gasket", "material": "N"}])",
       "model.unknown-reference", "/sections/0/material", "no material named \"N\""},
      {R"("sections": [{"name": "S", "kind": "gasket", "material": "M", "width": 1}])", "model.unknown-member",
       "/sections/0/width", "expected one of: name, kind, material, thickness"},
  });
}

}  // namespace
