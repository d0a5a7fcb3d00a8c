#pragma once
#include "modeldb/mdl_Object.h"
#include "modeldb/rgnC_Region.h"

/// Base of the model's boundary conditions (step-dependent).
class MDB_API kbcC_BoundaryCondition : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kbcC_BoundaryCondition() override;

  /// The regions whose degrees of freedom this condition gives in a datum
  /// coordinate system, each with that system; the deck writes a *Transform
  /// for them. None by default.
  virtual rgnC_DatumRegionList DatumCsysRegions() const;
};
