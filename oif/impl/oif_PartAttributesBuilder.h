#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the section and orientation assignments and element controls.
class oif_PartAttributesBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_PartAttributesBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
