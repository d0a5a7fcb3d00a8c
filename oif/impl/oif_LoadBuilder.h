#pragma once
#include <memory>
#include <vector>

#include "modeldb/kloC_LoadTable.h"
#include "oif/impl/oif_OpStatus.h"
#include "zkw/zkw_BuilderComponent.h"

/// Builds the loads of every step after the initial one: per load, step and
/// load case the comment naming the load and the keyword of its family,
/// with the restatement rules of the load operation status and the load
/// case's scale factor; the heading "LOADS" once per step.
class oif_LoadBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_LoadBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;

 private:
  /// What the builder needs of one load in every step, found once.
  struct Load {
    std::shared_ptr<const kloC_Load> object;
    cow_String regionName;
    std::shared_ptr<const cow_String> comment;  // "Name: ...   Type: ...", shared by the steps' comments
    int key = 0;
    bool bolt = false;
    const kloC_LoadInfo* kind = nullptr;  // nullptr for bolt loads and classes outside the kind table
  };

  /// What the builder needs of one step, found once.
  struct Step {
    const kprC_AnalysisStep* analysis = nullptr;
    bool withCases = false;
    StepText* text = nullptr;          // the step's own list
    std::vector<StepText*> caseTexts;  // the lists of its load cases, in their order
  };

  /// The load in every step, in step order, into `batch`.
  void BuildLoad(const Load& load, TextBatch& batch) const;
  /// Whether a load of status `s` is written in a step (before load cases).
  bool Selected(const Load& load, std::size_t step, int s) const;
  void Write(const Load& load, std::size_t step, int s, const cow_String& loadCase, double scale,
             const StepText& text, TextBatch& batch) const;
  /// An inertia relief removed in a step where another one is active keeps
  /// no comment.
  bool InertiaReliefHidden(const Load& load, std::size_t step) const;

  oif_LoadOpStatus opStatus_;
  SectionHeading heading_{"LOADS"};
  std::vector<cow_String> stepNames_;
  std::vector<Load> loads_;
  std::vector<Step> steps_;
};
