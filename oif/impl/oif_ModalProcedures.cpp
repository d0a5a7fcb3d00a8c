#include "oif/impl/oif_ModalProcedures.h"

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_ProcedureLines.h"
#include "zkw/zkw_VelornName.h"

namespace {

/// One data line per frequency range: lower, upper, points, the bias when
/// there are more than three points and, when `scale` is given, the
/// frequency scale field ("1" for a linear scale).
void FrequencyRanges(utl_Stream& stream, const kprC_FrequencySweep& sweep, bool scale) {
  for (const kprC_FrequencyRange& range : sweep.frequencyRanges) {
    oif_DataLine data(stream);
    data << range.lower << range.upper << range.points;
    if (range.points > 3)
      data << range.bias;
    else
      data.Empty();
    if (scale) {
      if (sweep.frequencyScale == kprC_FrequencySweep::SCALE_LINEAR)
        data << 1;
      else
        data.Empty();
    }
    data.End(true);
  }
}

/// The interval of the mode-based steady-state forms.
void Interval(oif_KeywordLine& line, int interval) {
  if (interval == kprC_FrequencySweep::INTERVAL_RANGE)
    line.Param("interval", "RANGE");
  else if (interval != kprC_FrequencySweep::INTERVAL_SOLVER_DEFAULT)
    line.Param("interval", "EIGENFREQUENCY");
}

// The parameters and the data line of each modal damping definition.
void DampingParameters(oif_KeywordLine& line, const kprC_CompositeDamping&) { line.Param("modal", "COMPOSITE"); }
void DampingParameters(oif_KeywordLine&, const kprC_DirectDamping&) {}
void DampingParameters(oif_KeywordLine& line, const kprC_RayleighDamping&) { line.Flag("rayleigh"); }
void DampingParameters(oif_KeywordLine& line, const kprC_StructuralDamping&) { line.Flag("structural"); }
void DampingParameters(oif_KeywordLine& line, const kprC_DirectDampingByFrequency&) {
  line.Param("definition", "FREQUENCY RANGE");
}
void DampingParameters(oif_KeywordLine& line, const kprC_RayleighDampingByFrequency&) {
  line.Flag("rayleigh").Param("definition", "FREQUENCY RANGE");
}
void DampingParameters(oif_KeywordLine& line, const kprC_StructuralDampingByFrequency&) {
  line.Flag("structural").Param("definition", "FREQUENCY RANGE");
}

void DampingRow(utl_Stream& s, const kprC_CompositeDamping::Row& r) { oif_WriteValues(s, r.firstMode, r.lastMode); }
void DampingRow(utl_Stream& s, const kprC_DirectDamping::Row& r) { oif_WriteValues(s, r.firstMode, r.lastMode, r.fraction); }
void DampingRow(utl_Stream& s, const kprC_RayleighDamping::Row& r) {
  oif_WriteValues(s, r.firstMode, r.lastMode, r.alpha, r.beta);
}
void DampingRow(utl_Stream& s, const kprC_StructuralDamping::Row& r) {
  oif_WriteValues(s, r.firstMode, r.lastMode, r.value);
}
void DampingRow(utl_Stream& s, const kprC_DirectDampingByFrequency::Row& r) { oif_WriteValues(s, r.frequency, r.value); }
void DampingRow(utl_Stream& s, const kprC_RayleighDampingByFrequency::Row& r) {
  oif_WriteValues(s, r.frequency, r.alpha, r.beta);
}
void DampingRow(utl_Stream& s, const kprC_StructuralDampingByFrequency::Row& r) {
  oif_WriteValues(s, r.frequency, r.value);
}

}  // namespace

oif_ModalDynamics::oif_ModalDynamics(const kprC_Step& step, std::type_index previousKind)
    : step_(nex_canDynamicCastRef<kprC_ModalDynamicsStep>(step, "oif_ModalDynamics", __LINE__)),
      previousKind_(previousKind) {}

void oif_ModalDynamics::Write(utl_Stream& stream) const {
  const bool continues = step_.continueAnalysis && previousKind_ == mdl_TypeId<kprC_ModalDynamicsStep>();
  oif_KeywordLine(stream, "*Modal dynamic").Param("continue", continues ? "YES" : "NO").End();
  oif_WriteValues(stream, step_.timeIncrement, step_.timePeriod);
}

oif_SubspaceDynamics::oif_SubspaceDynamics(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_SubspaceDynamicsStep>(step, "oif_SubspaceDynamics", __LINE__)) {}

void oif_SubspaceDynamics::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Dynamic");
  line.Flag("subspace");
  if (step_.vectors > 0) line.Param("vectors", step_.vectors);
  line.End();
  oif_WriteValues(stream, step_.timeIncrement, step_.timePeriod, mdl_UnsetDouble);
}

void oif_SelectEigenmodes::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Select Eigenmodes").FlagNoBreak("generate").End();
  (oif_DataLine(stream) << 1 << count_ << 1).End();
}

oif_RandomResponse::oif_RandomResponse(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_RandomResponseStep>(step, "oif_RandomResponse", __LINE__)) {}

void oif_RandomResponse::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Random Response").End();
  FrequencyRanges(stream, step_, true);
}

oif_SteadyStateModal::oif_SteadyStateModal(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_SteadyStateModalStep>(step, "oif_SteadyStateModal", __LINE__)) {}

void oif_SteadyStateModal::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Steady State Dynamics");
  Interval(line, step_.interval);
  line.End();
  FrequencyRanges(stream, step_, true);
}

oif_SteadyStateDirect::oif_SteadyStateDirect(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_SteadyStateDirectStep>(step, "oif_SteadyStateDirect", __LINE__)) {}

void oif_SteadyStateDirect::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Steady State Dynamics");
  if (step_.realOnly)
    line.Param("direct", "REAL ONLY");
  else
    line.Flag("direct");
  if (step_.interval != kprC_FrequencySweep::INTERVAL_RANGE) line.Param("interval", "EIGENFREQUENCY");
  line.End();
  FrequencyRanges(stream, step_, true);
}

oif_SteadyStateSubspace::oif_SteadyStateSubspace(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_SteadyStateSubspaceStep>(step, "oif_SteadyStateSubspace", __LINE__)) {}

void oif_SteadyStateSubspace::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Steady State Dynamics");
  line.Flag("subspace projection");
  switch (step_.projection) {
    case kprC_SteadyStateSubspaceStep::PROJECTION_CONSTANT:
      stream << "=CONSTANT";
      break;
    case kprC_SteadyStateSubspaceStep::PROJECTION_EIGENFREQUENCY:
      stream << "=EIGENFREQUENCY";
      break;
    case kprC_SteadyStateSubspaceStep::PROJECTION_PROPERTY_CHANGE:
      stream << "=PROPERTY CHANGE";
      line.Param("damping change", step_.dampingChange).Param("stiffness change", step_.stiffnessChange);
      break;
    default:
      break;
  }
  if (step_.realOnly) line.Flag("real only");
  if (step_.frequencyScale == kprC_FrequencySweep::SCALE_LINEAR) line.Param("frequency scale", "LINEAR");
  Interval(line, step_.interval);
  line.End();
  FrequencyRanges(stream, step_, false);
}

oif_ResponseSpectrum::oif_ResponseSpectrum(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_ResponseSpectrumStep>(step, "oif_ResponseSpectrum", __LINE__)) {}

void oif_ResponseSpectrum::Write(utl_Stream& stream) const {
  static const char* const kSummations[] = {"ABS", "CQC", "NRL", "SRSS", "TENP"};
  const int summation = step_.summation;
  if (summation < 0 || summation > 4)
    nex_TextException("Unknown response spectrum summation type").Throw("oif_ResponseSpectrum", 66);
  oif_KeywordLine line(stream, "*Response spectrum");
  if (step_.combination == kprC_ResponseSpectrumStep::COMBINATION_ALGEBRAIC) line.Param("comp", "ALGEBRAIC");
  if (step_.combination == kprC_ResponseSpectrumStep::COMBINATION_SRSS) line.Param("comp", "SRSS");
  line.Param("sum", kSummations[summation]);
  line.End();
  for (const kprC_SpectrumComponent& component : step_.components) {
    stream << zkw_VelornName(component.spectrum) << ",";
    oif_WriteValues(stream, component.x, component.y, component.z, component.scale);
  }
}

void oif_ModalDamping::Write(utl_Stream& stream) const {
  std::visit(
      [&](const auto& definition) {
        oif_KeywordLine line(stream, "*Modal Damping");
        DampingParameters(line, definition);
        line.End();
        for (const auto& row : definition.rows) DampingRow(stream, row);
      },
      definition_);
}
