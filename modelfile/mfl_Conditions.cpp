// Boundary conditions: step-dependent objects of the model, each of a kind of
// the condition table, on a set of the kind it needs, with its history in
// the natural form (createdIn / changes / deactivatedIn) or the explicit one
// (history). Load cases of the steps list conditions with scale factors.
#include <set>
#include <utility>

#include "modeldb/kbcC_BoundaryCondition.h"
#include "modeldb/rgnC_SetData.h"
#include "modelfile/mfl_Conditions.h"
#include "modelfile/mfl_Connectors.h"
#include "modelfile/mfl_History.h"
#include "modelfile/mfl_Steps.h"

namespace mfl {

namespace {

/// The state of a condition of kind K, with the attribute names of its
/// kind in the model file (for "reset" and "attributeStates").
template <kbcC_BCKind K>
struct KindState : kbcC_BCState {
  template <class F>
  void VisitAttrs(F&& f) {
    static const std::array<std::string, 6> imagNames = [] {
      std::array<std::string, 6> names;
      for (int i = 0; i < kbcC_Info(K).componentCount; ++i)
        names[std::size_t(i)] = std::string(kbcC_Info(K).components[std::size_t(i)]) + "Imaginary";
      return names;
    }();
    const kbcC_BCInfo& info = kbcC_Info(K);
    for (int i = 0; i < info.componentCount; ++i) f(info.components[std::size_t(i)], real[std::size_t(i)]);
    if (info.form == kbcC_BCForm::Motion || info.form == kbcC_BCForm::ConnectorMotion)
      for (int i = 0; i < info.componentCount; ++i) f(imagNames[std::size_t(i)].c_str(), imag[std::size_t(i)]);
    if (info.form != kbcC_BCForm::Type) f("amplitude", amplitude);
    f("fixed", fixed);
    if (info.form == kbcC_BCForm::Type) f("type", type);
    if (info.form == kbcC_BCForm::Motion || info.form == kbcC_BCForm::Type ||
        info.form == kbcC_BCForm::ConnectorMotion)
      f("buckleCase", buckleCase);
    if (info.form == kbcC_BCForm::Submodel) f("shellThickness", shellThickness);
  }
};

const EnumTable<kbcC_BoundaryCondition::DistribTypeEnum> kDistribution = {
    {"uniform", kbcC_BoundaryCondition::DISTRIBUTION_UNIFORM}, {"user", kbcC_BoundaryCondition::DISTRIBUTION_USER}};
const EnumTable<int> kBuckleCase = {{"both", 0}, {"1", 1}, {"2", 2}};

/// The members of a condition that do not change over the steps.
Members<kbcC_BoundaryCondition> OwnMembers(const kbcC_BCInfo& info, const ddb_ModelContents& contents) {
  using C = kbcC_BoundaryCondition;
  Members<C> m;
  m.Bool("suppressed", &C::suppressed);
  if (info.form == kbcC_BCForm::Motion || info.form == kbcC_BCForm::Type) {
    m.Custom("datum", [&contents](const Ref& ref, C& condition) {
      const std::string name = ref.AsString();
      for (const ddb_Datum& datum : contents.datums)
        if (datum.name() == name) {
          condition.datum = datum.id;
          return;
        }
      ref.Fail("model.unknown-reference", "no datum named \"" + name + "\"");
    });
  }
  if (info.distributed) m.Enum<C::DistribTypeEnum>("distribution", &C::distribution, kDistribution);
  if (info.kind == kbcC_BCKind::Temperature || info.form == kbcC_BCForm::Submodel) {
    m.Custom("dofs", [](const Ref& ref, C& condition) {
      condition.dofs = ref.Ints();
      for (std::size_t i = 0; i < condition.dofs.size(); ++i)
        if (condition.dofs[i] < 1 || condition.dofs[i] > 30)
          ref.FailAt(i, "model.range", "a degree of freedom is 1 to 30");
    });
  }
  if (info.form == kbcC_BCForm::Submodel) {
    m.Custom("globalStep", [](const Ref& ref, C& condition) { condition.globalStep = ReadName(ref); })
        .Int("globalIncrement", &C::globalIncrement, 0)
        .Bool("timeScale", &C::timeScale)
        .Custom("globalElset", [](const Ref& ref, C& condition) { condition.globalElset = ReadName(ref); })
        .Real("absoluteExteriorTolerance", &C::absoluteExteriorTolerance)
        .Real("exteriorTolerance", &C::exteriorTolerance)
        .Real("length", &C::length);
  }
  return m;
}

/// Reads the values of a state given in `values` (a condition, a change or
/// an explicit history entry), each with attribute state 1.
template <kbcC_BCKind K>
void ApplyValues(const Ref& values, kbcC_BCState& state, const ddb_ModelContents& contents) {
  KindState<K>& named = static_cast<KindState<K>&>(state);
  named.VisitAttrs([&](const char* name, auto& attr) {
    if (!values.Has(name)) return;
    const Ref ref = values.Get(name);
    using T = std::decay_t<decltype(attr.ConstGet())>;
    if constexpr (std::is_same_v<T, double>) {
      attr.Set(ref.AsDouble());
    } else if constexpr (std::is_same_v<T, bool>) {
      attr.Set(ref.AsBool());
    } else if constexpr (std::is_same_v<T, std::string>) {
      attr.Set(ReadAmplitudeName(ref, contents));
    } else if (&attr == &state.type) {
      attr.Set(ReadEnum(ref, kbcC_TypeEnum()));
    } else {
      attr.Set(ref.IsString() ? ReadEnum(ref, kBuckleCase) : ReadInt(ref, 0));
      if (attr.ConstGet() > 3) ref.Fail("model.range", "the load case of a buckling step is 1, 2 or both (0 or 3)");
    }
  });
}

/// Statuses the explicit history form may give a condition.
bool KnownStatus(int status) {
  return (status >= mdl_Created && status <= mdl_Deactivated) ||
         (status >= mdl_Propagated2 && status <= mdl_Deactivated2);
}

using KindReader = mdl_StepStates<kbcC_BCState> (*)(const Loader&, const Ref&, const std::vector<std::string_view>&,
                                                   const ddb_ModelContents&);

template <kbcC_BCKind K>
mdl_StepStates<kbcC_BCState> ReadKindHistory(const Loader& loader, const Ref& object,
                                             const std::vector<std::string_view>& ownKeys,
                                             const ddb_ModelContents& contents) {
  std::vector<std::string_view> valueKeys;
  KindState<K>().VisitAttrs([&](const char* name, auto&) { valueKeys.push_back(name); });
  if (object.Has("history")) CheckExplicitHistory(loader, object.Get("history"), KnownStatus, "a boundary condition",
                                                    "1 to 4 or 9 to 11");
  return ReadStepStates<KindState<K>, kbcC_BCState>(
      loader, object, ownKeys, valueKeys,
      [&contents](const Ref& values, KindState<K>& state) { ApplyValues<K>(values, state, contents); });
}

template <std::size_t... I>
constexpr std::array<KindReader, sizeof...(I)> KindReaders(std::index_sequence<I...>) {
  return {&ReadKindHistory<kbcC_BCKind(I)>...};
}
constexpr auto kKindReaders = KindReaders(std::make_index_sequence<kbcC_BCKindCount>());

const kbcC_BCInfo& ReadKind(const Ref& ref) {
  const std::string text = ref.AsString();
  if (const kbcC_BCInfo* info = kbcC_FindKind(text)) return *info;
  std::string known;
  for (const kbcC_BCInfo& info : kbcC_BCTable()) known += (known.empty() ? "\"" : ", \"") + std::string(info.fileName) + "\"";
  ref.Fail("model.enum", "unknown boundary condition kind \"" + text + "\"; expected one of " + known);
}


/// The wires a connector motion acts on: names of wire entries. The deck
/// gathers them into an element set named after the condition, so that name
/// must not be one of the assembly's element sets already.
std::vector<std::string> ReadWires(const Loader& loader, const Ref& object) {
  const Ref wires = object.Get("wires");
  std::vector<std::string> names;
  wires.ForEachElement([&](const Ref& wire) {
    ReadWireReference(loader, wire);
    names.push_back(wire.AsString());
  });
  if (names.empty()) wires.Fail("model.size", "a connector motion acts on at least one wire entry");
  const std::string name = object.Get("name").AsString();
  const ddb_Assembly& assembly = loader.contents().assembly;
  for (int i = 0; i < assembly.numSets(); ++i)
    if (assembly.set(i).setType() == ddb_Set::ElementSet && assembly.set(i).setLabel() == name)
      object.Get("name").Fail("model.duplicate-name", "the deck gathers the condition's wires into an element set "
                                                     "named after it, and the assembly has a set \"" + name + "\"");
  return names;
}

}  // namespace

bool ChangesInStep(int status) {
  return status == mdl_Created || status == mdl_Modified || status == mdl_Deactivated;
}

void CheckListedInLoadCases(const Loader& loader, const Ref& object, const std::string& what, const std::string& name,
                            const std::function<int(std::size_t)>& status, bool (*changes)(int status), LoadCaseList list,
                            const ddb_ModelContents& contents) {
  const auto& steps = contents.steps;
  for (std::size_t i = 1; i < steps.Size(); ++i) {
    if (!changes(status(i))) continue;
    const auto* step = dynamic_cast<const kprC_AnalysisStep*>(&steps.At(i));
    if (!step || step->loadCases().Size() == 0) continue;
    bool listed = false;
    for (const auto& [caseName, loadCase] : step->loadCases())
      if (((*loadCase).*list).count(name) != 0) listed = true;
    if (!listed)
      object.Fail("model.load-case", what + " \"" + name + "\" changes in step \"" + loader.StepNames()[i] +
                                         "\", which has load cases, but no load case of that step lists it");
  }
}

void ReadBoundaryConditions(const Loader& loader, const Ref& root, ddb_ModelContents& contents) {
  std::map<std::string, std::size_t> seen;
  std::vector<std::pair<std::shared_ptr<kbcC_BoundaryCondition>, Ref>> read;
  if (root.Has("boundaryConditions")) {
    root.Get("boundaryConditions").ForEachElement([&](const Ref& object) {
      const std::string name = ReadName(object.Get("name"));
      CheckUnique(object.Get("name"), name, seen, "boundary condition");
      const kbcC_BCInfo& info = ReadKind(object.Get("kind"));
      if (loader.StepNames().empty())
        object.Fail("model.step", "boundary conditions hold in steps, and the model has none");
      auto condition = kbcC_Make(info.kind, name);
      const Members<kbcC_BoundaryCondition> members = OwnMembers(info, contents);
      std::vector<std::string_view> ownKeys = {"name", "kind", info.IsConnector() ? "wires" : "region"};
      for (std::string_view member : members.Names()) ownKeys.push_back(member);
      members.ReadInto(object, *condition);
      if (info.IsConnector())
        condition->connectorRegions = ReadWires(loader, object);
      else
        condition->region = loader.SetRegion(object.Get("region"), {rgnC_SetData::NodeSet});
      if (info.form == kbcC_BCForm::Submodel && !object.Has("globalStep") && !object.Has("history"))
        object.Get("globalStep");  // a driven submodel condition names its global step
      condition->states = kKindReaders[std::size_t(info.kind)](loader, object, ownKeys, contents);
      read.emplace_back(condition, object);
    });
  }
  // Every condition a load case lists must exist.
  if (root.Has("steps")) {
    root.Get("steps").ForEachElement([&](const Ref& step) {
      if (!step.Has("loadCases")) return;
      step.Get("loadCases").ForEachElement([&](const Ref& loadCase) {
        if (!loadCase.Has("boundaryConditions")) return;
        loadCase.Get("boundaryConditions").ForEachMember([&](const std::string& name, const Ref& factor) {
          if (seen.count(name) == 0) factor.Fail("model.unknown-reference", "no boundary condition named \"" + name + "\"");
        });
      });
    });
  }
  for (auto& [condition, object] : read) {
    CheckListedInLoadCases(loader, object, "boundary condition", condition->name(),
                           [&](std::size_t i) { return condition->Status(i); }, ChangesInStep,
                           &klcC_LoadCase::boundaryConditions, contents);
    contents.boundaryConditions.Add(condition->name(), condition);
  }
}

}  // namespace mfl
