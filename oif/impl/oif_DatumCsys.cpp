#include "oif/impl/oif_DatumCsys.h"

#include "oif/impl/oif_KeywordLine.h"

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
  if (kind_ != Cylindrical && kind_ != Spherical && kind_ != Rectangular) return false;
  oif_KeywordLine line(stream, keyword.c_str());
  const char* parameter = transform ? "type" : "system";
  if (kind_ == Cylindrical) line.Param(parameter, transform ? "C" : "CYLINDRICAL");
  if (kind_ == Spherical) line.Param(parameter, transform ? "S" : "SPHERICAL");
  line.End();
  utl_StreamSmallReal smallValues(stream, smallReal_);
  gsl_Vector first, second;
  if (kind_ == Rectangular) {
    first = xAxis_;
    second = yAxis_;
  } else {
    first = origin_ - gsl_Point();
    second = first + zAxis_;
  }
  oif_DataLine data(stream);
  for (int i = 0; i < 6; ++i) data.Print(i < 3 ? first[i] : second[i - 3], 12, 15);
  data.End();
  return true;
}
