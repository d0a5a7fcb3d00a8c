#pragma once
// Reading meshes and their sets: label indexes that turn the user labels of
// the file into the indices the model database stores.
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "modeldb/ddb_Mesh.h"
#include "modelfile/mfl_Json.h"

namespace mfl {

/// Maps user labels to indices: none while the labels run on one by one from
/// the first (the usual case), else a table when they are dense, a hash map
/// otherwise.
class LabelIndex {
 public:
  /// Prepares for `count` labels no larger than `maxLabel`.
  void Reserve(int maxLabel, std::size_t count);
  /// False when the label is already there.
  bool Insert(int label, int index) {
    // Labels are most often numbered on from the first, in the order of the
    // indexes: such a run needs no table.
    if (run_ && index == runCount_ && (runCount_ == 0 || label == runFirst_ + runCount_)) {
      if (runCount_ == 0) runFirst_ = label;
      ++runCount_;
      return true;
    }
    return InsertInTable(label, index);
  }
  /// Replaces every label of `labels` by its index when the labels seen so
  /// far run on one by one and all of `labels` are among them (one pass that
  /// the compiler vectorises); else leaves `labels` as they are and returns
  /// false, for a lookup label by label.
  bool IndexAll(std::vector<int>& labels) const;
  /// The index of a label, or -1.
  int Find(int label) const {
    if (run_) {
      const long long index = (long long)label - runFirst_;
      return index >= 0 && index < runCount_ ? int(index) : -1;
    }
    if (dense_) return label > 0 && std::size_t(label) < table_.size() ? table_[std::size_t(label)] : -1;
    auto it = map_.find(label);
    return it == map_.end() ? -1 : it->second;
  }

 private:
  bool InsertInTable(int label, int index);

  bool run_ = true;  // the labels so far are runFirst_, runFirst_ + 1, ... at indexes 0, 1, ...
  int runFirst_ = 0, runCount_ = 0;
  int maxLabel_ = 0;
  std::size_t count_ = 0;
  bool dense_ = true;
  std::vector<int> table_;
  std::unordered_map<int, int> map_;
};

/// The label indexes of one mesh.
struct MeshLabels {
  LabelIndex nodes;            // node label -> node index
  LabelIndex elements;         // element label -> position among all elements of the mesh
  std::vector<int> classStart; // position of the first element of each class

  /// The element class and the index within it of an element label; class -1 when none.
  std::pair<int, int> Element(int label) const;
};

struct LoadedMesh {
  std::shared_ptr<ddb_MeshContents> contents;
  std::shared_ptr<const MeshLabels> labels;
};

/// Where a mesh is read: a part's mesh may hold sets; the assembly's mesh
/// (reference points, connector wires) may name nodes of part instances in
/// its connectivity as "INSTANCE.LABEL", which `instanceLabels` resolves.
struct MeshScope {
  bool allowSets = true;
  std::function<const MeshLabels*(const std::string& instance)> instanceLabels;
};

/// Reads a mesh ({"nodes": ..., "elements": [...], "sets": [...]}).
LoadedMesh ReadMesh(const Ref& mesh, const MeshScope& scope);

/// The own dimension and the space dimension of an element type, from the
/// type name; unknown types are solids.
ddb_ElementShape ElementShapeOf(const std::string& type);

/// Where the members of a set lie: a mesh index and its labels, and how the
/// mesh is named in messages ("the mesh", "instance \"A\"").
struct SetTarget {
  int meshIndex;
  const MeshLabels* labels;
  std::string where;
};

/// The names of the sets read so far in one mesh (or the assembly), per kind.
using SetNames = std::array<std::map<std::string, std::size_t>, 3>;

/// Reads a set's kind ("node", "element", "surface"), its name (unique among
/// the sets of its kind in `seen`) and its flags ("internal"; "unsorted" for
/// node sets). Refuses members other than these and the set's members: its
/// labels (ReadSetMembers), or with `subsets` the list "subsets".
std::shared_ptr<rgnC_SetData> ReadSetHead(const Ref& set, SetNames& seen, bool subsets);

/// The members that list a set's labels: "nodes", or "elements" and for
/// surfaces "faces".
std::vector<std::string_view> SetMemberNames(int kind);

/// Adds the members listed in `members` (its "nodes", or "elements" and for
/// surfaces "faces") to `set` as subsets on `target`. Refuses labels the
/// mesh does not have.
void ReadSetMembers(const Ref& members, rgnC_SetData& set, const SetTarget& target);

}  // namespace mfl
