#include "oif/impl/oif_Sets.h"

#include <algorithm>
#include <map>

#include "oif/impl/oif_KeywordLine.h"
#include "zkw/zkw_VelornName.h"

// ---------------------------------------------------------------------------
// Labels of a set on a mesh

cow_String oif_FaceIdentifier(int face, const ddb_ElementShape& shape) {
  const cow_String number = std::to_string(face + 1);
  if (shape.ownDimension == 1) return "END" + number;
  if (shape.ownDimension == 3 || (shape.ownDimension == 2 && shape.spaceDimension == 2)) return "S" + number;
  if (shape.ownDimension == 2 && shape.spaceDimension == 3) {
    if (face == 0) return "SPOS";
    if (face == 1) return "SNEG";
    if (face == 6) return cow_String();
  }
  return number;
}

oif_SetLabels oif_LabelsOnMesh(const rgnC_SetData& set, const ddb_Mesh& mesh) {
  oif_SetLabels result;
  if (mesh.IsEmpty()) return result;
  const bool surface = set.kind() == rgnC_SetData::Surface;
  for (const rgnC_SubsetData& subset : set.SubSets()) {
    if (subset.meshIndex() != mesh.index()) continue;
    const std::vector<int>& indices = subset.indices();
    if (set.kind() == rgnC_SetData::NodeSet) {
      const std::vector<int>& labels = mesh.nodeData().UserNodeLabels();
      for (int index : indices)
        if (index >= 0 && std::size_t(index) < labels.size()) result.labels.push_back(labels[std::size_t(index)]);
      continue;
    }
    const ddb_ElementData& elements = mesh.elementData();
    if (subset.elementClass() < 0 || subset.elementClass() >= elements.numClasses()) continue;
    const ddb_ElementClass& elementClass = elements.elementClass(subset.elementClass());
    const std::vector<int>& labels = elementClass.userElementLabelsAsFlatArray();
    const std::vector<int>& faces = subset.faces();
    for (std::size_t i = 0; i < indices.size(); ++i) {
      const int index = indices[i];
      if (index < 0 || std::size_t(index) >= labels.size()) continue;
      result.labels.push_back(labels[std::size_t(index)]);
      if (surface) result.faces.push_back(oif_FaceIdentifier(i < faces.size() ? faces[i] : 0, elementClass.shape()));
    }
  }
  return result;
}

// ---------------------------------------------------------------------------
// Label lists

oif_LabelList::oif_LabelList(std::vector<int> labels, bool keepOrder) : labels_(std::move(labels)) {
  if (keepOrder) return;
  std::sort(labels_.begin(), labels_.end());
  labels_.erase(std::unique(labels_.begin(), labels_.end()), labels_.end());
  if (labels_.size() < 3) return;
  const long long step = (long long)labels_[1] - labels_[0];
  for (std::size_t i = 2; i < labels_.size(); ++i)
    if ((long long)labels_[i] - labels_[i - 1] != step) return;
  generate_ = true;
  first_ = labels_.front();
  last_ = labels_.back();
  step_ = int(step);
}

void oif_LabelList::Write(utl_Stream& stream) const {
  if (generate_) {
    (oif_DataLine(stream) << first_ << last_ << step_).End();
    return;
  }
  const std::size_t count = labels_.size();
  for (std::size_t n = 1; n <= count; ++n) {
    stream << labels_[n - 1];
    if (n % 16 == 0) {
      stream.LineBreak();
    } else if (n == count) {
      if (n % 16 == 1) stream << ", ";
      stream.LineBreak();
    } else {
      stream << ',';
    }
  }
}

namespace {

void WriteMembers(utl_Stream& stream, const std::vector<cow_String>& members) {
  for (const cow_String& member : members) {
    oif_DataLine data(stream);
    data << member;
    data.EndWithSeparator();
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// *Nset

oif_Nset::oif_Nset(const ddb_Set& set, const ddb_Mesh& mesh, const cow_String& instanceName)
    : set_(set.sharedSet()), mesh_(mesh), name_(set.setLabel()), instanceName_(instanceName) {}

oif_Nset::oif_Nset(const ddb_Set& set, const ddb_PartInstance& instance, const cow_String& instanceName)
    : oif_Nset(set, instance.mesh(), instanceName) {}

oif_Nset::oif_Nset(const ddb_Set& set, const ddb_PartInstance& instance) : oif_Nset(set, instance.mesh(), "") {}

oif_Nset::oif_Nset(const ddb_Set& set, const ddb_Assembly& assembly) : oif_Nset(set, assembly.mesh(), "") {}

oif_Nset::oif_Nset(const cow_String& name, const std::vector<cow_String>& members)
    : name_(name), members_(members) {}

void oif_Nset::Write(utl_Stream& stream) const {
  if (set_) {
    const bool unsorted = set_->unsorted();
    const oif_LabelList list(oif_LabelsOnMesh(*set_, mesh_).labels, unsorted);
    if (!list.IsEmpty()) {
      oif_KeywordLine line(stream, "*Nset");
      line.Name("nset", name_);
      if (!instanceName_.empty()) line.Name("instance", instanceName_);
      if (set_->internal()) line.Flag("internal");
      if (list.Generated()) line.Flag("generate");
      if (unsorted) line.Flag("unsorted");
      line.End();
      list.Write(stream);
      return;
    }
  }
  if (members_.empty()) return;
  oif_KeywordLine(stream, "*Nset").Name("nset", name_).End();
  WriteMembers(stream, members_);
}

// ---------------------------------------------------------------------------
// *Elset

oif_Elset::oif_Elset(const ddb_Set& set, const ddb_Mesh& mesh, const cow_String& instanceName)
    : set_(set.sharedSet()),
      mesh_(mesh),
      name_(set.setLabel()),
      instanceName_(instanceName),
      internal_(set.set().internal()) {}

oif_Elset::oif_Elset(const ddb_Set& set, const ddb_PartInstance& instance, const cow_String& instanceName)
    : oif_Elset(set, instance.mesh(), instanceName) {}

oif_Elset::oif_Elset(const ddb_Set& set, const ddb_PartInstance& instance) : oif_Elset(set, instance.mesh(), "") {}

oif_Elset::oif_Elset(const ddb_Set& set, const ddb_Assembly& assembly) : oif_Elset(set, assembly.mesh(), "") {}

oif_Elset::oif_Elset(std::vector<int> labels, const cow_String& name, const cow_String& instanceName, bool internal)
    : name_(name), instanceName_(instanceName), labels_(std::move(labels)), internal_(internal) {}

oif_Elset::oif_Elset(const cow_String& name, const std::vector<cow_String>& members)
    : name_(name), members_(members), internal_(true) {}

void oif_Elset::Write(utl_Stream& stream) const {
  const oif_LabelList list(set_ ? oif_LabelsOnMesh(*set_, mesh_).labels : labels_, false);
  if (list.IsEmpty() && members_.empty()) return;
  oif_KeywordLine line(stream, "*Elset");
  line.Name("elset", name_);
  if (!instanceName_.empty()) line.Name("instance", instanceName_);
  if (internal_) line.Flag("internal");
  if (!list.IsEmpty()) {
    if (list.Generated()) line.Flag("generate");
    line.End();
    list.Write(stream);
    return;
  }
  line.End();
  WriteMembers(stream, members_);
}

// ---------------------------------------------------------------------------
// *Surface

oif_Surface::oif_Surface(const ddb_Set& set, const ddb_PartInstance& instance, const cow_String& instanceName)
    : set_(set.sharedSet()),
      mesh_(instance.mesh()),
      name_(set.setLabel()),
      instanceName_(instanceName),
      internal_(set.set().internal()) {}

oif_Surface::oif_Surface(const ddb_Set& set, const ddb_PartInstance& instance) : oif_Surface(set, instance, "") {}

oif_Surface::oif_Surface(const ddb_Set& set, const ddb_Assembly& assembly)
    : name_(set.setLabel()), internal_(set.set().internal()) {
  std::vector<cow_String> reached;
  for (const rgnC_SubsetData& subset : set.set().SubSets()) {
    for (const auto& [name, instance] : assembly.instance()) {
      if (!instance->isPartInstance()) continue;
      const auto& partInstance = nex_canDynamicCastRef<ddb_PartInstance>(*instance, "oif/impl/oif_Sets", __LINE__);
      if (partInstance.mesh().index() != subset.meshIndex()) continue;
      if (std::find(reached.begin(), reached.end(), name) == reached.end()) {
        reached.push_back(name);
        subSurfaces_.emplace_back(set, partInstance, name);
      }
      break;
    }
  }
}

oif_Surface::oif_Surface(const cow_String& surfaceName, const cow_String& nodeSetName)
    : name_(surfaceName), namePrintable_(true), nodeSetNames_{nodeSetName} {}

std::vector<oif_Surface::Face> oif_Surface::Faces() const {
  if (!set_) return {};
  oif_SetLabels members = oif_LabelsOnMesh(*set_, mesh_);
  std::map<cow_String, std::vector<int>> groups;
  for (std::size_t i = 0; i < members.labels.size(); ++i) groups[members.faces[i]].push_back(members.labels[i]);
  std::vector<Face> faces;
  faces.reserve(groups.size());
  for (auto& [identifier, labels] : groups) faces.push_back({identifier, std::move(labels)});
  return faces;
}

cow_String oif_Surface::FaceSetName(const cow_String& identifier) const {
  return "_" + name_ + "_" + identifier;
}

void oif_Surface::WriteFaceSets(utl_Stream& stream, const std::vector<Face>& faces) const {
  for (const Face& face : faces) {
    const oif_LabelList list(face.labels, false);
    oif_KeywordLine line(stream, "*Elset");
    line.Name("elset", FaceSetName(face.identifier));
    if (!instanceName_.empty()) line.Name("instance", instanceName_);
    line.Flag("internal");
    if (list.Generated()) line.Flag("generate");
    line.End();
    list.Write(stream);
  }
}

void oif_Surface::WriteFaceLines(utl_Stream& stream, const std::vector<Face>& faces) const {
  for (const Face& face : faces)
    (oif_DataLine(stream).Name(FaceSetName(face.identifier)) << face.identifier).End();
}

void oif_Surface::WriteSurfaceLine(utl_Stream& stream, const char* type) const {
  oif_KeywordLine line(stream, "*Surface");
  line.Param("type", type);
  if (namePrintable_)
    line.Param("name", name_);
  else
    line.Name("name", name_);
  if (internal_) line.Flag("internal");
  line.End();
}

void oif_Surface::Write(utl_Stream& stream) const {
  if (!subSurfaces_.empty()) {
    std::vector<std::vector<Face>> faces;
    faces.reserve(subSurfaces_.size());
    bool any = false;
    for (const oif_Surface& sub : subSurfaces_) {
      faces.push_back(sub.Faces());
      any = any || !faces.back().empty();
    }
    if (!any) return;
    for (std::size_t i = 0; i < subSurfaces_.size(); ++i) subSurfaces_[i].WriteFaceSets(stream, faces[i]);
    WriteSurfaceLine(stream, "ELEMENT");
    for (std::size_t i = 0; i < subSurfaces_.size(); ++i) subSurfaces_[i].WriteFaceLines(stream, faces[i]);
    return;
  }
  if (!nodeSetNames_.empty()) {
    WriteSurfaceLine(stream, "NODE");
    for (const cow_String& nodeSet : nodeSetNames_) (oif_DataLine(stream) << nodeSet << 1.0).End();
    return;
  }
  const std::vector<Face> faces = Faces();
  if (faces.empty()) return;
  WriteFaceSets(stream, faces);
  WriteSurfaceLine(stream, "ELEMENT");
  WriteFaceLines(stream, faces);
}
