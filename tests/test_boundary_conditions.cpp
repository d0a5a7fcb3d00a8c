// Boundary conditions in the deck: the step sections, ", op=NEW" where a
// group is restated, changes-only lines, data lines, load cases, buckling
// and complex forms, submodel grouping, connector motions and bolt loads.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "oif/impl/oif_Boundary.h"
#include "test_steps_support.h"

namespace {

/// A part instance "Plate" with node sets Top and Base, an amplitude "Ramp",
/// and the given steps and conditions.
odb_Odb Plate(const std::string& steps, const std::string& conditions) {
  return test::Model(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
       "sets": [{"name": "Top", "kind": "node", "nodes": [1]}, {"name": "Base", "kind": "node", "nodes": [2]}]}}],
     "assembly": {"instances": [{"name": "Plate", "part": "P"}]},
     "amplitudes": [{"name": "Ramp", "kind": "tabular", "pairs": [0, 0, 1, 1]}],
     "steps": )" + steps + R"(, "boundaryConditions": )" + conditions);
}

const char* kThreeSteps = R"([{"name": "S1", "kind": "static"}, {"name": "S2", "kind": "static"},
                              {"name": "S3", "kind": "static"}])";

using test::InitialStep;
using test::StepBody;

const char* kHeading = "** \n** BOUNDARY CONDITIONS\n** \n";

TEST(BoundaryConditions, CreatedModifiedAndDeactivatedOverThreeSteps) {
  const std::string deck = test::Deck(Plate(kThreeSteps, R"([
      {"name": "Fix", "kind": "symmetry", "region": {"set": "Base", "instance": "Plate"}, "type": "ENCASTRE"},
      {"name": "Pull", "kind": "displacement", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "u1": 0.25, "u2": 0.0, "changes": [{"step": "S2", "u1": 0.5}], "deactivatedIn": "S3"}])"));
  // The amplitude is written at the model level, the fixed face in the initial step.
  EXPECT_EQ(InitialStep(deck), std::string("*Amplitude, name=Ramp\n0., 0., 1., 1.\n") + kHeading +
                                   "** Name: Fix Type: Symmetry/Antisymmetry/Encastre\n*Boundary\nPlate.Base, ENCASTRE\n");
  // Created: every component given; U2 = 0 leaves the value off.
  EXPECT_EQ(StepBody(deck, "S1"), std::string(kHeading) + R"(** Name: Pull Type: Displacement/Rotation
*Boundary
Plate.Top, 1, 1, 0.25
Plate.Top, 2, 2
)");
  // Modified in one component, group not restated: that component alone.
  EXPECT_EQ(StepBody(deck, "S2"), std::string(kHeading) + R"(** Name: Pull Type: Displacement/Rotation
*Boundary
Plate.Top, 1, 1, 0.5
)");
  // Deactivated: the group is restated; the removed condition is its keyword line alone.
  EXPECT_EQ(StepBody(deck, "S3"), std::string(kHeading) + R"(** Name: Fix Type: Symmetry/Antisymmetry/Encastre
*Boundary, op=NEW
Plate.Base, ENCASTRE
** Name: Pull Type: Displacement/Rotation
*Boundary, op=NEW
)");
}

TEST(BoundaryConditions, ALongHistoryKeepsTheConditionOrderInEveryStep) {
  // Enough conditions × steps to be formatted on every core there is: 210
  // displacements, in the order of their names, created in S1 and changed in
  // S57 only.
  std::string steps = "[";
  for (int k = 1; k <= 100; ++k) steps += std::string(k > 1 ? ", " : "") + R"({"name": "S)" + std::to_string(k) + R"(", "kind": "static"})";
  steps += "]";
  std::string conditions = "[", created = kHeading, changed = kHeading;
  for (int i = 0; i < 210; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "C%03d", i);
    conditions += std::string(i ? ", " : "") + R"({"name": ")" + name +
                  R"(", "kind": "displacement", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1", "u1": )" +
                  std::to_string(i + 1) + R"(, "changes": [{"step": "S57", "u1": )" + std::to_string(i) + ".5}]}";
    const std::string comment = "** Name: " + std::string(name) + " Type: Displacement/Rotation\n*Boundary\n";
    created += comment + "Plate.Top, 1, 1, " + std::to_string(i + 1) + ".\n";
    changed += comment + "Plate.Top, 1, 1, " + std::to_string(i) + ".5\n";
  }
  conditions += "]";
  const std::string deck = test::Deck(Plate(steps, conditions));
  EXPECT_EQ(StepBody(deck, "S1"), created);
  EXPECT_EQ(StepBody(deck, "S57"), changed);
  EXPECT_EQ(StepBody(deck, "S100"), "");
}

TEST(BoundaryConditions, FixedConditionsWriteNoValues) {
  const std::string deck = test::Deck(Plate(R"([{"name": "S1", "kind": "static"}])", R"([
      {"name": "Hold", "kind": "displacement", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "u1": 0.3, "ur3": 1.5, "fixed": true}])"));
  EXPECT_EQ(StepBody(deck, "S1"), std::string(kHeading) + R"(** Name: Hold Type: Displacement/Rotation
*Boundary, fixed
Plate.Top, 1, 1
Plate.Top, 6, 6
)");
}

TEST(BoundaryConditions, AChangedAmplitudeRestatesEveryComponent) {
  const std::string deck = test::Deck(Plate(kThreeSteps, R"([
      {"name": "Turn", "kind": "velocity", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "v3": 2.0, "vr1": -1.0, "changes": [{"step": "S2", "amplitude": "Ramp"}]}])"));
  EXPECT_EQ(StepBody(deck, "S1"), std::string(kHeading) + R"(** Name: Turn Type: Velocity/Angular velocity
*Boundary, type=VELOCITY
Plate.Top, 3, 3, 2.
Plate.Top, 4, 4, -1.
)");
  EXPECT_EQ(StepBody(deck, "S2"), std::string(kHeading) + R"(** Name: Turn Type: Velocity/Angular velocity
*Boundary, amplitude=Ramp, type=VELOCITY
Plate.Top, 3, 3, 2.
Plate.Top, 4, 4, -1.
)");
  EXPECT_EQ(StepBody(deck, "S3"), "");  // carried over: nothing, not even the heading
}

TEST(BoundaryConditions, AValueReturnedToUnsetRestatesTheGroup) {
  const std::string deck = test::Deck(Plate(kThreeSteps, R"([
      {"name": "Pull", "kind": "displacement", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "u1": 0.25, "u2": 0.5, "changes": [{"step": "S2", "reset": ["u2"]}]},
      {"name": "Rest", "kind": "acceleration", "region": {"set": "Base", "instance": "Plate"}, "createdIn": "S1",
       "a1": 9.81}])"));
  EXPECT_EQ(StepBody(deck, "S2"), std::string(kHeading) + R"(** Name: Pull Type: Displacement/Rotation
*Boundary, op=NEW
Plate.Top, 1, 1, 0.25
** Name: Rest Type: Acceleration/Angular acceleration
*Boundary, op=NEW, type=ACCELERATION
Plate.Base, 1, 1, 9.81
)");
}

TEST(BoundaryConditions, FieldConditionsWriteTheirDegreeOfFreedom) {
  const std::string deck = test::Deck(Plate(R"([{"name": "S1", "kind": "static"}])", R"([
      {"name": "A-Hot", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "magnitude": 20.0},
      {"name": "B-Shell", "kind": "temperature", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "magnitude": 5.0, "dofs": [11, 12]},
      {"name": "C-Pore", "kind": "pore pressure", "region": {"set": "Base", "instance": "Plate"}, "createdIn": "S1",
       "magnitude": 1.5, "distribution": "user"},
      {"name": "D-Volts", "kind": "electric potential", "region": {"set": "Base", "instance": "Plate"},
       "createdIn": "S1", "magnitude": 0.0}])"));
  EXPECT_EQ(StepBody(deck, "S1"), std::string(kHeading) + R"(** Name: A-Hot Type: Temperature
*Boundary
Plate.Top, 11, 11, 20.
** Name: B-Shell Type: Temperature
*Boundary
Plate.Top, 11, 11, 5.
Plate.Top, 12, 12, 5.
** Name: C-Pore Type: Pore pressure
*Boundary, user
Plate.Base, 8, 8, 1.5
** Name: D-Volts Type: Electric potential
*Boundary
Plate.Base, 9, 9
)");
}

TEST(BoundaryConditions, LoadCasesWriteListedConditionsWithTheirScaleFactors) {
  const std::string deck = test::Deck(Plate(R"([{"name": "S1", "kind": "static", "loadCases": [
        {"name": "Up", "boundaryConditions": {"Pull": 2.0, "Hold": 1.0}}, {"name": "Empty"},
        {"name": "Kept", "keepBoundaryConditions": true}]}])",
                                            R"([
      {"name": "Hold", "kind": "displacement", "region": {"set": "Base", "instance": "Plate"}, "createdIn": "S1",
       "u3": 0.0},
      {"name": "Pull", "kind": "displacement", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "u1": 0.25}])"));
  const std::size_t cases = deck.find("** LOAD CASES");
  ASSERT_NE(cases, std::string::npos);
  EXPECT_EQ(deck.substr(cases), R"(** LOAD CASES
** 
*Load Case, name=Empty
*Boundary, op=NEW
*End Load Case
*Load Case, name=Kept
*End Load Case
*Load Case, name=Up
** Name: Hold Type: Displacement/Rotation   Scale factor: 1.
*Boundary
Plate.Base, 3, 3
** Name: Pull Type: Displacement/Rotation   Scale factor: 2.
*Boundary
Plate.Top, 1, 1, 0.5
*End Load Case
*End Step
)");
  EXPECT_EQ(deck.find("BOUNDARY CONDITIONS"), std::string::npos);  // nothing outside the load cases
}

TEST(BoundaryConditions, BucklingStepsRestateEveryConditionForTheChosenLoadCases) {
  const std::string deck = test::Deck(Plate(R"([{"name": "S1", "kind": "static"}, {"name": "Buckle", "kind": "buckle"}])",
                                            R"([
      {"name": "Both", "kind": "displacement", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "u1": 0.25},
      {"name": "Second", "kind": "displacement", "region": {"set": "Base", "instance": "Plate"}, "createdIn": "S1",
       "u2": 1.0, "changes": [{"step": "Buckle", "buckleCase": 2}]},
      {"name": "Sym", "kind": "symmetry", "region": {"set": "Base", "instance": "Plate"}, "createdIn": "S1",
       "type": "XSYMM", "buckleCase": 1}])"));
  const std::size_t start = deck.find("** BOUNDARY CONDITIONS", deck.find("*Step, name=Buckle"));
  ASSERT_NE(start, std::string::npos);
  EXPECT_EQ(deck.substr(start), R"(** BOUNDARY CONDITIONS
** 
** Name: Both Type: Displacement/Rotation
*Boundary, op=NEW, load case=1
Plate.Top, 1, 1, 0.25
*Boundary, op=NEW, load case=2
Plate.Top, 1, 1, 0.25
** Name: Second Type: Displacement/Rotation
*Boundary, op=NEW, load case=2
Plate.Base, 2, 2, 1.
** Name: Sym Type: Symmetry/Antisymmetry/Encastre
*Boundary, op=NEW, load case=1
Plate.Base, XSYMM
*Output, field
*Node Output
U, 
*End Step
)");
}

TEST(BoundaryConditions, ComplexConditionsWriteRealAndImaginaryParts) {
  const std::string deck = test::Deck(Plate(R"([{"name": "Sweep", "kind": "steady-state direct",
        "frequencyRanges": [{"lower": 1, "upper": 10}]}])",
                                            R"([
      {"name": "Shake", "kind": "displacement", "region": {"set": "Base", "instance": "Plate"}, "createdIn": "Sweep",
       "u1": 0.1, "u1Imaginary": 0.2, "u2": 0.3}])"));
  const std::size_t start = deck.find("** BOUNDARY CONDITIONS");
  ASSERT_NE(start, std::string::npos);
  EXPECT_EQ(deck.substr(start), R"(** BOUNDARY CONDITIONS
** 
** Name: Shake Type: Displacement/Rotation
*Boundary, load case=1
Plate.Base, 1, 1, 0.1
Plate.Base, 2, 2, 0.3
*Boundary, load case=2
Plate.Base, 1, 1, 0.2
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
)");
}

TEST(BoundaryConditions, SubmodelConditionsWithOneDrivingStepShareOneKeyword) {
  const std::string deck = test::Deck(Plate(R"([{"name": "S1", "kind": "static"}])", R"([
      {"name": "Cut-A", "kind": "submodel", "region": {"set": "Top", "instance": "Plate"}, "createdIn": "S1",
       "dofs": [1, 2], "globalStep": "Global", "globalIncrement": 3, "globalElset": "Near"},
      {"name": "Cut-B", "kind": "submodel", "region": {"set": "Base", "instance": "Plate"}, "createdIn": "S1",
       "dofs": [3], "globalStep": "Global", "globalIncrement": 3, "globalElset": "Near"}])"));
  EXPECT_NE(deck.find("*Submodel, global elset=Near\nPlate.Top, \nPlate.Base, \n*End Assembly\n"), std::string::npos);
  EXPECT_EQ(StepBody(deck, "S1"), std::string(kHeading) + R"(** Name: Cut-A, Cut-B Type: Submodel
*Boundary, submodel, step=Global, inc=3
Plate.Top, 1, 1
Plate.Top, 2, 2
Plate.Base, 3, 3
)");
}

TEST(BoundaryConditions, DatumSystemsGiveTransforms) {
  const std::string deck = test::Deck(test::Model(R"(
     "datums": [{"name": "Rect", "kind": "rectangular"}],
     "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0]}, "sets": [{"name": "Top", "kind": "node", "nodes": [1]}]}}],
     "assembly": {"instances": [{"name": "Plate", "part": "P"}]}, "steps": [{"name": "S1", "kind": "static"}],
     "boundaryConditions": [{"name": "Skew", "kind": "displacement", "region": {"set": "Top", "instance": "Plate"},
                             "datum": "Rect", "u1": 0.0}])"));
  EXPECT_NE(deck.find("*Nset, nset=_T-Rect\nPlate.Top, \n*Transform, nset=_T-Rect\n"), std::string::npos) << deck;
}

// Conditions built in code: connector motions and bolt loads, which the
// model file does not give yet.

std::shared_ptr<kbcC_BoundaryCondition> ConnectorMotion() {
  auto condition = kbcC_Make(kbcC_BCKind::ConnDisplacement, "Slide");
  condition->connectorRegions = {"Wire-1", "Wire 2"};
  kbcC_BCState state;
  state.real[0].Set(0.1);
  state.real[2].Set(0.0);
  condition->states.Set(1, mdl_Created, state);
  return condition;
}

TEST(BoundaryConditions, ConnectorMotionsCiteTheElementSetOfTheirWires) {
  auto step = std::make_shared<kprC_StaticStep>("S1");
  odb_Odb odb = test::ModelOf({step}, [](ddb_ModelContents& contents) {
    contents.boundaryConditions.Add("Slide", ConnectorMotion());
  });
  const std::string deck = test::Deck(odb);
  EXPECT_NE(deck.find("*Elset, elset=Slide, internal\nWire-1, \n\"Wire 2\", \n*End Assembly"), std::string::npos) << deck;
  EXPECT_EQ(StepBody(deck, "S1"), std::string(kHeading) + R"(** Name: Slide Type: Connector displacement
** Applies To: Wire-1, Wire 2
*Connector Motion
Slide, 1, 0.1
Slide, 3
)");
}

TEST(BoundaryConditions, BoltLoadsAppliedAsALengthGetTheirComment) {
  auto bolt = std::make_shared<kloC_BoltLoad>("Bolt");
  kloC_BoltLoadState state;
  state.method.Set(BOLT_FIX_LENGTH);
  bolt->Set(1, mdl_Created, state);
  auto force = std::make_shared<kloC_BoltLoad>("Force");
  state.method.Set(BOLT_APPLY_FORCE);
  force->Set(1, mdl_Created, state);
  odb_Odb odb = test::ModelOf({std::make_shared<kprC_StaticStep>("S1")}, [&](ddb_ModelContents& contents) {
    contents.loads.Add("Bolt", bolt);
    contents.loads.Add("Force", force);
  });
  // The bolt applied as a force belongs to the loads: its comment there, and
  // no *Cload data while its magnitude is not given.
  EXPECT_EQ(StepBody(test::Deck(odb), "S1"), std::string(kHeading) +
                                                 "** Name: Bolt Type: Bolt load\n"
                                                 "** \n** LOADS\n** \n** Name: Force   Type: Bolt load\n");
}

TEST(BoundaryConditions, KeywordsOutsideTheirGroupAreRefusedWhenWritten) {
  const auto condition = ConnectorMotion();
  const oif_KeywordForm form = oif_KeywordForm::Make(mdl_Created, false);
  EXPECT_NE(test::Thrown<nex_TextException>([&] { test::Print(oif_Boundary(form, condition, 1, std::make_shared<const cow_String>("S"), oif_Boundary::NoLoadCase, false, 1.0, false)); })
                .find("Unimplemented boundary condition in input file."),
            std::string::npos);
  auto displacement = kbcC_Make(kbcC_BCKind::Displacement, "D");
  EXPECT_NE(test::Thrown<nex_TextException>([&] { test::Print(oif_ConnectorMotion(form, displacement, 1, std::make_shared<const cow_String>("S"), oif_Boundary::NoLoadCase, false, 1.0)); })
                .find("Unimplemented ConnectorMotion condition in input file."),
            std::string::npos);
}

TEST(BoundaryConditionKinds, TableRowsAreComplete) {
  std::set<std::string> fileNames, labels;
  for (const kbcC_BCInfo& info : kbcC_BCTable()) {
    SCOPED_TRACE(info.className);
    EXPECT_TRUE(fileNames.insert(info.fileName).second);
    EXPECT_TRUE(labels.insert(info.label).second);
    EXPECT_EQ(kbcC_FindKind(info.fileName), &info);
    EXPECT_EQ(kbcC_Make(info.kind, "X")->DynTypeId(), kbcC_TypeIdOf(info.kind));
    EXPECT_STREQ(kbcC_BCTypeLabelMap::Label(kbcC_TypeIdOf(info.kind)), info.label);
    const bool motion = info.form == kbcC_BCForm::Motion || info.form == kbcC_BCForm::ConnectorMotion;
    EXPECT_EQ(info.componentCount, motion ? 6 : info.form == kbcC_BCForm::Field ? 1 : 0);
    EXPECT_EQ(info.dof != 0, info.form == kbcC_BCForm::Field);
  }
  EXPECT_EQ(fileNames.size(), std::size_t(kbcC_BCKindCount));
}

}  // namespace

namespace {

/// The members of a plate model with steps S1 to S3, an amplitude "Ramp" and `conditions`.
std::string PlateMembers(const std::string& conditions, const std::string& steps = kThreeSteps) {
  return R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
       "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 2]}],
       "sets": [{"name": "Top", "kind": "node", "nodes": [1]}, {"name": "Bar", "kind": "element", "elements": [1]}]}}],
     "assembly": {"instances": [{"name": "Plate", "part": "P"}]},
     "amplitudes": [{"name": "Ramp", "kind": "tabular", "pairs": [0, 0, 1, 1]}],
     "steps": )" + steps + R"(, "boundaryConditions": )" + conditions;
}

std::string Pull(const std::string& members) {
  return R"([{"name": "Pull", "kind": "displacement", "region": {"set": "Top", "instance": "Plate"}, )" + members + "}]";
}

TEST(BoundaryConditionFile, RefusesWhatRefersToNothingOrMakesNoSense) {
  test::ExpectRefusals({
      {PlateMembers(R"([{"name": "Pull", "kind": "displacement", "region": {"set": "Nowhere", "instance": "Plate"}}])"),
       "model.unknown-reference", "/boundaryConditions/0/region/set", "no set named \"Nowhere\""},
      {PlateMembers(R"([{"name": "Pull", "kind": "displacement", "region": {"set": "Bar", "instance": "Plate"}}])"),
       "model.type", "/boundaryConditions/0/region/set", "expected a node set"},
      {PlateMembers(Pull(R"("amplitude": "Smooth")")), "model.unknown-reference", "/boundaryConditions/0/amplitude",
       "no amplitude named \"Smooth\""},
      {PlateMembers(Pull(R"("createdIn": "S9")")), "model.unknown-reference", "/boundaryConditions/0/createdIn",
       "no step named \"S9\""},
      {PlateMembers(Pull(R"("createdIn": "S2", "changes": [{"step": "S1", "u1": 1}])")), "model.step",
       "/boundaryConditions/0/changes/0/step", "after the step the object is created in"},
      {PlateMembers(Pull(R"("createdIn": "S1", "deactivatedIn": "S2", "changes": [{"step": "S3", "u1": 1}])")),
       "model.step", "/boundaryConditions/0/changes/0/step", "after the object's deactivation"},
      {PlateMembers(Pull(R"("history": [{"step": "S1", "status": 1}, {"step": "S2", "status": 1}])")), "model.step",
       "/boundaryConditions/0/history/1/status", "created once"},
      {PlateMembers(Pull(R"("history": [{"step": "S2", "status": 1}, {"step": "S1", "status": 3}])")), "model.step",
       "/boundaryConditions/0/history/1/step", "in step order"},
      {PlateMembers(Pull(R"("history": [{"step": "S1", "status": 8}])")), "model.range",
       "/boundaryConditions/0/history/0/status", "1 to 4 or 9 to 11"},
      {PlateMembers(Pull(R"("v1": 1)")), "model.unknown-member", "/boundaryConditions/0/v1", "v1"},
      {PlateMembers(R"([{"name": "S", "kind": "symmetry", "region": {"set": "Top", "instance": "Plate"},
                         "type": "QSYMM"}])"),
       "model.enum", "/boundaryConditions/0/type", "XSYMM"},
      {PlateMembers(R"([{"name": "S", "kind": "connector displacement", "region": {"set": "Top", "instance": "Plate"}}])"),
       "model.missing-member", "/boundaryConditions/0", "missing member 'wires'"},
      {PlateMembers(R"([{"name": "S", "kind": "rotation", "region": {"set": "Top", "instance": "Plate"}}])"),
       "model.enum", "/boundaryConditions/0/kind", "unknown boundary condition kind"},
      {PlateMembers(Pull(R"("createdIn": "S1")"),
                    R"([{"name": "S1", "kind": "static", "loadCases": [{"name": "A", "boundaryConditions": {"Push": 1}}]}])"),
       "model.unknown-reference", "/steps/0/loadCases/0/boundaryConditions/Push", "no boundary condition named \"Push\""},
      {PlateMembers(Pull(R"("createdIn": "S1")"),
                    R"([{"name": "S1", "kind": "static", "loadCases": [{"name": "A"}]}])"),
       "model.load-case", "/boundaryConditions/0", "no load case of that step lists it"},
  });
}

TEST(BoundaryConditionFile, RefusesAnAmplitudeWithAnOddNumberOfPairValues) {
  test::ExpectRefusals({
      {R"("amplitudes": [{"name": "Odd", "kind": "tabular", "pairs": [0, 0, 1]}])", "model.size",
       "/amplitudes/0/pairs", "an even number of values, found 3"},
      {R"("amplitudes": [{"name": "Odd", "kind": "periodic", "coefficients": [1]}])", "model.size",
       "/amplitudes/0/coefficients", "an even number of values"},
      {R"("amplitudes": [{"name": "D", "kind": "decay", "values": [1, 2]}])", "model.size", "/amplitudes/0/values",
       "expected 4 values"},
      {R"("amplitudes": [{"name": "E", "kind": "equally spaced", "values": [1]}])", "model.missing-member",
       "/amplitudes/0", "fixedInterval"},
      {R"("amplitudes": [{"name": "Q", "kind": "spectrum", "rows": [[1, 2]]}])", "model.size", "/amplitudes/0/rows/0",
       "three values"},
      {R"("amplitudes": [{"name": "Q", "kind": "spectrum", "rows": [[1, 2, 3]]}],
          "steps": [{"name": "R", "kind": "response spectrum", "components": [{"spectrum": "Quake"}]}])",
       "model.unknown-reference", "/steps/0/components/0/spectrum", "no spectrum named \"Quake\""},
  });
}

}  // namespace

namespace {

TEST(BoundaryConditionExample, HistoryDeckReadsAsWrittenByHand) {
  const std::string deck = test::Deck(mfl_ModelFile::Open(std::string(OIF_SOURCE_DIR) + "/examples/history.json"));
  const std::size_t start = deck.find("*End Assembly\n");
  ASSERT_NE(start, std::string::npos);
  EXPECT_EQ(deck.substr(start), R"(*End Assembly
*Amplitude, name=Ramp
0., 0., 0.5, 0.8, 1., 1.
*Amplitude, name=Shake, definition=PERIODIC
1, 62.83, 0., 0.
0., 1.
** 
** MATERIALS
** 
*Material, name=Steel
*Density
 7.85e-09,
*Elastic
210000., 0.3
** 
** BOUNDARY CONDITIONS
** 
** Name: Clamp Type: Symmetry/Antisymmetry/Encastre
*Boundary
Plate-1.LeftFace, ENCASTRE
** ----------------------------------------------------------------
** 
** STEP: Stretch
** 
*Step, name=Stretch
Pull the right face
*Static
0.1, 1., 1e-05, 1.
** 
** BOUNDARY CONDITIONS
** 
** Name: Pull Type: Displacement/Rotation
*Boundary, amplitude=Ramp
Plate-1.RightFace, 1, 1, 0.05
Plate-1.RightFace, 2, 2
** Name: Symmetry Type: Symmetry/Antisymmetry/Encastre
*Boundary
Plate-1.Bottom, ZSYMM
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
** ----------------------------------------------------------------
** 
** STEP: Shear
** 
*Step, name=Shear
Add a shear of the right face
*Static
1., 1., 1e-05, 1.
** 
** BOUNDARY CONDITIONS
** 
** Name: Pull Type: Displacement/Rotation
*Boundary, amplitude=Ramp
Plate-1.RightFace, 2, 2, 0.02
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
** ----------------------------------------------------------------
** 
** STEP: Release
** 
*Step, name=Release
Let the right face go
*Static
1., 1., 1e-05, 1.
** 
** BOUNDARY CONDITIONS
** 
** Name: Clamp Type: Symmetry/Antisymmetry/Encastre
*Boundary, op=NEW
Plate-1.LeftFace, ENCASTRE
** Name: Pull Type: Displacement/Rotation
*Boundary, op=NEW
** Name: Symmetry Type: Symmetry/Antisymmetry/Encastre
*Boundary, op=NEW
Plate-1.Bottom, ZSYMM
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
** ----------------------------------------------------------------
** 
** STEP: Service
** 
*Step, name=Service
Two service cases
*Static
1., 1., 1e-05, 1.
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
** 
** LOAD CASES
** 
*Load Case, name=Lift
** Name: Lift Type: Displacement/Rotation   Scale factor: 1.
*Boundary, amplitude=Shake
Plate-1.RightFace, 3, 3, 0.01
*End Load Case
*Load Case, name=Press
** Name: Lift Type: Displacement/Rotation   Scale factor: -0.5
*Boundary, amplitude=Shake
Plate-1.RightFace, 3, 3, -0.005
*End Load Case
*End Step
)");
}

}  // namespace

namespace {

TEST(BoundaryConditions, SecondFormsOfTheExplicitHistory) {
  const std::string deck = test::Deck(Plate(R"([{"name": "S1", "kind": "static", "loadCases": [
        {"name": "A", "includeBaseStateBoundaryConditions": true}, {"name": "B"}]},
      {"name": "S2", "kind": "static"}, {"name": "S3", "kind": "static"}])",
                                            R"([
      {"name": "Base", "kind": "displacement", "region": {"set": "Top", "instance": "Plate"}, "history": [
        {"step": "Initial", "status": 1, "values": {"u1": 1, "u2": 2}, "attributeStates": {"u1": 1, "u2": 1}},
        {"step": "S1", "status": 9, "values": {"u1": 1, "u2": 2}, "attributeStates": {"u1": 2, "u2": 2}},
        {"step": "S2", "status": 10, "values": {"u1": 3, "u2": 2}, "attributeStates": {"u1": 1, "u2": 2}},
        {"step": "S3", "status": 11}]}])"));
  // Status 9 in a step with load cases: only the case that includes the
  // base state's conditions writes it, in full; the other case is emptied.
  const std::size_t cases = deck.find("** LOAD CASES");
  ASSERT_NE(cases, std::string::npos);
  EXPECT_EQ(deck.substr(cases, deck.find("*End Step", cases) - cases), R"(** LOAD CASES
** 
*Load Case, name=A
** Name: Base Type: Displacement/Rotation   Scale factor: 1.
*Boundary
Plate.Top, 1, 1, 1.
Plate.Top, 2, 2, 2.
*End Load Case
*Load Case, name=B
*Boundary, op=NEW
*End Load Case
)");
  // Status 10 like 3: the changed component alone; 11 like 4: removal with ", op=NEW".
  EXPECT_EQ(StepBody(deck, "S2"), std::string(kHeading) + R"(** Name: Base Type: Displacement/Rotation
*Boundary
Plate.Top, 1, 1, 3.
)");
  EXPECT_EQ(StepBody(deck, "S3"), std::string(kHeading) + R"(** Name: Base Type: Displacement/Rotation
*Boundary, op=NEW
)");
}

}  // namespace
