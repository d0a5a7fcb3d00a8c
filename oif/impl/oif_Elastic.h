#pragma once
#include "oif/impl/oif_MaterialOptions.h"

/// "*Elastic": the type (engineering constants by a text of its own), the
/// moduli of a viscoelastic material, the failure sub-options, then the
/// no-compression and no-tension keywords.
class oif_Elastic : public oif_OwnOptionKeyword<oif_Elastic, kmaC_OptionKind::Elastic> {
 public:
  oif_Elastic(const kmaC_MaterialOption& option, bool materialIsViscoelastic)
      : oif_OwnOptionKeyword(option), viscoelastic_(materialIsViscoelastic) {}
  void Write(utl_Stream& stream) const override;

 private:
  bool viscoelastic_;
};
