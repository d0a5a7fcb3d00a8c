#pragma once
// The sector of a model analysed with cyclic symmetry: how many sectors make
// the whole, the symmetry axis, and which ties join a sector's faces.
#include <set>
#include <string>

#include "geometry/gsl_Geometry.h"
#include "modeldb/mdb_Export.h"

struct MDB_API ddb_ModelSectorDefinition {
  enum SymmetryType : int { None = 0, Cyclic = 1 };

  int symmetryType = None;
  int numberOfSectors = 0;
  gsl_Point startPoint;  ///< first point of the symmetry axis
  gsl_Point endPoint;    ///< second point of the symmetry axis
  /// Names of the tie constraints that take part in the cyclic symmetry.
  std::set<std::string> ties;

  int GetSymmetryType() const noexcept { return symmetryType; }
  int GetNumberOfSectors() const noexcept { return numberOfSectors; }
  const gsl_Point& GetStartPoint() const noexcept { return startPoint; }
  const gsl_Point& GetEndPoint() const noexcept { return endPoint; }
};
