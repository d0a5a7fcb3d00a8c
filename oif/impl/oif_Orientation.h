#pragma once
// "*Orientation" and "*Transform": a named orientation and the transformed
// node set, both from a datum coordinate system.
#include <memory>

#include "modeldb/ptoC_PartAttributes.h"
#include "oif/impl/oif_DatumCsys.h"
#include "zkw/zkw_Keyword.h"

/// "*Orientation, name=": a datum coordinate system (with an additional
/// rotation about one of its axes), or ", system=user" without a datum.
class oif_Orientation : public zkw_Keyword {
 public:
  /// `axis` 0, 1, 2 for the local axes 1, 2, 3; `angle` in degrees. The
  /// name is printed as it is (already printable). `datum` 0: no datum.
  oif_Orientation(const ddb_Model& model, int datum, const cow_String& name, bool additionalRotation,
                  double angle, int axis, const gsl_Matrix& matrix = gsl_Matrix::Identity());
  /// A material orientation: its datum, always with its additional rotation.
  oif_Orientation(const ddb_Model& model, const ptoC_MaterialOrientation& orientation, const cow_String& name,
                  const gsl_Matrix& matrix = gsl_Matrix::Identity());

  zkw_Keyword* Clone() const override { return new oif_Orientation(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const oif_DatumCsys> csys_;
  cow_String name_;
  int axis_;
  double angle_;
  bool additionalRotation_;
};

/// "*Transform, nset=": the node set whose degrees of freedom are given in a
/// datum coordinate system.
class oif_Transform : public zkw_Keyword {
 public:
  oif_Transform(const ddb_Model& model, int datum, const cow_String& nodeSetName);

  zkw_Keyword* Clone() const override { return new oif_Transform(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String nodeSetName_;
  oif_DatumCsys csys_;
};
