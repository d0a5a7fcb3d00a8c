#include "modelfile/mfl_Mesh.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <string_view>

#include "modelfile/mfl_ElementTypes.h"
#include "modelfile/mfl_Loader.h"
#include "modelfile/mfl_Members.h"
#include "modelfile/mfl_Text.h"

namespace mfl {

// ---------------------------------------------------------------------------
// Label indexes

void LabelIndex::Reserve(int maxLabel, std::size_t count) {
  maxLabel_ = std::max(maxLabel, 0);
  count_ = count;
}

bool LabelIndex::IndexAll(std::vector<int>& labels) const {
  if (!run_) return false;
  const unsigned count = unsigned(runCount_);
  const unsigned first = unsigned(runFirst_);
  unsigned outside = 0;
  // In unsigned arithmetic a label below the first wraps round to a large
  // index, so one comparison finds labels on both sides of the run.
  for (int& label : labels) {
    const unsigned index = unsigned(label) - first;
    outside |= unsigned(index >= count);
    label = int(index);
  }
  if (outside == 0) return true;
  for (int& label : labels) label = int(unsigned(label) + first);
  return false;
}

bool LabelIndex::InsertInTable(int label, int index) {
  if (run_) {
    // The first label out of the run: the table is made, the run put in it.
    run_ = false;
    maxLabel_ = std::max(maxLabel_, std::max(label, runFirst_ + runCount_ - 1));
    dense_ = std::size_t(maxLabel_) <= 2 * count_ + 1024;
    if (dense_)
      table_.assign(std::size_t(maxLabel_) + 1, -1);
    else
      map_.reserve(count_);
    for (int i = 0; i < runCount_; ++i) InsertInTable(runFirst_ + i, i);
  }
  if (!dense_) return map_.emplace(label, index).second;
  int& slot = table_[std::size_t(label)];
  if (slot >= 0) return false;
  slot = index;
  return true;
}

std::pair<int, int> MeshLabels::Element(int label) const {
  const int position = elements.Find(label);
  if (position < 0) return {-1, -1};
  const auto next = std::upper_bound(classStart.begin(), classStart.end(), position);
  const int elementClass = int(next - classStart.begin()) - 1;
  return {elementClass, position - classStart[std::size_t(elementClass)]};
}

// ---------------------------------------------------------------------------
// Element shapes

namespace {

struct ShapeRow {
  std::string_view prefix;
  int own, space;
};

// Longer prefixes first where one prefix begins another.
constexpr ShapeRow kShapes[] = {
    {"SFM3D", 2, 3}, {"SFMGAX", 1, 2}, {"SFMAX", 1, 2}, {"SFM2D", 1, 2},
    {"SC", 3, 3},    {"STRI", 2, 3},   {"S", 2, 3},
    {"M3D", 2, 3},   {"R3D", 2, 3},    {"R2D", 1, 2},   {"RAX", 1, 2},
    {"CONN3D", 1, 3}, {"CONN2D", 1, 2},
    {"C3D", 3, 3},   {"DC3D", 3, 3},   {"AC3D", 3, 3},  {"CCL", 3, 3},
    {"CPS", 2, 2},   {"CPE", 2, 2},    {"CPEG", 2, 2},  {"CGPE", 2, 2}, {"CAX", 2, 2},
    {"DC2D", 2, 2},  {"DCAX", 2, 2},   {"AC2D", 2, 2},  {"ACAX", 2, 2},
    {"B3", 1, 3},    {"PIPE3", 1, 3},  {"T3D", 1, 3},   {"DC1D", 1, 3},
    {"B2", 1, 2},    {"PIPE2", 1, 2},  {"T2D", 1, 2},   {"FRAME3D", 1, 3}, {"FRAME2D", 1, 2},
    {"MASS", 0, 3},  {"ROTARYI", 0, 3}, {"SPRING", 0, 3}, {"DASHPOT", 0, 3},
};

}  // namespace

ddb_ElementShape ElementShapeOf(const std::string& type) {
  for (const ShapeRow& row : kShapes) {
    if (type.compare(0, row.prefix.size(), row.prefix) != 0) continue;
    // "S" names shells only when a digit follows (S4R, S8R), not SPRINGA.
    if (row.prefix == "S" && (type.size() < 2 || type[1] < '0' || type[1] > '9')) continue;
    return {row.own, row.space};
  }
  return {3, 3};
}

// ---------------------------------------------------------------------------
// Meshes

namespace {

/// Labels first, first + 1, ... when the file gives none; refused when the
/// last of them would pass the largest label.
std::vector<int> ReadLabels(const Ref& owner, std::size_t count, const char* what, long long first) {
  std::vector<int> labels;
  if (!owner.Has("labels")) {
    constexpr long long kLargest = std::numeric_limits<int>::max();
    if (count > 0 && (count > std::size_t(kLargest) || first > kLargest - (long long)(count - 1)))
      owner.Fail("model.range",
                 (count == 1 ? std::string("the ") + what + " without a label would be numbered " + std::to_string(first)
                             : "the " + std::to_string(count) + " " + what + "s without labels would be numbered " +
                                   std::to_string(first) + " to " + std::to_string(first + (long long)(count - 1))) +
                     ", past the largest label " + std::to_string(kLargest) + "; give the labels");
    labels.resize(count);
    for (std::size_t i = 0; i < count; ++i) labels[i] = int(first + (long long)i);
    return labels;
  }
  const Ref ref = owner.Get("labels");
  labels = ref.TakeInts();
  if (labels.size() != count)
    ref.Fail("model.size", std::string("expected ") + std::to_string(count) + " " + what + " labels, found " +
                               std::to_string(labels.size()));
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (labels[i] <= 0) ref.FailAt(i, "model.range", std::string(what) + " labels must be positive");
  return labels;
}

int MaxOf(const std::vector<int>& values) {
  int max = 0;
  for (int value : values) max = std::max(max, value);
  return max;
}

/// An element class as read, before its connectivity is resolved.
struct RawClass {
  Ref ref;
  std::string type;
  int perElement;
  std::vector<int> connectivity;  // node labels (packed form)
  std::vector<int> labels;
};

/// Parses "INSTANCE.LABEL" (the label after the last ".").
bool SplitForeign(const std::string& text, std::string& instance, int& label) {
  const std::size_t dot = text.rfind('.');
  if (dot == std::string::npos || dot == 0) return false;
  const char* first = text.data() + dot + 1;
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(first, last, label);
  instance = text.substr(0, dot);
  return ec == std::errc() && end == last && first != last;
}

void FailUnknownNode(const Ref& connectivity, std::size_t i, int element, const std::string& node,
                     const std::string& where) {
  connectivity.FailAt(i, "model.unknown-reference",
                      "element " + std::to_string(element) + " names node " + node + ", which " + where +
                          " does not have");
}

/// Connectivity of the assembly's mesh: node labels of the mesh, or texts
/// "INSTANCE.LABEL" naming nodes of part instances (kept as foreign nodes).
std::vector<int> ResolveScopedConnectivity(const RawClass& raw, const Ref& connRef, const MeshLabels& labels,
                                           const MeshScope& scope, ddb_MeshContents& contents,
                                           std::map<std::pair<std::string, int>, int>& foreign) {
  const std::size_t size = connRef.Size();
  if (size % std::size_t(raw.perElement) != 0)
    connRef.Fail("model.size", "connectivity holds " + std::to_string(raw.perElement) + " nodes per element; " +
                                   std::to_string(size) + " is not a multiple");
  std::vector<int> connectivity(size);
  const int native = contents.nodes.NumNodes();
  for (std::size_t i = 0; i < size; ++i) {
    const Ref entry = connRef.At(i);
    const std::size_t element = i / std::size_t(raw.perElement);
    const int elementLabel = element < raw.labels.size() ? raw.labels[element] : int(element) + 1;
    if (!entry.IsString()) {
      const int label = entry.AsInt();
      const int node = labels.nodes.Find(label);
      if (node < 0) FailUnknownNode(connRef, i, elementLabel, std::to_string(label), "the assembly's mesh");
      connectivity[i] = node;
      continue;
    }
    const std::string text = entry.AsString();
    std::string instance;
    int label = 0;
    if (!SplitForeign(text, instance, label))
      entry.Fail("model.type", "expected a node label or \"INSTANCE.LABEL\", found \"" + text + "\"");
    const MeshLabels* instanceLabels = scope.instanceLabels ? scope.instanceLabels(instance) : nullptr;
    if (!instanceLabels)
      entry.Fail("model.unknown-reference", "no part instance named \"" + instance + "\"");
    if (instanceLabels->nodes.Find(label) < 0)
      FailUnknownNode(connRef, i, elementLabel, text, "instance \"" + instance + "\"");
    auto [it, fresh] = foreign.emplace(std::make_pair(instance, label), native + int(foreign.size()));
    if (fresh) contents.foreignNodes.push_back({instance, label});
    connectivity[i] = it->second;
  }
  return connectivity;
}

int ReadDimension(const Ref& owner, const char* member, int fallback, int min, int max) {
  if (!owner.Has(member)) return fallback;
  const Ref ref = owner.Get(member);
  const int value = ref.AsInt();
  if (value < min || value > max)
    ref.Fail("model.range", std::string(member) + " must be between " + std::to_string(min) + " and " +
                                std::to_string(max));
  return value;
}

void ReadMeshSets(const Ref& sets, ddb_MeshContents& contents, const MeshLabels& labels) {
  SetNames seen;
  const SetTarget target{rgnC_SubsetData::kOwnMesh, &labels, "the mesh"};
  sets.ForEachElement([&](const Ref& ref) {
    std::shared_ptr<rgnC_SetData> set = ReadSetHead(ref, seen, false);
    ReadSetMembers(ref, *set, target);
    contents.sets.push_back(std::make_shared<ddb_Set>(std::move(set)));
  });
}

}  // namespace

LoadedMesh ReadMesh(const Ref& mesh, const MeshScope& scope) {
  if (scope.allowSets)
    mesh.AllowOnly({"nodes", "elements", "sets"});
  else
    mesh.AllowOnly({"nodes", "elements"});
  auto contents = std::make_shared<ddb_MeshContents>();
  auto labels = std::make_shared<MeshLabels>();

  if (mesh.Has("nodes")) {
    const Ref nodes = mesh.Get("nodes");
    nodes.AllowOnly({"labels", "coordinates"});
    const Ref coordsRef = nodes.Get("coordinates");
    std::vector<float> coords = coordsRef.TakeFloats();
    if (coords.size() % 3 != 0)
      coordsRef.Fail("model.size", "coordinates come in threes (x, y, z per node); found " +
                                       std::to_string(coords.size()) + " numbers");
    std::vector<int> nodeLabels = ReadLabels(nodes, coords.size() / 3, "node", 1);
    labels->nodes.Reserve(MaxOf(nodeLabels), nodeLabels.size());
    for (std::size_t i = 0; i < nodeLabels.size(); ++i)
      if (!labels->nodes.Insert(nodeLabels[i], int(i)))
        nodes.Get("labels").FailAt(i, "model.duplicate-label",
                                   "node label " + std::to_string(nodeLabels[i]) + " is used twice");
    contents->nodes = ddb_NodeData(std::move(coords), std::move(nodeLabels));
  }

  if (mesh.Has("elements")) {
    // Labels of all classes first: one index over the whole mesh.
    std::vector<RawClass> raws;
    int maxLabel = 0;
    std::size_t total = 0;
    mesh.Get("elements").ForEachElement([&](const Ref& ref) {
      ref.AllowOnly({"type", "nodesPerElement", "labels", "connectivity", "dimension", "spaceDimension"});
      RawClass raw{ref, ReadToken(ref.Get("type"), "an element type"), 0, {}, {}};
      const Ref perRef = ref.Get("nodesPerElement");
      raw.perElement = perRef.AsInt();
      if (raw.perElement < 1) perRef.Fail("model.range", "an element has at least one node");
      CheckNodeCount(raw.type, perRef, raw.perElement);
      const Ref connRef = ref.Get("connectivity");
      std::size_t count;
      if (scope.instanceLabels && connRef.node().kind() == Node::Kind::Array) {
        count = connRef.Size() / std::size_t(raw.perElement);  // resolved below, entry by entry
      } else {
        raw.connectivity = connRef.TakeInts();
        if (raw.connectivity.size() % std::size_t(raw.perElement) != 0)
          connRef.Fail("model.size", "connectivity holds " + std::to_string(raw.perElement) +
                                         " node labels per element; " + std::to_string(raw.connectivity.size()) +
                                         " is not a multiple");
        count = raw.connectivity.size() / std::size_t(raw.perElement);
      }
      raw.labels = ReadLabels(ref, count, "element", (long long)maxLabel + 1);
      maxLabel = std::max(maxLabel, MaxOf(raw.labels));
      total += count;
      raws.push_back(std::move(raw));
    });
    labels->elements.Reserve(maxLabel, total);
    int position = 0;
    for (const RawClass& raw : raws) {
      labels->classStart.push_back(position);
      for (std::size_t i = 0; i < raw.labels.size(); ++i, ++position)
        if (!labels->elements.Insert(raw.labels[i], position))
          raw.ref.Get("labels").FailAt(i, "model.duplicate-label", "element label " + std::to_string(raw.labels[i]) +
                                                                       " is used twice in this mesh");
    }

    std::vector<ddb_ElementClass> classes;
    classes.reserve(raws.size());
    std::map<std::pair<std::string, int>, int> foreign;
    for (RawClass& raw : raws) {
      const Ref connRef = raw.ref.Get("connectivity");
      std::vector<int> connectivity;
      if (scope.instanceLabels && connRef.node().kind() == Node::Kind::Array) {
        connectivity = ResolveScopedConnectivity(raw, connRef, *labels, scope, *contents, foreign);
      } else {
        connectivity = std::move(raw.connectivity);
        const bool indexed = labels->nodes.IndexAll(connectivity);
        for (std::size_t i = 0; !indexed && i < connectivity.size(); ++i) {
          const int node = labels->nodes.Find(connectivity[i]);
          if (node < 0)
            FailUnknownNode(connRef, i, raw.labels[i / std::size_t(raw.perElement)], std::to_string(connectivity[i]),
                            scope.allowSets ? "the mesh" : "the assembly's mesh");
          connectivity[i] = node;
        }
      }
      const ddb_ElementShape shape = ElementShapeOf(raw.type);
      const int own = ReadDimension(raw.ref, "dimension", shape.ownDimension, 0, 3);
      const int space = ReadDimension(raw.ref, "spaceDimension", shape.spaceDimension, 2, 3);
      classes.emplace_back(raw.type, raw.perElement, std::move(connectivity), std::move(raw.labels), own, space);
    }
    contents->elements = ddb_ElementData(std::move(classes));
  }

  if (scope.allowSets && mesh.Has("sets")) ReadMeshSets(mesh.Get("sets"), *contents, *labels);
  return {contents, labels};
}

// ---------------------------------------------------------------------------
// Sets

namespace {

const char* const kSetKinds[] = {"node", "element", "surface"};
const char* const kSetWhat[] = {"node set", "element set", "surface"};

}  // namespace

std::vector<std::string_view> SetMemberNames(int kind) {
  if (kind == rgnC_SetData::NodeSet) return {"nodes"};
  if (kind == rgnC_SetData::ElementSet) return {"elements"};
  return {"elements", "faces"};
}

namespace {

/// A set's own members as they are read; the set is made of them.
struct SetHead {
  std::string name;
  int internal = -1, unsorted = -1;  // -1: not given
};

/// The members of a set of `kind` besides its "kind": its own, and its
/// labels (read by ReadSetMembers) or, with `subsets`, its "subsets". The
/// context is the names of each kind of set so far.
Members<SetHead, std::map<std::string, std::size_t>*> SetHeadMembers(int kind, bool subsets) {
  Members<SetHead, std::map<std::string, std::size_t>*> m;
  m.Custom("name",
           [kind](std::map<std::string, std::size_t>* const& seen, const Ref& ref, SetHead& head) {
             head.name = ReadQualifiableName(ref);
             CheckUnique(ref, head.name, *seen, kSetWhat[kind]);
           })
      .Required()
      .Allow({"kind"})
      .Custom("internal", [](const Ref& ref, SetHead& head) { head.internal = ref.AsBool(); });
  if (kind == rgnC_SetData::NodeSet)
    m.Custom("unsorted", [](const Ref& ref, SetHead& head) { head.unsorted = ref.AsBool(); });
  if (subsets)
    m.Allow({"subsets"});
  else
    m.Group(SetMemberNames(kind), [](const Ref&, SetHead&) {});  // the labels: ReadSetMembers
  return m;
}

}  // namespace

std::shared_ptr<rgnC_SetData> ReadSetHead(const Ref& ref, SetNames& seen, bool subsets) {
  using Table = Members<SetHead, std::map<std::string, std::size_t>*>;
  static const Table kTables[2][3] = {
      {SetHeadMembers(0, false), SetHeadMembers(1, false), SetHeadMembers(2, false)},
      {SetHeadMembers(0, true), SetHeadMembers(1, true), SetHeadMembers(2, true)}};
  const Ref kindRef = ref.Get("kind");
  const std::string text = kindRef.AsString();
  const auto found = std::find(std::begin(kSetKinds), std::end(kSetKinds), text);
  if (found == std::end(kSetKinds))
    kindRef.Fail("model.enum", "unknown set kind \"" + text + "\"; expected node, element or surface");
  const int kind = int(found - std::begin(kSetKinds));
  SetHead head;
  kTables[subsets ? 1 : 0][kind].ReadObject(&seen[std::size_t(kind)], ref, head);
  auto set = std::make_shared<rgnC_SetData>(head.name, kind);
  if (head.internal >= 0) set->SetInternal(head.internal == 1);
  if (head.unsorted >= 0) set->SetUnsorted(head.unsorted == 1);
  return set;
}

void ReadSetMembers(const Ref& members, rgnC_SetData& set, const SetTarget& target) {
  const std::string what = kSetWhat[set.kind()];
  auto unknown = [&](const Ref& ref, std::size_t i, const char* item, int label) {
    ref.FailAt(i, "model.unknown-reference",
               what + " \"" + set.name() + "\" names " + item + " " + std::to_string(label) + ", which " +
                   target.where + " does not have");
  };

  if (set.kind() == rgnC_SetData::NodeSet) {
    const Ref ref = members.Get("nodes");
    std::vector<int> nodes = ref.TakeInts();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
      const int index = target.labels->nodes.Find(nodes[i]);
      if (index < 0) unknown(ref, i, "node", nodes[i]);
      nodes[i] = index;
    }
    set.AddSubSet({target.meshIndex, -1, std::make_shared<std::vector<int>>(std::move(nodes))});
    return;
  }

  const Ref ref = members.Get("elements");
  std::vector<int> elements = ref.TakeInts();
  std::vector<int> faces;
  const bool surface = set.kind() == rgnC_SetData::Surface;
  if (surface) {
    const Ref facesRef = members.Get("faces");
    faces = facesRef.TakeInts();
    if (faces.size() != elements.size())
      facesRef.Fail("model.size", "expected one face per element: " + std::to_string(elements.size()) +
                                      " elements, " + std::to_string(faces.size()) + " faces");
    for (std::size_t i = 0; i < faces.size(); ++i) {
      if (faces[i] < 1 || faces[i] > 6) facesRef.FailAt(i, "model.range", "face numbers go from 1 to 6");
      --faces[i];  // stored counted from 0
    }
  }
  std::vector<int> classes(elements.size());
  bool oneClass = true;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const auto [elementClass, index] = target.labels->Element(elements[i]);
    if (elementClass < 0) unknown(ref, i, "element", elements[i]);
    elements[i] = index;
    classes[i] = elementClass;
    oneClass = oneClass && elementClass == classes[0];
  }
  if (elements.empty()) return;
  auto share = [](std::vector<int>&& values) { return std::make_shared<const std::vector<int>>(std::move(values)); };
  if (oneClass) {
    set.AddSubSet({target.meshIndex, classes[0], share(std::move(elements)),
                   surface ? share(std::move(faces)) : nullptr});
    return;
  }
  // One subset per element class, in the order the classes are first named.
  std::vector<int> order;
  for (int elementClass : classes)
    if (std::find(order.begin(), order.end(), elementClass) == order.end()) order.push_back(elementClass);
  for (int elementClass : order) {
    std::vector<int> indices, classFaces;
    for (std::size_t i = 0; i < elements.size(); ++i) {
      if (classes[i] != elementClass) continue;
      indices.push_back(elements[i]);
      if (surface) classFaces.push_back(faces[i]);
    }
    set.AddSubSet({target.meshIndex, elementClass, share(std::move(indices)),
                   surface ? share(std::move(classFaces)) : nullptr});
  }
}

}  // namespace mfl
