// Steps in the model file: every kind with its members, defaults, and what is
// refused.
#include <gtest/gtest.h>

#include "modelfile/mfl_Loader.h"
#include "test_steps_support.h"

namespace {

/// The step of a model made of one analysis step.
template <class Step>
std::shared_ptr<const Step> Load(const std::string& step) {
  static std::vector<odb_Odb> models;  // keep each model alive with its steps
  models.push_back(test::Model(R"("steps": [)" + step + "]"));
  const ddb_Model& model = models.back().ddb().model("Default Model");
  return std::dynamic_pointer_cast<const Step>(model.step().SharedAt(1));
}

std::string Refused(const std::string& step) {
  const test::Refusal refusal = test::Refuse(R"("steps": [)" + step + "]");
  return refusal.id + " " + refusal.pointer;
}

// Every kind loads as its class: see test_kind_tables.cpp.
TEST(StepModelFile, ViscoNeedsItsCreepTolerance) {
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "visco"})"), "model.missing-member /steps/0");
  EXPECT_NE(Load<kprC_ViscoStep>(R"({"name": "S", "kind": "visco", "creepTolerance": 1e-4})"), nullptr);
}

TEST(StepModelFile, MembersReachTheStep) {
  auto load = Load<kprC_StaticStep>(R"({"name": "S", "kind": "static", "nlgeom": true, "extrapolation": "parabolic",
      "amplitude": "step", "maxIncrements": 1000, "matrixStorage": "unsymmetric", "solutionTechnique": "quasi-Newton",
      "incrementation": "fixed", "initialIncrement": 0.01, "timePeriod": 2, "minIncrement": null, "maxIncrement": 0.5,
      "adiabatic": true, "noStop": true, "stabilization": {"method": "damping factor", "value": 0.001}})");
  EXPECT_EQ(load->Nlgeom(), kprC_Step::NLGEOM_ON);
  EXPECT_EQ(load->extrapolation, kprC_Step::EXTRAPOLATION_PARABOLIC);
  EXPECT_EQ(load->amplitude, kprC_Step::AMPLITUDE_STEP);
  EXPECT_EQ(load->maxNumInc, 1000);
  EXPECT_EQ(load->matrixStorage, kprC_Step::MATRIX_UNSYMMETRIC);
  EXPECT_EQ(load->solutionTechnique, kprC_Step::TECHNIQUE_QUASI_NEWTON);
  EXPECT_FALSE(load->IsAutomatic());
  EXPECT_EQ(load->initialInc, 0.01);
  EXPECT_EQ(load->timePeriod, 2.0);
  EXPECT_EQ(load->minInc, mdl_UnsetDouble);
  EXPECT_EQ(load->maxInc, 0.5);
  EXPECT_TRUE(load->adiabatic && load->noStop);
  EXPECT_EQ(load->stabilizationMethod, kprC_Stabilization::STABILIZATION_DAMPING_FACTOR);
  EXPECT_EQ(load->stabilizationValue, 0.001);

  auto fraction = Load<kprC_StaticStep>(
      R"({"name": "S", "kind": "static", "stabilization": {"method": "dissipated energy fraction"}})");
  EXPECT_EQ(fraction->stabilizationValue, 2e-4);
  auto plain = Load<kprC_StaticStep>(R"({"name": "S", "kind": "static"})");
  EXPECT_EQ(plain->amplitude, kprC_Step::AMPLITUDE_RAMP);
  EXPECT_EQ(plain->Nlgeom(), kprC_Step::NLGEOM_OFF);
}

TEST(StepModelFile, ExplicitStepsWithMassScaling) {
  auto crash = Load<kprC_ExplicitDynamicsStep>(R"({"name": "X", "kind": "explicit dynamics", "timePeriod": 0.01,
      "incrementation": "element by element", "linearBulkViscosity": 0.08, "massScaling": [
        {"objective": "semi-automatic", "targetTimeIncrement": 1e-6, "type": "uniform", "factor": 2},
        {"objective": "automatic", "feedRate": 3, "extrudedLength": 0.1, "crossSectionNodes": 10, "direction": "1",
         "frequency": 20},
        {"objective": "disable"}]})");
  EXPECT_EQ(crash->Nlgeom(), kprC_Step::NLGEOM_ON);
  EXPECT_EQ(crash->scheme, kprC_ExplicitStep::SCHEME_ELEMENT_BY_ELEMENT);
  EXPECT_EQ(crash->linearBulkViscosity, 0.08);
  ASSERT_EQ(crash->massScaling.size(), 3u);
  EXPECT_EQ(crash->massScaling[0].type, kprC_MassScaling::TYPE_UNIFORM);
  EXPECT_EQ(crash->massScaling[0].factor, 2.0);
  EXPECT_FALSE(crash->massScaling[0].IsVariable());
  EXPECT_EQ(crash->massScaling[1].direction, kprC_MassScaling::DIRECTION_1);
  EXPECT_EQ(crash->massScaling[1].crossSection, 10);
  EXPECT_EQ(crash->massScaling[2].objective, kprC_MassScaling::OBJECTIVE_DISABLE);
}

TEST(StepModelFile, ModalStepsWithDampingAndRanges) {
  auto random = Load<kprC_RandomResponseStep>(R"({"name": "R", "kind": "random response",
      "frequencyRanges": [{"lower": 1, "upper": 50, "points": 3}, {"lower": 50, "upper": 500, "bias": 1.5}],
      "frequencyScale": "linear",
      "damping": {"structural": [[1, 12, 0.02]], "rayleighByFrequency": [[1, 0.3, 0.002], [100, 0.2, 0.001]]}})");
  ASSERT_EQ(random->frequencyRanges.size(), 2u);
  EXPECT_EQ(random->frequencyRanges[0].points, 3);
  EXPECT_EQ(random->frequencyRanges[1].points, 20);
  EXPECT_EQ(random->frequencyRanges[1].bias, 1.5);
  EXPECT_EQ(random->frequencyScale, kprC_FrequencySweep::SCALE_LINEAR);
  ASSERT_TRUE(random->damping.structural.has_value());
  EXPECT_EQ(random->damping.structural->rows[0].lastMode, 12);
  ASSERT_TRUE(random->damping.rayleighByFrequency.has_value());
  EXPECT_EQ(random->damping.rayleighByFrequency->rows[1].beta, 0.001);
  EXPECT_FALSE(random->damping.direct.has_value());
}

TEST(StepModelFile, LoadCasesWithTheirFlags) {
  auto step = Load<kprC_StaticLinearPerturbationStep>(R"({"name": "P", "kind": "static linear perturbation",
      "loadCases": [{"name": "Up", "keepBoundaryConditions": true}, {"name": "Down", "includeBaseStateBoundaryConditions": true}]})");
  ASSERT_EQ(step->loadCases().Size(), 2u);
  EXPECT_TRUE(step->loadCases().ConstGet("Up").keepBCs);
  EXPECT_FALSE(step->loadCases().ConstGet("Up").includeBaseStateBCs);
  EXPECT_TRUE(step->loadCases().ConstGet("Down").includeBaseStateBCs);
}

TEST(StepModelFile, RefusesUnknownKindsListingTheKnownOnes) {
  const test::Refusal refusal = test::Refuse(R"("steps": [{"name": "S", "kind": "quasi-static"}])");
  EXPECT_EQ(refusal.id, "model.enum");
  EXPECT_EQ(refusal.pointer, "/steps/0/kind");
  EXPECT_NE(refusal.describe.find("steady-state subspace"), std::string::npos) << refusal.describe;
}

TEST(StepModelFile, RefusesValuesOfTheWrongType) {
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "static", "nlgeom": "yes"})"), "model.type /steps/0/nlgeom");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "static", "timePeriod": "1"})"), "model.type /steps/0/timePeriod");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "frequency", "eigenvalues": 2.5})"), "model.type /steps/0/eigenvalues");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "frequency", "boundaries": [1, "two"]})"),
            "model.type /steps/0/boundaries/1");
}

TEST(StepModelFile, RefusesTextsOutsideTheirEnumeration) {
  const test::Refusal refusal = test::Refuse(R"("steps": [{"name": "S", "kind": "static", "amplitude": "smooth"}])");
  EXPECT_EQ(refusal.id, "model.enum");
  EXPECT_NE(refusal.describe.find("\"step\", \"ramp\""), std::string::npos) << refusal.describe;
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "frequency", "eigensolver": "lanczos"})"),
            "model.enum /steps/0/eigensolver");
}

TEST(StepModelFile, RefusesMembersTheKindDoesNotHave) {
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "heat transfer", "nlgeom": true})"), "model.unknown-member /steps/0/nlgeom");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "frequency", "maxIncrements": 5})"),
            "model.unknown-member /steps/0/maxIncrements");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "modal dynamics", "damping": {"structural": [[1, 2, 0.1]]}})"),
            "model.unknown-member /steps/0/damping/structural");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "explicit dynamics", "massScaling": [{"objective": "disable", "factor": 2}]})"),
            "model.unknown-member /steps/0/massScaling/0/factor");
}

TEST(StepModelFile, RefusesValuesThatWouldBeLost) {
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "explicit dynamics", "massScaling": [
                       {"objective": "semi-automatic", "throughoutStep": true, "factor": 2}]})"),
            "model.conflict /steps/0/massScaling/0/factor");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "explicit dynamics", "massScaling": [
                       {"objective": "semi-automatic", "numberInterval": 4}]})"),
            "model.conflict /steps/0/massScaling/0/numberInterval");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "frequency", "acousticCoupling": "projection"})"),
            "model.conflict /steps/0/acousticCoupling");
  const test::Refusal visco = test::Refuse(R"("steps": [{"name": "S", "kind": "visco"}])");
  EXPECT_EQ(visco.id + " " + visco.pointer, "model.missing-member /steps/0");
  EXPECT_NE(visco.describe.find("creepTolerance"), std::string::npos) << visco.describe;
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "visco", "incrementation": "fixed"})"), " ");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "static", "stabilization": {"method": "damping factor"}})"),
            "model.missing-member /steps/0/stabilization");
}

TEST(StepModelFile, RefusesRangesAndSizes) {
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "static", "maxIncrements": 0})"), "model.range /steps/0/maxIncrements");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "modal dynamics", "damping": {"direct": [[1, 2]]}})"),
            "model.size /steps/0/damping/direct/0");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "modal dynamics", "damping": {"rayleigh": [[1, 2.5, 0.1, 0.2]]}})"),
            "model.range /steps/0/damping/rayleigh/0/1");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "random response", "frequencyRanges": [{"lower": 1, "upper": 2, "points": 0}]})"),
            "model.range /steps/0/frequencyRanges/0/points");
  EXPECT_EQ(Refused(R"({"name": "S", "kind": "static", "description": "two\nlines"})"), "model.text /steps/0/description");
}

}  // namespace
