#pragma once
#include "oif/impl/oif_MaterialOptions.h"

/// "*Drucker Prager": eccentricity, shear criterion and test data decide
/// which place-holder columns the table gets.
class oif_DruckerPrager : public oif_OwnOptionKeyword<oif_DruckerPrager, kmaC_OptionKind::DruckerPrager> {
 public:
  using oif_OwnOptionKeyword::oif_OwnOptionKeyword;
  void Write(utl_Stream& stream) const override;
};

/// "*Drucker Prager Hardening": with rate data, one keyword per run of rows
/// of equal rate (column 2) in table order, each row printed without its
/// rate; otherwise one keyword and the table.
class oif_DruckerPragerHardening
    : public oif_OwnOptionKeyword<oif_DruckerPragerHardening, kmaC_OptionKind::DruckerPragerHardening> {
 public:
  using oif_OwnOptionKeyword::oif_OwnOptionKeyword;
  void Write(utl_Stream& stream) const override;
};
