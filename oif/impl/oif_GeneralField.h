#pragma once
#include "oif/impl/oif_FieldKeyword.h"

/// "*Field": a general field in an analysis step: the number of variables
/// or the field-variable number, then by distribution the values, a user
/// routine or a results file.
class oif_GeneralField : public oif_FieldKeyword {
 public:
  using oif_FieldKeyword::oif_FieldKeyword;
  zkw_Keyword* Clone() const override { return new oif_GeneralField(*this); }
  void Write(utl_Stream& stream) const override;
};
