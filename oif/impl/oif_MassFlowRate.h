#pragma once
#include "oif/impl/oif_FieldKeyword.h"

/// "*Mass flow rate": the three values or a user routine.
class oif_MassFlowRate : public oif_FieldKeyword {
 public:
  using oif_FieldKeyword::oif_FieldKeyword;
  zkw_Keyword* Clone() const override { return new oif_MassFlowRate(*this); }
  void Write(utl_Stream& stream) const override;
};
