// Reading of the "connectors" member:
//
//   "connectors": {"behaviors": [...], "sections": [...], "wires": [...]}
//
// A behaviour holds its settings, its derived components and its options;
// every option kind is read by the reader of its row of the option table
// (kbeC_OptionTable()), each from a member table. A section names its
// connection type and a behaviour. A wire entry joins pairs of points
// (reference points of the assembly's own mesh, or nodes of part instances
// "INSTANCE.LABEL") by connector elements and names the element set they
// form, or names an element set of wires the assembly's mesh has already;
// with the section of the set and its orientation.
#include "modelfile/mfl_Connectors.h"

#include <algorithm>
#include <set>

#include "modeldb/kseC_ConnectorSection.h"
#include "modelfile/mfl_Steps.h"

namespace mfl {

namespace {

const char* const kWireType = "CONN3D2";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// ---------------------------------------------------------------------------
// Values shared by the options

/// Component numbers 1 to 6, each once.
std::vector<int> ReadComponents(const Ref& ref) {
  std::vector<int> components = ref.Ints();
  for (std::size_t i = 0; i < components.size(); ++i) {
    if (components[i] < 1 || components[i] > 6)
      ref.FailAt(i, "model.range", "a connector component is a number from 1 to 6");
    if (std::find(components.begin(), components.begin() + std::ptrdiff_t(i), components[i]) !=
        components.begin() + std::ptrdiff_t(i))
      ref.FailAt(i, "model.conflict", "component " + std::to_string(components[i]) + " is listed twice");
  }
  return components;
}

int ReadComponent(const Ref& ref) {
  const int component = ref.AsInt();
  if (component < 1 || component > 6) ref.Fail("model.range", "a connector component is a number from 1 to 6");
  return component;
}

}  // namespace

kmaC_TableData ReadTableMembers(const Ref& owner) {
  kmaC_TableData data;
  if (owner.Has("temperatureDependency")) data.temperatureDependency = owner.Get("temperatureDependency").AsBool();
  if (owner.Has("dependencies")) {
    const Ref count = owner.Get("dependencies");
    data.dependencies = count.AsInt();
    if (data.dependencies < 0) count.Fail("model.range", "the number of field variables cannot be negative");
  }
  if (!owner.Has("table")) return data;
  const Ref ref = owner.Get("table");
  if (!ref.IsArray() || (ref.node().kind() != Node::Kind::Array && ref.Size() != 0))
    ref.Fail("model.type", "expected the table as an array of rows, each an array of numbers");
  std::vector<double> values;
  int columns = 0;
  int rows = 0;
  ref.ForEachElement([&](const Ref& row) {
    if (!row.IsArray()) row.Fail("model.type", "expected a row: an array of numbers");
    std::vector<double> cells;
    if (row.node().kind() == Node::Kind::Array) {
      for (std::size_t i = 0; i < row.Size(); ++i) cells.push_back(ReadReal(row.At(i)));
    } else {
      cells = row.Reals();
    }
    if (cells.empty()) row.Fail("model.table", "a row of a table holds at least one value");
    if (rows == 0) columns = int(cells.size());
    if (int(cells.size()) != columns)
      row.Fail("model.table", "this row has " + std::to_string(cells.size()) + " values, the rows before it have " +
                                  std::to_string(columns) + "; all rows of a table have the same length");
    values.insert(values.end(), cells.begin(), cells.end());
    ++rows;
  });
  const int fixed = (data.temperatureDependency ? 1 : 0) + data.dependencies;
  if (rows > 0 && columns <= fixed)
    ref.Fail("model.table", "the table has " + std::to_string(columns) +
                                " columns, which leaves no column for the values besides the temperature and "
                                "field-variable columns");
  data.table = kmaC_MaterialTable(rows, columns, std::move(values));
  return data;
}

namespace {

/// The number of value columns of a table (without temperature and fields).
int OwnColumns(const kmaC_TableData& data) {
  return data.table.Columns() - (data.temperatureDependency ? 1 : 0) - data.dependencies;
}

void RequireOwnColumns(const Ref& owner, const kmaC_TableData& data, int expected, const std::string& why) {
  if (data.table.Rows() == 0 || OwnColumns(data) == expected) return;
  owner.Get("table").Fail("model.table", "the table has " + std::to_string(OwnColumns(data)) +
                                             " value columns; " + why + " needs " + std::to_string(expected));
}

/// A nested table object {"table", "temperatureDependency", "dependencies"}.
kmaC_TableData ReadTableObject(const Ref& ref) {
  static const Members<kmaC_TableData> members = [] {
    Members<kmaC_TableData> m;
    m.Group({"table", "temperatureDependency", "dependencies"},
            [](const Ref& owner, kmaC_TableData& data) { data = ReadTableMembers(owner); });
    return m;
  }();
  kmaC_TableData data;
  members.ReadObject(ref, data);
  return data;
}

const EnumTable<int> kExtrapolation = {{"constant", kbeC_Regularization::Constant},
                                       {"linear", kbeC_Regularization::Linear}};

/// An option's own regularization: {"regularize", "rtol", "extrapolation"}.
/// Giving "regularize" or "rtol" replaces the behaviour's settings.
kbeC_Regularization ReadRegularization(const Ref& ref) {
  using R = kbeC_Regularization;
  static const Members<R> members = [] {
    Members<R> m;
    m.Custom("regularize",
             [](const Ref& value, R& r) {
               r.useBehavior = false;
               r.regularize = value.AsBool();
             })
        .Custom("rtol",
                [](const Ref& rtol, R& r) {
                  if (!r.regularize) rtol.Fail("model.conflict", "a tolerance needs regularization on");
                  r.useBehavior = false;
                  r.rtol = rtol.AsDouble();
                  if (r.rtol <= 0.0) rtol.Fail("model.range", "rtol must be greater than 0");
                })
        .Enum("extrapolation", &R::extrapolation, kExtrapolation);
    return m;
  }();
  kbeC_Regularization regularization;
  members.ReadObject(ref, regularization);
  return regularization;
}

const EnumTable<int> kIndependent = {{"constitutiveMotion", kbeC_ConstitutiveMotion}, {"position", kbeC_Position}};
const EnumTable<int> kFunction = {{"abs", kbeC_PotentialTerm::Abs},
                                  {"macauley", kbeC_PotentialTerm::Macauley},
                                  {"none", kbeC_PotentialTerm::None}};
const EnumTable<int> kPotentialOperator = {{"sum", kbeC_Potential::Sum}, {"max", kbeC_Potential::Max}};

/// A potential term names a component or a derived component.
const Members<kbeC_PotentialTerm>& TermMembers() {
  using T = kbeC_PotentialTerm;
  static const Members<T> members = [] {
    Members<T> m;
    m.Check([](const Ref& ref, T&) {
       if (ref.Has("component") == ref.Has("derived"))
         ref.Fail("model.conflict", "a potential term names either a \"component\" or a \"derived\" component");
     })
        .Custom("component", [](const Ref& ref, T& term) { term.component = ReadComponent(ref); })
        .Name("derived", &T::derived)
        .Real("scale", &T::scale)
        .Enum("function", &T::function, kFunction)
        .Custom("sign", [](const Ref& sign, T& term) {
          term.sign = sign.AsDouble();
          if (term.sign != 1.0 && term.sign != -1.0) sign.Fail("model.range", "the sign of a term is 1 or -1");
        });
    return m;
  }();
  return members;
}

kbeC_Potential ReadPotential(const Ref& ref) {
  using P = kbeC_Potential;
  static const Members<P> members = [] {
    Members<P> m;
    m.Enum("operator", &P::operatorKind, kPotentialOperator)
        .Custom("exponent",
                [](const Ref& exponent, P& potential) {
                  if (potential.operatorKind == P::Max)
                    exponent.Fail("model.conflict", "a potential with the operator \"max\" has no exponent");
                  potential.exponent = exponent.AsDouble();
                })
        .Objects("terms", &P::terms, TermMembers())
        .Required();
    return m;
  }();
  kbeC_Potential potential;
  members.ReadObject(ref, potential);
  return potential;
}

// ---------------------------------------------------------------------------
// Options, one member table per kind

/// Members every option has, and its table and own regularization when its
/// kind has them (the option table says which).
template <class S>
void Common(Members<S>& m, kbeC_OptionKind kind) {
  const kbeC_OptionInfo& info = kbeC_Info(kind);
  m.Custom("kind", [](const Ref&, S&) {});
  m.Custom("components", [](const Ref& ref, S& o) { o.components = ReadComponents(ref); });
  if (info.hasTable) m.Allow({"table", "temperatureDependency", "dependencies"});  // read last, by ReadWith
  if (info.ownRegularization)
    m.Custom("regularization", [](const Ref& ref, S& o) { o.regularization = ReadRegularization(ref); });
}

/// Independent components go with their kind, and a kind with its components.
void CheckIndependent(const Ref& ref, int kind, const std::vector<int>& components) {
  if (kind == kbeC_NoIndependent && ref.Has("independentComponents"))
    ref.Get("independentComponents").Fail("model.conflict", "give \"independent\" with the independent components");
  if (kind != kbeC_NoIndependent && components.empty())
    ref.Fail("model.missing-member", "\"independent\" needs the \"independentComponents\"");
}

const EnumTable<int> kForm = {{"rigid", kbeC_ConnectorElasticity::Rigid},
                              {"linear", kbeC_ConnectorElasticity::Linear},
                              {"nonlinear", kbeC_ConnectorElasticity::Nonlinear}};

template <class S>
Members<S> SpringMembers(kbeC_OptionKind kind) {
  Members<S> m;
  Common(m, kind);
  m.template Enum<int>("form", &S::form, kForm);
  m.Bool("coupled", &S::coupled);
  m.Bool("optionalColumn", &S::optionalColumn);
  m.template Enum<int>("independent", &S::independentKind, kIndependent);
  m.Custom("independentComponents", [](const Ref& ref, S& o) { o.independentComponents = ReadComponents(ref); });
  return m;
}

/// The checks of elasticity and damping once every member is read.
void CheckSpring(const Ref& ref, const kbeC_ConnectorElasticity& o, const char* what) {
  const bool rigid = o.form == kbeC_ConnectorElasticity::Rigid;
  if (rigid && o.Kind() == kbeC_OptionKind::Damping)
    ref.Get("form").Fail("model.enum", "damping has no rigid form; expected \"linear\" or \"nonlinear\"");
  if (rigid && (ref.Has("table") || ref.Has("coupled")))
    ref.Fail("model.conflict", std::string("rigid ") + what + " has no table and no coupling");
  if (!rigid && o.components.empty()) ref.Get("components").Fail("model.size", "list at least one component");
  const bool nonlinearCoupled = o.form == kbeC_ConnectorElasticity::Nonlinear && o.coupled;
  if (!nonlinearCoupled && (ref.Has("independent") || ref.Has("independentComponents")))
    ref.Fail("model.conflict", "independent components belong to nonlinear coupled " + std::string(what));
  if (nonlinearCoupled && o.independentComponents.empty())
    ref.Get("independentComponents").Fail("model.size", "list at least one independent component");
  if (ref.Has("optionalColumn") && (o.form != kbeC_ConnectorElasticity::Linear || o.coupled))
    ref.Fail("model.conflict", "the optional column belongs to linear uncoupled " + std::string(what));
  if (o.form == kbeC_ConnectorElasticity::Linear && !o.coupled)
    RequireOwnColumns(ref, o.data, int(o.components.size()) + (o.optionalColumn ? 1 : 0),
                      "one column per listed component" + std::string(o.optionalColumn ? " and the optional one" : ""));
  if (o.form == kbeC_ConnectorElasticity::Linear && o.coupled) {
    const int n = int(o.components.size());
    RequireOwnColumns(ref, o.data, n * (n + 1) / 2,
                      "the coupled matrix of " + std::to_string(n) + " listed components");
  }
}

Members<kbeC_ConnectorStop> StopMembers() {
  Members<kbeC_ConnectorStop> m;
  Common(m, kbeC_OptionKind::Stop);
  m.Real("lower", &kbeC_ConnectorStop::lower);
  m.Real("upper", &kbeC_ConnectorStop::upper);
  return m;
}

template <class S>
Members<S> LimitMembers(kbeC_OptionKind kind, const char* affects) {
  Members<S> m;
  Common(m, kind);
  m.Custom(affects, [](const Ref& ref, S& o) {
    if (ref.IsString()) {
      o.affects = ref.AsString();
      if (o.affects != "ALL") ref.Fail("model.enum", "expected \"ALL\" or a component number");
    } else {
      o.affects = std::to_string(ReadComponent(ref));
    }
  });
  m.Custom("values", [](const Ref& ref, S& o) {
    if (!ref.IsArray() || ref.Size() > 4) ref.Fail("model.size", "expected at most 4 values (numbers or null)");
    std::vector<double> values;
    if (ref.node().kind() == Node::Kind::Array)
      for (std::size_t i = 0; i < ref.Size(); ++i) values.push_back(ReadReal(ref.At(i)));
    else
      values = ref.Reals();
    std::copy(values.begin(), values.end(), o.values.begin());
  });
  return m;
}

const EnumTable<int> kLaw = {{"coefficient", kbeC_ConnectorFriction::Coefficient},
                             {"exponentialDecay", kbeC_ConnectorFriction::ExponentialDecay}};
const EnumTable<int> kSlip = {{"slipTolerance", kbeC_ConnectorFriction::SlipTolerance},
                              {"elasticSlip", kbeC_ConnectorFriction::ElasticSlip}};

Members<kbeC_ConnectorFriction> FrictionMembers() {
  using S = kbeC_ConnectorFriction;
  Members<S> m;
  Common(m, kbeC_OptionKind::Friction);
  m.Bool("predefined", &S::predefined);
  m.Custom("component", [](const Ref& ref, S& o) { o.component = ReadComponent(ref); });
  m.Custom("contactForce", [](const Ref& ref, S& o) {
    o.contactForce = ref.IsString() ? ReadName(ref) : std::to_string(ReadComponent(ref));
  });
  m.Enum<int>("independent", &S::independentKind, kIndependent);
  m.Custom("independentComponents", [](const Ref& ref, S& o) { o.independentComponents = ReadComponents(ref); });
  m.Real("stickStiffness", &S::stickStiffness);
  m.Custom("potential", [](const Ref& ref, S& o) { o.potential = ReadPotential(ref); });
  m.Enum<int>("law", &S::law, kLaw);
  m.Enum<int>("slipKind", &S::slipKind, kSlip);
  m.Custom("slip", [](const Ref& ref, S& o) {
    o.slip = ref.AsDouble();
    if (o.slip <= 0.0) ref.Fail("model.range", "the slip must be greater than 0");
  });
  m.Real("taumax", &S::taumax);
  m.Custom("coefficients", [](const Ref& ref, S& o) { o.coefficients = ReadTableObject(ref); });
  m.Bool("testData", &S::testData);
  m.Custom("decay", [](const Ref& ref, S& o) {
    ref.ForEachElement([&](const Ref& line) {
      if (!line.IsArray()) line.Fail("model.type", "expected a line of values: an array of numbers");
      std::vector<double> values;
      if (line.node().kind() == Node::Kind::Array)
        for (std::size_t i = 0; i < line.Size(); ++i) values.push_back(ReadReal(line.At(i)));
      else
        values = line.Reals();
      o.decay.push_back(std::move(values));
    });
  });
  return m;
}

void CheckFriction(const Ref& ref, const kbeC_ConnectorFriction& o) {
  if (o.predefined && (ref.Has("component") || ref.Has("contactForce") || ref.Has("independent") ||
                       ref.Has("potential")))
    ref.Fail("model.conflict", "predefined friction names no component, contact force, independent components "
                               "or potential");
  CheckIndependent(ref, o.independentKind, o.independentComponents);
  const bool decay = o.law == kbeC_ConnectorFriction::ExponentialDecay;
  if (decay && (ref.Has("coefficients") || ref.Has("taumax")))
    ref.Fail("model.conflict", "exponential decay has no coefficient table and no taumax");
  if (!decay && (ref.Has("decay") || ref.Has("testData")))
    ref.Fail("model.conflict", "\"decay\" and \"testData\" belong to the law \"exponentialDecay\"");
  if (decay) {
    const std::size_t lines = o.testData ? 2 : 1;
    if (o.decay.size() != lines || (!o.testData && o.decay[0].size() != 3))
      ref.Get("decay").Fail("model.size", o.testData ? "test data are two lines of values"
                                                     : "exponential decay is one line of three values: the static "
                                                       "and kinetic coefficients and the decay coefficient");
  }
}

const EnumTable<int> kIsotropic = {{"tabular", kbeC_ConnectorPlasticity::Tabular},
                                   {"exponentialLaw", kbeC_ConnectorPlasticity::ExponentialLaw}};
const EnumTable<int> kKinematic = {{"halfCycle", kbeC_ConnectorPlasticity::HalfCycle},
                                   {"parameters", kbeC_ConnectorPlasticity::Parameters},
                                   {"stabilized", kbeC_ConnectorPlasticity::Stabilized}};

/// A hardening: {"definition", "table", "temperatureDependency", "dependencies"}.
struct Hardening {
  int definition;
  kmaC_TableData data;
};

Members<Hardening> HardeningMembers(const EnumTable<int>& definitions) {
  Members<Hardening> m;
  m.Enum("definition", &Hardening::definition, definitions)
      .Group({"table", "temperatureDependency", "dependencies"},
             [](const Ref& owner, Hardening& hardening) { hardening.data = ReadTableMembers(owner); });
  return m;
}

kmaC_TableData ReadHardening(const Ref& ref, const Members<Hardening>& members, int& definition) {
  Hardening hardening{definition, {}};
  members.ReadObject(ref, hardening);
  definition = hardening.definition;
  return std::move(hardening.data);
}

Members<kbeC_ConnectorPlasticity> PlasticityMembers() {
  using S = kbeC_ConnectorPlasticity;
  Members<S> m;
  Common(m, kbeC_OptionKind::Plasticity);
  m.Custom("component", [](const Ref& ref, S& o) { o.component = ReadComponent(ref); });
  m.Custom("isotropic", [](const Ref& ref, S& o) {
    o.isotropic = true;
    static const Members<Hardening> members = HardeningMembers(kIsotropic);
    o.isotropicTable = ReadHardening(ref, members, o.isotropicDefinition);
  });
  m.Custom("kinematic", [](const Ref& ref, S& o) {
    o.kinematic = true;
    static const Members<Hardening> members = HardeningMembers(kKinematic);
    o.kinematicTable = ReadHardening(ref, members, o.kinematicDefinition);
  });
  m.Custom("potential", [](const Ref& ref, S& o) { o.potential = ReadPotential(ref); });
  return m;
}

const EnumTable<int> kCriterion = {{"force", kbeC_ConnectorDamage::Force},
                                   {"motion", kbeC_ConnectorDamage::Motion},
                                   {"plasticMotion", kbeC_ConnectorDamage::PlasticMotion}};
const EnumTable<int> kEvolution = {{"motion", kbeC_ConnectorDamage::EvolutionMotion},
                                   {"energy", kbeC_ConnectorDamage::EvolutionEnergy}};
const EnumTable<int> kSoftening = {{"linear", kbeC_ConnectorDamage::LinearSoftening},
                                   {"exponential", kbeC_ConnectorDamage::ExponentialSoftening},
                                   {"tabular", kbeC_ConnectorDamage::TabularSoftening}};
const EnumTable<int> kDegradation = {{"maximum", kbeC_ConnectorDamage::Maximum},
                                     {"multiplicative", kbeC_ConnectorDamage::Multiplicative}};

Members<kbeC_ConnectorDamage> DamageMembers() {
  using S = kbeC_ConnectorDamage;
  Members<S> m;
  Common(m, kbeC_OptionKind::Damage);
  m.Custom("component", [](const Ref& ref, S& o) { o.component = ReadComponent(ref); });
  m.Enum<int>("criterion", &S::criterion, kCriterion);
  m.Custom("potential", [](const Ref& ref, S& o) { o.potential = ReadPotential(ref); });
  m.Custom("evolution", [](const Ref& ref, S& o) {
    // The damage evolution's members, read into the option itself.
    static const Members<S> evolution = [] {
      Members<S> e;
      e.Enum("type", &S::evolutionType, kEvolution)
          .Enum("softening", &S::softening, kSoftening)
          .Custom("affectedComponents", [](const Ref& value, S& d) { d.affectedComponents = ReadComponents(value); })
          .Enum("degradation", &S::degradation, kDegradation)
          .Group({"table", "temperatureDependency", "dependencies"},
                 [](const Ref& owner, S& d) { d.evolutionTable = ReadTableMembers(owner); });
      return e;
    }();
    o.evolution = true;
    evolution.ReadObject(ref, o);
  });
  return m;
}

/// Reads the members of `ref` through `members`, refusing any other, and
/// the option's table.
template <class S>
std::shared_ptr<S> ReadWith(const Ref& ref, const Members<S>& members) {
  auto option = std::make_shared<S>();
  members.ReadObject(ref, *option);
  option->data = ReadTableMembers(ref);
  return option;
}

// The member table of each kind, made once.
const Members<kbeC_ConnectorElasticity>& ElasticityMembers() {
  static const Members<kbeC_ConnectorElasticity> m = SpringMembers<kbeC_ConnectorElasticity>(kbeC_OptionKind::Elasticity);
  return m;
}
const Members<kbeC_ConnectorDamping>& DampingMembers() {
  static const Members<kbeC_ConnectorDamping> m = SpringMembers<kbeC_ConnectorDamping>(kbeC_OptionKind::Damping);
  return m;
}
const Members<kbeC_ConnectorStop>& TheStopMembers() {
  static const Members<kbeC_ConnectorStop> m = StopMembers();
  return m;
}
const Members<kbeC_ConnectorLock>& LockMembers() {
  static const Members<kbeC_ConnectorLock> m = LimitMembers<kbeC_ConnectorLock>(kbeC_OptionKind::Lock, "lock");
  return m;
}
const Members<kbeC_ConnectorFailure>& FailureMembers() {
  static const Members<kbeC_ConnectorFailure> m =
      LimitMembers<kbeC_ConnectorFailure>(kbeC_OptionKind::Failure, "release");
  return m;
}
const Members<kbeC_ConnectorFriction>& TheFrictionMembers() {
  static const Members<kbeC_ConnectorFriction> m = FrictionMembers();
  return m;
}
const Members<kbeC_ConnectorPlasticity>& ThePlasticityMembers() {
  static const Members<kbeC_ConnectorPlasticity> m = PlasticityMembers();
  return m;
}
const Members<kbeC_ConnectorDamage>& TheDamageMembers() {
  static const Members<kbeC_ConnectorDamage> m = DamageMembers();
  return m;
}

template <class S>
void RequireComponents(const Ref& ref, const S& option) {
  if (option.components.empty()) ref.Get("components").Fail("model.size", "list at least one component");
}

using OptionReader = std::shared_ptr<const kbeC_ConnectorBehaviorOption> (*)(const Ref& ref);
using MemberNames = std::vector<std::string_view> (*)();

struct ReaderRow {
  kbeC_OptionKind kind;
  OptionReader read;
  MemberNames names;
};

// One reader per option kind, in kind order.
constexpr ReaderRow kReaders[] = {
    {kbeC_OptionKind::Elasticity,
     [](const Ref& ref) -> std::shared_ptr<const kbeC_ConnectorBehaviorOption> {
       auto option = ReadWith(ref, ElasticityMembers());
       CheckSpring(ref, *option, "elasticity");
       return option;
     },
     [] { return ElasticityMembers().Names(); }},
    {kbeC_OptionKind::Damping,
     [](const Ref& ref) -> std::shared_ptr<const kbeC_ConnectorBehaviorOption> {
       auto option = ReadWith(ref, DampingMembers());
       CheckSpring(ref, *option, "damping");
       return option;
     },
     [] { return DampingMembers().Names(); }},
    {kbeC_OptionKind::Stop,
     [](const Ref& ref) -> std::shared_ptr<const kbeC_ConnectorBehaviorOption> {
       auto option = ReadWith(ref, TheStopMembers());
       RequireComponents(ref, *option);
       return option;
     },
     [] { return TheStopMembers().Names(); }},
    {kbeC_OptionKind::Lock,
     [](const Ref& ref) -> std::shared_ptr<const kbeC_ConnectorBehaviorOption> {
       auto option = ReadWith(ref, LockMembers());
       RequireComponents(ref, *option);
       return option;
     },
     [] { return LockMembers().Names(); }},
    {kbeC_OptionKind::Failure,
     [](const Ref& ref) -> std::shared_ptr<const kbeC_ConnectorBehaviorOption> {
       auto option = ReadWith(ref, FailureMembers());
       RequireComponents(ref, *option);
       return option;
     },
     [] { return FailureMembers().Names(); }},
    {kbeC_OptionKind::Friction,
     [](const Ref& ref) -> std::shared_ptr<const kbeC_ConnectorBehaviorOption> {
       auto option = ReadWith(ref, TheFrictionMembers());
       CheckFriction(ref, *option);
       return option;
     },
     [] { return TheFrictionMembers().Names(); }},
    {kbeC_OptionKind::Plasticity,
     [](const Ref& ref) -> std::shared_ptr<const kbeC_ConnectorBehaviorOption> {
       return ReadWith(ref, ThePlasticityMembers());
     },
     [] { return ThePlasticityMembers().Names(); }},
    {kbeC_OptionKind::Damage,
     [](const Ref& ref) -> std::shared_ptr<const kbeC_ConnectorBehaviorOption> {
       return ReadWith(ref, TheDamageMembers());
     },
     [] { return TheDamageMembers().Names(); }},
};

constexpr bool ReadersInKindOrder() {
  if (std::size(kReaders) != std::size_t(kbeC_OptionKindCount)) return false;
  for (int i = 0; i < kbeC_OptionKindCount; ++i)
    if (int(kReaders[i].kind) != i) return false;
  return true;
}
static_assert(ReadersInKindOrder(), "one option reader per kind, in kind order");

std::shared_ptr<const kbeC_ConnectorBehaviorOption> ReadOption(const Ref& ref) {
  if (!ref.IsObject()) ref.Fail("model.type", "expected a behaviour option: an object with a \"kind\"");
  const Ref kindRef = ref.Get("kind");
  const std::string kind = kindRef.AsString();
  std::string known;
  for (const kbeC_OptionInfo& info : kbeC_OptionTable()) {
    if (kind == info.fileName) return kReaders[int(info.kind)].read(ref);
    known += (known.empty() ? "" : ", ") + std::string(info.fileName);
  }
  kindRef.Fail("model.enum", "unknown connector behaviour option \"" + kind + "\"; expected one of " + known);
}

const EnumTable<int> kDerivedOperator = {{"sum", kbeC_DerivedComponent::Sum},
                                         {"macauleySum", kbeC_DerivedComponent::MacauleySum}};

Members<kbeC_DerivedComponent> DerivedMembers() {
  using S = kbeC_DerivedComponent;
  Members<S> m;
  m.Custom("name", [](const Ref& ref, S& o) { o.name = ReadName(ref); });
  m.Bool("negative", &S::negative);
  m.Enum<int>("operator", &S::operatorKind, kDerivedOperator);
  m.Custom("components", [](const Ref& ref, S& o) { o.components = ReadComponents(ref); });
  m.Enum<int>("independent", &S::independentKind, kIndependent);
  m.Custom("independentComponents", [](const Ref& ref, S& o) { o.independentComponents = ReadComponents(ref); });
  m.Custom("regularization", [](const Ref& ref, S& o) { o.regularization = ReadRegularization(ref); });
  m.Allow({"table", "temperatureDependency", "dependencies"});  // read after the members
  return m;
}

/// Every derived component an option names must exist; every derived
/// component must be named by an option (the deck writes only those).
void CheckDerivedReferences(const Ref& behaviorRef, const kbeC_ConnectorBehavior& behavior) {
  std::set<std::string> used;
  const auto check = [&](const Ref& ref, const std::string& name) {
    if (behavior.FindDerived(name) == nullptr)
      ref.Fail("model.unknown-reference", "the behaviour has no derived component named " + Quoted(name));
    used.insert(name);
  };
  for (std::size_t i = 0; i < behavior.options.size(); ++i) {
    const Ref optionRef = behaviorRef.Get("options").At(i);
    const auto checkPotential = [&](const kbeC_Potential& potential) {
      for (std::size_t t = 0; t < potential.terms.size(); ++t)
        if (!potential.terms[t].derived.empty())
          check(optionRef.Get("potential").Get("terms").At(t).Get("derived"), potential.terms[t].derived);
    };
    const kbeC_ConnectorBehaviorOption& option = *behavior.options[i];
    if (const auto* friction = dynamic_cast<const kbeC_ConnectorFriction*>(&option)) {
      if (optionRef.Has("contactForce") && optionRef.Get("contactForce").IsString())
        check(optionRef.Get("contactForce"), friction->contactForce);
      checkPotential(friction->potential);
    } else if (const auto* plasticity = dynamic_cast<const kbeC_ConnectorPlasticity*>(&option)) {
      checkPotential(plasticity->potential);
    } else if (const auto* damage = dynamic_cast<const kbeC_ConnectorDamage*>(&option)) {
      checkPotential(damage->potential);
    }
  }
  for (std::size_t d = 0; d < behavior.derivedComponents.size(); ++d)
    if (!used.count(behavior.derivedComponents[d]->name))
      behaviorRef.Get("derivedComponents").At(d).Fail(
          "model.unused", "no friction, plasticity or damage option names the derived component " +
                              Quoted(behavior.derivedComponents[d]->name) + ", so the deck would not carry it");
}

const Members<kbeC_ConnectorBehavior>& BehaviorMembers() {
  using B = kbeC_ConnectorBehavior;
  static const Members<B> members = [] {
    static const EnumTable<bool> kIntegration = {{"implicit", false}, {"explicit", true}};
    Members<B> m;
    m.Custom("regularize", [](const Ref& ref, B& b) { b.regularize = ref.AsBool(); })
        .Custom("rtol",
                [](const Ref& rtol, B& b) {
                  if (!b.regularize) rtol.Fail("model.conflict", "a tolerance needs regularization on");
                  b.rtol = rtol.AsDouble();
                  if (b.rtol <= 0.0) rtol.Fail("model.range", "rtol must be greater than 0");
                })
        .Custom("extrapolation",
                [](const Ref& ref, B& b) {
                  b.extrapolationLinear = ReadEnum(ref, kExtrapolation) == kbeC_Regularization::Linear;
                })
        .Enum("integration", &B::integrationExplicit, kIntegration)
        .Custom("reference",
                [](const Ref& reference, B& b) {
                  if (!reference.IsArray() || reference.Size() != 6)
                    reference.Fail("model.size",
                                   "the constitutive reference is 6 values (numbers, or null where not given)");
                  std::vector<double> values;
                  if (reference.node().kind() == Node::Kind::Array)
                    for (std::size_t i = 0; i < 6; ++i) values.push_back(ReadReal(reference.At(i)));
                  else
                    values = reference.Reals();
                  for (std::size_t i = 0; i < 6; ++i)
                    b.reference[i] = mdl_IsSet(values[i]) ? values[i] : kbeC_UnsetReference;
                })
        .Custom("derivedComponents",
                [](const Ref& list, B& b) {
                  static const Members<kbeC_DerivedComponent> derivedMembers = DerivedMembers();
                  std::map<std::string, std::size_t> seen;
                  list.ForEachElement([&](const Ref& derivedRef) {
                    auto derived = std::make_shared<kbeC_DerivedComponent>();
                    derivedMembers.ReadObject(derivedRef, *derived);
                    derived->data = ReadTableMembers(derivedRef);
                    CheckUnique(derivedRef.Get("name"), derived->name, seen, "derived component");
                    CheckIndependent(derivedRef, derived->independentKind, derived->independentComponents);
                    if (derived->components.empty())
                      derivedRef.Get("components").Fail("model.size", "list at least one component");
                    b.derivedComponents.push_back(std::move(derived));
                  });
                })
        .Custom("options",
                [](const Ref& list, B& b) {
                  list.ForEachElement([&](const Ref& option) { b.options.push_back(ReadOption(option)); });
                })
        .Check([](const Ref& ref, B& b) { CheckDerivedReferences(ref, b); });
    return m;
  }();
  return members;
}

std::shared_ptr<const kbeC_ConnectorBehavior> ReadBehavior(const Ref& ref) {
  auto behavior = std::make_shared<kbeC_ConnectorBehavior>();
  BehaviorMembers().ReadObject(ref, *behavior, {"name"});
  return behavior;
}

// ---------------------------------------------------------------------------
// Sections

int FindType(const Ref& ref, kseC_ConnectionFamily family, const char* what) {
  const std::string name = ref.AsString();
  std::string known;
  for (const kseC_ConnectionTypeInfo& type : kseC_ConnectionTypes(family)) {
    if (name == type.fileName) return type.number;
    known += (known.empty() ? "" : ", ") + std::string(type.fileName);
  }
  ref.Fail("model.enum", "unknown " + std::string(what) + " connection type " + Quoted(name) + "; expected one of " +
                             known);
}

using Behaviors = std::map<std::string, std::shared_ptr<const kbeC_ConnectorBehavior>>;

/// A basic connection: {"translational", "rotational"}, one or both.
const Members<kseC_ConnectorSection>& BasicConnectionMembers() {
  using S = kseC_ConnectorSection;
  static const Members<S> members = [] {
    Members<S> m;
    m.Group({"translational", "rotational"}, [](const Ref& connection, S& section) {
      if (!connection.Has("translational") && !connection.Has("rotational"))
        connection.Fail("model.missing-member", "a basic connection names a \"translational\" or a \"rotational\" "
                                                "type, or both");
      if (connection.Has("rotational"))
        section.typeNumbers[1] =
            FindType(connection.Get("rotational"), kseC_ConnectionFamily::Rotational, "rotational");
      if (connection.Has("translational"))
        section.typeNumbers[2] =
            FindType(connection.Get("translational"), kseC_ConnectionFamily::Translational, "translational");
    });
    return m;
  }();
  return members;
}

const Members<kseC_ConnectorSection, Behaviors>& SectionMembers() {
  using S = kseC_ConnectorSection;
  static const Members<S, Behaviors> members = [] {
    Members<S, Behaviors> m;
    m.Custom("connection",
             [](const Ref& connection, S& section) {
               if (connection.IsString())
                 section.typeNumbers[0] = FindType(connection, kseC_ConnectionFamily::Assembled, "assembled");
               else
                 BasicConnectionMembers().ReadObject(connection, section);
             })
        .Required()
        .Allow({"behavior"})
        .Custom("slipRing",
                [](const Ref& values, S& section) {
                  if (section.FirstType() != 8)
                    values.Fail("model.conflict", "only a slipRing connection has slip ring values");
                  if (!values.IsArray() || values.Size() < 1 || values.Size() > 2)
                    values.Fail("model.size", "expected one or two values");
                  const std::vector<double> given = values.Reals();
                  for (std::size_t i = 0; i < given.size(); ++i) section.extra[i] = given[i];
                })
        .Custom("flowConverterFactor",
                [](const Ref& factor, S& section) {
                  if (section.FirstType() != 7 && section.SecondType() != 6)
                    factor.Fail("model.conflict",
                                "only a retractor or a flowConverter connection has a flow-converter factor");
                  section.extra[2] = factor.AsDouble();
                })
        .Check([](const Behaviors& behaviors, const Ref& ref, S& section) {
          if (!ref.Has("behavior")) return;
          const Ref behaviorRef = ref.Get("behavior");
          section.behaviorName = behaviorRef.AsString();
          const auto found = behaviors.find(section.behaviorName);
          if (found == behaviors.end())
            behaviorRef.Fail("model.unknown-reference", "no connector behaviour named " + Quoted(section.behaviorName));
          section.behavior = found->second;
        });
    return m;
  }();
  return members;
}

std::shared_ptr<kseC_ConnectorSection> ReadSection(const std::string& name, const Ref& ref,
                                                   const Behaviors& behaviors) {
  auto section = std::make_shared<kseC_ConnectorSection>(name);
  SectionMembers().ReadObject(behaviors, ref, *section, {"name"});
  return section;
}

// ---------------------------------------------------------------------------
// Wires

int DatumId(const ddb_ModelContents& contents, const Ref& ref) {
  const std::string name = ref.AsString();
  for (const ddb_Datum& datum : contents.datums)
    if (datum.name() == name) return datum.id;
  ref.Fail("model.unknown-reference", "no datum coordinate system named " + Quoted(name));
}

/// {"datum", "axis" (1 to 3), "angle" in degrees}.
struct Direction {
  int datum, axis;
  double angle;
};

const Members<Direction, ddb_ModelContents>& DirectionMembers() {
  static const Members<Direction, ddb_ModelContents> members = [] {
    Members<Direction, ddb_ModelContents> m;
    m.Custom("datum", [](const ddb_ModelContents& contents, const Ref& ref,
                         Direction& d) { d.datum = DatumId(contents, ref); })
        .Required()
        .Custom("axis",
                [](const Ref& axisRef, Direction& d) {
                  d.axis = axisRef.AsInt() - 1;
                  if (d.axis < 0 || d.axis > 2)
                    axisRef.Fail("model.range", "the axis of the additional rotation is 1, 2 or 3");
                })
        .Number("angle", &Direction::angle);
    return m;
  }();
  return members;
}

void ReadDirection(const ddb_ModelContents& contents, const Ref& ref, int& datum, int& axis, double& angle) {
  Direction direction{datum, axis, angle};
  DirectionMembers().ReadObject(contents, ref, direction);
  datum = direction.datum;
  axis = direction.axis;
  angle = direction.angle;
}

const Members<ptoC_ConnectorOrientation, ddb_ModelContents>& OrientationMembers() {
  using O = ptoC_ConnectorOrientation;
  static const Members<O, ddb_ModelContents> members = [] {
    Members<O, ddb_ModelContents> m;
    m.Custom("first",
             [](const ddb_ModelContents& contents, const Ref& ref, O& o) {
               ReadDirection(contents, ref, o.datum1, o.axis1, o.angle1);
             })
        .Custom("second",
                [](const ddb_ModelContents& contents, const Ref& second, O& o) {
                  if (second.IsString()) {
                    if (second.AsString() != "sameAsFirst")
                      second.Fail("model.enum", "expected an orientation or \"sameAsFirst\"");
                    o.secondEqualsFirst = true;
                  } else {
                    ReadDirection(contents, second, o.datum2, o.axis2, o.angle2);
                  }
                })
        .Check([](const Ref& ref, O&) {
          if (ref.Has("second") && ref.Get("second").IsString() && !ref.Has("first"))
            ref.Get("second").Fail("model.conflict", "\"sameAsFirst\" needs a first orientation");
          if (!ref.Has("first") && !ref.Has("second"))
            ref.Fail("model.missing-member", "an orientation gives \"first\", \"second\" or both");
        });
    return m;
  }();
  return members;
}

ptoC_ConnectorOrientation ReadOrientation(const ddb_ModelContents& contents, const Ref& ref,
                                          const rgnC_Region& region) {
  ptoC_ConnectorOrientation orientation;
  orientation.region = region;
  OrientationMembers().ReadObject(contents, ref, orientation);
  return orientation;
}

/// The assembly's own mesh, read so far, as the wires extend it.
struct WireMesh {
  std::shared_ptr<ddb_MeshContents> contents;
  std::map<int, int> referencePoints;                   // label -> node index
  std::map<std::pair<std::string, int>, int> foreign;  // instance node -> node index
  std::set<int> elementLabels;
  int nextLabel = 1;
};

WireMesh OpenWireMesh(const ddb_Assembly& assembly) {
  WireMesh mesh;
  mesh.contents = assembly.hasMesh() ? std::make_shared<ddb_MeshContents>(*assembly.mesh().contents())
                                     : std::make_shared<ddb_MeshContents>();
  const ddb_MeshContents& c = *mesh.contents;
  for (int i = 0; i < c.nodes.NumNodes(); ++i) mesh.referencePoints.emplace(c.nodes.GetUserNodeLabel(i), i);
  for (std::size_t f = 0; f < c.foreignNodes.size(); ++f)
    mesh.foreign.emplace(std::make_pair(c.foreignNodes[f].instance, c.foreignNodes[f].label),
                         c.nodes.NumNodes() + int(f));
  for (int k = 0; k < c.elements.numClasses(); ++k)
    for (int label : c.elements.elementClass(k).userElementLabelsAsFlatArray()) mesh.elementLabels.insert(label);
  mesh.nextLabel = mesh.elementLabels.empty() ? 1 : *mesh.elementLabels.rbegin() + 1;
  return mesh;
}

/// A point: a reference point's label, or "INSTANCE.LABEL".
int ReadPoint(const Loader& loader, WireMesh& mesh, const Ref& ref) {
  if (!ref.IsString()) {
    const int label = ref.AsInt();
    const auto found = mesh.referencePoints.find(label);
    if (found == mesh.referencePoints.end())
      ref.Fail("model.unknown-reference", "the assembly has no reference point (node of its own mesh) " +
                                              std::to_string(label));
    return found->second;
  }
  const std::string text = ref.AsString();
  const std::size_t dot = text.rfind('.');
  int label = 0;
  bool number = dot != std::string::npos && dot > 0 && dot + 1 < text.size();
  for (std::size_t i = dot + 1; number && i < text.size(); ++i) number = text[i] >= '0' && text[i] <= '9';
  if (!number || text.size() - dot - 1 > 9)
    ref.Fail("model.type", "expected a reference point's label or \"INSTANCE.LABEL\", found " + Quoted(text));
  label = std::stoi(text.substr(dot + 1));
  const std::string instance = text.substr(0, dot);
  const MeshLabels* labels = loader.InstanceLabels(instance);
  if (labels == nullptr) ref.Fail("model.unknown-reference", "no part instance named " + Quoted(instance));
  if (labels->nodes.Find(label) < 0)
    ref.Fail("model.unknown-reference", "instance " + Quoted(instance) + " has no node " + std::to_string(label));
  const int next = mesh.contents->nodes.NumNodes() + int(mesh.contents->foreignNodes.size());
  const auto [it, fresh] = mesh.foreign.emplace(std::make_pair(instance, label), next);
  if (fresh) mesh.contents->foreignNodes.push_back({instance, label});
  return it->second;
}

bool HasElementSet(const ddb_Assembly& assembly, const std::string& name) {
  for (const auto& set : assembly.sets)
    if (set->setType() == ddb_Set::ElementSet && set->setLabel() == name) return true;
  return false;
}

int ElementSetIndex(const ddb_Assembly& assembly, const std::string& name) {
  for (int i = 0; i < assembly.numSets(); ++i)
    if (assembly.set(i).setType() == ddb_Set::ElementSet && assembly.set(i).setLabel() == name) return i;
  return -1;
}

}  // namespace

namespace {

/// The wires of an entry with "name" and "points": a new element class of
/// the assembly's mesh and an element set of the assembly; their region.
rgnC_Region AddWires(const Loader& loader, WireMesh& mesh, std::vector<ddb_ElementClass>& classes,
                     ddb_Assembly& assembly, const Ref& wire) {
  const std::string name = ReadQualifiableName(wire.Get("name"));
  if (HasElementSet(assembly, name))
    wire.Get("name").Fail("model.duplicate-name", "the assembly already has an element set named " + Quoted(name));
  const Ref points = wire.Get("points");
  std::vector<int> connectivity;
  points.ForEachElement([&](const Ref& pair) {
    if (!pair.IsArray() || pair.Size() != 2) pair.Fail("model.size", "a wire joins two points: [first, second]");
    if (pair.node().kind() == Node::Kind::Array) {
      connectivity.push_back(ReadPoint(loader, mesh, pair.At(0)));
      connectivity.push_back(ReadPoint(loader, mesh, pair.At(1)));
      return;
    }
    const std::vector<int> both = pair.Ints();  // two reference point labels
    for (std::size_t i = 0; i < 2; ++i) {
      const auto found = mesh.referencePoints.find(both[i]);
      if (found == mesh.referencePoints.end())
        pair.FailAt(i, "model.unknown-reference",
                    "the assembly has no reference point (node of its own mesh) " + std::to_string(both[i]));
      connectivity.push_back(found->second);
    }
  });
  const int count = int(connectivity.size() / 2);
  if (count == 0) points.Fail("model.size", "a wire entry joins at least one pair of points");
  std::vector<int> labels;
  if (wire.Has("labels")) {
    const Ref labelsRef = wire.Get("labels");
    labels = labelsRef.Ints();
    if (int(labels.size()) != count)
      labelsRef.Fail("model.size", "expected one label per pair of points (" + std::to_string(count) + ")");
    for (std::size_t i = 0; i < labels.size(); ++i) {
      if (labels[i] <= 0) labelsRef.FailAt(i, "model.range", "element labels are positive");
      if (!mesh.elementLabels.insert(labels[i]).second)
        labelsRef.FailAt(i, "model.duplicate-label",
                         "element label " + std::to_string(labels[i]) + " is used twice in the assembly's mesh");
    }
    mesh.nextLabel = std::max(mesh.nextLabel, *mesh.elementLabels.rbegin() + 1);
  } else {
    for (int i = 0; i < count; ++i) {
      labels.push_back(mesh.nextLabel);
      mesh.elementLabels.insert(mesh.nextLabel++);
    }
  }
  const int classIndex = int(classes.size());
  classes.emplace_back(kWireType, 2, std::move(connectivity), std::move(labels), 1, 3);
  std::vector<int> indices(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) indices[std::size_t(i)] = i;
  auto set = std::make_shared<rgnC_SetData>(name, rgnC_SetData::ElementSet);
  set->AddSubSet(rgnC_SubsetData(0, classIndex, std::make_shared<const std::vector<int>>(std::move(indices))));
  assembly.sets.push_back(std::make_shared<ddb_Set>(std::move(set)));
  return rgnC_Region::OfAssemblySet(assembly.numSets() - 1);
}

/// What a wire entry is read with: the assembly's mesh as the wires extend
/// it, and the sets of wires given a section so far.
struct WireContext {
  Loader& loader;
  WireMesh& mesh;
  std::vector<ddb_ElementClass>& classes;
  std::set<int>& assigned;  // each set of wires takes one section
};

/// A wire entry: the element set of its wires and their orientation.
const Members<rgnC_Region, WireContext>& WireMembers() {
  static const Members<rgnC_Region, WireContext> members = [] {
    Members<rgnC_Region, WireContext> m;
    m.Allow({"name", "points", "labels", "set"})
        .Custom("section", [](const Ref& ref, rgnC_Region&) { ref.AsString(); })  // resolved with the sections
        .Required()
        .Check([](const WireContext& c, const Ref& wire, rgnC_Region& region) {
          ddb_Assembly& assembly = c.loader.contents().assembly;
          if (wire.Has("set")) {
            if (wire.Has("name") || wire.Has("points") || wire.Has("labels"))
              wire.Fail("model.conflict",
                        "a wire entry names either an element set of wires of the assembly (\"set\") or "
                        "its own wires (\"name\" and \"points\")");
            region = ReadWireReference(c.loader, wire.Get("set"));
            if (!c.assigned.insert(region.ConstSet()).second)
              wire.Get("set").Fail("model.conflict", "another wire entry already gives these wires their section");
          } else {
            region = AddWires(c.loader, c.mesh, c.classes, assembly, wire);
            c.assigned.insert(region.ConstSet());
          }
        })
        .Custom("orientation", [](const WireContext& c, const Ref& ref, rgnC_Region& region) {
          ddb_ModelContents& contents = c.loader.contents();
          contents.assembly.connectorOrientations.push_back(ReadOrientation(contents, ref, region));
        });
    return m;
  }();
  return members;
}

/// The set of a wire entry: its "name", or the existing element set "set".
std::string WireSetName(const Ref& wire) { return (wire.Has("set") ? wire.Get("set") : wire.Get("name")).AsString(); }

}  // namespace

std::set<int> ReadConnectorWires(Loader& loader, const Ref& connectors) {
  connectors.AllowOnly({"behaviors", "sections", "wires"});
  if (!connectors.Has("wires")) return {};
  ddb_ModelContents& contents = loader.contents();
  ddb_Assembly& assembly = contents.assembly;
  WireMesh mesh = OpenWireMesh(assembly);
  std::vector<ddb_ElementClass> classes;
  for (int k = 0; k < mesh.contents->elements.numClasses(); ++k)
    classes.push_back(mesh.contents->elements.elementClass(k));

  std::set<int> assigned;
  const WireContext context{loader, mesh, classes, assigned};
  connectors.Get("wires").ForEachElement([&](const Ref& wire) {
    rgnC_Region region;
    WireMembers().ReadObject(context, wire, region);
  });
  mesh.contents->elements = ddb_ElementData(std::move(classes));
  assembly.ownMesh = ddb_Mesh(0, mesh.contents);
  contents.meshes[0] = assembly.ownMesh;
  return assigned;
}

void CheckAssemblyElements(const Loader& loader, const Ref& root, const std::set<int>& wireSets) {
  if (!root.Has("assembly") || !root.Get("assembly").Has("mesh") || !root.Get("assembly").Get("mesh").Has("elements"))
    return;
  const Ref classes = root.Get("assembly").Get("mesh").Get("elements");
  const ddb_Assembly& assembly = loader.contents().assembly;
  const ddb_ElementData& elements = assembly.mesh().elementData();
  // Which elements of each class the wire entries' sets hold.
  std::vector<std::vector<bool>> held(std::size_t(elements.numClasses()));
  for (int k = 0; k < elements.numClasses(); ++k) held[std::size_t(k)].resize(std::size_t(elements.elementClass(k).numElements()));
  for (int set : wireSets)
    for (const rgnC_SubsetData& subset : assembly.set(set).set().SubSets())
      if (subset.meshIndex() == 0 && subset.elementClass() >= 0)
        for (int i : subset.indices()) held[std::size_t(subset.elementClass())][std::size_t(i)] = true;
  // The classes of the file come first; the wire entries' own wires follow.
  for (std::size_t k = 0; k < classes.Size(); ++k) {
    const ddb_ElementClass& elementClass = elements.elementClass(int(k));
    if (elementClass.elementTypeLabel() != kWireType)
      classes.At(k).Get("type").Fail("model.unsupported", "the assembly's own elements are connector wires (" +
                                                             std::string(kWireType) + "); the deck has no place for " +
                                                             Quoted(elementClass.elementTypeLabel()) + " elements there");
    for (std::size_t i = 0; i < held[k].size(); ++i)
      if (!held[k][i])
        classes.At(k).Fail("model.unused", "the wire " + std::to_string(elementClass.userElementLabelsAsFlatArray()[i]) +
                                               " of the assembly is in no element set that a wire entry "
                                               "(\"connectors\"/\"wires\", \"set\") gives a connector section, "
                                               "so the deck would leave it out");
  }
}

std::vector<std::string_view> ConnectorOptionMemberNames(kbeC_OptionKind kind) {
  NEX_ASSERT(int(kind) >= 0 && int(kind) < kbeC_OptionKindCount);
  return kReaders[int(kind)].names();
}

rgnC_Region ReadWireReference(const Loader& loader, const Ref& ref) {
  const std::string name = ref.AsString();
  const ddb_Assembly& assembly = loader.contents().assembly;
  const int index = ElementSetIndex(assembly, name);
  if (index < 0) ref.Fail("model.unknown-reference", "the assembly has no wires named " + Quoted(name));
  const ddb_Mesh& mesh = assembly.mesh();
  for (const rgnC_SubsetData& subset : assembly.set(index).set().SubSets())
    if (subset.meshIndex() != 0 || mesh.IsEmpty() || subset.elementClass() < 0 ||
        mesh.elementData().elementClass(subset.elementClass()).elementTypeLabel() != kWireType)
      ref.Fail("model.type", "the element set " + Quoted(name) + " of the assembly holds other elements than wires");
  return rgnC_Region::OfAssemblySet(index);
}

void ReadConnectorSections(Loader& loader, const Ref& connectors) {
  ddb_ModelContents& contents = loader.contents();
  std::map<std::string, std::shared_ptr<const kbeC_ConnectorBehavior>> behaviors;
  if (connectors.Has("behaviors")) {
    std::map<std::string, std::size_t> seen;
    connectors.Get("behaviors").ForEachElement([&](const Ref& ref) {
      if (!ref.IsObject()) ref.Fail("model.type", "expected a connector behaviour: an object with a name");
      const std::string name = ReadName(ref.Get("name"));
      CheckUnique(ref.Get("name"), name, seen, "connector behaviour");
      behaviors[name] = ReadBehavior(ref);
    });
  }
  std::set<std::string> used;
  if (connectors.Has("sections")) {
    connectors.Get("sections").ForEachElement([&](const Ref& ref) {
      if (!ref.IsObject()) ref.Fail("model.type", "expected a connector section: an object with a name");
      const std::string name = ReadName(ref.Get("name"));
      if (contents.sections.IsMember(name))
        ref.Get("name").Fail("model.duplicate-name", "there is already a section named " + Quoted(name));
      auto section = ReadSection(name, ref, behaviors);
      if (section->behavior) used.insert(section->behaviorName);
      contents.sections.Add(name, section);
    });
  }
  if (connectors.Has("behaviors"))
    connectors.Get("behaviors").ForEachElement([&](const Ref& ref) {
      const std::string name = ref.Get("name").AsString();
      if (!used.count(name))
        ref.Get("name").Fail("model.unused", "no connector section uses the behaviour " + Quoted(name) +
                                                 ", so the deck would not carry it");
    });
  if (!connectors.Has("wires")) return;
  ddb_Assembly& assembly = contents.assembly;
  connectors.Get("wires").ForEachElement([&](const Ref& wire) {
    const Ref sectionRef = wire.Get("section");
    const std::string sectionName = sectionRef.AsString();
    const std::shared_ptr<const kseC_Section> section = contents.sections.GetShared(sectionName);
    if (section == nullptr)
      sectionRef.Fail("model.unknown-reference", "no connector section named " + Quoted(sectionName));
    if (dynamic_cast<const kseC_ConnectorSection*>(section.get()) == nullptr)
      sectionRef.Fail("model.type", "section " + Quoted(sectionName) + " is not a connector section");
    ptoC_SectionAssignment assignment;
    assignment.region = rgnC_Region::OfAssemblySet(ElementSetIndex(assembly, WireSetName(wire)));
    assignment.sectionName = sectionName;
    assembly.sectionAssignments.push_back(assignment);
  });
}

}  // namespace mfl
