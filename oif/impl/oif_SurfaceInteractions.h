#pragma once
// The keywords of the radiation and surface interactions: cavities with
// their view factor controls, film conditions and radiation to the ambient
// (on surfaces and on nodes), acoustic impedances and incident waves. The
// step-dependent ones take their form (", op=NEW", removal) from an
// oif_KeywordForm; regions arrive as printable set names.
#include <memory>
#include <vector>

#include "modeldb/kinC_Interaction.h"
#include "oif/impl/oif_OpStatus.h"
#include "zkw/zkw_Keyword.h"

/// "*Cavity Definition, name=, ambient temp=" and the cavity's surfaces,
/// one a line.
class oif_CavityDefinition : public zkw_Keyword {
 public:
  oif_CavityDefinition(const cow_String& name, double ambientTemperature, std::vector<cow_String> surfaces)
      : name_(name), ambientTemperature_(ambientTemperature), surfaces_(std::move(surfaces)) {}
  zkw_Keyword* Clone() const override { return new oif_CavityDefinition(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  double ambientTemperature_;
  std::vector<cow_String> surfaces_;
};

/// "*Radiation Viewfactor, cavity=" with the state's controls, or ", off".
class oif_RadiationViewfactor : public zkw_Keyword {
 public:
  oif_RadiationViewfactor(const cow_String& cavity, const kinC_CavityState& state, bool off)
      : cavity_(cavity), state_(state), off_(off) {}
  zkw_Keyword* Clone() const override { return new oif_RadiationViewfactor(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String cavity_;
  kinC_CavityState state_;
  bool off_;
};

/// The shared part of the film and radiation keywords: the form, the region
/// and the state of the step.
class oif_ExchangeKeyword : public zkw_Keyword {
 protected:
  oif_ExchangeKeyword(const oif_KeywordForm& form, const cow_String& region, const kinC_SurfaceExchangeState& state)
      : form_(form), region_(region), state_(state) {}
  /// The amplitude name of an attribute, empty when it names none.
  static cow_String AmplitudeOf(const mdl_PropAttr<std::string>& attr);

  oif_KeywordForm form_;
  cow_String region_;
  kinC_SurfaceExchangeState state_;
};

/// "*Sfilm": a film condition on a surface.
class oif_Sfilm : public oif_ExchangeKeyword {
 public:
  oif_Sfilm(const oif_KeywordForm& form, const cow_String& region, const kinC_SurfaceExchangeState& state,
            int definition)
      : oif_ExchangeKeyword(form, region, state), definition_(definition) {}
  zkw_Keyword* Clone() const override { return new oif_Sfilm(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  int definition_;
};

/// "*Cfilm": a film condition on nodes.
class oif_Cfilm : public oif_ExchangeKeyword {
 public:
  oif_Cfilm(const oif_KeywordForm& form, const cow_String& region, const kinC_SurfaceExchangeState& state,
            const kinC_ConcFilmCondition& film)
      : oif_ExchangeKeyword(form, region, state), regionType_(film.regionType), definition_(film.definition) {}
  zkw_Keyword* Clone() const override { return new oif_Cfilm(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  int regionType_;
  int definition_;
};

/// "*Sradiate": radiation to the ambient from a surface.
class oif_Sradiate : public oif_ExchangeKeyword {
 public:
  oif_Sradiate(const oif_KeywordForm& form, const cow_String& region, const kinC_SurfaceExchangeState& state)
      : oif_ExchangeKeyword(form, region, state) {}
  zkw_Keyword* Clone() const override { return new oif_Sradiate(*this); }
  void Write(utl_Stream& stream) const override;
};

/// "*Cradiate": radiation to the ambient from nodes.
class oif_Cradiate : public oif_ExchangeKeyword {
 public:
  oif_Cradiate(const oif_KeywordForm& form, const cow_String& region, const kinC_SurfaceExchangeState& state,
               int regionType)
      : oif_ExchangeKeyword(form, region, state), regionType_(regionType) {}
  zkw_Keyword* Clone() const override { return new oif_Cradiate(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  int regionType_;
};

/// "*Simpedance": a non-reflecting boundary or an impedance property on a
/// surface.
class oif_AcousticImpedance : public zkw_Keyword {
 public:
  oif_AcousticImpedance(const oif_KeywordForm& form, const cow_String& region,
                        std::shared_ptr<const kinC_AcousticImpedance> impedance)
      : form_(form), region_(region), impedance_(std::move(impedance)) {}
  zkw_Keyword* Clone() const override { return new oif_AcousticImpedance(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_KeywordForm form_;
  cow_String region_;
  std::shared_ptr<const kinC_AcousticImpedance> impedance_;
};

/// "*Incident wave interaction": the loaded surface, the source point and
/// the standoff point.
class oif_IncidentWave : public zkw_Keyword {
 public:
  oif_IncidentWave(const cow_String& region, std::shared_ptr<const kinC_IncidentWave> wave)
      : region_(region), wave_(std::move(wave)) {}
  zkw_Keyword* Clone() const override { return new oif_IncidentWave(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String region_;
  std::shared_ptr<const kinC_IncidentWave> wave_;
};
