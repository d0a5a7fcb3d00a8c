#pragma once
#include "geometry/gsl_Geometry.h"
#include "modeldb/ddb_Instance.h"
#include "zkw/zkw_Keyword.h"

/// "*Instance, name=, part=" with the instance's position: a translation
/// line when the instance is moved or rotated, and a rotation line (a point
/// on the axis, a second point on it and the angle in degrees) when rotated.
class oif_Instance : public zkw_Keyword {
 public:
  explicit oif_Instance(const ddb_PartInstance& instance);
  zkw_Keyword* Clone() const override { return new oif_Instance(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String instanceName_;
  cow_String partName_;
  gsl_Matrix matrix_;
};
