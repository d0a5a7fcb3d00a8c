#pragma once
// "*Beam Section" and "*Beam General Section" on one writer: the keyword
// line with its profile, the profile's data line, the beam direction, and
// the companions "*Beam Fluid Inertia", "*Damping", "*Shear Center",
// "*Centroid" and "*Section Points".
#include <memory>

#include "geometry/gsl_Geometry.h"
#include "modeldb/kbpC_BeamProfile.h"
#include "modeldb/kseC_Sections.h"
#include "zkw/zkw_Keyword.h"

/// The common writer. Each hook writes what only one of the two keywords
/// has; the base writes what both share.
class oif_KeywordLine;

class oif_BeamSectionCommon : public zkw_Keyword {
 public:
  /// `profile` may be null (an unknown profile: an error comment is written);
  /// `direction` is the first axis of the cross-section.
  oif_BeamSectionCommon(const cow_String& elset, std::shared_ptr<const kseC_Section> section,
                        std::shared_ptr<const kbpC_BeamProfile> profile, const gsl_Vector& direction);
  void Write(utl_Stream& stream) const override;

 protected:
  enum class Phase { KeywordLine, DataLines };
  virtual const char* KeywordText() const = 0;
  /// The keyword line's part for a generalized profile.
  virtual void GeneralizedProfile(utl_Stream& stream, const kbpC_GeneralizedProfile& profile) const = 0;
  virtual void DensityParameter(oif_KeywordLine& line, const kseC_BeamSection& section) const = 0;
  virtual void TrailingKeywords(utl_Stream& stream, const kseC_BeamSection& section) const = 0;
  virtual void TemperatureOrZero(oif_KeywordLine& line, const kseC_BeamSection& section) const = 0;
  /// On the keyword line the material (or the dependencies); after the
  /// direction the property lines (on the line's stream).
  virtual void MaterialOrPropertyLines(oif_KeywordLine& line, const kseC_BeamSection& section, Phase phase) const = 0;

 private:
  void Profile(utl_Stream& stream) const;

  cow_String elset_;
  std::shared_ptr<const kseC_Section> section_;
  std::shared_ptr<const kbpC_BeamProfile> profile_;
  gsl_Vector direction_;
};

/// "*Beam Section": a section integrated during the analysis.
class oif_BeamSection : public oif_BeamSectionCommon {
 public:
  using oif_BeamSectionCommon::oif_BeamSectionCommon;
  zkw_Keyword* Clone() const override { return new oif_BeamSection(*this); }

 private:
  const char* KeywordText() const override { return "*Beam Section"; }
  void GeneralizedProfile(utl_Stream& stream, const kbpC_GeneralizedProfile& profile) const override;
  void DensityParameter(oif_KeywordLine&, const kseC_BeamSection&) const override {}
  void TrailingKeywords(utl_Stream&, const kseC_BeamSection&) const override {}
  void TemperatureOrZero(oif_KeywordLine& line, const kseC_BeamSection& section) const override;
  void MaterialOrPropertyLines(oif_KeywordLine& line, const kseC_BeamSection& section, Phase phase) const override;
};

/// "*Beam General Section": a section whose properties are given before
/// the analysis, with its property lines and trailing keywords.
class oif_BeamGeneralSection : public oif_BeamSectionCommon {
 public:
  using oif_BeamSectionCommon::oif_BeamSectionCommon;
  zkw_Keyword* Clone() const override { return new oif_BeamGeneralSection(*this); }

 private:
  const char* KeywordText() const override { return "*Beam General Section"; }
  void GeneralizedProfile(utl_Stream& stream, const kbpC_GeneralizedProfile& profile) const override;
  void DensityParameter(oif_KeywordLine& line, const kseC_BeamSection& section) const override;
  void TrailingKeywords(utl_Stream& stream, const kseC_BeamSection& section) const override;
  void TemperatureOrZero(oif_KeywordLine& line, const kseC_BeamSection& section) const override;
  void MaterialOrPropertyLines(oif_KeywordLine& line, const kseC_BeamSection& section, Phase phase) const override;
};
