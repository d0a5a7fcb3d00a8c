// Reading of the constraints, the cyclic symmetry of the model and the
// reference points of the assembly. The regions of each kind of constraint
// (with the kinds of set each may be) come from the constraint table; the
// values that differ from kind to kind are read by one member table per kind.
#include <charconv>
#include <iterator>

#include "modeldb/kcoC_Constraint.h"
#include "modeldb/rgnC_SetData.h"
#include "modelfile/mfl_Steps.h"

namespace mfl {

void ReadReferencePoints(const Ref& points, const MeshLabels* assemblyLabels, ddb_Assembly& assembly) {
  std::map<std::string, std::size_t> seen;
  for (const auto& set : assembly.sets)
    if (set->setType() == ddb_Set::NodeSet) seen.emplace(set->setLabel(), seen.size());
  struct Point {
    std::string name;
    int index = -1;
  };
  struct PointContext {
    const MeshLabels* labels;
    std::map<std::string, std::size_t>& seen;
  };
  static const Members<Point, PointContext> members = [] {
    Members<Point, PointContext> m;
    // A reference point is cited through a node set of its name.
    m.UniqueName("name", &Point::name, "node set or reference point of the assembly", true)
        .Required()
        .Custom("node",
                [](const PointContext& c, const Ref& nodeRef, Point& point) {
                  const int label = nodeRef.AsInt();
                  point.index = c.labels ? c.labels->nodes.Find(label) : -1;
                  if (point.index < 0)
                    nodeRef.Fail("model.unknown-reference", "the assembly's mesh has no node " +
                                                                std::to_string(label) +
                                                                " (a reference point is a node of it)");
                })
        .Required();
    return m;
  }();
  const PointContext context{assemblyLabels, seen};
  points.ForEachElement([&](const Ref& ref) {
    Point point;
    members.ReadObject(context, ref, point);
    const std::string& name = point.name;
    const int index = point.index;
    auto set = std::make_shared<rgnC_SetData>(name, rgnC_SetData::NodeSet);
    set->AddSubSet(rgnC_SubsetData(0, -1, std::make_shared<const std::vector<int>>(1, index)));
    assembly.referencePoints.push_back({name, index, int(assembly.sets.size())});
    assembly.sets.push_back(std::make_shared<ddb_Set>(std::move(set)));
  });
}

namespace {

const char* KindName(unsigned bit) {
  switch (bit) {
    case kcoC_NodeSets: return "node set";
    case kcoC_ElementSets: return "element set";
    default: return "surface";
  }
}

std::string KindsText(unsigned kinds) {
  std::string text;
  for (unsigned bit : {unsigned(kcoC_Surfaces), unsigned(kcoC_NodeSets), unsigned(kcoC_ElementSets)})
    if (kinds & bit) text += (text.empty() ? "" : " or ") + std::string(KindName(bit));
  return text;
}

/// What the readers of one file share.
struct Context {
  Loader& loader;
  ddb_ModelContents& contents;
  std::vector<std::string> cyclicTies;
};

const ddb_Set& SetOf(const ddb_ModelContents& contents, const rgnC_Region& region) {
  if (region.OnAssembly()) return contents.assembly.set(region.ConstSet());
  return contents.meshes.at(region.MeshIndex()).set(region.ConstSet());
}

std::size_t NodeCount(const ddb_Set& set) {
  std::size_t count = 0;
  for (const rgnC_SubsetData& subset : set.set().SubSets()) count += subset.indices().size();
  return count;
}

/// A region of one of `kinds`: a set reference, or {"referencePoint": NAME}
/// where a node set may stand.
kcoC_Region ReadRegion(const Context& context, const Ref& ref, unsigned kinds, bool singleNode) {
  kcoC_Region region;
  if (ref.IsObject() && ref.Has("referencePoint")) {
    static const Members<kcoC_Region> kPoint = [] {
      Members<kcoC_Region> m;
      m.Allow({"referencePoint"});  // read below, where a node set may stand
      return m;
    }();
    kPoint.ReadObject(ref, region);
    const Ref nameRef = ref.Get("referencePoint");
    if (!(kinds & kcoC_NodeSets))
      nameRef.Fail("model.type", "a reference point is a node; expected a " + KindsText(kinds));
    const std::string name = nameRef.AsString();
    for (const ddb_ReferencePoint& point : context.contents.assembly.referencePoint())
      if (point.name == name) return {rgnC_Region::OfAssemblySet(point.set), rgnC_SetData::NodeSet};
    nameRef.Fail("model.unknown-reference", "the assembly has no reference point named \"" + name + "\"");
  }
  if (!ref.IsObject())
    ref.Fail("model.type", "expected a set reference ({\"set\": ..., \"instance\": ...}) or {\"referencePoint\": ...}");
  switch (kinds) {
    case kcoC_NodeSets: region.region = context.loader.SetRegion(ref, {rgnC_SetData::NodeSet}); break;
    case kcoC_ElementSets: region.region = context.loader.SetRegion(ref, {rgnC_SetData::ElementSet}); break;
    case kcoC_Surfaces: region.region = context.loader.SetRegion(ref, {rgnC_SetData::Surface}); break;
    default: region.region = context.loader.SetRegion(ref, {rgnC_SetData::Surface, rgnC_SetData::NodeSet}); break;
  }
  const ddb_Set& set = SetOf(context.contents, region.region);
  region.setKind = set.setType();
  if (singleNode && NodeCount(set) != 1)
    ref.Get("set").Fail("model.size", "a reference node set holds exactly one node; \"" + set.setLabel() + "\" holds " +
                                          std::to_string(NodeCount(set)));
  return region;
}

int DatumId(const Context& context, const Ref& ref) {
  const std::string name = ref.AsString();
  for (const ddb_Datum& datum : context.contents.datums)
    if (datum.name() == name) return datum.id;
  ref.Fail("model.unknown-reference", "no datum coordinate system named \"" + name + "\"");
}

std::string NumberText(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

double AtLeast(const Ref& ref, double minimum, bool inclusive) {
  const double value = ref.AsDouble();
  if (value < minimum || (!inclusive && value == minimum))
    ref.Fail("model.range", std::string("expected a number ") + (inclusive ? "of at least " : "greater than ") +
                                NumberText(minimum));
  return value;
}

// The values of each kind.

const EnumTable<int> kTieTypes = {{"node to surface", kcoC_Tie::NodeToSurface},
                                  {"surface to surface", kcoC_Tie::SurfaceToSurface}};
const EnumTable<int> kCouplingKinds = {{"kinematic", kcoC_Coupling::Kinematic},
                                       {"distributing", kcoC_Coupling::Distributing}};
const EnumTable<int> kWeighting = {{"uniform", kcoC_Coupling::Uniform},
                                   {"linear", kcoC_Coupling::Linear},
                                   {"quadratic", kcoC_Coupling::Quadratic},
                                   {"cubic", kcoC_Coupling::Cubic}};

Members<kcoC_Tie> TieMembers(Context& context) {
  Members<kcoC_Tie> m;
  m.Bool("adjust", &kcoC_Tie::adjust)
      .Custom("positionTolerance",
              [](const Ref& ref, kcoC_Tie& tie) {
                tie.positionToleranceMethod = kcoC_Tie::Specified;
                tie.positionTolerance = AtLeast(ref, 0.0, true);
              })
      .Bool("tieRotations", &kcoC_Tie::tieRotations)
      .Custom("constraintRatio",
              [](const Ref& ref, kcoC_Tie& tie) {
                tie.constraintRatioMethod = kcoC_Tie::Specified;
                tie.constraintRatio = AtLeast(ref, 0.0, true);
                if (tie.constraintRatio > 1.0) ref.Fail("model.range", "a constraint ratio lies between 0 and 1");
              })
      .Enum<int>("type", &kcoC_Tie::type, kTieTypes)
      .Bool("thickness", &kcoC_Tie::thickness)
      .Custom("cyclicSymmetry", [&context](const Ref& ref, kcoC_Tie& tie) {
        if (!ref.AsBool()) return;
        if (context.contents.sectorDefinition.GetSymmetryType() != ddb_ModelSectorDefinition::Cyclic)
          ref.Fail("model.conflict",
                   "a tie takes part in cyclic symmetry only in a model with \"cyclicSymmetry\" (its sectors and axis)");
        context.cyclicTies.push_back(tie.name());
      });
  return m;
}

Members<kcoC_Coupling> CouplingMembers(Context& context) {
  Members<kcoC_Coupling> m;
  m.Enum<int>("couplingType", &kcoC_Coupling::couplingKind, kCouplingKinds)
      .Custom("weighting",
              [](const Ref& ref, kcoC_Coupling& coupling) {
                if (coupling.couplingKind != kcoC_Coupling::Distributing)
                  ref.Fail("model.conflict", "only a distributing coupling has a weighting");
                coupling.weightingMethod = ReadEnum(ref, kWeighting);
              })
      .Custom("influenceRadius",
              [](const Ref& ref, kcoC_Coupling& coupling) { coupling.influenceRadius = AtLeast(ref, 0.0, false); })
      .Custom("orientation",
              [&context](const Ref& ref, kcoC_Coupling& coupling) { coupling.datum = DatumId(context, ref); })
      .Custom("dofs", [](const Ref& ref, kcoC_Coupling& coupling) {
        const std::vector<std::int32_t> dofs = ref.Ints();
        if (dofs.empty()) ref.Fail("model.size", "a coupling constrains at least one degree of freedom");
        coupling.dofs.fill(false);
        for (std::size_t i = 0; i < dofs.size(); ++i) {
          if (dofs[i] < 1 || dofs[i] > 6) ref.FailAt(i, "model.range", "a degree of freedom of a coupling is 1 to 6");
          if (coupling.dofs[std::size_t(dofs[i] - 1)])
            ref.FailAt(i, "model.duplicate-name", "degree of freedom " + std::to_string(dofs[i]) + " is listed twice");
          coupling.dofs[std::size_t(dofs[i] - 1)] = true;
        }
      });
  return m;
}

Members<kcoC_RigidBody> RigidBodyMembers(Context&) {
  Members<kcoC_RigidBody> m;
  m.Bool("centerOfMass", &kcoC_RigidBody::centerOfMass).Bool("isothermal", &kcoC_RigidBody::isothermal);
  return m;
}

/// The largest degree of freedom an equation term may name.
constexpr int kMaxDof = 30;

Members<kcoC_Equation> EquationMembers(Context& context) {
  Members<kcoC_Equation> m;
  m.Custom("terms", [&context](const Ref& ref, kcoC_Equation& equation) {
    if (ref.Size() == 0) ref.Fail("model.size", "an equation has at least one term");
    std::size_t nodes = 0;
    std::string firstSet;
    using T = kcoC_EquationTerm;
    // The terms pair their sets' nodes one by one: every set holds as many
    // nodes as the first term's.
    Members<T> terms;
    terms
        .Custom("region",
                [&](const Ref& regionRef, T& term) {
                  term.region = ReadRegion(context, regionRef, kcoC_NodeSets, false).region;
                  const ddb_Set& set = SetOf(context.contents, term.region);
                  const std::size_t count = NodeCount(set);
                  if (count == 0) regionRef.Fail("model.size", "node set \"" + set.setLabel() + "\" holds no node");
                  if (equation.terms.empty()) {
                    nodes = count;
                    firstSet = set.setLabel();
                  } else if (count != nodes) {
                    regionRef.Fail("model.size", "node set \"" + set.setLabel() + "\" holds " +
                                                     std::to_string(count) + " nodes and the first term's \"" +
                                                     firstSet + "\" " + std::to_string(nodes) +
                                                     ": the terms pair their sets' nodes one by one");
                  }
                })
        .Required()
        .Custom("dof",
                [](const Ref& dofRef, T& term) {
                  term.dof = dofRef.AsInt();
                  if (term.dof < 1 || term.dof > kMaxDof)
                    dofRef.Fail("model.range", "a degree of freedom is 1 to " + std::to_string(kMaxDof));
                })
        .Required()
        .Custom("coefficient",
                [](const Ref& coefficientRef, T& term) {
                  term.coefficient = coefficientRef.AsDouble();
                  if (term.coefficient == 0.0) coefficientRef.Fail("model.range", "a term's coefficient must not be 0");
                })
        .Required()
        .Custom("datum", [&context](const Ref& datum, T& term) { term.datum = DatumId(context, datum); });
    ref.ForEachElement([&](const Ref& termRef) {
      kcoC_EquationTerm term;
      terms.ReadObject(termRef, term);
      equation.terms.push_back(term);
    });
  });
  return m;
}

Members<kcoC_EmbeddedRegion> EmbeddedRegionMembers(Context&) {
  using E = kcoC_EmbeddedRegion;
  Members<E> m;
  auto tolerance = [](double E::*member) {
    return [member](const Ref& ref, E& embedded) { embedded.*member = AtLeast(ref, 0.0, true); };
  };
  m.Custom("absoluteExteriorTolerance", tolerance(&E::absoluteExteriorTolerance))
      .Custom("exteriorTolerance", tolerance(&E::exteriorTolerance))
      .Custom("roundoffTolerance", tolerance(&E::roundoffTolerance));
  return m;
}

Members<kcoC_ShellSolidCoupling> ShellSolidCouplingMembers(Context&) {
  using C = kcoC_ShellSolidCoupling;
  Members<C> m;
  m.Custom("positionTolerance",
           [](const Ref& ref, C& coupling) {
             coupling.positionToleranceMethod = kcoC_Tie::Specified;
             coupling.positionTolerance = AtLeast(ref, 0.0, false);
           })
      .Custom("influenceDistance", [](const Ref& ref, C& coupling) {
        coupling.influenceDistanceMethod = kcoC_Tie::Specified;
        coupling.influenceDistance = AtLeast(ref, 0.0, false);
      });
  return m;
}

/// Reads one constraint of class S: its regions from the table, its values
/// from its member table.
template <class S>
std::shared_ptr<kcoC_Constraint> Read(Context& context, const std::string& name, const Ref& ref,
                                      Members<S> (*members)(Context&)) {
  auto constraint = std::make_shared<S>(name);
  const kcoC_ConstraintInfo& info = *kcoC_FindInfo(*constraint);
  const auto slots = info.Regions();
  std::vector<std::string_view> regionNames;
  for (const kcoC_RegionSlot& slot : slots) regionNames.push_back(slot.fileName);
  // The regions, as the constraint table gives them, then the kind's values.
  Members<S> m;
  m.Group(regionNames, [&](const Ref& owner, S& object) {
     for (std::size_t i = 0; i < slots.size(); ++i) {
       if (!slots[i].required && !owner.Has(slots[i].fileName)) continue;
       const Ref regionRef = owner.Get(slots[i].fileName);
       const kcoC_Region region = ReadRegion(context, regionRef, slots[i].setKinds, slots[i].singleNode);
       // A constraint between a set and itself (a tie of a surface to itself, a
       // pin set that is the reference node) means nothing to the solver.
       for (std::size_t j = 0; j < i; ++j)
         if (object.Region(int(j)).IsGiven() && object.Region(int(j)).region == region.region)
           regionRef.Fail("model.conflict", "\"" + std::string(slots[i].fileName) + "\" names the same set as \"" +
                                                slots[j].fileName + "\"");
       object.SetRegion(int(i), region.region, region.setKind);
     }
   }).Append(members(context));
  m.ReadObject(ref, *constraint, {"name", "kind"});
  return constraint;
}

using KindReader = std::shared_ptr<kcoC_Constraint> (*)(Context&, const std::string&, const Ref&);

// One reader per kind, in kind order.
constexpr KindReader kReaders[] = {
    [](Context& c, const std::string& n, const Ref& r) { return Read<kcoC_Tie>(c, n, r, TieMembers); },
    [](Context& c, const std::string& n, const Ref& r) { return Read<kcoC_Coupling>(c, n, r, CouplingMembers); },
    [](Context& c, const std::string& n, const Ref& r) {
      auto body = Read<kcoC_RigidBody>(c, n, r, RigidBodyMembers);
      if (!r.Has("elements") && !r.Has("pinNodes") && !r.Has("tieNodes"))
        r.Fail("model.missing-member", "a rigid body names its \"elements\", \"pinNodes\" or \"tieNodes\"");
      return body;
    },
    [](Context& c, const std::string& n, const Ref& r) {
      r.Get("terms");  // required
      return Read<kcoC_Equation>(c, n, r, EquationMembers);
    },
    [](Context& c, const std::string& n, const Ref& r) {
      return Read<kcoC_EmbeddedRegion>(c, n, r, EmbeddedRegionMembers);
    },
    [](Context& c, const std::string& n, const Ref& r) {
      return Read<kcoC_ShellSolidCoupling>(c, n, r, ShellSolidCouplingMembers);
    },
};
static_assert(std::size(kReaders) == std::size_t(kcoC_ConstraintKindCount), "one reader per constraint kind");

gsl_Point ReadPoint(const Ref& ref) {
  const std::vector<double> values = ref.Reals();
  if (values.size() != 3) ref.Fail("model.size", "expected 3 numbers, found " + std::to_string(values.size()));
  return {values[0], values[1], values[2]};
}

void ReadCyclicSymmetry(const Ref& ref, ddb_ModelSectorDefinition& sector) {
  using D = ddb_ModelSectorDefinition;
  static const Members<D> members = [] {
    Members<D> m;
    m.Custom("sectors",
             [](const Ref& sectors, D& d) {
               d.numberOfSectors = sectors.AsInt();
               if (d.numberOfSectors < 2) sectors.Fail("model.range", "a cyclic symmetry has at least 2 sectors");
             })
        .Required()
        .Custom("axisStart", [](const Ref& point, D& d) { d.startPoint = ReadPoint(point); })
        .Required()
        .Custom("axisEnd", [](const Ref& point, D& d) { d.endPoint = ReadPoint(point); })
        .Required()
        .Check([](const Ref& owner, D& d) {
          if ((d.endPoint - d.startPoint).Length() <= gsl_Util::Tolerance)
            owner.Fail("model.geometry", "the two points of the symmetry axis coincide");
        });
    return m;
  }();
  members.ReadObject(ref, sector);
  sector.symmetryType = ddb_ModelSectorDefinition::Cyclic;
}

}  // namespace

void ReadConstraints(Loader& loader, const Ref& root) {
  ddb_ModelContents& contents = loader.contents();
  if (root.Has("cyclicSymmetry")) ReadCyclicSymmetry(root.Get("cyclicSymmetry"), contents.sectorDefinition);
  if (!root.Has("constraints")) return;
  Context context{loader, contents, {}};
  root.Get("constraints").ForEachElement([&](const Ref& ref) {
    const Ref nameRef = ref.Get("name");
    const std::string name = ReadName(nameRef);
    if (contents.constraints.IsMember(name))
      nameRef.Fail("model.duplicate-name", "there is already a constraint named \"" + name + "\"");
    const Ref kindRef = ref.Get("kind");
    const std::string kind = kindRef.AsString();
    const kcoC_ConstraintInfo* info = nullptr;
    std::string known;
    for (const kcoC_ConstraintInfo& row : kcoC_ConstraintTable()) {
      if (kind == row.fileName) info = &row;
      known += (known.empty() ? "\"" : ", \"") + std::string(row.fileName) + "\"";
    }
    if (info == nullptr) kindRef.Fail("model.enum", "unknown constraint kind \"" + kind + "\"; expected one of " + known);
    contents.constraints.Add(name, kReaders[std::size_t(info->kind)](context, name, ref));
  });
  contents.sectorDefinition.ties.insert(context.cyclicTies.begin(), context.cyclicTies.end());
}

}  // namespace mfl
