// Predefined fields: step-dependent objects of the model, each of a kind of
// the field table, on a set of the kind it needs, with its history in the
// natural form (createdIn / changes / deactivatedIn) or the explicit one
// (history). A temperature or general field created in the initial step is
// an initial condition; velocities, stresses, hardening and the
// solution-dependent state variables are initial conditions only.
#include <utility>

#include "modeldb/kpfC_Field.h"
#include "modelfile/mfl_Conditions.h"
#include "modelfile/mfl_Fields.h"
#include "modelfile/mfl_History.h"
#include "modelfile/mfl_Members.h"

namespace mfl {

namespace {

using FK = kpfC_FieldKind;

/// The state of a field of kind K, with the attribute names of its kind in
/// the model file.
template <FK K>
struct KindState : kpfC_FieldState {
  template <class F>
  void VisitAttrs(F&& f) {
    const bool fileForms = K == FK::Temperature || K == FK::GeneralField;
    switch (K) {
      case FK::Temperature:
      case FK::GeneralField:
      case FK::MassFlowRate:
        f("values", values);
        f("amplitude", amplitude);
        break;
      case FK::PressureStress:
        f("value", value);
        f("amplitude", amplitude);
        f("file", file);
        break;
      case FK::Velocity:
        f("velocity", velocity);
        f("angularVelocity", value);
        f("axis", axis);
        break;
      case FK::Stress:
        f("values", values);
        f("geostatic", geostatic);
        f("file", file);
        f("resultStep", fileStep);
        f("resultIncrement", fileIncrement);
        break;
      case FK::Solution:
        f("values", values);
        break;
      case FK::Hardening:
        f("value", value);
        f("values", values);
        f("file", file);
        f("resultStep", fileStep);
        f("resultIncrement", fileIncrement);
        break;
      default:
        break;
    }
    if (K == FK::GeneralField) f("variables", variables);
    if (fileForms) {
      f("file", file);
      f("resultStep", fileStep);
      f("resultIncrement", fileIncrement);
      f("beginStep", beginStep);
      f("beginIncrement", beginIncrement);
      f("endStep", endStep);
      f("endIncrement", endIncrement);
      f("interpolation", interpolation);
    }
    if (K == FK::Temperature) {
      f("absoluteExteriorTolerance", absoluteExteriorTolerance);
      f("exteriorTolerance", exteriorTolerance);
    }
  }
};

const EnumTable<int> kDistribution = {{"uniform", kpfC_Uniform},
                                      {"user", kpfC_User},
                                      {"geostatic", kpfC_Geostatic},
                                      {"results file", kpfC_FromFile},
                                      {"results file with user", kpfC_FromFileUser}};
const EnumTable<int> kInterpolation = {{"interpolate", 1}, {"midside", 2}};

/// How many numbers a list attribute holds: exactly `exact`, or 1 to `most`.
struct ListSize {
  std::size_t exact = 0, most = 0;
};

template <FK K>
ListSize SizeOf(const kpfC_FieldState& state, const void* attr) {
  if (attr == &state.velocity) return {3, 0};
  if (attr == &state.axis || attr == &state.geostatic) return {6, 0};
  if (K == FK::MassFlowRate) return {3, 0};
  if (K == FK::Stress || K == FK::Hardening) return {0, 6};
  return {0, 0};
}

/// A text cited on a keyword line: no comma, double quote or line break.
std::string ReadParamText(const Ref& ref) {
  const std::string text = ref.AsString();
  if (text.empty()) ref.Fail("model.text", "an empty file name");
  if (text.find_first_of(",\"\r\n") != std::string::npos)
    ref.Fail("model.text", "a file name on a keyword line cannot hold a comma, a double quote or a line break");
  return text;
}

template <FK K>
void ApplyValues(const Ref& values, kpfC_FieldState& state, const ddb_ModelContents& contents) {
  KindState<K>& named = static_cast<KindState<K>&>(state);
  named.VisitAttrs([&](const char* name, auto& attr) {
    if (!values.Has(name)) return;
    const Ref ref = values.Get(name);
    using T = std::decay_t<decltype(attr.ConstGet())>;
    if constexpr (std::is_same_v<T, std::vector<double>>) {
      std::vector<double> numbers = ref.Reals();
      const ListSize size = SizeOf<K>(state, &attr);
      if (size.exact != 0 && numbers.size() != size.exact)
        ref.Fail("model.size", std::string("\"") + name + "\" holds " + std::to_string(size.exact) + " numbers");
      if (size.most != 0 && (numbers.empty() || numbers.size() > size.most))
        ref.Fail("model.size", std::string("\"") + name + "\" holds 1 to " + std::to_string(size.most) + " numbers");
      attr.Set(std::move(numbers));
    } else if constexpr (std::is_same_v<T, double>) {
      const double value = ref.AsDouble();
      if (&attr == &state.exteriorTolerance || &attr == &state.absoluteExteriorTolerance) {
        if (value < 0.0) ref.Fail("model.range", "a tolerance is 0 or more");
      }
      attr.Set(value);
    } else if constexpr (std::is_same_v<T, std::string>) {
      if (&attr == &state.amplitude) {
        attr.Set(ReadAmplitudeName(ref, contents));
      } else {
        attr.Set(ReadParamText(ref));
      }
    } else if (&attr == &state.interpolation) {
      attr.Set(ReadEnum(ref, kInterpolation, "interpolation"));
    } else {
      attr.Set(ReadInt(ref, &attr == &state.variables ? 1 : 0));
    }
  });
}

bool KnownStatus(int status) {
  return (status >= mdl_Created && status <= mdl_Deactivated) || status == mdl_FieldPropagated ||
         status == mdl_FieldRestated;
}

using KindReader = void (*)(const Loader&, const Ref&, const std::vector<std::string_view>&,
                            const ddb_ModelContents&, kpfC_Field&);

template <FK K>
void ReadKindHistory(const Loader& loader, const Ref& object, const std::vector<std::string_view>& ownKeys,
                     const ddb_ModelContents& contents, kpfC_Field& field) {
  std::vector<std::string_view> valueKeys;
  KindState<K>().VisitAttrs([&](const char* name, auto&) { valueKeys.push_back(name); });
  if (object.Has("history")) CheckExplicitHistory(loader, object.Get("history"), KnownStatus, "a field", "1 to 4, 14 or 15");
  const mdl_StepStates<kpfC_FieldState> states = ReadStepStates<KindState<K>, kpfC_FieldState>(
      loader, object, ownKeys, valueKeys,
      [&contents](const Ref& values, KindState<K>& state) { ApplyValues<K>(values, state, contents); });
  for (std::size_t i = states.First(); i < states.First() + states.Size(); ++i)
    if (states.Status(i) != mdl_Inactive) field.SetState(i, states.Status(i), states.State(i));
}

template <std::size_t... I>
constexpr std::array<KindReader, sizeof...(I)> KindReaders(std::index_sequence<I...>) {
  return {&ReadKindHistory<FK(I)>...};
}
constexpr auto kKindReaders = KindReaders(std::make_index_sequence<kpfC_FieldKindCount>());

const kpfC_FieldInfo& ReadKind(const Ref& ref) {
  const std::string text = ref.AsString();
  if (const kpfC_FieldInfo* info = kpfC_FindKind(text)) return *info;
  std::vector<std::string_view> known;
  for (const kpfC_FieldInfo& info : kpfC_FieldTable()) known.push_back(info.fileName);
  FailUnknown(ref, "field kind", text, QuotedList(known));
}

Members<kpfC_Field> OwnMembers(const kpfC_FieldInfo& info) {
  using F = kpfC_Field;
  Members<F> m;
  m.Bool("suppressed", &F::suppressed);
  m.Custom("distribution", [&info](const Ref& ref, F& field) {
    field.distribution = ReadEnum(ref, kDistribution, "distribution");
    if (!info.Allows(field.distribution))
      ref.Fail("model.unsupported", "a " + std::string(info.fileName) + " field cannot have the distribution \"" +
                                        ref.AsString() + "\"");
  });
  if (info.kind == FK::Temperature)
    m.Custom("sectionPoints", [](const Ref& ref, F& field) {
      field.sectionPoints = ReadInt(ref, 0);
      if (field.sectionPoints > 2) ref.Fail("model.range", "the section-point mode is 0, 1 or 2");
    });
  if (info.kind == FK::GeneralField) m.Int("variable", &F::variable, 1);
  if (info.kind == FK::Velocity) m.Bool("rotating", &F::rotating);
  return m;
}

/// The rules a field's history must keep beyond those of every history.
void CheckField(const Loader& loader, const Ref& object, const kpfC_Field& field) {
  const kpfC_FieldInfo& info = field.Info();
  const std::vector<std::string>& steps = loader.StepNames();
  const bool fromFile = field.distribution == kpfC_FromFile || field.distribution == kpfC_FromFileUser;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const int s = field.Status(i);
    if (s == mdl_Inactive) continue;
    const kpfC_FieldState& state = field.ConstGetState(i);
    if (!info.stepKeyword && i > 0 && s != mdl_Propagated && s != mdl_FieldPropagated)
      object.Fail("model.step", "a " + std::string(info.fileName) + " field is an initial condition: it is created "
                                "in the initial step and neither changed nor deactivated afterwards");
    if (!info.stepKeyword && i == 0 && s != mdl_Created && s != mdl_FieldRestated)
      object.Fail("model.step", "a " + std::string(info.fileName) + " field is created in the initial step");
    if (kpfC_Field::IsActive(s) && fromFile && (!state.file.IsSet() || state.file.ConstGet().empty()))
      object.Fail("model.missing-member", "field \"" + field.name() + "\" is read from a results file and names "
                                          "none (\"file\") in step \"" + steps[i] + "\"");
    if (i == 0 && info.initialType && field.distribution == kpfC_FromFileUser && kpfC_Field::IsActive(s))
      object.Fail("model.unsupported", "an initial condition read from a results file has no user-routine form; "
                                       "use \"results file\" or \"user\"");
    if (i > 0 && info.kind == FK::GeneralField && state.interpolation.IsSet() && state.interpolation.ConstGet() == 1)
      object.Fail("model.unsupported", "a general field read from a results file in an analysis step can be "
                                       "interpolated at midside nodes only (\"midside\")");
  }
}

}  // namespace

void ReadFields(const Loader& loader, const Ref& root, ddb_ModelContents& contents) {
  std::map<std::string, std::size_t> seen;
  if (root.Has("fields")) root.Get("fields").ForEachElement([&](const Ref& object) {
    const std::string name = ReadName(object.Get("name"));
    CheckUnique(object.Get("name"), name, seen, "field");
    const kpfC_FieldInfo& info = ReadKind(object.Get("kind"));
    if (loader.StepNames().empty()) object.Fail("model.step", "fields hold in steps, and the model has none");
    auto field = kpfC_Make(info.kind, name);
    const Members<kpfC_Field> members = OwnMembers(info);
    std::vector<std::string_view> ownKeys = {"name", "kind", "region"};
    for (std::string_view member : members.Names()) ownKeys.push_back(member);
    members.ReadInto(object, *field);
    field->region = loader.SetRegion(object.Get("region"), {info.setKind});
    kKindReaders[std::size_t(info.kind)](loader, object, ownKeys, contents, *field);
    CheckField(loader, object, *field);
    // Written in full in the step: created, changed, removed or restated.
    CheckListedInLoadCases(
        loader, object, "field", name, [&](std::size_t i) { return field->Status(i); },
        [](int s) { return ChangesInStep(s) || s == mdl_FieldRestated; }, &klcC_LoadCase::fields, contents);
    contents.fields.Add(field->name(), field);
  });
  // Every field a load case lists must exist.
  if (!root.Has("steps")) return;
  root.Get("steps").ForEachElement([&](const Ref& step) {
    if (!step.Has("loadCases")) return;
    step.Get("loadCases").ForEachElement([&](const Ref& loadCase) {
      if (!loadCase.Has("fields")) return;
      loadCase.Get("fields").ForEachMember([&](const std::string& listed, const Ref& factor) {
        if (seen.count(listed) == 0) factor.Fail("model.unknown-reference", "no field named \"" + listed + "\"");
      });
    });
  });
}

}  // namespace mfl
