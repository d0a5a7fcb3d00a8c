#pragma once
#include <vector>

#include "zkw/zkw_BuilderComponent.h"

/// Builds the part blocks.
class oif_PartBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_PartBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;

 private:
  std::vector<cow_String> openedParts_;
};
