#pragma once
// The step kinds: every class of analysis step, with its name in the model
// file. The model file reader and the writer each keep one row per kind in
// the same order (mfl_Steps.cpp, oif_StepKinds.cpp); a kind added here fails
// to build until both have its row.
#include <memory>
#include <span>
#include <string>

#include "modeldb/kprC_Step.h"
#include "modeldb/mdl_KindTable.h"

enum class kprC_StepKind : int {
  Static, StaticRiks, StaticLinearPerturbation, Geostatic, HeatTransfer, CoupledThermalElectric, MassDiffusion,
  Soils, CoupledTempDisplacement, Visco, ImplicitDynamics, Anneal, ExplicitDynamics, TempDisplacementDynamics,
  Frequency, Buckle, ComplexFrequency, ModalDynamics, SubspaceDynamics, RandomResponse, ResponseSpectrum,
  SteadyStateModal, SteadyStateDirect, SteadyStateSubspace,
  Count
};

/// A new step of class T, with its defaults.
template <class T>
std::shared_ptr<kprC_AnalysisStep> kprC_MakeStep(std::string name) {
  return std::make_shared<T>(std::move(name));
}

struct kprC_StepKindInfo {
  kprC_StepKind kind;
  const char* className;           ///< "kprC_StaticStep"
  const char* fileName;            ///< the step's "kind" in the model file
  const std::type_info* type;      ///< typeid of the class
  /// Why the writer cannot write a step of this kind (it stops with this
  /// "Unimplemented ..." text); nullptr when it can.
  const char* unwritable;
  /// A new step of the class.
  std::shared_ptr<kprC_AnalysisStep> (*make)(std::string name);
};

inline constexpr const char* kprC_NoStepLine = "Unimplemented function to write out *Step card";

template <class T>
constexpr kprC_StepKindInfo kprC_StepRow(kprC_StepKind kind, const char* className, const char* fileName,
                                         const char* unwritable = nullptr) {
  return {kind, className, fileName, &typeid(T), unwritable, &kprC_MakeStep<T>};
}

// clang-format off
inline constexpr kprC_StepKindInfo kprC_StepKindTable[] = {
    kprC_StepRow<kprC_StaticStep>(kprC_StepKind::Static, "kprC_StaticStep", "static"),
    kprC_StepRow<kprC_StaticRiksStep>(kprC_StepKind::StaticRiks, "kprC_StaticRiksStep", "static riks"),
    kprC_StepRow<kprC_StaticLinearPerturbationStep>(kprC_StepKind::StaticLinearPerturbation,
        "kprC_StaticLinearPerturbationStep", "static linear perturbation"),
    kprC_StepRow<kprC_GeostaticStep>(kprC_StepKind::Geostatic, "kprC_GeostaticStep", "geostatic"),
    kprC_StepRow<kprC_HeatTransferStep>(kprC_StepKind::HeatTransfer, "kprC_HeatTransferStep", "heat transfer"),
    kprC_StepRow<kprC_CoupledThermalElectricStep>(kprC_StepKind::CoupledThermalElectric,
        "kprC_CoupledThermalElectricStep", "coupled thermal-electrical"),
    kprC_StepRow<kprC_MassDiffusionStep>(kprC_StepKind::MassDiffusion, "kprC_MassDiffusionStep", "mass diffusion"),
    kprC_StepRow<kprC_SoilsStep>(kprC_StepKind::Soils, "kprC_SoilsStep", "soils"),
    kprC_StepRow<kprC_CoupledTempDisplacementStep>(kprC_StepKind::CoupledTempDisplacement,
        "kprC_CoupledTempDisplacementStep", "coupled temperature-displacement"),
    kprC_StepRow<kprC_ViscoStep>(kprC_StepKind::Visco, "kprC_ViscoStep", "visco"),
    kprC_StepRow<kprC_ImplicitDynamicsStep>(kprC_StepKind::ImplicitDynamics,
        "kprC_ImplicitDynamicsStep", "implicit dynamics"),
    kprC_StepRow<kprC_AnnealStep>(kprC_StepKind::Anneal, "kprC_AnnealStep", "anneal"),
    kprC_StepRow<kprC_ExplicitDynamicsStep>(kprC_StepKind::ExplicitDynamics,
        "kprC_ExplicitDynamicsStep", "explicit dynamics"),
    kprC_StepRow<kprC_TempDisplacementDynamicsStep>(kprC_StepKind::TempDisplacementDynamics,
        "kprC_TempDisplacementDynamicsStep", "explicit temperature-displacement"),
    kprC_StepRow<kprC_FrequencyStep>(kprC_StepKind::Frequency, "kprC_FrequencyStep", "frequency"),
    kprC_StepRow<kprC_BuckleStep>(kprC_StepKind::Buckle, "kprC_BuckleStep", "buckle"),
    kprC_StepRow<kprC_ComplexFrequencyStep>(kprC_StepKind::ComplexFrequency,
        "kprC_ComplexFrequencyStep", "complex frequency", kprC_NoStepLine),
    kprC_StepRow<kprC_ModalDynamicsStep>(kprC_StepKind::ModalDynamics, "kprC_ModalDynamicsStep", "modal dynamics"),
    kprC_StepRow<kprC_SubspaceDynamicsStep>(kprC_StepKind::SubspaceDynamics,
        "kprC_SubspaceDynamicsStep", "subspace dynamics"),
    kprC_StepRow<kprC_RandomResponseStep>(kprC_StepKind::RandomResponse, "kprC_RandomResponseStep", "random response"),
    kprC_StepRow<kprC_ResponseSpectrumStep>(kprC_StepKind::ResponseSpectrum,
        "kprC_ResponseSpectrumStep", "response spectrum"),
    kprC_StepRow<kprC_SteadyStateModalStep>(kprC_StepKind::SteadyStateModal,
        "kprC_SteadyStateModalStep", "steady-state modal"),
    kprC_StepRow<kprC_SteadyStateDirectStep>(kprC_StepKind::SteadyStateDirect,
        "kprC_SteadyStateDirectStep", "steady-state direct"),
    kprC_StepRow<kprC_SteadyStateSubspaceStep>(kprC_StepKind::SteadyStateSubspace,
        "kprC_SteadyStateSubspaceStep", "steady-state subspace", kprC_NoStepLine),
};
// clang-format on
static_assert(mdl_OneRowPerKindInOrder<kprC_StepKind>(kprC_StepKindTable));

inline const kprC_StepKindInfo& kprC_Info(kprC_StepKind kind) { return kprC_StepKindTable[int(kind)]; }

/// The row of a step's class; nullptr for the initial step and for any class
/// outside the table.
inline const kprC_StepKindInfo* kprC_FindStepKind(const kprC_Step& step) {
  return mdl_RowOfType(kprC_StepKindTable, step.DynTypeId());
}
