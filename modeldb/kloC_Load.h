#pragma once
#include "modeldb/mdl_Object.h"
#include "modeldb/rgnC_Region.h"

/// Base of the model's loads (step-dependent).
class MDB_API kloC_Load : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kloC_Load() override;

  /// Concentrated forces and moments: the regions whose load components are
  /// given in a datum coordinate system, each with that system (the deck
  /// writes a *Transform for them). None by default.
  virtual rgnC_DatumRegionList DatumCsysRegions() const;
  /// Inertia relief: the datum coordinate system its directions are given in
  /// (written as an *Orientation); 0 for none, the default.
  virtual int OrientationDatum() const;
};
