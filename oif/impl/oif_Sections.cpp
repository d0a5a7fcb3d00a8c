#include "oif/impl/oif_Sections.h"

#include <charconv>
#include <cmath>

#include "exceptions/nex_Exception.h"
#include "modeldb/kseC_SectionKind.h"
#include "oif/impl/oif_KeywordLine.h"
#include "zkw/zkw_VelornName.h"

namespace {

void OrientationAndControls(oif_KeywordLine& line, const oif_SectionNames& names) {
  if (!names.orientation.empty()) line.Param("orientation", names.orientation);
  if (!names.controls.empty()) line.Param("controls", names.controls);
}

/// The kind of a section; Count for a class outside the kind table.
kseC_SectionKind KindOf(const kseC_Section& section) {
  const kseC_SectionKindInfo* info = kseC_FindSectionKind(section);
  return info == nullptr ? kseC_SectionKind::Count : info->kind;
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
  const kseC_SectionKind kind = KindOf(shell);
  if (kind != kseC_SectionKind::Shell && kind != kseC_SectionKind::CompositeShell) ShellGeneralUnimplemented();
  const auto* composite =
      kind == kseC_SectionKind::CompositeShell ? static_cast<const kseC_CompositeShellSection*>(&shell) : nullptr;

  oif_KeywordLine line(stream, shell.general ? "*Shell General Section" : "*Shell Section");
  line.ParamNoBreak("elset", names_.elset);
  if (composite) line.Flag("composite");
  OrientationAndControls(line, names_);
  if (shell.temperatureMode == kseC_ShellSection::Points) line.Param("temperature", shell.temperaturePoints);
  if (!composite) line.Name("material", shell.material);
  if (shell.integrationRule != 0)
    line.Param("section integration", kseC_ShellSection::IntegrationRuleEnm().GetString(shell.integrationRule));
  if (shell.poissonDefined) line.Param("poisson", shell.poisson);
  if (mdl_IsSet(shell.thicknessModulus) && shell.thicknessModulus > 0)
    line.Param("thickness modulus", shell.thicknessModulus);
  if (offset_ != 0.0) line.Param("offset", offset_);
  if (mdl_IsSet(shell.thicknessModulus) && !names_.orientation.empty()) line.Param("stack direction", "ORIENTATION");
  line.End();

  if (composite) {
    // A general section is integrated before the analysis: no integration points.
    for (const kseC_Layer& layer : composite->layers) {
      oif_DataLine data(stream);
      data << layer.thickness;
      shell.general ? data.Empty() : data << layer.integrationPoints;
      data << zkw_VelornName(layer.material).Printable();
      if (!layer.orientation.empty())
        data << zkw_VelornName(layer.orientation).Printable();
      else
        data << layer.orientationAngle;
      data.End();
    }
  } else {
    oif_DataLine data(stream);
    data << shell.thickness;
    shell.general ? data.Empty() : data << shell.integrationPoints;
    data.End(true);
  }
  if (shell.rebarLayers) oif_RebarLayer(*shell.rebarLayers, cow_String()).Write(stream);
}

oif_ShellGeneralSection::oif_ShellGeneralSection(const oif_SectionNames& names,
                                                 std::shared_ptr<const kseC_Section> section, double offset)
    : names_(names), section_(std::move(section)), offset_(offset) {}

void oif_ShellGeneralSection::Write(utl_Stream& stream) const {
  const auto& shell = nex_canDynamicCastRef<kseC_ShellSection>(*section_, "oif/impl/oif_ShellGeneralSection", __LINE__);
  oif_KeywordLine line(stream, "*Shell General Section");
  line.ParamNoBreak("elset", names_.elset);
  OrientationAndControls(line, names_);
  if (!shell.general) line.Flag("unsymm");
  if (offset_ != 0.0) line.Param("offset", offset_);
  ShellGeneralUnimplemented();
}

// ---- *Solid Section ---------------------------------------------------------

oif_SolidSection::oif_SolidSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section)
    : names_(names), section_(std::move(section)) {}

void oif_SolidSection::Write(utl_Stream& stream) const {
  const kseC_SectionKind kind = KindOf(*section_);
  if (kind == kseC_SectionKind::Truss) {
    const auto& truss = static_cast<const kseC_TrussSection&>(*section_);
    oif_KeywordLine(stream, "*Solid Section").ParamNoBreak("elset", names_.elset).Name("material", truss.material).End();
    (oif_DataLine(stream, ",") << truss.area).Empty().End(true);
    return;
  }
  if (!dynamic_cast<const kseC_SolidSection*>(section_.get()))
    nex_TextException("Neither solid nor truss section type").Throw(__FILE__, __LINE__);

  if (kind == kseC_SectionKind::Solid) {
    const auto& solid = static_cast<const kseC_HomogenousSolidSection&>(*section_);
    oif_KeywordLine line(stream, "*Solid Section");
    line.ParamNoBreak("elset", names_.elset);
    OrientationAndControls(line, names_);
    line.Name("material", solid.material).End();
    // The thickness field stays empty when it is not given; the "," stays.
    (oif_DataLine(stream, ",") << solid.thickness).Empty().End(true);
    return;
  }
  if (kind != kseC_SectionKind::CompositeSolid) nex_TextException("Unknown solid section type").Throw(__FILE__, __LINE__);
  const auto* composite = static_cast<const kseC_CompositeSolidSection*>(section_.get());
  oif_KeywordLine line(stream, "*Solid Section");
  line.ParamNoBreak("elset", names_.elset).FlagNoBreak("composite");
  OrientationAndControls(line, names_);
  line.End();
  auto layerLine = [&stream](const kseC_Layer& layer) {
    (oif_DataLine(stream) << oif_RealText(layer.thickness) << layer.integrationPoints << layer.material
                          << oif_RealText(layer.orientationAngle))
        .End();
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
  oif_KeywordLine line(stream, "*Membrane Section");
  line.ParamNoBreak("elset", names_.elset).Name("material", membrane.material);
  OrientationAndControls(line, names_);
  if (membrane.poissonDefined) line.Param("poisson", membrane.poisson);
  line.End();
  (oif_DataLine(stream, ",") << membrane.thickness).Empty().End(true);
}

oif_GasketSection::oif_GasketSection(const oif_SectionNames& names, std::shared_ptr<const kseC_Section> section,
                                     const cow_String& behavior)
    : names_(names), section_(std::move(section)), behavior_(behavior) {}

void oif_GasketSection::Write(utl_Stream& stream) const {
  const auto& gasket = nex_canDynamicCastRef<kseC_GasketSection>(*section_, "oif/impl/oif_GasketSection", __LINE__);
  oif_KeywordLine line(stream, "*Gasket Section");
  line.ParamNoBreak("elset", names_.elset);
  if (!behavior_.empty())
    line.NameNoBreak("behavior", behavior_);
  else
    line.NameNoBreak("material", gasket.material());
  if (!names_.orientation.empty()) line.Param("orientation", names_.orientation);
  line.ParamNoBreak("stabilization stiffness", gasket.stabilizationStiffness);
  line.End();
  const auto& v = gasket.values;
  (oif_DataLine(stream) << v[kseC_GasketSection::InitialThickness] << v[kseC_GasketSection::InitialGap]
                        << v[kseC_GasketSection::InitialVoid] << v[kseC_GasketSection::CrossSection])
      .End();
}

// ---- Companions -------------------------------------------------------------

void oif_HourglassStiffness::Write(utl_Stream& stream) const {
  if (values_.IsZero()) return;
  oif_KeywordLine(stream, "*Hourglass Stiffness").End();
  ((oif_DataLine(stream) << values_.values[0]).Empty() << values_.values[1] << values_.values[2]).End();
}

void oif_TransverseShear::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Transverse Shear").End();
  (oif_DataLine(stream) << values_.k11 << values_.k22 << values_.k12).End();
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
  oif_KeywordLine line(stream, "*RotaryI");
  line.ParamNoBreak("elset", names_.elset);
  if (section_->inertiaAlpha != 0.0) line.Param("alpha", section_->inertiaAlpha);
  if (section_->inertiaComposite != 0.0) line.Param("composite", section_->inertiaComposite);
  if (!names_.orientation.empty()) line.Param("orientation", names_.orientation);
  line.End();
  oif_DataLine data(stream);
  for (double value : section_->inertia) data << value;
  data.End();
}

oif_Mass::oif_Mass(const oif_SectionNames& names, std::shared_ptr<const kseC_PointSection> section)
    : names_(names), section_(std::move(section)) {}

bool oif_Mass::IsEmpty() const { return section_->mass == 0.0; }

void oif_Mass::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  oif_KeywordLine line(stream, "*Mass");
  line.ParamNoBreak("elset", names_.elset);
  if (section_->massAlpha != 0.0) line.ParamNoBreak("alpha", section_->massAlpha);
  if (section_->massComposite != 0.0) line.ParamNoBreak("composite", section_->massComposite);
  line.End();
  (oif_DataLine(stream) << section_->mass).Empty().End(true);
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
  oif_KeywordLine line(stream, "*Section Controls");
  line.ParamNoBreak("name", name_);
  if (p.distortion == P::DistortionYes) {
    line.ParamNoBreak("DISTORTION CONTROL", "YES");
    if (Differs(p.lengthRatio, P::kDefaultLengthRatio)) line.ParamNoBreak("length ratio", p.lengthRatio);
  } else if (p.distortion == P::DistortionNo) {
    line.ParamNoBreak("DISTORTION CONTROL", "NO");
  }
  if (p.kinematicSplit == P::Orthogonal || p.kinematicSplit == P::Centroid)
    line.ParamNoBreak("kinematic split", P::KinematicSplitEnm().GetString(p.kinematicSplit));
  if (p.hourglass != P::HourglassDefault) line.ParamNoBreak("hourglass", P::HourglassEnm().GetString(p.hourglass));
  if (p.secondOrder == P::SecondOrderYes) line.ParamNoBreak("second order accuracy", "YES");
  if (p.stressRate == P::Spin) line.ParamNoBreak("stress rate", "SPIN");
  if (p.hourglass == P::Combined && Differs(p.weightFactor, P::kDefaultWeightFactor))
    line.ParamNoBreak("weight factor", p.weightFactor);
  line.End();
  // The enhanced hourglass control takes no scale factors.
  const bool enhanced = p.hourglass >= P::Enhanced;
  oif_DataLine data(stream);
  for (std::size_t i = 0; i < 3; ++i) data << (enhanced ? 1.0 : p.hourglassScale[i]);
  if (Differs(p.bulkViscosityScale[0], 1.0) || Differs(p.bulkViscosityScale[1], 1.0))
    data << p.bulkViscosityScale[0] << p.bulkViscosityScale[1];
  data.End();
}

// ---- *Rebar Layer -----------------------------------------------------------

oif_RebarLayer::oif_RebarLayer(const kseC_RebarLayerSet& set, const cow_String& orientation, bool omitPosition)
    : set_(set), orientation_(orientation), omitPosition_(omitPosition) {}

void oif_RebarLayer::WriteKeyword(utl_Stream& stream, const cow_String& orientation) const {
  oif_KeywordLine line(stream, "*Rebar Layer");
  if (set_.spacing == kseC_RebarLayerSet::Angular) line.Flag("angular spacing");
  if (!orientation.empty()) line.Param("orientation", orientation);
  line.End();
}

void oif_RebarLayer::WriteLayer(utl_Stream& stream, const kseC_RebarLayer& layer) const {
  oif_DataLine data(stream);
  data << zkw_VelornName(layer.name).Printable() << layer.area
       << (set_.spacing == kseC_RebarLayerSet::Angular ? layer.angularSpacing : layer.spacing);
  omitPosition_ ? data.Empty() : data << layer.position;
  data << zkw_VelornName(layer.material).Printable() << layer.angle << 1;
  data.End();
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
