#include "oif/impl/oif_Spectrum.h"

#include "oif/impl/oif_Amplitude.h"
#include "oif/impl/oif_KeywordLine.h"

void oif_Spectrum::Write(utl_Stream& stream) const {
  if (amplitude_->Kind() != kamC_AmplitudeKind::Spectrum) return;
  const auto& spectrum = nex_canDynamicCastRef<kamC_Spectrum>(*amplitude_, "oif/impl/oif_Spectrum", 43);
  oif_KeywordLine line(stream, "*Spectrum");
  line.Name("name", name_);
  if (spectrum.g != 0.0) line.Param("g", spectrum.g);
  if (spectrum.spectrumType != kamC_Amplitude::SPECTRUM_ACCELERATION)
    line.Param("type", kamC_SpectrumTypeEnum().GetString(spectrum.spectrumType));
  line.End();
  oif_WriteRows(stream, spectrum.data, 3);
  stream.LineBreak();
}
