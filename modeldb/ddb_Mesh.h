#pragma once
// Meshes: node data, element classes and the named sets of a mesh. Large
// arrays are flat vectors; a mesh handle shares them, so instances of one
// part and copies of the model cost no copies of mesh data.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "modeldb/mdb_Export.h"
#include "modeldb/rgnC_SetData.h"

/// Coordinates of a mesh's nodes: entry i holds x, y and z of node index i.
class MDB_API uti_CoordCont3D {
 public:
  uti_CoordCont3D() = default;
  explicit uti_CoordCont3D(std::vector<float> xyz) : xyz_(std::move(xyz)) {}
  std::size_t Size() const noexcept { return xyz_.size() / 3; }
  const float* operator[](std::size_t i) const noexcept { return xyz_.data() + 3 * i; }
  const std::vector<float>& Flat() const noexcept { return xyz_; }

 private:
  std::vector<float> xyz_;
};

class MDB_API ddb_NodeData {
 public:
  ddb_NodeData() = default;
  ddb_NodeData(std::vector<float> coordinates, std::vector<int> userLabels);

  int NumNodes() const noexcept { return int(labels_.size()); }
  const uti_CoordCont3D& CoordContainer() const noexcept { return coords_; }
  /// Copies the user node labels into `labels`.
  void GetUserNodeLabels(std::vector<int>& labels) const { labels = labels_; }
  const std::vector<int>& UserNodeLabels() const noexcept { return labels_; }
  int GetUserNodeLabel(int index) const { return labels_.at(std::size_t(index)); }

 private:
  uti_CoordCont3D coords_;
  std::vector<int> labels_;
};

/// What an element is: the dimension of the element itself (1 a line, 2 a
/// face, 3 a volume; 0 a point) and of the space it lies in (2 or 3).
struct MDB_API ddb_ElementShape {
  int ownDimension = 3;
  int spaceDimension = 3;
};

/// All elements of one type of a mesh.
class MDB_API ddb_ElementClass {
 public:
  ddb_ElementClass() = default;
  ddb_ElementClass(std::string typeLabel, int nodesPerElement, std::vector<int> connectivity,
                   std::vector<int> userLabels, int ownDimension = 3, int spaceDimension = 3);

  const std::string& elementTypeLabel() const noexcept { return typeLabel_; }
  int numElements() const noexcept { return int(labels_.size()); }
  int numNodesPerElement() const noexcept { return nodesPerElement_; }
  /// Node indices into the mesh's node data, nodesPerElement per element.
  const std::vector<int>& elementConnectivity() const noexcept { return connectivity_; }
  const std::vector<int>& userElementLabelsAsFlatArray() const noexcept { return labels_; }
  int ownDimension() const noexcept { return ownDim_; }
  int spaceDimension() const noexcept { return spaceDim_; }
  ddb_ElementShape shape() const noexcept { return {ownDim_, spaceDim_}; }

 private:
  std::string typeLabel_;
  int nodesPerElement_ = 0;
  std::vector<int> connectivity_;
  std::vector<int> labels_;
  int ownDim_ = 3;
  int spaceDim_ = 3;
};

class MDB_API ddb_ElementData {
 public:
  ddb_ElementData() = default;
  explicit ddb_ElementData(std::vector<ddb_ElementClass> classes) : classes_(std::move(classes)) {}

  int numClasses() const noexcept { return int(classes_.size()); }
  const ddb_ElementClass& elementClass(int i) const { return classes_.at(std::size_t(i)); }
  int NumElements() const noexcept;

 private:
  std::vector<ddb_ElementClass> classes_;
};

/// A named set of a mesh (or of the assembly): its label, its kind (0 a node
/// set, 1 an element set, 2 a surface) and its region data.
class MDB_API ddb_Set {
 public:
  enum Type : int { NodeSet = rgnC_SetData::NodeSet, ElementSet = rgnC_SetData::ElementSet, Surface = rgnC_SetData::Surface };

  ddb_Set();
  /// A set without members.
  ddb_Set(std::string label, int type);
  explicit ddb_Set(std::shared_ptr<const rgnC_SetData> data);
  virtual ~ddb_Set();

  const std::string& setLabel() const noexcept { return data_->name(); }
  int setType() const noexcept { return data_->kind(); }
  /// The region data: flags and subsets.
  const rgnC_SetData& set() const noexcept { return *data_; }
  /// The region data, shared.
  const std::shared_ptr<const rgnC_SetData>& sharedSet() const noexcept { return data_; }

 private:
  std::shared_ptr<const rgnC_SetData> data_;
};

/// A node of a part instance that an element of another mesh uses (the
/// connector wires of the assembly join nodes of instances).
struct MDB_API ddb_ForeignNode {
  std::string instance;  // the part instance that owns the node
  int label = 0;         // its user label in that instance
};

/// The contents of a mesh; shared by every instance of the same part. Sets
/// stored here lie on the mesh that carries them (rgnC_SubsetData::kOwnMesh).
struct MDB_API ddb_MeshContents {
  ddb_NodeData nodes;
  ddb_ElementData elements;
  std::vector<std::shared_ptr<const ddb_Set>> sets;
  /// Connectivity indices from nodes.NumNodes() on name these nodes, in order.
  std::vector<ddb_ForeignNode> foreignNodes;
};

/// The node index space of a mesh as its elements see it: the mesh's own
/// nodes, then the foreign nodes. A view: valid while the mesh lives.
class MDB_API ddb_ScopedNodeData {
 public:
  explicit ddb_ScopedNodeData(const ddb_MeshContents* contents) : contents_(contents) {}

  bool isNativeNode(int index) const noexcept;
  /// Name of the part instance that owns a foreign node; "" for a native one.
  const std::string& partInstanceName(int index) const;
  /// User label of the node (in its own instance for a foreign node).
  int userLabel(int index) const;

 private:
  const ddb_MeshContents* contents_;
};

/// A mesh of the model: its index in the model, its shared contents and its
/// sets, bound to this mesh's index.
class MDB_API ddb_Mesh {
 public:
  ddb_Mesh() = default;
  ddb_Mesh(int index, std::shared_ptr<const ddb_MeshContents> contents);

  bool IsEmpty() const noexcept { return !contents_; }
  int index() const noexcept { return index_; }
  const ddb_NodeData& nodeData() const;
  const ddb_ElementData& elementData() const;
  ddb_ScopedNodeData scopedNodeData() const { return ddb_ScopedNodeData(contents_.get()); }
  int numSets() const noexcept { return sets_ ? int(sets_->size()) : 0; }
  const ddb_Set& set(int i) const;
  const std::shared_ptr<const ddb_MeshContents>& contents() const noexcept { return contents_; }

 private:
  using Sets = std::vector<std::shared_ptr<const ddb_Set>>;
  int index_ = 0;
  std::shared_ptr<const ddb_MeshContents> contents_;
  std::shared_ptr<const Sets> sets_;
};
