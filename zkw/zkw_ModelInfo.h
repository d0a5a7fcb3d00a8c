#pragma once
#include <vector>

#include "containers/cow.h"
#include "zkw/zkw_Export.h"
#include "zkw/zkw_Layup2SecPtMap.h"
#include "zkw/zkw_Model.h"

/// What all builders share while a deck is built: the model, the part
/// instances with their mesh sizes, fresh node and element labels per
/// instance, mesh indexes, datum names and a few global answers. The empty
/// name "" stands for the root assembly's own mesh.
class ZKW_API zkw_ModelInfo {
 public:
  zkw_ModelInfo();
  virtual ~zkw_ModelInfo();
  zkw_ModelInfo(const zkw_ModelInfo&) = delete;
  zkw_ModelInfo& operator=(const zkw_ModelInfo&) = delete;

  virtual int ReservedQuery1() const;
  virtual int ReservedQuery2() const;
  virtual bool WritesParts() const = 0;
  virtual int ElementOffset(const cow_String& instance) const = 0;
  virtual int NodeOffset(const cow_String& instance) const = 0;
  /// The next free node label of the instance: its node count, plus one per call.
  virtual int NewNodeLabel(const cow_String& instance) = 0;
  virtual int NewElementLabel(const cow_String& instance) = 0;
  /// Name of the instance whose mesh has this index ("" for the assembly's).
  virtual cow_String InstanceOfMesh(int meshIndex) const = 0;
  /// Printable name of a datum coordinate system; with a suffix and a
  /// non-zero angle the name gets "_" suffix "_" appended.
  virtual cow_String DatumCsysName(int csysId, double angle, const cow_String& suffix) const = 0;
  virtual bool HasExplicitStep() const = 0;
  virtual int TotalNodeCount() const = 0;

  int AssyNodeOffsetsID(int meshIndex) const;
  int AssyElementOffsetsID(int meshIndex) const;
  static cow_String RefPtSuffix();

  zkw_Model& Model() const { return const_cast<zkw_Model&>(*modelHandle_); }
  zkw_Layup2SecPtMap& LayupMap() noexcept { return layupMap_; }

 protected:
  zkw_ModelHandle modelHandle_;

 private:
  std::vector<cow_String> list_;
  zkw_Layup2SecPtMap layupMap_;
};
