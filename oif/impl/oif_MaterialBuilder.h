#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the materials of the model level: after a "MATERIALS" comment, one
/// keyword per material in name order, a gasket behaviour block for a
/// material with gasket behaviours that a gasket section names, a material
/// block for every other.
class oif_MaterialBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_MaterialBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
