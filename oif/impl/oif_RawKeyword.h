#pragma once
#include "zkw/zkw_Keyword.h"

/// Keyword text stored with the model, printed as it is.
class oif_RawKeyword : public zkw_Keyword {
 public:
  explicit oif_RawKeyword(const cow_String& text) : text_(text) {}
  zkw_Keyword* Clone() const override { return new oif_RawKeyword(*this); }
  void Write(utl_Stream& stream) const override;
  const cow_String& Text() const noexcept { return text_; }

 private:
  cow_String text_;
};
