#include "oif/impl/oif_DatumCsys.h"

oif_DatumCsys::oif_DatumCsys(const ddb_Model& model, int datum, const gsl_Matrix& matrix) {
  if (datum == 0) return;
  ddb_Datum system = model.datum(datum);
  if (system.GetDatumType() != ddb_Datum::CoordinateSystem)
    NEX_THROW_TEXT("Wrong datum type during input generation");
  if (!matrix.IsIdentity()) system = system.TransformData(matrix);
  defined_ = true;
  origin_ = system.origin;
  xAxis_ = system.xAxis;
  yAxis_ = system.yAxis;
  zAxis_ = system.zAxis;
  kind_ = int(system.kind) + 1;
}

bool oif_DatumCsys::Write(utl_Stream& stream, const cow_String& keyword, Style style) const {
  if (!defined_) return false;
  const bool transform = style == Style::Transform;
  stream << keyword;
  switch (kind_) {
    case Cylindrical:
      stream << ", ";
      stream.OptionalLineBreak();
      stream << (transform ? "type=C" : "system=CYLINDRICAL") << endl;
      break;
    case Spherical:
      stream << ", ";
      stream.OptionalLineBreak();
      stream << (transform ? "type=S" : "system=SPHERICAL") << endl;
      break;
    case Rectangular:
      stream << endl;
      break;
    default:
      return false;
  }
  utl_StreamSmallReal smallValues(stream, smallReal_);
  gsl_Vector first, second;
  if (kind_ == Rectangular) {
    first = xAxis_;
    second = yAxis_;
  } else {
    first = origin_ - gsl_Point();
    second = first + zAxis_;
  }
  for (int i = 0; i < 6; ++i) {
    if (i > 0) stream << ", ";
    stream.Print(i < 3 ? first[i] : second[i - 3], 12, 15);
  }
  stream << endl;
  return true;
}
