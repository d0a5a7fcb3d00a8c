#include "oif/impl/oif_ExplicitProcedures.h"

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_ProcedureLines.h"

namespace {

bool KnownScheme(int scheme) {
  return scheme >= kprC_ExplicitStep::SCHEME_AUTOMATIC_GLOBAL && scheme <= kprC_ExplicitStep::SCHEME_FIXED;
}

/// The incrementation parameters that end the keyword line, and the data line.
void Incrementation(oif_KeywordLine& line, utl_Stream& stream, const kprC_ExplicitStep& step) {
  using S = kprC_ExplicitStep;
  if (step.scheme == S::SCHEME_USER) {
    line.Flag("direct user control");
    line.End();
    oif_WriteValues(stream, step.timeIncrement, step.timePeriod);
    return;
  }
  if (step.scheme == S::SCHEME_ELEMENT_BY_ELEMENT) line.Flag("element by element");
  if (step.scheme == S::SCHEME_FIXED) line.Flag("fixed time incrementation");
  line.ParamUnlessDefault("scale factor", step.scaleFactor, 1.0);
  line.End();
  // The first field is empty, and the third (before the largest increment)
  // is an empty field without a blank: ", period,, increment".
  oif_DataLine data(stream);
  data.Empty() << step.timePeriod;
  // A fixed increment has no upper bound.
  if (step.scheme != S::SCHEME_FIXED && mdl_IsSet(step.maxTimeInc))
    data.NextSeparator(",").Empty().NextSeparator(", ") << step.maxTimeInc;
  data.End(true);
}

const char* RegionText(const cow_String& region) { return region.empty() ? "Whole Model" : region.c_str(); }

void Heading(utl_Stream& stream, const char* title, const cow_String& region) {
  stream << "** Mass Scaling: " << title << endl;
  stream << "**               " << RegionText(region) << endl;
}

void Elset(oif_KeywordLine& line, const cow_String& region) {
  if (!region.empty()) line.Param("elset", region);
}

void Interval(oif_KeywordLine& line, const kprC_MassScaling& definition) {
  if (definition.frequency != 0)
    line.Param("frequency", definition.frequency);
  else
    line.Param("number interval", definition.numberInterval);
}

/// The scaling type as the keyword spells it, in lower case.
cow_String TypeName(int type) {
  if (type == kprC_MassScaling::TYPE_BELOW_MIN) return "below min";
  if (type == kprC_MassScaling::TYPE_SET_EQUAL_DT) return "set equal dt";
  cow_String text = kprC_MassScaling::TypeText(type);
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

void SemiAutomatic(utl_Stream& stream, const kprC_MassScaling& definition, const cow_String& region,
                   const char* keyword, bool fixed) {
  Heading(stream, "Semi-Automatic", region);
  oif_KeywordLine line(stream, keyword);
  Elset(line, region);
  if (definition.targetTimeInc != 0.0) {
    line.Param("dt", definition.targetTimeInc);
    line.Param("type", TypeName(definition.type));
  }
  if (fixed && definition.factor != 0.0) line.Param("factor", definition.factor);
  if (definition.throughoutStep) Interval(line, definition);
  line.End();
}

}  // namespace

oif_ExplicitDynamics::oif_ExplicitDynamics(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_ExplicitDynamicsStep>(step, "oif_ExplicitDynamics", __LINE__)) {}

void oif_ExplicitDynamics::Write(utl_Stream& stream) const {
  if (!KnownScheme(step_.scheme))
    nex_TextException("Corrupted Explicit Dynamics procedure").Throw("oif_ExplicitDynamics", 86);
  oif_KeywordLine line(stream, "*Dynamic, Explicit");
  if (step_.adiabatic) line.Flag("adiabatic");
  Incrementation(line, stream, step_);
}

oif_DynamicTempDisplacement::oif_DynamicTempDisplacement(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_TempDisplacementDynamicsStep>(step, "oif_DynamicTempDisplacement", __LINE__)) {}

void oif_DynamicTempDisplacement::Write(utl_Stream& stream) const {
  if (!KnownScheme(step_.scheme))
    nex_TextException("Corrupted Dynamic, Temp-displacement procedure").Throw("oif_DynamicTempDisplacement", 90);
  oif_KeywordLine line(stream, "*Dynamic Temperature-displacement, Explicit");
  Incrementation(line, stream, step_);
}

void oif_BulkViscosity::Write(utl_Stream& stream) const {
  const auto* step = dynamic_cast<const kprC_ExplicitStep*>(step_);
  if (step == nullptr) return;
  oif_KeywordLine(stream, "*Bulk Viscosity").End();
  oif_WriteValues(stream, step->linearBulkViscosity, step->quadraticBulkViscosity);
}

void oif_VariableMassScaling::Write(utl_Stream& stream) const {
  const kprC_MassScaling& d = definition_;
  switch (d.objective) {
    case kprC_MassScaling::OBJECTIVE_DISABLE:
      stream << "** Mass Scaling: Disable Throughout Step" << endl;
      oif_KeywordLine(stream, "*Variable Mass Scaling").End();
      return;
    case kprC_MassScaling::OBJECTIVE_SEMI_AUTOMATIC:
      SemiAutomatic(stream, d, region_, "*Variable Mass Scaling", false);
      return;
    case kprC_MassScaling::OBJECTIVE_AUTOMATIC: {
      if (d.direction < kprC_MassScaling::DIRECTION_1 || d.direction > kprC_MassScaling::DIRECTION_NONE)
        nex_TextException("Corrupted Explicit Dynamics procedure").Throw("oif_VariableMassScaling", 81);
      Heading(stream, "Automatic", region_);
      oif_KeywordLine line(stream, "*Variable Mass Scaling");
      Elset(line, region_);
      line.Param("type", "rolling").Param("feed rate", d.feedRate);
      // The keyword line goes on in the next line.
      stream << "," << endl << "extruded length=";
      if (mdl_IsSet(d.extrudedLength)) stream << d.extrudedLength;
      line.Param("cross section", d.crossSection);
      if (d.direction != kprC_MassScaling::DIRECTION_NONE) line.Param("direction", int(d.direction) + 1);
      Interval(line, d);
      line.End();
      return;
    }
    default:
      return;
  }
}

void oif_FixedMassScaling::Write(utl_Stream& stream) const {
  const kprC_MassScaling& d = definition_;
  switch (d.objective) {
    case kprC_MassScaling::OBJECTIVE_REINITIALIZE: {
      Heading(stream, "Reinitialize Mass", region_);
      oif_KeywordLine line(stream, "*Fixed Mass Scaling");
      Elset(line, region_);
      line.End();
      return;
    }
    case kprC_MassScaling::OBJECTIVE_SEMI_AUTOMATIC:
      SemiAutomatic(stream, d, region_, "*Fixed Mass Scaling", true);
      return;
    default:
      return;
  }
}
