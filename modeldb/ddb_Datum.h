#pragma once
#include <string>

#include "geometry/gsl_Geometry.h"
#include "modeldb/mdb_Export.h"

/// A datum coordinate system: origin and unit axes.
struct MDB_API ddb_Datum {
  enum Kind : int { Rectangular = 0, Cylindrical = 1, Spherical = 2 };

  int id = 0;
  std::string datumName;
  Kind kind = Rectangular;
  gsl_Point origin;
  gsl_Vector xAxis{1, 0, 0};
  gsl_Vector yAxis{0, 1, 0};
  gsl_Vector zAxis{0, 0, 1};

  const std::string& name() const noexcept { return datumName; }
};
