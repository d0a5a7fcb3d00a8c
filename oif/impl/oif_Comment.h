#pragma once
#include <memory>

#include "zkw/zkw_Keyword.h"

/// Comment lines: every line of the text is printed behind "** ". Copies of
/// a comment (its registered clones, the comment of one condition in every
/// step) share one text.
class oif_Comment : public zkw_Keyword {
 public:
  explicit oif_Comment(const cow_String& text) : text_(std::make_shared<const cow_String>(text)) {}
  /// A comment on a text shared with other comments.
  explicit oif_Comment(std::shared_ptr<const cow_String> text) : text_(std::move(text)) {}
  zkw_Keyword* Clone() const override { return new oif_Comment(*this); }
  void Write(utl_Stream& stream) const override;
  const cow_String& Text() const noexcept { return *text_; }

 private:
  std::shared_ptr<const cow_String> text_;
};
