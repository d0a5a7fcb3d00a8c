#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the sets and surfaces of instances and of the assembly.
class oif_RegionBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_RegionBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
