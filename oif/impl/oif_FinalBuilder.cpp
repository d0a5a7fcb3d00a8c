#include "oif/impl/oif_FinalBuilder.h"

#include <set>

#include "oif/impl/oif_Model.h"
#include "oif/impl/oif_RawKeyword.h"
#include "zkw/zkw_ModelInfo.h"

oif_FinalBuilder::oif_FinalBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_FinalBuilder::Clone() const { return new oif_FinalBuilder(*this); }

void oif_FinalBuilder::Build() {
  const ddb_Model& ddb = oif_ModelOf(*model).DdbModel();
  const ddb_Assembly& assembly = ddb.rootAssembly();

  // Each part is closed once, under the first instance that refers to it.
  std::set<cow_String> finishedParts;
  for (auto& [name, instance] : assembly.instance()) {
    if (!instance->isPartInstance()) continue;
    const auto& partInstance = nex_canDynamicCastRef<ddb_PartInstance>(*instance, "oif_FinalBuilder", 42);
    const cow_String& partName = partInstance.partName();
    if (finishedParts.insert(partName).second) {
      AddPartDefinition(partName, oif_RawKeyword(ddb.part().ConstGet(partName).solverInput()));
      AddPartDefinition(partName, oif_RawKeyword("*End Part"));
    }
    AddInstanceDefinition(name, oif_RawKeyword(partInstance.solverInput()));
    if (info->WritesParts()) AddInstanceDefinition(name, oif_RawKeyword("*End Instance"));
  }

  AddAssemblyDefinition(oif_RawKeyword(assembly.solverInput()));
  if (info->WritesParts()) AddAssemblyDefinition(oif_RawKeyword("*End Assembly"));

  AddModelDefinition(oif_RawKeyword(ddb.solverInput()));

  const kprC_StepContainer steps = model->Steps();
  const std::vector<cow_String> stepNames = steps.Keys();
  for (std::size_t k = 0; k < stepNames.size(); ++k) {
    const cow_String& stepName = stepNames[k];
    const kprC_Step& step = steps.ConstGet(stepName);
    if (!step.solverInput().empty()) AddStepDefinition(stepName, oif_RawKeyword(step.solverInput()));
    if (k == 0) continue;
    const auto& analysisStep = nex_canDynamicCastRef<kprC_AnalysisStep>(step, "oif_FinalBuilder", 94);
    const auto& loadCases = nex_canDynamicCastRef<mdl_MapString2ObjCow<klcC_LoadCase>>(
        analysisStep.loadCaseRepository(), "oif_FinalBuilder", 96);
    cow_String last;
    for (const cow_String& loadCase : loadCases.Keys()) {
      AddStepDefinition(stepName, oif_RawKeyword("*End Load Case"), loadCase);
      last = loadCase;
    }
    AddStepDefinition(stepName, oif_RawKeyword("*End Step"), last);
  }
}
