#pragma once
// What a part instance assigns to its elements: sections, element controls
// per element class, beam orientations and material orientations. Regions
// name element sets of the instance's mesh.
#include <memory>
#include <string>
#include <vector>

#include "geometry/gsl_Geometry.h"
#include "modeldb/bme_ElemCtrlParams.h"
#include "modeldb/rgnC_Region.h"

/// A section assigned to a region.
struct MDB_API ptoC_SectionAssignment {
  /// What the section keyword says about the element controls: 0 names none,
  /// 1 and 2 name the controls of the assigned elements.
  enum ControlsMode : int { NoControls = 0, Controls = 1, ExplicitControls = 2 };
  rgnC_Region region;
  std::string sectionName;
  double offset = 0.0;  // shells: the reference surface's offset in thicknesses
  int controlsMode = Controls;
};

/// The direction of the first cross-section axis of the beams in a region.
struct MDB_API ptoC_BeamOrientation {
  rgnC_Region region;
  gsl_Vector direction{0.0, 0.0, -1.0};
};

/// A material orientation of a region: a datum coordinate system (its
/// identifier; 0 for none) turned about one of its axes (0, 1, 2 for the
/// local 1, 2, 3) by an angle in degrees.
struct MDB_API ptoC_MaterialOrientation {
  rgnC_Region region;
  int datum = 0;
  int axis = 2;
  double angle = 0.0;
};

/// The assignments of one part instance, in model order. `elementControls`
/// holds one entry per element class of the mesh (absent classes: defaults).
struct MDB_API ddb_PartAttributes {
  std::vector<ptoC_SectionAssignment> sectionAssignments;
  std::vector<bme_ElemCtrlParams> elementControls;
  std::vector<ptoC_BeamOrientation> beamOrientations;
  std::vector<ptoC_MaterialOrientation> materialOrientations;
};
