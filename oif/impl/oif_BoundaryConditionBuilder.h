#pragma once
#include <map>
#include <memory>
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

  void BuildStep(std::size_t step, std::vector<Condition>& conditions);
  void AddCondition(std::size_t step, Condition& condition, const cow_String& loadCase, double scale);
  void BuildBoltLoads(std::size_t step);
  void BuildLoadCaseMarkers(std::size_t step);
  void AddHeading(std::size_t step);

  oif_BCOpStatus opStatus_;
  SectionHeading heading_{"BOUNDARY CONDITIONS"};
  std::vector<cow_String> stepNames_;
  kprC_StepContainer steps_;
  std::vector<SubmodelGroup> submodelGroups_;
  /// Load cases of the current step that received a bolt condition, or any
  /// boundary condition.
  std::vector<cow_String> boltCases_, conditionCases_;
  bool shellToSolid_ = false;
};
