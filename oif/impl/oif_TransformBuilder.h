#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the transforms and connector orientations of the assembly.
class oif_TransformBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_TransformBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
