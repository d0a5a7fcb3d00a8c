#include "oif/impl/oif_Region.h"

const ddb_Set* oif_RegionSet(const ddb_Model& model, const rgnC_Region& region) {
  if (!region.IsValid(model)) return nullptr;
  if (region.OnAssembly()) return &model.rootAssembly().set(region.ConstSet());
  return &model.mesh(region.MeshIndex()).set(region.ConstSet());
}

oif_Region::oif_Region(const ddb_Model& model, const rgnC_Region& region) {
  const ddb_Set* named = oif_RegionSet(model, region);
  if (named == nullptr) return;
  const cow_String& name = named->setLabel();
  const ddb_Assembly& assembly = model.rootAssembly();
  for (int i = 0; i < assembly.numSets(); ++i) {
    if (assembly.set(i).setLabel() != name) continue;
    found_ = true;
    label_ = name;
    return;
  }
  for (const auto& [instanceName, instance] : assembly.instance()) {
    if (!instance->isPartInstance()) continue;
    const ddb_Mesh& mesh = nex_canDynamicCastRef<ddb_PartInstance>(*instance, "oif/impl/oif_Region", __LINE__).mesh();
    for (int i = 0; i < mesh.numSets(); ++i) {
      if (mesh.set(i).setLabel() != name) continue;
      found_ = true;
      label_ = name;
      instance_ = instanceName;
      return;
    }
  }
}

cow_String oif_Region::QualifiedName() const { return instance_.empty() ? label_ : instance_ + "." + label_; }
