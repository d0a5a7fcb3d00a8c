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

ddb_Set::~ddb_Set() = default;

const ddb_NodeData& ddb_Mesh::nodeData() const {
  static const ddb_NodeData none;
  return contents_ ? contents_->nodes : none;
}

const ddb_ElementData& ddb_Mesh::elementData() const {
  static const ddb_ElementData none;
  return contents_ ? contents_->elements : none;
}

const ddb_Set& ddb_Mesh::set(int i) const {
  NEX_ASSERT(contents_ && i >= 0 && i < numSets());
  return *contents_->sets[std::size_t(i)];
}
