// The step keyword: its parameters by kind, nonlinear geometry carried over
// from step to step, load cases, and the step builder's blocks.
#include <gtest/gtest.h>

#include "oif/impl/oif_LoadCase.h"
#include "oif/impl/oif_Step.h"
#include "oif/impl/oif_StepBuilder.h"
#include "test_steps_support.h"

namespace {

std::string StepLine(const kprC_Step& step, bool nlgeomInEffect = false) {
  return test::Print(oif_Step(step, nlgeomInEffect, step.name()));
}

TEST(StepKeyword, NlgeomFormAIsStatedWhenOnOrAlreadyInEffect) {
  kprC_StaticStep step("Load");
  EXPECT_EQ(StepLine(step, false), "*Step, name=Load\n");
  EXPECT_EQ(StepLine(step, true), "*Step, name=Load, nlgeom=YES\n");
  step.nlgeom = kprC_Step::NLGEOM_ON;
  EXPECT_EQ(StepLine(step, false), "*Step, name=Load, nlgeom=YES\n");
  EXPECT_EQ(StepLine(step, true), "*Step, name=Load, nlgeom=YES\n");
}

TEST(StepKeyword, NlgeomFormBIsStatedWhereTheStepDiffersFromWhatIsInEffect) {
  kprC_ExplicitDynamicsStep crash("Crash");
  ASSERT_EQ(crash.Nlgeom(), kprC_Step::NLGEOM_ON);  // the explicit default
  EXPECT_EQ(StepLine(crash, true), "*Step, name=Crash\n");
  EXPECT_EQ(StepLine(crash, false), "*Step, name=Crash, nlgeom=YES\n");
  crash.nlgeom = kprC_Step::NLGEOM_OFF;
  EXPECT_EQ(StepLine(crash, true), "*Step, name=Crash, nlgeom=NO\n");
  EXPECT_EQ(StepLine(crash, false), "*Step, name=Crash\n");

  kprC_AnnealStep anneal("Anneal");
  EXPECT_EQ(StepLine(anneal, true), "*Step, name=Anneal, nlgeom=NO\n");
  kprC_TempDisplacementDynamicsStep heat("Heat");
  EXPECT_EQ(StepLine(heat, false), "*Step, name=Heat, nlgeom=YES\n");
}

TEST(StepKeyword, AmplitudeIsWrittenOnlyAgainstTheKindsDefault) {
  kprC_StaticStep load("Load");
  EXPECT_EQ(StepLine(load), "*Step, name=Load\n");  // ramp, 100 increments
  load.amplitude = kprC_Step::AMPLITUDE_STEP;
  EXPECT_EQ(StepLine(load), "*Step, name=Load, amplitude=STEP\n");

  kprC_HeatTransferStep heat("Heat");
  EXPECT_EQ(StepLine(heat), "*Step, name=Heat\n");
  heat.amplitude = kprC_Step::AMPLITUDE_RAMP;
  EXPECT_EQ(StepLine(heat), "*Step, name=Heat, amplitude=RAMP\n");

  // Riks steps have no amplitude parameter at all.
  kprC_StaticRiksStep riks("Buckle");
  riks.amplitude = kprC_Step::AMPLITUDE_RAMP;
  EXPECT_EQ(StepLine(riks), "*Step, name=Buckle\n");
}

TEST(StepKeyword, ParametersComeInTheOrderOfTheKind) {
  kprC_StaticStep load("Load");
  load.nlgeom = kprC_Step::NLGEOM_ON;
  load.extrapolation = kprC_Step::EXTRAPOLATION_PARABOLIC;
  load.amplitude = kprC_Step::AMPLITUDE_STEP;
  load.maxNumInc = 250;
  load.matrixStorage = kprC_Step::MATRIX_UNSYMMETRIC;
  EXPECT_EQ(StepLine(load), "*Step, name=Load, nlgeom=YES, extrapolation=PARABOLIC, amplitude=STEP, inc=250, unsymm=YES\n");
  load.extrapolation = kprC_Step::EXTRAPOLATION_NONE;
  load.matrixStorage = kprC_Step::MATRIX_SYMMETRIC;
  load.nlgeom = kprC_Step::NLGEOM_OFF;
  load.amplitude = kprC_Step::AMPLITUDE_RAMP;
  load.maxNumInc = 100;
  EXPECT_EQ(StepLine(load), "*Step, name=Load, extrapolation=NO, unsymm=NO\n");

  // Subspace dynamics: no extrapolation, no matrix storage.
  kprC_SubspaceDynamicsStep subspace("Shake");
  subspace.extrapolation = kprC_Step::EXTRAPOLATION_PARABOLIC;
  subspace.matrixStorage = kprC_Step::MATRIX_UNSYMMETRIC;
  subspace.amplitude = kprC_Step::AMPLITUDE_RAMP;
  subspace.maxNumInc = 7;
  EXPECT_EQ(StepLine(subspace), "*Step, name=Shake, amplitude=RAMP, inc=7\n");
}

TEST(StepKeyword, MatrixStorageFollowsTheKindsRule) {
  auto unsymmetric = [](auto step) {
    step.matrixStorage = kprC_Step::MATRIX_UNSYMMETRIC;
    return StepLine(step);
  };
  EXPECT_EQ(unsymmetric(kprC_MassDiffusionStep("D")), "*Step, name=D\n");
  EXPECT_EQ(unsymmetric(kprC_GeostaticStep("G")), "*Step, name=G, unsymm=YES\n");
  EXPECT_EQ(unsymmetric(kprC_FrequencyStep("F")), "*Step, name=F, perturbation\n");
  EXPECT_EQ(unsymmetric(kprC_SteadyStateDirectStep("SSD")), "*Step, name=SSD, perturbation, unsymm=YES\n");
  EXPECT_EQ(unsymmetric(kprC_StaticLinearPerturbationStep("P")), "*Step, name=P, perturbation, unsymm=YES\n");

  kprC_CoupledTempDisplacementStep coupled("CTD");
  EXPECT_EQ(unsymmetric(coupled), "*Step, name=CTD\n");
  coupled.solutionTechnique = kprC_Step::TECHNIQUE_SEPARATED;
  EXPECT_EQ(unsymmetric(coupled), "*Step, name=CTD, unsymm=YES\n");
  kprC_SoilsStep soils("Soil");
  EXPECT_EQ(unsymmetric(soils), "*Step, name=Soil\n");
  soils.consolidation = true;
  EXPECT_EQ(unsymmetric(soils), "*Step, name=Soil, unsymm=YES\n");
  soils.matrixStorage = kprC_Step::MATRIX_SOLVER_DEFAULT;
  EXPECT_EQ(StepLine(soils), "*Step, name=Soil\n");
}

TEST(StepKeyword, PerturbationKindsIgnoreNlgeomAndIncrements) {
  kprC_BuckleStep buckle("Buckle");
  buckle.nlgeom = kprC_Step::NLGEOM_ON;
  buckle.maxNumInc = 3;
  buckle.amplitude = kprC_Step::AMPLITUDE_RAMP;
  EXPECT_EQ(StepLine(buckle, true), "*Step, name=Buckle, perturbation\n");
}

TEST(StepKeyword, NameIsPrintableAndDescriptionFollows) {
  kprC_StaticStep load("Load 1");
  load.description_ = "Bolt preload, then service loads";
  EXPECT_EQ(StepLine(load), R"(*Step, name="Load 1"
Bolt preload, then service loads
)");
}

class ForeignStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
};

TEST(StepKeyword, KindsWithoutAStepLineThrow) {
  const std::string expected = "Unimplemented function to write out *Step card (oif_Step:243)";
  EXPECT_EQ(test::Thrown<nex_TextException>([] { StepLine(kprC_ComplexFrequencyStep("C")); }), expected);
  EXPECT_EQ(test::Thrown<nex_TextException>([] { StepLine(kprC_SteadyStateSubspaceStep("S")); }), expected);
  EXPECT_EQ(test::Thrown<nex_TextException>([] { StepLine(ForeignStep("X")); }), expected);
  EXPECT_EQ(test::Thrown<nex_TextException>([] { StepLine(kprC_InitialStep("Initial")); }), expected);
}

TEST(LoadCaseKeyword, NameIsPrintable) {
  EXPECT_EQ(test::Print(oif_LoadCase("LC-1")), "*Load Case, name=LC-1\n");
  EXPECT_EQ(test::Print(oif_LoadCase("Service A")), "*Load Case, name=\"Service A\"\n");
}

// The step builder, through whole decks.

TEST(StepBuilder, OnlyTheInitialStepWritesNoStepBlock) {
  EXPECT_EQ(test::Steps(test::Model(R"("steps": [{"name": "Initial", "kind": "initial"}])")), "");
}

TEST(StepBuilder, NonlinearGeometryOnceOnStaysOn) {
  odb_Odb odb = test::Model(R"("steps": [
      {"name": "Linear", "kind": "static"},
      {"name": "Large", "kind": "static", "nlgeom": true},
      {"name": "Modes", "kind": "frequency", "eigenvalues": 5},
      {"name": "Again", "kind": "static", "nlgeom": false},
      {"name": "Heat", "kind": "coupled temperature-displacement"}])");
  const std::string deck = test::Steps(odb);
  EXPECT_NE(deck.find("*Step, name=Linear\n"), std::string::npos);
  EXPECT_NE(deck.find("*Step, name=Large, nlgeom=YES\n"), std::string::npos);
  EXPECT_NE(deck.find("*Step, name=Modes, perturbation\n"), std::string::npos);
  EXPECT_NE(deck.find("*Step, name=Again, nlgeom=YES\n"), std::string::npos);
  EXPECT_NE(deck.find("*Step, name=Heat, nlgeom=YES\n"), std::string::npos);
}

TEST(StepBuilder, AnExplicitStepPutsNonlinearGeometryInEffectFromTheStart) {
  odb_Odb odb = test::Model(R"("steps": [
      {"name": "Preload", "kind": "static"},
      {"name": "Drop", "kind": "explicit dynamics"},
      {"name": "Linear drop", "kind": "explicit dynamics", "nlgeom": false}])");
  const std::string deck = test::Steps(odb);
  EXPECT_NE(deck.find("*Step, name=Preload, nlgeom=YES\n"), std::string::npos);
  EXPECT_NE(deck.find("*Step, name=Drop\n"), std::string::npos);
  EXPECT_NE(deck.find("*Step, name=\"Linear drop\", nlgeom=NO\n"), std::string::npos);
}

TEST(StepBuilder, StepWithTwoLoadCases) {
  odb_Odb odb = test::Model(R"("steps": [
      {"name": "Service", "kind": "static", "description": "Two service cases", "keywords": "** stored text",
       "incrementation": "fixed", "initialIncrement": 0.5, "loadCases": [{"name": "Wind"}, {"name": "Snow load"}]}])");
  EXPECT_EQ(test::Steps(odb), R"(** ----------------------------------------------------------------
** 
** STEP: Service
** 
*Step, name=Service
Two service cases
*Static, direct
0.5, 1., 
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
** stored text
** 
** LOAD CASES
** 
*Load Case, name="Snow load"
*Boundary, op=NEW
*End Load Case
*Load Case, name=Wind
*Boundary, op=NEW
*End Load Case
*End Step
)");
}

TEST(StepBuilder, ModalDynamicsContinuesOnlyAfterModalDynamics) {
  odb_Odb odb = test::Model(R"("steps": [
      {"name": "Modes", "kind": "frequency"},
      {"name": "Shake", "kind": "modal dynamics", "continue": true, "timeIncrement": 0.01},
      {"name": "More", "kind": "modal dynamics", "continue": true, "timeIncrement": 0.01, "timePeriod": 2}])");
  const std::string deck = test::Steps(odb);
  EXPECT_NE(deck.find("*Step, name=Shake, perturbation\n*Modal dynamic, continue=NO\n0.01, 1.\n"), std::string::npos);
  EXPECT_NE(deck.find("*Step, name=More, perturbation\n*Modal dynamic, continue=YES\n0.01, 2.\n"), std::string::npos);
}

TEST(StepBuilder, ModalDampingComesInKindOrderAndOnlyTheKindsTheStepAllows) {
  auto damped = [](auto step) {
    step->damping.structuralByFrequency = kprC_StructuralDampingByFrequency{{{5.0, 0.03}}};
    step->damping.rayleigh = kprC_RayleighDamping{{{1, 4, 0.5, 0.001}}};
    step->damping.structural = kprC_StructuralDamping{{{1, 4, 0.02}}};
    step->damping.composite = kprC_CompositeDamping{{{1, 6}}};
    return step;
  };
  auto random = damped(std::make_shared<kprC_RandomResponseStep>("Random"));
  auto shake = damped(std::make_shared<kprC_ModalDynamicsStep>("Shake"));
  shake->timeIncrement = 0.1;
  EXPECT_EQ(test::Steps(test::ModelOf({random, shake})), R"(** ----------------------------------------------------------------
** 
** STEP: Random
** 
*Step, name=Random, perturbation
*Random Response
*Modal Damping, modal=COMPOSITE
1, 6
*Modal Damping, rayleigh
1, 4, 0.5, 0.001
*Modal Damping, structural
1, 4, 0.02
*Modal Damping, structural, definition=FREQUENCY RANGE
5., 0.03
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
** ----------------------------------------------------------------
** 
** STEP: Shake
** 
*Step, name=Shake, perturbation
*Modal dynamic, continue=NO
0.1, 1.
*Modal Damping, modal=COMPOSITE
1, 6
*Modal Damping, rayleigh
1, 4, 0.5, 0.001
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
)");
}

TEST(StepBuilder, CompanionsOfCoupledAndSubspaceSteps) {
  odb_Odb odb = test::Model(R"("steps": [
      {"name": "Weld", "kind": "coupled temperature-displacement", "solutionTechnique": "separated",
       "matrixStorage": "unsymmetric", "incrementation": "fixed", "initialIncrement": 0.1},
      {"name": "Shake", "kind": "subspace dynamics", "vectors": 30, "timeIncrement": 0.001, "eigenmodes": 12},
      {"name": "Quiet", "kind": "subspace dynamics", "timeIncrement": 0.001}])");
  EXPECT_EQ(test::Steps(odb), R"(** ----------------------------------------------------------------
** 
** STEP: Weld
** 
*Step, name=Weld, unsymm=YES
*Coupled Temperature-Displacement
0.1, 1., 
*Solution Technique, type=SEPARATED
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
** ----------------------------------------------------------------
** 
** STEP: Shake
** 
*Step, name=Shake
*Dynamic, subspace, vectors=30
0.001, 1., 
*Select Eigenmodes, generate
1, 12, 1
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
** ----------------------------------------------------------------
** 
** STEP: Quiet
** 
*Step, name=Quiet
*Dynamic, subspace
0.001, 1., 
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
)");
}

TEST(StepBuilder, RegionsOfMassScalingAndRiksAreCitedByTheirSetNames) {
  auto crash = std::make_shared<kprC_ExplicitDynamicsStep>("Crash");
  kprC_MassScaling whole;
  whole.objective = kprC_MassScaling::OBJECTIVE_REINITIALIZE;
  kprC_MassScaling plate = whole;
  plate.region = rgnC_Region::OfMeshSet(1, 0);
  kprC_MassScaling fixture;
  fixture.objective = kprC_MassScaling::OBJECTIVE_SEMI_AUTOMATIC;
  fixture.throughoutStep = true;
  fixture.targetTimeInc = 1e-6;
  fixture.frequency = 10;
  fixture.region = rgnC_Region::OfAssemblySet(0);
  crash->massScaling = {whole, plate, fixture};
  auto riks = std::make_shared<kprC_StaticRiksStep>("Collapse");
  riks->nodeRegion = rgnC_Region::OfAssemblySet(1);
  riks->dof = 2;
  riks->nodeValue = -0.5;
  odb_Odb odb = test::ModelOf({riks, crash}, [](ddb_ModelContents& model) {
    auto plateMesh = std::make_shared<ddb_MeshContents>();
    plateMesh->sets.push_back(std::make_shared<ddb_Set>("Web", ddb_Set::ElementSet));
    model.meshes.emplace(1, ddb_Mesh(1, plateMesh));
    model.assembly.instances.Add("Plate-1", std::make_shared<ddb_PartInstance>("Plate-1", "", "Plate",
                                                                               ddb_Mesh(1, plateMesh)));
    model.parts.Add("Plate", std::make_shared<ddb_Part>(ddb_Part{"Plate", "", plateMesh}));
    model.assembly.sets.push_back(std::make_shared<ddb_Set>("Fixture set", ddb_Set::ElementSet));
    model.assembly.sets.push_back(std::make_shared<ddb_Set>("Tip", ddb_Set::NodeSet));
  });
  const std::string deck = test::Steps(odb);
  EXPECT_NE(deck.find(R"(*Static, riks
0.01, 1., 1e-05, , , Tip, 2, -0.5
)"),
            std::string::npos)
      << deck;
  EXPECT_NE(deck.find(R"(*Bulk Viscosity
0.06, 1.2
** Mass Scaling: Reinitialize Mass
**               Whole Model
*Fixed Mass Scaling
** Mass Scaling: Reinitialize Mass
**               Plate-1.Web
*Fixed Mass Scaling, elset=Plate-1.Web
** Mass Scaling: Semi-Automatic
**               "Fixture set"
*Variable Mass Scaling, elset="Fixture set", dt=1e-06, type=below min, frequency=10
)"),
            std::string::npos)
      << deck;
}

TEST(StepBuilder, AStepOfAKindWithoutAProcedureStopsTheBuild) {
  odb_Odb odb = test::ModelOf({std::make_shared<ForeignStep>("Odd")});
  oif_ModelInfo info(odb.ddb().model("Default Model"));
  oif_StepBuilder builder(info);
  EXPECT_EQ(test::Thrown<nex_TextException>([&] { builder.Build(); }),
            "Unimplemented procedure print method (oif_StepBuilder:546)");
}

TEST(StepBuilder, AStepWithoutAStepLineFailsWhenWritten) {
  odb_Odb odb = test::ModelOf({std::make_shared<kprC_ComplexFrequencyStep>("Squeal")});
  EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Deck(odb); }),
            "Unimplemented function to write out *Step card (oif_Step:243)");
}

TEST(StepBuilder, LoadCasesWithEmptyNamesAreSkipped) {
  auto step = std::make_shared<kprC_FrequencyStep>("Modes");
  step->eigensolver = kprC_FrequencyStep::EIGENSOLVER_AMS;
  step->loadCases_.Add("", std::make_shared<klcC_LoadCase>(""));
  odb_Odb odb = test::ModelOf({step});
  oif_ModelInfo info(odb.ddb().model("Default Model"));
  oif_StepBuilder builder(info);
  builder.Build();
  const std::string out =
      test::Written([&](utl_Stream& stream) { zkw_WriteList(builder.StepDefinition("Modes", ""), stream); });
  EXPECT_EQ(out, R"(** ----------------------------------------------------------------
** 
** STEP: Modes
** 
*Step, name=Modes, perturbation
*Frequency, eigensolver=AMS, normalization=displacement
)");
}

}  // namespace
