// The connector keywords: the connection line, the orientation and extra
// lines of "*Connector Section", the behaviour keyword and every option kind.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "mesh_test_support.h"
#include "oif/impl/oif_ConnectorBehavior.h"
#include "oif/impl/oif_ConnectorElasticity.h"
#include "oif/impl/oif_ConnectorFriction.h"
#include "oif/impl/oif_ConnectorOptions.h"
#include "oif/impl/oif_ConnectorPlasticity.h"
#include "oif/impl/oif_DerivedComponent.h"
#include "oif/impl/oif_NewConnectorSection.h"

namespace {

using Table = std::vector<std::vector<double>>;

kmaC_TableData Data(const Table& rows, bool temperature = false, int dependencies = 0) {
  std::vector<double> values;
  for (const auto& row : rows) values.insert(values.end(), row.begin(), row.end());
  kmaC_TableData data;
  data.table = kmaC_MaterialTable(int(rows.size()), rows.empty() ? 0 : int(rows[0].size()), values);
  data.temperatureDependency = temperature;
  data.dependencies = dependencies;
  return data;
}

std::shared_ptr<kseC_ConnectorSection> Section(int first, int second, int third) {
  auto section = std::make_shared<kseC_ConnectorSection>("S");
  section->typeNumbers = {first, second, third};
  return section;
}

// ---------------------------------------------------------------------------
// The connection line

TEST(ConnectionLine, AssembledTypesTakeTheSolversSpellingAndATrailingComma) {
  EXPECT_EQ(oif_ConnectionLine(*Section(5, 0, 0)), "Hinge,");
  EXPECT_EQ(oif_ConnectionLine(*Section(3, 0, 0)), "CVJoint,");
  EXPECT_EQ(oif_ConnectionLine(*Section(10, 0, 0)), "UJoint,");
  EXPECT_EQ(oif_ConnectionLine(*Section(8, 0, 0)), "Slipring,");
  EXPECT_EQ(oif_ConnectionLine(*Section(7, 0, 0)), "Retractor,");
}

TEST(ConnectionLine, BasicPairsAreSeparatedBySingleTypesEndInAComma) {
  EXPECT_EQ(oif_ConnectionLine(*Section(0, 2, 3)), "Cartesian, Cardan");
  EXPECT_EQ(oif_ConnectionLine(*Section(0, 7, 6)), "Projection Cartesian, Projection Flexion-Torsion");
  EXPECT_EQ(oif_ConnectionLine(*Section(0, 7, 0)), "Projection Flexion-Torsion,");
  // Without a rotational part the line ends with ",".
  EXPECT_EQ(oif_ConnectionLine(*Section(0, 0, 2)), "Axial,");
  EXPECT_EQ(oif_ConnectionLine(*Section(0, 1, 0)), "Align,");
}

// ---------------------------------------------------------------------------
// "*Connector Section"

class ConnectorSectionTest : public ::testing::Test {
 protected:
  test::Loaded model{R"("datums": [
      {"name": "D1", "kind": "rectangular"},
      {"name": "Pivot axis", "kind": "cylindrical"}])"};

  std::string Print(std::shared_ptr<kseC_ConnectorSection> section, const ptoC_ConnectorOrientation& orientation,
                    int index = 3) {
    return test::Print(oif_NewConnectorSection("Hinge spring", "Wires", std::move(section), orientation, index,
                                               model.info));
  }
  static ptoC_ConnectorOrientation Orientation(int datum1, double angle1, int datum2, double angle2,
                                               bool same = false) {
    ptoC_ConnectorOrientation o;
    o.datum1 = datum1;
    o.angle1 = angle1;
    o.datum2 = datum2;
    o.angle2 = angle2;
    o.secondEqualsFirst = same;
    return o;
  }
};

TEST_F(ConnectorSectionTest, ASectionWithoutBehaviourNamesNone) {
  EXPECT_EQ(Print(Section(0, 0, 2), {}), "*Connector Section, elset=Wires\nAxial,\n");
  auto section = Section(5, 0, 0);
  section->behaviorName = "Hinge spring";
  section->behavior = std::make_shared<kbeC_ConnectorBehavior>();
  EXPECT_EQ(Print(section, {}), "*Connector Section, elset=Wires, behavior=\"Hinge spring\"\nHinge,\n");
}

TEST_F(ConnectorSectionTest, OrientationLineForms) {
  // First only, and a second equal to the first: the name and ",".
  EXPECT_EQ(Print(Section(5, 0, 0), Orientation(1, 0.0, 0, 0.0)), "*Connector Section, elset=Wires\nHinge,\nD1,\n");
  EXPECT_EQ(Print(Section(5, 0, 0), Orientation(1, 0.0, 2, 0.0, true)),
            "*Connector Section, elset=Wires\nHinge,\nD1,\n");
  // Two: the second after ", "; an additional rotation names the orientation
  // after its datum, the index and the place.
  EXPECT_EQ(Print(Section(5, 0, 0), Orientation(1, 30.0, 2, 0.0)),
            "*Connector Section, elset=Wires\nHinge,\nD1_ConnOri-3-1_, \"Pivot axis\"\n");
  // Only a second: the line begins with ", ".
  EXPECT_EQ(Print(Section(5, 0, 0), Orientation(0, 0.0, 2, 15.0)),
            "*Connector Section, elset=Wires\nHinge,\n, \"Pivot axis_ConnOri-3-2_\"\n");
}

TEST_F(ConnectorSectionTest, ExtraLinesOfSlipRingsAndFlowConverters) {
  auto slipRing = Section(8, 0, 0);
  slipRing->extra[0] = 0.5;
  // No orientation line: an empty line keeps its place.
  EXPECT_EQ(Print(slipRing, {}), "*Connector Section, elset=Wires\nSlipring,\n\n0.5, \n");
  slipRing->extra[1] = 0.25;
  EXPECT_EQ(Print(slipRing, Orientation(1, 0.0, 0, 0.0)),
            "*Connector Section, elset=Wires\nSlipring,\nD1,\n0.5, 0.25\n");

  auto retractor = Section(7, 0, 0);
  EXPECT_EQ(Print(retractor, {}), "*Connector Section, elset=Wires\nRetractor,\n");  // factor 1.0
  retractor->extra[2] = 2.0;
  EXPECT_EQ(Print(retractor, {}), "*Connector Section, elset=Wires\nRetractor,\n\n2.\n");
  auto flow = Section(0, 6, 3);
  flow->extra[2] = 0.5;
  EXPECT_EQ(Print(flow, Orientation(1, 0.0, 0, 0.0)),
            "*Connector Section, elset=Wires\nCartesian, Flow-Converter\nD1,\n0.5\n");
}

// ---------------------------------------------------------------------------
// "*Connector Behavior" and "*Connector Constitutive Reference"

TEST(ConnectorBehaviorKeyword, SettingsThatDifferFromTheDefaults) {
  kbeC_ConnectorBehavior behavior;
  EXPECT_EQ(test::Print(oif_ConnectorBehavior("Hinge spring", behavior)),
            "*Connector Behavior, name=\"Hinge spring\"\n");
  behavior.integrationExplicit = true;
  behavior.rtol = 0.05;
  behavior.extrapolationLinear = true;
  EXPECT_EQ(test::Print(oif_ConnectorBehavior("B", behavior)),
            "*Connector Behavior, name=B, integration=EXPLICIT, rtol=0.05, extrapolation=LINEAR\n");
  behavior.defaultTolerance = true;  // the second flag keeps the tolerance out
  EXPECT_EQ(test::Print(oif_ConnectorBehavior("B", behavior)),
            "*Connector Behavior, name=B, integration=EXPLICIT, extrapolation=LINEAR\n");
  behavior.regularize = false;
  EXPECT_EQ(test::Print(oif_ConnectorBehavior("B", behavior)),
            "*Connector Behavior, name=B, integration=EXPLICIT, regularize=OFF, extrapolation=LINEAR\n");
}

TEST(ConnectorBehaviorKeyword, ConstitutiveReferenceLeavesValuesNotGivenEmpty) {
  std::array<double, 6> values;
  values.fill(kbeC_UnsetReference);
  EXPECT_FALSE(oif_ConnectorConstitutiveReference::IsWritten(values));
  values[3] = 0.1;
  EXPECT_TRUE(oif_ConnectorConstitutiveReference::IsWritten(values));
  EXPECT_EQ(test::Print(oif_ConnectorConstitutiveReference(values)),
            "*Connector Constitutive Reference\n, , , 0.1, , \n");
  values = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
  EXPECT_EQ(test::Print(oif_ConnectorConstitutiveReference(values)),
            "*Connector Constitutive Reference\n1., 2., 3., 4., 5., 6.\n");
}

// ---------------------------------------------------------------------------
// Elasticity and damping

std::shared_ptr<kbeC_ConnectorElasticity> Elasticity(int form, bool coupled, std::vector<int> components,
                                                     kmaC_TableData data = {}) {
  auto option = std::make_shared<kbeC_ConnectorElasticity>();
  option->form = form;
  option->coupled = coupled;
  option->components = std::move(components);
  option->data = std::move(data);
  return option;
}

std::string PrintOption(const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option, bool explicitStep = false) {
  return test::Print(*oif_MakeConnectorOptionKeyword(option, explicitStep));
}

TEST(ConnectorElasticity, RigidListsItsComponents) {
  EXPECT_EQ(PrintOption(Elasticity(kbeC_ConnectorElasticity::Rigid, false, {1, 2, 3})),
            "*Connector Elasticity, rigid\n1, 2, 3\n");
  EXPECT_EQ(PrintOption(Elasticity(kbeC_ConnectorElasticity::Rigid, false, {})), "*Connector Elasticity, rigid\n\n");
}

TEST(ConnectorElasticity, LinearUncoupledLeavesOutTheOtherComponentsColumns) {
  EXPECT_EQ(PrintOption(Elasticity(kbeC_ConnectorElasticity::Linear, false, {1, 3}, Data({{100, 300}}))),
            "*Connector Elasticity, component=1\n100.,\n*Connector Elasticity, component=3\n300.,\n");
}

TEST(ConnectorElasticity, LinearUncoupledPlaceHoldersBeforeTemperatureAndFields) {
  // Field variables without temperature: one place-holder for the optional
  // column and one for the temperature.
  EXPECT_EQ(PrintOption(Elasticity(kbeC_ConnectorElasticity::Linear, false, {2}, Data({{100, 200}}, false, 1))),
            "*Connector Elasticity, component=2, dependencies=1\n100., , ,200.\n");
  // With temperature: the optional column's place-holder before it.
  EXPECT_EQ(PrintOption(Elasticity(kbeC_ConnectorElasticity::Linear, false, {2}, Data({{100, 200, 300}}, true, 1))),
            "*Connector Elasticity, component=2, dependencies=1\n100., ,200.,300.\n");
  // The table carries the optional column: only the temperature's place-holder.
  auto option = Elasticity(kbeC_ConnectorElasticity::Linear, false, {2}, Data({{100, 500, 200}}, false, 1));
  option->optionalColumn = true;
  EXPECT_EQ(PrintOption(option), "*Connector Elasticity, component=2, dependencies=1\n100.,500., ,200.\n");
}

TEST(ConnectorElasticity, CoupledTableLeavesUnlistedTermsEmpty) {
  // Components 1 and 3: terms (1,1), (3,1), (3,3) of the 21; the terms after
  // the last listed one are not written, two empty lines stand for them.
  EXPECT_EQ(PrintOption(Elasticity(kbeC_ConnectorElasticity::Linear, true, {1, 3}, Data({{100, 200, 300}}))),
            "*Connector Elasticity\n100., , ,200., ,300.\n\n\n");
  // Components 1 and 5: terms 1, 11 and 15; one empty line.
  EXPECT_EQ(PrintOption(Elasticity(kbeC_ConnectorElasticity::Linear, true, {1, 5}, Data({{100, 200, 300}}))),
            "*Connector Elasticity\n100., , , , , , , \n , ,200., , , ,300.\n\n");
  // Every component: the 21 terms on three lines, no empty line.
  std::vector<double> terms;
  for (int i = 0; i < 21; ++i) terms.push_back(100 + i);
  EXPECT_EQ(PrintOption(Elasticity(kbeC_ConnectorElasticity::Linear, true, {1, 2, 3, 4, 5, 6}, Data({terms}))),
            "*Connector Elasticity\n"
            "100.,101.,102.,103.,104.,105.,106.,107.\n"
            "108.,109.,110.,111.,112.,113.,114.,115.\n"
            "116.,117.,118.,119.,120.\n");
}

TEST(ConnectorElasticity, CoupledTableWithTemperatureCarriesEveryTerm) {
  // The temperature column follows the 21 term columns; no empty lines.
  EXPECT_EQ(PrintOption(Elasticity(kbeC_ConnectorElasticity::Linear, true, {1, 3}, Data({{100, 200, 300, 400}}, true))),
            "*Connector Elasticity\n"
            "100., , ,200., ,300., , \n"
            " , , , , , , , \n"
            " , , , , ,400.\n");
}

TEST(ConnectorElasticity, NonlinearGivesEveryListedComponentTheCurve) {
  auto option = Elasticity(kbeC_ConnectorElasticity::Nonlinear, true, {1}, Data({{100, 200}}));
  option->independentKind = kbeC_Position;
  option->independentComponents = {1, 2};
  EXPECT_EQ(PrintOption(option),
            "*Connector Elasticity, nonlinear, component=1, independent components=POSITION\n1, 2\n100.,200.\n");
  option->independentKind = kbeC_ConstitutiveMotion;
  option->data = Data({{100, 200, 300}}, false, 1);
  EXPECT_EQ(PrintOption(option),
            "*Connector Elasticity, nonlinear, component=1, dependencies=1, independent components=CONSTITUTIVE "
            "MOTION\n1, 2\n100.,200., ,300.\n");

  auto damping = std::make_shared<kbeC_ConnectorDamping>();
  damping->form = kbeC_ConnectorElasticity::Nonlinear;
  damping->components = {1, 2};
  damping->data = Data({{100, 200}});
  EXPECT_EQ(PrintOption(damping), "*Connector Damping, nonlinear, component=1\n100.,200.\n"
                                  "*Connector Damping, nonlinear, component=2\n100.,200.\n");
}

TEST(ConnectorOptions, OwnRegularization) {
  auto damping = std::make_shared<kbeC_ConnectorDamping>();
  damping->components = {1};
  damping->data = Data({{100}});
  damping->regularization.useBehavior = false;
  EXPECT_EQ(PrintOption(damping), "*Connector Damping, component=1, regularize=ON, rtol=0.03\n100.,\n");
  damping->regularization.regularize = false;
  damping->regularization.extrapolation = kbeC_Regularization::Constant;
  EXPECT_EQ(PrintOption(damping),
            "*Connector Damping, component=1, regularize=OFF, extrapolation=CONSTANT\n100.,\n");
  damping->regularization.useBehavior = true;
  damping->regularization.extrapolation = kbeC_Regularization::Linear;
  EXPECT_EQ(PrintOption(damping), "*Connector Damping, component=1, extrapolation=LINEAR\n100.,\n");
}

// ---------------------------------------------------------------------------
// Stops, locks and failures

TEST(ConnectorLimits, StopsWriteEachLimitOrAnEmptyField) {
  auto stop = std::make_shared<kbeC_ConnectorStop>();
  stop->components = {1, 2};
  stop->upper = 0.05;  // only an upper limit: the line begins with ", "
  EXPECT_EQ(PrintOption(stop), "*Connector Stop, component=1\n, 0.05\n*Connector Stop, component=2\n, 0.05\n");
  stop->components = {1};
  stop->upper = mdl_UnsetDouble;
  stop->lower = -0.1;
  EXPECT_EQ(PrintOption(stop), "*Connector Stop, component=1\n-0.1, \n");
  stop->lower = mdl_UnsetDouble;  // no limit: no data line
  EXPECT_EQ(PrintOption(stop), "*Connector Stop, component=1\n");
}

TEST(ConnectorLimits, LocksAndFailuresWriteFourValues) {
  auto lock = std::make_shared<kbeC_ConnectorLock>();
  lock->components = {3};
  lock->affects = "ALL";
  lock->values[1] = 0.04;
  EXPECT_EQ(PrintOption(lock), "*Connector Lock, component=3, lock=ALL\n, 0.04, , \n");
  lock->values[1] = mdl_UnsetDouble;
  lock->affects.clear();
  EXPECT_EQ(PrintOption(lock), "*Connector Lock, component=3\n");

  auto failure = std::make_shared<kbeC_ConnectorFailure>();
  failure->components = {2};
  failure->affects = "2";
  failure->values = {-1.0, 1.0, mdl_UnsetDouble, mdl_UnsetDouble};
  EXPECT_EQ(PrintOption(failure), "*Connector Failure, component=2, release=2\n-1., 1., , \n");
}

// ---------------------------------------------------------------------------
// Friction

std::shared_ptr<kbeC_ConnectorFriction> Friction() {
  auto friction = std::make_shared<kbeC_ConnectorFriction>();
  friction->component = 4;
  friction->contactForce = "Radial";
  friction->data = Data({{100}});
  friction->coefficients = Data({{0.5}});
  return friction;
}

TEST(ConnectorFriction, UserDefinedWithItsFrictionLaw) {
  EXPECT_EQ(PrintOption(Friction()),
            "*Connector Friction, component=4, contact force=Radial\n100.,\n*Friction\n 0.5,\n");
  auto friction = Friction();
  friction->component = 0;
  friction->contactForce = "2";
  friction->independentKind = kbeC_Position;
  friction->independentComponents = {1};
  friction->stickStiffness = 1000.0;
  friction->slip = 0.005;
  friction->taumax = 100.0;
  friction->coefficients = Data({{0.5, 200}}, false, 1);
  // The coefficient, three unused columns, the temperature's place-holder, the field.
  EXPECT_EQ(PrintOption(friction),
            "*Connector Friction, contact force=2, independent components=POSITION, stick stiffness=1000.\n"
            "1\n100.,\n*Friction, slip tolerance=0.005, dependencies=1, taumax=100.\n 0.5, , , , ,200.\n");
}

TEST(ConnectorFriction, SlipParametersAreLeftOutWithAnExplicitStep) {
  auto friction = Friction();
  friction->slipKind = kbeC_ConnectorFriction::ElasticSlip;
  friction->slip = 0.001;
  EXPECT_EQ(PrintOption(friction), "*Connector Friction, component=4, contact force=Radial\n100.,\n"
                                   "*Friction, elastic slip=0.001\n 0.5,\n");
  EXPECT_EQ(PrintOption(friction, true), "*Connector Friction, component=4, contact force=Radial\n100.,\n"
                                         "*Friction\n 0.5,\n");
}

TEST(ConnectorFriction, PredefinedExponentialDecayAndPotential) {
  auto friction = std::make_shared<kbeC_ConnectorFriction>();
  friction->predefined = true;
  friction->data = Data({{100, 200}});
  friction->law = kbeC_ConnectorFriction::ExponentialDecay;
  friction->decay = {{0.3, 0.2, 0.5}};
  EXPECT_EQ(PrintOption(friction),
            "*Connector Friction, predefined\n100.,200.\n*Friction, exponential decay\n0.3, 0.2, 0.5\n");
  friction->testData = true;
  friction->decay = {{0.3}, {0.2, 10.0}};
  friction->potential.operatorKind = kbeC_Potential::Max;
  friction->potential.terms = {{0, "Radial", mdl_UnsetDouble, kbeC_PotentialTerm::Abs, 1.0},
                               {3, "", 2.0, kbeC_PotentialTerm::Macauley, -1.0}};
  EXPECT_EQ(PrintOption(friction), "*Connector Friction, predefined\n100.,200.\n"
                                   "*Friction, exponential decay, test data\n0.3\n0.2, 10.\n"
                                   "*Connector Potential, operator=MAX\nRadial, , ABS, 1.0\n3, 2., MACAULEY, -1.0\n");
}

// ---------------------------------------------------------------------------
// Plasticity, damage and derived components

TEST(ConnectorPlasticity, HardeningKeywordsAndPotential) {
  auto plasticity = std::make_shared<kbeC_ConnectorPlasticity>();
  plasticity->component = 1;
  plasticity->isotropic = true;
  plasticity->isotropicDefinition = kbeC_ConnectorPlasticity::ExponentialLaw;
  plasticity->isotropicTable = Data({{100, 200}});
  plasticity->kinematic = true;
  plasticity->kinematicTable = Data({{300}});
  EXPECT_EQ(PrintOption(plasticity), "*Connector Plasticity, component=1\n"
                                     "*Connector Hardening, definition=Exponential Law\n100.,200.\n"
                                     "*Connector Hardening, type=Kinematic, definition=Half Cycle\n300.,\n");
  plasticity->component = 0;
  plasticity->isotropic = false;
  plasticity->kinematicDefinition = kbeC_ConnectorPlasticity::Stabilized;
  plasticity->kinematicTable = Data({{300, 400}}, false, 1);
  plasticity->potential.exponent = 2.0;
  plasticity->potential.terms = {{1, "", mdl_UnsetDouble, kbeC_PotentialTerm::None, 1.0}};
  EXPECT_EQ(PrintOption(plasticity), "*Connector Plasticity\n"
                                     "*Connector Hardening, type=Kinematic, definition=Stabilized, dependencies=1\n"
                                     "300., ,400.\n"
                                     "*Connector Potential, exponent=2.\n1, , NONE, 1.0\n");
}

TEST(ConnectorDamage, InitiationPotentialAndEvolution) {
  auto damage = std::make_shared<kbeC_ConnectorDamage>();
  damage->component = 2;
  damage->data = Data({{100}});
  EXPECT_EQ(PrintOption(damage), "*Connector Damage Initiation, component=2\n100.,\n");
  damage->component = 0;
  damage->criterion = kbeC_ConnectorDamage::PlasticMotion;
  damage->data = Data({{100, 200}}, false, 1);
  damage->potential.terms = {{0, "Radial", 1.0, kbeC_PotentialTerm::Abs, 1.0}};
  damage->evolution = true;
  damage->evolutionType = kbeC_ConnectorDamage::EvolutionEnergy;
  damage->softening = kbeC_ConnectorDamage::ExponentialSoftening;
  damage->affectedComponents = {1, 2};
  damage->degradation = kbeC_ConnectorDamage::Multiplicative;
  damage->evolutionTable = Data({{100}});
  EXPECT_EQ(PrintOption(damage),
            "*Connector Damage Initiation, criterion=Plastic Motion, dependencies=1\n100., ,200.\n"
            "*Connector Potential\nRadial, 1., ABS, 1.0\n"
            "*Connector Damage Evolution, type=Energy, softening=Exponential, affected components, "
            "degradation=Multiplicative\n1, 2\n100.,\n");
}

TEST(DerivedComponent, KeywordLineAndItsLines) {
  auto derived = std::make_shared<kbeC_DerivedComponent>();
  derived->name = "Pull out";
  derived->components = {1, 2};
  EXPECT_EQ(test::Print(oif_DerivedComponent(derived)), "*Connector Derived Component, name=\"Pull out\"\n1, 2\n");
  derived->negative = true;
  derived->operatorKind = kbeC_DerivedComponent::MacauleySum;
  derived->independentKind = kbeC_Position;
  derived->independentComponents = {3};
  derived->data = Data({{100, 200}});
  EXPECT_EQ(test::Print(oif_DerivedComponent(derived)),
            "*Connector Derived Component, name=\"Pull out\", sign=NEGATIVE, operator=MACAULEY SUM, independent "
            "components\n1, 2\n3\n100.,200.\n");
  derived->independentKind = kbeC_ConstitutiveMotion;
  derived->operatorKind = kbeC_DerivedComponent::Sum;
  derived->negative = false;
  derived->data = Data({});
  EXPECT_EQ(test::Print(oif_DerivedComponent(derived)),
            "*Connector Derived Component, name=\"Pull out\", operator=SUM, independent components=CONSTITUTIVE "
            "MOTION\n1, 2\n3\n");
}

// ---------------------------------------------------------------------------
// The option tables

TEST(ConnectorOptionTable, OneRowPerKindInKindOrderWithItsKeywordClass) {
  const auto kinds = kbeC_OptionTable();
  const auto rows = oif_ConnectorOptionRows();
  ASSERT_EQ(kinds.size(), std::size_t(kbeC_OptionKindCount));
  ASSERT_EQ(rows.size(), kinds.size());
  std::set<std::string> fileNames;
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    SCOPED_TRACE(kinds[i].fileName);
    EXPECT_EQ(int(kinds[i].kind), int(i));
    EXPECT_EQ(int(rows[i].kind), int(i));
    EXPECT_STREQ(kinds[i].keywordClass, rows[i].className);
    EXPECT_EQ(std::string(kinds[i].keyword).rfind("*Connector ", 0), 0u);
    EXPECT_TRUE(fileNames.insert(kinds[i].fileName).second);
  }
  for (const oif_ConnectorLimitRow& limit : oif_ConnectorLimitRows()) {
    EXPECT_STREQ(limit.className, kbeC_Info(limit.kind).keywordClass);
    EXPECT_STREQ(limit.keyword, kbeC_Info(limit.kind).keyword);
  }
}

TEST(ConnectorOptionTable, AKindOutsideTheTableIsUnimplemented) {
  struct Alien : kbeC_ConnectorBehaviorOption {
    Alien() : kbeC_ConnectorBehaviorOption(kbeC_OptionKind::Count) {}
  };
  try {
    oif_MakeConnectorOptionKeyword(std::make_shared<Alien>(), false);
    ADD_FAILURE() << "no exception";
  } catch (const nex_TextException& error) {
    EXPECT_NE(std::string(error.what()).find("Unimplemented connector behavior option"), std::string::npos);
  }
}

TEST(ConnectorOptionTable, TheSchemaKnowsEveryKindAndConnectionType) {
  std::ifstream file(std::string(OIF_SOURCE_DIR) + "/docs/schema/connectors.schema.json");
  std::stringstream text;
  text << file.rdbuf();
  const std::string schema = text.str();
  const auto quoted = [](const char* name) {
    std::string text(1, '"');
    text.append(name).push_back('"');
    return text;
  };
  for (const kbeC_OptionInfo& info : kbeC_OptionTable())
    EXPECT_NE(schema.find("\"const\": " + quoted(info.fileName)), std::string::npos) << info.fileName;
  for (int family = 0; family < int(kseC_ConnectionFamily::Count); ++family)
    for (const kseC_ConnectionTypeInfo& type : kseC_ConnectionTypes(kseC_ConnectionFamily(family)))
      EXPECT_NE(schema.find(quoted(type.fileName)), std::string::npos) << type.fileName;
}

}  // namespace
