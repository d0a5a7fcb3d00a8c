#pragma once
#include "zkw/zkw_Keyword.h"

/// The stored head of the deck, printed as it is and ended with a line end.
class oif_FileHeader : public zkw_Keyword {
 public:
  explicit oif_FileHeader(const cow_String& text) : text_(text) {}
  zkw_Keyword* Clone() const override { return new oif_FileHeader(*this); }
  void Write(utl_Stream& stream) const override;
  const cow_String& Text() const noexcept { return text_; }

 private:
  cow_String text_;
};
