#include "oif/impl/oif_InstanceBuilder.h"

#include <algorithm>
#include <set>

#include "modeldb/kseC_ConnectorSection.h"
#include "oif/impl/oif_ConnectorBehavior.h"
#include "oif/impl/oif_ConnectorOptions.h"
#include "oif/impl/oif_DerivedComponent.h"
#include "oif/impl/oif_Element.h"
#include "oif/impl/oif_Instance.h"
#include "oif/impl/oif_Model.h"
#include "oif/impl/oif_NewConnectorSection.h"
#include "oif/impl/oif_Node.h"
#include "oif/impl/oif_SetName.h"
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

// Per connector section assignment of the assembly: the wire elements of an
// assembly region, the "*Connector Section" with the orientation of that
// region, and at the first assignment of each section its behaviour.
void oif_InstanceBuilder::BuildConnectors() {
  const ddb_Assembly& assembly = oif_ModelOf(*model).DdbModel().rootAssembly();
  const mdl_MapString2ObjCow<kseC_Section> sections = model->Sections();
  const auto& orientations = assembly.connectorOrientation();
  std::set<cow_String> sectionsSeen;
  std::set<cow_String> behaviorsWritten;
  for (const ptoC_SectionAssignment& assignment : assembly.sectionAssignment()) {
    const std::shared_ptr<const kseC_Section> shared = sections.GetShared(assignment.sectionName);
    if (shared == nullptr || dynamic_cast<const kseC_ConnectorSection*>(shared.get()) == nullptr) continue;
    const auto section = std::static_pointer_cast<const kseC_ConnectorSection>(shared);
    const oif_SetName setName(assignment.region, *info);
    if (setName.Instance().empty())
      AddAssemblyDefinition(oif_AssemblyElement(assignment.region, assignment.sectionName, *info));

    const auto match = std::find_if(orientations.begin(), orientations.end(),
                                    [&](const ptoC_ConnectorOrientation& o) { return o.region == assignment.region; });
    const ptoC_ConnectorOrientation orientation = match == orientations.end() ? ptoC_ConnectorOrientation() : *match;
    const int index = match == orientations.end() ? -1 : int(match - orientations.begin());
    AddAssemblyDefinition(
        oif_NewConnectorSection(section->behaviorName, oif_WireSetName(assignment.region, *info), section, orientation,
                                index, *info));

    if (!sectionsSeen.insert(assignment.sectionName).second) continue;
    if (kseC_Utils::IsConnectorSectionEmpty(*section) || !behaviorsWritten.insert(section->behaviorName).second)
      continue;
    BuildBehavior(section->behaviorName, *section->behavior);
  }
}

// The behaviour keywords at model level: the behaviour, its constitutive
// reference, every option in stored order, then each derived component the
// options cite, once.
void oif_InstanceBuilder::BuildBehavior(const cow_String& name, const kbeC_ConnectorBehavior& behavior) {
  AddModelDefinition(oif_ConnectorBehavior(name, behavior));
  if (oif_ConnectorConstitutiveReference::IsWritten(behavior.reference))
    AddModelDefinition(oif_ConnectorConstitutiveReference(behavior.reference));
  std::vector<std::string> cited;
  for (const auto& option : behavior.options) {
    AddModelDefinition(*oif_MakeConnectorOptionKeyword(option, info->HasExplicitStep()));
    for (const std::string& derived : oif_CitedDerivedComponents(*option))
      if (std::find(cited.begin(), cited.end(), derived) == cited.end()) cited.push_back(derived);
  }
  for (const std::string& derived : cited)
    for (const auto& component : behavior.derivedComponents)
      if (component->name == derived) AddModelDefinition(oif_DerivedComponent(component));
}
