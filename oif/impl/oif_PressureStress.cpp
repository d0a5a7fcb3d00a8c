#include "oif/impl/oif_PressureStress.h"

#include "oif/impl/oif_KeywordLine.h"

void oif_PressureStress::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Pressure stress");
  if (!Open(line)) return;
  const kpfC_FieldState& state = State();
  switch (field_->distribution) {
    case kpfC_User:
      WriteUser(stream, line);
      return;
    case kpfC_FromFile:
    case kpfC_FromFileUser:
      if (field_->distribution == kpfC_FromFileUser) line.Flag("user");
      line.Param("file", oif_ResultsFileName(state.file.ConstGet())).End();
      return;
    default:
      WriteGiven(stream, line, {state.value.ConstGet()});
  }
}
