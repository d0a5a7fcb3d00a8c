#pragma once
// The step kinds: every class of analysis step, with its name in the model
// file. The model file reader and the writer each keep one row per kind in
// the same order (mfl_Steps.cpp, oif_StepKinds.cpp); a kind added here fails
// to build until both have its row.
#include <span>

#include "modeldb/kprC_Step.h"
#include "modeldb/mdl_KindTable.h"

enum class kprC_StepKind : int {
  Static, StaticRiks, StaticLinearPerturbation, Geostatic, HeatTransfer, CoupledThermalElectric, MassDiffusion,
  Soils, CoupledTempDisplacement, Visco, ImplicitDynamics, Anneal, ExplicitDynamics, TempDisplacementDynamics,
  Frequency, Buckle, ComplexFrequency, ModalDynamics, SubspaceDynamics, RandomResponse, ResponseSpectrum,
  SteadyStateModal, SteadyStateDirect, SteadyStateSubspace,
  Count
};

struct kprC_StepKindInfo {
  kprC_StepKind kind;
  const char* className;           ///< "kprC_StaticStep"
  const char* fileName;            ///< the step's "kind" in the model file
  const std::type_info* type;      ///< typeid of the class
  /// Why the writer cannot write a step of this kind (it stops with this
  /// "Unimplemented ..." text); nullptr when it can.
  const char* unwritable;
};

inline constexpr const char* kprC_NoStepLine = "Unimplemented function to write out *Step card";

// clang-format off
inline constexpr kprC_StepKindInfo kprC_StepKindTable[] = {
    {kprC_StepKind::Static, "kprC_StaticStep", "static", &typeid(kprC_StaticStep), nullptr},
    {kprC_StepKind::StaticRiks, "kprC_StaticRiksStep", "static riks", &typeid(kprC_StaticRiksStep), nullptr},
    {kprC_StepKind::StaticLinearPerturbation, "kprC_StaticLinearPerturbationStep", "static linear perturbation",
     &typeid(kprC_StaticLinearPerturbationStep), nullptr},
    {kprC_StepKind::Geostatic, "kprC_GeostaticStep", "geostatic", &typeid(kprC_GeostaticStep), nullptr},
    {kprC_StepKind::HeatTransfer, "kprC_HeatTransferStep", "heat transfer", &typeid(kprC_HeatTransferStep), nullptr},
    {kprC_StepKind::CoupledThermalElectric, "kprC_CoupledThermalElectricStep", "coupled thermal-electrical",
     &typeid(kprC_CoupledThermalElectricStep), nullptr},
    {kprC_StepKind::MassDiffusion, "kprC_MassDiffusionStep", "mass diffusion", &typeid(kprC_MassDiffusionStep),
     nullptr},
    {kprC_StepKind::Soils, "kprC_SoilsStep", "soils", &typeid(kprC_SoilsStep), nullptr},
    {kprC_StepKind::CoupledTempDisplacement, "kprC_CoupledTempDisplacementStep", "coupled temperature-displacement",
     &typeid(kprC_CoupledTempDisplacementStep), nullptr},
    {kprC_StepKind::Visco, "kprC_ViscoStep", "visco", &typeid(kprC_ViscoStep), nullptr},
    {kprC_StepKind::ImplicitDynamics, "kprC_ImplicitDynamicsStep", "implicit dynamics",
     &typeid(kprC_ImplicitDynamicsStep), nullptr},
    {kprC_StepKind::Anneal, "kprC_AnnealStep", "anneal", &typeid(kprC_AnnealStep), nullptr},
    {kprC_StepKind::ExplicitDynamics, "kprC_ExplicitDynamicsStep", "explicit dynamics",
     &typeid(kprC_ExplicitDynamicsStep), nullptr},
    {kprC_StepKind::TempDisplacementDynamics, "kprC_TempDisplacementDynamicsStep",
     "explicit temperature-displacement", &typeid(kprC_TempDisplacementDynamicsStep), nullptr},
    {kprC_StepKind::Frequency, "kprC_FrequencyStep", "frequency", &typeid(kprC_FrequencyStep), nullptr},
    {kprC_StepKind::Buckle, "kprC_BuckleStep", "buckle", &typeid(kprC_BuckleStep), nullptr},
    {kprC_StepKind::ComplexFrequency, "kprC_ComplexFrequencyStep", "complex frequency",
     &typeid(kprC_ComplexFrequencyStep), kprC_NoStepLine},
    {kprC_StepKind::ModalDynamics, "kprC_ModalDynamicsStep", "modal dynamics", &typeid(kprC_ModalDynamicsStep),
     nullptr},
    {kprC_StepKind::SubspaceDynamics, "kprC_SubspaceDynamicsStep", "subspace dynamics",
     &typeid(kprC_SubspaceDynamicsStep), nullptr},
    {kprC_StepKind::RandomResponse, "kprC_RandomResponseStep", "random response", &typeid(kprC_RandomResponseStep),
     nullptr},
    {kprC_StepKind::ResponseSpectrum, "kprC_ResponseSpectrumStep", "response spectrum",
     &typeid(kprC_ResponseSpectrumStep), nullptr},
    {kprC_StepKind::SteadyStateModal, "kprC_SteadyStateModalStep", "steady-state modal",
     &typeid(kprC_SteadyStateModalStep), nullptr},
    {kprC_StepKind::SteadyStateDirect, "kprC_SteadyStateDirectStep", "steady-state direct",
     &typeid(kprC_SteadyStateDirectStep), nullptr},
    {kprC_StepKind::SteadyStateSubspace, "kprC_SteadyStateSubspaceStep", "steady-state subspace",
     &typeid(kprC_SteadyStateSubspaceStep), kprC_NoStepLine},
};
// clang-format on
static_assert(mdl_OneRowPerKindInOrder<kprC_StepKind>(kprC_StepKindTable));

inline const kprC_StepKindInfo& kprC_Info(kprC_StepKind kind) { return kprC_StepKindTable[int(kind)]; }

/// The row of a step's class; nullptr for the initial step and for any class
/// outside the table.
inline const kprC_StepKindInfo* kprC_FindStepKind(const kprC_Step& step) {
  return mdl_RowOfType(kprC_StepKindTable, step.DynTypeId());
}
