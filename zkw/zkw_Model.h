#pragma once
#include "containers/cow.h"
#include "modeldb/ddb_Model.h"
#include "zkw/zkw_Export.h"

/// The model as the builders see it: its repositories and settings. The base
/// holds the model name and the names of the initial step, of the first
/// analysis step and of the first general (not perturbation) step; the
/// implementation fills them from the step repository.
class ZKW_API zkw_Model {
 public:
  explicit zkw_Model(const cow_String& name);
  virtual ~zkw_Model();

  virtual mdl_MapString2ObjCow<kadC_AdaptiveMeshControl> AdaptiveMeshControls() const = 0;
  virtual mdl_MapString2ObjCow<ktpC_TimePoint> TimePoints() const = 0;
  virtual mdl_MapString2ObjCow<kamC_Amplitude> Amplitudes() const = 0;
  virtual kprC_PropagatingContainer<kbcC_BoundaryCondition> BoundaryConditions() const = 0;
  virtual mdl_MapString2ObjCow<kbpC_BeamProfile> BeamProfiles() const = 0;
  virtual mdl_MapString2ObjCow<kcoC_Constraint> Constraints() const = 0;
  virtual mdl_MapString2ObjCow<kflC_Filter> Filters() const = 0;
  virtual mdl_MapString2ObjCow<kinC_ContactControls> ContactControls() const = 0;
  virtual mdl_MapString2ObjCow<kinC_InteractionProperty> InteractionProperties() const = 0;
  virtual kprC_PropagatingContainer<kinC_Interaction> Interactions() const = 0;
  virtual kprC_PropagatingContainer<kloC_Load> Loads() const = 0;
  virtual mdl_MapString2ObjCow<kadC_AdaptiveMeshConstraint> AdaptiveMeshConstraints() const = 0;
  virtual mdl_MapString2ObjCow<kmaC_Material> Materials() const = 0;
  virtual kprC_PropagatingContainer<korC_FieldOutputRequest> FieldOutputRequests() const = 0;
  virtual kprC_PropagatingContainer<korC_HistoryOutputRequest> HistoryOutputRequests() const = 0;
  virtual mdl_MapString2ObjCow<korC_IntegratedOutputSection> IntegratedOutputSections() const = 0;
  virtual kprC_PropagatingContainer<kpfC_Field> Fields() const = 0;
  /// Steps in analysis order, the initial step first.
  virtual kprC_StepContainer Steps() const = 0;
  virtual mdl_MapString2ObjCow<kseC_Section> Sections() const = 0;
  virtual const mdl_RepositoryBase& SectionRepository() const = 0;
  virtual mdl_MapString2ObjCow<karC_RemeshingRule> RemeshingRules() const = 0;
  virtual mdl_MapString2ObjCow<kfdC_AnalyticalField> AnalyticalFields() const = 0;
  virtual mdl_MapString2ObjCow<kfdC_DiscreteField> DiscreteFields() const = 0;
  virtual double AbsoluteZero() const = 0;
  virtual double StefanBoltzmann() const = 0;
  virtual int WaveFormulation() const = 0;
  virtual cow_String RestartJob() const = 0;
  virtual cow_String RestartStep() const = 0;
  virtual int RestartIncrement() const = 0;
  virtual bool EndRestartStep() const = 0;
  virtual cow_String GlobalJob() const = 0;
  virtual bool ShellToSolid() const = 0;
  virtual zkw_Model* Clone() const = 0;

  const cow_String& Name() const noexcept { return name_; }
  const cow_String& InitialStepName() const noexcept { return initialStep_; }
  const cow_String& FirstAnalysisStepName() const noexcept { return firstAnalysisStep_; }
  const cow_String& FirstGeneralStepName() const noexcept { return firstGeneralStep_; }

 protected:
  zkw_Model(const zkw_Model&) = default;
  zkw_Model& operator=(const zkw_Model&) = default;

  cow_String name_;
  cow_String initialStep_;
  cow_String firstAnalysisStep_;
  cow_String firstGeneralStep_;
};

using zkw_ModelHandle = cow_COW<zkw_Model, cow_Virtual<zkw_Model>>;
