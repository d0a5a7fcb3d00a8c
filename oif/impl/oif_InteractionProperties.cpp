#include "oif/impl/oif_InteractionProperties.h"

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_DataTable.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {

/// A table with its temperature place-holder (rule T) when it depends on
/// field variables only.
void PrintTable(utl_Stream& stream, const kmaC_TableData& data) {
  oif_DataTable table(data.table);
  table.ApplyRuleT(data.temperatureDependency, data.dependencies);
  table.Print(stream);
}

void ThrowFrictionPrint(int line) { nex_TextException("Unimplemented *Friction print").Throw("oif_InteractionProperties", line); }

}  // namespace

void oif_SurfaceInteraction::Write(utl_Stream& stream) const {
  const kinC_ContactProperty& property = *property_;
  oif_KeywordLine(stream, "*Surface Interaction")
      .NameNoBreak("name", property.name())
      .Param("pad thickness", property.padThickness)  // the largest double: none
      .End();
  if (property.thicknessLine)
    (oif_DataLine(stream, ",") << (mdl_IsSet(property.thickness) ? property.thickness : 1.0)).Empty().End(true);
}

void oif_Friction::Write(utl_Stream& stream) const {
  using F = kinC_Friction;
  const F& friction = *friction_;
  const bool coefficients = friction.form == F::Penalty || friction.form == F::Lagrange;
  const bool tabled = coefficients || friction.form == F::ExponentialDecay;
  if (friction.form < F::Frictionless || friction.form > F::ExponentialDecay) ThrowFrictionPrint(__LINE__);
  if (tabled && friction.data.table.Rows() == 0) ThrowFrictionPrint(__LINE__);
  if (friction.form == F::User && changeForm_) ThrowFrictionPrint(__LINE__);

  oif_KeywordLine line(stream, "*Friction");
  if (coefficients) line.Param("elastic slip", friction.elasticSlip);
  if (friction.form == F::Lagrange && !changeForm_) line.Flag("lagrange");
  if (friction.form == F::Rough) line.Flag("rough");
  if (coefficients) line.Param("slip tolerance", friction.slipTolerance);
  if (friction.form == F::User) line.Flag("user");
  if (coefficients && friction.anisotropic) line.Flag("anisotropic");
  if (coefficients && friction.data.dependencies > 0) line.Param("dependencies", friction.data.dependencies);
  if (friction.form == F::User && friction.depvar > 0) line.Param("depvar", friction.depvar);
  if (friction.form == F::ExponentialDecay) line.Flag("exponential decay");
  if (friction.form == F::User) line.Param("properties", int(friction.properties.size()));
  if (coefficients) line.Param("shear traction slope", friction.shearTractionSlope).Param("taumax", friction.taumax);
  if (friction.form == F::ExponentialDecay && friction.testData) line.Flag("test data");
  line.End();

  switch (friction.form) {
    case F::Frictionless:
      oif_DataTable(kmaC_MaterialTable(1, 1, {0.0})).Print(stream);
      return;
    case F::Rough:
      return;
    case F::User:
      if (!friction.properties.empty()) {
        oif_DataLine data(stream);
        data.PerLine(8);
        for (double value : friction.properties) data << value;
        data.End();
      }
      return;
    default:
      PrintTable(stream, friction.data);
  }
}

void oif_SurfaceBehavior::Write(utl_Stream& stream) const {
  using B = kinC_SurfaceBehavior;
  static const char* const kOverclosure[] = {"HARD", "EXPONENTIAL", "LINEAR", "TABULAR", "SCALE FACTOR"};
  const B& behavior = *behavior_;
  if (behavior.overclosure < B::Hard || behavior.overclosure > B::ScaleFactor)
    NEX_THROW_TEXT("Unimplemented pressure-overclosure " + std::to_string(behavior.overclosure));
  oif_KeywordLine line(stream, "*Surface Behavior");
  if (behavior.noSeparation) line.Flag("no separation");
  if (behavior.enforcement == B::AugmentedLagrange) line.Flag("augmented Lagrange");
  if (behavior.enforcement == B::PenaltyMethod) line.Flag("penalty");
  line.Param("pressure-overclosure", kOverclosure[behavior.overclosure]).End();
  if (behavior.overclosure != B::Hard) PrintTable(stream, behavior.data);
}

void oif_ContactDamping::Write(utl_Stream& stream) const {
  const kinC_ContactDamping& damping = *damping_;
  oif_KeywordLine(stream, "*Contact Damping")
      .ParamNoBreak("definition", damping.definition == kinC_ContactDamping::DampingCoefficient ? "DAMPING COEFFICIENT"
                                                                                              : "CRITICAL DAMPING")
      .Param("tangent fraction", damping.tangentFraction)
      .End();
  PrintTable(stream, damping.data);
}

void oif_GapConductance::Write(utl_Stream& stream) const {
  const kinC_GapConductance& conductance = *conductance_;
  oif_KeywordLine line(stream, "*Gap Conductance");
  switch (conductance.form) {
    case kinC_GapConductance::Pressure: line.Flag("pressure"); break;
    case kinC_GapConductance::User: line.Flag("user"); break;
    default:
      if (conductance.data.dependencies > 0) line.Param("dependencies", conductance.data.dependencies);
  }
  line.End();
  PrintTable(stream, conductance.data);
}

void oif_GapHeatGeneration::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Gap Heat Generation").End();
  (oif_DataLine(stream) << generation_->fraction << generation_->weighting).End();
}

void oif_GapRadiation::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Gap Radiation").End();
  (oif_DataLine(stream) << radiation_->masterEmissivity << radiation_->slaveEmissivity).End();
  PrintTable(stream, radiation_->data);
}

void oif_FilmProperty::Write(utl_Stream& stream) const {
  const kinC_FilmConditionProp& property = *property_;
  oif_KeywordLine line(stream, "*Film Property");
  line.NameNoBreak("name", property.name());
  if (property.data.dependencies > 0) line.Param("dependencies", property.data.dependencies);
  line.End();
  PrintTable(stream, property.data);
}

void oif_AcousticImpedanceProp::Write(utl_Stream& stream) const {
  const kinC_AcousticImpedanceProp& property = *property_;
  oif_KeywordLine line(stream, "*Impedance Property");
  line.NameNoBreak("name", property.name());
  if (property.impedance) line.Param("data", "IMPEDANCE");
  line.End();
  PrintTable(stream, property.data);
}
