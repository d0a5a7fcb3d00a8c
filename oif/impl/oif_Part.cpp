#include "oif/impl/oif_Part.h"

#include "oif/impl/oif_KeywordLine.h"

void oif_Part::Write(utl_Stream& stream) const { oif_KeywordLine(stream, "*Part").Name("name", partName_).End(); }
