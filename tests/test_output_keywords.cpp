// Output request keywords: "*Output" with each frequency kind against the
// procedure's defaults, the variable keywords with their kinds, regions,
// section points, rebar form and the plastic strain rule, and "*Restart",
// "*Monitor" and "*Print".
#include <gtest/gtest.h>

#include "modeldb/korC_OdbRequestTable.h"
#include "oif/impl/oif_DiagnosticPrint.h"
#include "oif/impl/oif_ElementOutput.h"
#include "oif/impl/oif_Monitor.h"
#include "oif/impl/oif_Output.h"
#include "oif/impl/oif_Restart.h"
#include "oif/impl/oif_VariableOutput.h"
#include "test_steps_support.h"
#include "test_support.h"

namespace {

const unsigned kStatic = unsigned(kprC_StepKind::Static);
const unsigned kExplicit = unsigned(kprC_StepKind::ExplicitDynamics);
const unsigned kFrequency = unsigned(kprC_StepKind::Frequency);
const unsigned kModal = unsigned(kprC_StepKind::ModalDynamics);
const unsigned kHeat = unsigned(kprC_StepKind::HeatTransfer);

/// A record of a channel and procedure with named variables (no preset).
korC_OdbRequest Record(int channel, unsigned procedure, int kind) {
  korC_OdbRequest record(channel, procedure);
  record.preselect = false;
  record.frequencyKind = kind;
  return record;
}

std::string OutputLine(const korC_OdbRequest& record, double timePeriod = 0.0) {
  return test::Print(oif_Output(record, timePeriod));
}

TEST(OutputLine, EveryIncrementsAgainstTheProcedureDefault) {
  korC_OdbRequest record = Record(kprC_FieldChannel, kStatic, kprC_EveryIncrements);
  record.frequency = 1;
  EXPECT_EQ(OutputLine(record), "*Output, field\n");
  record.frequency = 5;
  EXPECT_EQ(OutputLine(record), "*Output, field, frequency=5\n");
  record.frequency = 10;
  EXPECT_EQ(OutputLine(record), "*Output, field, frequency=10\n");
  // Modal procedures write every tenth increment by default.
  korC_OdbRequest modal = Record(kprC_HistoryChannel, kModal, kprC_EveryIncrements);
  modal.frequency = 10;
  EXPECT_EQ(OutputLine(modal), "*Output, history\n");
  modal.frequency = 1;
  EXPECT_EQ(OutputLine(modal), "*Output, history, frequency=1\n");
  // Explicit procedures write number intervals by default: a frequency is stated.
  korC_OdbRequest explicitRecord = Record(kprC_FieldChannel, kExplicit, kprC_EveryIncrements);
  explicitRecord.frequency = 1;
  EXPECT_EQ(OutputLine(explicitRecord), "*Output, field, frequency=1\n");
}

TEST(OutputLine, FrequencyZeroTurnsOutputOffWithoutPreset) {
  korC_OdbRequest record(kprC_FieldChannel, kStatic);
  ASSERT_TRUE(record.preselect);
  record.frequency = 0;
  EXPECT_EQ(OutputLine(record), "*Output, field, frequency=0\n");
  record.frequency = 1;
  EXPECT_EQ(OutputLine(record), "*Output, field, variable=PRESELECT\n");
  record.preselect = false;
  record.all = true;
  EXPECT_EQ(OutputLine(record), "*Output, field, variable=ALL\n");
  record.filter = "Smooth";
  EXPECT_EQ(OutputLine(record), "*Output, field, variable=ALL, filter=Smooth\n");
}

TEST(OutputLine, NumberIntervalAgainstTheProcedureDefault) {
  korC_OdbRequest field = Record(kprC_FieldChannel, kStatic, kprC_NumberInterval);
  field.numberInterval = 20;
  EXPECT_EQ(OutputLine(field), "*Output, field, number interval=20\n");
  field.timeMarks = false;
  EXPECT_EQ(OutputLine(field), "*Output, field, number interval=20, time marks=NO\n");

  korC_OdbRequest explicitField = Record(kprC_FieldChannel, kExplicit, kprC_NumberInterval);
  explicitField.timeMarks = false;
  explicitField.numberInterval = 20;
  EXPECT_EQ(OutputLine(explicitField), "*Output, field\n");
  explicitField.numberInterval = 50;
  EXPECT_EQ(OutputLine(explicitField), "*Output, field, number interval=50\n");
  explicitField.timeMarks = true;
  EXPECT_EQ(OutputLine(explicitField), "*Output, field, number interval=50, time marks=YES\n");

  // History of an explicit procedure: the interval as a time.
  korC_OdbRequest history = Record(kprC_HistoryChannel, kExplicit, kprC_NumberInterval);
  history.timeMarks = false;
  history.numberInterval = 200;
  EXPECT_EQ(OutputLine(history, 2.0), "*Output, history\n");
  history.numberInterval = 4;
  EXPECT_EQ(OutputLine(history, 2.0), "*Output, history, time interval=0.5\n");
  EXPECT_EQ(OutputLine(history, 0.0), "*Output, history\n");
  korC_OdbRequest implicitHistory = Record(kprC_HistoryChannel, kStatic, kprC_NumberInterval);
  implicitHistory.numberInterval = 200;
  EXPECT_EQ(OutputLine(implicitHistory), "*Output, history, number interval=200\n");
}

TEST(OutputLine, TimeIntervalAndTimePoints) {
  korC_OdbRequest record = Record(kprC_FieldChannel, kHeat, kprC_TimeInterval);
  record.timeInterval = 0.25;
  EXPECT_EQ(OutputLine(record), "*Output, field, time interval=0.25\n");
  record.frequencyKind = kprC_TimePoints;
  record.timePoints = "Samples";
  record.timeMarks = false;
  EXPECT_EQ(OutputLine(record), "*Output, field, time points=Samples, time marks=NO\n");
  // No time marks where the procedure has none.
  korC_OdbRequest perturbation = Record(kprC_FieldChannel, unsigned(kprC_StepKind::StaticLinearPerturbation),
                                        kprC_TimeInterval);
  perturbation.timeInterval = 0.5;
  perturbation.timeMarks = false;
  EXPECT_EQ(OutputLine(perturbation), "*Output, field, time interval=0.5\n");
}

TEST(OutputLine, ModeListsSixteenNumbersALine) {
  korC_OdbRequest record = Record(kprC_FieldChannel, kFrequency, kprC_ModeList);
  EXPECT_EQ(OutputLine(record), "*Output, field\n");
  record.modes = {1, 3, 5};
  EXPECT_EQ(OutputLine(record), "*Output, field, mode list\n1, 3, 5, \n");
  record.modes.clear();
  for (int mode = 1; mode <= 16; ++mode) record.modes.push_back(mode);
  // The line ends after the 16th number, and once more at the end of the keyword.
  EXPECT_EQ(OutputLine(record),
            "*Output, field, mode list\n1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16\n\n");
  record.modes.push_back(17);
  EXPECT_EQ(OutputLine(record),
            "*Output, field, mode list\n1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16\n17, \n");
}

oif_VariableRequest Variables(std::vector<std::string> variables, unsigned procedure = kStatic) {
  oif_VariableRequest request;
  request.variables = std::move(variables);
  request.procedureType = procedure;
  return request;
}

TEST(VariableKeywords, EachKeepsTheVariablesOfItsKind) {
  const oif_VariableRequest request = Variables({"U", "S", "CPRESS", "ALLIE", "RF2", "SOF"});
  // A lone variable is followed by ", ".
  EXPECT_EQ(test::Print(oif_EnergyOutput(request)), "*Energy Output\nALLIE, \n");
  EXPECT_EQ(test::Print(oif_NodeOutput(request)), "*Node Output\nU, RF\n");
  EXPECT_EQ(test::Print(oif_ContactOutput(request)), "*Contact Output\nCSTRESS, \n");
  EXPECT_EQ(test::Print(oif_IntegratedOutput(request)), "*Integrated Output\nSOF, \n");
  EXPECT_EQ(test::Print(oif_ModalOutput(request)), "");
  EXPECT_EQ(test::Print(oif_IncrementationOutput(request)), "");
  EXPECT_EQ(test::Print(oif_RadiationOutput(request)), "");
  EXPECT_EQ(test::Print(oif_ElementOutput(request, kprC_HistoryChannel, false, true, {})), "*Element Output\nS, \n");
}

TEST(VariableKeywords, ComponentsAreWrittenAsTheirParentOnce) {
  EXPECT_EQ(test::Print(oif_NodeOutput(Variables({"U1", "U2", "UR3", "RM1"}))), "*Node Output\nU, RF\n");
  EXPECT_EQ(test::Print(oif_ElementOutput(Variables({"S11", "MISES", "S"}), kprC_HistoryChannel, false, true, {})),
            "*Element Output\nS, \n");
  // A mapped print name.
  EXPECT_EQ(test::Print(oif_ContactOutput(Variables({"CFNM", "CFN"}))), "*Contact Output\nCFN, \n");
}

TEST(VariableKeywords, VariablesTheProcedureCannotWriteAreLeftOut) {
  // Velocities exist in dynamic procedures only; energies not in eigenvalue extraction.
  EXPECT_EQ(test::Print(oif_NodeOutput(Variables({"V", "U"}))), "*Node Output\nU, \n");
  EXPECT_EQ(test::Print(oif_EnergyOutput(Variables({"ALLIE"}, kFrequency))), "");
  EXPECT_EQ(test::Print(oif_NodeOutput(Variables({"NOSUCH"}))), "");
}

TEST(VariableKeywords, NodeOutputEightALineOthersSixteen) {
  oif_VariableRequest nodes = Variables({"U", "V", "A", "RF", "CF", "TF", "COORD", "NT", "RFL"},
                                        unsigned(kprC_StepKind::CoupledTempDisplacement));
  // V and A are not valid for a quasi-static coupled procedure.
  EXPECT_EQ(test::Print(oif_NodeOutput(nodes)), "*Node Output\nU, RF, CF, TF, COORD, NT, RFL\n");
  nodes.procedureType = unsigned(kprC_StepKind::TempDisplacementDynamics);
  nodes.variables = {"U", "V", "A", "RF", "CF", "TF", "COORD", "NT", "RFL"};
  EXPECT_EQ(test::Print(oif_NodeOutput(nodes)), "*Node Output\nU, V, A, RF, CF, TF, COORD, NT\nRFL\n");
  const oif_VariableRequest energies =
      Variables({"ALLAE", "ALLCD", "ALLDMD", "ALLEE", "ALLFD", "ALLIE", "ALLJD", "ALLKE", "ALLKL", "ALLPD", "ALLQB",
                 "ALLSD", "ALLSE", "ALLVD", "ALLWK", "ETOTAL", "ALLMW"},
                kExplicit);
  EXPECT_EQ(test::Print(oif_EnergyOutput(energies)),
            "*Energy Output\nALLAE, ALLCD, ALLDMD, ALLEE, ALLFD, ALLIE, ALLJD, ALLKE, ALLKL, ALLPD, ALLQB, ALLSD, "
            "ALLSE, ALLVD, ALLWK, ETOTAL\nALLMW\n");
}

TEST(VariableKeywords, RegionsAndPresets) {
  oif_VariableRequest request = Variables({"RF"});
  request.region = "Beam-1.Tip";
  request.regionSetKind = 0;
  EXPECT_EQ(test::Print(oif_NodeOutput(request)), "*Node Output, nset=Beam-1.Tip\nRF, \n");
  // A node set is no region of element variables.
  request.variables = {"S"};
  EXPECT_EQ(test::Print(oif_ElementOutput(request, kprC_FieldChannel, false, true, {})), "");
  request.variables.clear();
  request.preselect = true;
  EXPECT_EQ(test::Print(oif_NodeOutput(request)), "*Node Output, nset=Beam-1.Tip, variable=PRESELECT\n");
  EXPECT_EQ(test::Print(oif_ContactOutput(request)), "*Contact Output, nset=Beam-1.Tip, variable=PRESELECT\n");
  // Modal and radiation output know "all" only.
  oif_VariableRequest whole = Variables({}, kFrequency);
  whole.preselect = true;
  EXPECT_EQ(test::Print(oif_ModalOutput(whole)), "");
  whole.preselect = false;
  whole.all = true;
  EXPECT_EQ(test::Print(oif_ModalOutput(whole)), "*Modal Output, variable=ALL\n");
  oif_VariableRequest surface = Variables({"CPRESS", "CSLIP1"});
  surface.region = "Beam-1.Top";
  surface.regionSetKind = 2;
  EXPECT_EQ(test::Print(oif_ContactOutput(surface)), "*Contact Output, surface=Beam-1.Top\nCSTRESS, CDISP\n");
  oif_VariableRequest elements = Variables({"ELSE", "ALLIE"});
  elements.region = "Beam-1.Body";
  elements.regionSetKind = 1;
  EXPECT_EQ(test::Print(oif_EnergyOutput(elements)), "*Energy Output, elset=Beam-1.Body\nALLIE, \n");
}

TEST(VariableKeywords, TheDefaultNodeOutputPrintsItsLineAlone) {
  EXPECT_EQ(test::Print(oif_NodeOutput(Variables({}, kFrequency), true)), "*Node Output\n");
  EXPECT_EQ(test::Print(oif_NodeOutput(Variables({}, kFrequency), false)), "");
}

TEST(ElementOutput, PlasticStrainComesWithItsEquivalent) {
  EXPECT_EQ(test::Print(oif_ElementOutput(Variables({"S", "PE"}), kprC_FieldChannel, false, true, {})),
            "*Element Output, directions=YES\nS, PE, PEEQ\n");
  EXPECT_EQ(test::Print(oif_ElementOutput(Variables({"PEEQ", "PE"}), kprC_FieldChannel, false, false, {})),
            "*Element Output, directions=NO\nPEEQ, PE\n");
}

TEST(ElementOutput, SectionPointsInGroupsOfSixteen) {
  std::vector<int> points;
  for (int p = 1; p <= 20; ++p) points.push_back(p);
  oif_VariableRequest request = Variables({"S"});
  request.region = "Plate-1.Skin";
  request.regionSetKind = 1;
  EXPECT_EQ(test::Print(oif_ElementOutput(request, kprC_FieldChannel, false, true, points)),
            "*Element Output, elset=Plate-1.Skin, directions=YES\n"
            "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, \n"
            "S, \n"
            "*Element Output, elset=Plate-1.Skin, directions=YES\n"
            "17, 18, 19, 20, \n"
            "S, \n");
}

TEST(ElementOutput, RebarFormAndCohesiveVariables) {
  EXPECT_EQ(test::Print(oif_ElementOutput(Variables({"S11"}), kprC_FieldChannel, true, true, {})),
            "*Element Output, rebar, directions=YES\nS11, \n");
  // A cohesive variable named directly goes with the elements when there
  // are no section points; with section points it belongs to contact output.
  EXPECT_EQ(test::Print(oif_ElementOutput(Variables({"CSDMG"}), kprC_HistoryChannel, false, true, {})),
            "*Element Output\nCSDMG, \n");
  EXPECT_EQ(test::Print(oif_ElementOutput(Variables({"CSDMG"}), kprC_HistoryChannel, false, true, {1})), "");
  EXPECT_EQ(test::Print(oif_ContactOutput(Variables({"CSDMG"}))), "*Contact Output\nCSDMG, \n");
  oif_VariableRequest all = Variables({});
  all.all = true;
  EXPECT_EQ(test::Print(oif_ElementOutput(all, kprC_HistoryChannel, false, true, {})),
            "*Element Output, variable=ALL\n");
}

TEST(Restart, ReadAndWriteForms) {
  EXPECT_EQ(test::Print(oif_Restart(2, -2, true, true)), "*Restart, read, step=2\n");
  EXPECT_EQ(test::Print(oif_Restart(2, 5, true, false)), "*Restart, read, step=2, inc=5\n");
  EXPECT_EQ(test::Print(oif_Restart(3, 4, false, true)), "*Restart, read, step=3, interval=4, end step\n");

  auto standard = std::make_shared<kprC_StandardRestart>();
  standard->numberInterval = 0;
  standard->frequency = 3;
  EXPECT_EQ(test::Print(oif_Restart(standard)), "*Restart, write, frequency=3\n");
  standard->overlay = true;
  standard->numberInterval = 2;
  EXPECT_EQ(test::Print(oif_Restart(standard)), "*Restart, write, overlay, number interval=2, time marks=NO\n");
  auto explicitRestart = std::make_shared<kprC_ExplicitRestart>();
  explicitRestart->numberInterval = 4;
  explicitRestart->timeMarks = true;
  EXPECT_EQ(test::Print(oif_Restart(explicitRestart)), "*Restart, write, number interval=4, time marks=YES\n");
  EXPECT_NE(test::Thrown<nex_AssertException>([] { test::Print(oif_Restart(std::make_shared<kprC_Restart>())); })
                .find("oif_Restart:80"),
            std::string::npos);
}

TEST(Monitor, StandardAndExplicit) {
  auto standard = std::make_shared<kprC_StandardMonitor>();
  standard->dof = 2;
  standard->frequency = 5;
  EXPECT_EQ(test::Print(oif_Monitor(standard, "Beam-1.Tip")), "*Monitor, dof=2, node=Beam-1.Tip, frequency=5\n");
  auto explicitMonitor = std::make_shared<kprC_ExplicitMonitor>();
  explicitMonitor->dof = 3;
  EXPECT_EQ(test::Print(oif_Monitor(explicitMonitor, "Tip")), "*Monitor, dof=3, node=Tip\n");
  const oif_Monitor none(nullptr, "Tip");
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_EQ(test::Print(none), "");
  EXPECT_NE(test::Thrown<nex_AssertException>([] { test::Print(oif_Monitor(std::make_shared<kprC_Monitor>(), "N")); })
                .find("oif_Monitor:49"),
            std::string::npos);
}

TEST(DiagnosticPrint, StandardAgainstThePreviousSettings) {
  auto defaults = std::make_shared<kprC_StandardDiagnosticPrint>();
  auto settings = std::make_shared<kprC_StandardDiagnosticPrint>();
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(settings, defaults)), "");
  settings->residual = false;
  settings->frequency = 5;
  settings->contact = true;
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(settings, defaults)), "*Print, contact=YES, frequency=5, residual=NO\n");
  // Against settings of another kind: the solver's defaults, always written.
  auto explicitPrevious = std::make_shared<kprC_ExplicitDiagnosticPrint>();
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(std::make_shared<kprC_StandardDiagnosticPrint>(), explicitPrevious)),
            "*Print\n");
  auto previous = std::make_shared<kprC_StandardDiagnosticPrint>(*settings);
  settings->residual = true;
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(settings, previous)), "*Print, residual=YES\n");
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(settings, nullptr)), "");
}

TEST(DiagnosticPrint, ExplicitAndPerturbation) {
  auto explicitSettings = std::make_shared<kprC_ExplicitDiagnosticPrint>();
  explicitSettings->etotal = true;
  auto standard = std::make_shared<kprC_StandardDiagnosticPrint>();
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(explicitSettings, standard)), "*Print, etotal=YES\n");
  auto explicitPrevious = std::make_shared<kprC_ExplicitDiagnosticPrint>(*explicitSettings);
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(explicitSettings, explicitPrevious)), "");
  explicitSettings->allke = false;
  explicitSettings->dmass = true;
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(explicitSettings, explicitPrevious)), "*Print, allke=NO, dmass=YES\n");

  // A perturbation step compares with the frequency and solve flag in force.
  standard->frequency = 4;
  auto perturbation = std::make_shared<kprC_PerturbationDiagnosticPrint>();
  perturbation->frequency = 4;
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(perturbation, standard)), "");
  perturbation->solve = true;
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(perturbation, standard)), "*Print, solve=YES\n");
  auto previousPerturbation = std::make_shared<kprC_PerturbationDiagnosticPrint>();
  EXPECT_EQ(test::Print(oif_DiagnosticPrint(perturbation, previousPerturbation)),
            "*Print, frequency=4, solve=YES\n");
}

}  // namespace
