#pragma once
#include "modeldb/kmaC_Material.h"
#include "zkw/zkw_Keyword.h"

/// "*Gasket behavior, name=" and the behaviours a gasket section uses:
/// creep, state variables, expansion, the gasket elasticities and thickness
/// behaviour, user output variables. The material's other slots are not
/// written.
class oif_GasketBehavior : public zkw_Keyword {
 public:
  oif_GasketBehavior(const cow_String& name, const kmaC_Material& material) : name_(name), material_(material) {}
  zkw_Keyword* Clone() const override { return new oif_GasketBehavior(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  kmaC_Material material_;
};
