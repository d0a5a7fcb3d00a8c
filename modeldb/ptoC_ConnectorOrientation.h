#pragma once
#include "modeldb/rgnC_Region.h"

/// The local directions of the connector elements of a region: up to two
/// datum coordinate systems (identifier 0 for none), each with an additional
/// rotation by `angle` degrees about its axis `axis` (0, 1, 2 for the local
/// axes 1, 2, 3).
struct MDB_API ptoC_ConnectorOrientation {
  rgnC_Region region;
  int datum1 = 0;
  int axis1 = 0;
  double angle1 = 0.0;
  int datum2 = 0;
  int axis2 = 0;
  double angle2 = 0.0;
  /// The second orientation is the first one.
  bool secondEqualsFirst = false;
};
