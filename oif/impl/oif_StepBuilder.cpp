#include "oif/impl/oif_StepBuilder.h"

#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_LoadCase.h"
#include "oif/impl/oif_SetName.h"
#include "oif/impl/oif_Step.h"
#include "oif/impl/oif_StepKinds.h"
#include "zkw/zkw_Model.h"
#include "zkw/zkw_ModelInfo.h"

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
  const oif_StepRow* row = oif_FindStepRow(step);
  if (row == nullptr) nex_TextException("Unimplemented procedure print method").Throw("oif_StepBuilder", 546);
  row->procedure({step, previousKind, info->WritesParts(),
                  [&](const zkw_Keyword& keyword) { AddStepDefinition(name, keyword); },
                  [&](const rgnC_Region& region) { return RegionName(region); }});
}
