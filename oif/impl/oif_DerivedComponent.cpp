#include "oif/impl/oif_DerivedComponent.h"

#include "oif/impl/oif_ConnectorBehavior.h"
#include "oif/impl/oif_KeywordLine.h"

void oif_DerivedComponent::Write(utl_Stream& stream) const {
  const kbeC_DerivedComponent& component = *component_;
  oif_KeywordLine line(stream, "*Connector Derived Component");
  line.Name("name", component.name);
  if (component.negative) line.Param("sign", "NEGATIVE");
  if (component.operatorKind == kbeC_DerivedComponent::Sum) line.Param("operator", "SUM");
  if (component.operatorKind == kbeC_DerivedComponent::MacauleySum) line.Param("operator", "MACAULEY SUM");
  if (component.data.dependencies > 0) line.Param("dependencies", component.data.dependencies);
  if (component.independentKind == kbeC_Position) line.Flag("independent components");
  if (component.independentKind == kbeC_ConstitutiveMotion)
    line.Param("independent components", "CONSTITUTIVE MOTION");
  oif_AddConnectorRegularization(line, component.regularization);
  line.End();
  oif_WriteComponentLine(stream, component.components);
  if (component.independentKind != kbeC_NoIndependent)
    oif_WriteComponentLine(stream, component.independentComponents);
  oif_PrintConnectorTable(stream, component.data);
}
