#pragma once
#include "oif/impl/oif_FieldKeyword.h"

/// "*Pressure stress": the value, a user routine or a results file.
class oif_PressureStress : public oif_FieldKeyword {
 public:
  using oif_FieldKeyword::oif_FieldKeyword;
  zkw_Keyword* Clone() const override { return new oif_PressureStress(*this); }
  void Write(utl_Stream& stream) const override;
};
