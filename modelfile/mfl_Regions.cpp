// Set references: the region of a named set of an instance or of the assembly.
#include "modeldb/rgnC_SetData.h"
#include "modelfile/mfl_Loader.h"
#include "modelfile/mfl_Members.h"

namespace mfl {

namespace {
const char* KindName(int kind) {
  switch (kind) {
    case rgnC_SetData::NodeSet: return "node set";
    case rgnC_SetData::ElementSet: return "element set";
    default: return "surface";
  }
}

}  // namespace

template <class Sets>
const std::vector<int>* Loader::SetPositions(const std::string& owner, const Sets& sets, int count,
                                             const std::string& name) const {
  SetPositionIndex& names = setPositions_[owner];
  if (names.indexed > count) names = SetPositionIndex{};  // not the sets indexed before: start again
  for (; names.indexed < count; ++names.indexed) names.positions[sets(names.indexed).setLabel()].push_back(names.indexed);
  auto found = names.positions.find(name);
  return found == names.positions.end() ? nullptr : &found->second;
}

namespace {
/// Position of the set named `name` (`positions`, in set order), preferring
/// one of the wanted kinds (a node set and an element set may share a
/// name), or -1.
template <class Sets>
int Find(const Sets& sets, const std::vector<int>* positions, std::initializer_list<int> kinds) {
  if (!positions) return -1;
  for (int i : *positions)
    for (int kind : kinds)
      if (sets(i).setType() == kind) return i;
  return positions->front();
}

/// A set reference as the file gives it: the set's name and, for a set of a
/// part instance, the instance (which must be one).
struct SetReference {
  std::string set;
  const ddb_Mesh* mesh = nullptr;  // the instance's mesh; nullptr: the assembly
  std::string instance;
};

const Members<SetReference, ddb_ModelContents>& SetReferenceMembers() {
  static const Members<SetReference, ddb_ModelContents> members = [] {
    Members<SetReference, ddb_ModelContents> m;
    m.String("set", &SetReference::set)
        .Required()
        .Custom("instance", [](const ddb_ModelContents& contents, const Ref& instanceRef, SetReference& reference) {
          reference.instance = instanceRef.AsString();
          const auto& instances = contents.assembly.instances;
          if (!instances.IsMember(reference.instance) || !instances.ConstGet(reference.instance).isPartInstance())
            instanceRef.Fail("model.unknown-reference", "no part instance named \"" + reference.instance + "\"");
          reference.mesh = &static_cast<const ddb_PartInstance&>(instances.ConstGet(reference.instance)).mesh();
        });
    return m;
  }();
  return members;
}
}  // namespace

rgnC_Region Loader::SetRegion(const Ref& ref, std::initializer_list<int> kinds) const {
  SetReference reference;
  SetReferenceMembers().ReadObject(*contents_, ref, reference);
  const Ref setRef = ref.Get("set");
  const std::string& name = reference.set;
  const ddb_Set* set = nullptr;
  rgnC_Region region;
  if (reference.mesh) {
    const ddb_Mesh& mesh = *reference.mesh;
    const auto sets = [&](int i) -> const ddb_Set& { return mesh.set(i); };
    const int index = Find(sets, SetPositions("instance " + reference.instance, sets, mesh.numSets(), name), kinds);
    if (index < 0)
      setRef.Fail("model.unknown-reference",
                  "instance \"" + reference.instance + "\" has no set named \"" + name + "\"");
    set = &mesh.set(index);
    region = rgnC_Region::OfMeshSet(mesh.index(), index);
  } else {
    const ddb_Assembly& assembly = contents_->assembly;
    const auto sets = [&](int i) -> const ddb_Set& { return assembly.set(i); };
    const int index = Find(sets, SetPositions("assembly", sets, assembly.numSets(), name), kinds);
    if (index < 0)
      setRef.Fail("model.unknown-reference",
                  "the assembly has no set named \"" + name + "\" (name the instance of an instance's set)");
    set = &assembly.set(index);
    region = rgnC_Region::OfAssemblySet(index);
  }
  std::string wanted;
  for (int kind : kinds) {
    if (set->setType() == kind) return region;
    wanted += (wanted.empty() ? "" : " or ") + std::string(KindName(kind));
  }
  auto article = [](std::string_view noun) { return noun.front() == 'e' ? "an " : "a "; };
  const std::string kind = KindName(set->setType());
  setRef.Fail("model.type", "\"" + name + "\" is " + article(kind) + kind + "; expected " + article(wanted) + wanted);
}

}  // namespace mfl
