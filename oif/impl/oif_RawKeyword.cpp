#include "oif/impl/oif_RawKeyword.h"

void oif_RawKeyword::Write(utl_Stream& stream) const {
  if (text_.empty()) return;
  stream << text_;
  if (text_.back() != '\n') stream << endl;
}
