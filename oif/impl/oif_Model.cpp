#include "oif/impl/oif_Model.h"

oif_Model::oif_Model(const ddb_Model& model, const cow_String& name) : zkw_Model(name), model_(model) {
  const kprC_StepContainer& steps = model_.step();
  for (std::size_t k = 0; k < steps.Size(); ++k) {
    const kprC_Step& step = steps.At(k);
    if (k == 0) initialStep_ = step.name();
    if (k == 1) firstAnalysisStep_ = step.name();
    if (k >= 1 && firstGeneralStep_.empty() && !step.Perturbation()) firstGeneralStep_ = step.name();
  }
}

mdl_MapString2ObjCow<kadC_AdaptiveMeshControl> oif_Model::AdaptiveMeshControls() const {
  return model_.adaptiveMeshControls();
}
mdl_MapString2ObjCow<ktpC_TimePoint> oif_Model::TimePoints() const { return model_.timePoints(); }
mdl_MapString2ObjCow<kamC_Amplitude> oif_Model::Amplitudes() const { return model_.amplitudes(); }
kprC_PropagatingContainer<kbcC_BoundaryCondition> oif_Model::BoundaryConditions() const {
  return model_.boundaryConditions();
}
mdl_MapString2ObjCow<kbpC_BeamProfile> oif_Model::BeamProfiles() const { return model_.beamProfiles(); }
mdl_MapString2ObjCow<kcoC_Constraint> oif_Model::Constraints() const { return model_.constraints(); }
mdl_MapString2ObjCow<kflC_Filter> oif_Model::Filters() const { return {}; }
mdl_MapString2ObjCow<kinC_ContactControls> oif_Model::ContactControls() const {
  return model_.contactControls();
}
mdl_MapString2ObjCow<kinC_InteractionProperty> oif_Model::InteractionProperties() const {
  return model_.interactionProperties();
}
kprC_PropagatingContainer<kinC_Interaction> oif_Model::Interactions() const { return model_.interactions(); }
kprC_PropagatingContainer<kloC_Load> oif_Model::Loads() const { return model_.loads(); }
mdl_MapString2ObjCow<kadC_AdaptiveMeshConstraint> oif_Model::AdaptiveMeshConstraints() const {
  return model_.adaptiveMeshConstraints();
}
mdl_MapString2ObjCow<kmaC_Material> oif_Model::Materials() const { return model_.material(); }
kprC_PropagatingContainer<korC_FieldOutputRequest> oif_Model::FieldOutputRequests() const {
  return model_.fieldOutputRequests();
}
kprC_PropagatingContainer<korC_HistoryOutputRequest> oif_Model::HistoryOutputRequests() const {
  return model_.historyOutputRequests();
}
mdl_MapString2ObjCow<korC_IntegratedOutputSection> oif_Model::IntegratedOutputSections() const { return {}; }
kprC_PropagatingContainer<kpfC_Field> oif_Model::Fields() const { return model_.fields(); }
kprC_StepContainer oif_Model::Steps() const { return model_.step(); }
mdl_MapString2ObjCow<kseC_Section> oif_Model::Sections() const {
  return nex_canDynamicCastRef<mdl_MapString2ObjCow<kseC_Section>>(model_.sections(), "oif_Model", 1);
}
const mdl_RepositoryBase& oif_Model::SectionRepository() const { return model_.sections(); }
mdl_MapString2ObjCow<karC_RemeshingRule> oif_Model::RemeshingRules() const { return {}; }
mdl_MapString2ObjCow<kfdC_AnalyticalField> oif_Model::AnalyticalFields() const { return {}; }
mdl_MapString2ObjCow<kfdC_DiscreteField> oif_Model::DiscreteFields() const { return {}; }
double oif_Model::AbsoluteZero() const { return model_.absoluteZero(); }
double oif_Model::StefanBoltzmann() const { return model_.stefanBoltzmann(); }
int oif_Model::WaveFormulation() const { return model_.waveFormulation(); }
cow_String oif_Model::RestartJob() const { return model_.restartJob(); }
cow_String oif_Model::RestartStep() const { return model_.restartStep(); }
int oif_Model::RestartIncrement() const { return model_.restartIncrement(); }
bool oif_Model::EndRestartStep() const { return model_.endRestartStep(); }
cow_String oif_Model::GlobalJob() const { return model_.globalJob(); }
bool oif_Model::ShellToSolid() const { return model_.shellToSolid(); }
zkw_Model* oif_Model::Clone() const { return new oif_Model(*this); }

const oif_Model& oif_ModelOf(const zkw_Model& model) {
  return nex_canDynamicCastRef<oif_Model>(model, "oif_Model", 2);
}
