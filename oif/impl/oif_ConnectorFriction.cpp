#include "oif/impl/oif_ConnectorFriction.h"

#include <algorithm>
#include <cctype>

#include "oif/impl/oif_ConnectorBehavior.h"
#include "oif/impl/oif_DataTable.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {

bool IsComponentNumber(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

const char* IndependentText(int kind) {
  return kind == kbeC_Position ? "POSITION" : "CONSTITUTIVE MOTION";
}

}  // namespace

void oif_ConnectorFriction::Write(utl_Stream& stream) const {
  const kbeC_ConnectorFriction& option = *option_;
  oif_KeywordLine line(stream, "*Connector Friction");
  if (option.predefined) {
    line.Flag("predefined");
  } else {
    if (option.component > 0) line.Param("component", option.component);
    if (IsComponentNumber(option.contactForce))
      line.Param("contact force", option.contactForce);
    else if (!option.contactForce.empty())
      line.Name("contact force", option.contactForce);
  }
  if (option.data.dependencies > 0) line.Param("dependencies", option.data.dependencies);
  if (option.independentKind != kbeC_NoIndependent)
    line.Param("independent components", IndependentText(option.independentKind));
  line.Param("stick stiffness", option.stickStiffness);  // left out when not given
  oif_AddConnectorRegularization(line, option.regularization);
  line.End();

  if (!option.predefined && option.independentKind != kbeC_NoIndependent)
    oif_WriteComponentLine(stream, option.independentComponents);
  oif_PrintConnectorTable(stream, option.data);
  WriteFrictionLaw(stream);
  oif_WriteConnectorPotential(stream, option.potential);
}

void oif_ConnectorFriction::WriteFrictionLaw(utl_Stream& stream) const {
  const kbeC_ConnectorFriction& option = *option_;
  const bool decay = option.law == kbeC_ConnectorFriction::ExponentialDecay;
  oif_KeywordLine line(stream, "*Friction");
  if (!explicitStep_ && option.slipKind == kbeC_ConnectorFriction::ElasticSlip)
    line.Param("elastic slip", option.slip);
  if (!explicitStep_ && option.slipKind == kbeC_ConnectorFriction::SlipTolerance)
    line.ParamUnlessDefault("slip tolerance", option.slip, 0.0001);
  if (!decay && option.coefficients.dependencies > 0) line.Param("dependencies", option.coefficients.dependencies);
  if (decay) line.Flag("exponential decay");
  if (!decay) line.Param("taumax", option.taumax);  // left out when not given
  if (decay && option.testData) line.Flag("test data");
  line.End();

  if (decay) {
    for (const std::vector<double>& values : option.decay) {
      oif_DataLine data(stream);
      for (double value : values) data << value;
      data.End();
    }
    return;
  }
  // The coefficient stands for the first of four columns (two directions,
  // slip rate, contact pressure) of which connectors use only the first.
  oif_DataTable table(option.coefficients.table);
  table.ApplyRuleT(option.coefficients.temperatureDependency, option.coefficients.dependencies);
  for (int index : {1, 2, 3}) table.InsertEmptyColumn(index);
  table.Print(stream);
}
