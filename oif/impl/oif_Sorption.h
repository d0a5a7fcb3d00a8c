#pragma once
#include "oif/impl/oif_MaterialOptions.h"

/// "*Sorption": the absorption table, then the exsorption table and the
/// scanning value when they are given.
class oif_Sorption : public oif_OwnOptionKeyword<oif_Sorption, kmaC_OptionKind::Sorption> {
 public:
  using oif_OwnOptionKeyword::oif_OwnOptionKeyword;
  void Write(utl_Stream& stream) const override;
};
