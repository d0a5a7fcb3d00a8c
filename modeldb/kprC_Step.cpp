#include "modeldb/kprC_Step.h"

klcC_LoadCase::~klcC_LoadCase() = default;
kprC_Step::~kprC_Step() = default;
kprC_InitialStep::~kprC_InitialStep() = default;
kprC_AnalysisStep::~kprC_AnalysisStep() = default;

const char* kprC_Step::ExtrapolationText(int value) {
  switch (value) {
    case EXTRAPOLATION_LINEAR:
      return "LINEAR";
    case EXTRAPOLATION_PARABOLIC:
      return "PARABOLIC";
    case EXTRAPOLATION_NONE:
      return "NONE";
    default:
      return "";
  }
}

// The static procedure ramps its loads by default, every other one applies
// them at once.
kprC_StaticStep::kprC_StaticStep(std::string name) : kprC_AnalysisStep(std::move(name)) {
  amplitude = AMPLITUDE_RAMP;
}
kprC_StaticStep::~kprC_StaticStep() = default;

kprC_StaticRiksStep::kprC_StaticRiksStep(std::string name) : kprC_AnalysisStep(std::move(name)) {
  initialInc = 0.01;
  timePeriod = 1.0;
  minInc = 1e-5;
  maxInc = NoMaxArcInc;
}
kprC_StaticRiksStep::~kprC_StaticRiksStep() = default;

kprC_MassDiffusionStep::kprC_MassDiffusionStep(std::string name) : kprC_AnalysisStep(std::move(name)) {
  endValue = 0.0;
}
kprC_MassDiffusionStep::~kprC_MassDiffusionStep() = default;

kprC_StaticLinearPerturbationStep::~kprC_StaticLinearPerturbationStep() = default;
kprC_GeostaticStep::~kprC_GeostaticStep() = default;
kprC_HeatTransferStep::~kprC_HeatTransferStep() = default;
kprC_CoupledThermalElectricStep::~kprC_CoupledThermalElectricStep() = default;
kprC_SoilsStep::~kprC_SoilsStep() = default;
kprC_CoupledTempDisplacementStep::~kprC_CoupledTempDisplacementStep() = default;
kprC_ViscoStep::~kprC_ViscoStep() = default;
kprC_ImplicitDynamicsStep::~kprC_ImplicitDynamicsStep() = default;
kprC_AnnealStep::~kprC_AnnealStep() = default;

const char* kprC_MassScaling::TypeText(int value) {
  switch (value) {
    case TYPE_UNIFORM:
      return "UNIFORM";
    case TYPE_BELOW_MIN:
      return "BELOW_MIN";
    case TYPE_SET_EQUAL_DT:
      return "SET_EQUAL_DT";
    default:
      return "";
  }
}

bool kprC_MassScaling::IsVariable() const noexcept {
  switch (objective) {
    case OBJECTIVE_AUTOMATIC:
    case OBJECTIVE_DISABLE:
      return true;
    case OBJECTIVE_SEMI_AUTOMATIC:
      return throughoutStep;
    default:
      return false;
  }
}

kprC_ExplicitStep::kprC_ExplicitStep(std::string name) : kprC_AnalysisStep(std::move(name)) { nlgeom = NLGEOM_ON; }
kprC_ExplicitStep::~kprC_ExplicitStep() = default;
kprC_ExplicitDynamicsStep::~kprC_ExplicitDynamicsStep() = default;
kprC_TempDisplacementDynamicsStep::~kprC_TempDisplacementDynamicsStep() = default;
kprC_FrequencyStep::~kprC_FrequencyStep() = default;
kprC_BuckleStep::~kprC_BuckleStep() = default;
kprC_ComplexFrequencyStep::~kprC_ComplexFrequencyStep() = default;
kprC_ModalDynamicsStep::~kprC_ModalDynamicsStep() = default;
kprC_SubspaceDynamicsStep::~kprC_SubspaceDynamicsStep() = default;
kprC_RandomResponseStep::~kprC_RandomResponseStep() = default;
kprC_ResponseSpectrumStep::~kprC_ResponseSpectrumStep() = default;
kprC_SteadyStateModalStep::~kprC_SteadyStateModalStep() = default;
kprC_SteadyStateDirectStep::~kprC_SteadyStateDirectStep() = default;
kprC_SteadyStateSubspaceStep::~kprC_SteadyStateSubspaceStep() = default;
