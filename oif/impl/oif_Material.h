#pragma once
#include "modeldb/kmaC_Material.h"
#include "zkw/zkw_Keyword.h"

/// "*Material, name=" with the regularization parameters, then every filled
/// behaviour slot as its option keyword, in slot order.
class oif_Material : public zkw_Keyword {
 public:
  oif_Material(const cow_String& name, const kmaC_Material& material) : name_(name), material_(material) {}
  zkw_Keyword* Clone() const override { return new oif_Material(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  kmaC_Material material_;
};
