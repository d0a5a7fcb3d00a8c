#pragma once
#include <vector>

#include "oif/impl/oif_AmplitudeBuilder.h"
#include "oif/impl/oif_BoundaryConditionBuilder.h"
#include "oif/impl/oif_ConstraintBuilder.h"
#include "oif/impl/oif_FieldBuilder.h"
#include "oif/impl/oif_FinalBuilder.h"
#include "oif/impl/oif_InstanceBuilder.h"
#include "oif/impl/oif_InteractionBuilder.h"
#include "oif/impl/oif_JobKeywordsBuilder.h"
#include "oif/impl/oif_LoadBuilder.h"
#include "oif/impl/oif_MaterialBuilder.h"
#include "oif/impl/oif_OutputRequestBuilder.h"
#include "oif/impl/oif_PartAttributesBuilder.h"
#include "oif/impl/oif_PartBuilder.h"
#include "oif/impl/oif_RegionBuilder.h"
#include "oif/impl/oif_StepBuilder.h"
#include "oif/impl/oif_TransformBuilder.h"
#include "textstream/utl_Stream.h"

/// The job: owns the sixteen builders, builds them all and writes the deck
/// block by block, asking every builder for its keywords of each block.
class oif_Builder {
 public:
  explicit oif_Builder(zkw_ModelInfo& info);

  /// Writes the deck to `fileName`. False when the file cannot be opened
  /// (nothing is written and no builder runs).
  bool Write(const cow_String& fileName);
  /// Builds and writes the deck on an open stream.
  void Write(utl_Stream& stream);

  /// Writes the blocks of the deck in file order: the head list, the parts,
  /// the instances, the assembly, the model level and the steps with their
  /// load cases, asking the builders in the given order for each block.
  static void WriteDeck(utl_Stream& stream, const zkw_KeywordList& head,
                        const std::vector<zkw_BuilderHandle>& builders, const zkw_Model& model,
                        bool writesParts);

 private:
  /// The builders in build order.
  std::vector<zkw_BuilderComponent*> BuildOrder();
  /// Copies of the built builders in list order (the head builder is not among them).
  std::vector<zkw_BuilderHandle> ListOrder();

  oif_JobKeywordsBuilder jobKeywords_;
  oif_InstanceBuilder instance_;
  oif_AmplitudeBuilder amplitude_;
  oif_MaterialBuilder material_;
  oif_TransformBuilder transform_;
  oif_BoundaryConditionBuilder boundaryCondition_;
  oif_StepBuilder step_;
  oif_LoadBuilder load_;
  oif_FieldBuilder field_;
  oif_InteractionBuilder interaction_;
  oif_ConstraintBuilder constraint_;
  oif_OutputRequestBuilder outputRequest_;
  oif_PartBuilder part_;
  oif_PartAttributesBuilder partAttributes_;
  oif_RegionBuilder region_;
  oif_FinalBuilder final_;

  bool writesParts_;
  zkw_Model* model_;
};
