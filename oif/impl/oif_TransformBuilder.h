#pragma once
#include <vector>

#include "zkw/zkw_BuilderComponent.h"

/// Builds the transforms and connector orientations of the assembly.
class oif_TransformBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_TransformBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;

 private:
  void BuildTransforms();
  void BuildConnectorOrientations();
  /// An orientation named `name` on a datum, unless one of that name is written.
  void AddOrientation(int datum, const cow_String& name, double angle, int axis);

  std::vector<cow_String> writtenOrientations_;
};
