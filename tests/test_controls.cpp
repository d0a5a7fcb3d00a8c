// Solution controls and solver controls: value lists against the solver's
// defaults, the line search rule, propagated and default controls, and the
// controls history of the model file.
#include <gtest/gtest.h>

#include "oif/impl/oif_Controls.h"
#include "test_steps_support.h"

namespace {

using P = kprC_PrimaryControls;

TEST(ControlsDefaults, ListLengthsOfTheSolver) {
  EXPECT_EQ(P::timeIncrementationDef(false).size(), 28u);
  EXPECT_EQ(P::timeIncrementationDef(true).size(), 28u);
  EXPECT_EQ(P::lineSearchDef().size(), 5u);
  EXPECT_GE(P::fieldDef(true).size(), 8u);
  EXPECT_EQ(P::fieldDef(false).size(), P::fieldDef(true).size());
  // Severely discontinuous analyses differ in the first two counts only.
  std::vector<double> continuous = P::timeIncrementationDef(false);
  std::vector<double> severe = P::timeIncrementationDef(true);
  EXPECT_NE(continuous[0], severe[0]);
  EXPECT_NE(continuous[1], severe[1]);
  continuous[0] = severe[0];
  continuous[1] = severe[1];
  EXPECT_EQ(continuous, severe);
  // New controls hold the default lists.
  kprC_CTDControls controls;
  EXPECT_EQ(controls.timeIncrementation, P::timeIncrementationDef(false));
  EXPECT_EQ(controls.temperature, P::fieldDef(false));
  EXPECT_EQ(controls.displacement, P::fieldDef(true));
}

TEST(Controls, DefaultListsWriteOnlyTheReset) {
  EXPECT_EQ(test::Print(oif_TypicalControls(kprC_TypicalControls(), false)), "*Controls, reset\n");
  kprC_TypicalControls controls;
  controls.timeIncrementation[0] = 99;
  controls.defaults = true;
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), "*Controls, reset\n");
  controls.propagated = true;
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), "");
}

TEST(Controls, OneChangedCountFillsTheFirstLine) {
  kprC_TypicalControls controls;
  controls.timeIncrementation[3] = 20;
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, parameters=time incrementation
, , , 20, , , , , , , 
)");
}

TEST(Controls, TheLastTimeIncrementationValueWritesAllFourLines) {
  kprC_TypicalControls controls;
  controls.timeIncrementation[27] = 0.6;
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, parameters=time incrementation
, , , , , , , , , , 
, , , , , , , 
, , , , , , , 
0.6
)");
  controls.timeIncrementation[27] = P::timeIncrementationDef(false)[27];
  controls.timeIncrementation[12] = 0.4;
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, parameters=time incrementation
, , , , , , , , , , 
, 0.4, , , , , , 
)");
}

TEST(Controls, CountsAreComparedAndWrittenAsIntegers) {
  kprC_TypicalControls controls;
  controls.timeIncrementation[0] = 4.7;  // the int 4 is the default
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, parameters=time incrementation
, , , , , , , , , , 
)");
  controls.timeIncrementation[10] = 75.9;
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, parameters=time incrementation
, , , , , , , , , , 75
)");
}

TEST(Controls, DiscontinuousAnalysisComparesWithItsOwnDefaults) {
  kprC_TypicalControls controls;
  controls.discontinuous = true;
  controls.timeIncrementation = P::timeIncrementationDef(true);
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, analysis=discontinuous
)");
  controls.timeIncrementation[0] = P::timeIncrementationDef(false)[0];
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, analysis=discontinuous
*Controls, parameters=time incrementation
4, , , , , , , , , , 
)");
}

TEST(Controls, AListOfAnotherLengthWritesTheHeaderOnly) {
  kprC_TypicalControls controls;
  controls.timeIncrementation.resize(11);
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, parameters=time incrementation

)");
}

TEST(Controls, LineSearchCountsItsIterationsAgainstTheQuasiNewtonDefault) {
  kprC_TypicalControls controls;
  controls.lineSearch[0] = 5;
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, true)), "*Controls, reset\n");
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, parameters=line search
5, , , , 
)");
  controls.lineSearch[0] = 0;
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), "*Controls, reset\n");
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, true)), R"(*Controls, reset
*Controls, parameters=line search
0, , , , 
)");
  controls.lineSearch = {5, 2.0, 0.0001, 0.5, 0.1};
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, true)), R"(*Controls, reset
*Controls, parameters=line search
, 2., , 0.5, 
)");
  controls.lineSearch.clear();
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), "*Controls, reset\n");
}

TEST(Controls, ConstraintsOnOneLine) {
  kprC_TypicalControls controls;
  controls.constraints[1] = 2e-5;
  EXPECT_EQ(test::Print(oif_TypicalControls(controls, false)), R"(*Controls, reset
*Controls, parameters=constraints
, 2e-05, , 
)");
}

TEST(Controls, FieldGroupsByKindWithTheirSecondLine) {
  kprC_CTDControls ctd;
  ctd.rotation[0] = 0.01;
  ctd.temperature[9] = 0.002;
  ctd.displacement[8] = 1e-4;
  EXPECT_EQ(test::Print(oif_CTDControls(ctd, false)), R"(*Controls, reset
*Controls, parameters=field, field=displacement
, , , , , , , 
0.0001, 
*Controls, parameters=field, field=rotation
0.01, , , , , , , 
*Controls, parameters=field, field=temperature
, , , , , , , 
, 0.002
)");
  // The first line alone when the values from 8 on are defaults.
  kprC_CTDControls firstLine;
  firstLine.hydrostaticFluidPressure[2] = 1;
  EXPECT_EQ(test::Print(oif_CTDControls(firstLine, false)), R"(*Controls, reset
*Controls, parameters=field, field=hydrostatic fluid pressure
, , 1., , , , , 
)");
}

TEST(Controls, EveryKindWritesItsOwnFields) {
  auto changed = [](std::vector<double>& list) { list[4] = 0.5; };
  kprC_PoreControls pore;
  changed(pore.poreFluidPressure);
  changed(pore.displacement);
  EXPECT_EQ(test::Print(oif_PoreControls(pore, false)), R"(*Controls, reset
*Controls, parameters=field, field=displacement
, , , , 0.5, , , 
*Controls, parameters=field, field=pore fluid pressure
, , , , 0.5, , , 
)");
  kprC_ElectricalControls electrical;
  changed(electrical.electricalPotential);
  EXPECT_EQ(test::Print(oif_ElectricalControls(electrical, false)), R"(*Controls, reset
*Controls, parameters=field, field=electrical potential
, , , , 0.5, , , 
)");
  kprC_CTEControls cte;
  changed(cte.temperature);
  changed(cte.electricalPotential);
  EXPECT_EQ(test::Print(oif_CTEControls(cte, false)), R"(*Controls, reset
*Controls, parameters=field, field=temperature
, , , , 0.5, , , 
*Controls, parameters=field, field=electrical potential
, , , , 0.5, , , 
)");
  kprC_HeatTransferControls heat;
  changed(heat.temperature);
  heat.discontinuous = true;
  heat.timeIncrementation = P::timeIncrementationDef(true);
  EXPECT_EQ(test::Print(oif_HeatTransferControls(heat, false)), R"(*Controls, reset
*Controls, analysis=discontinuous
*Controls, parameters=field, field=temperature
, , , , 0.5, , , 
)");
  kprC_MassDiffusionControls diffusion;
  changed(diffusion.concentration);
  diffusion.defaults = true;
  EXPECT_EQ(test::Print(oif_MassDiffusionControls(diffusion, false)), "*Controls, reset\n");
  diffusion.defaults = false;
  EXPECT_EQ(test::Print(oif_MassDiffusionControls(diffusion, false)), R"(*Controls, reset
*Controls, parameters=field, field=concentration
, , , , 0.5, , , 
)");
}

TEST(SolverControls, ResetThenTheValuesGiven) {
  kprC_SolverControls controls;
  EXPECT_EQ(test::Print(oif_SolverControls(controls)), "*Solver Controls, reset\n*Solver Controls\n, , \n");
  controls.tolerance = 1e-8;
  controls.restart = 30;
  EXPECT_EQ(test::Print(oif_SolverControls(controls)), "*Solver Controls, reset\n*Solver Controls\n1e-08, , 30\n");
  controls.defaults = true;
  EXPECT_EQ(test::Print(oif_SolverControls(controls)), "*Solver Controls, reset\n");
  controls.propagated = true;
  EXPECT_EQ(test::Print(oif_SolverControls(controls)), "");
}

// The controls history of the model file, written step by step.

constexpr const char* kFourSteps = R"("steps": [
    {"name": "Preload", "kind": "static"},
    {"name": "Hold", "kind": "static"},
    {"name": "Load", "kind": "static", "solutionTechnique": "quasi-Newton"},
    {"name": "Release", "kind": "static"}])";

/// The part of the deck between two texts.
std::string Between(const std::string& deck, const std::string& from, const std::string& to) {
  const std::size_t start = deck.find(from);
  const std::size_t end = deck.find(to, start);
  if (start == std::string::npos || end == std::string::npos) return "(missing)";
  return deck.substr(start, end - start);
}

TEST(ControlsHistory, CreatedCarriedChangedAndReturnedToDefaults) {
  odb_Odb odb = test::Model(std::string(kFourSteps) + R"(, "controls": [
      {"kind": "typical", "createdIn": "Preload", "discontinuous": true,
       "timeIncrementation": [null, null, null, 20], "lineSearch": [5],
       "changes": [{"step": "Load", "displacement": [null, 0.02]}],
       "deactivatedIn": "Release"}])");
  const std::string deck = test::Steps(odb);
  EXPECT_EQ(Between(deck, "*Static\n", "*Output, field"), R"(*Static
1., 1., 1e-05, 1.
** 
** CONTROLS
** 
*Controls, reset
*Controls, analysis=discontinuous
*Controls, parameters=time incrementation
, , , 20, , , , , , , 
*Controls, parameters=line search
5, , , , 
)");
  EXPECT_EQ(Between(deck, "*Step, name=Hold", "*Output, field"), "*Step, name=Hold\n*Static\n1., 1., 1e-05, 1.\n");
  // Changed in Load: everything restated, the quasi-Newton default of the
  // line search left out.
  EXPECT_EQ(Between(deck, "*Step, name=Load", "*Output, field"), R"(*Step, name=Load
*Static
1., 1., 1e-05, 1.
** 
** CONTROLS
** 
*Controls, reset
*Controls, analysis=discontinuous
*Controls, parameters=time incrementation
, , , 20, , , , , , , 
*Controls, parameters=field, field=displacement
, 0.02, , , , , , 
)");
  EXPECT_EQ(Between(deck, "*Step, name=Release", "*Output, field"), R"(*Step, name=Release
*Static
1., 1., 1e-05, 1.
** 
** CONTROLS
** 
*Controls, reset
)");
}

TEST(ControlsHistory, QuasiNewtonStepKeepsItsLineSearchesWhenTheFileGivesNone) {
  // Controls of a quasi-Newton step that do not give the number of line
  // searches leave it at that technique's default: no line search group, and
  // never a 0 that would turn line search off.
  odb_Odb withoutLineSearch = test::Model(std::string(kFourSteps) + R"(, "controls": [
      {"kind": "typical", "createdIn": "Load", "constraints": [null, 2e-5], "deactivatedIn": "Release"}])");
  EXPECT_EQ(Between(test::Steps(withoutLineSearch), "*Step, name=Load", "*Output, field"), R"(*Step, name=Load
*Static
1., 1., 1e-05, 1.
** 
** CONTROLS
** 
*Controls, reset
*Controls, parameters=constraints
, 2e-05, , 
)");
  odb_Odb otherValue = test::Model(std::string(kFourSteps) + R"(, "controls": [
      {"kind": "typical", "createdIn": "Load", "lineSearch": [null, 2.0], "deactivatedIn": "Release"}])");
  EXPECT_EQ(Between(test::Steps(otherValue), "*Step, name=Load", "*Output, field"), R"(*Step, name=Load
*Static
1., 1., 1e-05, 1.
** 
** CONTROLS
** 
*Controls, reset
*Controls, parameters=line search
, 2., , , 
)");
  // A 0 the file gives is kept: the user turns line search off.
  odb_Odb off = test::Model(std::string(kFourSteps) + R"(, "controls": [
      {"kind": "typical", "createdIn": "Load", "lineSearch": [0], "deactivatedIn": "Release"}])");
  EXPECT_NE(test::Steps(off).find("*Controls, parameters=line search\n0, , , , \n"), std::string::npos);
}

TEST(ControlsHistory, ResetReturnsOneListToItsDefaults) {
  odb_Odb odb = test::Model(std::string(kFourSteps) + R"(, "controls": [
      {"kind": "heat transfer", "createdIn": "Hold", "constraints": [2e-5], "temperature": [0.01],
       "changes": [{"step": "Release", "reset": ["constraints"]}]}])");
  EXPECT_EQ(Between(test::Steps(odb), "*Step, name=Release", "*Output, field"), R"(*Step, name=Release
*Static
1., 1., 1e-05, 1.
** 
** CONTROLS
** 
*Controls, reset
*Controls, parameters=field, field=temperature
0.01, , , , , , , 
)");
}

TEST(ControlsHistory, SolverControlsPropagateSilently) {
  odb_Odb odb = test::Model(std::string(kFourSteps) + R"(, "solverControls": [
      {"createdIn": "Hold", "maxIterations": 400, "changes": [{"step": "Release", "tolerance": 1e-7}]}])");
  const std::string deck = test::Steps(odb);
  EXPECT_EQ(Between(deck, "*Step, name=Hold", "*Output, field"), R"(*Step, name=Hold
*Static
1., 1., 1e-05, 1.
** 
** SOLVER CONTROLS
** 
*Solver Controls, reset
*Solver Controls
, 400, 
)");
  EXPECT_EQ(Between(deck, "*Step, name=Load", "*Output, field"), "*Step, name=Load\n*Static\n1., 1., 1e-05, 1.\n");
  EXPECT_NE(deck.find("*Solver Controls\n1e-07, 400, \n"), std::string::npos);
}

TEST(ControlsHistory, ExplicitHistoryStatesFlagsPerStep) {
  odb_Odb odb = test::Model(std::string(kFourSteps) + R"(, "controls": [
      {"kind": "pore fluid", "history": [
        {"step": "Hold", "status": 2, "values": {"lineSearch": [4]}},
        {"step": "Load", "status": 4, "values": {"lineSearch": [4]}},
        {"step": "Release", "status": 3, "values": {"poreFluidPressure": [null, null, 3]}}]}])");
  const std::string deck = test::Steps(odb);
  EXPECT_EQ(deck.find("parameters=line search"), std::string::npos);
  EXPECT_EQ(Between(deck, "*Step, name=Load", "*Output, field"), R"(*Step, name=Load
*Static
1., 1., 1e-05, 1.
** 
** CONTROLS
** 
*Controls, reset
)");
  EXPECT_NE(deck.find("*Controls, parameters=field, field=pore fluid pressure\n, , 3., , , , , \n"),
            std::string::npos);
}

TEST(ControlsHistory, RefusesWhatCannotBeWritten) {
  auto refuse = [](const char* controls) {
    const test::Refusal refusal = test::Refuse(std::string(kFourSteps) + ", " + controls);
    return refusal.id + " " + refusal.pointer;
  };
  EXPECT_EQ(refuse(R"("controls": [{"kind": "typical", "lineSearch": [5]}])"), "model.step /controls/0");
  EXPECT_EQ(refuse(R"("controls": [{"kind": "typical", "createdIn": "Hold"}, {"kind": "typical", "createdIn": "Load"}])"),
            "model.conflict /controls/1");
  EXPECT_EQ(refuse(R"("controls": [{"kind": "typical", "createdIn": "Hold", "temperature": [1]}])"),
            "model.unknown-member /controls/0/temperature");
  EXPECT_EQ(refuse(R"("controls": [{"kind": "typical", "createdIn": "Hold", "lineSearch": [1, 2, 3, 4, 5, 6]}])"),
            "model.size /controls/0/lineSearch");
  EXPECT_EQ(refuse(R"("controls": [{"kind": "typical", "createdIn": "Hold", "timeIncrementation": [null, 2.5]}])"),
            "model.type /controls/0/timeIncrementation/1");
  EXPECT_EQ(refuse(R"("controls": [{"kind": "typical", "createdIn": "Hold", "constraints": ["tight"]}])"),
            "model.type /controls/0/constraints/0");
  EXPECT_EQ(refuse(R"("controls": [{"kind": "stiff", "createdIn": "Hold"}])"), "model.enum /controls/0/kind");
  EXPECT_EQ(refuse(R"("controls": [{"kind": "typical", "history": [{"step": "Hold", "status": 9}]}])"),
            "model.range /controls/0");
  EXPECT_EQ(refuse(R"("solverControls": [{"createdIn": "Load", "maxIterations": 0}])"),
            "model.range /solverControls/0/maxIterations");
  EXPECT_EQ(refuse(R"("solverControls": [{"createdIn": "Later"}])"), "model.unknown-reference /solverControls/0/createdIn");
}

}  // namespace
