#pragma once
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "oif/impl/oif_Boundary.h"
#include "oif/impl/oif_OpStatus.h"
#include "zkw/zkw_BuilderComponent.h"

/// Builds the boundary conditions of every step: *Boundary and *Connector
/// Motion keywords per step and load case with the restatement rules of the
/// operation status, the comments of bolt loads applied as a length, the
/// empty load-case markers, and the *Submodel keywords of the assembly.
class oif_BoundaryConditionBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_BoundaryConditionBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;

 private:
  /// What the builder needs of one condition in every step, found once.
  struct Condition {
    std::shared_ptr<const kbcC_BoundaryCondition> object;
    std::shared_ptr<const cow_String> regionName;
    std::shared_ptr<const cow_String> comment;  // "Name: ... Type: ...", shared by the steps' comments
    int key = -1;        // the status key; -1 until the condition is first written
  };
  /// Submodel-driven conditions of one step and load case with one keyword line.
  struct SubmodelGroup {
    cow_String step, loadCase, names;
    oif_Boundary keyword;
  };

  /// What the builder needs of one step, found once.
  struct Step {
    const kprC_AnalysisStep* analysis = nullptr;  // null for the initial step
    bool withCases = false;
    bool buckling = false;
    std::type_index procedure = typeid(void);
    StepText* text = nullptr;          // the step's own list
    std::vector<StepText*> caseTexts;  // the lists of its load cases, in their order
    bool headed = false;               // the section heading is written
    /// Load cases that received a boundary condition, or a bolt condition.
    std::vector<cow_String> conditionCases, boltCases;
  };

  /// The condition in every step, in step order, into `batch`. Runs of
  /// conditions are built on several threads: this reads the builder's
  /// steps and writes only `condition` and `batch` (submodel conditions
  /// also gather into their groups, so they are built on one thread).
  void BuildCondition(Condition& condition, TextBatch& batch);
  void AddCondition(std::size_t step, Condition& condition, const cow_String& loadCase, double scale,
                    const StepText& text, TextBatch& batch);
  void BuildBoltLoads(std::size_t step);
  void BuildLoadCaseMarkers(std::size_t step);
  void AddHeading(std::size_t step);

  oif_BCOpStatus opStatus_;
  SectionHeading heading_{"BOUNDARY CONDITIONS"};
  std::vector<cow_String> stepNames_;
  kprC_StepContainer steps_;
  std::vector<Step> stepInfo_;
  std::vector<SubmodelGroup> submodelGroups_;
  bool shellToSolid_ = false;
};
