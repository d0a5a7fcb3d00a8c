#pragma once
#include "modeldb/ddb_Model.h"
#include "zkw/zkw_Model.h"

/// The writer's model: the repositories and settings of a stored ddb_Model.
class oif_Model : public zkw_Model {
 public:
  oif_Model(const ddb_Model& model, const cow_String& name);

  mdl_MapString2ObjCow<kadC_AdaptiveMeshControl> AdaptiveMeshControls() const override;
  mdl_MapString2ObjCow<ktpC_TimePoint> TimePoints() const override;
  mdl_MapString2ObjCow<kamC_Amplitude> Amplitudes() const override;
  kprC_PropagatingContainer<kbcC_BoundaryCondition> BoundaryConditions() const override;
  mdl_MapString2ObjCow<kbpC_BeamProfile> BeamProfiles() const override;
  mdl_MapString2ObjCow<kcoC_Constraint> Constraints() const override;
  mdl_MapString2ObjCow<kflC_Filter> Filters() const override;
  mdl_MapString2ObjCow<kinC_ContactControls> ContactControls() const override;
  mdl_MapString2ObjCow<kinC_InteractionProperty> InteractionProperties() const override;
  kprC_PropagatingContainer<kinC_Interaction> Interactions() const override;
  kprC_PropagatingContainer<kloC_Load> Loads() const override;
  mdl_MapString2ObjCow<kadC_AdaptiveMeshConstraint> AdaptiveMeshConstraints() const override;
  mdl_MapString2ObjCow<kmaC_Material> Materials() const override;
  kprC_PropagatingContainer<korC_FieldOutputRequest> FieldOutputRequests() const override;
  kprC_PropagatingContainer<korC_HistoryOutputRequest> HistoryOutputRequests() const override;
  mdl_MapString2ObjCow<korC_IntegratedOutputSection> IntegratedOutputSections() const override;
  kprC_PropagatingContainer<kpfC_Field> Fields() const override;
  kprC_StepContainer Steps() const override;
  mdl_MapString2ObjCow<kseC_Section> Sections() const override;
  const mdl_RepositoryBase& SectionRepository() const override;
  mdl_MapString2ObjCow<karC_RemeshingRule> RemeshingRules() const override;
  mdl_MapString2ObjCow<kfdC_AnalyticalField> AnalyticalFields() const override;
  mdl_MapString2ObjCow<kfdC_DiscreteField> DiscreteFields() const override;
  double AbsoluteZero() const override;
  double StefanBoltzmann() const override;
  int WaveFormulation() const override;
  cow_String RestartJob() const override;
  cow_String RestartStep() const override;
  int RestartIncrement() const override;
  bool EndRestartStep() const override;
  cow_String GlobalJob() const override;
  bool ShellToSolid() const override;
  zkw_Model* Clone() const override;

  /// The stored model, for builders that read more than the repositories.
  const ddb_Model& DdbModel() const noexcept { return model_; }
  const mdl_OrderedContainer<ddb_BaseInstance>& Instances() const noexcept {
    return model_.rootAssembly().instance();
  }

 private:
  ddb_Model model_;
};

/// The writer's model behind a builder's model pointer.
const oif_Model& oif_ModelOf(const zkw_Model& model);
