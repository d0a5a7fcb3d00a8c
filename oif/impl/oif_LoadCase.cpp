#include "oif/impl/oif_LoadCase.h"

#include "oif/impl/oif_KeywordLine.h"

void oif_LoadCase::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Load Case").Name("name", name_).End();
}
