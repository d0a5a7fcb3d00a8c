#include "modeldb/rgnC_SetData.h"

#include "exceptions/nex_Exception.h"

namespace {
const std::vector<int>& NoIndices() {
  static const std::vector<int> none;
  return none;
}
}  // namespace

rgnC_SubsetData::rgnC_SubsetData(int meshIndex, int elementClass, std::shared_ptr<const std::vector<int>> indices,
                                 std::shared_ptr<const std::vector<int>> faces)
    : meshIndex_(meshIndex), elementClass_(elementClass), indices_(std::move(indices)), faces_(std::move(faces)) {
  NEX_ASSERT(!faces_ || !indices_ || faces_->size() == indices_->size());
}

const std::vector<int>& rgnC_SubsetData::indices() const noexcept { return indices_ ? *indices_ : NoIndices(); }
const std::vector<int>& rgnC_SubsetData::faces() const noexcept { return faces_ ? *faces_ : NoIndices(); }

rgnC_SubsetData rgnC_SubsetData::OnMesh(int meshIndex) const {
  rgnC_SubsetData copy = *this;
  copy.meshIndex_ = meshIndex;
  return copy;
}

const rgnC_SubsetData& rgnC_SetData::SubSet(int i) const {
  NEX_ASSERT(i >= 0 && i < NumSubSets());
  return subsets_[std::size_t(i)];
}

rgnC_SetData rgnC_SetData::OnMesh(int meshIndex) const {
  rgnC_SetData copy(name_, kind_);
  copy.internal_ = internal_;
  copy.unsorted_ = unsorted_;
  copy.subsets_.reserve(subsets_.size());
  for (const rgnC_SubsetData& subset : subsets_)
    copy.subsets_.push_back(subset.meshIndex() == rgnC_SubsetData::kOwnMesh ? subset.OnMesh(meshIndex) : subset);
  return copy;
}
