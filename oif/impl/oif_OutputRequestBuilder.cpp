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
  const oif_ControlsRow* row = oif_FindControlsRow(*controls);
  if (row == nullptr) nex_TextException("Unimplemented controls type").Throw("oif_OutputRequestBuilder", __LINE__);
  row->add(*controls, lineSearch, [&](const zkw_Keyword& keyword) { AddStepDefinition(name, keyword); });
}

void oif_OutputRequestBuilder::AddSolverControls(const cow_String& name, const kprC_AnalysisStep& step) {
  const kprC_SolverControls* controls = step.solverControls();
  if (controls == nullptr) return;
  if (!controls->propagated) AddStepDefinition(name, oif_Comment("\nSOLVER CONTROLS\n"));
  AddStepDefinition(name, oif_SolverControls(*controls));
}
