#include "oif/impl/oif_Element.h"

#include <algorithm>
#include <map>
#include <vector>

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_Model.h"
#include "oif/impl/oif_ParallelLines.h"
#include "oif/impl/oif_Region.h"
#include "zkw/zkw_VelornName.h"

namespace {

int DigitCount(int value) {
  int digits = 1;
  for (; value >= 10; value /= 10) ++digits;
  return digits;
}

}  // namespace

// ---------------------------------------------------------------------------
// oif_Element

oif_Element::oif_Element(int elementOffset, int nodeOffset, const ddb_ElementClass& elementClass,
                         const ddb_Mesh& mesh)
    : elementOffset_(elementOffset), nodeOffset_(nodeOffset), class_(&elementClass), mesh_(mesh) {}

void oif_Element::Write(utl_Stream& stream) const {
  const ddb_ElementClass& elementClass = *class_;
  const int perElement = elementClass.numNodesPerElement();
  const int* connectivity = elementClass.elementConnectivity().data();
  const std::size_t entries = elementClass.elementConnectivity().size();
  const int* nodeLabels = mesh_.nodeData().UserNodeLabels().data();
  const std::vector<int>& elementLabels = elementClass.userElementLabelsAsFlatArray();

  int largestNode = 0;
  for (std::size_t i = 0; i < entries; ++i) largestNode = std::max(largestNode, nodeLabels[connectivity[i]]);
  const int nodeDigits = DigitCount(largestNode);
  const int nodeWidth = nodeDigits < 7 ? nodeDigits + 1 : 7;
  int largestElement = 0;
  for (int label : elementLabels) largestElement = std::max(largestElement, label);
  const int elementWidth = DigitCount(largestElement);
  const cow_String indent(std::size_t(elementWidth) + 1, ' ');

  oif_WriteLinesInParallel(stream, elementLabels.size(), [&](utl_Stream& out, std::size_t begin, std::size_t end) {
    for (std::size_t e = begin; e < end; ++e) {
      out.Print(elementLabels[e], elementWidth);
      out << ',';
      const int* nodes = connectivity + e * std::size_t(perElement);
      // The element label is item 1 of the line; node k is item k + 2.
      for (int k = 0; k < perElement; ++k) {
        const int item = k + 2;
        if (item % 16 == 1) out << indent;
        out.Print(nodeLabels[nodes[k]], nodeWidth);
        if (k == perElement - 1) {
          out.LineBreak();
        } else if (item % 16 == 0) {
          out << ',';
          out.LineBreak();
        } else {
          out << ',';
        }
      }
    }
  });
}

// ---------------------------------------------------------------------------
// oif_ElementFromMesh

oif_ElementFromMesh::oif_ElementFromMesh(const ddb_PartInstance& instance, zkw_ModelInfo& info)
    : info_(&info), instanceName_(instance.name()), mesh_(instance.mesh()) {}

void oif_ElementFromMesh::Write(utl_Stream& stream) const {
  const ddb_ElementData& elements = mesh_.elementData();
  const int elementOffset = info_->ElementOffset(instanceName_);
  const int nodeOffset = info_->NodeOffset(instanceName_);
  std::map<cow_String, std::vector<oif_Element>> groups;
  for (int i = 0; i < elements.numClasses(); ++i) {
    const ddb_ElementClass& elementClass = elements.elementClass(i);
    const cow_String& type = elementClass.elementTypeLabel();
    if (type.find("SURF") != cow_String::npos) continue;
    groups[type].emplace_back(elementOffset, nodeOffset, elementClass, mesh_);
  }
  for (const auto& [type, members] : groups) {
    oif_KeywordLine(stream, "*Element").ParamNoBreak("type", type).End();
    for (const oif_Element& member : members) member.Write(stream);
  }
  stream.Flush();
}

// ---------------------------------------------------------------------------
// oif_AssemblyElement

oif_AssemblyElement::oif_AssemblyElement(const rgnC_Region& region, const cow_String& sectionName,
                                         zkw_ModelInfo& info)
    : region_(region), sectionName_(sectionName), info_(&info) {}

void oif_AssemblyElement::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Element").ParamNoBreak("type", "CONN3D2").End();
  const ddb_Model& model = oif_ModelOf(info_->Model()).DdbModel();
  const ddb_Set* set = oif_RegionSet(model, region_);
  if (set == nullptr) return;
  for (const rgnC_SubsetData& subset : set->set().SubSets()) {
    if (subset.elementClass() < 0) continue;
    const ddb_Mesh& mesh = model.mesh(subset.meshIndex());
    const ddb_ElementClass& elementClass = mesh.elementData().elementClass(subset.elementClass());
    const ddb_ScopedNodeData nodes = mesh.scopedNodeData();
    const int perElement = elementClass.numNodesPerElement();
    for (int index : subset.indices()) {
      oif_DataLine data(stream);
      data << elementClass.userElementLabelsAsFlatArray()[std::size_t(index)];
      const int* connectivity = elementClass.elementConnectivity().data() + std::size_t(index) * std::size_t(perElement);
      for (int k = 0; k < perElement; ++k) {
        const int node = connectivity[k];
        if (nodes.isNativeNode(node))
          data << nodes.userLabel(node);
        else
          data.QualifiedLabel(nodes.partInstanceName(node), nodes.userLabel(node));
      }
      data.End();
    }
  }
}
