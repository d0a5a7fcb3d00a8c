#pragma once
#include "oif/impl/oif_MaterialOptions.h"

/// "*Acoustic Medium" with its table, then the volumetric drag with a table
/// of its own.
class oif_AcousticMedium : public oif_OwnOptionKeyword<oif_AcousticMedium, kmaC_OptionKind::AcousticMedium> {
 public:
  using oif_OwnOptionKeyword::oif_OwnOptionKeyword;
  void Write(utl_Stream& stream) const override;
};
