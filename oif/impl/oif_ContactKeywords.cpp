#include "oif/impl/oif_ContactKeywords.h"

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_KeywordLine.h"
#include "zkw/zkw_VelornName.h"

namespace {

/// "slave, master", or the one surface of self-contact (followed by ", "
/// where `selfSeparator`).
void SurfaceLine(utl_Stream& stream, const oif_ContactSurfaces& surfaces, bool selfSeparator) {
  oif_DataLine line(stream);
  line << surfaces.slave;
  if (!surfaces.IsSelf())
    line << surfaces.master;
  else if (selfSeparator)
    line.Empty();
  line.End(selfSeparator);
}

oif_DataLine& Field(oif_DataLine& line, const cow_String& name) {
  if (name.empty()) return line.Empty();
  return line << name;
}

void PairRows(utl_Stream& stream, const std::vector<oif_SurfaceNamePair>& pairs) {
  for (const auto& [first, second] : pairs) {
    oif_DataLine line(stream);
    Field(line, first);
    Field(line, second);
    line.End();
  }
}

}  // namespace

oif_ContactPair::oif_ContactPair(std::shared_ptr<const kinC_StdContact> pair, const kinC_ContactPairState& state,
                                 const oif_ContactSurfaces& surfaces, const cow_String& adjustSet)
    : standard_(std::move(pair)), state_(state), surfaces_(surfaces), adjustSet_(adjustSet) {}

oif_ContactPair::oif_ContactPair(std::shared_ptr<const kinC_XplContact> pair, const kinC_ContactPairState& state,
                                 const oif_ContactSurfaces& surfaces, const cow_String& cpset, bool removed)
    : explicit_(std::move(pair)), state_(state), surfaces_(surfaces), cpset_(cpset), removed_(removed) {}

void oif_ContactPair::Write(utl_Stream& stream) const {
  if (standard_)
    WriteStandard(stream);
  else if (explicit_)
    WriteExplicit(stream);
  else
    nex_TextException("Unimplemented interaction print").Throw("oif_ContactKeywords", __LINE__);
  SurfaceLine(stream, surfaces_, false);
}

void oif_ContactPair::WriteStandard(utl_Stream& stream) const {
  using C = kinC_StdContact;
  const C& pair = *standard_;
  const std::string& property = state_.interactionProperty.ConstGet();
  if (pair.tied && property.empty()) {  // a tied pair made without a property
    oif_KeywordLine line(stream, "*Contact Pair");
    line.FlagNoBreak("tied");
    if (pair.adjust == C::AdjustTolerance) line.Param("adjust", pair.adjustTolerance);
    cow_String interaction(1, '_');
    interaction.append(pair.name());
    line.Name("interaction", interaction);
    if (!pair.cpset.empty()) line.Name("cpset", pair.cpset);
    line.End();
    return;
  }
  oif_KeywordLine line(stream, "*Contact Pair");
  line.NameNoBreak("interaction", property);
  if (pair.smallSliding)
    line.Flag("small sliding");
  else if (mdl_IsSet(pair.slideDistance))
    line.Param("slide distance", pair.slideDistance);
  if (pair.discretization == C::SurfaceToSurface) {
    line.Param("type", "SURFACE TO SURFACE");
    if (!pair.thickness) line.Flag("no thickness");
  } else if (!pair.smallSliding && !pair.thickness) {
    line.Flag("no thickness");
  }
  line.Param("hcrit", pair.hcrit);
  line.ParamUnlessDefault("smooth", pair.smooth, C::DefaultSmooth);
  line.ParamUnlessDefault("extension zone", pair.extensionZone, C::DefaultExtensionZone);
  switch (pair.adjust) {
    case C::AdjustTolerance: line.Param("adjust", pair.adjustTolerance); break;
    case C::AdjustSet: line.Param("adjust", adjustSet_); break;
    case C::AdjustOverclosure: line.Param("adjust", "0.0"); break;
    default: break;
  }
  if (pair.tied) line.Flag("tied");
  if (!pair.cpset.empty()) line.Name("cpset", pair.cpset);
  line.End();
}

void oif_ContactPair::WriteExplicit(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Contact Pair");
  if (removed_) {
    line.Param("op", "DELETE");
  } else {
    line.Name("interaction", state_.interactionProperty.ConstGet());
    if (state_.mechanicalConstraint.IsSet())
      line.Param("mechanical constraint",
                 state_.mechanicalConstraint.ConstGet() == kinC_XplContact::Penalty ? "PENALTY" : "KINEMATIC");
    if (state_.weight.IsSet()) line.Param("weight", state_.weight.ConstGet());
    if (explicit_->smallSliding) line.Flag("small sliding");
  }
  if (!cpset_.empty()) line.Name("cpset", cpset_);
  line.End();
}

void oif_ModelChange::Write(utl_Stream& stream) const {
  if (dynamic_cast<const kinC_StdContact*>(interaction_.get()) == nullptr)
    nex_TextException("No *Model Change for this interaction.").Throw("oif_ContactKeywords", __LINE__);
  oif_KeywordLine line(stream, "*Model Change");
  line.ParamNoBreak("type", "CONTACT PAIR");
  line.Flag(remove_ || status_ == mdl_Deactivated ? "remove" : "add");
  line.End();
  SurfaceLine(stream, surfaces_, true);
}

void oif_ChangeFriction::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Change Friction").NameNoBreak("interaction", property_).End();
}

void oif_Clearance::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Clearance");
  line.Param("master", surfaces_.IsSelf() ? surfaces_.slave : surfaces_.master).Param("slave", surfaces_.slave);
  if (!cpset_.empty()) line.Name("cpset", cpset_);
  line.Param("value", value_).End();
}

bool oif_ContactInterference::IsEmpty() const {
  return !(state_.interference.State() == mdl_AttrChanged || state_.shrink.State() == mdl_AttrChanged);
}

void oif_ContactInterference::Write(utl_Stream& stream) const {
  const bool shrink = state_.shrink.IsSet() && state_.shrink.ConstGet();
  oif_KeywordLine line(stream, "*Contact Interference");
  if (state_.interferenceAmplitude.IsSet() && !state_.interferenceAmplitude.ConstGet().empty())
    line.Name("amplitude", state_.interferenceAmplitude.ConstGet());
  if (shrink) line.Flag("shrink");
  line.End();
  oif_DataLine data(stream);
  data << surfaces_.slave;
  Field(data, surfaces_.master);
  if (!shrink) data << (state_.interference.IsSet() ? state_.interference.ConstGet() : 0.0);
  data.End();
}

void oif_ContactControls::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Contact Controls");
  if (isExplicit_) {
    line.NameNoBreak("cpset", cpset_);
    if (!explicit_) {
      line.Flag("reset").End();
      return;
    }
    const kinC_XplContactControls& c = *explicit_;
    if (c.fastLocalTracking >= 0) line.Param("fastlocaltrk", c.fastLocalTracking != 0 ? "YES" : "NO");
    line.Param("globtrkinc", c.globalTrackingIncrements)
        .Param("scale penalty", c.scalePenalty)
        .Param("warp check period", c.warpCheckPeriod)
        .Param("warp cut off", c.warpCutOff)
        .End();
    return;
  }
  line.ParamNoBreak("master", surfaces_.IsSelf() ? surfaces_.slave : surfaces_.master).Param("slave", surfaces_.slave);
  if (!standard_) {
    line.Flag("reset").End();
    return;
  }
  const kinC_StdContactControls& c = *standard_;
  line.Param("absolutePenetrationTolerance", c.absolutePenetrationTolerance)
      .Param("relativePenetrationTolerance", c.relativePenetrationTolerance)
      .Param("stiffnessScaleFactor", c.stiffnessScaleFactor)
      .Param("slideDistance", c.slideDistance);
  if (c.delayedFrictionOnset) line.Param("frictionOnset", "DELAYED");
  if (c.automaticTolerances) line.Flag("automaticTolerances");
  line.Param("maxchp", c.maxchp).Param("perrmx", c.perrmx).Param("uerrmx", c.uerrmx);
  if (c.stabilize) {
    if (mdl_IsSet(c.stabilizeFactor))
      line.Param("stabilize", c.stabilizeFactor);
    else
      line.Flag("stabilize");
  }
  line.Param("tangent fraction", c.tangentFraction).End();
}

void oif_Contact::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Contact").OpNew(opNew_).End();
  if (allExterior_) {
    oif_KeywordLine(stream, "*Contact Inclusions").Flag("ALL EXTERIOR").End();
  } else if (!inclusions_.empty()) {
    oif_KeywordLine(stream, "*Contact Inclusions").End();
    PairRows(stream, inclusions_);
  }
  if (!exclusions_.empty()) {
    oif_KeywordLine(stream, "*Contact Exclusions").End();
    PairRows(stream, exclusions_);
  }
}

void oif_ContactPropertyAssignments::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Contact property assignment").End();
  for (const Row& row : rows_) {
    oif_DataLine line(stream);
    Field(line, row.first);
    Field(line, row.second);
    line << zkw_VelornName(row.property).Printable();
    line.End();
  }
}

void oif_SurfacePropertyAssignments::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Surface property assignment").ParamNoBreak("property", "THICKNESS").End();
  for (const Row& row : rows_) {
    oif_DataLine line(stream);
    Field(line, row.surface);
    if (row.kind == kinC_ThicknessAssignment::Original)
      line << "ORIG";
    else if (row.kind == kinC_ThicknessAssignment::Current)
      line << "CURR";
    else
      line << row.value;
    line.End();
  }
}

void oif_ContactFormulationAssignments::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Contact formulation");
  if (pureMasterSlave_) line.Param("type", "PURE MASTER-SLAVE");
  line.End();
  PairRows(stream, pairs_);
}
