#include "modelfile/mfl_Loader.h"

#include <cmath>

#include "modelfile/mfl_ModelFile.h"

namespace mfl {

std::string ReadKeywordText(const Ref& ref) {
  if (ref.IsString()) return ref.AsString();
  if (!ref.IsArray()) ref.Fail("model.type", "expected keyword text: a text or an array of lines");
  std::string text;
  bool first = true;
  ref.ForEachElement([&](const Ref& line) {
    if (!first) text += '\n';
    text += line.AsString();
    first = false;
  });
  return text;
}

std::string ReadName(const Ref& ref) {
  std::string name = ref.AsString();
  if (name.empty()) ref.Fail("model.name", "a name must not be empty");
  if (name.find_first_of("\"\n\r") != std::string::npos)
    ref.Fail("model.name", "a name must not contain double quotes or line breaks");
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
  for (std::size_t i = 0; i < stepNames_.size(); ++i)
    if (stepNames_[i] == name) return i;
  ref.Fail("model.unknown-reference", "no step named \"" + name + "\"");
}

ddb_Model Loader::Load() {
  const Ref root = Root();
  if (!root.IsObject()) root.Fail("model.type", "a model file holds one JSON object");
  root.AllowOnly({"format", "version", "description", "headKeywords", "keywords", "parts", "assembly",
                  "datums", "steps", "controls", "solverControls", "materials", "sections"});
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
  LoadSteps(root);
  if (root.Has("materials")) ReadMaterials(root.Get("materials"), *contents_);
  if (root.Has("sections")) ReadSections(root.Get("sections"), *contents_);
  return ddb_Model(contents_);
}

void Loader::LoadParts(const Ref& parts) {
  std::map<std::string, std::size_t> seen;
  parts.ForEachElement([&](const Ref& partRef) {
    partRef.AllowOnly({"name", "keywords", "mesh"});
    auto part = std::make_shared<ddb_Part>();
    part->partName = ReadName(partRef.Get("name"));
    CheckUnique(partRef.Get("name"), part->partName, seen, "part");
    if (partRef.Has("keywords")) part->input = ReadKeywordText(partRef.Get("keywords"));
    part->contents = partRef.Has("mesh") ? ReadMesh(partRef.Get("mesh")) : std::make_shared<ddb_MeshContents>();
    contents_->parts.Add(part->partName, part);
  });
}

namespace {
std::array<float, 3> ReadTriple(const Ref& ref) {
  std::vector<float> values = ref.Floats();
  if (values.size() != 3) ref.Fail("model.size", "expected 3 numbers, found " + std::to_string(values.size()));
  return {values[0], values[1], values[2]};
}

gsl_Vector ReadVector(const Ref& ref) {
  std::vector<double> values = ref.Reals();
  if (values.size() != 3) ref.Fail("model.size", "expected 3 numbers, found " + std::to_string(values.size()));
  return {values[0], values[1], values[2]};
}
}  // namespace

void Loader::LoadAssembly(const Ref& assemblyRef) {
  assemblyRef.AllowOnly({"name", "keywords", "instances"});
  ddb_Assembly& assembly = contents_->assembly;
  if (assemblyRef.Has("name")) assembly.assemblyName = ReadName(assemblyRef.Get("name"));
  if (assemblyRef.Has("keywords")) assembly.input = ReadKeywordText(assemblyRef.Get("keywords"));
  if (!assemblyRef.Has("instances")) return;

  std::map<std::string, std::size_t> seen;
  assemblyRef.Get("instances").ForEachElement([&](const Ref& ref) {
    ref.AllowOnly({"name", "part", "model", "keywords", "translation", "rotation"});
    const std::string name = ReadName(ref.Get("name"));
    CheckUnique(ref.Get("name"), name, seen, "instance");
    const std::string keywords = ref.Has("keywords") ? ReadKeywordText(ref.Get("keywords")) : std::string();
    std::shared_ptr<ddb_BaseInstance> instance;
    if (ref.Has("part") == ref.Has("model"))
      ref.Fail("model.instance", "an instance names either a \"part\" or another \"model\"");
    if (ref.Has("part")) {
      const Ref partRef = ref.Get("part");
      const std::string partName = partRef.AsString();
      auto part = contents_->parts.PositionOf(partName) < 0 ? nullptr
                                                              : contents_->parts.SharedAt(std::size_t(
                                                                    contents_->parts.PositionOf(partName)));
      if (!part) partRef.Fail("model.unknown-reference", "no part named \"" + partName + "\"");
      ddb_Mesh mesh(NewMeshIndex(), part->contents);
      contents_->meshes.emplace(mesh.index(), mesh);
      instance = std::make_shared<ddb_PartInstance>(name, keywords, partName, mesh);
    } else {
      instance = std::make_shared<ddb_ModelInstance>(name, keywords, ReadName(ref.Get("model")));
    }
    std::array<float, 6> transform{};
    if (ref.Has("translation")) {
      auto t = ReadTriple(ref.Get("translation"));
      std::copy(t.begin(), t.end(), transform.begin());
    }
    if (ref.Has("rotation")) {
      auto r = ReadTriple(ref.Get("rotation"));
      std::copy(r.begin(), r.end(), transform.begin() + 3);
    }
    instance->setTransform(transform);
    assembly.instances.Add(name, instance);
  });
}

void Loader::LoadDatums(const Ref& datums) {
  std::map<std::string, std::size_t> seen;
  datums.ForEachElement([&](const Ref& ref) {
    ref.AllowOnly({"name", "kind", "origin", "xAxis", "yAxis"});
    ddb_Datum datum;
    datum.id = int(contents_->datums.size()) + 1;
    datum.datumName = ReadName(ref.Get("name"));
    CheckUnique(ref.Get("name"), datum.datumName, seen, "datum");
    const Ref kind = ref.Get("kind");
    const std::string kindText = kind.AsString();
    if (kindText == "rectangular")
      datum.kind = ddb_Datum::Rectangular;
    else if (kindText == "cylindrical")
      datum.kind = ddb_Datum::Cylindrical;
    else if (kindText == "spherical")
      datum.kind = ddb_Datum::Spherical;
    else
      kind.Fail("model.enum", "unknown coordinate system kind \"" + kindText +
                                  "\"; expected rectangular, cylindrical or spherical");
    if (ref.Has("origin")) {
      gsl_Vector o = ReadVector(ref.Get("origin"));
      datum.origin = gsl_Point(o.x(), o.y(), o.z());
    }
    if (ref.Has("xAxis")) datum.xAxis = ReadVector(ref.Get("xAxis"));
    if (ref.Has("yAxis")) datum.yAxis = ReadVector(ref.Get("yAxis"));
    const double lx = datum.xAxis.Length();
    if (lx <= gsl_Util::Tolerance) ref.Get("xAxis").Fail("model.geometry", "the x axis has no length");
    datum.xAxis = datum.xAxis * (1.0 / lx);
    gsl_Vector z = datum.xAxis.Cross(datum.yAxis);
    if (z.Length() <= gsl_Util::Tolerance)
      ref.Fail("model.geometry", "the x and y axes of a coordinate system must not be parallel");
    datum.zAxis = z * (1.0 / z.Length());
    datum.yAxis = datum.zAxis.Cross(datum.xAxis);
    contents_->datums.push_back(datum);
  });
}

}  // namespace mfl

odb_Odb mfl_ModelFile::Open(const std::string& path) {
  mfl::Document document = mfl::Document::Load(path);
  mfl::Loader loader(document);
  ddb_Ddb ddb;
  ddb.addModel(loader.Load());
  return odb_Odb(ddb);
}

odb_Odb mfl_ModelFile::Parse(std::string_view text, const std::string& displayName) {
  mfl::Document document = mfl::Document::Parse(text, displayName);
  mfl::Loader loader(document);
  ddb_Ddb ddb;
  ddb.addModel(loader.Load());
  return odb_Odb(ddb);
}
