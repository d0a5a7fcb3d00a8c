#pragma once
#include "geometry/gsl_Geometry.h"
#include "modeldb/ddb_Model.h"
#include "textstream/utl_Stream.h"

/// A datum coordinate system as the parameter and data line of
/// "*Orientation" and "*Transform".
class oif_DatumCsys {
 public:
  enum Kind : int { Rectangular = 1, Cylindrical = 2, Spherical = 3 };
  enum class Style { Transform, Orientation };

  /// Undefined: writes nothing.
  oif_DatumCsys() = default;
  /// The datum with identifier `datum` (0: none, the object stays undefined),
  /// moved by `matrix` unless that is the identity.
  /// @throws nex_TextException when the datum is not a coordinate system.
  oif_DatumCsys(const ddb_Model& model, int datum, const gsl_Matrix& matrix);

  bool Defined() const noexcept { return defined_; }
  /// Writes `keyword` (the keyword line so far), the system's kind in the
  /// given style and the data line; false when undefined (nothing written)
  /// or of an unknown kind (only the keyword text written).
  bool Write(utl_Stream& stream, const cow_String& keyword, Style style) const;

 private:
  bool defined_ = false;
  gsl_Point origin_;
  gsl_Vector xAxis_, yAxis_, zAxis_;
  int kind_ = Rectangular;
  double smallReal_ = 1e-15;
};
