// Reading parts, the assembly with its instances, its own mesh and its sets,
// and the datum coordinate systems.
#include <array>

#include "modelfile/mfl_Loader.h"
#include "modelfile/mfl_Members.h"
#include "modelfile/mfl_Text.h"

namespace mfl {

namespace {

gsl_Vector ReadVector(const Ref& ref) {
  std::vector<double> values = ref.Reals();
  if (values.size() != 3) ref.Fail("model.size", "expected 3 numbers, found " + std::to_string(values.size()));
  return {values[0], values[1], values[2]};
}

/// The members of a datum coordinate system.
/// What a datum is read with: the datum names so far.
struct DatumNames {
  std::map<std::string, std::size_t>& seen;
};

const Members<ddb_Datum, DatumNames>& DatumMembers() {
  static const Members<ddb_Datum, DatumNames> members = [] {
    static const EnumTable<ddb_Datum::Kind> kKinds = {{"rectangular", ddb_Datum::Rectangular},
                                                      {"cylindrical", ddb_Datum::Cylindrical},
                                                      {"spherical", ddb_Datum::Spherical}};
    Members<ddb_Datum, DatumNames> m;
    m.UniqueName("name", &ddb_Datum::datumName, "datum").Required();
    m.Custom("kind", [](const Ref& ref, ddb_Datum& datum) {
       datum.kind = ReadEnum(ref, kKinds, "coordinate system kind");
     }).Required();
    m.Custom("origin",
             [](const Ref& ref, ddb_Datum& datum) {
               const gsl_Vector o = ReadVector(ref);
               datum.origin = gsl_Point(o.x(), o.y(), o.z());
             })
        .Custom("xAxis", [](const Ref& ref, ddb_Datum& datum) { datum.xAxis = ReadVector(ref); })
        .Custom("yAxis", [](const Ref& ref, ddb_Datum& datum) { datum.yAxis = ReadVector(ref); });
    return m;
  }();
  return members;
}

}  // namespace

const MeshLabels* Loader::InstanceLabels(const std::string& instance) const {
  auto it = instanceMeshes_.find(instance);
  return it == instanceMeshes_.end() ? nullptr : it->second.labels.get();
}

void Loader::LoadParts(const Ref& parts) {
  struct Context {
    Loader& loader;
    std::map<std::string, std::size_t>& seen;
  };
  static const Members<ddb_Part, Context> members = [] {
    Members<ddb_Part, Context> m;
    m.UniqueName("name", &ddb_Part::partName, "part")
        .Required()
        .Custom("keywords", [](const Ref& ref, ddb_Part& part) { part.input = ReadKeywordText(ref); })
        .Custom("mesh",
                [](const Context& c, const Ref& ref, ddb_Part& part) {
                  LoadedMesh mesh = ReadMesh(ref, MeshScope{});
                  part.contents = std::move(mesh.contents);
                  c.loader.partLabels_[part.partName] = std::move(mesh.labels);
                })
        // Read after the sections (ReadPartAttributes).
        .Allow({"sectionAssignments", "elementControls", "beamOrientations", "materialOrientations"});
    return m;
  }();
  std::map<std::string, std::size_t> seen;
  const Context context{*this, seen};
  parts.ForEachElement([&](const Ref& partRef) {
    auto part = std::make_shared<ddb_Part>();
    members.ReadObject(context, partRef, *part);
    if (!partRef.Has("mesh")) {
      part->contents = std::make_shared<ddb_MeshContents>();
      partLabels_[part->partName] = std::make_shared<MeshLabels>();
    }
    contents_->parts.Add(part->partName, part);
  });
}

namespace {

/// An instance as it is read: its name and keywords, the instance made of
/// them once the part or model is known, and its placement.
struct InstanceRead {
  std::string name;
  std::string keywords;
  std::shared_ptr<ddb_BaseInstance> instance;
  std::array<double, 6> transform{};
};

}  // namespace

void Loader::LoadAssembly(const Ref& assemblyRef) {
  struct Context {
    Loader& loader;
    std::map<std::string, std::size_t>& seen;
  };
  using I = InstanceRead;
  static const Members<I, Context> instanceMembers = [] {
    Members<I, Context> m;
    m.UniqueName("name", &I::name, "instance", true)
        .Required()
        .Allow({"part", "model"})
        .Custom("keywords", [](const Ref& ref, I& read) { read.keywords = ReadKeywordText(ref); })
        .Check([](const Context& c, const Ref& ref, I& read) {
          Loader& loader = c.loader;
          if (ref.Has("part") == ref.Has("model"))
            ref.Fail("model.instance", "an instance names either a \"part\" or another \"model\"");
          if (!ref.Has("part")) {
            read.instance = std::make_shared<ddb_ModelInstance>(read.name, read.keywords, ReadName(ref.Get("model")));
            return;
          }
          const Ref partRef = ref.Get("part");
          const std::string partName = partRef.AsString();
          const std::shared_ptr<const ddb_Part> part = loader.contents_->parts.GetShared(partName);
          if (!part) partRef.Fail("model.unknown-reference", "no part named \"" + partName + "\"");
          ddb_Mesh mesh(loader.NewMeshIndex(), part->contents);
          loader.contents_->meshes.emplace(mesh.index(), mesh);
          loader.instanceMeshes_[read.name] = {mesh.index(), loader.partLabels_[partName]};
          read.instance = std::make_shared<ddb_PartInstance>(read.name, read.keywords, partName, mesh);
        })
        .Custom("translation",
                [](const Ref& ref, I& read) {
                  const gsl_Vector t = ReadVector(ref);
                  for (int i = 0; i < 3; ++i) read.transform[std::size_t(i)] = t[i];
                })
        .Custom("rotation", [](const Ref& ref, I& read) {
          const gsl_Vector r = ReadVector(ref);
          for (int i = 0; i < 3; ++i) read.transform[std::size_t(3 + i)] = r[i];
        });
    return m;
  }();

  ddb_Assembly& assembly = contents_->assembly;
  std::map<std::string, std::size_t> seen;
  const Context context{*this, seen};
  static const Members<ddb_Assembly, Context> members = [] {
    Members<ddb_Assembly, Context> m;
    m.Custom("name",
             [](const Ref& ref, ddb_Assembly& a) { a.assemblyName = ReadPlainName(ref, "the assembly's name"); })
        .Custom("keywords", [](const Ref& ref, ddb_Assembly& a) { a.input = ReadKeywordText(ref); })
        .Custom("instances",
                [](const Context& c, const Ref& list, ddb_Assembly& a) {
                  list.ForEachElement([&](const Ref& ref) {
                    InstanceRead read;
                    instanceMembers.ReadObject(c, ref, read);
                    read.instance->setTransform(read.transform);
                    a.instances.Add(read.name, read.instance);
                  });
                })
        // The assembly's own mesh, its sets and its reference points are
        // read once the parts are ordered (below).
        .Allow({"mesh", "sets", "referencePoints"});
    return m;
  }();
  members.ReadObject(context, assemblyRef, assembly);

  // The deck writes the parts in the order instances first use them.
  mdl_OrderedContainer<ddb_Part> byFirstUse;
  for (const auto& [name, instance] : assembly.instances)
    if (auto* partInstance = dynamic_cast<const ddb_PartInstance*>(instance.get());
        partInstance && !byFirstUse.IsMember(partInstance->partName()))
      byFirstUse.Add(partInstance->partName(), contents_->parts.GetShared(partInstance->partName()));
  for (const auto& [name, part] : contents_->parts)
    if (!byFirstUse.IsMember(name)) byFirstUse.Add(name, part);
  contents_->parts = byFirstUse;

  if (assemblyRef.Has("mesh")) {
    MeshScope scope;
    scope.allowSets = false;
    scope.instanceLabels = [this](const std::string& instance) { return InstanceLabels(instance); };
    LoadedMesh mesh = ReadMesh(assemblyRef.Get("mesh"), scope);
    assembly.ownMesh = ddb_Mesh(0, std::move(mesh.contents));
    contents_->meshes.emplace(0, assembly.ownMesh);
    assemblyLabels_ = std::move(mesh.labels);
  }
  if (assemblyRef.Has("sets")) LoadAssemblySets(assemblyRef.Get("sets"));
  if (assemblyRef.Has("referencePoints"))
    ReadReferencePoints(assemblyRef.Get("referencePoints"), assemblyLabels_.get(), assembly);
}

void Loader::LoadAssemblySets(const Ref& sets) {
  SetNames seen;
  sets.ForEachElement([&](const Ref& ref) {
    std::shared_ptr<rgnC_SetData> set = ReadSetHead(ref, seen, true);
    std::vector<std::string_view> members = SetMemberNames(set->kind());
    members.push_back("instance");
    if (ref.Has("subsets")) ref.Get("subsets").ForEachElement([&](const Ref& subset) {
      subset.AllowOnly(members);
      if (subset.Has("instance")) {
        const Ref instanceRef = subset.Get("instance");
        const std::string instance = instanceRef.AsString();
        auto it = instanceMeshes_.find(instance);
        if (it == instanceMeshes_.end())
          instanceRef.Fail("model.unknown-reference", "no part instance named \"" + instance + "\"");
        ReadSetMembers(subset, *set, {it->second.meshIndex, it->second.labels.get(), "instance \"" + instance + "\""});
      } else {
        if (!assemblyLabels_)
          subset.Fail("model.unknown-reference",
                      "a subset without \"instance\" lies on the assembly's own mesh, and the assembly has none");
        ReadSetMembers(subset, *set, {0, assemblyLabels_.get(), "the assembly's mesh"});
      }
    });
    contents_->assembly.sets.push_back(std::make_shared<ddb_Set>(std::move(set)));
  });
}

void Loader::LoadDatums(const Ref& datums) {
  std::map<std::string, std::size_t> seen;
  datums.ForEachElement([&](const Ref& ref) {
    ddb_Datum datum;
    datum.id = int(contents_->datums.size()) + 1;
    DatumMembers().ReadObject(DatumNames{seen}, ref, datum);
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
