#include "oif/impl/oif_BaselineCorrection.h"

#include "oif/impl/oif_Amplitude.h"
#include "oif/impl/oif_KeywordLine.h"

void oif_BaselineCorrection::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Baseline Correction").End();
  oif_WriteValuesPerLine(stream, bounds_, 8);
}
