#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the step lines, procedures and load cases.
class oif_StepBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_StepBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
