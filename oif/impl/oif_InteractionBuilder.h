#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the interactions and interaction properties.
class oif_InteractionBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_InteractionBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
