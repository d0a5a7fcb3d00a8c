#include "oif/impl/oif_OutputRequestBuilder.h"

#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_Controls.h"
#include "zkw/zkw_Model.h"

oif_OutputRequestBuilder::oif_OutputRequestBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_OutputRequestBuilder::Clone() const { return new oif_OutputRequestBuilder(*this); }

void oif_OutputRequestBuilder::Build() {
  const kprC_StepContainer steps = model->Steps();
  const std::vector<cow_String> names = steps.Keys();
  for (std::size_t k = 1; k < names.size(); ++k) {
    const cow_String& name = names[k];
    const auto& step = nex_canDynamicCastRef<kprC_AnalysisStep>(steps.ConstGet(name), "oif_OutputRequestBuilder", 96);
    AddControls(name, step);
    AddSolverControls(name, step);
    // Output requests of the step follow here: the "OUTPUT REQUESTS" comment,
    // restart, diagnostic print, monitor, then field and history output.
  }
}

void oif_OutputRequestBuilder::AddControls(const cow_String& name, const kprC_AnalysisStep& step) {
  const kprC_Controls* controls = step.controls();
  if (controls == nullptr) return;
  if (!controls->propagated) AddStepDefinition(name, oif_Comment("\nCONTROLS\n"));
  // The quasi-Newton technique changes the default number of line searches.
  const bool lineSearch = step.solutionTechnique == kprC_Step::TECHNIQUE_QUASI_NEWTON;
  const std::type_index type = controls->DynTypeId();
  const char* source = "oif_OutputRequestBuilder";
  if (type == mdl_TypeId<kprC_TypicalControls>())
    AddStepDefinition(name, oif_TypicalControls(nex_canDynamicCastRef<kprC_TypicalControls>(*controls, source, 1318),
                                                lineSearch));
  else if (type == mdl_TypeId<kprC_HeatTransferControls>())
    AddStepDefinition(name, oif_HeatTransferControls(
                                nex_canDynamicCastRef<kprC_HeatTransferControls>(*controls, source, 1325), lineSearch));
  else if (type == mdl_TypeId<kprC_MassDiffusionControls>())
    AddStepDefinition(name, oif_MassDiffusionControls(
                                nex_canDynamicCastRef<kprC_MassDiffusionControls>(*controls, source, 1332), lineSearch));
  else if (type == mdl_TypeId<kprC_CTEControls>())
    AddStepDefinition(name,
                      oif_CTEControls(nex_canDynamicCastRef<kprC_CTEControls>(*controls, source, 1339), lineSearch));
  else if (type == mdl_TypeId<kprC_CTDControls>())
    AddStepDefinition(name,
                      oif_CTDControls(nex_canDynamicCastRef<kprC_CTDControls>(*controls, source, 1346), lineSearch));
  else if (type == mdl_TypeId<kprC_PoreControls>())
    AddStepDefinition(name,
                      oif_PoreControls(nex_canDynamicCastRef<kprC_PoreControls>(*controls, source, 1353), lineSearch));
  else if (type == mdl_TypeId<kprC_ElectricalControls>())
    AddStepDefinition(name, oif_ElectricalControls(
                                nex_canDynamicCastRef<kprC_ElectricalControls>(*controls, source, 1360), lineSearch));
}

void oif_OutputRequestBuilder::AddSolverControls(const cow_String& name, const kprC_AnalysisStep& step) {
  const kprC_SolverControls* controls = step.solverControls();
  if (controls == nullptr) return;
  if (!controls->propagated) AddStepDefinition(name, oif_Comment("\nSOLVER CONTROLS\n"));
  AddStepDefinition(name, oif_SolverControls(*controls));
}
