#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the instance blocks: instance lines with their placement, nodes and elements.
class oif_InstanceBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_InstanceBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
