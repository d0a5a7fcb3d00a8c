#pragma once
#include <string>

#include "geometry/gsl_Geometry.h"
#include "modeldb/mdb_Export.h"

/// A datum of the model. The model file gives coordinate systems only; the
/// other types exist so that a reader can tell them apart.
struct MDB_API ddb_Datum {
  enum Type : int { Point = 1, Axis = 2, Plane = 3, CoordinateSystem = 4 };
  enum Kind : int { Rectangular = 0, Cylindrical = 1, Spherical = 2 };

  int id = 0;
  std::string datumName;
  Type type = CoordinateSystem;
  Kind kind = Rectangular;
  gsl_Point origin;
  gsl_Vector xAxis{1, 0, 0};
  gsl_Vector yAxis{0, 1, 0};
  gsl_Vector zAxis{0, 0, 1};

  const std::string& name() const noexcept { return datumName; }
  int GetDatumType() const noexcept { return type; }
  /// The same datum moved by a rigid transformation.
  ddb_Datum TransformData(const gsl_Matrix& matrix) const {
    ddb_Datum moved = *this;
    moved.origin = matrix.Apply(origin);
    moved.xAxis = matrix.Apply(xAxis);
    moved.yAxis = matrix.Apply(yAxis);
    moved.zAxis = matrix.Apply(zAxis);
    return moved;
  }
};
