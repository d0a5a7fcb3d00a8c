#include "oif/impl/oif_MassFlowRate.h"

#include "oif/impl/oif_KeywordLine.h"

void oif_MassFlowRate::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Mass flow rate");
  if (!Open(line)) return;
  if (field_->distribution == kpfC_User) {
    WriteUser(stream, line);
    return;
  }
  std::vector<double> values = State().values.ConstGet();
  values.resize(3, 0.0);
  WriteGiven(stream, line, values);
}
