#include "modelfile/mfl_Loader.h"

#include "modelfile/mfl_Check.h"

#include "modelfile/mfl_Connectors.h"
#include "modelfile/mfl_Conditions.h"
#include "modelfile/mfl_Fields.h"
#include "modelfile/mfl_Interactions.h"
#include "modelfile/mfl_Loads.h"
#include "modelfile/mfl_ModelFile.h"
#include "modelfile/mfl_OutputRequests.h"
#include "modelfile/mfl_Text.h"

namespace mfl {

std::string ReadKeywordText(const Ref& ref) {
  if (ref.IsString()) {
    std::string text = ref.AsString();
    CheckNoControls(ref, text, "model.text", "keyword text", "\n\t");
    return text;
  }
  if (!ref.IsArray()) ref.Fail("model.type", "expected keyword text: a text or an array of lines");
  std::string text;
  bool first = true;
  ref.ForEachElement([&](const Ref& line) {
    if (!first) text += '\n';
    const std::string lineText = line.AsString();
    CheckNoControls(line, lineText, "model.text", "keyword text", "\n\t");
    text += lineText;
    first = false;
  });
  return text;
}

std::string ReadName(const Ref& ref) {
  std::string name = ref.AsString();
  if (name.empty()) ref.Fail("model.name", "a name must not be empty");
  if (name.find_first_of("\"\n\r") != std::string::npos)
    ref.Fail("model.name", "a name must not contain double quotes or line breaks");
  CheckNoControls(ref, name, "model.name", "a name");
  return name;
}

std::string ReadQualifiableName(const Ref& ref) {
  std::string name = ReadName(ref);
  if (name.find('.') != std::string::npos)
    ref.Fail("model.name", "instance, set and surface names must not contain \".\": the deck joins them with "
                           "\".\" (\"Instance.Set\")");
  return name;
}

void CheckUnique(const Ref& nameRef, const std::string& name, std::map<std::string, std::size_t>& seen,
                 const char* what) {
  if (!seen.emplace(name, seen.size()).second)
    nameRef.Fail("model.duplicate-name", std::string("there is already a ") + what + " named \"" + name + "\"");
}

Loader::Loader(Document& document)
    : document_(&document), contents_(std::make_shared<ddb_ModelContents>()) {}

std::size_t Loader::StepIndex(const Ref& ref) const {
  const std::string name = ref.AsString();
  if (auto it = stepIndex_.find(name); it != stepIndex_.end()) return it->second;
  ref.Fail("model.unknown-reference", "no step named \"" + name + "\"");
}

ddb_Model Loader::Load() {
  const Ref root = Root();
  if (!root.IsObject()) root.Fail("model.type", "a model file holds one JSON object");
  root.AllowOnly({"format", "version", "description", "headKeywords", "keywords", "parts", "assembly",
                  "datums", "steps", "controls", "solverControls", "materials", "beamProfiles", "sections",
                  "constraints", "cyclicSymmetry", "connectors", "amplitudes", "boundaryConditions",
                  "fields", "loads", "outputRequests", "interactionProperties", "contactControls", "interactions"});
  if (root.Get("format").AsString() != "oif-model")
    root.Get("format").Fail("model.format", "not an oif model file: \"format\" must be \"oif-model\"");
  const Ref version = root.Get("version");
  if (version.AsInt() != mfl_ModelFile::FormatVersion)
    version.Fail("model.version", "unsupported format version " + std::to_string(version.AsInt()) +
                                      "; this reader reads version " +
                                      std::to_string(mfl_ModelFile::FormatVersion));
  if (root.Has("description")) root.Get("description").AsString();  // documentation only
  if (root.Has("headKeywords")) contents_->topLevelInput = ReadKeywordText(root.Get("headKeywords"));
  if (root.Has("keywords")) contents_->input = ReadKeywordText(root.Get("keywords"));

  if (root.Has("datums")) LoadDatums(root.Get("datums"));
  if (root.Has("parts")) LoadParts(root.Get("parts"));
  if (root.Has("assembly")) LoadAssembly(root.Get("assembly"));
  std::set<int> wireSets;
  if (root.Has("connectors")) wireSets = ReadConnectorWires(*this, root.Get("connectors"));
  CheckAssemblyElements(*this, root, wireSets);
  if (root.Has("amplitudes")) ReadAmplitudes(root.Get("amplitudes"), *contents_);
  LoadSteps(root);
  ReadBoundaryConditions(*this, root, *contents_);
  ReadFields(*this, root, *contents_);
  ReadLoads(*this, root, *contents_);
  ReadOutputRequests(*this, root, *contents_);
  if (root.Has("materials")) ReadMaterials(root.Get("materials"), *contents_);
  if (root.Has("beamProfiles")) ReadBeamProfiles(root.Get("beamProfiles"), *contents_);
  if (root.Has("sections")) ReadSections(root.Get("sections"), *contents_);
  if (root.Has("parts")) ReadPartAttributes(root.Get("parts"), *contents_);
  ReadConstraints(*this, root);
  if (root.Has("connectors")) ReadConnectorSections(*this, root.Get("connectors"));
  ReadInteractions(*this, root, *contents_);
  return ddb_Model(contents_);
}

}  // namespace mfl

namespace {
/// The output database of one model read from `document`; the document (and
/// the file text it holds) is released when the caller's temporary ends.
odb_Odb OdbOf(mfl::Document document, std::vector<mfl_CheckWarning>* leftOut = nullptr) {
  mfl::Loader loader(document);
  ddb_Ddb ddb;
  ddb.addModel(loader.Load());
  if (leftOut != nullptr) {
    std::vector<mfl_CheckWarning> warnings = mfl::CollectLeftOutWarnings(document);
    leftOut->insert(leftOut->end(), warnings.begin(), warnings.end());
  }
  return odb_Odb(ddb);
}
}  // namespace

odb_Odb mfl_ModelFile::Open(const std::string& path) { return OdbOf(mfl::Document::Load(path)); }

odb_Odb mfl_ModelFile::FromDocument(mfl::Document document) { return OdbOf(std::move(document)); }

odb_Odb mfl_ModelFile::FromDocument(mfl::Document document, std::vector<mfl_CheckWarning>& leftOut) {
  return OdbOf(std::move(document), &leftOut);
}

odb_Odb mfl_ModelFile::Parse(std::string_view text, const std::string& displayName) {
  return OdbOf(mfl::Document::Parse(text, displayName));
}

odb_Odb mfl_ModelFile::Open(const std::string& path, std::vector<mfl_CheckWarning>& leftOut) {
  return OdbOf(mfl::Document::Load(path), &leftOut);
}

odb_Odb mfl_ModelFile::Parse(std::string_view text, const std::string& displayName,
                             std::vector<mfl_CheckWarning>& leftOut) {
  return OdbOf(mfl::Document::Parse(text, displayName), &leftOut);
}
