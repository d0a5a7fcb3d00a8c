#pragma once
#include "zkw/zkw_Keyword.h"

/// "*Load Case, name=..." opening a load case of a step.
class oif_LoadCase : public zkw_Keyword {
 public:
  explicit oif_LoadCase(const cow_String& name) : name_(name) {}
  zkw_Keyword* Clone() const override { return new oif_LoadCase(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
};
