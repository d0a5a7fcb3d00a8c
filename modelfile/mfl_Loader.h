#pragma once
// The model file loader's shared state and the loaders of each area of the
// model. Each area reads its members of the file into ddb_ModelContents and
// checks every reference by name.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "modeldb/ddb_Model.h"
#include "modeldb/kseC_SectionKind.h"
#include "modeldb/omu_PrimEnum.h"
#include "modelfile/mfl_Json.h"
#include "modelfile/mfl_Mesh.h"

namespace mfl {

class Loader {
 public:
  explicit Loader(Document& document);

  /// Reads the whole document into a model.
  ddb_Model Load();

  Document& document() noexcept { return *document_; }
  ddb_ModelContents& contents() noexcept { return *contents_; }
  const ddb_ModelContents& contents() const noexcept { return *contents_; }
  Ref Root() const { return Ref(*document_, document_->Root(), ""); }

  /// Step names in analysis order (known once the steps are read).
  const std::vector<std::string>& StepNames() const noexcept { return stepNames_; }
  /// Position of a step named by `ref` (a text); refuses unknown names.
  std::size_t StepIndex(const Ref& ref) const;

  /// Next free mesh index (the assembly's own mesh has index 0).
  int NewMeshIndex() noexcept { return nextMeshIndex_++; }
  /// Label indexes of a part instance's mesh (nullptr when there is no such
  /// part instance), while loading.
  const MeshLabels* InstanceLabels(const std::string& instance) const;

  /// The region of a set reference {"set": NAME, "instance": NAME}: a set of
  /// that part instance, or of the assembly when no instance is given. The
  /// set must be of one of `kinds` (rgnC_SetData::Kind); refuses anything else.
  rgnC_Region SetRegion(const Ref& ref, std::initializer_list<int> kinds) const;

 private:
  void LoadParts(const Ref& parts);
  void LoadAssembly(const Ref& assembly);
  void LoadDatums(const Ref& datums);
  /// The steps with their controls (members "steps", "controls" and
  /// "solverControls" of the root); in mfl_Steps.cpp.
  void LoadSteps(const Ref& root);
  void LoadAssemblySets(const Ref& sets);

  struct InstanceMesh {
    int meshIndex;
    std::shared_ptr<const MeshLabels> labels;
  };
  /// Positions of the sets of one mesh (or of the assembly) by name, for the
  /// set references; extended as sets are added.
  struct SetPositionIndex {
    int indexed = 0;
    std::unordered_map<std::string, std::vector<int>> positions;
  };
  /// The positions of the sets named `name` among the `count` sets of
  /// `owner` ("instance NAME" or "assembly"), in set order. Sets are only
  /// ever added while loading, so the index of an owner only grows.
  template <class Sets>
  const std::vector<int>* SetPositions(const std::string& owner, const Sets& sets, int count,
                                       const std::string& name) const;

  Document* document_;
  std::shared_ptr<ddb_ModelContents> contents_;
  std::vector<std::string> stepNames_;
  std::unordered_map<std::string, std::size_t> stepIndex_;  // position of each step name
  int nextMeshIndex_ = 1;
  std::map<std::string, std::shared_ptr<const MeshLabels>> partLabels_;
  std::map<std::string, InstanceMesh> instanceMeshes_;
  std::shared_ptr<const MeshLabels> assemblyLabels_;
  mutable std::unordered_map<std::string, SetPositionIndex> setPositions_;
};

/// Keyword text stored with a model object: a text, or an array of lines
/// (joined with line feeds).
std::string ReadKeywordText(const Ref& ref);

/// A name: a non-empty text without double quotes or line breaks.
std::string ReadName(const Ref& ref);

/// A name of an instance, set or surface: cited instance-qualified
/// ("Instance.Set"), it must not contain ".".
std::string ReadQualifiableName(const Ref& ref);

/// Refuses a name already in `seen` ("model.duplicate-name").
void CheckUnique(const Ref& nameRef, const std::string& name, std::map<std::string, std::size_t>& seen,
                 const char* what);

/// The number of an enumerated value, given by its text or its number.
int ReadEnum(const Ref& ref, const omu_PrimEnumBase& enumeration);

/// Reads the materials ([{"name": ..., "<behaviour>": {...}}, ...]) into the
/// material repository.
void ReadMaterials(const Ref& materials, ddb_ModelContents& contents);

/// Section kinds by their name in the model file; a reader may look at what
/// is read already (the materials).
using SectionFactory =
    std::function<std::shared_ptr<kseC_Section>(const std::string& name, const Ref& section,
                                                 const ddb_ModelContents& contents)>;
const std::map<std::string, SectionFactory, std::less<>>& SectionKinds();
/// The members a section of `kind` may have in the model file.
std::vector<std::string_view> SectionKindMembers(kseC_SectionKind kind);
/// Reads the sections ([{"name": ..., "kind": ..., ...}]); after the
/// materials and the beam profiles.
void ReadSections(const Ref& sections, ddb_ModelContents& contents);
/// Reads the beam profiles ([{"name": ..., "kind": ..., ...}]).
void ReadBeamProfiles(const Ref& profiles, ddb_ModelContents& contents);
/// Reads the members "sectionAssignments", "elementControls",
/// "beamOrientations" and "materialOrientations" of every part (after the
/// sections) and gives each part instance its assignments.
void ReadPartAttributes(const Ref& parts, ddb_ModelContents& contents);

/// Reads the assembly's reference points ([{"name": ..., "node": LABEL}]):
/// each names a node of the assembly's mesh and is cited through an assembly
/// node set of its name, added after the assembly's sets.
void ReadReferencePoints(const Ref& points, const MeshLabels* assemblyLabels, ddb_Assembly& assembly);
/// Reads the members "cyclicSymmetry" and "constraints" of the root; after
/// the assembly and the datums.
void ReadConstraints(Loader& loader, const Ref& root);

}  // namespace mfl
