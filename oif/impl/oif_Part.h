#pragma once
#include "zkw/zkw_Keyword.h"

/// "*Part, name=": opens a part's block.
class oif_Part : public zkw_Keyword {
 public:
  explicit oif_Part(const cow_String& partName) : partName_(partName) {}
  zkw_Keyword* Clone() const override { return new oif_Part(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String partName_;
};
