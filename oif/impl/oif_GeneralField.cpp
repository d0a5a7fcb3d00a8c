#include "oif/impl/oif_GeneralField.h"

#include "oif/impl/oif_KeywordLine.h"

void oif_GeneralField::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Field");
  if (!Open(line)) return;
  const kpfC_FieldState& state = State();
  if (state.variables.IsSet() && state.variables.ConstGet() > 0)
    line.Param("number", state.variables.ConstGet());
  else
    line.Param("variable", field_->variable);
  switch (field_->distribution) {
    case kpfC_Uniform:
      WriteGiven(stream, line, Scaled(state.values.ConstGet()));
      return;
    case kpfC_User:
      WriteUser(stream, line);
      return;
    case kpfC_FromFile:
    case kpfC_FromFileUser:
      FileParams(line);
      if (state.interpolation.IsSet() && state.interpolation.ConstGet() == 2) line.Flag("midside");
      line.End();
      return;
    default:
      line.End();
  }
}
