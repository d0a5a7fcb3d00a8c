#pragma once
#include "oif/impl/oif_MaterialOptions.h"

/// "*Hyperelastic": the strain energy form as a bare word, its order and
/// the parameters of the user and Van der Waals forms; the coefficients as a
/// table, or test data sub-options instead.
class oif_Hyperelastic : public oif_OwnOptionKeyword<oif_Hyperelastic, kmaC_OptionKind::Hyperelastic> {
 public:
  oif_Hyperelastic(const kmaC_MaterialOption& option, bool materialIsViscoelastic)
      : oif_OwnOptionKeyword(option), viscoelastic_(materialIsViscoelastic) {}
  void Write(utl_Stream& stream) const override;

 private:
  bool viscoelastic_;
};
