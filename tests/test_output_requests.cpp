// Output requests of the model file and the deck they give: requests by
// channel over the steps, merged *Output lines, regions, each frequency
// kind, restart, monitor and the diagnostic print carried from step to step,
// the refusals of the loader and the warning of the model check.
#include <gtest/gtest.h>

#include <algorithm>

#include "modelfile/mfl_Check.h"
#include "test_steps_support.h"
#include "test_support.h"

namespace {

/// A beam of one brick with an element set, a surface and a node set, and
/// the steps `steps` after the initial step.
std::string Beam(const std::string& steps, const std::string& more = "") {
  return R"("parts": [{"name": "Beam", "mesh": {
      "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0, 0,0,1, 1,0,1, 1,1,1, 0,1,1]},
      "elements": [{"type": "C3D8R", "nodesPerElement": 8, "connectivity": [1,2,3,4,5,6,7,8]}],
      "sets": [{"name": "Body", "kind": "element", "elements": [1]},
               {"name": "Top", "kind": "surface", "elements": [1], "faces": [2]},
               {"name": "Tip", "kind": "node", "nodes": [6, 7]}]}}],
    "assembly": {"instances": [{"name": "Beam-1", "part": "Beam"}]},
    "steps": [{"name": "Initial", "kind": "initial"}, )" +
         steps + "]" + more;
}

/// The keywords of a step from its output requests (or from after its
/// procedure when it has no heading) to "*End Step".
std::string Outputs(const std::string& deck, const std::string& step) {
  std::size_t open = deck.find("*Step, name=" + step + "\n");
  if (open == std::string::npos) open = deck.find("*Step, name=" + step + ",");
  if (open == std::string::npos) return "no step " + step;
  std::size_t start = deck.find("** \n** OUTPUT REQUESTS\n", open);
  const std::size_t end = std::min(deck.find("*End Step\n", open), deck.find("** \n** LOAD CASES\n", open));
  if (start > end) start = deck.find("*Output", open);
  return deck.substr(start, end - start);
}

const std::string kThreeSteps = R"({"name": "Load", "kind": "static"},
    {"name": "Cases", "kind": "static", "loadCases": [{"name": "A"}]},
    {"name": "Modes", "kind": "frequency", "eigenvalues": 4})";

TEST(OutputRequestDecks, RequestsWithEqualFrequencyShareOneOutputLine) {
  const std::string deck = test::Deck(test::Model(Beam(kThreeSteps, R"(, "outputRequests": [
      {"name": "F-Output-1", "channel": "field", "createdIn": "Load", "preset": "preselect"},
      {"name": "F-Output-2", "channel": "field", "createdIn": "Load", "region": {"set": "Tip", "instance": "Beam-1"},
       "variables": ["RF"], "frequency": 1},
      {"name": "H-Output-1", "channel": "history", "createdIn": "Load",
       "region": {"set": "Tip", "instance": "Beam-1"}, "variables": ["RF1", "RF2"]},
      {"name": "H-Output-2", "channel": "history", "createdIn": "Load", "variables": ["ALLIE", "ALLKE"]}])")));
  const std::string load = R"(** 
** OUTPUT REQUESTS
** 
** 
** FIELD OUTPUT: F-Output-1
** 
*Output, field, variable=PRESELECT
** 
** FIELD OUTPUT: F-Output-2
** 
*Node Output, nset=Beam-1.Tip
RF, 
** 
** HISTORY OUTPUT: H-Output-1
** 
*Output, history
*Node Output, nset=Beam-1.Tip
RF, 
** 
** HISTORY OUTPUT: H-Output-2
** 
*Energy Output
ALLIE, ALLKE
)";
  EXPECT_EQ(Outputs(deck, "Load"), load);
  // A step with load cases collects no history request: its history channel
  // gets the default request.
  EXPECT_EQ(Outputs(deck, "Cases"), R"(** 
** OUTPUT REQUESTS
** 
** 
** FIELD OUTPUT: F-Output-1
** 
*Output, field, variable=PRESELECT
** 
** FIELD OUTPUT: F-Output-2
** 
*Node Output, nset=Beam-1.Tip
RF, 
*Output, history, variable=PRESELECT
)");
  // Eigenvalue extraction: the field requests at the modes; energies are not
  // written there, so the energy request is left out.
  // F-Output-2 gives its frequency, which the procedure allows, while
  // F-Output-1 takes the procedure's default kind, the mode list: the two
  // no longer share a line, and the record written every increment comes
  // first.
  EXPECT_EQ(Outputs(deck, "Modes"), R"(** 
** OUTPUT REQUESTS
** 
** 
** FIELD OUTPUT: F-Output-2
** 
*Output, field, frequency=1
*Node Output, nset=Beam-1.Tip
RF, 
** 
** FIELD OUTPUT: F-Output-1
** 
*Output, field, variable=PRESELECT
** 
** HISTORY OUTPUT: H-Output-1
** 
*Output, history
*Node Output, nset=Beam-1.Tip
RF, 
)");
}

TEST(OutputRequestDecks, EqualRequestsAreWrittenOnceUnderBothNames) {
  const std::string deck = test::Deck(test::Model(Beam(R"({"name": "Load", "kind": "static"})", R"(, "outputRequests": [
      {"name": "A", "channel": "field", "createdIn": "Load", "variables": ["S", "PE"], "numberInterval": 10},
      {"name": "B", "channel": "field", "createdIn": "Load", "variables": ["S", "PE"], "numberInterval": 10}])")));
  EXPECT_EQ(Outputs(deck, "Load"), R"(** 
** OUTPUT REQUESTS
** 
** 
** FIELD OUTPUT: A, B
** 
*Output, field, number interval=10
*Element Output, directions=YES
S, PE, PEEQ
*Output, history, variable=PRESELECT
)");
}

TEST(OutputRequestDecks, EachFrequencyKindOverTheSteps) {
  const std::string deck = test::Deck(test::Model(Beam(
      R"({"name": "Load", "kind": "static"}, {"name": "Hold", "kind": "static"}, {"name": "Modes", "kind": "frequency"},
         {"name": "Off", "kind": "static"})",
      R"(, "outputRequests": [
      {"name": "F", "channel": "field", "createdIn": "Load", "variables": ["U"], "timeInterval": 0.25,
       "changes": [{"step": "Hold", "numberInterval": 5, "timeMarks": false}, {"step": "Modes", "modes": [1, 2]},
                   {"step": "Off", "frequency": 0}]}])")));
  EXPECT_EQ(Outputs(deck, "Load"), "** \n** OUTPUT REQUESTS\n** \n** \n** FIELD OUTPUT: F\n** \n"
                                   "*Output, field, time interval=0.25\n*Node Output\nU, \n"
                                   "*Output, history, variable=PRESELECT\n");
  EXPECT_EQ(Outputs(deck, "Hold"), "** \n** OUTPUT REQUESTS\n** \n** \n** FIELD OUTPUT: F\n** \n"
                                   "*Output, field, number interval=5, time marks=NO\n*Node Output\nU, \n"
                                   "*Output, history, variable=PRESELECT\n");
  EXPECT_EQ(Outputs(deck, "Modes"), "** \n** OUTPUT REQUESTS\n** \n** \n** FIELD OUTPUT: F\n** \n"
                                    "*Output, field, mode list\n1, 2, \n*Node Output\nU, \n");
  // Frequency 0: no output, so no preset on the line.
  EXPECT_EQ(Outputs(deck, "Off"), "** \n** OUTPUT REQUESTS\n** \n** \n** FIELD OUTPUT: F\n** \n"
                                  "*Output, field, frequency=0\n*Node Output\nU, \n"
                                  "*Output, history, variable=PRESELECT\n");
}

TEST(OutputRequestDecks, StepsWithoutRequestsGetTheirProceduresDefault) {
  const std::string deck = test::Deck(test::Model(Beam(
      R"({"name": "Load", "kind": "static"}, {"name": "Modes", "kind": "frequency"},
         {"name": "Drop", "kind": "explicit dynamics"})")));
  EXPECT_EQ(Outputs(deck, "Load"), "*Output, field, variable=PRESELECT\n*Output, history, variable=PRESELECT\n");
  EXPECT_EQ(Outputs(deck, "Modes"), "*Output, field\n*Node Output\nU, \n");
  EXPECT_EQ(Outputs(deck, "Drop"), "*Output, field, variable=PRESELECT\n*Output, history, variable=PRESELECT\n");
}

TEST(OutputRequestDecks, RestartMonitorAndDiagnosticPrintCarriedFromStepToStep) {
  const std::string deck = test::Deck(test::Model(Beam(R"(
      {"name": "Load", "kind": "static", "restart": {"numberInterval": 2},
       "monitor": {"node": {"set": "Tip", "instance": "Beam-1"}, "dof": 3},
       "diagnosticPrint": {"residual": false, "contact": true}},
      {"name": "Again", "kind": "static", "diagnosticPrint": {"residual": false, "contact": true},
       "restart": {"frequency": 5, "overlay": true}},
      {"name": "Probe", "kind": "static linear perturbation", "diagnosticPrint": {"solve": true}},
      {"name": "Back", "kind": "static", "diagnosticPrint": {"residual": false, "contact": true, "solve": true}},
      {"name": "Drop", "kind": "explicit dynamics", "monitor": {"node": {"set": "Tip", "instance": "Beam-1"}, "dof": 1},
       "restart": {"numberInterval": 4}, "diagnosticPrint": {"etotal": true}})")));
  const std::string defaults = "*Output, field, variable=PRESELECT\n*Output, history, variable=PRESELECT\n";
  const std::string heading = "** \n** OUTPUT REQUESTS\n** \n";
  EXPECT_EQ(Outputs(deck, "Load"), heading + "*Restart, write, number interval=2, time marks=NO\n"
                                              "*Print, contact=YES, residual=NO\n"
                                              "*Monitor, dof=3, node=Beam-1.Tip, frequency=1\n" + defaults);
  // The same settings as the step before: nothing to state.
  EXPECT_EQ(Outputs(deck, "Again"), heading + "*Restart, write, overlay, frequency=5\n" + defaults);
  EXPECT_EQ(Outputs(deck, "Probe"), heading + "*Print, solve=YES\n" + defaults);
  // The perturbation step's solve flag is in force after it.
  EXPECT_EQ(Outputs(deck, "Back"), heading + defaults);
  EXPECT_EQ(Outputs(deck, "Drop"), heading + "*Restart, write, number interval=4, time marks=NO\n"
                                              "*Print, etotal=YES\n*Monitor, dof=1, node=Beam-1.Tip\n" + defaults);
}

TEST(OutputRequestFile, RefusesWhatCannotBeWritten) {
  const std::string load = R"({"name": "Load", "kind": "static"})";
  test::ExpectRefusals({
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "field", "createdIn": "Load",
          "variables": ["U", "STRESS"]}])"),
       "model.unknown-reference", "/outputRequests/0/variables/1", "no output variable named \"STRESS\""},
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "field", "createdIn": "Load",
          "region": {"set": "Nowhere", "instance": "Beam-1"}, "variables": ["U"]}])"),
       "model.unknown-reference", "/outputRequests/0/region/set", "no set named \"Nowhere\""},
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "field", "createdIn": "Later",
          "variables": ["U"]}])"),
       "model.unknown-reference", "/outputRequests/0/createdIn", "no step named \"Later\""},
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "field", "createdIn": "Load",
          "region": {"set": "Tip", "instance": "Beam-1"}, "variables": ["S"]}])"),
       "model.conflict", "/outputRequests/0/variables/0", "cannot be requested on a node set"},
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "field", "createdIn": "Load",
          "variables": ["U"], "preset": "all"}])"),
       "model.conflict", "/outputRequests/0/preset", "not both"},
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "field", "createdIn": "Load",
          "frequency": 2, "numberInterval": 4}])"),
       "model.conflict", "/outputRequests/0", "one of"},
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "field", "createdIn": "Load",
          "numberInterval": null}])"),
       "model.type", "/outputRequests/0/numberInterval", "integer"},
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "field", "createdIn": "Load",
          "modes": [1, 0]}])"),
       "model.range", "/outputRequests/0/modes", "from 1"},
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "both", "createdIn": "Load"}])"),
       "model.enum", "/outputRequests/0/channel", "unknown output channel \"both\""},
      {Beam(load, R"(, "outputRequests": [{"name": "F", "channel": "field", "variables": ["U"]}])"),
       "model.step", "/outputRequests/0", "not the initial step"},
      {Beam(R"({"name": "Load", "kind": "static", "monitor": {"node": {"set": "Body", "instance": "Beam-1"},
          "dof": 1}})"),
       "model.type", "/steps/1/monitor/node/set", "Body"},
      {Beam(R"({"name": "Load", "kind": "static", "diagnosticPrint": {"etotal": true}})"),
       "model.unknown-member", "/steps/1/diagnosticPrint/etotal", "etotal"},
      {Beam(R"({"name": "Load", "kind": "static", "restart": {"frequency": 2, "numberInterval": 3}})"),
       "model.conflict", "/steps/1/restart", "\"frequency\" or \"numberInterval\""},
      // The writer carries the frequency and solve flag of a perturbation step into general settings.
      {Beam(R"({"name": "Drop", "kind": "explicit dynamics"},
               {"name": "Probe", "kind": "static linear perturbation", "diagnosticPrint": {"solve": true}})"),
       "model.conflict", "/steps/2/diagnosticPrint", "explicit step's"},
  });
}

TEST(OutputRequestFile, TheCheckWarnsOfVariablesAStepCannotWrite) {
  const std::string text = std::string(R"({"format": "oif-model", "version": 1, )") +
                           Beam(R"({"name": "Load", "kind": "static"}, {"name": "Modes", "kind": "frequency"})",
                                R"(, "outputRequests": [{"name": "H", "channel": "history", "createdIn": "Load",
                                    "variables": ["ALLIE", "RF"]}])") +
                           "}";
  const mfl_CheckReport report = mfl_ModelCheck::Check(text, "test.json");
  ASSERT_TRUE(report.errors.empty());
  std::vector<std::string> warnings;
  for (const mfl_CheckWarning& warning : report.warnings)
    if (warning.id == "check.output-variable") warnings.push_back(warning.problem);
  EXPECT_EQ(warnings, std::vector<std::string>{"output variable 'ALLIE' of request 'H' cannot be written by history "
                                               "output of step 'Modes' (frequency); the deck leaves it out there"});
}

TEST(OutputRequestDecks, LoadsExampleRestartsAndRecordsReactionsAndEnergies) {
  const std::string deck = test::Deck(mfl_ModelFile::Open(std::string(OIF_SOURCE_DIR) + "/examples/loads.json"));
  const std::string field = R"(** 
** FIELD OUTPUT: F-Output-1
** 
*Output, field
*Node Output
U, RF
*Element Output, directions=YES
S, PE, PEEQ
)";
  const std::string history = R"(** 
** HISTORY OUTPUT: H-Energies
** 
*Output, history
*Energy Output
ALLIE, ALLKE, ALLSE, ALLWK
** 
** HISTORY OUTPUT: H-Tip reactions
** 
*Node Output, nset=Beam-1.Tip
RF, 
)";
  const std::string heading = "** \n** OUTPUT REQUESTS\n** \n";
  EXPECT_EQ(Outputs(deck, "Settle"),
            heading + "*Restart, write, overlay, number interval=1, time marks=NO\n" + field + history);
  EXPECT_EQ(Outputs(deck, "Bend"), heading + field + history);
  EXPECT_EQ(Outputs(deck, "Cases"), heading + field + "*Output, history, variable=PRESELECT\n");
}

TEST(OutputRequestDecks, SuppressedAndDeactivatedRequestsAreNotWritten) {
  const std::string deck = test::Deck(test::Model(Beam(
      R"({"name": "Load", "kind": "static"}, {"name": "Unload", "kind": "static"})",
      R"(, "outputRequests": [
      {"name": "Off", "channel": "field", "createdIn": "Load", "variables": ["S"], "suppressed": true},
      {"name": "Once", "channel": "history", "createdIn": "Load", "variables": ["ALLIE"], "deactivatedIn": "Unload"}])")));
  EXPECT_EQ(Outputs(deck, "Load"), "** \n** OUTPUT REQUESTS\n** \n*Output, field, variable=PRESELECT\n"
                                   "** \n** HISTORY OUTPUT: Once\n** \n*Output, history\n*Energy Output\nALLIE, \n");
  EXPECT_EQ(Outputs(deck, "Unload"), "*Output, field, variable=PRESELECT\n*Output, history, variable=PRESELECT\n");
}

TEST(OutputRequestDecks, PerturbationPrintNeedsGeneralSettingsInForce) {
  // Built in code, past the loader's refusal: the writer's checked cast.
  auto drop = std::make_shared<kprC_ExplicitDynamicsStep>("Drop");
  auto probe = std::make_shared<kprC_StaticLinearPerturbationStep>("Probe");
  probe->diagnosticPrint_ = std::make_shared<kprC_PerturbationDiagnosticPrint>();
  const odb_Odb odb = test::ModelOf({drop, probe});
  EXPECT_NE(test::Thrown<nex_AssertException>([&] { test::Deck(odb); }).find("oif_OutputRequestBuilder:164"),
            std::string::npos);
}

TEST(OutputRequestDecks, PresetsOfTheWholeModelAndOfARegion) {
  const std::string deck = test::Deck(test::Model(Beam(R"({"name": "Load", "kind": "static"})", R"(, "outputRequests": [
      {"name": "All", "channel": "field", "createdIn": "Load", "preset": "all", "numberInterval": 4},
      {"name": "Top", "channel": "field", "createdIn": "Load", "region": {"set": "Top", "instance": "Beam-1"},
       "preset": "preselect", "frequency": 2},
      {"name": "Body", "channel": "history", "createdIn": "Load", "region": {"set": "Body", "instance": "Beam-1"},
       "preset": "preselect"}])")));
  // The whole model's preset on the *Output line alone; a region's on the
  // keywords that take the region (a surface: contact output; an element
  // set: element and energy output).
  EXPECT_EQ(Outputs(deck, "Load"), R"(** 
** OUTPUT REQUESTS
** 
** 
** FIELD OUTPUT: Top
** 
*Output, field, frequency=2
*Contact Output, surface=Beam-1.Top, variable=PRESELECT
** 
** FIELD OUTPUT: All
** 
*Output, field, variable=ALL, number interval=4
** 
** HISTORY OUTPUT: Body
** 
*Output, history
*Element Output, elset=Beam-1.Body, variable=PRESELECT
*Energy Output, elset=Beam-1.Body, variable=PRESELECT
)");
}

}  // namespace
