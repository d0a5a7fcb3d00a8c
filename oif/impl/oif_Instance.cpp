#include "oif/impl/oif_Instance.h"

#include <numbers>

#include "oif/impl/oif_KeywordLine.h"

oif_Instance::oif_Instance(const ddb_PartInstance& instance)
    : instanceName_(instance.name()), partName_(instance.partName()) {
  const auto& values = instance.transform();
  const gsl_Vector t(values[0], values[1], values[2]);
  const gsl_Vector r(values[3], values[4], values[5]);
  if (t.Length() == 0 && r.Length() == 0) return;
  matrix_.FillIdentity();
  matrix_.AxisRotation(r.Normalize(), r.Length());
  matrix_.SetTranslation(t);
}

namespace {
void WriteValues(utl_Stream& stream, std::initializer_list<double> values) {
  oif_DataLine data(stream);
  for (double value : values) data.Print(value, 12, 15);
  data.End();
}
}  // namespace

void oif_Instance::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Instance").Name("name", instanceName_).Name("part", partName_).End();
  const gsl_Vector t = matrix_.GetTranslation();
  gsl_Point p;
  gsl_Vector a;
  double angle = 0;
  matrix_.GetAxisRotation(p, a, angle);
  const bool rotated = angle > gsl_Util::AngleTolerance;
  if (t.Length() > gsl_Util::LengthTolerance || rotated) WriteValues(stream, {t.x(), t.y(), t.z()});
  if (rotated)
    WriteValues(stream, {p.x(), p.y(), p.z(), p.x() + a.x(), p.y() + a.y(), p.z() + a.z(),
                         angle * 180.0 / std::numbers::pi});
}
