// Controls and solver controls: step-dependent objects of the model. Each
// step in which one exists gets its state as its own controls object:
// created or changed there (written in full), carried over (propagated) or
// deactivated (back to the solver's defaults).
#include <array>
#include <cmath>
#include <limits>
#include <span>

#include "modeldb/kprC_ControlsKind.h"
#include "modelfile/mfl_History.h"
#include "modelfile/mfl_Steps.h"

namespace mfl {

namespace {

using List = std::vector<double>;

/// The values of a controls list as the file gives them: unset where the
/// file has null or no value.
struct ControlsState {
  mdl_PropAttr<bool> discontinuous;
  mdl_PropAttr<List> timeIncrementation, constraints, lineSearch;
  mdl_PropAttr<List> displacement, hydrostaticFluidPressure, rotation, temperature, poreFluidPressure,
      electricalPotential, concentration;

  template <class F>
  void VisitAttrs(F&& f) {
    f("discontinuous", discontinuous);
    f("timeIncrementation", timeIncrementation);
    f("constraints", constraints);
    f("lineSearch", lineSearch);
    f("displacement", displacement);
    f("hydrostaticFluidPressure", hydrostaticFluidPressure);
    f("rotation", rotation);
    f("temperature", temperature);
    f("poreFluidPressure", poreFluidPressure);
    f("electricalPotential", electricalPotential);
    f("concentration", concentration);
  }
};

/// A list of a controls kind: its member in the file, the attribute of the
/// state, its default list and the values that are counts.
struct ListSlot {
  std::string_view name;
  mdl_PropAttr<List> ControlsState::*attr;
  std::size_t size;
  std::size_t counts;  // values 0 .. counts-1 are integers
};

const ListSlot kGeneralLists[] = {
    {"timeIncrementation", &ControlsState::timeIncrementation, kprC_PrimaryControls::TimeIncrementationSize, 11},
    {"constraints", &ControlsState::constraints, kprC_PrimaryControls::ConstraintsSize, 0},
    {"lineSearch", &ControlsState::lineSearch, kprC_PrimaryControls::LineSearchSize, 1},
};

/// Every value given in the file overrides the default list's.
List Merge(const List& given, const List& defaults) {
  List values = defaults;
  for (std::size_t i = 0; i < given.size() && i < values.size(); ++i)
    if (mdl_IsSet(given[i])) values[i] = given[i];
  return values;
}

/// A list in the file: an array of numbers and nulls, at most `size` long;
/// the first `counts` values are integers.
List ReadList(const Ref& ref, std::size_t size, std::size_t counts) {
  if (!ref.IsArray()) ref.Fail("model.type", "expected an array of numbers and nulls");
  List values;
  if (ref.node().kind() == Node::Kind::Array) {
    for (std::size_t i = 0; i < ref.Size(); ++i) values.push_back(ReadReal(ref.At(i)));
  } else {
    values = ref.Reals();
  }
  if (values.size() > size)
    ref.Fail("model.size", "expected at most " + std::to_string(size) + " values, found " +
                               std::to_string(values.size()));
  for (std::size_t i = 0; i < counts && i < values.size(); ++i)
    if (mdl_IsSet(values[i]) && (values[i] != std::trunc(values[i]) || std::fabs(values[i]) > 2147483647.0))
      ref.FailAt(i, "model.type", "value " + std::to_string(i) + " of this list is an integer");
  return values;
}

/// Given values replace the state's values at their positions; the others
/// keep what the list held in the previous step.
void Overlay(mdl_PropAttr<List>& attr, const List& given) {
  List values = attr.IsSet() ? attr.ConstGet() : List();
  if (values.size() < given.size()) values.resize(given.size(), mdl_UnsetDouble);
  for (std::size_t i = 0; i < given.size(); ++i)
    if (mdl_IsSet(given[i])) values[i] = given[i];
  attr.Set(values);
}

using S = ControlsState;
using P = kprC_PrimaryControls;

/// A solution field of a controls kind: its member in the file, the state's
/// list and where the controls object keeps it.
struct Field {
  std::string_view name;
  mdl_PropAttr<List> S::*attr;
  List& (*list)(P& controls);
  bool displacement = false;
};

constexpr Field kDisplacement = {
    "displacement", &S::displacement,
    [](P& c) -> List& { return static_cast<kprC_TypicalControls&>(c).displacement; }, true};
constexpr Field kHydrostaticFluidPressure = {
    "hydrostaticFluidPressure", &S::hydrostaticFluidPressure,
    [](P& c) -> List& { return static_cast<kprC_TypicalControls&>(c).hydrostaticFluidPressure; }};
constexpr Field kRotation = {"rotation", &S::rotation,
                         [](P& c) -> List& { return static_cast<kprC_TypicalControls&>(c).rotation; }};
constexpr Field kHeatTemperature = {
    "temperature", &S::temperature,
    [](P& c) -> List& { return static_cast<kprC_HeatTransferControls&>(c).temperature; }};
constexpr Field kConcentration = {
    "concentration", &S::concentration,
    [](P& c) -> List& { return static_cast<kprC_MassDiffusionControls&>(c).concentration; }};
constexpr Field kCTEPotential = {
    "electricalPotential", &S::electricalPotential,
    [](P& c) -> List& { return static_cast<kprC_CTEControls&>(c).electricalPotential; }};
constexpr Field kCTDTemperature = {"temperature", &S::temperature,
                               [](P& c) -> List& { return static_cast<kprC_CTDControls&>(c).temperature; }};
constexpr Field kPorePressure = {
    "poreFluidPressure", &S::poreFluidPressure,
    [](P& c) -> List& { return static_cast<kprC_PoreControls&>(c).poreFluidPressure; }};
constexpr Field kElectricalPotential = {
    "electricalPotential", &S::electricalPotential,
    [](P& c) -> List& { return static_cast<kprC_ElectricalControls&>(c).electricalPotential; }};

template <class C>
std::shared_ptr<P> Create() {
  return std::make_shared<C>();
}

/// A controls kind: the class of its controls objects and its solution
/// fields; its text in the file is its model database row's.
struct ControlsKind {
  kprC_ControlsKind kind;
  std::shared_ptr<P> (*create)();
  std::array<const Field*, 4> fieldSlots;

  std::string_view Name() const { return kprC_Info(kind).fileName; }
  std::span<const Field* const> Fields() const {
    std::size_t count = 0;
    while (count < fieldSlots.size() && fieldSlots[count] != nullptr) ++count;
    return {fieldSlots.data(), count};
  }

  /// `quasiNewton`: the step uses that technique, whose default number of
  /// line searches is not the list's default.
  std::shared_ptr<P> Make(const ControlsState& state, bool quasiNewton) const {
    std::shared_ptr<P> controls = create();
    auto value = [](const mdl_PropAttr<List>& attr) { return attr.IsSet() ? attr.ConstGet() : List(); };
    controls->discontinuous = state.discontinuous.IsSet() && state.discontinuous.ConstGet();
    controls->timeIncrementation = Merge(value(state.timeIncrementation), P::timeIncrementationDef(controls->discontinuous));
    controls->constraints = Merge(value(state.constraints), P::constraintsDef());
    List lineSearchDefaults = P::lineSearchDef();
    if (quasiNewton) lineSearchDefaults[0] = P::QuasiNewtonLineSearches;
    controls->lineSearch = Merge(value(state.lineSearch), lineSearchDefaults);
    for (const Field* field : Fields())
      field->list(*controls) = Merge(value(state.*field->attr), P::fieldDef(field->displacement));
    return controls;
  }
};

using K = kprC_ControlsKind;

constexpr ControlsKind kControlsKinds[] = {
    {K::Typical, &Create<kprC_TypicalControls>, {&kDisplacement, &kHydrostaticFluidPressure, &kRotation}},
    {K::HeatTransfer, &Create<kprC_HeatTransferControls>, {&kHeatTemperature}},
    {K::MassDiffusion, &Create<kprC_MassDiffusionControls>, {&kConcentration}},
    {K::CoupledThermalElectric, &Create<kprC_CTEControls>, {&kHeatTemperature, &kCTEPotential}},
    {K::CoupledTempDisplacement, &Create<kprC_CTDControls>,
     {&kDisplacement, &kHydrostaticFluidPressure, &kRotation, &kCTDTemperature}},
    {K::PoreFluid, &Create<kprC_PoreControls>,
     {&kDisplacement, &kHydrostaticFluidPressure, &kRotation, &kPorePressure}},
    {K::Electrical, &Create<kprC_ElectricalControls>,
     {&kDisplacement, &kHydrostaticFluidPressure, &kRotation, &kElectricalPotential}},
};
static_assert(mdl_OneRowPerKindInOrder<kprC_ControlsKind>(kControlsKinds));

const ControlsKind& ReadControlsKind(const Ref& ref) {
  const std::string text = ref.AsString();
  std::vector<std::string_view> known;
  for (const ControlsKind& kind : kControlsKinds) {
    if (text == kind.Name()) return kind;
    known.push_back(kind.Name());
  }
  FailUnknown(ref, "controls kind", text, QuotedList(known));
}

struct SolverControlsState {
  mdl_PropAttr<double> tolerance;
  mdl_PropAttr<int> maxIterations;
  mdl_PropAttr<int> restart;

  template <class F>
  void VisitAttrs(F&& f) {
    f("tolerance", tolerance);
    f("maxIterations", maxIterations);
    f("restart", restart);
  }
};

/// Steps of the model that already have controls of one sort, and the
/// object that gave them.
using Claims = std::map<std::string, std::string>;

/// Reads the history of each object of `list` and hands every step's status
/// and state to `attach`. Controls belong to analysis steps, one object per
/// step; statuses are 1 to 4.
template <class State, class Attach>
void ReadEach(const Loader& loader, const Ref& list, const char* what,
              const std::function<mdl_History<State>(const Ref&)>& read, Attach&& attach) {
  Claims claims;
  list.ForEachElement([&](const Ref& object) {
    const mdl_History<State> history = read(object);
    for (auto& [stepName, entry] : history.Entries()) {
      if (stepName == loader.StepNames().front())
        object.Fail("model.step", std::string(what) + " belong to analysis steps: name the step they start in "
                                                      "(createdIn), not the initial step");
      if (entry.status < mdl_Created || entry.status > mdl_Deactivated)
        object.Fail("model.range", std::string("the status of ") + what + " in a step is 1 to 4");
      auto [claim, isNew] = claims.emplace(stepName, object.pointer());
      if (!isNew)
        object.Fail("model.conflict", "step \"" + stepName + "\" already has " + what + " from " + claim->second);
      attach(stepName, entry.status, entry.state);
    }
  });
}

}  // namespace

std::vector<std::string_view> ControlsKindMembers(kprC_ControlsKind kind) {
  std::vector<std::string_view> members = {"discontinuous"};
  for (const ListSlot& slot : kGeneralLists) members.push_back(slot.name);
  for (const Field* field : kControlsKinds[int(kind)].Fields()) members.push_back(field->name);
  return members;
}

void ReadControls(const Loader& loader, const Ref& root,
                  const std::map<std::string, std::shared_ptr<kprC_AnalysisStep>>& steps) {
  if (root.Has("controls")) {
    const ControlsKind* kind = nullptr;
    ReadEach<ControlsState>(
        loader, root.Get("controls"), "controls",
        [&](const Ref& object) {
          kind = &ReadControlsKind(object.Get("kind"));
          const std::vector<std::string_view> valueKeys = ControlsKindMembers(kind->kind);
          return ReadHistory<ControlsState>(
              loader, object, {"kind"}, valueKeys, [kind](const Ref& values, ControlsState& state) {
                if (values.Has("discontinuous")) state.discontinuous.Set(values.Get("discontinuous").AsBool());
                for (const ListSlot& slot : kGeneralLists)
                  if (values.Has(slot.name))
                    Overlay(state.*slot.attr, ReadList(values.Get(slot.name), slot.size, slot.counts));
                for (const Field* field : kind->Fields())
                  if (values.Has(field->name))
                    Overlay(state.*field->attr, ReadList(values.Get(field->name), kprC_PrimaryControls::FieldSize, 0));
              });
        },
        [&](const std::string& step, int status, const ControlsState& state) {
          const bool quasiNewton = steps.at(step)->solutionTechnique == kprC_Step::TECHNIQUE_QUASI_NEWTON;
          std::shared_ptr<kprC_PrimaryControls> controls = kind->Make(state, quasiNewton);
          controls->propagated = status == mdl_Propagated;
          controls->defaults = status == mdl_Deactivated;
          steps.at(step)->controls_ = controls;
        });
  }
  if (root.Has("solverControls")) {
    ReadEach<SolverControlsState>(
        loader, root.Get("solverControls"), "solver controls",
        [&](const Ref& object) {
          return ReadHistory<SolverControlsState>(
              loader, object, {}, {"tolerance", "maxIterations", "restart"},
              [](const Ref& values, SolverControlsState& state) {
                if (values.Has("tolerance")) state.tolerance.Set(values.Get("tolerance").AsDouble());
                if (values.Has("maxIterations")) state.maxIterations.Set(ReadInt(values.Get("maxIterations"), 1));
                if (values.Has("restart")) state.restart.Set(ReadInt(values.Get("restart"), 1));
              });
        },
        [&](const std::string& step, int status, const SolverControlsState& state) {
          auto controls = std::make_shared<kprC_SolverControls>();
          controls->propagated = status == mdl_Propagated;
          controls->defaults = status == mdl_Deactivated;
          controls->tolerance = state.tolerance.IsSet() ? state.tolerance.ConstGet() : 0.0;
          controls->maxIterations = state.maxIterations.IsSet() ? state.maxIterations.ConstGet() : 0;
          controls->restart = state.restart.IsSet() ? state.restart.ConstGet() : 0;
          steps.at(step)->solverControls_ = controls;
        });
  }
}

}  // namespace mfl
