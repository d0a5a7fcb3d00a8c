#include "zkw/zkw_ModelInfo.h"

zkw_ModelInfo::zkw_ModelInfo() = default;
zkw_ModelInfo::~zkw_ModelInfo() = default;

int zkw_ModelInfo::ReservedQuery1() const { return 0; }
int zkw_ModelInfo::ReservedQuery2() const { return 0; }

int zkw_ModelInfo::AssyNodeOffsetsID(int meshIndex) const { return NodeOffset(InstanceOfMesh(meshIndex)); }

int zkw_ModelInfo::AssyElementOffsetsID(int meshIndex) const {
  return ElementOffset(InstanceOfMesh(meshIndex));
}

cow_String zkw_ModelInfo::RefPtSuffix() { return "-RefPt_"; }
