#include "oif/impl/oif_SurfaceInteractions.h"

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_KeywordLine.h"
#include "zkw/zkw_VelornName.h"

namespace {

double ValueOf(const mdl_PropAttr<double>& attr) { return attr.IsSet() ? attr.ConstGet() : mdl_UnsetDouble; }

void RegionType(oif_KeywordLine& line, int regionType) {
  if (regionType == kinC_Sliding) line.Param("region type", "SLIDING");
  if (regionType == kinC_Eulerian) line.Param("region type", "EULERIAN");
}

}  // namespace

void oif_CavityDefinition::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Cavity Definition")
      .NameNoBreak("name", name_)
      .Param("ambient temp", ambientTemperature_)
      .End();
  for (const cow_String& surface : surfaces_) (oif_DataLine(stream) << surface).End();
}

void oif_RadiationViewfactor::Write(utl_Stream& stream) const {
  static const char* const kBlocking[] = {"NO", "PARTIAL", "ALL"};
  oif_KeywordLine line(stream, "*Radiation Viewfactor");
  line.NameNoBreak("cavity", cavity_);
  if (off_) {
    line.Flag("off").End();
    return;
  }
  if (state_.blocking.IsSet()) {
    const int blocking = state_.blocking.ConstGet();
    if (blocking < 0 || blocking > 2) NEX_THROW_TEXT("Unimplemented blocking " + std::to_string(blocking));
    line.Param("blocking", kBlocking[blocking]);
  }
  line.Param("range", ValueOf(state_.range));
  if (state_.reflection.IsSet()) line.Param("reflection", state_.reflection.ConstGet() ? "YES" : "NO");
  line.Param("vtol", ValueOf(state_.viewfactorTolerance)).End();
}

cow_String oif_ExchangeKeyword::AmplitudeOf(const mdl_PropAttr<std::string>& attr) {
  return attr.IsSet() ? cow_String(attr.ConstGet()) : cow_String();
}

void oif_Sfilm::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Sfilm");
  if (!form_.removed) {
    const cow_String amplitude = AmplitudeOf(state_.amplitude), filmAmplitude = AmplitudeOf(state_.filmAmplitude);
    if (!amplitude.empty()) line.Name("amplitude", amplitude);
    if (!filmAmplitude.empty() && definition_ != kinC_FilmCondition::Property)
      line.Name("film amplitude", filmAmplitude);
  }
  line.OpNew(form_.opNew).End();
  if (form_.removed) return;
  oif_DataLine data(stream);
  data << region_ << (definition_ == kinC_FilmCondition::User ? "FNU" : "F") << ValueOf(state_.sinkTemperature);
  if (definition_ == kinC_FilmCondition::Property)
    data << zkw_VelornName(state_.filmProperty.ConstGet()).Printable();
  else
    data << ValueOf(state_.coefficient);
  data.End();
}

void oif_Cfilm::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Cfilm");
  if (!form_.removed) {
    const cow_String amplitude = AmplitudeOf(state_.amplitude), filmAmplitude = AmplitudeOf(state_.filmAmplitude);
    if (!amplitude.empty()) line.Name("amplitude", amplitude);
    if (!filmAmplitude.empty()) line.Name("film amplitude", filmAmplitude);
    RegionType(line, regionType_);
    if (definition_ == kinC_FilmCondition::User) line.Flag("user");
  }
  line.OpNew(form_.opNew).End();
  if (form_.removed) return;
  (oif_DataLine(stream) << region_ << ValueOf(state_.sinkTemperature) << ValueOf(state_.coefficient)).End();
}

void oif_Sradiate::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Sradiate");
  const cow_String amplitude = AmplitudeOf(state_.amplitude);
  if (!form_.removed && !amplitude.empty()) line.Name("amplitude", amplitude);
  line.OpNew(form_.opNew).End();
  if (form_.removed) return;
  (oif_DataLine(stream) << region_ << "R" << ValueOf(state_.sinkTemperature) << ValueOf(state_.coefficient)).End();
}

void oif_Cradiate::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Cradiate");
  if (!form_.removed) {
    const cow_String amplitude = AmplitudeOf(state_.amplitude);
    if (!amplitude.empty()) line.Name("amplitude", amplitude);
    RegionType(line, regionType_);
  }
  line.OpNew(form_.opNew).End();
  if (form_.removed) return;
  (oif_DataLine(stream) << region_ << ValueOf(state_.sinkTemperature) << ValueOf(state_.coefficient)).End();
}

void oif_AcousticImpedance::Write(utl_Stream& stream) const {
  static const char* const kForms[] = {"PLANAR", "IMPROVED", "CIRCULAR", "SPHERICAL", "ELLIPTICAL",
                                       "PROLATE SPHEROIDAL"};
  const kinC_AcousticImpedance& impedance = *impedance_;
  oif_KeywordLine line(stream, "*Simpedance");
  const bool nonreflecting = impedance.nonreflecting != kinC_AcousticImpedance::None;
  if (!form_.removed) {
    if (nonreflecting) {
      if (impedance.nonreflecting < 0 || impedance.nonreflecting >= int(std::size(kForms)))
        NEX_THROW_TEXT("Unimplemented non-reflecting form " + std::to_string(impedance.nonreflecting));
      line.Param("nonreflecting", kForms[impedance.nonreflecting]);
    } else {
      line.Name("property", impedance.property);
    }
  }
  line.OpNew(form_.opNew).End();
  if (form_.removed) return;
  oif_DataLine data(stream);
  data << region_;
  if (nonreflecting)
    for (double value : impedance.data) data << value;
  data.End();
}

void oif_IncidentWave::Write(utl_Stream& stream) const {
  const kinC_IncidentWave& wave = *wave_;
  oif_KeywordLine line(stream, "*Incident wave interaction");
  if (!wave.amplitude.empty())
    line.Name(wave.accelerationAmplitude ? "acceleration amplitude" : "pressure amplitude", wave.amplitude);
  if (wave.undex) line.Flag("UNDEX");
  if (!wave.property.empty()) line.Name("property", wave.property);
  line.End();
  oif_DataLine data(stream);
  data << region_;
  for (double value : wave.sourcePoint) data << value;
  for (double value : wave.standoffPoint) data << value;
  data.End();
}
