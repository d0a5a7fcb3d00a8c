#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the predefined fields and initial conditions.
class oif_FieldBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_FieldBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
