#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the constraints of the assembly.
class oif_ConstraintBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_ConstraintBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
