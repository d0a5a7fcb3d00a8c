#include "oif/impl/oif_ConnectorBehavior.h"

#include <algorithm>

#include "oif/impl/oif_DataTable.h"
#include "zkw/zkw_VelornName.h"

oif_ConnectorBehavior::oif_ConnectorBehavior(const cow_String& name, const kbeC_ConnectorBehavior& behavior)
    : name_(name),
      regularize_(behavior.regularize),
      defaultTolerance_(behavior.defaultTolerance),
      rtol_(behavior.rtol),
      extrapolationLinear_(behavior.extrapolationLinear),
      integrationExplicit_(behavior.integrationExplicit) {}

void oif_ConnectorBehavior::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Connector Behavior");
  line.Name("name", name_);
  if (integrationExplicit_) line.Param("integration", "EXPLICIT");
  if (!regularize_)
    line.Param("regularize", "OFF");
  else if (!defaultTolerance_)
    line.ParamUnlessDefault("rtol", rtol_, kbeC_DefaultRtol);
  if (extrapolationLinear_) line.Param("extrapolation", "LINEAR");
  line.End();
}

bool oif_ConnectorConstitutiveReference::IsWritten(const std::array<double, 6>& values) {
  return std::any_of(values.begin(), values.end(), [](double v) { return v != kbeC_UnsetReference; });
}

void oif_ConnectorConstitutiveReference::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Connector Constitutive Reference").End();
  oif_DataLine line(stream);
  for (double value : values_) {
    if (value == kbeC_UnsetReference)
      line.Empty();
    else
      line << value;
  }
  line.End(true);
}

void oif_AddConnectorRegularization(oif_KeywordLine& line, const kbeC_Regularization& regularization) {
  if (!regularization.useBehavior) {
    if (regularization.regularize)
      line.Param("regularize", "ON").Param("rtol", regularization.rtol);
    else
      line.Param("regularize", "OFF");
  }
  if (regularization.extrapolation == kbeC_Regularization::Linear)
    line.Param("extrapolation", "LINEAR");
  else if (regularization.extrapolation == kbeC_Regularization::Constant)
    line.Param("extrapolation", "CONSTANT");
}

void oif_WriteComponentLine(utl_Stream& stream, const std::vector<int>& components) {
  oif_DataLine line(stream);
  for (int component : components) line << component;
  line.End();
}

void oif_PrintConnectorTable(utl_Stream& stream, const kmaC_TableData& data) {
  oif_DataTable table(data.table);
  table.ApplyRuleT(data.temperatureDependency, data.dependencies);
  table.Print(stream);
}

void oif_WriteConnectorPotential(utl_Stream& stream, const kbeC_Potential& potential) {
  if (potential.terms.empty()) return;
  oif_KeywordLine keyword(stream, "*Connector Potential");
  if (potential.operatorKind == kbeC_Potential::Max)
    keyword.Param("operator", "MAX");
  else
    keyword.Param("exponent", potential.exponent);  // left out when not given
  keyword.End();
  static const char* const kFunctions[] = {"ABS", "MACAULEY", "NONE"};
  for (const kbeC_PotentialTerm& term : potential.terms) {
    oif_DataLine line(stream);
    if (term.derived.empty())
      line << term.component;
    else
      line << zkw_VelornName(term.derived).Printable();
    line << term.scale << kFunctions[std::clamp(term.function, 0, 2)] << (term.sign < 0.0 ? "-1.0" : "1.0");
    line.End();
  }
}
