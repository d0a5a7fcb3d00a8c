#pragma once
// Data-line pieces shared by the procedure keywords.
#include "oif/impl/oif_KeywordLine.h"

/// One data line of `values` separated by ", ". An unset value leaves its
/// field empty; the separators of empty fields at the end stay.
template <class... V>
void oif_WriteValues(utl_Stream& stream, V... values) {
  oif_DataLine data(stream);
  (data << ... << values);
  data.End(true);
}
