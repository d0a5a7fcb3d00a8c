#pragma once
#include "modeldb/mdl_Object.h"
#include "modeldb/rgnC_Region.h"

/// Base of the model's constraints (ties, couplings, rigid bodies, equations, ...).
class MDB_API kcoC_Constraint : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kcoC_Constraint() override;

  /// Equations: the regions of terms given in a datum coordinate system,
  /// each with that system (the deck writes a *Transform for them).
  virtual rgnC_DatumRegionList DatumCsysRegions() const;
  /// Couplings: the datum coordinate system of the coupling (written as an
  /// *Orientation); 0 for none.
  virtual int OrientationDatum() const;
  /// The regions the deck must offer as node-based surfaces.
  virtual rgnC_RegionList NodeSurfaceRegions() const;
};
