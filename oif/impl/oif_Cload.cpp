#include "oif/impl/oif_Cload.h"

oif_Cload::oif_Cload(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load, std::size_t step,
                     const cow_String& regionName, double scale)
    : oif_LoadKeyword(form, std::move(load), step, regionName, scale) {}

void oif_Cload::DataLine(utl_Stream& stream, int label, double value) const {
  oif_DataLine line(stream);
  line << region_ << label << value;
  line.End();
}

void oif_Cload::Write(utl_Stream& stream) const {
  const bool bolt = !KindLoad() && dynamic_cast<const kloC_BoltLoad*>(load_.get()) != nullptr;
  const kloC_LoadKind kind = Kind();
  const bool known = bolt || (kind != kloC_LoadKind::Count && kloC_Info(kind).family == kloC_LoadFamily::Cload);
  if (!known) nex_AssertException("\"Invalid load type for *Cload\" == 0").Throw("oif_Cload", __LINE__);
  if (form_.removed) {
    WriteLine(stream, "*Cload", 0);
    return;
  }
  if (bolt) return WriteBolt(stream);
  switch (kind) {
    case kloC_LoadKind::ConcentratedForce:
      return WriteComponents(stream, 1, KindLoad()->follower, false);
    case kloC_LoadKind::Moment:
      return WriteComponents(stream, 4, KindLoad()->follower, false);
    case kloC_LoadKind::PEGLoad:
      return WriteComponents(stream, 3, false, true);
    case kloC_LoadKind::ConcentratedPoreFluid:
      return WriteSingle(stream, false);
    default:  // inward volume acceleration
      return WriteSingle(stream, true);
  }
}

// Complex: the real parts (load case 1) and the imaginary parts (load case 2),
// each unless all three are zero. Otherwise every due component, even a zero.
void oif_Cload::WriteComponents(utl_Stream& stream, int firstLabel, bool follower, bool allThree) const {
  const kloC_LoadState& state = State();
  if (state.IsComplex()) {
    for (int part = 1; part <= 2; ++part) {
      const auto& values = Part(state, part);
      if (values[0].ConstGet() == 0.0 && values[1].ConstGet() == 0.0 && values[2].ConstGet() == 0.0) continue;
      WriteLine(stream, "*Cload", part, follower);
      for (int c = 0; c < 3; ++c) {
        const double product = values[std::size_t(c)].ConstGet() * scale_;
        if (allThree || product != 0.0) DataLine(stream, firstLabel + c, product);
      }
    }
    return;
  }
  WriteLine(stream, "*Cload", 0, follower);
  for (int c = 0; c < 3; ++c) {
    const auto& value = state.real[std::size_t(c)];
    if (form_.Due(value.State())) DataLine(stream, firstLabel + c, value.ConstGet() * scale_);
  }
}

// Pore fluid and inward volume acceleration: one value on degree 8.
void oif_Cload::WriteSingle(utl_Stream& stream, bool complexAllowed) const {
  const kloC_LoadState& state = State();
  if (state.IsComplex()) {
    if (!complexAllowed)
      nex_AssertException("\"Concentrated pore fluid load cannot be complex\" == 0").Throw("oif_Cload", __LINE__);
    for (int part = 1; part <= 2; ++part) {
      const double value = Part(state, part)[0].ConstGet();
      if (value == 0.0) continue;
      WriteLine(stream, "*Cload", part);
      DataLine(stream, 8, value * scale_);
    }
    return;
  }
  if (!form_.Due(state.real[0].State())) return;
  WriteLine(stream, "*Cload", 0);
  DataLine(stream, 8, state.real[0].ConstGet() * scale_);
}

// A bolt load applied as a force: its magnitude on degree 1 of the bolt's
// region. A bolt switched to another method in this step, or an inactive
// one, keeps only the keyword line.
void oif_Cload::WriteBolt(utl_Stream& stream) const {
  const auto& bolt = static_cast<const kloC_BoltLoad&>(*load_);
  const kloC_BoltLoadState& state = bolt.ConstGetState(step_);
  const bool switched = bolt.Status(step_) == mdl_Modified && state.method.IsModified() && state.method.ConstGet() != 0;
  if (switched || state.inactive) {
    WriteLine(stream, "*Cload", 0);
    return;
  }
  if (!form_.Due(state.magnitude.State())) return;
  WriteLine(stream, "*Cload", 0);
  DataLine(stream, 1, state.magnitude.ConstGet() * scale_);
}
