#pragma once
#include "modeldb/kprC_Step.h"
#include "zkw/zkw_BuilderComponent.h"

/// Builds, for every analysis step, its solution controls, its solver
/// controls and its output requests.
class oif_OutputRequestBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_OutputRequestBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;

 private:
  /// The "CONTROLS" comment and the controls keyword of the controls' class.
  void AddControls(const cow_String& name, const kprC_AnalysisStep& step);
  /// The "SOLVER CONTROLS" comment and "*Solver Controls".
  void AddSolverControls(const cow_String& name, const kprC_AnalysisStep& step);
};
