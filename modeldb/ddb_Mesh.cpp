#include "modeldb/ddb_Mesh.h"

#include "exceptions/nex_Exception.h"

ddb_NodeData::ddb_NodeData(std::vector<float> coordinates, std::vector<int> userLabels)
    : coords_(std::move(coordinates)), labels_(std::move(userLabels)) {
  NEX_ASSERT(coords_.Size() == labels_.size());
}

ddb_ElementClass::ddb_ElementClass(std::string typeLabel, int nodesPerElement,
                                   std::vector<int> connectivity, std::vector<int> userLabels,
                                   int ownDimension, int spaceDimension)
    : typeLabel_(std::move(typeLabel)),
      nodesPerElement_(nodesPerElement),
      connectivity_(std::move(connectivity)),
      labels_(std::move(userLabels)),
      ownDim_(ownDimension),
      spaceDim_(spaceDimension) {
  NEX_ASSERT(connectivity_.size() == labels_.size() * std::size_t(nodesPerElement_));
}

int ddb_ElementData::NumElements() const noexcept {
  int count = 0;
  for (auto& elementClass : classes_) count += elementClass.numElements();
  return count;
}

ddb_Set::ddb_Set() : data_(std::make_shared<rgnC_SetData>()) {}
ddb_Set::ddb_Set(std::string label, int type) : data_(std::make_shared<rgnC_SetData>(std::move(label), type)) {}
ddb_Set::ddb_Set(std::shared_ptr<const rgnC_SetData> data) : data_(std::move(data)) { NEX_ASSERT(data_ != nullptr); }
ddb_Set::~ddb_Set() = default;

bool ddb_ScopedNodeData::isNativeNode(int index) const noexcept {
  return contents_ == nullptr || index < contents_->nodes.NumNodes();
}

const std::string& ddb_ScopedNodeData::partInstanceName(int index) const {
  static const std::string native;
  if (isNativeNode(index)) return native;
  return contents_->foreignNodes.at(std::size_t(index - contents_->nodes.NumNodes())).instance;
}

int ddb_ScopedNodeData::userLabel(int index) const {
  NEX_ASSERT(contents_ != nullptr);
  if (isNativeNode(index)) return contents_->nodes.GetUserNodeLabel(index);
  return contents_->foreignNodes.at(std::size_t(index - contents_->nodes.NumNodes())).label;
}

ddb_Mesh::ddb_Mesh(int index, std::shared_ptr<const ddb_MeshContents> contents)
    : index_(index), contents_(std::move(contents)) {
  if (!contents_ || contents_->sets.empty()) return;
  auto sets = std::make_shared<Sets>();
  sets->reserve(contents_->sets.size());
  for (const auto& set : contents_->sets)
    sets->push_back(std::make_shared<ddb_Set>(std::make_shared<rgnC_SetData>(set->set().OnMesh(index_))));
  sets_ = std::move(sets);
}

const ddb_NodeData& ddb_Mesh::nodeData() const {
  static const ddb_NodeData none;
  return contents_ ? contents_->nodes : none;
}

const ddb_ElementData& ddb_Mesh::elementData() const {
  static const ddb_ElementData none;
  return contents_ ? contents_->elements : none;
}

const ddb_Set& ddb_Mesh::set(int i) const {
  NEX_ASSERT(i >= 0 && i < numSets());
  return *(*sets_)[std::size_t(i)];
}
