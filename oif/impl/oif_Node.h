#pragma once
#include <memory>

#include "modeldb/ddb_Instance.h"
#include "zkw/zkw_Keyword.h"
#include "zkw/zkw_ModelInfo.h"

/// "*Node": the nodes of one mesh, one line each: the label in a field of 7
/// and the three coordinates in fields of 12 with 7 significant digits.
class oif_Node : public zkw_Keyword {
 public:
  oif_Node(const ddb_PartInstance& instance, zkw_ModelInfo& info);
  /// The nodes of any mesh (the assembly's own mesh: its reference points).
  explicit oif_Node(const ddb_Mesh& mesh);

  zkw_Keyword* Clone() const override { return new oif_Node(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  bool threeD_ = true;
  double smallReal_ = 0.0;
  std::shared_ptr<const ddb_MeshContents> nodes_;  // holds the node data
};
