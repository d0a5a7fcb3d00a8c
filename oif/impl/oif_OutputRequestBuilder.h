#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the controls and output requests of every step.
class oif_OutputRequestBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_OutputRequestBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
