// Output requests: step-dependent objects of the model, each of one channel
// (field or history) on the whole model or a set, with its history in the
// natural form (createdIn / changes / deactivatedIn) or the explicit one
// (history). Each state says how often (one of frequency, numberInterval,
// timeInterval, modes) and what: variables by name, or a preset.
#include "modelfile/mfl_OutputRequests.h"

#include <algorithm>
#include <map>

#include "modeldb/korC_OdbRequestTable.h"
#include "modeldb/korC_OutputRequest.h"
#include "modeldb/rgnC_SetData.h"
#include "modelfile/mfl_History.h"
#include "modelfile/mfl_Members.h"

namespace mfl {

namespace {

const EnumTable<int> kChannel = {{"field", kprC_FieldChannel}, {"history", kprC_HistoryChannel}};
const EnumTable<int> kPreset = {{"preselect", korC_Preselect}, {"all", korC_All}};
const EnumTable<int> kRebar = {{"none", korC_NoRebar}, {"also", korC_AlsoRebar}, {"only", korC_OnlyRebar}};

/// The members of a state that give the frequency.
constexpr std::string_view kFrequencyMembers[] = {"frequency", "numberInterval", "timeInterval", "modes"};

/// The value members of a request's state in the model file.
struct RequestState : korC_OutputRequestState {
  template <class F>
  void VisitAttrs(F&& f) {
    f("frequency", frequency);
    f("numberInterval", numberInterval);
    f("timeInterval", timeInterval);
    f("modes", modes);
    f("timeMarks", timeMarks);
    f("variables", variables);
    f("preset", preset);
  }
};

/// Whether a variable's keyword takes a region that is a set of `setKind`
/// (-1: the whole model).
bool TakesRegion(const korC_OdbRequestInfo& variable, int setKind) {
  if (setKind < 0) return true;
  switch (variable.kind) {
    case korC_NodeKind: return setKind == rgnC_SetData::NodeSet;
    case korC_ElementKind:
    case korC_EnergyKind:
    case korC_RadiationKind: return setKind == rgnC_SetData::ElementSet;
    case korC_ContactKind: return setKind == rgnC_SetData::NodeSet || setKind == rgnC_SetData::Surface;
    case korC_CohesiveKind: return setKind != rgnC_SetData::NodeSet;
    default: return false;  // modal, incrementation, integrated: the whole model only
  }
}

const char* SetKindText(int setKind) {
  switch (setKind) {
    case rgnC_SetData::NodeSet: return "a node set";
    case rgnC_SetData::ElementSet: return "an element set";
    default: return "a surface";
  }
}

/// A count the keyword line states: an integer of at least `min`, never null.
int ReadCount(const Ref& ref, int min) {
  const int value = ref.AsInt();
  if (value < min) ref.Fail("model.range", "expected an integer of at least " + std::to_string(min));
  return value;
}

/// Reads the value members of `values` into a state.
void ApplyValues(const Ref& values, RequestState& state, int setKind) {
  int given = 0;
  for (std::string_view member : kFrequencyMembers) given += values.Has(member) ? 1 : 0;
  if (given > 1)
    values.Fail("model.conflict", "an output request gives one of \"frequency\", \"numberInterval\", "
                                  "\"timeInterval\" and \"modes\"");
  auto resetFrequency = [&] {
    if (given == 0) return;
    // One frequency kind replaces another.
    if (state.frequency.IsSet()) state.frequency.Reset();
    if (state.numberInterval.IsSet()) state.numberInterval.Reset();
    if (state.timeInterval.IsSet()) state.timeInterval.Reset();
    if (state.modes.IsSet()) state.modes.Reset();
  };
  resetFrequency();
  if (values.Has("frequency")) state.frequency.Set(ReadCount(values.Get("frequency"), 0));
  if (values.Has("numberInterval")) state.numberInterval.Set(ReadCount(values.Get("numberInterval"), 1));
  if (values.Has("timeInterval")) {
    const Ref ref = values.Get("timeInterval");
    const double interval = ref.AsDouble();
    if (!(interval > 0.0)) ref.Fail("model.range", "a time interval is greater than 0");
    state.timeInterval.Set(interval);
  }
  if (values.Has("modes")) {
    const Ref ref = values.Get("modes");
    const std::vector<std::int32_t> numbers = ref.Ints();
    const std::vector<int> modes(numbers.begin(), numbers.end());
    if (modes.empty()) ref.Fail("model.size", "a mode list names at least one mode");
    for (int mode : modes)
      if (mode < 1) ref.Fail("model.range", "modes are numbered from 1");
    state.modes.Set(modes);
  }
  if (values.Has("timeMarks")) state.timeMarks.Set(values.Get("timeMarks").AsBool());
  if (values.Has("variables") && values.Has("preset"))
    values.Get("preset").Fail("model.conflict", "an output request gives \"variables\" or a \"preset\", not both");
  if (values.Has("variables")) {
    const Ref ref = values.Get("variables");
    std::vector<std::string> names;
    for (std::size_t i = 0; i < ref.Size(); ++i) {
      const Ref nameRef = ref.At(i);
      const std::string name = nameRef.AsString();
      const korC_OdbRequestInfo* parent = korC_OdbRequestTable::ParentOf(name);
      if (parent == nullptr) nameRef.Fail("model.unknown-reference", "no output variable named \"" + name + "\"");
      if (!TakesRegion(*parent, setKind))
        nameRef.Fail("model.conflict", "output variable \"" + name + "\" cannot be requested on " +
                                           SetKindText(setKind));
      names.push_back(name);
    }
    if (names.empty()) ref.Fail("model.size", "an output request names at least one variable");
    state.variables.Set(names);
    if (state.preset.IsSet()) state.preset.Reset();
  }
  if (values.Has("preset")) {
    state.preset.Set(ReadEnum(values.Get("preset"), kPreset, "preset"));
    if (state.variables.IsSet()) state.variables.Reset();
  }
}

bool KnownStatus(int status) { return status >= mdl_Created && status <= mdl_Deactivated; }

/// The set kind of a region the loader read.
int SetKindOf(const ddb_ModelContents& contents, const rgnC_Region& region) {
  if (region.OnAssembly()) return contents.assembly.set(region.ConstSet()).setType();
  return contents.meshes.at(region.MeshIndex()).set(region.ConstSet()).setType();
}

template <class Request>
void ReadOne(const Loader& loader, const Ref& object, Request& request, const ddb_ModelContents& contents) {
  Members<korC_OutputRequest> m;
  m.Bool("suppressed", &korC_OutputRequest::suppressed);
  m.Custom("rebar", [](const Ref& ref, korC_OutputRequest& r) { r.rebar = ReadEnum(ref, kRebar, "rebar setting"); });
  m.Bool("directions", &korC_OutputRequest::directions);
  m.Custom("sectionPoints", [](const Ref& ref, korC_OutputRequest& r) {
    for (std::int32_t point : ref.Ints()) {
      if (point < 1) ref.Fail("model.range", "section points are numbered from 1");
      r.sectionPoints.push_back(point);
    }
  });
  std::vector<std::string_view> ownKeys = {"name", "channel", "region"};
  for (std::string_view member : m.Names()) ownKeys.push_back(member);
  m.ReadInto(object, request);
  if (object.Has("region")) {
    const Ref regionRef = object.Get("region");
    if (regionRef.IsString()) {
      if (regionRef.AsString() != "whole model")
        regionRef.Fail("model.type", "a region is a set reference ({\"set\": ..., \"instance\": ...}) or \"whole model\"");
    } else {
      request.region = loader.SetRegion(regionRef, {rgnC_SetData::NodeSet, rgnC_SetData::ElementSet, rgnC_SetData::Surface});
      request.regionSetKind = SetKindOf(contents, request.region);
      request.domainKind = korC_SetDomain;
    }
  }
  if (!request.sectionPoints.empty() && request.regionSetKind == rgnC_SetData::NodeSet)
    object.Get("sectionPoints").Fail("model.conflict", "section points belong to element output: not on a node set");
  std::vector<std::string_view> valueKeys;
  RequestState().VisitAttrs([&](const char* name, auto&) { valueKeys.push_back(name); });
  valueKeys.erase(std::find(valueKeys.begin(), valueKeys.end(), std::string_view("preset")));
  valueKeys.push_back("preset");
  if (object.Has("history")) CheckExplicitHistory(loader, object.Get("history"), KnownStatus, "an output request", "1 to 4");
  const int setKind = request.regionSetKind;
  request.states = ReadStepStates<RequestState, korC_OutputRequestState>(
      loader, object, ownKeys, valueKeys,
      [setKind](const Ref& values, RequestState& state) { ApplyValues(values, state, setKind); });
  const std::vector<std::string>& steps = loader.StepNames();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (!request.IsActive(i)) continue;
    if (i == 0)
      object.Fail("model.step", "output requests belong to analysis steps: name the step they start in "
                                "(createdIn), not the initial step");
  }
}

}  // namespace

void ReadOutputRequests(const Loader& loader, const Ref& root, ddb_ModelContents& contents) {
  if (!root.Has("outputRequests")) return;
  std::map<std::string, std::size_t> seen;
  root.Get("outputRequests").ForEachElement([&](const Ref& object) {
    const std::string name = ReadName(object.Get("name"));
    CheckUnique(object.Get("name"), name, seen, "output request");
    const int channel = ReadEnum(object.Get("channel"), kChannel, "output channel");
    if (loader.StepNames().size() < 2)
      object.Fail("model.step", "output requests belong to analysis steps, and the model has none");
    if (channel == kprC_FieldChannel) {
      auto request = std::make_shared<korC_FieldOutputRequest>(name);
      ReadOne(loader, object, *request, contents);
      contents.fieldOutputRequests.Add(name, request);
    } else {
      auto request = std::make_shared<korC_HistoryOutputRequest>(name);
      ReadOne(loader, object, *request, contents);
      contents.historyOutputRequests.Add(name, request);
    }
  });
}

namespace {

const Members<kprC_ExplicitRestart>& ExplicitRestartMembers() {
  using R = kprC_ExplicitRestart;
  static const Members<R> members = [] {
    Members<R> m;
    m.Bool("overlay", &R::overlay)
        .Custom("numberInterval", [](const Ref& r, R& x) { x.numberInterval = ReadCount(r, 1); })
        .Bool("timeMarks", &R::timeMarks);
    return m;
  }();
  return members;
}

/// A standard step's restart request: written at every "frequency"
/// increments, or at "numberInterval" intervals (with time marks or not).
const Members<kprC_StandardRestart>& StandardRestartMembers() {
  using R = kprC_StandardRestart;
  static const Members<R> members = [] {
    Members<R> m;
    m.Check([](const Ref& ref, R&) {
       if (ref.Has("frequency") == ref.Has("numberInterval"))
         ref.Fail("model.conflict", "a restart request gives \"frequency\" or \"numberInterval\"");
     })
        .Bool("overlay", &R::overlay)
        .Check([](const Ref& ref, R&) {
          if (ref.Has("frequency") && ref.Has("timeMarks"))
            ref.Get("timeMarks").Fail("model.conflict", "time marks go with \"numberInterval\"");
        })
        .Custom("frequency",
                [](const Ref& r, R& x) {
                  x.frequency = ReadCount(r, 1);
                  x.numberInterval = 0;
                })
        .Custom("numberInterval", [](const Ref& r, R& x) { x.numberInterval = ReadCount(r, 1); })
        .Bool("timeMarks", &R::timeMarks);
    return m;
  }();
  return members;
}

/// The monitored degree of freedom: a node set of one node, and the degree
/// of freedom; standard steps also the frequency.
template <class M>
Members<M, Loader> MonitorMembers(bool frequency) {
  Members<M, Loader> m;
  m.Region("node", &M::region, rgnC_SetData::NodeSet)
      .Required()
      .Custom("dof",
              [](const Ref& dofRef, M& monitor) {
                monitor.dof = ReadCount(dofRef, 1);
                if (monitor.dof > 30) dofRef.Fail("model.range", "a degree of freedom is 1 to 30");
              })
      .Required();
  if constexpr (std::is_same_v<M, kprC_StandardMonitor>)
    if (frequency) m.Custom("frequency", [](const Ref& r, M& monitor) { monitor.frequency = ReadCount(r, 1); });
  return m;
}

template <class T>
std::shared_ptr<T> ReadNew(const Ref& ref, const Members<T>& members) {
  auto object = std::make_shared<T>();
  members.ReadObject(ref, *object);
  return object;
}

template <class T>
std::shared_ptr<T> ReadNew(const Loader& loader, const Ref& ref, const Members<T, Loader>& members) {
  auto object = std::make_shared<T>();
  members.ReadObject(loader, ref, *object);
  return object;
}

const Members<kprC_ExplicitDiagnosticPrint>& ExplicitPrintMembers() {
  using P = kprC_ExplicitDiagnosticPrint;
  static const Members<P> members = [] {
    Members<P> m;
    m.Bool("allke", &P::allke).Bool("criticalElement", &P::criticalElement).Bool("etotal", &P::etotal).Bool("dmass", &P::dmass);
    return m;
  }();
  return members;
}

const Members<kprC_PerturbationDiagnosticPrint>& PerturbationPrintMembers() {
  using P = kprC_PerturbationDiagnosticPrint;
  static const Members<P> members = [] {
    Members<P> m;
    m.Custom("frequency", [](const Ref& r, P& x) { x.frequency = ReadCount(r, 0); }).Bool("solve", &P::solve);
    return m;
  }();
  return members;
}

const Members<kprC_StandardDiagnosticPrint>& StandardPrintMembers() {
  using P = kprC_StandardDiagnosticPrint;
  static const Members<P> members = [] {
    Members<P> m;
    m.Bool("contact", &P::contact)
        .Custom("frequency", [](const Ref& r, P& x) { x.frequency = ReadCount(r, 0); })
        .Bool("modelChange", &P::modelChange)
        .Bool("plasticity", &P::plasticity)
        .Bool("residual", &P::residual)
        .Bool("solve", &P::solve);
    return m;
  }();
  return members;
}

}  // namespace

void ReadStepOutputSettings(const Loader& loader, const Ref& ref, kprC_AnalysisStep& step, PrintInForce& inForce) {
  const bool isExplicit = step.isExplicit();
  if (inForce == PrintInForce::None) inForce = isExplicit ? PrintInForce::Explicit : PrintInForce::Standard;
  if (ref.Has("restart")) {
    const Ref restartRef = ref.Get("restart");
    if (isExplicit)
      step.restart_ = ReadNew(restartRef, ExplicitRestartMembers());
    else
      step.restart_ = ReadNew(restartRef, StandardRestartMembers());
  }
  if (ref.Has("monitor")) {
    static const Members<kprC_ExplicitMonitor, Loader> kExplicit = MonitorMembers<kprC_ExplicitMonitor>(false);
    static const Members<kprC_StandardMonitor, Loader> kStandard = MonitorMembers<kprC_StandardMonitor>(true);
    const Ref monitorRef = ref.Get("monitor");
    if (isExplicit)
      step.monitor_ = ReadNew(loader, monitorRef, kExplicit);
    else
      step.monitor_ = ReadNew(loader, monitorRef, kStandard);
  }
  if (ref.Has("diagnosticPrint")) {
    const Ref printRef = ref.Get("diagnosticPrint");
    if (isExplicit) {
      step.diagnosticPrint_ = ReadNew(printRef, ExplicitPrintMembers());
      inForce = PrintInForce::Explicit;
    } else if (step.Perturbation()) {
      if (inForce == PrintInForce::Explicit)
        printRef.Fail("model.conflict", "a linear perturbation step changes the frequency and solve flag of the "
                                        "diagnostic print of general steps, and those in force are an explicit "
                                        "step's: give a general step's diagnostic print before it");
      step.diagnosticPrint_ = ReadNew(printRef, PerturbationPrintMembers());
    } else {
      step.diagnosticPrint_ = ReadNew(printRef, StandardPrintMembers());
      inForce = PrintInForce::Standard;
    }
  }
}

}  // namespace mfl
