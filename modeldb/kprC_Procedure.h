#pragma once
// What each procedure (step kind) is, as the output requests ask it: the
// fields it solves for, whether it is explicit, modal or an eigenvalue
// extraction, the frequency kinds its output requests may have and whether
// time marks apply. One row per step kind, in kind order. The procedure type
// of a step is its kind's number (kprC_ProcedureType).
#include "exceptions/nex_Exception.h"
#include "modeldb/kprC_StepKind.h"

/// The fields and the character of a procedure; the output variable
/// catalogue states for which of them a variable is valid.
enum kprC_Physics : unsigned {
  kprC_Mechanical = 1u << 0,   ///< displacements and stresses
  kprC_Thermal = 1u << 1,      ///< temperatures and heat fluxes
  kprC_Electrical = 1u << 2,   ///< electrical potential and current
  kprC_Diffusion = 1u << 3,    ///< concentrations
  kprC_PoreFluid = 1u << 4,    ///< pore pressure and fluid flow
  kprC_Eigen = 1u << 5,        ///< eigenvalue extraction (frequency, buckling)
  kprC_ModalResponse = 1u << 6,  ///< response built from eigenmodes
  kprC_Explicit = 1u << 7,     ///< explicit time integration
  kprC_Dynamic = 1u << 8,      ///< inertia: velocities and accelerations
};

/// Frequency kinds of an output request (the order of korC_OdbRequest's
/// frequencyKind).
enum kprC_FrequencyKind : int {
  kprC_EveryIncrements = 0,  ///< frequency=N: every N increments
  kprC_NumberInterval = 1,   ///< N equal intervals of the step
  kprC_TimeInterval = 2,     ///< every given time
  kprC_ModeList = 3,         ///< the listed modes
  kprC_TimePoints = 4,       ///< at the times of a time points object
};

/// Output channels.
enum kprC_Channel : int { kprC_FieldChannel = 1, kprC_HistoryChannel = 2 };

struct kprC_ProcedureInfo {
  kprC_StepKind kind;
  unsigned physics;          ///< kprC_Physics bits
  bool implicitModal;        ///< modal dynamics and the other mode-based responses
  bool frequencyBuckle;      ///< eigenvalue extraction
  unsigned frequencyKinds;   ///< bit k: frequency kind k allowed
  unsigned timeMarks;        ///< bit c: time marks apply to channel c
};

namespace kprC_detail {
inline constexpr unsigned kGeneral = 1u << kprC_EveryIncrements | 1u << kprC_NumberInterval |
                                     1u << kprC_TimeInterval | 1u << kprC_TimePoints;
inline constexpr unsigned kEveryIncrements = 1u << kprC_EveryIncrements;
inline constexpr unsigned kModes = 1u << kprC_EveryIncrements | 1u << kprC_ModeList;
inline constexpr unsigned kBothChannels = 1u << kprC_FieldChannel | 1u << kprC_HistoryChannel;
inline constexpr unsigned M = kprC_Mechanical, T = kprC_Thermal, E = kprC_Electrical, D = kprC_Diffusion,
                          P = kprC_PoreFluid, EIG = kprC_Eigen, MOD = kprC_ModalResponse, X = kprC_Explicit,
                          DYN = kprC_Dynamic;
}  // namespace kprC_detail

// clang-format off
inline constexpr kprC_ProcedureInfo kprC_ProcedureTable[] = {
    // kind                                          physics         modal  eigen  frequency kinds   time marks
    {kprC_StepKind::Static,                   kprC_detail::M,                false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::StaticRiks,               kprC_detail::M,                false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::StaticLinearPerturbation, kprC_detail::M,                false, false, kprC_detail::kEveryIncrements, 0},
    {kprC_StepKind::Geostatic,                kprC_detail::M | kprC_detail::P, false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::HeatTransfer,             kprC_detail::T,                false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::CoupledThermalElectric,   kprC_detail::T | kprC_detail::E, false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::MassDiffusion,            kprC_detail::D,                false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::Soils,                    kprC_detail::M | kprC_detail::P, false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::CoupledTempDisplacement,  kprC_detail::M | kprC_detail::T, false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::Visco,                    kprC_detail::M,                false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::ImplicitDynamics,         kprC_detail::M | kprC_detail::DYN, false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::Anneal,                   kprC_detail::M,                false, false, kprC_detail::kEveryIncrements, 0},
    {kprC_StepKind::ExplicitDynamics,         kprC_detail::M | kprC_detail::DYN | kprC_detail::X, false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::TempDisplacementDynamics, kprC_detail::M | kprC_detail::T | kprC_detail::DYN | kprC_detail::X, false, false, kprC_detail::kGeneral, kprC_detail::kBothChannels},
    {kprC_StepKind::Frequency,                kprC_detail::M | kprC_detail::EIG, false, true, kprC_detail::kModes, 0},
    {kprC_StepKind::Buckle,                   kprC_detail::M | kprC_detail::EIG, false, true, kprC_detail::kModes, 0},
    {kprC_StepKind::ComplexFrequency,         kprC_detail::M | kprC_detail::EIG, false, true, kprC_detail::kModes, 0},
    {kprC_StepKind::ModalDynamics,            kprC_detail::M | kprC_detail::MOD | kprC_detail::DYN, true, false, kprC_detail::kEveryIncrements, 0},
    {kprC_StepKind::SubspaceDynamics,         kprC_detail::M | kprC_detail::MOD | kprC_detail::DYN, true, false, kprC_detail::kEveryIncrements, 0},
    {kprC_StepKind::RandomResponse,           kprC_detail::M | kprC_detail::MOD, true, false, kprC_detail::kEveryIncrements, 0},
    {kprC_StepKind::ResponseSpectrum,         kprC_detail::M | kprC_detail::MOD, true, false, kprC_detail::kEveryIncrements, 0},
    {kprC_StepKind::SteadyStateModal,         kprC_detail::M | kprC_detail::MOD, true, false, kprC_detail::kEveryIncrements, 0},
    {kprC_StepKind::SteadyStateDirect,        kprC_detail::M,                false, false, kprC_detail::kEveryIncrements, 0},
    {kprC_StepKind::SteadyStateSubspace,      kprC_detail::M | kprC_detail::MOD, true, false, kprC_detail::kEveryIncrements, 0},
};
// clang-format on
static_assert(mdl_OneRowPerKindInOrder<kprC_StepKind>(kprC_ProcedureTable));

/// The procedure type of a step: its kind's number. The initial step and a
/// class outside the step table have none (NEX_ASSERT).
inline unsigned kprC_ProcedureType(const kprC_Step& step) {
  const kprC_StepKindInfo* info = kprC_FindStepKind(step);
  NEX_ASSERT(info != nullptr);
  return unsigned(info->kind);
}

/// The row of a procedure type (NEX_ASSERT on a type outside the table).
inline const kprC_ProcedureInfo& kprC_Procedure(unsigned procedureType) {
  NEX_ASSERT(procedureType < unsigned(kprC_StepKind::Count));
  return kprC_ProcedureTable[procedureType];
}

inline bool kprC_IsExplicit(unsigned procedureType) {
  return (kprC_Procedure(procedureType).physics & kprC_Explicit) != 0;
}
inline bool kprC_IsImplicitModal(unsigned procedureType) { return kprC_Procedure(procedureType).implicitModal; }
inline bool kprC_IsFrequencyBuckle(unsigned procedureType) { return kprC_Procedure(procedureType).frequencyBuckle; }
inline bool kprC_FrequencyKindIsAllowed(unsigned procedureType, int frequencyKind) {
  return frequencyKind >= 0 && frequencyKind < 5 && (kprC_Procedure(procedureType).frequencyKinds >> frequencyKind & 1u);
}
inline bool kprC_ModesAreAllowed(unsigned procedureType) {
  return kprC_FrequencyKindIsAllowed(procedureType, kprC_ModeList);
}
inline bool kprC_TimeMarksIsAllowed(unsigned procedureType, int channel) {
  return channel >= 0 && channel < 8 && (kprC_Procedure(procedureType).timeMarks >> channel & 1u);
}
