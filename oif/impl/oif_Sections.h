#pragma once
// The section keywords of an assignment (all but the beam sections, which
// are in oif_BeamSections.h): "*Shell Section" and "*Shell General
// Section", "*Solid Section", "*Membrane Section", "*Gasket Section", and
// their companions "*Rebar Layer", "*Hourglass Stiffness", "*Transverse
// Shear", "*Mass", "*RotaryI", and the model's "*Section Controls".
// Element set, orientation and controls names arrive printable and are
// printed as they are; material names are printed through zkw_VelornName.
#include <array>
#include <memory>

#include "modeldb/bme_ElemCtrlParams.h"
#include "modeldb/kseC_Sections.h"
#include "zkw/zkw_Keyword.h"

/// The names every section keyword holds and the section it prints.
struct oif_SectionNames {
  cow_String elset;
  cow_String orientation;  // empty: none
  cow_String controls;     // empty: none
};

/// "*Shell Section" or "*Shell General Section" of a homogeneous or
/// composite shell, with its rebar layers.
/// @throws nex_TextException "Shell general section unimplemented" for a
/// shell section given by its cross-section geometry.
class oif_ShellSection : public zkw_Keyword {
 public:
  oif_ShellSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section, double offset);
  zkw_Keyword* Clone() const override { return new oif_ShellSection(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_SectionNames names_;
  std::shared_ptr<const kseC_Section> section_;
  double offset_;
};

/// "*Shell General Section" of a user shell section: the keyword line is
/// started, then the writer gives up.
/// @throws nex_TextException "Shell general section unimplemented".
class oif_ShellGeneralSection : public zkw_Keyword {
 public:
  oif_ShellGeneralSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section,
                          double offset);
  zkw_Keyword* Clone() const override { return new oif_ShellGeneralSection(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_SectionNames names_;
  std::shared_ptr<const kseC_Section> section_;
  double offset_;
};

/// "*Solid Section" of a homogeneous or composite solid, or of a truss.
/// @throws nex_TextException "Unknown solid section type" or "Neither solid
/// nor truss section type".
class oif_SolidSection : public zkw_Keyword {
 public:
  oif_SolidSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section);
  zkw_Keyword* Clone() const override { return new oif_SolidSection(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_SectionNames names_;
  std::shared_ptr<const kseC_Section> section_;
};

/// "*Membrane Section".
class oif_MembraneSection : public zkw_Keyword {
 public:
  oif_MembraneSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section);
  zkw_Keyword* Clone() const override { return new oif_MembraneSection(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_SectionNames names_;
  std::shared_ptr<const kseC_Section> section_;
};

/// "*Gasket Section": with ", behavior=" when `behavior` is not empty (the
/// section's material is written as a gasket behaviour), else ", material=".
class oif_GasketSection : public zkw_Keyword {
 public:
  oif_GasketSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section,
                    const cow_String& behavior);
  zkw_Keyword* Clone() const override { return new oif_GasketSection(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_SectionNames names_;
  std::shared_ptr<const kseC_Section> section_;
  cow_String behavior_;
};

/// "*Hourglass Stiffness"; nothing when all three values are 0.
class oif_HourglassStiffness : public zkw_Keyword {
 public:
  explicit oif_HourglassStiffness(const kseC_HourglassValues& values) : values_(values) {}
  zkw_Keyword* Clone() const override { return new oif_HourglassStiffness(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kseC_HourglassValues values_;
};

/// "*Transverse Shear": k11, k22 and k12 when given.
class oif_TransverseShear : public zkw_Keyword {
 public:
  explicit oif_TransverseShear(const kseC_TransverseShear& values) : values_(values) {}
  zkw_Keyword* Clone() const override { return new oif_TransverseShear(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kseC_TransverseShear values_;
};

/// "*RotaryI" of a point section; empty when all six inertias are 0.
class oif_RotaryI : public zkw_Keyword {
 public:
  oif_RotaryI(const oif_SectionNames& names, std::shared_ptr<const kseC_PointSection> section);
  zkw_Keyword* Clone() const override { return new oif_RotaryI(*this); }
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override;

 private:
  oif_SectionNames names_;
  std::shared_ptr<const kseC_PointSection> section_;
};

/// "*Mass" of a point section; empty when the mass is 0.
class oif_Mass : public zkw_Keyword {
 public:
  oif_Mass(const oif_SectionNames& names, std::shared_ptr<const kseC_PointSection> section);
  zkw_Keyword* Clone() const override { return new oif_Mass(*this); }
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override;

 private:
  oif_SectionNames names_;
  std::shared_ptr<const kseC_PointSection> section_;
};

/// "*Section Controls, name=": element controls that differ from the
/// defaults. `standardAnalysis` (the model has no explicit step) picks the
/// defaults the parameters are compared with; with defaults it is empty.
class oif_SectionControls : public zkw_Keyword {
 public:
  oif_SectionControls(const cow_String& name, const bme_ElemCtrlParams& params, int standardAnalysis);
  zkw_Keyword* Clone() const override { return new oif_SectionControls(*this); }
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override;

 private:
  cow_String name_;
  bme_ElemCtrlParams params_;
  int kind_;
};

/// "*Rebar Layer": the layers without an orientation of their own under one
/// keyword (with the section's orientation), then one keyword per layer
/// that has its own.
class oif_RebarLayer : public zkw_Keyword {
 public:
  oif_RebarLayer(const kseC_RebarLayerSet& set, const cow_String& orientation, bool omitPosition = false);
  zkw_Keyword* Clone() const override { return new oif_RebarLayer(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  void WriteKeyword(utl_Stream& stream, const cow_String& orientation) const;
  void WriteLayer(utl_Stream& stream, const kseC_RebarLayer& layer) const;

  kseC_RebarLayerSet set_;
  cow_String orientation_;
  bool omitPosition_;
};

/// The shortest text that reads back as `value` ("0.5", "45", "1e-05"): the
/// form of the reals of composite solid layers.
cow_String oif_RealText(double value);
