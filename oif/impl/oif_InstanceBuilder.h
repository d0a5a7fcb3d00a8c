#pragma once
#include "modeldb/kbeC_ConnectorBehavior.h"
#include "zkw/zkw_BuilderComponent.h"

/// Builds the instance blocks: instance lines with their placement, nodes and elements.
class oif_InstanceBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_InstanceBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;

 private:
  /// Connector wires of the assembly with their connector sections and
  /// behaviours.
  void BuildConnectors();
  void BuildBehavior(const cow_String& name, const kbeC_ConnectorBehavior& behavior);
};
