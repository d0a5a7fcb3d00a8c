#pragma once
#include "oif/impl/oif_MaterialOptions.h"

/// "*Viscoelastic" in the time or the frequency domain, with the fit
/// parameters of the test data forms.
class oif_Viscoelastic : public oif_OwnOptionKeyword<oif_Viscoelastic, kmaC_OptionKind::Viscoelastic> {
 public:
  using oif_OwnOptionKeyword::oif_OwnOptionKeyword;
  void Write(utl_Stream& stream) const override;
};
