#include "oif/impl/oif_Orientation.h"

#include "oif/impl/oif_KeywordLine.h"
#include "zkw/zkw_VelornName.h"

oif_Orientation::oif_Orientation(const ddb_Model& model, int datum, const cow_String& name,
                                 bool additionalRotation, double angle, int axis, const gsl_Matrix& matrix)
    : name_(name), axis_(axis), angle_(angle), additionalRotation_(additionalRotation) {
  if (datum != 0) csys_ = std::make_shared<const oif_DatumCsys>(model, datum, matrix);
}

oif_Orientation::oif_Orientation(const ddb_Model& model, const ptoC_MaterialOrientation& orientation,
                                 const cow_String& name, const gsl_Matrix& matrix)
    : oif_Orientation(model, orientation.datum, name, true, orientation.angle, orientation.axis, matrix) {}

void oif_Orientation::Write(utl_Stream& stream) const {
  if (!csys_) {
    oif_KeywordLine(stream, "*Orientation").ParamNoBreak("name", name_).ParamNoBreak("system", "user").End();
    return;
  }
  const cow_String keyword = "*Orientation, name=" + name_;
  if (!csys_->Write(stream, keyword, oif_DatumCsys::Style::Orientation) || !additionalRotation_) return;
  stream << (axis_ == 0 ? "1, " : axis_ == 1 ? "2, " : "3, ") << angle_ << endl;
}

oif_Transform::oif_Transform(const ddb_Model& model, int datum, const cow_String& nodeSetName)
    : nodeSetName_(nodeSetName), csys_(model, datum, gsl_Matrix::Identity()) {}

void oif_Transform::Write(utl_Stream& stream) const {
  csys_.Write(stream, "*Transform, nset=" + zkw_VelornName(nodeSetName_).Printable(),
              oif_DatumCsys::Style::Transform);
}
