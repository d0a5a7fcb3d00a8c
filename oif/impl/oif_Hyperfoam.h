#pragma once
#include "oif/impl/oif_MaterialOptions.h"

/// "*Hyperfoam": order, Poisson's ratio, test data and the moduli of a
/// viscoelastic material; the coefficients as a table, or the test data.
class oif_Hyperfoam : public oif_OwnOptionKeyword<oif_Hyperfoam, kmaC_OptionKind::Hyperfoam> {
 public:
  oif_Hyperfoam(const kmaC_MaterialOption& option, bool materialIsViscoelastic)
      : oif_OwnOptionKeyword(option), viscoelastic_(materialIsViscoelastic) {}
  void Write(utl_Stream& stream) const override;

 private:
  bool viscoelastic_;
};
