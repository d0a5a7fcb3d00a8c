#include "oif/impl/oif_StepBuilder.h"

#include <typeindex>

#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_EigenProcedures.h"
#include "oif/impl/oif_ExplicitProcedures.h"
#include "oif/impl/oif_ImplicitProcedures.h"
#include "oif/impl/oif_LoadCase.h"
#include "oif/impl/oif_ModalProcedures.h"
#include "oif/impl/oif_SetName.h"
#include "oif/impl/oif_Step.h"
#include "zkw/zkw_Model.h"
#include "zkw/zkw_ModelInfo.h"

namespace {

/// The modal damping keywords of the kinds a step allows, in the order
/// composite, direct, Rayleigh, structural, and the same by frequency.
template <class Add>
void ModalDamping(const kprC_ModalDampingSet& damping, bool structural, Add&& add) {
  if (damping.composite) add(oif_ModalDamping(*damping.composite));
  if (damping.direct) add(oif_ModalDamping(*damping.direct));
  if (damping.rayleigh) add(oif_ModalDamping(*damping.rayleigh));
  if (structural && damping.structural) add(oif_ModalDamping(*damping.structural));
  if (damping.directByFrequency) add(oif_ModalDamping(*damping.directByFrequency));
  if (damping.rayleighByFrequency) add(oif_ModalDamping(*damping.rayleighByFrequency));
  if (structural && damping.structuralByFrequency) add(oif_ModalDamping(*damping.structuralByFrequency));
}

}  // namespace

oif_StepBuilder::oif_StepBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_StepBuilder::Clone() const { return new oif_StepBuilder(*this); }

void oif_StepBuilder::Build() {
  // Nonlinear geometry, once on, stays on for the rest of the analysis.
  bool nlgeomInEffect = info->HasExplicitStep();
  const kprC_StepContainer steps = model->Steps();
  const std::vector<cow_String> names = steps.Keys();
  std::type_index previousKind = mdl_TypeId<kprC_InitialStep>();
  for (std::size_t k = 1; k < names.size(); ++k) {
    const cow_String& name = names[k];
    const auto& step = nex_canDynamicCastRef<kprC_AnalysisStep>(steps.ConstGet(name), "oif_StepBuilder", 91);
    AddStepDefinition(name, oif_Comment(cow_String(64, '-') + "\n\nSTEP: " + name + "\n"));
    AddStepDefinition(name, oif_Step(step, nlgeomInEffect, name));
    AddProcedure(name, step, previousKind);
    if (!nlgeomInEffect && step.Nlgeom() == kprC_Step::NLGEOM_ON) nlgeomInEffect = true;

    if (!steps.IsMember(name)) continue;
    bool first = true;
    for (const auto& [caseName, loadCase] : step.loadCases()) {
      if (caseName.empty()) continue;
      if (first) AddStepDefinition(name, oif_Comment("\nLOAD CASES\n"), caseName);
      first = false;
      AddStepDefinition(name, oif_LoadCase(caseName), caseName);
    }
    previousKind = step.DynTypeId();
  }
}

cow_String oif_StepBuilder::RegionName(const rgnC_Region& region) const {
  return region.Path().empty() ? cow_String() : oif_SetName(region, *info).Name(2);
}

void oif_StepBuilder::AddProcedure(const cow_String& name, const kprC_AnalysisStep& step,
                                   std::type_index previousKind) {
  auto add = [&](const zkw_Keyword& keyword) { AddStepDefinition(name, keyword); };
  auto explicitCompanions = [&](const kprC_ExplicitStep& explicitStep) {
    add(oif_BulkViscosity(step));
    for (const kprC_MassScaling& definition : explicitStep.massScaling) {
      if (definition.IsVariable())
        add(oif_VariableMassScaling(definition, RegionName(definition.region)));
      else
        add(oif_FixedMassScaling(definition, RegionName(definition.region)));
    }
  };
  const std::type_index type = step.DynTypeId();

  if (type == mdl_TypeId<kprC_AnnealStep>()) {
    add(oif_Anneal(step));
  } else if (type == mdl_TypeId<kprC_BuckleStep>()) {
    add(oif_Buckle(step));
  } else if (type == mdl_TypeId<kprC_CoupledTempDisplacementStep>()) {
    add(oif_CoupledTempDisplacement(step, info->WritesParts()));
    add(oif_SolutionTechnique(step));
  } else if (type == mdl_TypeId<kprC_CoupledThermalElectricStep>()) {
    add(oif_CoupledThermalElectric(step));
    add(oif_SolutionTechnique(step));
  } else if (type == mdl_TypeId<kprC_ExplicitDynamicsStep>()) {
    add(oif_ExplicitDynamics(step));
    explicitCompanions(nex_canDynamicCastRef<kprC_ExplicitDynamicsStep>(step, "oif_StepBuilder", 173));
  } else if (type == mdl_TypeId<kprC_FrequencyStep>()) {
    add(oif_Frequency(step));
  } else if (type == mdl_TypeId<kprC_GeostaticStep>()) {
    add(oif_Geostatic(step));
    add(oif_SolutionTechnique(step));
  } else if (type == mdl_TypeId<kprC_HeatTransferStep>()) {
    add(oif_HeatTransfer(step));
  } else if (type == mdl_TypeId<kprC_ImplicitDynamicsStep>()) {
    add(oif_ImplicitDynamics(step));
  } else if (type == mdl_TypeId<kprC_MassDiffusionStep>()) {
    add(oif_MassDiffusion(step));
  } else if (type == mdl_TypeId<kprC_ModalDynamicsStep>()) {
    add(oif_ModalDynamics(step, previousKind));
    ModalDamping(nex_canDynamicCastRef<kprC_ModalDynamicsStep>(step, "oif_StepBuilder", 214).damping, false, add);
  } else if (type == mdl_TypeId<kprC_RandomResponseStep>()) {
    add(oif_RandomResponse(step));
    ModalDamping(nex_canDynamicCastRef<kprC_RandomResponseStep>(step, "oif_StepBuilder", 264).damping, true, add);
  } else if (type == mdl_TypeId<kprC_ResponseSpectrumStep>()) {
    add(oif_ResponseSpectrum(step));
    ModalDamping(nex_canDynamicCastRef<kprC_ResponseSpectrumStep>(step, "oif_StepBuilder", 313).damping, false,
                 add);
  } else if (type == mdl_TypeId<kprC_SoilsStep>()) {
    add(oif_Soils(step));
    add(oif_SolutionTechnique(step));
  } else if (type == mdl_TypeId<kprC_StaticStep>()) {
    add(oif_Static(step));
    add(oif_SolutionTechnique(step));
  } else if (type == mdl_TypeId<kprC_StaticRiksStep>()) {
    const auto& riks = nex_canDynamicCastRef<kprC_StaticRiksStep>(step, "oif_StepBuilder", 374);
    add(oif_StaticRiks(step, RegionName(riks.nodeRegion)));
    add(oif_SolutionTechnique(step));
  } else if (type == mdl_TypeId<kprC_StaticLinearPerturbationStep>()) {
    add(oif_StaticLinearPerturbation(step));
  } else if (type == mdl_TypeId<kprC_SteadyStateDirectStep>()) {
    add(oif_SteadyStateDirect(step));
  } else if (type == mdl_TypeId<kprC_SteadyStateModalStep>()) {
    add(oif_SteadyStateModal(step));
    ModalDamping(nex_canDynamicCastRef<kprC_SteadyStateModalStep>(step, "oif_StepBuilder", 441).damping, true, add);
  } else if (type == mdl_TypeId<kprC_SubspaceDynamicsStep>()) {
    add(oif_SubspaceDynamics(step));
    const int modes = nex_canDynamicCastRef<kprC_SubspaceDynamicsStep>(step, "oif_StepBuilder", 466).numEigenmodes;
    if (modes != 0) add(oif_SelectEigenmodes(modes));
  } else if (type == mdl_TypeId<kprC_ViscoStep>()) {
    add(oif_Visco(step, info->WritesParts()));
    add(oif_SolutionTechnique(step));
  } else if (type == mdl_TypeId<kprC_TempDisplacementDynamicsStep>()) {
    add(oif_DynamicTempDisplacement(step));
    explicitCompanions(nex_canDynamicCastRef<kprC_TempDisplacementDynamicsStep>(step, "oif_StepBuilder", 529));
  } else if (type == mdl_TypeId<kprC_ComplexFrequencyStep>()) {
    add(oif_ComplexFrequency(step));
  } else if (type == mdl_TypeId<kprC_SteadyStateSubspaceStep>()) {
    add(oif_SteadyStateSubspace(step));
  } else {
    nex_TextException("Unimplemented procedure print method").Throw("oif_StepBuilder", 546);
  }
}
