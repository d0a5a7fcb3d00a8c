#pragma once
#include "oif/impl/oif_MaterialOptions.h"

/// "*Gasket Thickness Behavior": the loading table, the unloading table
/// under a second keyword when it has rows, and the contact area of a
/// force-based behaviour.
class oif_GasketThicknessBehavior
    : public oif_OwnOptionKeyword<oif_GasketThicknessBehavior, kmaC_OptionKind::GasketThicknessBehavior> {
 public:
  using oif_OwnOptionKeyword::oif_OwnOptionKeyword;
  void Write(utl_Stream& stream) const override;
};
