#pragma once
#include "zkw/zkw_Keyword.h"

/// Comment lines: every line of the text is printed behind "** ".
class oif_Comment : public zkw_Keyword {
 public:
  explicit oif_Comment(const cow_String& text) : text_(text) {}
  zkw_Keyword* Clone() const override { return new oif_Comment(*this); }
  void Write(utl_Stream& stream) const override;
  const cow_String& Text() const noexcept { return text_; }

 private:
  cow_String text_;
};
