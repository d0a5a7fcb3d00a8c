#include "modeldb/ddb_Model.h"

#include "exceptions/nex_Exception.h"
#include "modeldb/rgnC_Region.h"

ddb_Model::ddb_Model(std::shared_ptr<const ddb_ModelContents> contents) : c_(std::move(contents)) {
  NEX_ASSERT(c_ != nullptr);
}

const ddb_Datum& ddb_Model::datum(int id) const {
  for (auto& datum : c_->datums)
    if (datum.id == id) return datum;
  NEX_THROW_TEXT("No datum with identifier " + std::to_string(id));
}

const ddb_Mesh& ddb_Model::mesh(int index) const {
  auto it = c_->meshes.find(index);
  if (it == c_->meshes.end()) NEX_THROW_TEXT("No mesh with index " + std::to_string(index));
  return it->second;
}

void ddb_Ddb::addModel(const ddb_Model& model) { models_.insert_or_assign(model.name(), model); }

const ddb_Model& ddb_Ddb::model(const std::string& name) const {
  auto it = models_.find(name);
  if (it == models_.end()) NEX_THROW_TEXT("No model named \"" + name + "\" in the database");
  return it->second;
}

rgnC_Region rgnC_Region::OfAssemblySet(int setIndex) { return {"rootAssembly.setData", setIndex}; }

rgnC_Region rgnC_Region::OfMeshSet(int meshIndex, int setIndex) {
  return {"rootAssembly.mesh[" + std::to_string(meshIndex) + "].setData", setIndex};
}

int rgnC_Region::MeshIndex() const {
  const auto at = path_.find(".mesh[");
  return at == std::string::npos ? 0 : std::atoi(path_.c_str() + at + 6);
}

bool rgnC_Region::IsValid(const ddb_Model& model) const {
  if (set_ < 0 || path_.empty()) return false;
  if (OnAssembly()) return set_ < model.rootAssembly().numSets();
  auto& meshes = model.contents().meshes;
  auto it = meshes.find(MeshIndex());
  return it != meshes.end() && set_ < it->second.numSets();
}
