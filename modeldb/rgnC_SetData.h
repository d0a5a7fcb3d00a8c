#pragma once
// The region data of a named set: which nodes, elements or element faces of
// which meshes it holds. Index arrays are shared, so the sets of a part are
// carried by every instance of the part without copying them.
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "modeldb/mdb_Export.h"

/// The part of a set that lies on one mesh and, for elements, on one element
/// class of that mesh.
class MDB_API rgnC_SubsetData {
 public:
  /// Mesh index of the sets stored with a part's mesh: such a subset lies on
  /// whichever mesh carries the set (ddb_Mesh binds it to its own index).
  static constexpr int kOwnMesh = INT_MIN;

  rgnC_SubsetData() = default;
  rgnC_SubsetData(int meshIndex, int elementClass, std::shared_ptr<const std::vector<int>> indices,
                  std::shared_ptr<const std::vector<int>> faces = nullptr);

  int meshIndex() const noexcept { return meshIndex_; }
  /// Index of the element class in the mesh; negative for node sets.
  int elementClass() const noexcept { return elementClass_; }
  /// Node indices into the mesh's node data, or element indices within the class.
  const std::vector<int>& indices() const noexcept;
  /// Surfaces: the face number (counted from 0) of each element; empty otherwise.
  const std::vector<int>& faces() const noexcept;
  /// The same subset on another mesh (the arrays are shared).
  rgnC_SubsetData OnMesh(int meshIndex) const;

 private:
  int meshIndex_ = kOwnMesh;
  int elementClass_ = -1;
  std::shared_ptr<const std::vector<int>> indices_;
  std::shared_ptr<const std::vector<int>> faces_;
};

/// A named set: its name, its kind, two flags and its subsets in model order.
class MDB_API rgnC_SetData {
 public:
  enum Kind : int { NodeSet = 0, ElementSet = 1, Surface = 2 };

  rgnC_SetData() = default;
  rgnC_SetData(std::string name, int kind) : name_(std::move(name)), kind_(kind) {}

  const std::string& name() const noexcept { return name_; }
  int kind() const noexcept { return kind_; }
  /// Sets the model made for its own use; the deck marks them ", internal".
  bool internal() const noexcept { return internal_; }
  /// Node sets whose order matters: written in stored order, never generated.
  bool unsorted() const noexcept { return unsorted_; }
  int NumSubSets() const noexcept { return int(subsets_.size()); }
  const rgnC_SubsetData& SubSet(int i) const;
  const std::vector<rgnC_SubsetData>& SubSets() const noexcept { return subsets_; }

  void SetInternal(bool internal) noexcept { internal_ = internal; }
  void SetUnsorted(bool unsorted) noexcept { unsorted_ = unsorted; }
  void AddSubSet(rgnC_SubsetData subset) { subsets_.push_back(std::move(subset)); }
  /// A copy whose subsets of kOwnMesh lie on `meshIndex`.
  rgnC_SetData OnMesh(int meshIndex) const;

 private:
  std::string name_;
  int kind_ = NodeSet;
  bool internal_ = false;
  bool unsorted_ = false;
  std::vector<rgnC_SubsetData> subsets_;
};
