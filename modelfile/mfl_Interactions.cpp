// Reading of the interaction properties (contact, film and impedance tables),
// the contact controls and the interactions. An interaction is of a kind of
// the interaction table; its own members (surfaces, sliding, ...) are read by
// a member table per kind, the values that change over the steps by its
// history in the natural form (createdIn / changes / deactivatedIn) or the
// explicit one (history), the way conditions read theirs.
#include "modelfile/mfl_Interactions.h"

#include <algorithm>

#include "modeldb/rgnC_SetData.h"
#include "modelfile/mfl_Conditions.h"
#include "modelfile/mfl_Connectors.h"
#include "modelfile/mfl_History.h"
#include "modelfile/mfl_Members.h"

namespace mfl {

namespace {

using IK = kinC_InteractionKind;

struct Context {
  const Loader& loader;
  ddb_ModelContents& contents;
};

// ---------------------------------------------------------------------------
// Values shared by the readers

double AtLeast(const Ref& ref, double minimum) {
  const double value = ref.AsDouble();
  if (value < minimum) ref.Fail("model.range", "expected a number of at least " + std::to_string(int(minimum)));
  return value;
}

double Positive(const Ref& ref) {
  const double value = ref.AsDouble();
  if (value <= 0.0) ref.Fail("model.range", "expected a number greater than 0");
  return value;
}

double Fraction(const Ref& ref) {
  const double value = ref.AsDouble();
  if (value < 0.0 || value > 1.0) ref.Fail("model.range", "expected a number from 0 to 1");
  return value;
}

/// A text cited on a keyword line: no comma, double quote or line break.
std::string ParamText(const Ref& ref) {
  const std::string text = ReadName(ref);
  if (text.find(',') != std::string::npos) ref.Fail("model.text", "a name on a keyword line cannot hold a comma");
  return text;
}

int OwnColumns(const kmaC_TableData& data) {
  return data.table.Columns() - (data.temperatureDependency ? 1 : 0) - data.dependencies;
}

/// The table of `option` ("table" with its layout members where allowed);
/// `required`: it must have rows.
kmaC_TableData Table(const Ref& option, bool required) {
  kmaC_TableData data = ReadTableMembers(option);
  if (required && data.table.Rows() == 0) {
    if (!option.Has("table")) option.Get("table");  // refused: missing
    option.Get("table").Fail("model.table", "the table has no rows");
  }
  return data;
}

void RequireColumns(const Ref& option, const kmaC_TableData& data, int columns, const std::string& what) {
  if (data.table.Rows() != 0 && OwnColumns(data) != columns)
    option.Get("table").Fail("model.table", what + " has " + std::to_string(columns) + " value column" +
                                                (columns == 1 ? "" : "s") + "; the table has " +
                                                std::to_string(OwnColumns(data)));
}

void RequireRows(const Ref& option, const kmaC_TableData& data, int rows, const std::string& what) {
  if (data.table.Rows() != rows)
    option.Get("table").Fail("model.table", what + " has " + std::to_string(rows) + " row" + (rows == 1 ? "" : "s") +
                                                "; the table has " + std::to_string(data.table.Rows()));
}

/// Refuses the members of `ref` in `names` (they do not go with `why`).
void Refuse(const Ref& ref, std::initializer_list<std::string_view> names, const std::string& why) {
  for (std::string_view name : names)
    if (ref.Has(name)) ref.Get(name).Fail("model.conflict", "\"" + std::string(name) + "\" " + why);
}

// ---------------------------------------------------------------------------
// Properties

const EnumTable<int> kFrictionForms = {{"frictionless", kinC_Friction::Frictionless},
                                       {"penalty", kinC_Friction::Penalty},
                                       {"lagrange", kinC_Friction::Lagrange},
                                       {"rough", kinC_Friction::Rough},
                                       {"user", kinC_Friction::User},
                                       {"exponential decay", kinC_Friction::ExponentialDecay}};
const EnumTable<int> kOverclosures = {{"hard", kinC_SurfaceBehavior::Hard},
                                      {"exponential", kinC_SurfaceBehavior::Exponential},
                                      {"linear", kinC_SurfaceBehavior::Linear},
                                      {"tabular", kinC_SurfaceBehavior::Tabular},
                                      {"scale factor", kinC_SurfaceBehavior::ScaleFactor}};
const EnumTable<int> kEnforcements = {{"default", kinC_SurfaceBehavior::Default},
                                      {"augmented Lagrange", kinC_SurfaceBehavior::AugmentedLagrange},
                                      {"penalty", kinC_SurfaceBehavior::PenaltyMethod}};
const EnumTable<int> kDampingDefinitions = {{"critical damping", kinC_ContactDamping::CriticalDamping},
                                            {"damping coefficient", kinC_ContactDamping::DampingCoefficient}};
const EnumTable<int> kConductanceForms = {{"clearance", kinC_GapConductance::Clearance},
                                          {"pressure", kinC_GapConductance::Pressure},
                                          {"user", kinC_GapConductance::User}};

/// Reads `ref` by `members` into a new object.
template <class T>
std::shared_ptr<const T> ReadNew(const Ref& ref, const Members<T>& members) {
  auto object = std::make_shared<T>();
  members.ReadObject(ref, *object);
  return object;
}

const Members<kinC_Friction>& FrictionMembers() {
  using F = kinC_Friction;
  static const Members<F> members = [] {
    Members<F> m;
    m.Enum("form", &F::form, kFrictionForms, "friction form")
        .Required()
        .Allow({"table", "temperatureDependency", "dependencies"})
        .Check([](const Ref& ref, F& friction) {
          const bool coefficients = friction.form == F::Penalty || friction.form == F::Lagrange;
          if (!coefficients)
            Refuse(ref, {"elasticSlip", "slipTolerance", "shearTractionSlope", "taumax", "anisotropic"},
                   "belongs to a penalty or Lagrange friction");
          if (!coefficients && friction.form != F::ExponentialDecay)
            Refuse(ref, {"table", "temperatureDependency", "dependencies"}, "belongs to a friction given by a table");
          if (friction.form == F::ExponentialDecay)
            Refuse(ref, {"temperatureDependency", "dependencies"}, "belongs to a penalty or Lagrange friction");
          if (friction.form != F::User) Refuse(ref, {"depvar", "properties"}, "belongs to a user friction");
          if (friction.form != F::ExponentialDecay)
            Refuse(ref, {"testData"}, "belongs to an exponential decay friction");
        })
        .Custom("elasticSlip", [](const Ref& ref, F& f) { f.elasticSlip = AtLeast(ref, 0.0); })
        .Custom("slipTolerance", [](const Ref& ref, F& f) { f.slipTolerance = Positive(ref); })
        .Custom("shearTractionSlope", [](const Ref& ref, F& f) { f.shearTractionSlope = Positive(ref); })
        .Custom("taumax", [](const Ref& ref, F& f) { f.taumax = Positive(ref); })
        .Bool("anisotropic", &F::anisotropic)
        .Bool("testData", &F::testData)
        .Int("depvar", &F::depvar)
        .Custom("properties", [](const Ref& ref, F& f) { f.properties = ref.Reals(); })
        .Check([](const Ref& ref, F& friction) {
          if (friction.form == F::Penalty || friction.form == F::Lagrange) {
            friction.data = Table(ref, true);
            if (friction.anisotropic && OwnColumns(friction.data) < 2)
              ref.Get("table").Fail("model.table", "an anisotropic friction gives two coefficients a row");
          } else if (friction.form == F::ExponentialDecay) {
            friction.data = Table(ref, true);
            if (!friction.testData) {
              RequireRows(ref, friction.data, 1, "an exponential decay friction");
              RequireColumns(ref, friction.data, 3, "an exponential decay friction (static, kinetic, decay)");
            }
          }
        });
    return m;
  }();
  return members;
}

const Members<kinC_SurfaceBehavior>& BehaviorMembers() {
  using B = kinC_SurfaceBehavior;
  static const Members<B> members = [] {
    Members<B> m;
    m.Enum("pressureOverclosure", &B::overclosure, kOverclosures, "pressure-overclosure")
        .Bool("noSeparation", &B::noSeparation)
        .Enum("enforcement", &B::enforcement, kEnforcements, "enforcement")
        .Group({"table"}, [](const Ref& ref, B& behavior) {
          if (behavior.overclosure == B::Hard) {
            Refuse(ref, {"table"}, "belongs to a pressure-overclosure other than \"hard\"");
            return;
          }
          behavior.data = Table(ref, true);
          switch (behavior.overclosure) {
            case B::Exponential:
              RequireRows(ref, behavior.data, 1, "an exponential pressure-overclosure");
              RequireColumns(ref, behavior.data, 2, "an exponential pressure-overclosure (pressure, clearance)");
              break;
            case B::Linear:
              RequireRows(ref, behavior.data, 1, "a linear pressure-overclosure");
              RequireColumns(ref, behavior.data, 1, "a linear pressure-overclosure (the slope)");
              break;
            case B::Tabular:
              RequireColumns(ref, behavior.data, 2, "a tabular pressure-overclosure (pressure, overclosure)");
              break;
            default:
              RequireRows(ref, behavior.data, 1, "a scale-factor pressure-overclosure");
          }
        });
    return m;
  }();
  return members;
}

const Members<kinC_ContactDamping>& DampingMembers() {
  using D = kinC_ContactDamping;
  static const Members<D> members = [] {
    Members<D> m;
    m.Enum("definition", &D::definition, kDampingDefinitions, "definition")
        .Custom("tangentFraction", [](const Ref& ref, D& d) { d.tangentFraction = Fraction(ref); })
        .Group({"table"}, [](const Ref& ref, D& d) { d.data = Table(ref, true); });
    return m;
  }();
  return members;
}

const Members<kinC_GapConductance>& ConductanceMembers() {
  using G = kinC_GapConductance;
  static const Members<G> members = [] {
    Members<G> m;
    m.Enum("form", &G::form, kConductanceForms, "gap conductance form")
        .Group({"table", "temperatureDependency", "dependencies"}, [](const Ref& ref, G& conductance) {
          if (conductance.form != G::Clearance)
            Refuse(ref, {"dependencies"}, "belongs to a gap conductance against the clearance");
          conductance.data = Table(ref, conductance.form != G::User);
          if (conductance.form != G::User)
            RequireColumns(ref, conductance.data, 2, "a gap conductance (conductance, clearance or pressure)");
        });
    return m;
  }();
  return members;
}

const Members<kinC_GapHeatGeneration>& HeatGenerationMembers() {
  using G = kinC_GapHeatGeneration;
  static const Members<G> members = [] {
    Members<G> m;
    m.Custom("fraction", [](const Ref& ref, G& g) { g.fraction = Fraction(ref); })
        .Required()
        .Custom("weighting", [](const Ref& ref, G& g) { g.weighting = Fraction(ref); });
    return m;
  }();
  return members;
}

const Members<kinC_GapRadiation>& GapRadiationMembers() {
  using G = kinC_GapRadiation;
  static const Members<G> members = [] {
    Members<G> m;
    m.Custom("masterEmissivity", [](const Ref& ref, G& g) { g.masterEmissivity = Fraction(ref); })
        .Required()
        .Custom("slaveEmissivity", [](const Ref& ref, G& g) { g.slaveEmissivity = Fraction(ref); })
        .Required()
        .Group({"table"}, [](const Ref& ref, G& g) { g.data = Table(ref, false); });
    return m;
  }();
  return members;
}

const Members<kinC_ContactProperty>& ContactPropertyMembers() {
  using P = kinC_ContactProperty;
  static const Members<P> members = [] {
    Members<P> m;
    m.Custom("padThickness", [](const Ref& ref, P& p) { p.padThickness = Positive(ref); })
        .Custom("outOfPlaneThickness",
                [](const Ref& ref, P& p) {
                  p.thicknessLine = true;
                  p.thickness = Positive(ref);
                })
        .Custom("friction", [](const Ref& ref, P& p) { p.friction = ReadNew(ref, FrictionMembers()); })
        .Custom("surfaceBehavior", [](const Ref& ref, P& p) { p.behavior = ReadNew(ref, BehaviorMembers()); })
        .Custom("contactDamping", [](const Ref& ref, P& p) { p.damping = ReadNew(ref, DampingMembers()); })
        .Custom("gapConductance", [](const Ref& ref, P& p) { p.conductance = ReadNew(ref, ConductanceMembers()); })
        .Custom("gapHeatGeneration",
                [](const Ref& ref, P& p) { p.heatGeneration = ReadNew(ref, HeatGenerationMembers()); })
        .Custom("gapRadiation", [](const Ref& ref, P& p) { p.radiation = ReadNew(ref, GapRadiationMembers()); });
    return m;
  }();
  return members;
}

const Members<kinC_FilmConditionProp>& FilmPropertyMembers() {
  using P = kinC_FilmConditionProp;
  static const Members<P> members = [] {
    Members<P> m;
    m.Group({"table", "temperatureDependency", "dependencies"}, [](const Ref& ref, P& p) { p.data = Table(ref, true); });
    return m;
  }();
  return members;
}

const Members<kinC_AcousticImpedanceProp>& ImpedancePropertyMembers() {
  using P = kinC_AcousticImpedanceProp;
  static const EnumTable<bool> kData = {{"admittance", false}, {"impedance", true}};
  static const Members<P> members = [] {
    Members<P> m;
    m.Enum("data", &P::impedance, kData, "data").Group({"table"}, [](const Ref& ref, P& p) {
      p.data = Table(ref, true);
    });
    return m;
  }();
  return members;
}

/// A property of class P named `name`, read by `members`.
template <class P, const Members<P>& (*members)()>
std::shared_ptr<kinC_InteractionProperty> ReadProperty(const std::string& name, const Ref& ref) {
  auto property = std::make_shared<P>(name);
  members().ReadObject(ref, *property, {"name", "kind"});
  return property;
}

using PropertyReader = std::shared_ptr<kinC_InteractionProperty> (*)(const std::string&, const Ref&);
constexpr PropertyReader kPropertyReaders[] = {
    &ReadProperty<kinC_ContactProperty, &ContactPropertyMembers>,
    &ReadProperty<kinC_FilmConditionProp, &FilmPropertyMembers>,
    &ReadProperty<kinC_AcousticImpedanceProp, &ImpedancePropertyMembers>};
static_assert(std::size(kPropertyReaders) == std::size_t(kinC_PropertyKindCount), "one reader per property kind");

void ReadProperties(const Ref& properties, ddb_ModelContents& contents) {
  std::map<std::string, std::size_t> seen;
  properties.ForEachElement([&](const Ref& ref) {
    const std::string name = ReadName(ref.Get("name"));
    CheckUnique(ref.Get("name"), name, seen, "interaction property");
    const Ref kindRef = ref.Get("kind");
    const std::string kind = kindRef.AsString();
    const kinC_PropertyInfo* info = kinC_FindPropertyKind(kind);
    if (info == nullptr) {
      std::vector<std::string_view> known;
      for (const kinC_PropertyInfo& row : kinC_PropertyTable()) known.push_back(row.fileName);
      FailUnknown(kindRef, "interaction property kind", kind, QuotedList(known));
    }
    contents.interactionProperties.Add(name, kPropertyReaders[std::size_t(info->kind)](name, ref));
  });
}

// ---------------------------------------------------------------------------
// Contact controls

Members<kinC_StdContactControls> StdControlsMembers() {
  using C = kinC_StdContactControls;
  Members<C> m;
  auto nonNegative = [](double C::*member) {
    return [member](const Ref& ref, C& controls) { controls.*member = AtLeast(ref, 0.0); };
  };
  m.Custom("absolutePenetrationTolerance", nonNegative(&C::absolutePenetrationTolerance))
      .Custom("relativePenetrationTolerance", nonNegative(&C::relativePenetrationTolerance))
      .Custom("stiffnessScaleFactor", [](const Ref& ref, C& c) { c.stiffnessScaleFactor = Positive(ref); })
      .Custom("slideDistance", nonNegative(&C::slideDistance))
      .Bool("delayedFrictionOnset", &C::delayedFrictionOnset)
      .Bool("automaticTolerances", &C::automaticTolerances)
      .Custom("maxchp", [](const Ref& ref, C& c) { c.maxchp = ReadInt(ref, 0); })
      .Custom("perrmx", nonNegative(&C::perrmx))
      .Custom("uerrmx", nonNegative(&C::uerrmx))
      .Custom("stabilize",
              [](const Ref& ref, C& c) {
                if (ref.IsNumber()) {
                  c.stabilize = true;
                  c.stabilizeFactor = Positive(ref);
                } else {
                  c.stabilize = ref.AsBool();
                }
              })
      .Custom("tangentFraction", [](const Ref& ref, C& c) { c.tangentFraction = Fraction(ref); });
  return m;
}

Members<kinC_XplContactControls> XplControlsMembers() {
  using C = kinC_XplContactControls;
  Members<C> m;
  m.Custom("fastLocalTracking", [](const Ref& ref, C& c) { c.fastLocalTracking = ref.AsBool() ? 1 : 0; })
      .Custom("globalTrackingIncrements", [](const Ref& ref, C& c) { c.globalTrackingIncrements = ReadInt(ref, 1); })
      .Custom("scalePenalty", [](const Ref& ref, C& c) { c.scalePenalty = Positive(ref); })
      .Custom("warpCheckPeriod", [](const Ref& ref, C& c) { c.warpCheckPeriod = ReadInt(ref, 1); })
      .Custom("warpCutOff", [](const Ref& ref, C& c) { c.warpCutOff = Positive(ref); });
  return m;
}

template <class C>
std::shared_ptr<kinC_ContactControls> ReadControls(const std::string& name, const Ref& ref, const Members<C>& members) {
  auto controls = std::make_shared<C>(name);
  members.ReadObject(ref, *controls, {"name", "kind"});
  return controls;
}

void ReadContactControls(const Ref& list, ddb_ModelContents& contents) {
  std::map<std::string, std::size_t> seen;
  list.ForEachElement([&](const Ref& ref) {
    const std::string name = ReadName(ref.Get("name"));
    CheckUnique(ref.Get("name"), name, seen, "contact controls");
    const bool standard = ReadEnum(ref.Get("kind"), EnumTable<bool>{{"standard", true}, {"explicit", false}},
                                   "contact controls kind");
    contents.contactControls.Add(name, standard ? ReadControls(name, ref, StdControlsMembers())
                                                : ReadControls(name, ref, XplControlsMembers()));
  });
}

// ---------------------------------------------------------------------------
// References of the interactions

template <class T>
std::string ReadReference(const Ref& ref, const mdl_MapString2ObjCow<T>& repository, const char* what,
                          std::type_index type, const char* kindText) {
  const std::string name = ref.AsString();
  const auto object = repository.GetShared(name);
  if (!object) ref.Fail("model.unknown-reference", std::string("no ") + what + " named \"" + name + "\"");
  if (object->DynTypeId() != type)
    ref.Fail("model.type", std::string("\"") + name + "\" is not " + kindText);
  return name;
}

std::string ContactPropertyName(const Context& c, const Ref& ref) {
  return ReadReference(ref, c.contents.interactionProperties, "interaction property",
                       mdl_TypeId<kinC_ContactProperty>(), "a contact property");
}

int SetKindOf(const ddb_ModelContents& contents, const rgnC_Region& region) {
  if (region.OnAssembly()) return contents.assembly.set(region.ConstSet()).setType();
  return contents.meshes.at(region.MeshIndex()).set(region.ConstSet()).setType();
}

rgnC_Region SurfaceRef(const Context& c, const Ref& ref) { return c.loader.SetRegion(ref, {rgnC_SetData::Surface}); }

// ---------------------------------------------------------------------------
// States of each kind, with their names in the model file

struct StdPairState : kinC_ContactPairState {
  template <class F>
  void VisitAttrs(F&& f) {
    f("property", interactionProperty);
    f("contactControls", contactControls);
    f("interference", interference);
    f("interferenceAmplitude", interferenceAmplitude);
    f("shrink", shrink);
  }
};

struct XplPairState : kinC_ContactPairState {
  template <class F>
  void VisitAttrs(F&& f) {
    f("property", interactionProperty);
    f("contactControls", contactControls);
    f("mechanicalConstraint", mechanicalConstraint);
    f("weight", weight);
  }
};

struct FilmState : kinC_SurfaceExchangeState {
  template <class F>
  void VisitAttrs(F&& f) {
    f("sinkTemperature", sinkTemperature);
    f("filmCoefficient", coefficient);
    f("filmProperty", filmProperty);
    f("amplitude", amplitude);
    f("filmAmplitude", filmAmplitude);
  }
};

struct ConcFilmState : kinC_SurfaceExchangeState {
  template <class F>
  void VisitAttrs(F&& f) {
    f("sinkTemperature", sinkTemperature);
    f("filmCoefficient", coefficient);
    f("amplitude", amplitude);
    f("filmAmplitude", filmAmplitude);
  }
};

struct RadiationState : kinC_SurfaceExchangeState {
  template <class F>
  void VisitAttrs(F&& f) {
    f("ambientTemperature", sinkTemperature);
    f("emissivity", coefficient);
    f("amplitude", amplitude);
  }
};

const EnumTable<int> kMechanicalConstraints = {{"kinematic", kinC_XplContact::Kinematic},
                                               {"penalty", kinC_XplContact::Penalty}};
const EnumTable<int> kBlocking = {{"none", kinC_CavityState::None},
                                  {"partial", kinC_CavityState::Partial},
                                  {"all", kinC_CavityState::All}};
const EnumTable<int> kThickness = {{"original", kinC_ThicknessAssignment::Original},
                                   {"current", kinC_ThicknessAssignment::Current}};

/// A pair of surfaces {"first", "second"}; the first may be left out in the
/// in- and exclusions of general contact (every surface).
const Members<kinC_SurfacePair, Context>& SurfacePairMembers(bool firstOptional) {
  using P = kinC_SurfacePair;
  static const auto make = [](bool optional) {
    Members<P, Context> m;
    m.Custom("first", [](const Context& c, const Ref& ref, P& pair) { pair.first = SurfaceRef(c, ref); });
    if (!optional) m.Required();
    m.Custom("second", [](const Context& c, const Ref& ref, P& pair) { pair.second = SurfaceRef(c, ref); })
        .Check([](const Ref& entry, P& pair) {
          if (pair.first.ConstSet() < 0 && pair.second.ConstSet() >= 0)
            entry.Fail("model.missing-member", "a pair with a \"second\" surface names its \"first\"");
        });
    return m;
  };
  static const Members<P, Context> required = make(false), optional = make(true);
  return firstOptional ? optional : required;
}

std::vector<kinC_SurfacePair> ReadSurfacePairs(const Context& c, const Ref& ref, bool firstOptional) {
  std::vector<kinC_SurfacePair> pairs;
  ref.ForEachElement([&](const Ref& entry) {
    kinC_SurfacePair pair;
    SurfacePairMembers(firstOptional).ReadObject(c, entry, pair);
    pairs.push_back(pair);
  });
  return pairs;
}

/// A contact property of a pair of surfaces of general contact.
const Members<kinC_PropertyAssignment, Context>& PropertyAssignmentMembers() {
  using R = kinC_PropertyAssignment;
  static const Members<R, Context> members = [] {
    Members<R, Context> m;
    m.Custom("first", [](const Context& c, const Ref& ref, R& row) { row.first = SurfaceRef(c, ref); })
        .Custom("second", [](const Context& c, const Ref& ref, R& row) { row.second = SurfaceRef(c, ref); })
        .Custom("property", [](const Context& c, const Ref& ref, R& row) { row.property = ContactPropertyName(c, ref); })
        .Required();
    return m;
  }();
  return members;
}

/// A surface's thickness in general contact: a value, or "original" or "current".
const Members<kinC_ThicknessAssignment, Context>& ThicknessAssignmentMembers() {
  using R = kinC_ThicknessAssignment;
  static const Members<R, Context> members = [] {
    Members<R, Context> m;
    m.Custom("surface", [](const Context& c, const Ref& ref, R& row) { row.surface = SurfaceRef(c, ref); })
        .Custom("thickness",
                [](const Ref& thickness, R& row) {
                  if (thickness.IsNumber()) {
                    row.kind = R::Value;
                    row.value = Positive(thickness);
                  } else {
                    row.kind = ReadEnum(thickness, kThickness, "thickness");
                  }
                })
        .Required();
    return m;
  }();
  return members;
}

/// Reads the values of one step into `state`: every attribute `values`
/// names, by the type of its value and its name.
template <class S>
void ApplyValues(const Context& c, const Ref& values, S& state) {
  state.VisitAttrs([&](const char* name, auto& attr) {
    if (!values.Has(name)) return;
    const Ref ref = values.Get(name);
    const std::string key = name;
    using T = std::decay_t<decltype(attr.ConstGet())>;
    if constexpr (std::is_same_v<T, double>) {
      if (key == "sinkTemperature" || key == "ambientTemperature")
        attr.Set(ref.AsDouble());
      else if (key == "emissivity" || key == "weight")
        attr.Set(Fraction(ref));
      else if (key == "range" || key == "viewfactorTolerance")
        attr.Set(Positive(ref));
      else
        attr.Set(AtLeast(ref, 0.0));  // film coefficient, interference
    } else if constexpr (std::is_same_v<T, bool>) {
      attr.Set(ref.AsBool());
    } else if constexpr (std::is_same_v<T, int>) {
      attr.Set(key == "blocking" ? ReadEnum(ref, kBlocking, "blocking")
                                 : ReadEnum(ref, kMechanicalConstraints, "mechanical constraint"));
    } else if constexpr (std::is_same_v<T, std::string>) {
      if (key == "property") {
        attr.Set(ContactPropertyName(c, ref));
      } else if (key == "filmProperty") {
        attr.Set(ReadReference(ref, c.contents.interactionProperties, "interaction property",
                               mdl_TypeId<kinC_FilmConditionProp>(), "a film property"));
      } else if (key == "contactControls") {
        const bool xpl = std::is_same_v<S, XplPairState>;
        attr.Set(ReadReference(ref, c.contents.contactControls, "contact controls",
                               xpl ? mdl_TypeId<kinC_XplContactControls>() : mdl_TypeId<kinC_StdContactControls>(),
                               xpl ? "explicit contact controls" : "standard contact controls"));
      } else {
        attr.Set(ReadAmplitudeName(ref, c.contents));
      }
    } else if constexpr (std::is_same_v<T, std::vector<kinC_SurfacePair>>) {
      attr.Set(ReadSurfacePairs(c, ref, key == "inclusions" || key == "exclusions"));
    } else if constexpr (std::is_same_v<T, std::vector<kinC_PropertyAssignment>>) {
      std::vector<kinC_PropertyAssignment> rows;
      ref.ForEachElement([&](const Ref& entry) {
        kinC_PropertyAssignment row;
        PropertyAssignmentMembers().ReadObject(c, entry, row);
        rows.push_back(row);
      });
      attr.Set(std::move(rows));
    } else if constexpr (std::is_same_v<T, std::vector<kinC_ThicknessAssignment>>) {
      std::vector<kinC_ThicknessAssignment> rows;
      ref.ForEachElement([&](const Ref& entry) {
        kinC_ThicknessAssignment row;
        ThicknessAssignmentMembers().ReadObject(c, entry, row);
        rows.push_back(row);
      });
      attr.Set(std::move(rows));
    }
  });
}

// ---------------------------------------------------------------------------
// Own members of each kind

const EnumTable<int> kDiscretization = {{"node to surface", kinC_StdContact::NodeToSurface},
                                        {"surface to surface", kinC_StdContact::SurfaceToSurface}};
const EnumTable<int> kRegionTypes = {{"lagrangian", kinC_Lagrangian}, {"sliding", kinC_Sliding}, {"eulerian", kinC_Eulerian}};
const EnumTable<int> kFilmDefinitions = {{"coefficient", kinC_FilmCondition::Embedded},
                                         {"property", kinC_FilmCondition::Property},
                                         {"user", kinC_FilmCondition::User}};
const EnumTable<int> kNonreflecting = {{"planar", kinC_AcousticImpedance::Planar},
                                       {"improved", kinC_AcousticImpedance::Improved},
                                       {"circular", kinC_AcousticImpedance::Circular},
                                       {"spherical", kinC_AcousticImpedance::Spherical},
                                       {"elliptical", kinC_AcousticImpedance::Elliptical},
                                       {"prolate spheroidal", kinC_AcousticImpedance::ProlateSpheroidal}};

template <class T>
using Own = Members<T, Context>;

Own<kinC_StdContact> StdMembers(bool self) {
  using C = kinC_StdContact;
  Own<C> m;
  m.Custom(self ? "surface" : "slave",
           [](const Context& c, const Ref& ref, C& pair) {
             pair.slave = c.loader.SetRegion(ref, {rgnC_SetData::Surface, rgnC_SetData::NodeSet});
             pair.slaveKind = SetKindOf(c.contents, pair.slave);
           })
      .Required();
  if (!self)
    m.Custom("master",
             [](const Context& c, const Ref& ref, C& pair) {
               pair.master = SurfaceRef(c, ref);
               if (pair.master == pair.slave)
                 ref.Fail("model.conflict", "\"master\" names the same surface as \"slave\"; use a self contact");
             })
        .Required();
  m.Bool("smallSliding", &C::smallSliding)
      .Custom("slideDistance", [](const Ref& ref, C& pair) { pair.slideDistance = Positive(ref); })
      .Enum<int>("discretization", &C::discretization, kDiscretization)
      .Bool("thickness", &C::thickness)
      .Custom("hcrit", [](const Ref& ref, C& pair) { pair.hcrit = Positive(ref); })
      .Custom("smooth", [](const Ref& ref, C& pair) { pair.smooth = Fraction(ref); })
      .Custom("extensionZone", [](const Ref& ref, C& pair) { pair.extensionZone = Fraction(ref); })
      .Custom("adjust",
              [](const Context& c, const Ref& ref, C& pair) {
                if (ref.IsNumber()) {
                  pair.adjust = C::AdjustTolerance;
                  pair.adjustTolerance = AtLeast(ref, 0.0);
                } else if (ref.IsString()) {
                  if (ref.AsString() != "overclosure")
                    ref.Fail("model.enum", "expected a tolerance, a node set reference or \"overclosure\"");
                  pair.adjust = C::AdjustOverclosure;
                } else {
                  pair.adjust = C::AdjustSet;
                  pair.adjustSet = c.loader.SetRegion(ref, {rgnC_SetData::NodeSet});
                }
              })
      .Bool("tied", &C::tied)
      .Custom("cpset", [](const Ref& ref, C& pair) { pair.cpset = ParamText(ref); })
      .Custom("clearance", [](const Ref& ref, C& pair) { pair.clearance = AtLeast(ref, 0.0); });
  return m;
}

Own<kinC_XplContact> XplMembers(bool self) {
  using C = kinC_XplContact;
  Own<C> m;
  m.Custom(self ? "surface" : "slave", [](const Context& c, const Ref& ref, C& pair) { pair.slave = SurfaceRef(c, ref); })
      .Required();
  if (!self)
    m.Custom("master",
             [](const Context& c, const Ref& ref, C& pair) {
               pair.master = SurfaceRef(c, ref);
               if (pair.master == pair.slave)
                 ref.Fail("model.conflict", "\"master\" names the same surface as \"slave\"; use a self contact");
             })
        .Required();
  m.Bool("smallSliding", &C::smallSliding).Custom("cpset", [](const Ref& ref, C& pair) { pair.cpset = ParamText(ref); });
  return m;
}

Own<kinC_CavityRadiation> CavityMembers() {
  using C = kinC_CavityRadiation;
  Own<C> m;
  m.Custom("surfaces",
           [](const Context& c, const Ref& ref, C& cavity) {
             if (ref.Size() == 0) ref.Fail("model.size", "a cavity has at least one surface");
             ref.ForEachElement([&](const Ref& surface) { cavity.surfaces.push_back(SurfaceRef(c, surface)); });
           })
      .Required()
      .Custom("ambientTemperature", [](const Ref& ref, C& cavity) { cavity.ambientTemperature = ref.AsDouble(); });
  return m;
}

template <class T>
Own<T> RegionMember(Own<T> m, int setKind) {
  m.Custom("region", [setKind](const Context& c, const Ref& ref, T& object) { object.region = c.loader.SetRegion(ref, {setKind}); })
      .Required();
  return m;
}

Own<kinC_FilmCondition> FilmMembers() {
  Own<kinC_FilmCondition> m;
  m.Enum<int>("definition", &kinC_FilmCondition::definition, kFilmDefinitions);
  return RegionMember(std::move(m), rgnC_SetData::Surface);
}

Own<kinC_ConcFilmCondition> ConcFilmMembers() {
  using C = kinC_ConcFilmCondition;
  Own<C> m;
  m.Custom("definition",
           [](const Ref& ref, C& film) {
             film.definition = ReadEnum(ref, kFilmDefinitions, "definition");
             if (film.definition == kinC_FilmCondition::Property)
               ref.Fail("model.unsupported", "a concentrated film takes its coefficient or a user routine, not a film property");
           })
      .Enum<int>("regionType", &C::regionType, kRegionTypes);
  return RegionMember(std::move(m), rgnC_SetData::NodeSet);
}

Own<kinC_RadiationToAmbient> RadiationMembers() {
  return RegionMember(Own<kinC_RadiationToAmbient>(), rgnC_SetData::Surface);
}

Own<kinC_ConcRadiationToAmbient> ConcRadiationMembers() {
  Own<kinC_ConcRadiationToAmbient> m;
  m.Enum<int>("regionType", &kinC_ConcRadiationToAmbient::regionType, kRegionTypes);
  return RegionMember(std::move(m), rgnC_SetData::NodeSet);
}

Own<kinC_AcousticImpedance> ImpedanceMembers() {
  using C = kinC_AcousticImpedance;
  Own<C> m;
  m.Custom("nonreflecting",
           [](const Ref& ref, C& impedance) { impedance.nonreflecting = ReadEnum(ref, kNonreflecting, "non-reflecting form"); })
      .Custom("property",
              [](const Context& c, const Ref& ref, C& impedance) {
                if (impedance.nonreflecting != C::None)
                  ref.Fail("model.conflict", "an impedance is non-reflecting or given by a property, not both");
                impedance.property = ReadReference(ref, c.contents.interactionProperties, "interaction property",
                                                   mdl_TypeId<kinC_AcousticImpedanceProp>(),
                                                   "an acoustic impedance property");
              })
      .Custom("data", [](const Ref& ref, C& impedance) {
        if (impedance.nonreflecting == C::None)
          ref.Fail("model.conflict", "only a non-reflecting impedance has geometric \"data\"");
        impedance.data = ref.Reals();
      });
  return RegionMember(std::move(m), rgnC_SetData::Surface);
}

std::vector<double> Point(const Ref& ref) {
  std::vector<double> values = ref.Reals();
  if (values.size() != 3) ref.Fail("model.size", "expected 3 numbers, found " + std::to_string(values.size()));
  return values;
}

Own<kinC_IncidentWave> WaveMembers() {
  using C = kinC_IncidentWave;
  Own<C> m;
  m.Custom("sourcePoint", [](const Ref& ref, C& wave) { wave.sourcePoint = Point(ref); })
      .Required()
      .Custom("standoffPoint", [](const Ref& ref, C& wave) { wave.standoffPoint = Point(ref); })
      .Required()
      .Custom("amplitude", [](const Context& c, const Ref& ref, C& wave) { wave.amplitude = ReadAmplitudeName(ref, c.contents); })
      .Custom("amplitudeKind",
              [](const Ref& ref, C& wave) {
                wave.accelerationAmplitude =
                    ReadEnum(ref, EnumTable<bool>{{"pressure", false}, {"acceleration", true}}, "amplitude kind");
              })
      .Bool("undex", &C::undex)
      .Custom("property", [](const Ref& ref, C& wave) { wave.property = ParamText(ref); });
  return RegionMember(std::move(m), rgnC_SetData::Surface);
}

Own<kinC_ContactExp> NoMembers() { return {}; }

// ---------------------------------------------------------------------------
// One interaction of a kind

bool KnownStatus(int status) { return status >= mdl_Created && status <= mdl_Deactivated; }

/// Reads an interaction of class T whose step values read as S.
template <class T, class S, class B>
std::shared_ptr<T> ReadKind(const Context& c, const kinC_InteractionInfo& info, const std::string& name,
                            const Ref& ref, const Own<B>& own) {
  auto object = std::make_shared<T>(name);
  std::vector<std::string_view> ownKeys = {"name", "kind", "suppressed"};
  for (std::string_view member : own.Names()) ownKeys.push_back(member);
  std::vector<std::string_view> valueKeys;
  S().VisitAttrs([&](const char* key, auto&) { valueKeys.push_back(key); });
  own.ReadInto(c, ref, static_cast<B&>(*object));
  if (ref.Has("suppressed")) object->suppressed = ref.Get("suppressed").AsBool();
  if (ref.Has("history"))
    CheckExplicitHistory(c.loader, ref.Get("history"), KnownStatus, "an interaction", "1 to 4");
  const auto states = ReadStepStates<S, typename T::State>(
      c.loader, ref, ownKeys, valueKeys, [&c](const Ref& values, S& state) { ApplyValues(c, values, state); });
  for (std::size_t i = states.First(); i < states.First() + states.Size(); ++i)
    if (states.Status(i) != mdl_Inactive) object->SetState(i, states.Status(i), states.State(i));
  if (!info.initialStep && object->GetPropStatus(0) != mdl_Inactive)
    ref.Fail("model.step", "a " + std::string(info.fileName) + " is created in an analysis step, not in the initial step");
  return object;
}

/// A contact pair names its property where it is created and keeps one
/// while it is active.
template <class T>
void CheckProperty(const Ref& ref, const T& pair) {
  for (std::size_t i = 0; i < pair.statuses.Size(); ++i) {
    const int s = pair.GetPropStatus(i);
    if (s == mdl_Inactive || s == mdl_Deactivated || !pair.ConstGetState(i).interactionProperty.ConstGet().empty())
      continue;
    ref.Fail("model.missing-member", s == mdl_Created
                                         ? "a contact pair names its contact property (\"property\") where it is created"
                                         : "a contact pair keeps a contact property while it is active: \"property\" "
                                           "cannot be reset");
  }
}

template <class T>
void CheckFilm(const Context& c, const Ref& ref, const T& film, int definition) {
  for (std::size_t i = 0; i < c.loader.StepNames().size(); ++i) {
    const int s = film.GetPropStatus(i);
    if (s == mdl_Inactive || s == mdl_Deactivated) continue;
    const kinC_SurfaceExchangeState& state = film.ConstGetState(i);
    if (!state.sinkTemperature.IsSet())
      ref.Fail("model.missing-member", "the interaction has no sink or ambient temperature in step \"" +
                                           c.loader.StepNames()[i] + "\"");
    const bool property = definition == kinC_FilmCondition::Property;
    if (property && !state.filmProperty.IsSet())
      ref.Fail("model.missing-member", "a film given by a film property names it (\"filmProperty\")");
    if (!property && state.filmProperty.IsSet())
      ref.Fail("model.conflict", "only a film with \"definition\": \"property\" names a film property");
    if (!property && definition != kinC_FilmCondition::User && !state.coefficient.IsSet())
      ref.Fail("model.missing-member", "the interaction has no film coefficient or emissivity in step \"" +
                                           c.loader.StepNames()[i] + "\"");
  }
}

using KindReader = std::shared_ptr<kinC_Interaction> (*)(const Context&, const kinC_InteractionInfo&,
                                                         const std::string&, const Ref&);

template <class T>
std::shared_ptr<kinC_Interaction> StdPair(const Context& c, const kinC_InteractionInfo& info, const std::string& name,
                                          const Ref& ref) {
  auto pair = ReadKind<T, StdPairState>(c, info, name, ref, StdMembers(std::is_same_v<T, kinC_SelfContactStd>));
  CheckProperty(ref, *pair);
  // A standard pair changes its friction only to values the deck can state
  // under *Change Friction: not to a user friction.
  for (std::size_t i = 0; i < c.loader.StepNames().size(); ++i) {
    const auto& property = pair->ConstGetState(i).interactionProperty;
    if (pair->GetPropStatus(i) != mdl_Modified || !property.IsModified()) continue;
    const auto& contact =
        static_cast<const kinC_ContactProperty&>(c.contents.interactionProperties.ConstGet(property.ConstGet()));
    if (contact.friction && contact.friction->form == kinC_Friction::User)
      ref.Fail("model.unsupported", "the friction of a contact pair cannot change to a user friction (property \"" +
                                        property.ConstGet() + "\", step \"" + c.loader.StepNames()[i] + "\")");
  }
  return pair;
}

template <class T>
std::shared_ptr<kinC_Interaction> XplPair(const Context& c, const kinC_InteractionInfo& info, const std::string& name,
                                          const Ref& ref) {
  auto pair = ReadKind<T, XplPairState>(c, info, name, ref, XplMembers(std::is_same_v<T, kinC_SelfContactXpl>));
  CheckProperty(ref, *pair);
  return pair;
}

constexpr KindReader kReaders[] = {
    &StdPair<kinC_SurfaceToSurfaceContactStd>,
    &StdPair<kinC_SelfContactStd>,
    &XplPair<kinC_SurfaceToSurfaceContactXpl>,
    &XplPair<kinC_SelfContactXpl>,
    [](const Context& c, const kinC_InteractionInfo& info, const std::string& name,
       const Ref& ref) -> std::shared_ptr<kinC_Interaction> {
      return ReadKind<kinC_ContactExp, kinC_GeneralContactState>(c, info, name, ref, NoMembers());
    },
    [](const Context& c, const kinC_InteractionInfo& info, const std::string& name,
       const Ref& ref) -> std::shared_ptr<kinC_Interaction> {
      return ReadKind<kinC_CavityRadiation, kinC_CavityState>(c, info, name, ref, CavityMembers());
    },
    [](const Context& c, const kinC_InteractionInfo& info, const std::string& name,
       const Ref& ref) -> std::shared_ptr<kinC_Interaction> {
      auto film = ReadKind<kinC_FilmCondition, FilmState>(c, info, name, ref, FilmMembers());
      CheckFilm(c, ref, *film, film->definition);
      return film;
    },
    [](const Context& c, const kinC_InteractionInfo& info, const std::string& name,
       const Ref& ref) -> std::shared_ptr<kinC_Interaction> {
      auto film = ReadKind<kinC_ConcFilmCondition, ConcFilmState>(c, info, name, ref, ConcFilmMembers());
      CheckFilm(c, ref, *film, film->definition);
      return film;
    },
    [](const Context& c, const kinC_InteractionInfo& info, const std::string& name,
       const Ref& ref) -> std::shared_ptr<kinC_Interaction> {
      auto radiation = ReadKind<kinC_RadiationToAmbient, RadiationState>(c, info, name, ref, RadiationMembers());
      CheckFilm(c, ref, *radiation, kinC_FilmCondition::Embedded);
      return radiation;
    },
    [](const Context& c, const kinC_InteractionInfo& info, const std::string& name,
       const Ref& ref) -> std::shared_ptr<kinC_Interaction> {
      auto radiation =
          ReadKind<kinC_ConcRadiationToAmbient, RadiationState>(c, info, name, ref, ConcRadiationMembers());
      CheckFilm(c, ref, *radiation, kinC_FilmCondition::Embedded);
      return radiation;
    },
    [](const Context& c, const kinC_InteractionInfo& info, const std::string& name,
       const Ref& ref) -> std::shared_ptr<kinC_Interaction> {
      auto impedance = ReadKind<kinC_AcousticImpedance, kinC_NoState>(c, info, name, ref, ImpedanceMembers());
      if (impedance->nonreflecting == kinC_AcousticImpedance::None && impedance->property.empty())
        ref.Fail("model.missing-member", "an acoustic impedance is \"nonreflecting\" or names its \"property\"");
      return impedance;
    },
    [](const Context& c, const kinC_InteractionInfo& info, const std::string& name,
       const Ref& ref) -> std::shared_ptr<kinC_Interaction> {
      return ReadKind<kinC_IncidentWave, kinC_NoState>(c, info, name, ref, WaveMembers());
    },
    [](const Context&, const kinC_InteractionInfo& info, const std::string&,
       const Ref& ref) -> std::shared_ptr<kinC_Interaction> {
      ref.Get("kind").Fail("model.unsupported", info.unwritable);
    },
};
static_assert(std::size(kReaders) == std::size_t(kinC_InteractionKindCount), "one reader per interaction kind");

}  // namespace

std::vector<std::string_view> InteractionKindMembers(kinC_InteractionKind kind) {
  std::vector<std::string_view> names;
  auto add = [&names](const auto& members, auto state) {
    for (std::string_view name : members.Names()) names.push_back(name);
    state.VisitAttrs([&names](const char* name, auto&) { names.push_back(name); });
  };
  switch (kind) {
    case IK::SurfaceToSurfaceContactStd: add(StdMembers(false), StdPairState()); break;
    case IK::SelfContactStd: add(StdMembers(true), StdPairState()); break;
    case IK::SurfaceToSurfaceContactXpl: add(XplMembers(false), XplPairState()); break;
    case IK::SelfContactXpl: add(XplMembers(true), XplPairState()); break;
    case IK::ContactExp: add(NoMembers(), kinC_GeneralContactState()); break;
    case IK::CavityRadiation: add(CavityMembers(), kinC_CavityState()); break;
    case IK::FilmCondition: add(FilmMembers(), FilmState()); break;
    case IK::ConcFilmCondition: add(ConcFilmMembers(), ConcFilmState()); break;
    case IK::RadiationToAmbient: add(RadiationMembers(), RadiationState()); break;
    case IK::ConcRadiationToAmbient: add(ConcRadiationMembers(), RadiationState()); break;
    case IK::AcousticImpedance: add(ImpedanceMembers(), kinC_NoState()); break;
    case IK::IncidentWave: add(WaveMembers(), kinC_NoState()); break;
    default: break;
  }
  return names;
}

void ReadInteractions(const Loader& loader, const Ref& root, ddb_ModelContents& contents) {
  if (root.Has("interactionProperties")) ReadProperties(root.Get("interactionProperties"), contents);
  if (root.Has("contactControls")) ReadContactControls(root.Get("contactControls"), contents);
  if (!root.Has("interactions")) return;
  const Context context{loader, contents};
  std::map<std::string, std::size_t> seen;
  root.Get("interactions").ForEachElement([&](const Ref& ref) {
    const std::string name = ReadName(ref.Get("name"));
    CheckUnique(ref.Get("name"), name, seen, "interaction");
    const Ref kindRef = ref.Get("kind");
    const std::string kind = kindRef.AsString();
    const kinC_InteractionInfo* info = kinC_FindInteractionKind(kind);
    if (info == nullptr) {
      std::vector<std::string_view> known;
      for (const kinC_InteractionInfo& row : kinC_InteractionTable()) known.push_back(row.fileName);
      FailUnknown(kindRef, "interaction kind", kind, QuotedList(known));
    }
    if (loader.StepNames().empty()) ref.Fail("model.step", "interactions hold in steps, and the model has none");
    contents.interactions.Add(name, kReaders[std::size_t(info->kind)](context, *info, name, ref));
  });
}

}  // namespace mfl
