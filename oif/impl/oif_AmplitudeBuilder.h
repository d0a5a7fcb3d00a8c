#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the amplitude definitions of the model level.
class oif_AmplitudeBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_AmplitudeBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
