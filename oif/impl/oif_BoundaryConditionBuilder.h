#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the boundary conditions of every step.
class oif_BoundaryConditionBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_BoundaryConditionBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
