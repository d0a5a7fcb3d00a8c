#include "oif/impl/oif_RegionBuilder.h"

#include <algorithm>
#include <vector>

#include "oif/impl/oif_Model.h"
#include "oif/impl/oif_SetName.h"
#include "oif/impl/oif_Sets.h"
#include "zkw/zkw_ModelInfo.h"

oif_RegionBuilder::oif_RegionBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_RegionBuilder::Clone() const { return new oif_RegionBuilder(*this); }

namespace {
bool Contains(const std::vector<cow_String>& names, const cow_String& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}
}  // namespace

void oif_RegionBuilder::Build() {
  const oif_Model& writerModel = oif_ModelOf(*model);
  const ddb_Assembly& assembly = writerModel.DdbModel().rootAssembly();
  std::vector<std::pair<cow_String, const ddb_PartInstance*>> partInstances;
  for (const auto& [name, instance] : writerModel.Instances())
    if (instance->isPartInstance())
      partInstances.emplace_back(
          name, &nex_canDynamicCastRef<ddb_PartInstance>(*instance, "oif/impl/oif_RegionBuilder", __LINE__));

  // 1. The sets of each instance's mesh, inside the instance's block.
  for (const auto& [name, instance] : partInstances) {
    const ddb_Mesh& mesh = instance->mesh();
    for (int i = 0; i < mesh.numSets(); ++i) {
      const ddb_Set& set = mesh.set(i);
      switch (set.setType()) {
        case ddb_Set::NodeSet:
          AddInstanceDefinition(name, oif_Nset(set, *instance));
          break;
        case ddb_Set::ElementSet:
          AddInstanceDefinition(name, oif_Elset(set, *instance));
          break;
        default:
          AddInstanceDefinition(name, oif_Surface(set, *instance));
          break;
      }
    }
  }

  // 2. The assembly's sets: node and element sets once per instance they
  // reach (and once for the assembly's own mesh), then the surfaces.
  for (int i = 0; i < assembly.numSets(); ++i) {
    const ddb_Set& set = assembly.set(i);
    if (set.setType() == ddb_Set::Surface) continue;
    const bool nodes = set.setType() == ddb_Set::NodeSet;
    std::vector<cow_String> served;
    for (const rgnC_SubsetData& subset : set.set().SubSets()) {
      for (const auto& [name, instance] : partInstances) {
        if (instance->mesh().index() != subset.meshIndex() || Contains(served, name)) continue;
        if (nodes)
          AddAssemblyDefinition(oif_Nset(set, *instance, name));
        else
          AddAssemblyDefinition(oif_Elset(set, *instance, name));
        served.push_back(name);
      }
      if (assembly.hasMesh() && subset.meshIndex() == assembly.mesh().index() && !Contains(served, "")) {
        if (nodes)
          AddAssemblyDefinition(oif_Nset(set, assembly));
        else
          AddAssemblyDefinition(oif_Elset(set, assembly));
        served.push_back("");
      }
    }
  }
  for (int i = 0; i < assembly.numSets(); ++i)
    if (assembly.set(i).setType() == ddb_Set::Surface) AddAssemblyDefinition(oif_Surface(assembly.set(i), assembly));

  // 3. Node-based surfaces for the regions interactions and constraints cite.
  std::vector<rgnC_Region> regions;
  const auto interactions = model->Interactions();
  for (const cow_String& key : interactions.Keys())
    for (const rgnC_Region& region : interactions.ConstGet(key).NodeSurfaceRegions()) regions.push_back(region);
  const auto constraints = model->Constraints();
  for (const auto& [key, constraint] : constraints.ConstGetMap())
    for (const rgnC_Region& region : constraint->NodeSurfaceRegions()) regions.push_back(region);
  std::vector<cow_String> written;
  for (const rgnC_Region& region : regions) {
    const oif_SetName setName(region, *info);
    const cow_String surfaceName = setName.SurfaceName(2);
    if (Contains(written, surfaceName)) continue;
    written.push_back(surfaceName);
    AddAssemblyDefinition(oif_Surface(surfaceName, setName.Name(2)));
  }
}
