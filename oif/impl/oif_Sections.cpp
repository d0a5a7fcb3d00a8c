#include "oif/impl/oif_Sections.h"

#include <charconv>
#include <cmath>

#include "exceptions/nex_Exception.h"
#include "zkw/zkw_VelornName.h"

namespace {

/// ", " and a break candidate before an optional parameter's text.
utl_Stream& Opt(utl_Stream& stream) {
  stream << ", ";
  stream.OptionalLineBreak();
  return stream;
}

void OrientationAndControls(utl_Stream& stream, const oif_SectionNames& names) {
  if (!names.orientation.empty()) Opt(stream) << "orientation=" << names.orientation;
  if (!names.controls.empty()) Opt(stream) << "controls=" << names.controls;
}

bool Differs(double value, double reference) { return std::fabs(value - reference) > 1e-6; }

[[noreturn]] void ShellGeneralUnimplemented() {
  nex_TextException("Shell general section unimplemented").Throw(__FILE__, __LINE__);
}

}  // namespace

cow_String oif_RealText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return cow_String(buffer, result.ptr);
}

// ---- *Shell Section ---------------------------------------------------------

oif_ShellSection::oif_ShellSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section,
                                   double offset)
    : names_(names), section_(std::move(section)), offset_(offset) {}

void oif_ShellSection::Write(utl_Stream& stream) const {
  const auto& shell = nex_canDynamicCastRef<kseC_ShellSection>(*section_, "oif/impl/oif_ShellSection", __LINE__);
  const auto* composite = dynamic_cast<const kseC_CompositeShellSection*>(&shell);
  if (!composite && !dynamic_cast<const kseC_HomogenousShellSection*>(&shell)) ShellGeneralUnimplemented();

  stream << (shell.general ? "*Shell General Section, elset=" : "*Shell Section, elset=") << names_.elset;
  if (composite) Opt(stream) << "composite";
  OrientationAndControls(stream, names_);
  if (shell.temperatureMode == kseC_ShellSection::Points) Opt(stream) << "temperature=" << shell.temperaturePoints;
  if (!composite) Opt(stream) << "material=" << zkw_VelornName(shell.material);
  if (shell.integrationRule != 0)
    Opt(stream) << "section integration=" << kseC_ShellSection::IntegrationRuleEnm().GetString(shell.integrationRule);
  if (shell.poissonDefined) Opt(stream) << "poisson=" << shell.poisson;
  if (mdl_IsSet(shell.thicknessModulus) && shell.thicknessModulus > 0)
    Opt(stream) << "thickness modulus=" << shell.thicknessModulus;
  if (offset_ != 0.0) Opt(stream) << "offset=" << offset_;
  if (mdl_IsSet(shell.thicknessModulus) && !names_.orientation.empty())
    Opt(stream) << "stack direction=" << "ORIENTATION";
  stream.LineBreak();

  if (composite) {
    for (const kseC_Layer& layer : composite->layers) {
      stream << layer.thickness << ", ";
      if (!shell.general) stream << layer.integrationPoints;
      stream << ", " << zkw_VelornName(layer.material) << ", ";
      if (!layer.orientation.empty())
        stream << zkw_VelornName(layer.orientation);
      else
        stream << layer.orientationAngle;
      stream << endl;
    }
  } else {
    stream << shell.thickness << ", ";
    if (!shell.general) stream << shell.integrationPoints;
    stream << endl;
  }
  if (shell.rebarLayers) oif_RebarLayer(*shell.rebarLayers, cow_String()).Write(stream);
}

oif_ShellGeneralSection::oif_ShellGeneralSection(const oif_SectionNames& names,
                                                 std::shared_ptr<const kseC_Section> section, double offset)
    : names_(names), section_(std::move(section)), offset_(offset) {}

void oif_ShellGeneralSection::Write(utl_Stream& stream) const {
  const auto& shell = nex_canDynamicCastRef<kseC_ShellSection>(*section_, "oif/impl/oif_ShellGeneralSection", __LINE__);
  stream << "*Shell General Section, elset=" << names_.elset;
  OrientationAndControls(stream, names_);
  if (!shell.general) Opt(stream) << "unsymm";
  if (offset_ != 0.0) Opt(stream) << "offset=" << offset_;
  ShellGeneralUnimplemented();
}

// ---- *Solid Section ---------------------------------------------------------

oif_SolidSection::oif_SolidSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section)
    : names_(names), section_(std::move(section)) {}

void oif_SolidSection::Write(utl_Stream& stream) const {
  if (const auto* truss = dynamic_cast<const kseC_TrussSection*>(section_.get())) {
    stream << "*Solid Section, elset=" << names_.elset;
    Opt(stream) << "material=" << zkw_VelornName(truss->material);
    stream.LineBreak();
    stream << truss->area << "," << endl;
    return;
  }
  if (!dynamic_cast<const kseC_SolidSection*>(section_.get()))
    nex_TextException("Neither solid nor truss section type").Throw(__FILE__, __LINE__);

  if (const auto* solid = dynamic_cast<const kseC_HomogenousSolidSection*>(section_.get())) {
    stream << "*Solid Section, elset=" << names_.elset;
    OrientationAndControls(stream, names_);
    Opt(stream) << "material=" << zkw_VelornName(solid->material);
    stream.LineBreak();
    if (mdl_IsSet(solid->thickness)) stream << solid->thickness;
    stream << "," << endl;
    return;
  }
  const auto* composite = dynamic_cast<const kseC_CompositeSolidSection*>(section_.get());
  if (!composite) nex_TextException("Unknown solid section type").Throw(__FILE__, __LINE__);
  stream << "*Solid Section, elset=" << names_.elset << ", composite";
  OrientationAndControls(stream, names_);
  stream.LineBreak();
  auto layerLine = [&stream](const kseC_Layer& layer) {
    stream << oif_RealText(layer.thickness) << ", " << layer.integrationPoints << ", " << layer.material << ", "
           << oif_RealText(layer.orientationAngle) << endl;
  };
  for (const kseC_Layer& layer : composite->layers) layerLine(layer);
  if (composite->symmetric && composite->layers.size() >= 2)
    for (auto it = composite->layers.rbegin(); it != composite->layers.rend(); ++it) layerLine(*it);
}

// ---- *Membrane Section, *Gasket Section -------------------------------------

oif_MembraneSection::oif_MembraneSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section)
    : names_(names), section_(std::move(section)) {}

void oif_MembraneSection::Write(utl_Stream& stream) const {
  const auto& membrane = nex_canDynamicCastRef<kseC_MembraneSection>(*section_, "oif/impl/oif_MembraneSection", __LINE__);
  stream << "*Membrane Section, elset=" << names_.elset;
  Opt(stream) << "material=" << zkw_VelornName(membrane.material);
  OrientationAndControls(stream, names_);
  if (membrane.poissonDefined) Opt(stream) << "poisson=" << membrane.poisson;
  stream << endl << membrane.thickness << "," << endl;
}

oif_GasketSection::oif_GasketSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section,
                                     const cow_String& behavior)
    : names_(names), section_(std::move(section)), behavior_(behavior) {}

void oif_GasketSection::Write(utl_Stream& stream) const {
  const auto& gasket = nex_canDynamicCastRef<kseC_GasketSection>(*section_, "oif/impl/oif_GasketSection", __LINE__);
  stream << "*Gasket Section, elset=" << names_.elset;
  if (!behavior_.empty())
    stream << ", behavior=" << zkw_VelornName(behavior_);
  else
    stream << ", material=" << zkw_VelornName(gasket.material());
  if (!names_.orientation.empty()) Opt(stream) << "orientation=" << names_.orientation;
  if (mdl_IsSet(gasket.stabilizationStiffness))
    stream << ", stabilization stiffness=" << gasket.stabilizationStiffness;
  stream << endl;
  const auto& v = gasket.values;
  if (mdl_IsSet(v[kseC_GasketSection::InitialThickness])) stream << v[kseC_GasketSection::InitialThickness];
  stream << ", " << v[kseC_GasketSection::InitialGap] << ", " << v[kseC_GasketSection::InitialVoid] << ", "
         << v[kseC_GasketSection::CrossSection] << endl;
}

// ---- Companions -------------------------------------------------------------

void oif_HourglassStiffness::Write(utl_Stream& stream) const {
  if (values_.IsZero()) return;
  stream << "*Hourglass Stiffness" << endl;
  stream << values_.values[0] << ", , " << values_.values[1] << ", " << values_.values[2] << endl;
}

void oif_TransverseShear::Write(utl_Stream& stream) const {
  stream << "*Transverse Shear" << endl << values_.k11 << ", " << values_.k22;
  if (mdl_IsSet(values_.k12)) stream << ", " << values_.k12;
  stream << endl;
}

oif_RotaryI::oif_RotaryI(const oif_SectionNames& names, std::shared_ptr<const kseC_PointSection> section)
    : names_(names), section_(std::move(section)) {}

bool oif_RotaryI::IsEmpty() const {
  for (double value : section_->inertia)
    if (value != 0.0) return false;
  return true;
}

void oif_RotaryI::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  stream << "*RotaryI" << ", elset=" << names_.elset;
  if (section_->inertiaAlpha != 0.0) Opt(stream) << "alpha=" << section_->inertiaAlpha;
  if (section_->inertiaComposite != 0.0) Opt(stream) << "composite=" << section_->inertiaComposite;
  if (!names_.orientation.empty()) Opt(stream) << "orientation=" << names_.orientation;
  stream.LineBreak();
  const auto& i = section_->inertia;
  stream << i[0] << ", " << i[1] << ", " << i[2] << ", " << i[3] << ", " << i[4] << ", " << i[5] << endl;
}

oif_Mass::oif_Mass(const oif_SectionNames& names, std::shared_ptr<const kseC_PointSection> section)
    : names_(names), section_(std::move(section)) {}

bool oif_Mass::IsEmpty() const { return section_->mass == 0.0; }

void oif_Mass::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  stream << "*Mass" << ", elset=" << names_.elset;
  if (section_->massAlpha != 0.0) stream << ", alpha=" << section_->massAlpha;
  if (section_->massComposite != 0.0) stream << ", composite=" << section_->massComposite;
  stream.LineBreak();
  stream << section_->mass << ", " << endl;
}

// ---- *Section Controls ------------------------------------------------------

oif_SectionControls::oif_SectionControls(const cow_String& name, const bme_ElemCtrlParams& params,
                                         int standardAnalysis)
    : name_(name), params_(params), kind_(standardAnalysis) {}

bool oif_SectionControls::IsEmpty() const {
  return params_.HasDefaultSectionControls(kind_ > 0 ? bme_ElemCtrlParams::Standard : bme_ElemCtrlParams::Explicit);
}

void oif_SectionControls::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  using P = bme_ElemCtrlParams;
  const P& p = params_;
  stream << "*Section Controls, name=" << name_;
  if (p.distortion == P::DistortionYes) {
    stream << ", DISTORTION CONTROL=YES";
    if (Differs(p.lengthRatio, P::kDefaultLengthRatio)) stream << ", length ratio=" << p.lengthRatio;
  } else if (p.distortion == P::DistortionNo) {
    stream << ", DISTORTION CONTROL=NO";
  }
  if (p.kinematicSplit == P::Orthogonal || p.kinematicSplit == P::Centroid)
    stream << ", kinematic split=" << P::KinematicSplitEnm().GetString(p.kinematicSplit);
  if (p.hourglass != P::HourglassDefault) stream << ", hourglass=" << P::HourglassEnm().GetString(p.hourglass);
  if (p.secondOrder == P::SecondOrderYes) stream << ", second order accuracy=YES";
  if (p.stressRate == P::Spin) stream << ", stress rate=SPIN";
  if (p.hourglass == P::Combined && Differs(p.weightFactor, P::kDefaultWeightFactor))
    stream << ", weight factor=" << p.weightFactor;
  stream << endl;
  // The enhanced hourglass control takes no scale factors.
  const bool enhanced = p.hourglass >= P::Enhanced;
  for (std::size_t i = 0; i < 3; ++i) stream << (i ? ", " : "") << (enhanced ? 1.0 : p.hourglassScale[i]);
  if (Differs(p.bulkViscosityScale[0], 1.0) || Differs(p.bulkViscosityScale[1], 1.0))
    stream << ", " << p.bulkViscosityScale[0] << ", " << p.bulkViscosityScale[1];
  stream << endl;
}

// ---- *Rebar Layer -----------------------------------------------------------

oif_RebarLayer::oif_RebarLayer(const kseC_RebarLayerSet& set, const cow_String& orientation, bool omitPosition)
    : set_(set), orientation_(orientation), omitPosition_(omitPosition) {}

void oif_RebarLayer::WriteKeyword(utl_Stream& stream, const cow_String& orientation) const {
  stream << "*Rebar Layer";
  if (set_.spacing == kseC_RebarLayerSet::Angular) Opt(stream) << "angular spacing";
  if (!orientation.empty()) Opt(stream) << "orientation=" << orientation;
  stream << endl;
}

void oif_RebarLayer::WriteLayer(utl_Stream& stream, const kseC_RebarLayer& layer) const {
  stream << zkw_VelornName(layer.name) << ", " << layer.area << ", "
         << (set_.spacing == kseC_RebarLayerSet::Angular ? layer.angularSpacing : layer.spacing) << ", ";
  if (!omitPosition_) stream << layer.position;
  stream << ", " << zkw_VelornName(layer.material) << ", " << layer.angle << ", " << "1" << endl;
}

void oif_RebarLayer::Write(utl_Stream& stream) const {
  bool shared = false;
  for (const kseC_RebarLayer& layer : set_.layers) shared = shared || layer.orientation.empty();
  if (shared) {
    WriteKeyword(stream, orientation_);
    for (const kseC_RebarLayer& layer : set_.layers)
      if (layer.orientation.empty()) WriteLayer(stream, layer);
  }
  for (const kseC_RebarLayer& layer : set_.layers) {
    if (layer.orientation.empty()) continue;
    WriteKeyword(stream, layer.orientation);
    WriteLayer(stream, layer);
  }
}
