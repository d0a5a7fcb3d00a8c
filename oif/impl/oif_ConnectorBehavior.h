#pragma once
// "*Connector Behavior" and "*Connector Constitutive Reference", and the
// pieces every connector option keyword shares: the option's own
// regularization parameters, the component lines, the option tables and
// "*Connector Potential".
#include <memory>
#include <vector>

#include "modeldb/kbeC_ConnectorBehavior.h"
#include "oif/impl/oif_KeywordLine.h"
#include "zkw/zkw_Keyword.h"

/// "*Connector Behavior, name=": the behaviour-wide settings.
class oif_ConnectorBehavior : public zkw_Keyword {
 public:
  oif_ConnectorBehavior(const cow_String& name, const kbeC_ConnectorBehavior& behavior);
  zkw_Keyword* Clone() const override { return new oif_ConnectorBehavior(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  bool regularize_;
  bool defaultTolerance_;
  double rtol_;
  bool extrapolationLinear_;
  bool integrationExplicit_;
};

/// "*Connector Constitutive Reference" and one line of the six reference
/// values, each field empty when its value is not given.
class oif_ConnectorConstitutiveReference : public zkw_Keyword {
 public:
  explicit oif_ConnectorConstitutiveReference(const std::array<double, 6>& values) : values_(values) {}
  zkw_Keyword* Clone() const override { return new oif_ConnectorConstitutiveReference(*this); }
  void Write(utl_Stream& stream) const override;
  /// Whether a behaviour writes the keyword: when at least one value is given.
  static bool IsWritten(const std::array<double, 6>& values);

 private:
  std::array<double, 6> values_;
};

/// The option's own regularization: ", regularize=ON, rtol=..." or
/// ", regularize=OFF" when it does not follow the behaviour's settings, and
/// ", extrapolation=LINEAR" or "CONSTANT" when it sets one.
void oif_AddConnectorRegularization(oif_KeywordLine& line, const kbeC_Regularization& regularization);
/// One data line of component numbers separated by ", " (an empty line for none).
void oif_WriteComponentLine(utl_Stream& stream, const std::vector<int>& components);
/// A table with rule T.
void oif_PrintConnectorTable(utl_Stream& stream, const kmaC_TableData& data);
/// "*Connector Potential" with its term lines; nothing when it has no terms.
void oif_WriteConnectorPotential(utl_Stream& stream, const kbeC_Potential& potential);
