#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the materials of the model level.
class oif_MaterialBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_MaterialBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
