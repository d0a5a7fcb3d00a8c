#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the loads of every step and load case.
class oif_LoadBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_LoadBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
