#include "oif/impl/oif_FileHeader.h"

void oif_FileHeader::Write(utl_Stream& stream) const {
  if (text_.empty()) return;
  stream << text_ << endl;
}
