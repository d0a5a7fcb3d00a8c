// Reading of what a part assigns to its elements: the members
// "sectionAssignments", "elementControls", "beamOrientations" and
// "materialOrientations" of every part. They are read after the sections,
// and every part instance gets them with its regions on its own mesh.
#include <algorithm>
#include <array>

#include "modeldb/kseC_SectionKind.h"
#include "modelfile/mfl_Loader.h"
#include "modelfile/mfl_Members.h"

namespace mfl {

namespace {

/// An assignment's region as the part stores it: the index of an element
/// set in the part's set list.
int ElementSetIndex(const Ref& ref, const ddb_MeshContents& mesh, const std::string& part) {
  const std::string name = ref.AsString();
  for (std::size_t i = 0; i < mesh.sets.size(); ++i)
    if (mesh.sets[i]->setType() == ddb_Set::ElementSet && mesh.sets[i]->setLabel() == name) return int(i);
  ref.Fail("model.unknown-reference", "no element set named \"" + name + "\" in part \"" + part + "\"");
}

gsl_Vector Direction(const Ref& ref) {
  const std::vector<double> v = ref.Reals();
  if (v.size() != 3) ref.Fail("model.size", "expected 3 numbers, found " + std::to_string(v.size()));
  const gsl_Vector direction(v[0], v[1], v[2]);
  if (direction.Length() <= gsl_Util::Tolerance) ref.Fail("model.geometry", "the direction has no length");
  return direction;
}

/// Exactly N numbers.
template <std::size_t N>
std::array<double, N> Fixed(const Ref& ref) {
  const std::vector<double> v = ref.Reals();
  if (v.size() != N)
    ref.Fail("model.size", "expected " + std::to_string(N) + " numbers, found " + std::to_string(v.size()));
  std::array<double, N> values{};
  std::copy(v.begin(), v.end(), values.begin());
  return values;
}

/// The members of an element controls entry (besides its "elementType").
const Members<bme_ElemCtrlParams>& ControlsMembers() {
  using P = bme_ElemCtrlParams;
  static const Members<P> members = [] {
    Members<P> m;
    m.Enum("hourglass", &P::hourglass, P::HourglassEnm())
        .Enum("distortionControl", &P::distortion, P::DistortionEnm())
        .Custom("lengthRatio",
                [](const Ref& ref, P& params) {
                  params.lengthRatio = ref.AsDouble();
                  if (params.lengthRatio <= 0 || params.lengthRatio > 1)
                    ref.Fail("model.range", "expected a number greater than 0 and at most 1");
                })
        .Enum("kinematicSplit", &P::kinematicSplit, P::KinematicSplitEnm())
        .Enum("secondOrderAccuracy", &P::secondOrder, P::SecondOrderEnm())
        .Enum("stressRate", &P::stressRate, P::StressRateEnm())
        .Number("weightFactor", &P::weightFactor)
        .Custom("hourglassScaling", [](const Ref& ref, P& params) { params.hourglassScale = Fixed<3>(ref); })
        .Custom("bulkViscosityScaling",
                [](const Ref& ref, P& params) { params.bulkViscosityScale = Fixed<2>(ref); });
    return m;
  }();
  return members;
}

/// An element controls entry: the element type it is for (once per part)
/// and the controls.
struct ControlsEntry {
  std::map<std::string, std::size_t>& seen;
  std::string type;
  bme_ElemCtrlParams params;
};

const Members<ControlsEntry>& ControlsEntryMembers() {
  static const Members<ControlsEntry> members = [] {
    Members<ControlsEntry> m;
    m.Custom("elementType",
             [](const Ref& ref, ControlsEntry& entry) {
               entry.type = ref.AsString();
               CheckUnique(ref, entry.type, entry.seen, "element controls entry for the element type");
             })
        .Required()
        .Group(ControlsMembers().Names(),
               [](const Ref& owner, ControlsEntry& entry) { ControlsMembers().ReadInto(owner, entry.params); });
    return m;
  }();
  return members;
}

/// What the members of a part's attributes refer to: the part's mesh (its
/// element sets) and the model read so far (sections, datums).
struct PartContext {
  const ddb_MeshContents& mesh;
  const std::string& part;
  const ddb_ModelContents& contents;
};

/// An attribute as it is read: the attribute and the set index of its region.
template <class A>
struct Read {
  A attribute;
  int set = -1;
};

template <class A>
void Region(Members<Read<A>, PartContext>& m) {
  m.Custom("region", [](const PartContext& c, const Ref& ref, Read<A>& read) {
     read.set = ElementSetIndex(ref, c.mesh, c.part);
   }).Required();
}

const Members<Read<ptoC_SectionAssignment>, PartContext>& AssignmentMembers() {
  using R = Read<ptoC_SectionAssignment>;
  static const Members<R, PartContext> members = [] {
    Members<R, PartContext> m;
    Region(m);
    m.Custom("section",
             [](const PartContext& c, const Ref& ref, R& read) {
               read.attribute.sectionName = ref.AsString();
               const auto section = c.contents.sections.GetShared(read.attribute.sectionName);
               if (!section)
                 ref.Fail("model.unknown-reference", "no section named \"" + read.attribute.sectionName + "\"");
               // A section the writer has no form for is refused where it is used.
               if (const kseC_SectionKindInfo* kind = kseC_FindSectionKind(*section); kind && kind->unwritable)
                 ref.Fail("model.unsupported", "the writer cannot write section \"" + read.attribute.sectionName +
                                                   "\" of kind \"" + kind->fileName + "\" (" + kind->unwritable + ")");
             })
        .Required()
        .Custom("offset", [](const Ref& ref, R& read) { read.attribute.offset = ref.AsDouble(); })
        .Custom("controlsMode", [](const Ref& ref, R& read) {
          read.attribute.controlsMode = ref.AsInt();
          if (read.attribute.controlsMode < 0 || read.attribute.controlsMode > 2)
            ref.Fail("model.range", "expected 0, 1 or 2");
        });
    return m;
  }();
  return members;
}

const Members<Read<ptoC_BeamOrientation>, PartContext>& BeamOrientationMembers() {
  using R = Read<ptoC_BeamOrientation>;
  static const Members<R, PartContext> members = [] {
    Members<R, PartContext> m;
    Region(m);
    m.Custom("direction", [](const Ref& ref, R& read) { read.attribute.direction = Direction(ref); }).Required();
    return m;
  }();
  return members;
}

const Members<Read<ptoC_MaterialOrientation>, PartContext>& MaterialOrientationMembers() {
  using R = Read<ptoC_MaterialOrientation>;
  static const Members<R, PartContext> members = [] {
    Members<R, PartContext> m;
    Region(m);
    m.Custom("datum",
             [](const PartContext& c, const Ref& ref, R& read) {
               const std::string datum = ref.AsString();
               for (const ddb_Datum& known : c.contents.datums)
                 if (known.name() == datum) read.attribute.datum = known.id;
               if (read.attribute.datum == 0) ref.Fail("model.unknown-reference", "no datum named \"" + datum + "\"");
             })
        .Required()
        .Custom("axis",
                [](const Ref& ref, R& read) {
                  const int axis = ref.AsInt();
                  if (axis < 1 || axis > 3) ref.Fail("model.range", "expected the axis 1, 2 or 3");
                  read.attribute.axis = axis - 1;
                })
        .Custom("angle", [](const Ref& ref, R& read) { read.attribute.angle = ref.AsDouble(); });
    return m;
  }();
  return members;
}

/// The attributes of one part, regions given as set indices of the part.
struct PartAttributes {
  ddb_PartAttributes attributes;  // regions hold set indices, not yet a mesh
  std::vector<int> sectionSets, beamSets, materialSets;
};

PartAttributes ReadPart(const Ref& partRef, const ddb_Part& part, const ddb_ModelContents& contents) {
  PartAttributes result;
  const ddb_MeshContents& mesh = *part.contents;
  const ddb_ElementData& elements = mesh.elements;
  const PartContext context{mesh, part.name(), contents};
  if (partRef.Has("sectionAssignments")) {
    // Which assignment holds each element (per class), to refuse a second one.
    std::vector<std::vector<int>> owner(std::size_t(elements.numClasses()));
    for (int c = 0; c < elements.numClasses(); ++c)
      owner[std::size_t(c)].assign(std::size_t(elements.elementClass(c).numElements()), -1);
    const Ref list = partRef.Get("sectionAssignments");
    list.ForEachElement([&](const Ref& ref) {
      Read<ptoC_SectionAssignment> read;
      AssignmentMembers().ReadObject(context, ref, read);
      const int set = read.set;
      ptoC_SectionAssignment& assignment = read.attribute;
      const int index = int(result.sectionSets.size());
      for (const rgnC_SubsetData& subset : mesh.sets[std::size_t(set)]->set().SubSets()) {
        if (subset.elementClass() < 0) continue;
        for (int i : subset.indices()) {
          int& holder = owner[std::size_t(subset.elementClass())][std::size_t(i)];
          if (holder >= 0 && holder != index)
            ref.Get("region").Fail(
                "model.conflict",
                "element " + std::to_string(elements.elementClass(subset.elementClass()).userElementLabelsAsFlatArray()[std::size_t(i)]) +
                    " already has the section of sectionAssignments/" + std::to_string(holder));
          holder = index;
        }
      }
      result.sectionSets.push_back(set);
      result.attributes.sectionAssignments.push_back(std::move(assignment));
    });
  }
  if (partRef.Has("elementControls")) {
    result.attributes.elementControls.assign(std::size_t(elements.numClasses()), bme_ElemCtrlParams());
    std::map<std::string, std::size_t> seen;
    partRef.Get("elementControls").ForEachElement([&](const Ref& ref) {
      ControlsEntry entry{seen, {}, {}};
      ControlsEntryMembers().ReadObject(ref, entry);
      const Ref typeRef = ref.Get("elementType");
      const std::string& type = entry.type;
      const bme_ElemCtrlParams& params = entry.params;
      bool found = false;
      for (int c = 0; c < elements.numClasses(); ++c)
        if (elements.elementClass(c).elementTypeLabel() == type) {
          result.attributes.elementControls[std::size_t(c)] = params;
          found = true;
        }
      if (!found)
        typeRef.Fail("model.unknown-reference", "part \"" + part.name() + "\" has no elements of type \"" + type + "\"");
    });
  }
  if (partRef.Has("beamOrientations"))
    partRef.Get("beamOrientations").ForEachElement([&](const Ref& ref) {
      Read<ptoC_BeamOrientation> read;
      BeamOrientationMembers().ReadObject(context, ref, read);
      result.beamSets.push_back(read.set);
      result.attributes.beamOrientations.push_back(read.attribute);
    });
  if (partRef.Has("materialOrientations"))
    partRef.Get("materialOrientations").ForEachElement([&](const Ref& ref) {
      Read<ptoC_MaterialOrientation> read;
      MaterialOrientationMembers().ReadObject(context, ref, read);
      result.materialSets.push_back(read.set);
      result.attributes.materialOrientations.push_back(read.attribute);
    });
  return result;
}

/// The part's attributes with their regions on the mesh `meshIndex`.
std::shared_ptr<const ddb_PartAttributes> OnMesh(const PartAttributes& part, int meshIndex) {
  auto bound = std::make_shared<ddb_PartAttributes>(part.attributes);
  for (std::size_t i = 0; i < part.sectionSets.size(); ++i)
    bound->sectionAssignments[i].region = rgnC_Region::OfMeshSet(meshIndex, part.sectionSets[i]);
  for (std::size_t i = 0; i < part.beamSets.size(); ++i)
    bound->beamOrientations[i].region = rgnC_Region::OfMeshSet(meshIndex, part.beamSets[i]);
  for (std::size_t i = 0; i < part.materialSets.size(); ++i)
    bound->materialOrientations[i].region = rgnC_Region::OfMeshSet(meshIndex, part.materialSets[i]);
  return bound;
}

}  // namespace

void ReadPartAttributes(const Ref& parts, ddb_ModelContents& contents) {
  std::map<std::string, PartAttributes> byPart;
  parts.ForEachElement([&](const Ref& partRef) {
    if (!partRef.Has("sectionAssignments") && !partRef.Has("elementControls") && !partRef.Has("beamOrientations") &&
        !partRef.Has("materialOrientations"))
      return;
    const std::string name = partRef.Get("name").AsString();
    byPart.emplace(name, ReadPart(partRef, contents.parts.ConstGet(name), contents));
  });
  if (byPart.empty()) return;

  // Instances are shared and immutable: the container is made again with the
  // part instances that carry attributes.
  mdl_OrderedContainer<ddb_BaseInstance> instances;
  for (const auto& [name, instance] : contents.assembly.instances) {
    const auto* partInstance = dynamic_cast<const ddb_PartInstance*>(instance.get());
    const auto part = partInstance ? byPart.find(partInstance->partName()) : byPart.end();
    if (part == byPart.end()) {
      instances.Add(name, instance);
      continue;
    }
    auto withAttributes = std::make_shared<ddb_PartInstance>(*partInstance);
    withAttributes->setAttributes(OnMesh(part->second, partInstance->mesh().index()));
    instances.Add(name, withAttributes);
  }
  contents.assembly.instances = instances;
}

}  // namespace mfl
