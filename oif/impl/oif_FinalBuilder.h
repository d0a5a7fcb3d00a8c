#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the stored keyword text of every block and the keywords that close blocks.
class oif_FinalBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_FinalBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
