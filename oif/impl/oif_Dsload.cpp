#include "oif/impl/oif_Dsload.h"

oif_Dsload::oif_Dsload(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load, std::size_t step,
                       const cow_String& regionName, double scale)
    : oif_LoadKeyword(form, std::move(load), step, regionName, scale) {}

void oif_Dsload::DataLine(utl_Stream& stream, double value) const {
  const kloC_KindLoad& load = *KindLoad();
  const kloC_LoadState& state = State();
  oif_DataLine line(stream);
  switch (load.distribution) {
    case kloC_KindLoad::DISTRIBUTION_USER:
      line << region_ << "PNU" << value * scale_;
      break;
    case kloC_KindLoad::DISTRIBUTION_HYDROSTATIC:
      line << region_ << "HP" << value * scale_;
      for (const mdl_PropAttr<double>* height : {&state.zeroHeight, &state.referenceHeight}) {
        if (height->IsSet())
          line << height->ConstGet();
        else
          line.Empty();
      }
      break;
    default:
      line << region_ << "P" << value * scale_;
  }
  line.End();
}

void oif_Dsload::Write(utl_Stream& stream) const {
  const kloC_LoadKind kind = Kind();
  if (kind == kloC_LoadKind::Count || kloC_Info(kind).family != kloC_LoadFamily::Dsload)
    nex_AssertException("\"Invalid load type for *Dsload\" == 0").Throw("oif_Dsload", __LINE__);
  if (form_.removed) {
    WriteLine(stream, "*Dsload", 0);
    return;
  }
  // The two further surface loads have no written form.
  if (kind != kloC_LoadKind::Pressure)
    nex_AssertException("\"Invalid load type for *Dsload\" == 0").Throw("oif_Dsload", __LINE__);
  const kloC_LoadState& state = State();
  if (state.IsComplex()) {
    for (int part = 1; part <= 2; ++part) {
      const double value = Part(state, part)[0].ConstGet();
      if (value == 0.0) continue;
      WriteLine(stream, "*Dsload", part);
      DataLine(stream, value);
    }
    return;
  }
  WriteLine(stream, "*Dsload", 0);
  const bool heights = KindLoad()->distribution == kloC_KindLoad::DISTRIBUTION_HYDROSTATIC &&
                       (form_.Due(state.zeroHeight.State()) || form_.Due(state.referenceHeight.State()));
  if (form_.Due(state.real[0].State()) || heights) DataLine(stream, state.real[0].ConstGet());
}
