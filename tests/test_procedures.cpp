// Procedure keywords: keyword lines and data-line layouts with automatic and
// fixed incrementation and unset values.
#include <gtest/gtest.h>

#include "oif/impl/oif_EigenProcedures.h"
#include "oif/impl/oif_ExplicitProcedures.h"
#include "oif/impl/oif_ImplicitProcedures.h"
#include "oif/impl/oif_ModalProcedures.h"
#include "test_steps_support.h"

namespace {

template <class Step>
Step Fixed(Step step, double initial = 0.1) {
  step.incrementation = kprC_TimeIncrements::INCREMENTATION_FIXED;
  step.initialInc = initial;
  return step;
}

TEST(StaticProcedure, AutomaticWritesFourValuesFixedTwoAndATrailingSeparator) {
  kprC_StaticStep step("S");
  step.initialInc = 0.1;
  step.maxInc = 0.25;
  EXPECT_EQ(test::Print(oif_Static(step)), "*Static\n0.1, 1., 1e-05, 0.25\n");
  step.minInc = mdl_UnsetDouble;
  EXPECT_EQ(test::Print(oif_Static(step)), "*Static\n0.1, 1., , 0.25\n");
  EXPECT_EQ(test::Print(oif_Static(Fixed(step))), "*Static, direct\n0.1, 1., \n");
  step = Fixed(step);
  step.noStop = true;
  step.adiabatic = true;
  step.timePeriod = 3;
  EXPECT_EQ(test::Print(oif_Static(step)), "*Static, adiabatic, direct=NO STOP\n0.1, 3., \n");
}

TEST(StaticProcedure, FullyPlasticAndStabilization) {
  kprC_StaticStep step("S");
  step.fullyPlastic = "Ring";
  step.stabilizationMethod = kprC_Stabilization::STABILIZATION_ENERGY_FRACTION;
  step.stabilizationValue = 0.0002;
  EXPECT_EQ(test::Print(oif_Static(step)), "*Static, fully plastic=Ring, stabilize=0.0002\n1., 1., 1e-05, 1.\n");
  step.stabilizationMethod = kprC_Stabilization::STABILIZATION_DAMPING_FACTOR;
  step.stabilizationValue = 1e-5;
  step.fullyPlastic.clear();
  EXPECT_EQ(test::Print(oif_Static(step)), "*Static, stabilize, factor=1e-05\n1., 1., 1e-05, 1.\n");
}

TEST(StaticProcedure, TheStepClassIsChecked) {
  const std::string thrown =
      test::Thrown<nex_AssertException>([] { oif_Static(kprC_FrequencyStep("F")); });
  EXPECT_NE(thrown.find("kprC_FrequencyStep is not a kprC_StaticStep"), std::string::npos) << thrown;
  EXPECT_NE(thrown.find("(oif_Static:"), std::string::npos) << thrown;
}

TEST(RiksProcedure, ArcLengthsLoadFactorAndNode) {
  kprC_StaticRiksStep step("R");
  EXPECT_EQ(test::Print(oif_StaticRiks(step, "")), "*Static, riks\n0.01, 1., 1e-05, , , \n");
  step.maxInc = 0.1;
  step.maxLPF = 2.5;
  step.longTerm = true;
  step.dof = 3;
  step.nodeValue = 0.75;
  EXPECT_EQ(test::Print(oif_StaticRiks(step, "Part-1.Tip")),
            "*Static, long term, riks\n0.01, 1., 1e-05, 0.1, 2.5, Part-1.Tip, 3, 0.75\n");
  step = Fixed(step, 0.05);
  step.maxLPF = mdl_UnsetDouble;
  EXPECT_EQ(test::Print(oif_StaticRiks(step, "")), "*Static, direct, long term, riks\n0.05, 1., , , , \n");
}

TEST(TransientProcedures, HeatTransferFixedTransientLeavesTwoEmptyFields) {
  kprC_HeatTransferStep step = Fixed(kprC_HeatTransferStep("H"));
  EXPECT_EQ(test::Print(oif_HeatTransfer(step)), "*Heat Transfer, end=PERIOD\n0.1, 1., , ,\n");
  step.endValue = 0.5;
  EXPECT_EQ(test::Print(oif_HeatTransfer(step)), "*Heat Transfer, end=SS\n0.1, 1., , ,0.5\n");
}

TEST(TransientProcedures, HeatTransferSteadyStateFixedRepeatsTheInitialIncrement) {
  kprC_HeatTransferStep step = Fixed(kprC_HeatTransferStep("H"), 0.2);
  step.steadyState = true;
  step.mxdem = 0.2;
  EXPECT_EQ(test::Print(oif_HeatTransfer(step)), "*Heat Transfer, steady state, mxdem=0.2\n0.2, 1., 0.2, 0.2, \n");
}

TEST(TransientProcedures, HeatTransferAutomaticStatesTheTemperatureChange) {
  kprC_HeatTransferStep step("H");
  step.deltmx = 5;
  EXPECT_EQ(test::Print(oif_HeatTransfer(step)), "*Heat Transfer, end=PERIOD, deltmx=5.\n1., 1., 1e-05, 1., \n");
  step.deltmx = mdl_UnsetDouble;
  step.endValue = 0.01;
  EXPECT_EQ(test::Print(oif_HeatTransfer(step)), "*Heat Transfer, end=SS\n1., 1., 1e-05, 1., 0.01\n");
}

TEST(TransientProcedures, CoupledThermalElectricStatesItsLimitsOnlyWhenAutomatic) {
  kprC_CoupledThermalElectricStep step("E");
  step.deltmx = 2;
  step.mxdem = 0.3;
  EXPECT_EQ(test::Print(oif_CoupledThermalElectric(step)),
            "*Coupled Thermal-Electrical, end=PERIOD, deltmx=2., mxdem=0.3\n1., 1., 1e-05, 1., \n");
  step.steadyState = true;
  EXPECT_EQ(test::Print(oif_CoupledThermalElectric(Fixed(step))),
            "*Coupled Thermal-Electrical, steady state\n0.1, 1., , ,\n");
}

TEST(TransientProcedures, MassDiffusionCountsAZeroEndValueAsNone) {
  kprC_MassDiffusionStep step("D");
  step.dcmax = 0.4;
  EXPECT_EQ(test::Print(oif_MassDiffusion(step)), "*Mass Diffusion, end=PERIOD, dcmax=0.4\n1., 1., 1e-05, 1., \n");
  step.endValue = 0.02;
  EXPECT_EQ(test::Print(oif_MassDiffusion(Fixed(step))), "*Mass Diffusion, end=SS\n0.1, 1., , ,0.02\n");
  step.steadyState = true;
  EXPECT_EQ(test::Print(oif_MassDiffusion(step)), "*Mass Diffusion, steady state\n1., 1., 1e-05, 1., 0.02\n");
}

TEST(TransientProcedures, SoilsToleranceCreepAndConsolidation) {
  kprC_SoilsStep step("Soil");
  EXPECT_EQ(test::Print(oif_Soils(step)), "*Soils, utol=1.0\n1., 1., 1e-05, 1., \n");
  step.consolidation = true;
  step.utol = 50;
  step.creepTolerance = 1e-4;
  step.endValue = 0.1;
  EXPECT_EQ(test::Print(oif_Soils(step)),
            "*Soils, consolidation, end=SS, utol=50., cetol=0.0001\n1., 1., 1e-05, 1., 0.1\n");
  step.creep = false;
  step.stabilizationMethod = kprC_Stabilization::STABILIZATION_ENERGY_FRACTION;
  step.stabilizationValue = 0.001;
  EXPECT_EQ(test::Print(oif_Soils(Fixed(step))),
            "*Soils, consolidation, end=SS, creep=none, stabilize=0.001\n0.1, 1., , ,0.1\n");
}

TEST(ImplicitProcedures, CoupledTempDisplacementCreepForms) {
  kprC_CoupledTempDisplacementStep step("C");
  step.creep = kprC_Creep::CREEP_NONE;
  step.creepTolerance = 1e-3;
  step.deltmx = 10;
  EXPECT_EQ(test::Print(oif_CoupledTempDisplacement(step, true)),
            "*Coupled Temperature-Displacement, creep=none, deltmx=10.\n1., 1., 1e-05, 1.\n");
  EXPECT_EQ(test::Print(oif_CoupledTempDisplacement(step, false)),
            "*Coupled Temperature-Displacement, no creep, deltmx=10.\n1., 1., 1e-05, 1.\n");
  step.creep = kprC_Creep::CREEP_EXPLICIT;
  EXPECT_EQ(test::Print(oif_CoupledTempDisplacement(step, true)),
            "*Coupled Temperature-Displacement, creep=explicit, deltmx=10., cetol=0.001\n1., 1., 1e-05, 1.\n");
  EXPECT_EQ(test::Print(oif_CoupledTempDisplacement(Fixed(step), false)),
            "*Coupled Temperature-Displacement, explicit\n0.1, 1., \n");
  step.steadyState = true;
  EXPECT_EQ(test::Print(oif_CoupledTempDisplacement(step, true)),
            "*Coupled Temperature-Displacement, creep=explicit, steady state\n1., 1., 1e-05, 1.\n");
}

TEST(ImplicitProcedures, ViscoStatesItsToleranceWithoutALineBreakPlace) {
  kprC_ViscoStep step("V");
  step.creepTolerance = 5e-5;
  step.creep = kprC_Creep::CREEP_EXPLICIT;
  EXPECT_EQ(test::Print(oif_Visco(step, true)), "*Visco, cetol=5e-05, creep=explicit\n1., 1., 1e-05, 1.\n");
  EXPECT_EQ(test::Print(oif_Visco(Fixed(step), false)), "*Visco, explicit\n0.1, 1., \n");
}

TEST(ImplicitProcedures, ImplicitDynamicsSeparatesWithoutBlanks) {
  kprC_ImplicitDynamicsStep step("D");
  step.haftol = 100;
  EXPECT_EQ(test::Print(oif_ImplicitDynamics(step)), "*Dynamic,alpha=-0.05,haftol=100.\n1.,1.,1e-05,1.\n");
  step = Fixed(step, 0.001);
  step.adiabatic = true;
  step.halfIncResidual = false;
  step.initialAcceleration = false;
  step.alpha = 0;
  EXPECT_EQ(test::Print(oif_ImplicitDynamics(step)),
            "*Dynamic,alpha=0.,adiabatic,direct,nohaf,initial=NO\n0.001,1.,\n");
  step.noStop = true;
  step.halfIncResidual = true;
  EXPECT_EQ(test::Print(oif_ImplicitDynamics(step)), "*Dynamic,alpha=0.,adiabatic,direct=NO STOP,initial=NO\n0.001,1.,\n");
}

TEST(ImplicitProcedures, KeywordOnlyProcedures) {
  EXPECT_EQ(test::Print(oif_StaticLinearPerturbation(kprC_StaticLinearPerturbationStep("P"))), "*Static\n");
  EXPECT_EQ(test::Print(oif_Geostatic(kprC_GeostaticStep("G"))), "*Geostatic\n");
  kprC_AnnealStep anneal("A");
  EXPECT_EQ(test::Print(oif_Anneal(anneal)), "*Anneal\n");
  anneal.temperature = 20;
  EXPECT_EQ(test::Print(oif_Anneal(anneal)), "*Anneal, temperature=20.\n");
}

TEST(ImplicitProcedures, SolutionTechniqueOnlyForSeparatedCoupledSteps) {
  kprC_CoupledTempDisplacementStep coupled("C");
  kprC_CoupledThermalElectricStep electric("E");
  kprC_StaticStep load("S");
  EXPECT_EQ(test::Print(oif_SolutionTechnique(coupled)), "");
  coupled.solutionTechnique = electric.solutionTechnique = load.solutionTechnique = kprC_Step::TECHNIQUE_SEPARATED;
  EXPECT_EQ(test::Print(oif_SolutionTechnique(coupled)), "*Solution Technique, type=SEPARATED\n");
  EXPECT_EQ(test::Print(oif_SolutionTechnique(electric)), "*Solution Technique, type=SEPARATED\n");
  EXPECT_EQ(test::Print(oif_SolutionTechnique(load)), "");
}

TEST(ExplicitProcedures, EachIncrementationScheme) {
  kprC_ExplicitDynamicsStep step("X");
  step.timePeriod = 0.002;
  EXPECT_EQ(test::Print(oif_ExplicitDynamics(step)), "*Dynamic, Explicit\n, 0.002\n");
  step.maxTimeInc = 1e-6;
  step.scaleFactor = 0.9;
  step.adiabatic = true;
  EXPECT_EQ(test::Print(oif_ExplicitDynamics(step)), "*Dynamic, Explicit, adiabatic, scale factor=0.9\n, 0.002,, 1e-06\n");
  step.scheme = kprC_ExplicitStep::SCHEME_ELEMENT_BY_ELEMENT;
  step.adiabatic = false;
  EXPECT_EQ(test::Print(oif_ExplicitDynamics(step)),
            "*Dynamic, Explicit, element by element, scale factor=0.9\n, 0.002,, 1e-06\n");
  step.scheme = kprC_ExplicitStep::SCHEME_FIXED;
  EXPECT_EQ(test::Print(oif_ExplicitDynamics(step)),
            "*Dynamic, Explicit, fixed time incrementation, scale factor=0.9\n, 0.002\n");
  step.scheme = kprC_ExplicitStep::SCHEME_USER;
  step.timeIncrement = 2e-7;
  EXPECT_EQ(test::Print(oif_ExplicitDynamics(step)), "*Dynamic, Explicit, direct user control\n2e-07, 0.002\n");
}

TEST(ExplicitProcedures, UnknownSchemesAreCorrupt) {
  kprC_ExplicitDynamicsStep crash("X");
  crash.scheme = kprC_ExplicitStep::TimeIncrementationEnm(4);
  EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Print(oif_ExplicitDynamics(crash)); }),
            "Corrupted Explicit Dynamics procedure (oif_ExplicitDynamics:86)");
  kprC_TempDisplacementDynamicsStep heat("T");
  heat.scheme = kprC_ExplicitStep::TimeIncrementationEnm(-1);
  EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Print(oif_DynamicTempDisplacement(heat)); }),
            "Corrupted Dynamic, Temp-displacement procedure (oif_DynamicTempDisplacement:90)");
  heat.scheme = kprC_ExplicitStep::SCHEME_FIXED;
  EXPECT_EQ(test::Print(oif_DynamicTempDisplacement(heat)),
            "*Dynamic Temperature-displacement, Explicit, fixed time incrementation\n, 1.\n");
}

TEST(ExplicitProcedures, BulkViscosityOnlyForExplicitSteps) {
  kprC_TempDisplacementDynamicsStep heat("T");
  heat.quadraticBulkViscosity = 1.5;
  EXPECT_EQ(test::Print(oif_BulkViscosity(heat)), "*Bulk Viscosity\n0.06, 1.5\n");
  EXPECT_EQ(test::Print(oif_BulkViscosity(kprC_StaticStep("S"))), "");
}

TEST(EigenProcedures, FrequencyWithLanczos) {
  kprC_FrequencyStep step("F");
  EXPECT_EQ(test::Print(oif_Frequency(step)), R"(*Frequency, eigensolver=Lanczos, acoustic coupling=on, normalization=displacement, number interval=1, bias=1.
, , , , , 
)");
  step.numEigen = 10;
  step.maxFrequency = 500;
  step.acousticCoupling = kprC_FrequencyStep::COUPLING_OFF;
  step.normalization = kprC_FrequencyStep::NORMALIZATION_MASS;
  step.boundaries = {10, 20.5, 40};
  step.propertyEvaluation = 50;
  EXPECT_EQ(test::Print(oif_Frequency(step)), R"(*Frequency, eigensolver=Lanczos, acoustic coupling=off, normalization=mass, number interval=1, user boundaries,
property evaluation = 50.
10, , 500., , , 
10., 20.5, 40., 
)");
  step.omitBoundaries = true;
  step.propertyEvaluation = mdl_UnsetDouble;
  EXPECT_EQ(test::Print(oif_Frequency(step)), R"(*Frequency, eigensolver=Lanczos, acoustic coupling=off, normalization=mass, number interval=1, user boundaries
10, , 500., , , 
)");
}

TEST(EigenProcedures, FrequencyWithSubspaceAndAms) {
  kprC_FrequencyStep step("F");
  step.eigensolver = kprC_FrequencyStep::EIGENSOLVER_SUBSPACE;
  step.vectors = 18;
  EXPECT_EQ(test::Print(oif_Frequency(step)), "*Frequency, eigensolver=subspace, normalization=displacement\n18, \n");
  step.eigensolver = kprC_FrequencyStep::EIGENSOLVER_AMS;
  EXPECT_EQ(test::Print(oif_Frequency(step)), "*Frequency, eigensolver=AMS, normalization=displacement\n");
  step.acousticCoupling = kprC_FrequencyStep::COUPLING_PROJECTION;
  step.dampingProjection = false;
  EXPECT_EQ(test::Print(oif_Frequency(step)),
            "*Frequency, eigensolver=AMS, acoustic coupling=projection, damping projection=off, "
            "normalization=displacement\n");
  step.acousticCoupling = kprC_FrequencyStep::COUPLING_OFF;
  step.dampingProjection = true;
  EXPECT_EQ(test::Print(oif_Frequency(step)),
            "*Frequency, eigensolver=AMS, acoustic coupling=off, normalization=displacement\n");
}

TEST(EigenProcedures, BuckleByEigensolver) {
  kprC_BuckleStep step("B");
  step.numEigen = 4;
  EXPECT_EQ(test::Print(oif_Buckle(step)), "*Buckle\n4, , , \n");
  step.maxEigen = 100;
  step.vectors = 8;
  step.maxIterations = 30;
  EXPECT_EQ(test::Print(oif_Buckle(step)), "*Buckle\n4, 100., 8, 30\n");
  step.eigensolver = kprC_BuckleStep::EIGENSOLVER_LANCZOS;
  step.minEigen = 0;
  EXPECT_EQ(test::Print(oif_Buckle(step)), "*Buckle, eigensolver=lanczos\n4, 0., 100., , \n");
}

TEST(EigenProcedures, ComplexFrequencyStatesTheUpperBoundWhenItBounds) {
  kprC_ComplexFrequencyStep step("C");
  EXPECT_EQ(test::Print(oif_ComplexFrequency(step)), "*Complex Frequency, friction damping=NO\n, , , \n");
  step.numEigen = 20;
  step.maxFrequency = 1e18;
  step.frictionDamping = true;
  EXPECT_EQ(test::Print(oif_ComplexFrequency(step)), "*Complex Frequency, friction damping=YES\n20, , , \n");
  step.minFrequency = 1;
  step.shift = 5;
  EXPECT_EQ(test::Print(oif_ComplexFrequency(step)), "*Complex Frequency, friction damping=YES\n20, 1., 1e+18, 5.\n");
  step.minFrequency = mdl_UnsetDouble;
  step.maxFrequency = 2000;
  EXPECT_EQ(test::Print(oif_ComplexFrequency(step)), "*Complex Frequency, friction damping=YES\n20, , 2000., 5.\n");
}

kprC_FrequencyRange Range(double lower, double upper, int points, double bias) {
  kprC_FrequencyRange range;
  range.lower = lower;
  range.upper = upper;
  range.points = points;
  range.bias = bias;
  return range;
}

TEST(ModalProcedures, RandomResponseLeavesTheBiasOfThreePointsEmpty) {
  kprC_RandomResponseStep step("R");
  step.frequencyRanges = {Range(1, 100, 3, 2), Range(100, 1000, 20, 2)};
  EXPECT_EQ(test::Print(oif_RandomResponse(step)), "*Random Response\n1., 100., 3, , \n100., 1000., 20, 2., \n");
  step.frequencyScale = kprC_FrequencySweep::SCALE_LINEAR;
  EXPECT_EQ(test::Print(oif_RandomResponse(step)), "*Random Response\n1., 100., 3, , 1\n100., 1000., 20, 2., 1\n");
}

TEST(ModalProcedures, SteadyStateForms) {
  kprC_SteadyStateModalStep modal("M");
  modal.frequencyRanges = {Range(10, 20, 5, 3)};
  EXPECT_EQ(test::Print(oif_SteadyStateModal(modal)), "*Steady State Dynamics\n10., 20., 5, 3., \n");
  modal.interval = kprC_FrequencySweep::INTERVAL_RANGE;
  EXPECT_EQ(test::Print(oif_SteadyStateModal(modal)), "*Steady State Dynamics, interval=RANGE\n10., 20., 5, 3., \n");
  modal.interval = kprC_FrequencySweep::INTERVAL_EIGENFREQUENCY;
  EXPECT_EQ(test::Print(oif_SteadyStateModal(modal)),
            "*Steady State Dynamics, interval=EIGENFREQUENCY\n10., 20., 5, 3., \n");

  kprC_SteadyStateDirectStep direct("D");
  direct.frequencyRanges = {Range(10, 20, 2, 3)};
  EXPECT_EQ(test::Print(oif_SteadyStateDirect(direct)), "*Steady State Dynamics, direct\n10., 20., 2, , \n");
  direct.realOnly = true;
  direct.interval = kprC_FrequencySweep::INTERVAL_EIGENFREQUENCY;
  EXPECT_EQ(test::Print(oif_SteadyStateDirect(direct)),
            "*Steady State Dynamics, direct=REAL ONLY, interval=EIGENFREQUENCY\n10., 20., 2, , \n");

  kprC_SteadyStateSubspaceStep subspace("S");
  subspace.frequencyRanges = {Range(10, 20, 3, 3), Range(20, 40, 9, 2)};
  EXPECT_EQ(test::Print(oif_SteadyStateSubspace(subspace)),
            "*Steady State Dynamics, subspace projection\n10., 20., 3, \n20., 40., 9, 2.\n");
  subspace.projection = kprC_SteadyStateSubspaceStep::PROJECTION_PROPERTY_CHANGE;
  subspace.dampingChange = 0.1;
  subspace.stiffnessChange = 0.2;
  subspace.realOnly = true;
  subspace.frequencyScale = kprC_FrequencySweep::SCALE_LINEAR;
  subspace.interval = kprC_FrequencySweep::INTERVAL_RANGE;
  subspace.frequencyRanges.resize(1);
  EXPECT_EQ(test::Print(oif_SteadyStateSubspace(subspace)),
            R"(*Steady State Dynamics, subspace projection=PROPERTY CHANGE, damping change=0.1, stiffness change=0.2, real only,
frequency scale=LINEAR, interval=RANGE
10., 20., 3, 
)");
  subspace.projection = kprC_SteadyStateSubspaceStep::PROJECTION_EIGENFREQUENCY;
  subspace.realOnly = false;
  subspace.frequencyScale = kprC_FrequencySweep::SCALE_LOGARITHMIC;
  subspace.interval = kprC_FrequencySweep::INTERVAL_SOLVER_DEFAULT;
  EXPECT_EQ(test::Print(oif_SteadyStateSubspace(subspace)),
            "*Steady State Dynamics, subspace projection=EIGENFREQUENCY\n10., 20., 3, \n");
}

TEST(ModalProcedures, SubspaceDynamicsAndEigenmodes) {
  kprC_SubspaceDynamicsStep step("S");
  EXPECT_EQ(test::Print(oif_SubspaceDynamics(step)), "*Dynamic, subspace\n, 1., \n");
  step.vectors = 25;
  step.timeIncrement = 0.005;
  EXPECT_EQ(test::Print(oif_SubspaceDynamics(step)), "*Dynamic, subspace, vectors=25\n0.005, 1., \n");
  EXPECT_EQ(test::Print(oif_SelectEigenmodes(7)), "*Select Eigenmodes, generate\n1, 7, 1\n");
}

TEST(ModalProcedures, ModalDynamicsContinuesOnlyAfterModalDynamics) {
  kprC_ModalDynamicsStep step("M");
  step.continueAnalysis = true;
  step.timeIncrement = 0.01;
  EXPECT_EQ(test::Print(oif_ModalDynamics(step, mdl_TypeId<kprC_ModalDynamicsStep>())),
            "*Modal dynamic, continue=YES\n0.01, 1.\n");
  EXPECT_EQ(test::Print(oif_ModalDynamics(step, mdl_TypeId<kprC_FrequencyStep>())),
            "*Modal dynamic, continue=NO\n0.01, 1.\n");
  step.continueAnalysis = false;
  EXPECT_EQ(test::Print(oif_ModalDynamics(step, mdl_TypeId<kprC_ModalDynamicsStep>())),
            "*Modal dynamic, continue=NO\n0.01, 1.\n");
}

TEST(ModalProcedures, ResponseSpectrumCombinationSummationAndComponents) {
  kprC_ResponseSpectrumStep step("RS");
  EXPECT_EQ(test::Print(oif_ResponseSpectrum(step)), "*Response spectrum, sum=CQC\n");
  step.combination = kprC_ResponseSpectrumStep::COMBINATION_SRSS;
  step.summation = kprC_ResponseSpectrumStep::SUM_TENP;
  step.components = {{"Quake X", 1, 0, 0, 1.5}, {"QuakeZ", 0, 0, 1, 1}};
  EXPECT_EQ(test::Print(oif_ResponseSpectrum(step)), R"(*Response spectrum, comp=SRSS, sum=TENP
"Quake X",1., 0., 0., 1.5
QuakeZ,0., 0., 1., 1.
)");
  step.combination = kprC_ResponseSpectrumStep::COMBINATION_ALGEBRAIC;
  step.summation = kprC_ResponseSpectrumStep::SUM_ABS;
  step.components.clear();
  EXPECT_EQ(test::Print(oif_ResponseSpectrum(step)), "*Response spectrum, comp=ALGEBRAIC, sum=ABS\n");
  step.summation = kprC_ResponseSpectrumStep::SummationEnm(5);
  EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Print(oif_ResponseSpectrum(step)); }),
            "Unknown response spectrum summation type (oif_ResponseSpectrum:66)");
}

}  // namespace
