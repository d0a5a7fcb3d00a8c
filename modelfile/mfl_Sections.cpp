// Reading of the "beamProfiles" and "sections" members. Each kind of
// section (and of profile) has a reader of its own, found by its "kind".
#include <array>

#include "modeldb/kbpC_ProfileKind.h"
#include "modeldb/kseC_SectionKind.h"
#include "modelfile/mfl_Loader.h"
#include "modelfile/mfl_Members.h"

namespace mfl {

namespace {

/// Exactly `count` numbers (one of `counts` when several are allowed).
std::vector<double> Numbers(const Ref& ref, std::initializer_list<std::size_t> counts) {
  std::vector<double> values = ref.Reals();
  for (std::size_t count : counts)
    if (values.size() == count) return values;
  std::string expected;
  for (std::size_t count : counts) expected += (expected.empty() ? "" : " or ") + std::to_string(count);
  ref.Fail("model.size", "expected " + expected + " numbers, found " + std::to_string(values.size()));
}

template <std::size_t N>
std::array<double, N> Fixed(const Ref& ref) {
  const std::vector<double> values = Numbers(ref, {N});
  std::array<double, N> result{};
  for (std::size_t i = 0; i < N; ++i) result[i] = values[i];
  return result;
}

std::string MaterialName(const Ref& ref, const ddb_ModelContents& contents) {
  const std::string material = ref.AsString();
  if (!contents.materials.IsMember(material))
    ref.Fail("model.unknown-reference", "no material named \"" + material + "\"");
  return material;
}

template <class Section>
std::shared_ptr<Section> Make(const std::string& name) {
  return std::make_shared<Section>(name);
}

// ---- solids and trusses -----------------------------------------------------

/// Member tables of sections: their context is the model read so far (the
/// materials and the beam profiles).
template <class S>
using SectionMembers = Members<S, ddb_ModelContents>;

/// A new section of class S before its members are read.
template <class S>
std::shared_ptr<S> MakeSection(const std::string& name, const Ref&, const ddb_ModelContents&) {
  return Make<S>(name);
}

/// Reads a section of class S: "name", "kind" and the members of `members`,
/// refusing any other. `check` looks at the members before they are read.
template <class S, SectionMembers<S> (*members)(), auto make = &MakeSection<S>,
          void (*check)(const Ref&) = nullptr>
std::shared_ptr<kseC_Section> ReadSectionOf(const std::string& name, const Ref& ref,
                                            const ddb_ModelContents& contents) {
  static const SectionMembers<S> kMembers = members();
  kMembers.AllowOnly(ref, {"name", "kind"});
  std::shared_ptr<S> section = make(name, ref, contents);
  if constexpr (check != nullptr) check(ref);
  kMembers.ReadInto(contents, ref, *section);
  return section;
}

/// The members of sections of class S in the model file.
template <class S, SectionMembers<S> (*members)()>
std::vector<std::string_view> SectionMemberNames() {
  std::vector<std::string_view> names = {"name", "kind"};
  for (std::string_view name : members().Names()) names.push_back(name);
  return names;
}

// Member groups of several kinds.

template <class S>
void Material(SectionMembers<S>& m) {
  m.Custom("material", [](const ddb_ModelContents& contents, const Ref& ref, S& section) {
     section.material = MaterialName(ref, contents);
   }).Required();
}

/// A number greater than 0.
template <class S>
void PositiveMember(SectionMembers<S>& m, std::string_view name, std::type_identity_t<double S::*> member) {
  m.Custom(name, [member](const Ref& ref, S& section) {
    section.*member = ref.AsDouble();
    if (section.*member <= 0) ref.Fail("model.range", "expected a number greater than 0");
  });
}

template <class S>
void PositiveIntMember(SectionMembers<S>& m, std::string_view name, std::type_identity_t<int S::*> member) {
  m.Custom(name, [member](const Ref& ref, S& section) {
    section.*member = ref.AsInt();
    if (section.*member < 1) ref.Fail("model.range", "expected an integer of at least 1");
  });
}

template <class S>
void Hourglass(SectionMembers<S>& m) {
  m.Custom("hourglassStiffness", [](const Ref& ref, S& section) { section.hourglass.values = Fixed<3>(ref); });
}

SectionMembers<kseC_HomogenousSolidSection> SolidMembers() {
  using S = kseC_HomogenousSolidSection;
  SectionMembers<S> m;
  Material(m);
  PositiveMember(m, "thickness", &S::thickness);
  Hourglass(m);
  return m;
}

/// A layer of a composite section; shell layers may name an orientation.
SectionMembers<kseC_Layer> LayerMembers(bool shell) {
  using L = kseC_Layer;
  SectionMembers<L> m;
  m.Custom("thickness",
           [](const Ref& ref, L& layer) {
             layer.thickness = ref.AsDouble();
             if (layer.thickness <= 0) ref.Fail("model.range", "expected a number greater than 0");
           })
      .Required()
      .Custom("integrationPoints",
              [](const Ref& ref, L& layer) {
                layer.integrationPoints = ref.AsInt();
                if (layer.integrationPoints < 1) ref.Fail("model.range", "expected an integer of at least 1");
              })
      .Custom("material",
              [](const ddb_ModelContents& contents, const Ref& ref, L& layer) {
                layer.material = MaterialName(ref, contents);
              })
      .Required();
  if (shell)
    m.Check([](const Ref& ref, L&) {
       if (ref.Has("orientation") && ref.Has("angle"))
         ref.Fail("model.conflict", "a layer gives either an \"orientation\" or an \"angle\"");
     }).Name("orientation", &L::orientation);
  m.Number("angle", &L::orientationAngle);
  return m;
}

std::vector<kseC_Layer> ReadLayers(const Ref& layers, const ddb_ModelContents& contents, bool shell) {
  static const SectionMembers<kseC_Layer> kShell = LayerMembers(true), kSolid = LayerMembers(false);
  std::vector<kseC_Layer> result;
  layers.ForEachElement([&](const Ref& ref) {
    kseC_Layer layer;
    (shell ? kShell : kSolid).ReadObject(contents, ref, layer);
    result.push_back(std::move(layer));
  });
  if (result.empty()) layers.Fail("model.size", "a composite section needs at least one layer");
  return result;
}

/// The layers of a composite section (required); shell layers may name an
/// orientation.
template <class S>
void Layers(SectionMembers<S>& m, bool shell) {
  m.Custom("layers", [shell](const ddb_ModelContents& contents, const Ref& ref, S& section) {
     section.layers = ReadLayers(ref, contents, shell);
   }).Required();
}

SectionMembers<kseC_CompositeSolidSection> CompositeSolidMembers() {
  using S = kseC_CompositeSolidSection;
  SectionMembers<S> m;
  Layers(m, false);
  m.Bool("symmetric", &S::symmetric);
  Hourglass(m);
  return m;
}

SectionMembers<kseC_TrussSection> TrussMembers() {
  using S = kseC_TrussSection;
  SectionMembers<S> m;
  Material(m);
  PositiveMember(m, "area", &S::area);
  return m;
}

// ---- shells and membranes ---------------------------------------------------

/// What a rebar layer is read with: the materials, and the layer names so far.
struct RebarContext {
  const ddb_ModelContents& contents;
  std::map<std::string, std::size_t>& seen;
};

const Members<kseC_RebarLayer, RebarContext>& RebarLayerMembers() {
  using L = kseC_RebarLayer;
  static const Members<L, RebarContext> members = [] {
    Members<L, RebarContext> m;
    auto positive = [](double L::*member) {
      return [member](const Ref& ref, L& layer) {
        layer.*member = ref.AsDouble();
        if (layer.*member <= 0) ref.Fail("model.range", "expected a number greater than 0");
      };
    };
    m.UniqueName("name", &L::name, "rebar layer")
        .Required()
        .Custom("area", positive(&L::area))
        .Custom("spacing", positive(&L::spacing))  // moved to the angular spacing when the set says so
        .Number("position", &L::position)
        .Custom("material",
                [](const RebarContext& c, const Ref& ref, L& layer) { layer.material = MaterialName(ref, c.contents); })
        .Required()
        .Number("angle", &L::angle)
        .Name("orientation", &L::orientation);
    return m;
  }();
  return members;
}

kseC_RebarLayerSet ReadRebarLayers(const Ref& ref, const ddb_ModelContents& contents) {
  using Set = kseC_RebarLayerSet;
  static const Members<Set, ddb_ModelContents> members = [] {
    Members<Set, ddb_ModelContents> m;
    m.Custom("angularSpacing", [](const Ref& flag, Set& set) { set.spacing = flag.AsBool() ? Set::Angular : Set::Constant; })
        .Custom("layers",
                [](const ddb_ModelContents& c, const Ref& layers, Set& set) {
                  std::map<std::string, std::size_t> seen;
                  const RebarContext context{c, seen};
                  layers.ForEachElement([&](const Ref& layerRef) {
                    kseC_RebarLayer layer;
                    RebarLayerMembers().ReadObject(context, layerRef, layer);
                    if (set.spacing == Set::Angular) std::swap(layer.spacing, layer.angularSpacing);
                    set.layers.push_back(std::move(layer));
                  });
                })
        .Required();
    return m;
  }();
  kseC_RebarLayerSet set;
  members.ReadObject(contents, ref, set);
  return set;
}

/// The members every shell has, in reading order.
template <class S>
void ShellCommon(SectionMembers<S>& m) {
  m.Bool("general", &S::general)
      .Custom("poisson",
              [](const Ref& ref, S& shell) {
                shell.poissonDefined = true;
                shell.poisson = ref.AsDouble();
              })
      .Enum("integrationRule", &S::integrationRule, kseC_ShellSection::IntegrationRuleEnm())
      .Custom("temperaturePoints", [](const Ref& ref, S& shell) {
        shell.temperatureMode = kseC_ShellSection::Points;
        shell.temperaturePoints = ref.AsInt();
        if (shell.temperaturePoints < 1) ref.Fail("model.range", "expected an integer of at least 1");
      });
  PositiveMember(m, "thicknessModulus", &S::thicknessModulus);
  m.Custom("transverseShear", [](const Ref& ref, S& shell) {
    const std::vector<double> k = Numbers(ref, {2, 3});
    shell.transverseShear = kseC_TransverseShear{k[0], k[1], k.size() == 3 ? k[2] : mdl_UnsetDouble};
  });
  Hourglass(m);
  m.Custom("rebarLayers", [](const ddb_ModelContents& contents, const Ref& ref, S& shell) {
    shell.rebarLayers = ReadRebarLayers(ref, contents);
  });
  PositiveMember(m, "thickness", &S::thickness);
  PositiveIntMember(m, "integrationPoints", &S::integrationPoints);
}

SectionMembers<kseC_HomogenousShellSection> ShellMembers() {
  SectionMembers<kseC_HomogenousShellSection> m;
  ShellCommon(m);
  Material(m);
  return m;
}

SectionMembers<kseC_CompositeShellSection> CompositeShellMembers() {
  SectionMembers<kseC_CompositeShellSection> m;
  ShellCommon(m);
  Layers(m, true);
  return m;
}

/// Shells the writer has no form for: they load, and an assignment of one is
/// refused.
template <class S>
SectionMembers<S> UnsupportedShellMembers() {
  SectionMembers<S> m;
  m.Bool("general", &S::general);
  return m;
}

SectionMembers<kseC_MembraneSection> MembraneMembers() {
  using S = kseC_MembraneSection;
  SectionMembers<S> m;
  Material(m);
  PositiveMember(m, "thickness", &S::thickness);
  m.Custom("poisson", [](const Ref& ref, S& section) {
    section.poissonDefined = true;
    section.poisson = ref.AsDouble();
  });
  Hourglass(m);
  return m;
}

// ---- beams ------------------------------------------------------------------

kmaC_MaterialTable ReadPropertyTable(const Ref& ref) {
  std::vector<double> values;
  int columns = -1;
  int rows = 0;
  ref.ForEachElement([&](const Ref& row) {
    const std::vector<double> cells = row.Reals();
    if (cells.empty()) row.Fail("model.table", "a row without values");
    if (columns >= 0 && int(cells.size()) != columns)
      row.Fail("model.table", "rows of one table must be of the same length (" + std::to_string(columns) + ")");
    columns = int(cells.size());
    values.insert(values.end(), cells.begin(), cells.end());
    ++rows;
  });
  return rows == 0 ? kmaC_MaterialTable() : kmaC_MaterialTable(rows, columns, std::move(values));
}

/// A beam section's "properties": the general section's table.
const Members<kseC_BeamSection>& BeamPropertiesMembers() {
  using S = kseC_BeamSection;
  static const Members<S> members = [] {
    Members<S> m;
    m.Custom("table", [](const Ref& ref, S& beam) { beam.properties = ReadPropertyTable(ref); })
        .Required()
        .Bool("expansionColumn", &S::expansionColumn)
        .Bool("temperatureColumn", &S::temperatureColumn);
    return m;
  }();
  return members;
}

const Members<kseC_FluidInertia>& FluidInertiaMembers() {
  using F = kseC_FluidInertia;
  static const Members<F> members = [] {
    Members<F> m;
    auto value = [&m](std::string_view name, F::Value at, bool positive) {
      m.Custom(name, [at, positive](const Ref& ref, F& inertia) {
        inertia.values[at] = ref.AsDouble();
        if (positive && inertia.values[at] <= 0) ref.Fail("model.range", "expected a number greater than 0");
      });
    };
    value("density", F::Density, true);
    value("diameter", F::Diameter, true);
    value("normalCoefficient", F::NormalCoefficient, false);
    value("axialCoefficient", F::AxialCoefficient, false);
    m.Custom("center",
             [](const Ref& ref, F& inertia) {
               const auto center = Fixed<2>(ref);
               inertia.values[F::CenterY] = center[0];
               inertia.values[F::CenterZ] = center[1];
             })
        .Bool("half", &F::half);
    return m;
  }();
  return members;
}

const Members<kseC_BeamSection>& BeamDampingMembers() {
  using S = kseC_BeamSection;
  static const Members<S> members = [] {
    Members<S> m;
    m.Number("alpha", &S::dampingAlpha).Number("beta", &S::dampingBeta).Number("composite", &S::dampingComposite);
    return m;
  }();
  return members;
}

/// The members of a beam section: which it may have depends on
/// "integrated", checked before the others are read.
SectionMembers<kseC_BeamSection> BeamMembers() {
  using S = kseC_BeamSection;
  static const EnumTable<int> kTemperature = {{"GRADIENTS", S::Gradients}, {"VALUES", S::Values}};
  SectionMembers<S> m;
  m.Custom("profile",
           [](const ddb_ModelContents& contents, const Ref& ref, S& beam) {
             beam.profile = ref.AsString();
             if (!contents.beamProfiles.IsMember(beam.profile))
               ref.Fail("model.unknown-reference", "no beam profile named \"" + beam.profile + "\"");
           })
      .Required()
      .Bool("integrated", &S::integrated)
      .Group({"material"},
             [](const ddb_ModelContents& contents, const Ref& ref, S& beam) {
               if (beam.integrated) {
                 beam.material = MaterialName(ref.Get("material"), contents);
                 for (const char* member : {"dependencies", "zero", "density", "properties", "damping", "shearCenter",
                                            "centroid", "sectionPoints"})
                   if (ref.Has(member))
                     ref.Get(member).Fail("model.conflict",
                                          "only a beam section that is not integrated (\"integrated\": false) has \"" +
                                              std::string(member) + "\"");
               } else {
                 if (ref.Has("material"))
                   ref.Get("material").Fail("model.conflict",
                                            "a beam section that is not integrated gives \"properties\", not a material");
                 if (ref.Has("temperature"))
                   ref.Get("temperature").Fail("model.conflict", "only an integrated beam section has \"temperature\"");
               }
             })
      .Number("poisson", &S::poisson)
      .Enum("temperature", &S::temperatureMode, kTemperature)
      .Custom("dependencies",
              [](const Ref& ref, S& beam) {
                beam.dependencies = ref.AsInt();
                if (beam.dependencies < 0) ref.Fail("model.range", "expected an integer of at least 0");
              })
      .Number("zero", &S::zero)
      .Number("density", &S::density)
      .Custom("properties", [](const Ref& ref, S& beam) { BeamPropertiesMembers().ReadObject(ref, beam); })
      .Custom("fluidInertia",
              [](const Ref& ref, S& beam) {
                kseC_FluidInertia inertia;
                FluidInertiaMembers().ReadObject(ref, inertia);
                beam.fluidInertia = inertia;
              })
      .Custom("damping", [](const Ref& ref, S& beam) { BeamDampingMembers().ReadObject(ref, beam); })
      .Custom("shearCenter", [](const Ref& ref, S& beam) { beam.shearCenter = Fixed<2>(ref); })
      .Custom("centroid", [](const Ref& ref, S& beam) { beam.centroid = Fixed<2>(ref); })
      .Custom("sectionPoints", [](const Ref& pointsRef, S& beam) {
        const std::vector<double> values = pointsRef.Reals();
        if (values.size() % 2 != 0)
          pointsRef.Fail("model.size", "expected pairs of numbers (y and z of each point), found " +
                                           std::to_string(values.size()) + " numbers");
        for (std::size_t i = 0; i < values.size(); i += 2) beam.sectionPoints.push_back({values[i], values[i + 1]});
      });
  return m;
}

// ---- point masses and gaskets ----------------------------------------------

SectionMembers<kseC_PointSection> PointMembers() {
  using S = kseC_PointSection;
  SectionMembers<S> m;
  static const Members<S> kMass = [] {
    Members<S> mass;
    mass.Custom("value",
                [](const Ref& ref, S& point) {
                  point.mass = ref.AsDouble();
                  if (point.mass <= 0) ref.Fail("model.range", "expected a number greater than 0");
                })
        .Required()
        .Number("alpha", &S::massAlpha)
        .Number("composite", &S::massComposite);
    return mass;
  }();
  static const Members<S> kInertia = [] {
    Members<S> inertia;
    inertia.Custom("values", [](const Ref& ref, S& point) { point.inertia = Fixed<6>(ref); })
        .Required()
        .Number("alpha", &S::inertiaAlpha)
        .Number("composite", &S::inertiaComposite);
    return inertia;
  }();
  m.Custom("mass", [](const Ref& ref, S& point) { kMass.ReadObject(ref, point); })
      .Custom("rotaryInertia", [](const Ref& ref, S& point) { kInertia.ReadObject(ref, point); });
  return m;
}

void CheckPoint(const Ref& ref) {
  if (!ref.Has("mass") && !ref.Has("rotaryInertia"))
    ref.Fail("model.missing-member", "a point section gives a \"mass\", a \"rotaryInertia\" or both");
}

/// A gasket section is made with its material.
std::shared_ptr<kseC_GasketSection> MakeGasket(const std::string& name, const Ref& ref,
                                               const ddb_ModelContents& contents) {
  return std::make_shared<kseC_GasketSection>(name, MaterialName(ref.Get("material"), contents));
}

SectionMembers<kseC_GasketSection> GasketMembers() {
  using S = kseC_GasketSection;
  using G = kseC_GasketSection;
  SectionMembers<S> m;
  m.Allow({"material"});  // read first: the section is made with it
  auto value = [&m](std::string_view name, G::Value at, bool positive) {
    m.Custom(name, [at, positive](const Ref& ref, S& gasket) {
      gasket.values[at] = ref.AsDouble();
      if (positive && gasket.values[at] <= 0) ref.Fail("model.range", "expected a number greater than 0");
    });
  };
  value("thickness", G::InitialThickness, true);
  value("initialGap", G::InitialGap, false);
  value("initialVoid", G::InitialVoid, false);
  value("crossSection", G::CrossSection, true);
  PositiveMember(m, "stabilizationStiffness", &S::stabilizationStiffness);
  Hourglass(m);
  return m;
}

// ---- beam profiles ----------------------------------------------------------

using ProfileFactory = std::shared_ptr<kbpC_BeamProfile> (*)(const std::string& name, const Ref& ref);

/// Reads a profile of class P named `name` by `members` ("name" and "kind"
/// besides).
template <class P>
std::shared_ptr<kbpC_BeamProfile> ReadProfile(const std::string& name, const Ref& ref, const Members<P>& members) {
  auto profile = std::make_shared<P>(name);
  members.ReadObject(ref, *profile, {"name", "kind"});
  return profile;
}

template <class Profile, std::size_t Count>
std::shared_ptr<kbpC_BeamProfile> ReadDimensions(const std::string& name, const Ref& ref) {
  static const Members<Profile> members = [] {
    Members<Profile> m;
    m.Custom("dimensions", [](const Ref& value, Profile& p) { p.dimensions = Numbers(value, {Count}); }).Required();
    return m;
  }();
  return ReadProfile(name, ref, members);
}

std::shared_ptr<kbpC_BeamProfile> ReadBox(const std::string& name, const Ref& ref) {
  using P = kbpC_BoxProfile;
  static const Members<P> members = [] {
    Members<P> m;
    m.Custom("dimensions", [](const Ref& value, P& box) { box.dimensions = Numbers(value, {2}); })
        .Required()
        .Custom("thickness",
                [](const Ref& value, P& box) {
                  const std::vector<double> t = Numbers(value, {1, 4});
                  box.uniformThickness = t.size() == 1;
                  for (std::size_t i = 0; i < t.size(); ++i) box.thickness[i] = t[i];
                })
        .Required();
    return m;
  }();
  return ReadProfile(name, ref, members);
}

std::shared_ptr<kbpC_BeamProfile> ReadArbitrary(const std::string& name, const Ref& ref) {
  using P = kbpC_ArbitraryProfile;
  static const Members<P> members = [] {
    Members<P> m;
    m.Custom("points",
             [](const Ref& points, P& profile) {
               std::size_t index = 0;
               points.ForEachElement([&](const Ref& pointRef) {
                 const std::vector<double> v = Numbers(pointRef, {index == 0 ? std::size_t(2) : std::size_t(3)});
                 profile.points.push_back({v[0], v[1], index == 0 ? 0.0 : v[2]});
                 ++index;
               });
               if (profile.points.size() < 2)
                 points.Fail("model.size",
                             "an arbitrary profile needs at least 2 points ([y, z], then [y, z, thickness])");
             })
        .Required();
    return m;
  }();
  return ReadProfile(name, ref, members);
}

std::shared_ptr<kbpC_BeamProfile> ReadGeneralized(const std::string& name, const Ref& ref) {
  using P = kbpC_GeneralizedProfile;
  static const Members<P> members = [] {
    Members<P> m;
    m.Custom("dimensions", [](const Ref& value, P& p) { p.dimensions = Numbers(value, {5}); })
        .Required()
        .Custom("warping", [](const Ref& value, P& p) { p.warping = Fixed<2>(value); });
    return m;
  }();
  return ReadProfile(name, ref, members);
}

/// The reader of every profile kind, in kind order; the kind's name in the
/// file is its model database row's.
struct ProfileReaderRow {
  kbpC_ProfileKind kind;
  ProfileFactory read;
};

constexpr ProfileReaderRow kProfileReaders[] = {
    {kbpC_ProfileKind::Rectangular, &ReadDimensions<kbpC_RectangularProfile, 2>},
    {kbpC_ProfileKind::Circular, &ReadDimensions<kbpC_CircularProfile, 1>},
    {kbpC_ProfileKind::Pipe, &ReadDimensions<kbpC_PipeProfile, 2>},
    {kbpC_ProfileKind::Hexagonal, &ReadDimensions<kbpC_HexagonalProfile, 2>},
    {kbpC_ProfileKind::Box, &ReadBox},
    {kbpC_ProfileKind::I, &ReadDimensions<kbpC_IbeamProfile, 7>},
    {kbpC_ProfileKind::T, &ReadDimensions<kbpC_TbeamProfile, 5>},
    {kbpC_ProfileKind::L, &ReadDimensions<kbpC_LbeamProfile, 4>},
    {kbpC_ProfileKind::Trapezoidal, &ReadDimensions<kbpC_TrapezoidalProfile, 4>},
    {kbpC_ProfileKind::Arbitrary, &ReadArbitrary},
    {kbpC_ProfileKind::Generalized, &ReadGeneralized},
};
static_assert(mdl_OneRowPerKindInOrder<kbpC_ProfileKind>(kProfileReaders));

const std::map<std::string, ProfileFactory, std::less<>>& ProfileKinds() {
  static const std::map<std::string, ProfileFactory, std::less<>> kinds = [] {
    std::map<std::string, ProfileFactory, std::less<>> byName;
    for (const ProfileReaderRow& row : kProfileReaders) byName.emplace(kbpC_Info(row.kind).fileName, row.read);
    return byName;
  }();
  return kinds;
}

/// Reads an array of named objects with a "kind" found in `kinds`, each by
/// its kind's reader, into `add`.
template <class Kinds, class Read>
void ReadKinds(const Ref& array, const Kinds& kinds, const char* what, Read&& read) {
  std::map<std::string, std::size_t> seen;
  array.ForEachElement([&](const Ref& ref) {
    if (!ref.IsObject()) ref.Fail("model.type", std::string("expected a ") + what + ": an object with a name and a kind");
    const std::string name = ReadName(ref.Get("name"));
    CheckUnique(ref.Get("name"), name, seen, what);
    const Ref kindRef = ref.Get("kind");
    const std::string kind = kindRef.AsString();
    const auto factory = kinds.find(kind);
    if (factory == kinds.end()) {
      std::vector<std::string_view> known;
      for (const auto& entry : kinds) known.push_back(entry.first);
      FailUnknown(kindRef, std::string(what) + " kind", kind, QuotedList(known));
    }
    read(name, ref, factory->second);
  });
}

}  // namespace

namespace {

using K = kseC_SectionKind;

/// The reader of every section kind, in kind order; the kind's name in the
/// file is its model database row's.
struct SectionReaderRow {
  kseC_SectionKind kind;
  std::shared_ptr<kseC_Section> (*read)(const std::string& name, const Ref& ref, const ddb_ModelContents& contents);
  /// The kind's members in the model file.
  std::vector<std::string_view> (*members)();
};

template <class S, SectionMembers<S> (*members)(), auto make = &MakeSection<S>, void (*check)(const Ref&) = nullptr>
constexpr SectionReaderRow Row(kseC_SectionKind kind) {
  return {kind, &ReadSectionOf<S, members, make, check>, &SectionMemberNames<S, members>};
}

constexpr SectionReaderRow kSectionReaders[] = {
    Row<kseC_HomogenousSolidSection, &SolidMembers>(K::Solid),
    Row<kseC_CompositeSolidSection, &CompositeSolidMembers>(K::CompositeSolid),
    Row<kseC_TrussSection, &TrussMembers>(K::Truss),
    Row<kseC_HomogenousShellSection, &ShellMembers>(K::Shell),
    Row<kseC_CompositeShellSection, &CompositeShellMembers>(K::CompositeShell),
    Row<kseC_GeometryShellSection, &UnsupportedShellMembers<kseC_GeometryShellSection>>(K::GeometryShell),
    Row<kseC_UserShellSection, &UnsupportedShellMembers<kseC_UserShellSection>>(K::UserShell),
    Row<kseC_MembraneSection, &MembraneMembers>(K::Membrane),
    Row<kseC_BeamSection, &BeamMembers>(K::Beam),
    Row<kseC_PointSection, &PointMembers, &MakeSection<kseC_PointSection>, &CheckPoint>(K::Point),
    Row<kseC_GasketSection, &GasketMembers, &MakeGasket>(K::Gasket),
};
static_assert(mdl_OneRowPerKindInOrder<kseC_SectionKind>(kSectionReaders));

}  // namespace

std::vector<std::string_view> SectionKindMembers(kseC_SectionKind kind) { return kSectionReaders[int(kind)].members(); }

const std::map<std::string, SectionFactory, std::less<>>& SectionKinds() {
  static const std::map<std::string, SectionFactory, std::less<>> kinds = [] {
    std::map<std::string, SectionFactory, std::less<>> byName;
    for (const SectionReaderRow& row : kSectionReaders) byName.emplace(kseC_Info(row.kind).fileName, row.read);
    return byName;
  }();
  return kinds;
}

void ReadSections(const Ref& sections, ddb_ModelContents& contents) {
  ReadKinds(sections, SectionKinds(), "section", [&](const std::string& name, const Ref& ref, const SectionFactory& read) {
    contents.sections.Add(name, read(name, ref, contents));
  });
}

void ReadBeamProfiles(const Ref& profiles, ddb_ModelContents& contents) {
  ReadKinds(profiles, ProfileKinds(), "beam profile", [&](const std::string& name, const Ref& ref, ProfileFactory read) {
    contents.beamProfiles.Add(name, read(name, ref));
  });
}

}  // namespace mfl
