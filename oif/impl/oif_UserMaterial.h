#pragma once
#include "oif/impl/oif_MaterialOptions.h"

/// "*User Material": a mechanical and/or a thermal keyword, each with its
/// constants as one data row.
class oif_UserMaterial : public oif_OwnOptionKeyword<oif_UserMaterial, kmaC_OptionKind::UserMaterial> {
 public:
  using oif_OwnOptionKeyword::oif_OwnOptionKeyword;
  void Write(utl_Stream& stream) const override;
};
