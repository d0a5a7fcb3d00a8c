#include "oif/impl/oif_PartAttributesBuilder.h"

#include <array>
#include <limits>
#include <set>
#include <vector>

#include "modeldb/kseC_Sections.h"
#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_Model.h"
#include "oif/impl/oif_Orientation.h"
#include "oif/impl/oif_SetName.h"
#include "oif/impl/oif_Sets.h"
#include "oif/impl/oif_SectionKinds.h"
#include "oif/impl/oif_Sections.h"

namespace {

constexpr unsigned kNone = std::numeric_limits<unsigned>::max();

/// The four indices of an element: section assignment, element controls,
/// beam orientation, material orientation (kNone: none).
using PropertyKey = std::array<unsigned, 4>;
enum : std::size_t { kSection = 0, kControls = 1, kBeamOrientation = 2, kMaterialOrientation = 3 };

/// Calls f(class, index) for every element of a region of `mesh` (a named
/// element set of the mesh; anything else holds no elements).
template <class F>
void ForEachElement(const ddb_Mesh& mesh, const rgnC_Region& region, F&& f) {
  const int setIndex = region.ConstSet();
  if (setIndex < 0 || setIndex >= mesh.numSets()) return;
  const rgnC_SetData& set = mesh.set(setIndex).set();
  if (set.kind() != rgnC_SetData::ElementSet) return;
  for (const rgnC_SubsetData& subset : set.SubSets()) {
    if (subset.elementClass() < 0 || subset.elementClass() >= mesh.elementData().numClasses()) continue;
    if (subset.meshIndex() != mesh.index() && subset.meshIndex() != rgnC_SubsetData::kOwnMesh) continue;
    for (int index : subset.indices()) f(subset.elementClass(), index);
  }
}

/// The elements of an instance grouped by their property tuple (the work of
/// the model database's property map), with the element count of every
/// assignment's region.
struct PropertyMap {
  std::map<PropertyKey, std::vector<int>> labels;  // tuple -> element labels
  std::vector<int> regionCounts;                   // per section assignment
};

/// The name a block cites for a region: its set's name inside the part, or
/// "Picked" when it is not a named set.
cow_String RegionName(const rgnC_Region& region, zkw_ModelInfo& info) {
  if (region.ConstSet() < 0) return "Picked";
  return oif_SetName(region, info).Name(1);
}

}  // namespace

oif_PartAttributesBuilder::oif_PartAttributesBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_PartAttributesBuilder::Clone() const { return new oif_PartAttributesBuilder(*this); }

void oif_PartAttributesBuilder::Build() {
  for (const auto& [name, instance] : oif_ModelOf(*model).Instances()) {
    if (!instance->isPartInstance()) continue;
    BuildInstance(name, nex_canDynamicCastRef<ddb_PartInstance>(*instance, "oif/impl/oif_PartAttributesBuilder",
                                                                __LINE__));
  }
  BuildElementControls();
}

int oif_PartAttributesBuilder::ControlIndex(const bme_ElemCtrlParams& params) {
  for (const auto& [index, known] : controls_)
    if (known == params) return index;
  controls_.emplace(nextControl_, params);
  return nextControl_++;
}

void oif_PartAttributesBuilder::BuildInstance(const cow_String& name, const ddb_PartInstance& instance) {
  const ddb_Model& ddb = oif_ModelOf(*model).DdbModel();
  const ddb_Mesh& mesh = instance.mesh();
  const ddb_ElementData& elements = instance.elementData();
  const bool explicitAnalysis = info->HasExplicitStep();

  // 1a. Every element's property tuple; element controls per element class.
  std::vector<std::vector<PropertyKey>> keys(std::size_t(elements.numClasses()));
  for (int c = 0; c < elements.numClasses(); ++c) {
    unsigned control = kNone;
    if (std::size_t(c) < instance.elementControls().size()) {
      const bme_ElemCtrlParams& params = instance.elementControls()[std::size_t(c)];
      if (!params.IsDefault(explicitAnalysis ? bme_ElemCtrlParams::Explicit : bme_ElemCtrlParams::Standard))
        control = unsigned(ControlIndex(params));
    }
    keys[std::size_t(c)].assign(std::size_t(elements.elementClass(c).numElements()), {kNone, control, kNone, kNone});
  }
  auto assign = [&](const rgnC_Region& region, std::size_t slot, unsigned index) {
    int count = 0;
    ForEachElement(mesh, region, [&](int c, int i) {
      keys[std::size_t(c)].at(std::size_t(i))[slot] = index;
      ++count;
    });
    return count;
  };
  PropertyMap map;
  for (std::size_t a = 0; a < instance.sectionAssignments().size(); ++a)
    map.regionCounts.push_back(assign(instance.sectionAssignments()[a].region, kSection, unsigned(a)));
  for (std::size_t b = 0; b < instance.beamOrientations().size(); ++b)
    assign(instance.beamOrientations()[b].region, kBeamOrientation, unsigned(b));
  for (std::size_t m = 0; m < instance.materialOrientations().size(); ++m)
    assign(instance.materialOrientations()[m].region, kMaterialOrientation, unsigned(m));
  for (int c = 0; c < elements.numClasses(); ++c) {
    const std::vector<int>& userLabels = elements.elementClass(c).userElementLabelsAsFlatArray();
    for (std::size_t i = 0; i < keys[std::size_t(c)].size(); ++i)
      map.labels[keys[std::size_t(c)][i]].push_back(userLabels[i]);
  }

  // 1b. One block per tuple with a section, numbered over all tuples.
  const mdl_MapString2ObjCow<kseC_Section> sections = model->Sections();
  std::set<cow_String> orientationsWritten;
  int k = 0;
  for (const auto& [key, labels] : map.labels) {
    ++k;
    if (key[kSection] == kNone) continue;
    const ptoC_SectionAssignment& assignment = instance.sectionAssignments()[key[kSection]];

    const cow_String regionName = RegionName(assignment.region, *info);
    const bool ownSet = int(labels.size()) != map.regionCounts[key[kSection]];
    oif_SetName setName(assignment.region, *info);
    const cow_String elset = ownSet ? setName.Name("_I" + std::to_string(k), 1) : regionName;

    cow_String controls;
    bool defaultControls = false;
    if (key[kControls] != kNone)
      controls = "EC-" + std::to_string(key[kControls] + 1);
    else
      defaultControls = !controls_.empty();

    cow_String beamOrientation;
    gsl_Vector direction{0.0, 0.0, -1.0};
    if (key[kBeamOrientation] != kNone) {
      const ptoC_BeamOrientation& orientation = instance.beamOrientations()[key[kBeamOrientation]];
      beamOrientation = RegionName(orientation.region, *info);
      direction = orientation.direction;
    }

    cow_String materialOrientation;
    if (key[kMaterialOrientation] != kNone) {
      const ptoC_MaterialOrientation& orientation = instance.materialOrientations()[key[kMaterialOrientation]];
      materialOrientation = RegionName(orientation.region, *info);
      if (orientation.datum != 0) {
        materialOrientation = "Ori-" + std::to_string(key[kMaterialOrientation] + 1);
        if (orientationsWritten.insert(materialOrientation).second)
          AddInstanceDefinition(name, oif_Orientation(ddb, orientation, materialOrientation));
      }
    }

    cow_String comment = "Region: (" + assignment.sectionName + ":" + regionName + ")";
    if (!controls.empty())
      comment += ", (Controls:" + controls + ")";
    else if (defaultControls)
      comment += ", (Controls:Default)";
    if (!beamOrientation.empty()) comment += ", (Beam Orientation:" + beamOrientation + ")";
    if (!materialOrientation.empty()) comment += ", (Material Orientation:" + materialOrientation + ")";
    AddInstanceDefinition(name, oif_Comment(comment));
    if (ownSet) AddInstanceDefinition(name, oif_Elset(labels, elset, cow_String(), true));

    // 1c. The section keywords, by the section's kind.
    const std::shared_ptr<const kseC_Section> section = sections.GetShared(assignment.sectionName);
    if (!section) continue;
    const bool citeControls = assignment.controlsMode == ptoC_SectionAssignment::Controls ||
                              assignment.controlsMode == ptoC_SectionAssignment::ExplicitControls;
    const oif_SectionRow* row = oif_FindSectionRow(*section);
    if (row == nullptr)
      nex_TextException("Unimplemented section type " + assignment.sectionName)
          .Throw("oif/impl/oif_PartAttributesBuilder", __LINE__);
    row->add({section, oif_SectionNames{elset, materialOrientation, citeControls ? controls : cow_String()},
              assignment.sectionName, assignment.offset, direction, explicitAnalysis, *model,
              [&](const zkw_Keyword& keyword) { AddInstanceDefinition(name, keyword); }});
  }
}

void oif_PartAttributesBuilder::BuildElementControls() {
  std::map<int, bme_ElemCtrlParams> all = controls_;
  if (!all.empty()) all.emplace(-1, bme_ElemCtrlParams());
  const int standardAnalysis = info->HasExplicitStep() ? 0 : 1;
  bool headed = false;
  for (const auto& [key, params] : all) {
    const oif_SectionControls controls("EC-" + std::to_string(key + 1), params, standardAnalysis);
    if (!headed && !controls.IsEmpty()) {
      AddModelDefinition(oif_Comment("\nELEMENT CONTROLS\n"));
      headed = true;
    }
    AddModelDefinition(controls);
  }
}
