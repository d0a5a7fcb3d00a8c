#include "oif/impl/oif_StepKinds.h"

#include "oif/impl/oif_EigenProcedures.h"
#include "oif/impl/oif_ExplicitProcedures.h"
#include "oif/impl/oif_ImplicitProcedures.h"
#include "oif/impl/oif_ModalProcedures.h"

namespace {

using C = oif_ProcedureContext;

template <class S>
const S& As(const C& c, int line) {
  return nex_canDynamicCastRef<S>(c.step, "oif_StepKinds", line);
}

/// The modal damping keywords of the kinds a step allows, in the order
/// composite, direct, Rayleigh, structural, and the same by frequency.
void ModalDamping(const C& c, const kprC_ModalDampingSet& damping, bool structural) {
  if (damping.composite) c.add(oif_ModalDamping(*damping.composite));
  if (damping.direct) c.add(oif_ModalDamping(*damping.direct));
  if (damping.rayleigh) c.add(oif_ModalDamping(*damping.rayleigh));
  if (structural && damping.structural) c.add(oif_ModalDamping(*damping.structural));
  if (damping.directByFrequency) c.add(oif_ModalDamping(*damping.directByFrequency));
  if (damping.rayleighByFrequency) c.add(oif_ModalDamping(*damping.rayleighByFrequency));
  if (structural && damping.structuralByFrequency) c.add(oif_ModalDamping(*damping.structuralByFrequency));
}

/// Bulk viscosity and the mass scaling definitions of an explicit step.
void ExplicitCompanions(const C& c, const kprC_ExplicitStep& step) {
  c.add(oif_BulkViscosity(c.step));
  for (const kprC_MassScaling& definition : step.massScaling) {
    if (definition.IsVariable())
      c.add(oif_VariableMassScaling(definition, c.regionName(definition.region)));
    else
      c.add(oif_FixedMassScaling(definition, c.regionName(definition.region)));
  }
}

/// A procedure keyword made from the step alone, and "*Solution Technique"
/// after it when `technique`.
template <class K, bool technique = false>
void Plain(const C& c) {
  c.add(K(c.step));
  if (technique) c.add(oif_SolutionTechnique(c.step));
}

template <class K>
void WithParts(const C& c) {
  c.add(K(c.step, c.writesParts));
  c.add(oif_SolutionTechnique(c.step));
}

void StaticRiks(const C& c) {
  c.add(oif_StaticRiks(c.step, c.regionName(As<kprC_StaticRiksStep>(c, __LINE__).nodeRegion)));
  c.add(oif_SolutionTechnique(c.step));
}

template <class K, class S>
void Explicit(const C& c) {
  c.add(K(c.step));
  ExplicitCompanions(c, As<S>(c, __LINE__));
}

void ModalDynamics(const C& c) {
  c.add(oif_ModalDynamics(c.step, c.previousKind));
  ModalDamping(c, As<kprC_ModalDynamicsStep>(c, __LINE__).damping, false);
}

void SubspaceDynamics(const C& c) {
  c.add(oif_SubspaceDynamics(c.step));
  const int modes = As<kprC_SubspaceDynamicsStep>(c, __LINE__).numEigenmodes;
  if (modes != 0) c.add(oif_SelectEigenmodes(modes));
}

/// A modal procedure and its damping; `structural`: the kind allows the
/// structural forms.
template <class K, class S, bool structural>
void Damped(const C& c) {
  c.add(K(c.step));
  ModalDamping(c, As<S>(c, __LINE__).damping, structural);
}

using K = kprC_StepKind;
using N = oif_StepNlgeom;
using U = oif_StepUnsymm;
constexpr bool kNo = false;
constexpr bool kYes = true;
constexpr oif_StepCard kNoStepLine{};

constexpr oif_StepCard Card(N nlgeom, bool perturbation, bool extrapolation, bool amplitude, bool inc, U unsymm,
                            kprC_Step::AmplitudeEnm defaultAmplitude = kprC_Step::AMPLITUDE_STEP) {
  return {true, nlgeom, perturbation, extrapolation, amplitude, inc, unsymm, defaultAmplitude};
}

// clang-format off
//                                                   nlgeom   perturb extrap amplitude inc   unsymm
constexpr oif_StepRow kRows[] = {
    {K::Static,                   Card(N::A,    kNo,  kYes, kYes, kYes, U::Yes, kprC_Step::AMPLITUDE_RAMP),
                                  &Plain<oif_Static, true>},
    {K::StaticRiks,               Card(N::A,    kNo,  kYes, kNo,  kYes, U::Yes),            &StaticRiks},
    {K::StaticLinearPerturbation, Card(N::None, kYes, kNo,  kNo,  kNo,  U::Yes),
                                  &Plain<oif_StaticLinearPerturbation>},
    {K::Geostatic,                Card(N::A,    kNo,  kNo,  kNo,  kNo,  U::Yes),            &Plain<oif_Geostatic, true>},
    {K::HeatTransfer,             Card(N::None, kNo,  kYes, kYes, kYes, U::Yes),            &Plain<oif_HeatTransfer>},
    {K::CoupledThermalElectric,   Card(N::None, kNo,  kYes, kYes, kYes, U::Separated),
                                  &Plain<oif_CoupledThermalElectric, true>},
    {K::MassDiffusion,            Card(N::None, kNo,  kYes, kYes, kYes, U::No),             &Plain<oif_MassDiffusion>},
    {K::Soils,                    Card(N::A,    kNo,  kYes, kYes, kYes, U::Consolidation),  &Plain<oif_Soils, true>},
    {K::CoupledTempDisplacement,  Card(N::A,    kNo,  kYes, kYes, kYes, U::Separated),      &WithParts<oif_CoupledTempDisplacement>},
    {K::Visco,                    Card(N::A,    kNo,  kYes, kYes, kYes, U::Yes),            &WithParts<oif_Visco>},
    {K::ImplicitDynamics,         Card(N::A,    kNo,  kYes, kYes, kYes, U::Yes),            &Plain<oif_ImplicitDynamics>},
    {K::Anneal,                   Card(N::B,    kNo,  kNo,  kNo,  kNo,  U::No),             &Plain<oif_Anneal>},
    {K::ExplicitDynamics,         Card(N::B,    kNo,  kNo,  kNo,  kNo,  U::No),
                                  &Explicit<oif_ExplicitDynamics, kprC_ExplicitDynamicsStep>},
    {K::TempDisplacementDynamics, Card(N::B,    kNo,  kNo,  kNo,  kNo,  U::No),
                                  &Explicit<oif_DynamicTempDisplacement, kprC_TempDisplacementDynamicsStep>},
    {K::Frequency,                Card(N::None, kYes, kNo,  kNo,  kNo,  U::No),             &Plain<oif_Frequency>},
    {K::Buckle,                   Card(N::None, kYes, kNo,  kNo,  kNo,  U::No),             &Plain<oif_Buckle>},
    {K::ComplexFrequency,         kNoStepLine,                                              &Plain<oif_ComplexFrequency>},
    {K::ModalDynamics,            Card(N::None, kYes, kNo,  kNo,  kNo,  U::No),             &ModalDynamics},
    {K::SubspaceDynamics,         Card(N::A,    kNo,  kNo,  kYes, kYes, U::No),             &SubspaceDynamics},
    {K::RandomResponse,           Card(N::None, kYes, kNo,  kNo,  kNo,  U::No),
                                  &Damped<oif_RandomResponse, kprC_RandomResponseStep, true>},
    {K::ResponseSpectrum,         Card(N::None, kYes, kNo,  kNo,  kNo,  U::No),
                                  &Damped<oif_ResponseSpectrum, kprC_ResponseSpectrumStep, false>},
    {K::SteadyStateModal,         Card(N::None, kYes, kNo,  kNo,  kNo,  U::No),
                                  &Damped<oif_SteadyStateModal, kprC_SteadyStateModalStep, true>},
    {K::SteadyStateDirect,        Card(N::None, kYes, kNo,  kNo,  kNo,  U::Yes),            &Plain<oif_SteadyStateDirect>},
    {K::SteadyStateSubspace,      kNoStepLine,                                              &Plain<oif_SteadyStateSubspace>},
};
// clang-format on
static_assert(mdl_OneRowPerKindInOrder<kprC_StepKind>(kRows));

}  // namespace

std::span<const oif_StepRow> oif_StepRows() { return kRows; }

const oif_StepRow* oif_FindStepRow(const kprC_Step& step) {
  const kprC_StepKindInfo* info = kprC_FindStepKind(step);
  return info == nullptr ? nullptr : &kRows[int(info->kind)];
}
