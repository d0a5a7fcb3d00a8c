#include "oif/impl/oif_ConnectorLoad.h"

oif_ConnectorLoad::oif_ConnectorLoad(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load,
                                     std::size_t step, const cow_String& regionName, double scale)
    : oif_LoadKeyword(form, std::move(load), step, regionName, scale) {}

void oif_ConnectorLoad::Write(utl_Stream& stream) const {
  const kloC_LoadKind kind = Kind();
  if (kind != kloC_LoadKind::ConnectorForce && kind != kloC_LoadKind::ConnectorMoment)
    nex_AssertException("Invalid load type for *Connector Load").Throw("oif_ConnectorLoad", __LINE__);
  if (form_.removed) {
    WriteLine(stream, "*Connector Load", 0);
    return;
  }
  const int first = kind == kloC_LoadKind::ConnectorForce ? 1 : 4;
  const kloC_LoadState& state = State();
  auto dataLine = [&](int c, double value) {
    oif_DataLine line(stream);
    line << region_ << first + c << value;
    line.End();
  };
  if (state.IsComplex()) {
    for (int part = 1; part <= 2; ++part) {
      const auto& values = Part(state, part);
      if (values[0].ConstGet() == 0.0 && values[1].ConstGet() == 0.0 && values[2].ConstGet() == 0.0) continue;
      WriteLine(stream, "*Connector Load", part);
      for (int c = 0; c < 3; ++c) {
        const double product = values[std::size_t(c)].ConstGet() * scale_;
        if (product != 0.0) dataLine(c, product);
      }
    }
    return;
  }
  WriteLine(stream, "*Connector Load", 0);
  for (int c = 0; c < 3; ++c) {
    const auto& value = state.real[std::size_t(c)];
    if (form_.Due(value.State())) dataLine(c, value.ConstGet() * scale_);
  }
}
