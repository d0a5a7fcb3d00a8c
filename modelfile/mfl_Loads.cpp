// Loads: step-dependent objects of the model, each of a kind of the load
// table, on a region of the kind its keyword needs (a node set, an element
// set, a surface or connector wires), with its history in the natural form
// (createdIn / changes / deactivatedIn) or the explicit one (history). Load
// cases of the steps list loads with scale factors.
#include "modelfile/mfl_Loads.h"

#include <map>
#include <string>
#include <utility>

#include "modeldb/kloC_LoadTable.h"
#include "modeldb/rgnC_SetData.h"
#include "modelfile/mfl_Conditions.h"
#include "modelfile/mfl_Connectors.h"
#include "modelfile/mfl_History.h"
#include "modelfile/mfl_Steps.h"

namespace mfl {

namespace {

bool IsPressureLike(kloC_LoadKind kind) {
  return kind == kloC_LoadKind::Pressure || kind == kloC_LoadKind::PipePressure;
}

/// The state of a load of kind K, with the attribute names of its kind in
/// the model file (for "reset" and "attributeStates").
template <kloC_LoadKind K>
struct KindState : kloC_LoadState {
  template <class F>
  void VisitAttrs(F&& f) {
    static const std::array<std::string, 3> imagNames = [] {
      std::array<std::string, 3> names;
      for (int i = 0; i < kloC_Info(K).componentCount; ++i)
        names[std::size_t(i)] = std::string(kloC_Info(K).components[std::size_t(i)]) + "Imaginary";
      return names;
    }();
    const kloC_LoadInfo& info = kloC_Info(K);
    for (int i = 0; i < info.componentCount; ++i) f(info.components[std::size_t(i)], real[std::size_t(i)]);
    if (info.complex)
      for (int i = 0; i < info.componentCount; ++i) f(imagNames[std::size_t(i)].c_str(), imag[std::size_t(i)]);
    if (info.family != kloC_LoadFamily::CommentOnly) f("amplitude", amplitude);
    if (IsPressureLike(K)) {
      f("zeroHeight", zeroHeight);
      f("referenceHeight", referenceHeight);
    }
    if (K == kloC_LoadKind::PipePressure) f("diameter", diameter);
  }
};

using L = kloC_KindLoad;

const EnumTable<L::DistributionEnm> kDistribution = {{"uniform", L::DISTRIBUTION_UNIFORM},
                                                     {"user", L::DISTRIBUTION_USER}};
const EnumTable<L::DistributionEnm> kPressureDistribution = {
    {"uniform", L::DISTRIBUTION_UNIFORM}, {"user", L::DISTRIBUTION_USER}, {"hydrostatic", L::DISTRIBUTION_HYDROSTATIC}};
const EnumTable<L::SpaceEnm> kSpace = {{"3d", L::SPACE_3D}, {"2d", L::SPACE_2D}, {"axisymmetric", L::SPACE_AXISYMMETRIC}};
const EnumTable<int> kRotation = {{"centrifugal", 0}, {"rotary acceleration", 1}};
const EnumTable<int> kSide = {{"external", 0}, {"internal", 1}};
const EnumTable<int> kSystem = {{"global", 0}, {"beam", 1}};

/// The members of a load that do not change over the steps.
Members<L> OwnMembers(const kloC_LoadInfo& info, const ddb_ModelContents& contents) {
  Members<L> m;
  m.Bool("suppressed", &L::suppressed);
  const kloC_LoadKind kind = info.kind;
  if (kind == kloC_LoadKind::ConcentratedForce || kind == kloC_LoadKind::Moment) m.Bool("follower", &L::follower);
  if (kind == kloC_LoadKind::ConcentratedForce || kind == kloC_LoadKind::Moment ||
      kind == kloC_LoadKind::InertiaRelief) {
    m.Custom("datum", [&contents](const Ref& ref, L& load) {
      const std::string name = ref.AsString();
      for (const ddb_Datum& datum : contents.datums)
        if (datum.name() == name) {
          load.datum = datum.id;
          return;
        }
      ref.Fail("model.unknown-reference", "no datum named \"" + name + "\"");
    });
  }
  if (IsPressureLike(kind))
    m.Enum<L::DistributionEnm>("distribution", &L::distribution, kPressureDistribution);
  else if (info.distributed)
    m.Enum<L::DistributionEnm>("distribution", &L::distribution, kDistribution);
  if (kind == kloC_LoadKind::Gravity || kind == kloC_LoadKind::BodyForce || kind == kloC_LoadKind::RotationalBodyForce)
    m.Enum<L::SpaceEnm>("space", &L::space, kSpace);
  if (kind == kloC_LoadKind::RotationalBodyForce) {
    m.Enum<int>("rotation", &L::variant, kRotation);
    auto point = [](std::array<double, 3> L::*member) {
      return [member](const Ref& ref, L& load) {
        const std::vector<double> values = ref.Reals();
        if (values.size() != 3) ref.Fail("model.size", "a point has three coordinates");
        std::copy(values.begin(), values.end(), (load.*member).begin());
      };
    };
    m.Custom("point1", point(&L::point1)).Custom("point2", point(&L::point2));
  }
  if (kind == kloC_LoadKind::PipePressure) m.Enum<int>("side", &L::variant, kSide);
  if (kind == kloC_LoadKind::LineLoad) m.Enum<int>("system", &L::variant, kSystem);
  return m;
}

/// Reads the values of a state given in `values` (a load, a change or an
/// explicit history entry), each with attribute state 1.
template <kloC_LoadKind K>
void ApplyValues(const Ref& values, kloC_LoadState& state, const ddb_ModelContents& contents) {
  static_cast<KindState<K>&>(state).VisitAttrs([&](const char* name, auto& attr) {
    if (!values.Has(name)) return;
    const Ref ref = values.Get(name);
    using T = std::decay_t<decltype(attr.ConstGet())>;
    if constexpr (std::is_same_v<T, double>) {
      attr.Set(ref.AsDouble());
    } else {
      attr.Set(ReadAmplitudeName(ref, contents));
    }
  });
}

bool KnownStatus(int status) { return status >= mdl_Created && status <= mdl_Deactivated; }

using KindReader = mdl_StepStates<kloC_LoadState> (*)(const Loader&, const Ref&, const std::vector<std::string_view>&,
                                                     const ddb_ModelContents&);

template <kloC_LoadKind K>
mdl_StepStates<kloC_LoadState> ReadKindHistory(const Loader& loader, const Ref& object,
                                               const std::vector<std::string_view>& ownKeys,
                                               const ddb_ModelContents& contents) {
  std::vector<std::string_view> valueKeys;
  KindState<K>().VisitAttrs([&](const char* name, auto&) { valueKeys.push_back(name); });
  if (object.Has("history")) CheckExplicitHistory(loader, object.Get("history"), KnownStatus, "a load", "1 to 4");
  return ReadStepStates<KindState<K>, kloC_LoadState>(
      loader, object, ownKeys, valueKeys,
      [&contents](const Ref& values, KindState<K>& state) { ApplyValues<K>(values, state, contents); });
}

template <std::size_t... I>
constexpr std::array<KindReader, sizeof...(I)> KindReaders(std::index_sequence<I...>) {
  return {&ReadKindHistory<kloC_LoadKind(I)>...};
}
constexpr auto kKindReaders = KindReaders(std::make_index_sequence<kloC_LoadKindCount>());

const kloC_LoadInfo& ReadKind(const Ref& ref) {
  const std::string text = ref.AsString();
  const kloC_LoadInfo* found = kloC_FindKind(text);
  if (found && found->family != kloC_LoadFamily::None &&
      !(found->family == kloC_LoadFamily::Dsload && found->kind != kloC_LoadKind::Pressure))
    return *found;
  if (found) ref.Fail("model.unsupported", "loads of kind \"" + text + "\" have no keyword in the deck");
  std::string known = "\"bolt load\"";
  for (const kloC_LoadInfo& info : kloC_LoadTable())
    known += ", \"" + std::string(info.fileName) + "\"";
  ref.Fail("model.enum", "unknown load kind \"" + text + "\"; expected one of " + known);
}

rgnC_Region ReadRegion(const Loader& loader, const Ref& ref, kloC_LoadRegion kind) {
  switch (kind) {
    case kloC_LoadRegion::NodeSet:
      return loader.SetRegion(ref, {rgnC_SetData::NodeSet});
    case kloC_LoadRegion::ElementSet:
      return loader.SetRegion(ref, {rgnC_SetData::ElementSet});
    case kloC_LoadRegion::Surface:
      return loader.SetRegion(ref, {rgnC_SetData::Surface});
    case kloC_LoadRegion::Wires:
      break;
  }
  return ReadWireReference(loader, ref);
}

/// A bolt load's state, with the attribute names of the model file.
struct BoltState : kloC_BoltLoadState {
  template <class F>
  void VisitAttrs(F&& f) {
    f("method", method);
    f("magnitude", magnitude);
    f("amplitude", amplitude);
  }
};

const EnumTable<kloC_BoltLoadMethodEnm> kBoltMethod = {
    {"force", BOLT_APPLY_FORCE}, {"adjust length", BOLT_ADJUST_LENGTH}, {"fix length", BOLT_FIX_LENGTH}};

/// A bolt load: its region (a node set), its method (a force, written as a
/// load; or a length, which the boundary conditions write), its magnitude
/// and amplitude over the steps.
std::shared_ptr<kloC_BoltLoad> ReadBoltLoad(const Loader& loader, const Ref& object, const std::string& name,
                                            const ddb_ModelContents& contents) {
  auto bolt = std::make_shared<kloC_BoltLoad>(name);
  if (object.Has("suppressed")) bolt->suppressed = object.Get("suppressed").AsBool();
  bolt->region = loader.SetRegion(object.Get("region"), {rgnC_SetData::NodeSet});
  if (object.Has("history")) CheckExplicitHistory(loader, object.Get("history"), KnownStatus, "a load", "1 to 4");
  const mdl_StepStates<BoltState> states = ReadStepStates<BoltState>(
      loader, object, {"name", "kind", "region", "suppressed"}, {"method", "magnitude", "amplitude"},
      [&contents](const Ref& values, BoltState& state) {
        if (values.Has("method")) state.method.Set(ReadEnum(values.Get("method"), kBoltMethod));
        if (values.Has("magnitude")) state.magnitude.Set(values.Get("magnitude").AsDouble());
        if (values.Has("amplitude")) {
          const Ref ref = values.Get("amplitude");
          state.amplitude.Set(ReadAmplitudeName(ref, contents));
        }
      });
  for (std::size_t i = states.First(); i < states.First() + states.Size(); ++i)
    bolt->Set(i, states.Status(i), states.State(i));
  return bolt;
}

}  // namespace

void ReadLoads(const Loader& loader, const Ref& root, ddb_ModelContents& contents) {
  std::map<std::string, std::size_t> seen;
  std::vector<std::pair<std::shared_ptr<kloC_Load>, Ref>> read;
  if (root.Has("loads")) {
    root.Get("loads").ForEachElement([&](const Ref& object) {
      const std::string name = ReadName(object.Get("name"));
      CheckUnique(object.Get("name"), name, seen, "load");
      if (loader.StepNames().size() < 2)
        object.Fail("model.step", "a load is created in an analysis step, and the model has none");
      if (object.Get("kind").AsString() == "bolt load") {
        auto bolt = ReadBoltLoad(loader, object, name, contents);
        if (bolt->Status(0) != mdl_Inactive)
          object.Fail("model.step", "a load is created in an analysis step, not in the initial step");
        read.emplace_back(bolt, object);
        return;
      }
      const kloC_LoadInfo& info = ReadKind(object.Get("kind"));
      auto load = kloC_Make(info.kind, name);
      const Members<kloC_KindLoad> members = OwnMembers(info, contents);
      std::vector<std::string_view> ownKeys = {"name", "kind", "region"};
      for (std::string_view member : members.Names()) ownKeys.push_back(member);
      members.ReadInto(object, *load);
      load->region = ReadRegion(loader, object.Get("region"), info.region);
      load->states = kKindReaders[std::size_t(info.kind)](loader, object, ownKeys, contents);
      for (std::size_t i = 0; i < loader.StepNames().size(); ++i) load->statuses.Set(i, load->states.Status(i));
      if (load->states.Status(0) != mdl_Inactive)
        object.Fail("model.step", "a load is created in an analysis step, not in the initial step");
      read.emplace_back(load, object);
    });
  }
  for (auto& [load, object] : read) {
    CheckListedInLoadCases(loader, object, "load", load->name(),
                           [&](std::size_t i) { return load->Status(i); }, ChangesInStep, &klcC_LoadCase::loads,
                           contents);
    contents.loads.Add(load->name(), load);
  }

  // Every load a load case lists must exist.
  if (!root.Has("steps")) return;
  root.Get("steps").ForEachElement([&](const Ref& step) {
    if (!step.Has("loadCases")) return;
    step.Get("loadCases").ForEachElement([&](const Ref& loadCase) {
      if (!loadCase.Has("loads")) return;
      loadCase.Get("loads").ForEachMember([&](const std::string& name, const Ref& factor) {
        if (seen.count(name) == 0) factor.Fail("model.unknown-reference", "no load named \"" + name + "\"");
      });
    });
  });
}

}  // namespace mfl
