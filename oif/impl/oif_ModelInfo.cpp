#include "oif/impl/oif_ModelInfo.h"

#include <cmath>

#include "oif/impl/oif_Model.h"
#include "zkw/zkw_VelornName.h"

oif_ModelInfo::oif_ModelInfo(const ddb_Model& model) : model_(model) {
  modelHandle_ = zkw_ModelHandle(oif_Model(model_, cow_String()));
  writesParts_ = true;

  const ddb_Assembly& assembly = model_.rootAssembly();
  for (auto& [name, instance] : assembly.instance()) {
    if (!instance->isPartInstance()) continue;
    Register(name, nex_canDynamicCastRef<ddb_PartInstance>(*instance, "oif_ModelInfo", 92).mesh());
  }
  if (assembly.hasMesh()) {
    Register(cow_String(), assembly.mesh());
  } else {
    elementOffsets_[""] = nodeOffsets_[""] = elementCounts_[""] = nodeCounts_[""] = 0;
  }

  const kprC_StepContainer& steps = model_.step();
  for (std::size_t k = 1; k < steps.Size() && !hasExplicitStep_; ++k)
    hasExplicitStep_ = steps.At(k).isExplicit();
}

oif_ModelInfo::~oif_ModelInfo() = default;

void oif_ModelInfo::Register(const cow_String& name, const ddb_Mesh& mesh) {
  const int index = mesh.index();
  (index >= 0 ? meshes_[index] : negativeMeshes_[-index]) = name;
  const int nodes = mesh.nodeData().NumNodes();
  const int elements = mesh.elementData().NumElements();
  totalNodes_ += nodes;
  totalElements_ += elements;
  nodeOffsets_[name] = 0;
  elementOffsets_[name] = 0;
  nodeCounts_[name] = nodes;
  elementCounts_[name] = elements;
}

int oif_ModelInfo::Lookup(const std::map<cow_String, int>& map, const cow_String& name) {
  auto it = map.find(name);
  if (it == map.end()) NEX_THROW_TEXT("No instance named \"" + name + "\" in the model information");
  return it->second;
}

bool oif_ModelInfo::WritesParts() const { return writesParts_; }
int oif_ModelInfo::ElementOffset(const cow_String& instance) const { return Lookup(elementOffsets_, instance); }
int oif_ModelInfo::NodeOffset(const cow_String& instance) const { return Lookup(nodeOffsets_, instance); }

int oif_ModelInfo::NewNodeLabel(const cow_String& instance) {
  Lookup(nodeCounts_, instance);
  return ++nodeCounts_[instance];
}

int oif_ModelInfo::NewElementLabel(const cow_String& instance) {
  Lookup(elementCounts_, instance);
  return ++elementCounts_[instance];
}

cow_String oif_ModelInfo::InstanceOfMesh(int meshIndex) const {
  const auto& table = meshIndex >= 0 ? meshes_ : negativeMeshes_;
  auto it = table.find(std::abs(meshIndex));
  if (it == table.end()) NEX_THROW_TEXT("No instance has the mesh with index " + std::to_string(meshIndex));
  return it->second;
}

cow_String oif_ModelInfo::DatumCsysName(int csysId, double angle, const cow_String& suffix) const {
  cow_String name = model_.datum(csysId).name();
  if (!suffix.empty() && angle != 0.0) name += "_" + suffix + "_";
  return zkw_VelornName(name).Printable();
}

bool oif_ModelInfo::HasExplicitStep() const { return hasExplicitStep_; }
int oif_ModelInfo::TotalNodeCount() const { return totalNodes_; }
