#include "oif/impl/oif_ConnectorElasticity.h"

#include <algorithm>

#include "oif/impl/oif_ConnectorBehavior.h"
#include "oif/impl/oif_DataTable.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {

bool Listed(const std::vector<int>& components, int component) {
  return std::find(components.begin(), components.end(), component) != components.end();
}

}  // namespace

void oif_InsertUnlistedTerms(oif_DataTable& table, const std::vector<int>& components) {
  int term = 0;
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= i; ++j, ++term)
      if (!Listed(components, i) || !Listed(components, j)) table.InsertEmptyColumn(term);
}

oif_ConnectorElasticity::oif_ConnectorElasticity(std::shared_ptr<const kbeC_ConnectorElasticity> option)
    : oif_ConnectorSpringKeyword(std::move(option), "*Connector Elasticity") {}

oif_ConnectorDamping::oif_ConnectorDamping(std::shared_ptr<const kbeC_ConnectorDamping> option)
    : oif_ConnectorSpringKeyword(std::move(option), "*Connector Damping") {}

void oif_ConnectorSpringKeyword::Write(utl_Stream& stream) const {
  const kbeC_ConnectorElasticity& option = *option_;
  if (option.form == kbeC_ConnectorElasticity::Rigid) {
    oif_KeywordLine(stream, keyword_).Flag("rigid").End();
    oif_WriteComponentLine(stream, option.components);
  } else if (option.form == kbeC_ConnectorElasticity::Nonlinear) {
    WriteNonlinear(stream);
  } else if (option.coupled) {
    WriteLinearCoupled(stream);
  } else {
    WriteLinearUncoupled(stream);
  }
}

// Per component: the table without the columns of the other listed
// components; without the optional column, a place-holder for it before the
// temperature (or the field variables).
void oif_ConnectorSpringKeyword::WriteLinearUncoupled(utl_Stream& stream) const {
  const kbeC_ConnectorElasticity& option = *option_;
  const kmaC_TableData& data = option.data;
  const int listed = int(option.components.size());
  for (int k = 0; k < listed; ++k) {
    oif_KeywordLine line(stream, keyword_);
    line.Param("component", option.components[std::size_t(k)]);
    if (data.dependencies > 0) line.Param("dependencies", data.dependencies);
    oif_AddConnectorRegularization(line, option.regularization);
    line.End();

    kmaC_MaterialTable own = data.table;
    for (int other = listed - 1; other >= 0; --other)
      if (other != k && other < own.Columns()) own = own.RemoveColumn(other);
    const int columns = own.Columns();
    oif_DataTable table(own);
    if (!option.optionalColumn && (data.dependencies > 0 || data.temperatureDependency))
      table.InsertEmptyColumn(data.temperatureDependency ? columns - data.dependencies - 1
                                                         : columns - data.dependencies);
    table.ApplyRuleT(columns, data.temperatureDependency, data.dependencies);
    table.Print(stream);
  }
}

void oif_ConnectorSpringKeyword::WriteLinearCoupled(utl_Stream& stream) const {
  const kbeC_ConnectorElasticity& option = *option_;
  const kmaC_TableData& data = option.data;
  oif_KeywordLine line(stream, keyword_);
  if (data.dependencies > 0) line.Param("dependencies", data.dependencies);
  oif_AddConnectorRegularization(line, option.regularization);
  line.End();

  oif_DataTable table(data.table);
  table.ApplyRuleT(data.temperatureDependency, data.dependencies);
  oif_InsertUnlistedTerms(table, option.components);
  table.Print(stream);
  // Without further columns the terms after the last listed component are
  // not written: empty lines keep the three lines of the 21 terms.
  if (data.table.Rows() == 0 || data.dependencies > 0 || data.temperatureDependency) return;
  const int highest = option.components.empty() ? 0 : *std::max_element(option.components.begin(),
                                                                          option.components.end());
  if (highest < 6) oif_DataLine(stream).End();
  if (highest < 4) oif_DataLine(stream).End();
}

void oif_ConnectorSpringKeyword::WriteNonlinear(utl_Stream& stream) const {
  const kbeC_ConnectorElasticity& option = *option_;
  const kmaC_TableData& data = option.data;
  for (int component : option.components) {
    oif_KeywordLine line(stream, keyword_);
    line.Flag("nonlinear").Param("component", component);
    if (data.dependencies > 0) line.Param("dependencies", data.dependencies);
    if (option.coupled)
      line.Param("independent components",
                 option.independentKind == kbeC_Position ? "POSITION" : "CONSTITUTIVE MOTION");
    oif_AddConnectorRegularization(line, option.regularization);
    line.End();
    if (option.coupled) oif_WriteComponentLine(stream, option.independentComponents);
    oif_PrintConnectorTable(stream, data);
  }
}
