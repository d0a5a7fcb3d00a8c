#pragma once
#include "zkw/zkw_BuilderComponent.h"

/// Builds the head of the deck: the model's stored top-level keyword text.
class oif_JobKeywordsBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_JobKeywordsBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;
};
