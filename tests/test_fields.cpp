// Predefined fields and initial conditions in the deck: the keyword lines by
// kind and distribution, the data-line layouts (eight items a line, padding
// to the temperature values per point, the trailing separators of velocity,
// stress and hardening lines), the results-file forms, the step selection
// and ", op=NEW" of the field groups, the "FIELDS" heading, and the model
// file's refusals.
#include <gtest/gtest.h>

#include "kind_table_support.h"
#include "oif/impl/oif_FieldBuilder.h"
#include "oif/impl/oif_FieldTemperature.h"
#include "oif/impl/oif_GeneralField.h"
#include "oif/impl/oif_InitialConditions.h"
#include "oif/impl/oif_MassFlowRate.h"
#include "oif/impl/oif_PressureStress.h"
#include "test_steps_support.h"
#include "test_support.h"

namespace {

// ---------------------------------------------------------------------------
// Keyword classes on hand-made fields

/// A field of a kind created in step `step` with `state`.
std::shared_ptr<kpfC_Field> FieldWith(kpfC_FieldKind kind, const kpfC_FieldState& state, std::size_t step = 1,
                                      int distribution = kpfC_Uniform) {
  auto field = kpfC_Make(kind, "F");
  field->distribution = distribution;
  field->SetState(step, mdl_Created, state);
  return field;
}

kpfC_FieldState Values(std::vector<double> values) {
  kpfC_FieldState state;
  state.values.Set(std::move(values));
  return state;
}

const oif_KeywordForm kCreated = oif_KeywordForm::Make(mdl_Created, false);

std::string Temperature(const std::shared_ptr<kpfC_Field>& field, int valuesPerPoint = 1,
                        oif_KeywordForm form = kCreated) {
  return test::Print(oif_FieldTemperature(field, 1, "R", form, valuesPerPoint));
}

std::string Initial(const std::shared_ptr<kpfC_Field>& field, int valuesPerPoint = 1) {
  return test::Print(oif_InitialConditions(field, 0, "R", kCreated, 0, valuesPerPoint));
}

TEST(FieldKeywords, TemperatureValuesTakeEightItemsALineWithTheRegionAsTheFirst) {
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, Values({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}))),
            "*Temperature\nR, 1., 2., 3., 4., 5., 6., 7.\n8., 9., 10.\n");
  // Seven values fill the first line exactly; nothing follows it.
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, Values({1, 2, 3, 4, 5, 6, 7}))),
            "*Temperature\nR, 1., 2., 3., 4., 5., 6., 7.\n");
  // A state without values: the region name alone.
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, kpfC_FieldState())), "*Temperature\nR\n");
}

TEST(FieldKeywords, TemperaturesArePaddedToTheValuesPerPointUnlessGivenPerSectionPoint) {
  auto field = FieldWith(kpfC_FieldKind::Temperature, Values({20, 30}));
  EXPECT_EQ(Temperature(field, 5), "*Temperature\nR, 20., 30., 30., 30., 30.\n");
  EXPECT_EQ(Temperature(field, 2), "*Temperature\nR, 20., 30.\n");
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Temperature, Values({20}), 0), 3),
            "*Initial Conditions, type=TEMPERATURE\nR, 20., 20., 20.\n");
  for (int mode : {1, 2}) {
    field->sectionPoints = mode;
    EXPECT_EQ(Temperature(field, 5), "*Temperature\nR, 20., 30.\n");
  }
}

TEST(FieldKeywords, TemperatureAmplitudeUserFormAndRemoval) {
  kpfC_FieldState state = Values({120});
  state.amplitude.Set("Warm-up");
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, state)), "*Temperature, amplitude=Warm-up\nR, 120.\n");
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, state, 1, kpfC_User)), "*Temperature, user\nR\n");
  auto removed = FieldWith(kpfC_FieldKind::Temperature, state);
  EXPECT_EQ(Temperature(removed, 1, oif_KeywordForm::Make(mdl_Deactivated, false)), "*Temperature\n");
  EXPECT_EQ(Temperature(removed, 1, oif_KeywordForm::Make(mdl_Deactivated, true)), "*Temperature, op=NEW\n");
  EXPECT_EQ(Temperature(removed, 1, oif_KeywordForm::Make(mdl_FieldRestated, true)),
            "*Temperature, op=NEW, amplitude=Warm-up\nR, 120.\n");
}

TEST(FieldKeywords, ResultsFileNamesLoseTheirFilExtensionInEitherCase) {
  EXPECT_EQ(oif_ResultsFileName("previous.fil"), "previous");
  EXPECT_EQ(oif_ResultsFileName("PREVIOUS.FIL"), "PREVIOUS");
  EXPECT_EQ(oif_ResultsFileName("run.Fil"), "run");
  EXPECT_EQ(oif_ResultsFileName("a.fil"), "a");
  // Four characters or fewer, or another extension: unchanged.
  EXPECT_EQ(oif_ResultsFileName(".fil"), ".fil");
  EXPECT_EQ(oif_ResultsFileName("run.fil.old"), "run.fil.old");
  EXPECT_EQ(oif_ResultsFileName("thermal"), "thermal");
}

TEST(FieldKeywords, TemperatureFromAResultsFileWritesItsStepsAndIncrementsWhenSetAndNotZero) {
  kpfC_FieldState state;
  state.file.Set("Thermal.FIL");
  state.beginStep.Set(2);
  state.beginIncrement.Set(0);
  state.endStep.Set(3);
  state.endIncrement.Set(12);
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, state, 1, kpfC_FromFile)),
            "*Temperature, file=Thermal, bstep=2, estep=3, einc=12\n");
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, state, 1, kpfC_FromFileUser)),
            "*Temperature, user, file=Thermal, bstep=2, estep=3, einc=12\n");

  kpfC_FieldState interpolated;
  interpolated.file.Set("thermal.fil");
  interpolated.interpolation.Set(1);
  interpolated.absoluteExteriorTolerance.Set(0.1);
  interpolated.exteriorTolerance.Set(0.05);
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, interpolated, 1, kpfC_FromFile)),
            "*Temperature, file=thermal, interpolate, absolute exterior tolerance=0.1\n");
  interpolated.absoluteExteriorTolerance.Set(0.0);
  interpolated.exteriorTolerance.Set(0.2);
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, interpolated, 1, kpfC_FromFile)),
            "*Temperature, file=thermal, interpolate, exterior tolerance=0.2\n");
  interpolated.interpolation.Set(2);
  EXPECT_EQ(Temperature(FieldWith(kpfC_FieldKind::Temperature, interpolated, 1, kpfC_FromFile)),
            "*Temperature, file=thermal, midside\n");
}

TEST(FieldKeywords, GeneralFieldNamesItsVariableOrTheNumberOfVariables) {
  auto field = FieldWith(kpfC_FieldKind::GeneralField, Values({1, 2, 3, 4, 5, 6, 7, 8, 9}));
  field->variable = 2;
  EXPECT_EQ(test::Print(oif_GeneralField(field, 1, "R", kCreated)),
            "*Field, variable=2\nR, 1., 2., 3., 4., 5., 6., 7.\n8., 9.\n");
  kpfC_FieldState several = Values({1, 2, 3});
  several.variables.Set(3);
  EXPECT_EQ(test::Print(oif_GeneralField(FieldWith(kpfC_FieldKind::GeneralField, several), 1, "R", kCreated)),
            "*Field, number=3\nR, 1., 2., 3.\n");
  EXPECT_EQ(test::Print(oif_GeneralField(FieldWith(kpfC_FieldKind::GeneralField, several, 1, kpfC_User), 1, "R",
                                         kCreated)),
            "*Field, number=3, user\nR\n");
  kpfC_FieldState file;
  file.file.Set("old.fil");
  file.beginStep.Set(1);
  file.endIncrement.Set(4);
  file.interpolation.Set(2);
  EXPECT_EQ(test::Print(oif_GeneralField(FieldWith(kpfC_FieldKind::GeneralField, file, 1, kpfC_FromFileUser), 1,
                                         "R", kCreated)),
            "*Field, variable=1, user, file=old, bstep=1, einc=4, midside\n");
  EXPECT_EQ(test::Print(oif_GeneralField(field, 1, "R", oif_KeywordForm::Make(mdl_Deactivated, false))), "*Field\n");
}

TEST(FieldKeywords, PressureStressAndMassFlowRate) {
  kpfC_FieldState pressure;
  pressure.value.Set(-5.5);
  EXPECT_EQ(test::Print(oif_PressureStress(FieldWith(kpfC_FieldKind::PressureStress, pressure), 1, "R", kCreated)),
            "*Pressure stress\nR, -5.5\n");
  EXPECT_EQ(test::Print(oif_PressureStress(FieldWith(kpfC_FieldKind::PressureStress, pressure, 1, kpfC_User), 1,
                                           "R", kCreated)),
            "*Pressure stress, user\nR\n");
  pressure.file.Set("soil.fil");
  EXPECT_EQ(test::Print(oif_PressureStress(FieldWith(kpfC_FieldKind::PressureStress, pressure, 1, kpfC_FromFile), 1,
                                           "R", kCreated)),
            "*Pressure stress, file=soil\n");
  EXPECT_EQ(test::Print(oif_PressureStress(FieldWith(kpfC_FieldKind::PressureStress, pressure, 1,
                                                     kpfC_FromFileUser), 1, "R", kCreated)),
            "*Pressure stress, user, file=soil\n");
  kpfC_FieldState flow = Values({1, 0, -2});
  flow.amplitude.Set("Ramp");
  EXPECT_EQ(test::Print(oif_MassFlowRate(FieldWith(kpfC_FieldKind::MassFlowRate, flow), 1, "R",
                                         oif_KeywordForm::Make(mdl_Created, true))),
            "*Mass flow rate, op=NEW, amplitude=Ramp\nR, 1., 0., -2.\n");
  EXPECT_EQ(test::Print(oif_MassFlowRate(FieldWith(kpfC_FieldKind::MassFlowRate, flow), 1, "R",
                                         oif_KeywordForm::Make(mdl_Deactivated, false))),
            "*Mass flow rate\n");
}

TEST(InitialConditionKeywords, TemperatureAndFieldByDistribution) {
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Temperature, Values({20}), 0)),
            "*Initial Conditions, type=TEMPERATURE\nR, 20.\n");
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Temperature, kpfC_FieldState(), 0, kpfC_User)),
            "*Initial Conditions, type=TEMPERATURE, USER\nR\n");
  kpfC_FieldState file;
  file.file.Set("heat.fil");
  file.fileStep.Set(2);
  file.fileIncrement.Set(7);
  file.interpolation.Set(1);
  file.exteriorTolerance.Set(0.05);
  file.absoluteExteriorTolerance.Set(0.5);
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Temperature, file, 0, kpfC_FromFile)),
            "*Initial Conditions, type=TEMPERATURE, file=heat, step=2, inc=7, interpolate, "
            "absolute exterior tolerance=0.5\n");
  auto field = FieldWith(kpfC_FieldKind::GeneralField, Values({1.5}), 0);
  field->variable = 2;
  EXPECT_EQ(Initial(field), "*Initial Conditions, type=FIELD, variable = 2\nR, 1.5\n");
  file.interpolation.Set(2);
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::GeneralField, file, 0, kpfC_FromFile)),
            "*Initial Conditions, type=FIELD, variable = 1, file=heat, step=2, inc=7, midside\n");
}

TEST(InitialConditionKeywords, VelocityOneLinePerDirectionEvenWhenZero) {
  kpfC_FieldState state;
  state.velocity.Set({0, 0, 2.5});
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Velocity, state, 0)),
            "*Initial Conditions, type=VELOCITY\nR, 1, 0.\nR, 2, 0.\nR, 3, 2.5\n");
}

TEST(InitialConditionKeywords, RotatingVelocityEndsBothLinesWithASeparator) {
  kpfC_FieldState state;
  state.value.Set(10);
  state.velocity.Set({1, 0, 0});
  state.axis.Set({0, 0, 0, 0, 0, 1});
  auto field = FieldWith(kpfC_FieldKind::Velocity, state, 0);
  field->rotating = true;
  EXPECT_EQ(Initial(field), "*Initial Conditions, type=ROTATING VELOCITY\nR, 10., 1., 0., 0., \n"
                            "0., 0., 0., 0., 0., 1., \n");
}

TEST(InitialConditionKeywords, StressAndHardeningByDistribution) {
  kpfC_FieldState stress = Values({-100, -100, -200, 0, 0, 0});
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Stress, stress, 0)),
            "*Initial Conditions, type=STRESS\nR, -100., -100., -200., 0., 0., 0., \n");
  kpfC_FieldState geostatic;
  geostatic.geostatic.Set({0, 0, -20000, -10, 0.5, 0.5});
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Stress, geostatic, 0, kpfC_Geostatic)),
            "*Initial Conditions, type=STRESS, GEOSTATIC\nR, 0., 0., -20000., -10., 0.5, 0.5, \n");
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Stress, stress, 0, kpfC_User)), "*Initial Conditions, type=STRESS, USER\n");
  kpfC_FieldState file;
  file.file.Set("geo.fil");
  file.fileStep.Set(1);
  file.fileIncrement.Set(3);
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Stress, file, 0, kpfC_FromFile)),
            "*Initial Conditions, type=STRESS, file=geo, step=1, inc=3\n");

  kpfC_FieldState hardening = Values({1, 2});
  hardening.value.Set(0.02);
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Hardening, hardening, 0)),
            "*Initial Conditions, type=HARDENING\nR, 0.02, 1., 2., \n");
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Hardening, hardening, 0, kpfC_User)),
            "*Initial Conditions, type=HARDENING, USER\n");
}

TEST(InitialConditionKeywords, SolutionDependentStatesGiveTheRegionAndEightItemsALine) {
  // Eight values: with the region name nine items, so the eighth value opens a line of its own.
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Solution, Values({1, 2, 3, 4, 5, 6, 7, 0.5}), 0)),
            "*Initial Conditions, type=SOLUTION\nR, 1., 2., 3., 4., 5., 6., 7.\n0.5\n");
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Solution, Values({-3}), 0)), "*Initial Conditions, type=SOLUTION\nR, -3.\n");
  EXPECT_EQ(Initial(FieldWith(kpfC_FieldKind::Solution, Values({1}), 0, kpfC_User)),
            "*Initial Conditions, type=SOLUTION, USER\n");
}

TEST(InitialConditionKeywords, KindsWithoutAnInitialConditionFormAreRefusedWhenWritten) {
  for (kpfC_FieldKind kind : {kpfC_FieldKind::PressureStress, kpfC_FieldKind::MassFlowRate}) {
    const std::string thrown = test::Thrown<nex_TextException>([&] { Initial(FieldWith(kind, Values({1}), 0)); });
    EXPECT_EQ(thrown.rfind("Unimplemented initial condition! (oif_InitialConditions:", 0), 0u) << thrown;
  }
}

// ---------------------------------------------------------------------------
// The field table

TEST(FieldTable, RowsAgreeWithTheClassesTheOperationStatusAndTheModelFile) {
  const oif_FieldOpStatus status;
  const std::vector<std::string> schemaKinds =
      test::Texts(test::At(test::Schema("fields.schema.json").Root(), {"$defs", "field", "properties", "kind", "enum"}));
  const std::string doc = test::DocSection("Predefined fields and initial conditions");
  ASSERT_EQ(kpfC_FieldTable().size(), std::size_t(kpfC_FieldKindCount));
  ASSERT_EQ(schemaKinds.size(), std::size_t(kpfC_FieldKindCount));
  for (const kpfC_FieldInfo& row : kpfC_FieldTable()) {
    SCOPED_TRACE(row.className);
    auto field = kpfC_Make(row.kind, "F");
    EXPECT_EQ(field->DynTypeId(), kpfC_TypeIdOf(row.kind));
    EXPECT_EQ(field->Kind(), row.kind);
    EXPECT_EQ(status.StatusKey(field->DynTypeId()), row.statusKey);
    EXPECT_EQ(kpfC_FieldTypeLabelMap::Label(field->DynTypeId()), std::string(row.label));
    EXPECT_EQ(kpfC_FindKind(row.fileName), &row);
    EXPECT_EQ(schemaKinds[std::size_t(row.kind)], row.fileName);
    EXPECT_NE(doc.find(std::string("`") + row.fileName + "`"), std::string::npos);
    // A kind without a keyword of its own in analysis steps is an initial condition.
    EXPECT_TRUE(row.stepKeyword != nullptr || row.initialType != nullptr);
    EXPECT_TRUE(row.Allows(kpfC_Uniform));
  }
  // The class names are the classes' own.
  EXPECT_EQ(kpfC_Info(kpfC_FieldKind::GeneralField).statusKey, 3);
  EXPECT_EQ(kpfC_TypeIdOf(kpfC_FieldKind::GeneralField), mdl_TypeId<kpfC_GeneralFieldBase>());
  EXPECT_EQ(kpfC_TypeIdOf(kpfC_FieldKind::Hardening), mdl_TypeId<kpfC_Hardening>());
}

TEST(FieldTable, WhichStatusesAreWritten) {
  for (int s : {mdl_Created, mdl_Modified, mdl_Deactivated, mdl_FieldRestated}) {
    EXPECT_TRUE(oif_FieldBuilder::Writes(s, false, false)) << s;
  }
  for (int s : {mdl_Propagated, mdl_FieldPropagated}) {
    EXPECT_FALSE(oif_FieldBuilder::Writes(s, false, false)) << s;
    EXPECT_TRUE(oif_FieldBuilder::Writes(s, true, false)) << s;
    EXPECT_TRUE(oif_FieldBuilder::Writes(s, false, true)) << s;
  }
  for (int s : {mdl_Inactive, mdl_BoltPropagated, mdl_Propagated2, mdl_Modified2, mdl_Deactivated2})
    EXPECT_FALSE(oif_FieldBuilder::Writes(s, true, true)) << s;
}

// ---------------------------------------------------------------------------
// Decks from model files

/// A part instance "Plate" with node set Top and element set Body, an
/// amplitude "Ramp", the given steps and fields.
std::string PlateMembers(const std::string& fields, const std::string& steps = R"([
    {"name": "S1", "kind": "static"}, {"name": "S2", "kind": "static"}, {"name": "S3", "kind": "static"}])") {
  return R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
       "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 2]}],
       "sets": [{"name": "Top", "kind": "node", "nodes": [1]}, {"name": "Body", "kind": "element", "elements": [1]}]}}],
     "assembly": {"instances": [{"name": "Plate", "part": "P"}]},
     "amplitudes": [{"name": "Ramp", "kind": "tabular", "pairs": [0, 0, 1, 1]}],
     "steps": )" + steps + R"(, "fields": )" + fields;
}

using test::InitialStep;
using test::StepBody;

const std::string kAmplitude = "*Amplitude, name=Ramp\n0., 0., 1., 1.\n";
const std::string kHeading = "** \n** FIELDS\n** \n";

TEST(FieldDecks, InitialTemperatureIsNotRepeatedWhileAGeneralFieldIsRestatedInEveryStep) {
  const std::string deck = test::Deck(test::Model(PlateMembers(R"([
      {"name": "Ambient", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"}, "values": [20]},
      {"name": "Moisture", "kind": "field", "region": {"set": "Top", "instance": "Plate"}, "variable": 2,
       "values": [0.5]}])")));
  EXPECT_EQ(InitialStep(deck), kAmplitude + kHeading + R"(** Name: Ambient   Type: Temperature
*Initial Conditions, type=TEMPERATURE
Plate.Top, 20.
** Name: Moisture   Type: Field
*Initial Conditions, type=FIELD, variable = 2
Plate.Top, 0.5
)");
  for (const char* step : {"S1", "S2", "S3"})
    EXPECT_EQ(StepBody(deck, step), kHeading + R"(** Name: Moisture   Type: Field
*Field, variable=2
Plate.Top, 0.5
)") << step;
}

TEST(FieldDecks, TemperatureRaisedAndReturnedWithOneHeadingPerStep) {
  const std::string deck = test::Deck(test::Model(PlateMembers(R"([
      {"name": "Ambient", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"}, "values": [20],
       "changes": [{"step": "S1", "values": [120]}, {"step": "S2", "values": [20]}]},
      {"name": "Spin", "kind": "velocity", "region": {"set": "Top", "instance": "Plate"}, "velocity": [1, 0, 0]}])")));
  EXPECT_EQ(InitialStep(deck), kAmplitude + kHeading + R"(** Name: Ambient   Type: Temperature
*Initial Conditions, type=TEMPERATURE
Plate.Top, 20.
** Name: Spin   Type: Velocity
*Initial Conditions, type=VELOCITY
Plate.Top, 1, 1.
Plate.Top, 2, 0.
Plate.Top, 3, 0.
)");
  EXPECT_EQ(StepBody(deck, "S1"), kHeading + "** Name: Ambient   Type: Temperature\n*Temperature\nPlate.Top, 120.\n");
  EXPECT_EQ(StepBody(deck, "S2"), kHeading + "** Name: Ambient   Type: Temperature\n*Temperature\nPlate.Top, 20.\n");
  // Nothing changes in S3: no heading either.
  EXPECT_EQ(StepBody(deck, "S3"), "");
}

TEST(FieldDecks, StatusFifteenRestatesItsGroupAndDeactivationWritesTheKeywordLineAlone) {
  const std::string deck = test::Deck(test::Model(PlateMembers(R"([
      {"name": "Hot", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "values": [100], "deactivatedIn": "S3"},
      {"name": "Warm", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"},
       "history": [{"step": "S1", "status": 1, "values": {"values": [50]}},
                   {"step": "S2", "status": 15, "values": {"values": [60]}},
                   {"step": "S3", "status": 14, "values": {"values": [60]}}]},
      {"name": "Flow", "kind": "mass flow rate", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "values": [1, 2, 3]}])")));
  // Fields come in container order (by name).
  EXPECT_EQ(StepBody(deck, "S1"), kHeading + R"(** Name: Flow   Type: Mass flow rate
*Mass flow rate
Plate.Top, 1., 2., 3.
** Name: Hot   Type: Temperature
*Temperature
Plate.Top, 100.
** Name: Warm   Type: Temperature
*Temperature
Plate.Top, 50.
)");
  // Status 15 of Warm restates the temperature group: Hot (carried over) too;
  // the mass flow rate's group is not restated.
  EXPECT_EQ(StepBody(deck, "S2"), kHeading + R"(** Name: Hot   Type: Temperature
*Temperature, op=NEW
Plate.Top, 100.
** Name: Warm   Type: Temperature
*Temperature, op=NEW
Plate.Top, 60.
)");
  // Deactivated: the keyword line alone; status 14 is written only when restated.
  EXPECT_EQ(StepBody(deck, "S3"), kHeading + "** Name: Hot   Type: Temperature\n*Temperature\n");
}

TEST(FieldDecks, AModelWithOnlyTheInitialStepHasNoOpNew) {
  const std::string deck = test::Deck(test::Model(PlateMembers(R"([
      {"name": "A", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"}, "values": [1, 2]},
      {"name": "B", "kind": "stress", "region": {"set": "Body", "instance": "Plate"}, "values": [1, 2, 3]}])",
                                                               R"([{"name": "Initial", "kind": "initial"}])")));
  EXPECT_EQ(InitialStep(deck), kAmplitude + kHeading + R"(** Name: A   Type: Temperature
*Initial Conditions, type=TEMPERATURE
Plate.Top, 1., 2.
** Name: B   Type: Stress
*Initial Conditions, type=STRESS
Plate.Body, 1., 2., 3., 
)");
  EXPECT_EQ(deck.find("op=NEW"), std::string::npos);
}

/// The keywords the field builder gives a step's load case.
std::string CaseFields(const odb_Odb& odb, const std::string& step, const std::string& loadCase) {
  oif_ModelInfo info(odb.ddb().model("Default Model"));
  oif_FieldBuilder builder(info);
  builder.Build();
  return test::Written([&](utl_Stream& stream) { zkw_WriteList(builder.StepDefinition(step, loadCase), stream); });
}

TEST(FieldDecks, InAStepWithLoadCasesAFieldIsWrittenInEachCaseThatListsItWithItsScale) {
  const odb_Odb odb = test::Model(PlateMembers(R"([
      {"name": "Heat", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "values": [20, 30]},
      {"name": "Wet", "kind": "field", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "values": [4]},
      {"name": "Squeeze", "kind": "pressure stress", "region": {"set": "Top", "instance": "Plate"},
       "createdIn": "S1", "value": 8}])",
                                               R"([{"name": "S1", "kind": "static", "loadCases": [
          {"name": "Half", "fields": {"Heat": 0.5, "Wet": 0.5, "Squeeze": 0.5}},
          {"name": "Twice", "fields": {"Heat": 2}}]}])"));
  // Nothing outside the cases, no heading inside them; the comment carries the
  // factor, which multiplies the values of *Temperature and *Field only.
  EXPECT_EQ(CaseFields(odb, "S1", ""), "");
  EXPECT_EQ(CaseFields(odb, "S1", "Half"), R"(** Name: Heat   Type: Temperature   Scale factor: 0.5
*Temperature
Plate.Top, 10., 15.
** Name: Squeeze   Type: Pressure stress   Scale factor: 0.5
*Pressure stress
Plate.Top, 8.
** Name: Wet   Type: Field   Scale factor: 0.5
*Field, variable=1
Plate.Top, 2.
)");
  EXPECT_EQ(CaseFields(odb, "S1", "Twice"), R"(** Name: Heat   Type: Temperature   Scale factor: 2.
*Temperature
Plate.Top, 40., 60.
)");
}

TEST(FieldDecks, SolutionDependentStatesAreInitialConditionsOfAnElementSet) {
  const std::string deck = test::Deck(test::Model(PlateMembers(R"([
      {"name": "Aged", "kind": "solution", "region": {"set": "Body", "instance": "Plate"},
       "values": [0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9]}])")));
  EXPECT_EQ(InitialStep(deck), kAmplitude + kHeading + R"(** Name: Aged   Type: Solution-dependent state
*Initial Conditions, type=SOLUTION
Plate.Body, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7
0.8, 0.9
)");
}

TEST(FieldDecks, TemperaturesArePaddedToThePointsOfTheModelsShellSections) {
  const std::string members =
      PlateMembers(R"([{"name": "Hot", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"},
                        "createdIn": "S1", "values": [20, 30]}])") +
      R"(, "materials": [{"name": "M", "elastic": {"table": [[1, 0.3]]}}],
         "sections": [{"name": "Thin", "kind": "shell", "material": "M", "thickness": 1, "temperaturePoints": 3},
                      {"name": "Thick", "kind": "shell", "material": "M", "thickness": 2, "temperaturePoints": 4},
                      {"name": "Core", "kind": "solid", "material": "M"}])";
  EXPECT_EQ(StepBody(test::Deck(test::Model(members)), "S1"),
            kHeading + "** Name: Hot   Type: Temperature\n*Temperature\nPlate.Top, 20., 30., 30., 30.\n");
}

TEST(FieldDecks, SuppressedFieldsAreNeverWrittenAndMarkNoStep) {
  const std::string deck = test::Deck(test::Model(PlateMembers(R"([
      {"name": "Off", "kind": "field", "suppressed": true, "region": {"set": "Top", "instance": "Plate"},
       "values": [1], "changes": [{"step": "S2", "values": [2]}]}])")));
  EXPECT_EQ(deck.find("FIELDS"), std::string::npos);
  EXPECT_EQ(deck.find("Off"), std::string::npos);
}

TEST(FieldDecks, ResultsFileFormsFromTheModelFile) {
  const std::string deck = test::Deck(test::Model(PlateMembers(R"([
      {"name": "Heat", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"},
       "distribution": "results file", "file": "thermal.FIL", "resultStep": 1, "resultIncrement": 10,
       "changes": [{"step": "S1", "beginStep": 2, "beginIncrement": 1, "endStep": 2, "endIncrement": 0,
                    "interpolation": "interpolate", "exteriorTolerance": 0.05}]}])")));
  EXPECT_EQ(InitialStep(deck), kAmplitude + kHeading + R"(** Name: Heat   Type: Temperature
*Initial Conditions, type=TEMPERATURE, file=thermal, step=1, inc=10
)");
  EXPECT_EQ(StepBody(deck, "S1"), kHeading + R"(** Name: Heat   Type: Temperature
*Temperature, file=thermal, bstep=2, binc=1, estep=2, interpolate
)");
}

// ---------------------------------------------------------------------------
// Refusals

std::string Top(const std::string& members) {
  return R"([{"name": "F", "region": {"set": "Top", "instance": "Plate"}, )" + members + "}]";
}
std::string Body(const std::string& members) {
  return R"([{"name": "F", "region": {"set": "Body", "instance": "Plate"}, )" + members + "}]";
}

TEST(FieldFile, RefusesWrongRegionsMissingFilesUnknownStepsAndMisplacedInitialConditions) {
  test::ExpectRefusals({
      {PlateMembers(Body(R"("kind": "temperature", "values": [1])")), "model.type", "/fields/0/region/set",
       "expected a node set"},
      {PlateMembers(Top(R"("kind": "stress", "values": [1])")), "model.type", "/fields/0/region/set",
       "element set"},
      {PlateMembers(Top(R"("kind": "solution", "values": [1])")), "model.type", "/fields/0/region/set",
       "element set"},
      {PlateMembers(Top(R"("kind": "temperature", "values": [1], "createdIn": "S1")"),
                    R"([{"name": "S1", "kind": "static", "loadCases": [{"name": "A", "fields": {"Other": 1}}]}])"),
       "model.load-case", "/fields/0", "field \"F\" changes in step \"S1\", which has load cases"},
      {PlateMembers("[]", R"([{"name": "S1", "kind": "static", "loadCases": [{"name": "A", "fields": {"G": 1}}]}])"),
       "model.unknown-reference", "/steps/0/loadCases/0/fields/G", "no field named \"G\""},
      {PlateMembers(Body(R"("kind": "solution", "values": [1], "changes": [{"step": "S1", "values": [2]}])")),
       "model.step", "/fields/0", "neither changed nor deactivated"},
      {PlateMembers(Top(R"("kind": "temperature", "distribution": "results file")")), "model.missing-member",
       "/fields/0", "names none (\"file\")"},
      {PlateMembers(Top(R"("kind": "field", "distribution": "results file with user", "createdIn": "S1")")),
       "model.missing-member", "/fields/0", "read from a results file"},
      {PlateMembers(Top(R"("kind": "temperature", "values": [1], "createdIn": "S9")")), "model.unknown-reference",
       "/fields/0/createdIn", "no step named \"S9\""},
      {PlateMembers(Top(R"("kind": "temperature", "values": [1], "changes": [{"step": "Later", "values": [2]}])")),
       "model.unknown-reference", "/fields/0/changes/0/step", "no step named \"Later\""},
      {PlateMembers(Top(R"("kind": "temperature", "history": [{"step": "Nope", "status": 1}])")),
       "model.unknown-reference", "/fields/0/history/0/step", "no step named \"Nope\""},
      {PlateMembers(Top(R"("kind": "velocity", "velocity": [1, 0, 0], "createdIn": "S1")")), "model.step",
       "/fields/0", "created in the initial step"},
      {PlateMembers(Top(R"("kind": "velocity", "velocity": [1, 0, 0], "deactivatedIn": "S2")")), "model.step",
       "/fields/0", "neither changed nor deactivated"},
      {PlateMembers(Top(R"("kind": "velocity", "velocity": [1, 0])")), "model.size", "/fields/0/velocity",
       "holds 3 numbers"},
      {PlateMembers(Top(R"("kind": "velocity", "distribution": "geostatic")")), "model.unsupported",
       "/fields/0/distribution", "cannot have the distribution"},
      {PlateMembers(Top(R"("kind": "temperature", "distribution": "results file", "file": "a,b")")), "model.text",
       "/fields/0/file", "comma"},
      {PlateMembers(Top(R"("kind": "temperature", "distribution": "results file with user", "file": "a")")),
       "model.unsupported", "/fields/0", "no user-routine form"},
      {PlateMembers(Top(R"("kind": "temperature", "amplitude": "Smooth")")), "model.unknown-reference",
       "/fields/0/amplitude", "no amplitude named \"Smooth\""},
      {PlateMembers(Top(R"("kind": "temperature", "history": [{"step": "S1", "status": 9}])")), "model.range",
       "/fields/0/history/0/status", "1 to 4, 14 or 15"},
      {PlateMembers(Top(R"("kind": "heat", "values": [1])")), "model.enum", "/fields/0/kind", "unknown field kind"},
      {PlateMembers(Top(R"("kind": "temperature", "velocity": [1, 0, 0])")), "model.unknown-member",
       "/fields/0/velocity", "velocity"},
  });
}

}  // namespace
