#include "oif/impl/oif_Amplitude.h"

#include "oif/impl/oif_KeywordLine.h"

void oif_WriteValuesPerLine(utl_Stream& stream, const std::vector<double>& values, std::size_t perLine) {
  for (std::size_t i = 0; i < values.size(); i += perLine) {
    oif_DataLine line(stream);
    for (std::size_t j = i; j < values.size() && j < i + perLine; ++j) line << values[j];
    line.End();
  }
}

void oif_WritePairs(utl_Stream& stream, const std::vector<double>& values, std::size_t pairsPerLine) {
  oif_WriteValuesPerLine(stream, values, 2 * pairsPerLine);
}

void oif_WriteRows(utl_Stream& stream, const std::vector<double>& values, std::size_t columns) {
  oif_WriteValuesPerLine(stream, values, columns);
}

void oif_Amplitude::Write(utl_Stream& stream) const {
  const kamC_Amplitude& amplitude = *amplitude_;
  oif_KeywordLine line(stream, "*Amplitude");
  line.Name("name", name_);
  if (amplitude.timeSpan != kamC_Amplitude::STEP_TIME)
    line.Param("time", cow_String(kamC_TimeSpanEnum().GetString(amplitude.timeSpan)) + " TIME");
  switch (amplitude.Kind()) {
    case kamC_AmplitudeKind::Tabular: {
      const auto& tabular = nex_canDynamicCastRef<kamC_Tabular>(amplitude, "oif/impl/oif_Amplitude", 61);
      line.Param("smooth", tabular.smoothing);  // left out when unset
      line.End();
      oif_WritePairs(stream, tabular.data, 4);
      return;
    }
    case kamC_AmplitudeKind::SmoothStep: {
      const auto& smooth = nex_canDynamicCastRef<kamC_SmoothStep>(amplitude, "oif/impl/oif_Amplitude", 91);
      line.Param("definition", "SMOOTH STEP").End();
      oif_WritePairs(stream, smooth.data, 4);
      return;
    }
    case kamC_AmplitudeKind::EquallySpaced: {
      const auto& spaced = nex_canDynamicCastRef<kamC_EquallySpaced>(amplitude, "oif/impl/oif_Amplitude", 118);
      line.Param("definition", "EQUALLY SPACED");
      line.Param("smooth", spaced.smoothing);
      line.Param("fixed interval", spaced.fixedInterval);
      if (spaced.begin != 0.0) line.Param("begin", spaced.begin);
      line.End();
      oif_WriteValuesPerLine(stream, spaced.data, 8);
      return;
    }
    case kamC_AmplitudeKind::Periodic: {
      const auto& periodic = nex_canDynamicCastRef<kamC_Periodic>(amplitude, "oif/impl/oif_Amplitude", 158);
      line.Param("definition", "PERIODIC").End();
      oif_DataLine first(stream);
      first << int(periodic.data.size() / 2) << periodic.frequency << periodic.start << periodic.a0;
      first.End();
      oif_WritePairs(stream, periodic.data, 4);
      return;
    }
    case kamC_AmplitudeKind::Modulated:
    case kamC_AmplitudeKind::Decay:
    case kamC_AmplitudeKind::SolutionDependent: {
      static const char* const kDefinitions[] = {"MODULATED", "DECAY", "SOLUTION DEPENDENT"};
      const int which = int(amplitude.Kind()) - int(kamC_AmplitudeKind::Modulated);
      NEX_ASSERT(amplitude.data.size() == std::size_t(amplitude.Info().valueCount));
      line.Param("definition", kDefinitions[which]).End();
      oif_WriteValuesPerLine(stream, amplitude.data, amplitude.data.size());
      return;
    }
    default:
      nex_TextException("Unknown amplitude definition").Throw("oif/impl/oif_Amplitude", 241);
  }
}
