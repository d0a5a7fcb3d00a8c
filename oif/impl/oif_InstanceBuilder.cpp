#include "oif/impl/oif_InstanceBuilder.h"

#include "oif/impl/oif_Element.h"
#include "oif/impl/oif_Instance.h"
#include "oif/impl/oif_Model.h"
#include "oif/impl/oif_Node.h"
#include "zkw/zkw_ModelInfo.h"

oif_InstanceBuilder::oif_InstanceBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_InstanceBuilder::Clone() const { return new oif_InstanceBuilder(*this); }

void oif_InstanceBuilder::Build() {
  const oif_Model& writerModel = oif_ModelOf(*model);
  auto partInstances = [&](auto&& visit) {
    for (const auto& [name, instance] : writerModel.Instances()) {
      if (!instance->isPartInstance()) continue;
      visit(name, nex_canDynamicCastRef<ddb_PartInstance>(*instance, "oif/impl/oif_InstanceBuilder", __LINE__));
    }
  };
  if (info->WritesParts())
    partInstances([&](const cow_String& name, const ddb_PartInstance& instance) {
      AddInstanceDefinition(name, oif_Instance(instance));
    });
  partInstances([&](const cow_String& name, const ddb_PartInstance& instance) {
    AddInstanceDefinition(name, oif_Node(instance, *info));
    AddInstanceDefinition(name, oif_ElementFromMesh(instance, *info));
  });
  // The assembly's own nodes (reference points) head the assembly block, so
  // that its sets and the connector wires can name them.
  const ddb_Assembly& assembly = writerModel.DdbModel().rootAssembly();
  if (assembly.hasMesh()) AddAssemblyDefinition(oif_Node(assembly.mesh()));
  BuildConnectors();
}

void oif_InstanceBuilder::BuildConnectors() {}
