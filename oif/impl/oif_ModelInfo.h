#pragma once
#include <map>

#include "modeldb/ddb_Model.h"
#include "zkw/zkw_ModelInfo.h"

/// The writer's model information, built once per deck over the model.
class oif_ModelInfo : public zkw_ModelInfo {
 public:
  explicit oif_ModelInfo(const ddb_Model& model);
  ~oif_ModelInfo() override;

  bool WritesParts() const override;
  int ElementOffset(const cow_String& instance) const override;
  int NodeOffset(const cow_String& instance) const override;
  int NewNodeLabel(const cow_String& instance) override;
  int NewElementLabel(const cow_String& instance) override;
  cow_String InstanceOfMesh(int meshIndex) const override;
  cow_String DatumCsysName(int csysId, double angle, const cow_String& suffix) const override;
  bool HasExplicitStep() const override;
  int TotalNodeCount() const override;

  int TotalElementCount() const noexcept { return totalElements_; }
  const ddb_Model& DdbModel() const noexcept { return model_; }

 private:
  void Register(const cow_String& name, const ddb_Mesh& mesh);
  static int Lookup(const std::map<cow_String, int>& map, const cow_String& name);

  ddb_Model model_;
  bool writesParts_ = false;
  std::map<cow_String, int> elementOffsets_;
  std::map<cow_String, int> nodeOffsets_;
  int totalNodes_ = 0;
  int totalElements_ = 0;
  std::map<cow_String, int> elementCounts_;
  std::map<cow_String, int> nodeCounts_;
  bool hasExplicitStep_ = false;
  std::map<int, cow_String> meshes_;          // indexes 0 and above
  std::map<int, cow_String> negativeMeshes_;  // negative indexes, by magnitude
};
