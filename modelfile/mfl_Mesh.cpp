#include <algorithm>
#include <unordered_map>

#include "modelfile/mfl_Loader.h"

namespace mfl {

namespace {

/// Labels 1..count when the file gives none.
std::vector<int> ReadLabels(const Ref& owner, std::size_t count, const char* what) {
  std::vector<int> labels;
  if (!owner.Has("labels")) {
    labels.resize(count);
    for (std::size_t i = 0; i < count; ++i) labels[i] = int(i) + 1;
    return labels;
  }
  const Ref ref = owner.Get("labels");
  labels = ref.Ints();
  if (labels.size() != count)
    ref.Fail("model.size", std::string("expected ") + std::to_string(count) + " " + what + " labels, found " +
                               std::to_string(labels.size()));
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (labels[i] <= 0) ref.FailAt(i, "model.range", std::string(what) + " labels must be positive");
  return labels;
}

/// Maps user node labels to node indices: a table when labels are dense, a
/// hash map otherwise.
class LabelIndex {
 public:
  LabelIndex(const std::vector<int>& labels, const Ref& ref) {
    int maxLabel = 0;
    for (int label : labels) maxLabel = std::max(maxLabel, label);
    dense_ = std::size_t(maxLabel) <= 2 * labels.size() + 1024;
    if (dense_) table_.assign(std::size_t(maxLabel) + 1, -1);
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const bool fresh = dense_ ? Claim(table_[std::size_t(labels[i])], int(i)) : map_.emplace(labels[i], int(i)).second;
      if (!fresh) ref.FailAt(i, "model.duplicate-label", "node label " + std::to_string(labels[i]) + " is used twice");
    }
  }
  int Find(int label) const {
    if (dense_) return label > 0 && std::size_t(label) < table_.size() ? table_[std::size_t(label)] : -1;
    auto it = map_.find(label);
    return it == map_.end() ? -1 : it->second;
  }

 private:
  static bool Claim(int& slot, int index) {
    if (slot >= 0) return false;
    slot = index;
    return true;
  }
  bool dense_ = true;
  std::vector<int> table_;
  std::unordered_map<int, int> map_;
};

}  // namespace

std::shared_ptr<ddb_MeshContents> ReadMesh(const Ref& mesh) {
  mesh.AllowOnly({"nodes", "elements"});
  auto contents = std::make_shared<ddb_MeshContents>();
  std::vector<int> nodeLabels;
  if (mesh.Has("nodes")) {
    const Ref nodes = mesh.Get("nodes");
    nodes.AllowOnly({"labels", "coordinates"});
    const Ref coordsRef = nodes.Get("coordinates");
    std::vector<float> coords = coordsRef.Floats();
    if (coords.size() % 3 != 0)
      coordsRef.Fail("model.size", "coordinates come in threes (x, y, z per node); found " +
                                       std::to_string(coords.size()) + " numbers");
    nodeLabels = ReadLabels(nodes, coords.size() / 3, "node");
    contents->nodes = ddb_NodeData(std::move(coords), nodeLabels);
  }
  const bool labelled = mesh.Has("nodes") && mesh.Get("nodes").Has("labels");
  const LabelIndex index(nodeLabels, labelled ? mesh.Get("nodes").Get("labels") : mesh);
  if (!mesh.Has("elements")) return contents;
  std::vector<ddb_ElementClass> classes;
  std::unordered_map<int, std::size_t> elementLabels;
  mesh.Get("elements").ForEachElement([&](const Ref& ref) {
    ref.AllowOnly({"type", "nodesPerElement", "labels", "connectivity"});
    const std::string type = ReadName(ref.Get("type"));
    const Ref perRef = ref.Get("nodesPerElement");
    const int perElement = perRef.AsInt();
    if (perElement < 1) perRef.Fail("model.range", "an element has at least one node");
    const Ref connRef = ref.Get("connectivity");
    std::vector<int> connectivity = connRef.Ints();
    if (connectivity.size() % std::size_t(perElement) != 0)
      connRef.Fail("model.size", "connectivity holds " + std::to_string(perElement) + " node labels per element; " +
                                     std::to_string(connectivity.size()) + " is not a multiple");
    const std::size_t count = connectivity.size() / std::size_t(perElement);
    std::vector<int> labels = ReadLabels(ref, count, "element");
    for (std::size_t i = 0; i < labels.size(); ++i)
      if (!elementLabels.emplace(labels[i], i).second)
        ref.Get("labels").FailAt(i, "model.duplicate-label",
                                 "element label " + std::to_string(labels[i]) + " is used twice in this mesh");
    for (std::size_t i = 0; i < connectivity.size(); ++i) {
      const int node = index.Find(connectivity[i]);
      if (node < 0)
        connRef.FailAt(i, "model.unknown-reference",
                       "element " + std::to_string(labels[i / std::size_t(perElement)]) + " names node " +
                           std::to_string(connectivity[i]) + ", which the mesh does not have");
      connectivity[i] = node;
    }
    classes.emplace_back(type, perElement, std::move(connectivity), std::move(labels));
  });
  contents->elements = ddb_ElementData(std::move(classes));
  return contents;
}

}  // namespace mfl
