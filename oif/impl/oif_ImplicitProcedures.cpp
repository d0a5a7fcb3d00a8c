#include "oif/impl/oif_ImplicitProcedures.h"

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_SetName.h"

#include "oif/impl/oif_ProcedureLines.h"

namespace {

/// A value, or nothing when it is not given.
void Value(utl_Stream& stream, double value) {
  if (mdl_IsSet(value)) stream << value;
}

void Stabilization(oif_KeywordLine& line, const kprC_Stabilization& stabilization) {
  if (stabilization.stabilizationMethod == kprC_Stabilization::STABILIZATION_ENERGY_FRACTION)
    line.Param("stabilize", stabilization.stabilizationValue);
  if (stabilization.stabilizationMethod == kprC_Stabilization::STABILIZATION_DAMPING_FACTOR)
    line.Param("stabilize, factor", stabilization.stabilizationValue);
}

/// "*Static" parameters shared with Riks: adiabatic, direct and fully plastic.
void StaticParameters(oif_KeywordLine& line, bool adiabatic, const kprC_TimeIncrements& time, bool noStop,
                      const cow_String& fullyPlastic) {
  if (adiabatic) line.Flag("adiabatic");
  if (!time.IsAutomatic()) {
    if (noStop)
      line.Param("direct", "NO STOP");
    else
      line.Flag("direct");
  }
  if (!fullyPlastic.empty()) line.Param("fully plastic", PrintableQualified(fullyPlastic));
}

/// Initial increment, period and, for automatic incrementation, minimum and
/// maximum; fixed incrementation leaves a trailing ", ".
void IncrementLine(utl_Stream& stream, const kprC_TimeIncrements& time, const char* separator = ", ") {
  oif_DataLine data(stream, separator);
  data << time.initialInc << time.timePeriod;
  if (time.IsAutomatic())
    data << time.minInc << time.maxInc;
  else
    data.Empty();
  data.End(true);
}

/// The data line of the transient family: initial increment, period, a tail
/// by incrementation, then the steady-state end value when given.
/// `repeatInitial`: fixed incrementation repeats the initial increment as
/// minimum and maximum (steady-state heat transfer).
void TransientLine(utl_Stream& stream, const kprC_TimeIncrements& time, double endValue, bool repeatInitial) {
  oif_DataLine data(stream);
  data << time.initialInc << time.timePeriod;
  if (time.IsAutomatic()) {
    data << time.minInc << time.maxInc;
  } else if (repeatInitial) {
    data << time.initialInc << time.initialInc;
  } else {
    // Two empty fields, the end value after a "," without a blank.
    data.Empty().Empty().NextSeparator(",");
  }
  data << endValue;
  data.End(true);
}

/// Steady state, or the end criterion of a transient step.
void Response(oif_KeywordLine& line, bool steadyState, double endValue) {
  if (steadyState)
    line.Flag("steady state");
  else
    line.Param("end", mdl_IsSet(endValue) ? "SS" : "PERIOD");
}

}  // namespace

oif_Static::oif_Static(const kprC_Step& step) : step_(nex_canDynamicCastRef<kprC_StaticStep>(step, "oif_Static", __LINE__)) {}

void oif_Static::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Static");
  StaticParameters(line, step_.adiabatic, step_, step_.noStop, step_.fullyPlastic);
  Stabilization(line, step_);
  line.End();
  IncrementLine(stream, step_);
}

oif_StaticRiks::oif_StaticRiks(const kprC_Step& step, const cow_String& nodeSet)
    : step_(nex_canDynamicCastRef<kprC_StaticRiksStep>(step, "oif_StaticRiks", __LINE__)), nodeSet_(nodeSet) {}

void oif_StaticRiks::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Static");
  StaticParameters(line, step_.adiabatic, step_, step_.noStop, step_.fullyPlastic);
  if (step_.longTerm) line.Flag("long term");
  line.Flag("riks");
  line.End();

  oif_DataLine data(stream);
  data << step_.initialInc << step_.timePeriod;
  if (step_.IsAutomatic())
    data << step_.minInc << (step_.maxInc != kprC_StaticRiksStep::NoMaxArcInc ? step_.maxInc : mdl_UnsetDouble);
  else
    data.Empty().Empty();
  data << step_.maxLPF;
  if (nodeSet_.empty()) {
    data.EndWithSeparator();  // the load factor ends with its separator
    return;
  }
  data << nodeSet_ << step_.dof << step_.nodeValue;
  data.End(true);
}

oif_HeatTransfer::oif_HeatTransfer(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_HeatTransferStep>(step, "oif_HeatTransfer", __LINE__)) {}

void oif_HeatTransfer::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Heat Transfer");
  Response(line, step_.steadyState, step_.endValue);
  if (step_.IsAutomatic()) line.Param("deltmx", step_.deltmx);
  line.ParamUnlessDefault("mxdem", step_.mxdem, 0.1);
  line.End();
  TransientLine(stream, step_, step_.endValue, step_.steadyState);
}

oif_CoupledThermalElectric::oif_CoupledThermalElectric(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_CoupledThermalElectricStep>(step, "oif_CoupledThermalElectric", __LINE__)) {}

void oif_CoupledThermalElectric::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Coupled Thermal-Electrical");
  Response(line, step_.steadyState, step_.endValue);
  if (step_.IsAutomatic()) {
    line.Param("deltmx", step_.deltmx);
    line.ParamUnlessDefault("mxdem", step_.mxdem, 0.1);
  }
  line.End();
  TransientLine(stream, step_, step_.endValue, false);
}

oif_MassDiffusion::oif_MassDiffusion(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_MassDiffusionStep>(step, "oif_MassDiffusion", __LINE__)) {}

void oif_MassDiffusion::Write(utl_Stream& stream) const {
  // A mass diffusion step gives its end value as 0 when there is none.
  const double endValue = step_.endValue != 0.0 ? step_.endValue : mdl_UnsetDouble;
  oif_KeywordLine line(stream, "*Mass Diffusion");
  if (step_.steadyState) {
    line.Flag("steady state");
  } else {
    line.Param("end", mdl_IsSet(endValue) ? "SS" : "PERIOD");
    if (step_.IsAutomatic()) line.Param("dcmax", step_.dcmax);
  }
  line.End();
  TransientLine(stream, step_, endValue, false);
}

oif_Soils::oif_Soils(const kprC_Step& step) : step_(nex_canDynamicCastRef<kprC_SoilsStep>(step, "oif_Soils", __LINE__)) {}

void oif_Soils::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Soils");
  if (step_.consolidation) {
    line.Flag("consolidation");
    line.Param("end", mdl_IsSet(step_.endValue) ? "SS" : "PERIOD");
  }
  if (step_.IsAutomatic()) {
    if (step_.utol > 0.0)
      line.Param("utol", step_.utol);
    else
      line.Param("utol", "1.0");
  }
  if (step_.creep && step_.creepTolerance > 0.0) line.Param("cetol", step_.creepTolerance);
  if (!step_.creep) line.Param("creep", "none");
  Stabilization(line, step_);
  line.End();
  TransientLine(stream, step_, step_.endValue, false);
}

oif_CoupledTempDisplacement::oif_CoupledTempDisplacement(const kprC_Step& step, bool writesParts)
    : step_(nex_canDynamicCastRef<kprC_CoupledTempDisplacementStep>(step, "oif_CoupledTempDisplacement", __LINE__)),
      writesParts_(writesParts) {}

void oif_CoupledTempDisplacement::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Coupled Temperature-Displacement");
  if (step_.creep == kprC_Creep::CREEP_NONE) {
    if (writesParts_)
      line.Param("creep", "none");
    else
      line.Flag("no creep");
  } else if (step_.creep == kprC_Creep::CREEP_EXPLICIT) {
    if (writesParts_)
      line.Param("creep", "explicit");
    else
      line.Flag("explicit");
  }
  if (step_.steadyState) {
    line.Flag("steady state");
  } else if (step_.IsAutomatic()) {
    if (step_.deltmx > 0.0) line.Param("deltmx", step_.deltmx);
    if (step_.creep != kprC_Creep::CREEP_NONE && step_.creepTolerance > 0.0)
      line.Param("cetol", step_.creepTolerance);
  }
  Stabilization(line, step_);
  line.End();
  IncrementLine(stream, step_);
}

oif_Visco::oif_Visco(const kprC_Step& step, bool writesParts)
    : step_(nex_canDynamicCastRef<kprC_ViscoStep>(step, "oif_Visco", __LINE__)), writesParts_(writesParts) {}

void oif_Visco::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Visco");
  // The creep tolerance follows the keyword without a place to continue the line.
  if (step_.IsAutomatic()) {
    if (mdl_IsSet(step_.creepTolerance))
      line.ParamNoBreak("cetol", step_.creepTolerance);
    else
      line.FlagNoBreak("cetol=");
  }
  if (step_.creep == kprC_Creep::CREEP_EXPLICIT) {
    if (writesParts_)
      line.Param("creep", "explicit");
    else
      line.Flag("explicit");
  }
  Stabilization(line, step_);
  line.End();
  IncrementLine(stream, step_);
}

oif_ImplicitDynamics::oif_ImplicitDynamics(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_ImplicitDynamicsStep>(step, "oif_ImplicitDynamics", __LINE__)) {}

void oif_ImplicitDynamics::Write(utl_Stream& stream) const {
  // This keyword separates its parameters by "," alone.
  oif_KeywordLine line(stream, "*Dynamic");
  line.Literal(",alpha=");
  Value(line.Stream(), step_.alpha);
  if (step_.adiabatic) line.Literal(",adiabatic");
  if (step_.IsAutomatic()) {
    if (mdl_IsSet(step_.haftol)) line.Literal(",haftol=").Literal(step_.haftol);
  } else {
    line.Literal(step_.noStop ? ",direct=NO STOP" : ",direct");
    if (!step_.halfIncResidual) line.Literal(",").Break().Literal("nohaf");
  }
  if (!step_.initialAcceleration) line.Literal(",").Break().Literal("initial=NO");
  line.End();
  IncrementLine(stream, step_, ",");
}

oif_StaticLinearPerturbation::oif_StaticLinearPerturbation(const kprC_Step& step) {
  nex_canDynamicCastRef<kprC_StaticLinearPerturbationStep>(step, "oif_StaticLinearPerturbation", __LINE__);
}

void oif_StaticLinearPerturbation::Write(utl_Stream& stream) const { oif_KeywordLine(stream, "*Static").End(); }

oif_Geostatic::oif_Geostatic(const kprC_Step& step) {
  nex_canDynamicCastRef<kprC_GeostaticStep>(step, "oif_Geostatic", __LINE__);
}

void oif_Geostatic::Write(utl_Stream& stream) const { oif_KeywordLine(stream, "*Geostatic").End(); }

oif_Anneal::oif_Anneal(const kprC_Step& step) : step_(nex_canDynamicCastRef<kprC_AnnealStep>(step, "oif_Anneal", __LINE__)) {}

void oif_Anneal::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Anneal").Param("temperature", step_.temperature).End();
}

void oif_SolutionTechnique::Write(utl_Stream& stream) const {
  const auto* coupledTD = dynamic_cast<const kprC_CoupledTempDisplacementStep*>(step_);
  const auto* coupledTE = dynamic_cast<const kprC_CoupledThermalElectricStep*>(step_);
  const kprC_AnalysisStep* coupled = coupledTD != nullptr ? static_cast<const kprC_AnalysisStep*>(coupledTD)
                                                          : static_cast<const kprC_AnalysisStep*>(coupledTE);
  if (coupled != nullptr && coupled->solutionTechnique == kprC_Step::TECHNIQUE_SEPARATED)
    oif_KeywordLine(stream, "*Solution Technique").ParamNoBreak("type", "SEPARATED").End();
}
