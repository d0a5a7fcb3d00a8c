// Constraint keywords: the constraint table, each keyword's lines, the node
// surfaces and transforms constraints ask for, and cyclic symmetry. The
// constraints are put into a loaded model directly.
#include <gtest/gtest.h>

#include <set>

#include "oif/impl/oif_Tie.h"
#include "test_support.h"

namespace {

// Two bricks and a beam; sets of the brick part in order: 0 Top, 1 Bottom,
// 2 All, 3 Corner, 4 Edge; of the beam part: 0 Wire. Instances Block-1 (mesh
// 1), Block-2 (mesh 2), Beam-1 (mesh 3); the assembly's node set RP (set 0)
// holds its one node.
constexpr const char* kMesh = R"(
  "datums": [{"name": "Skew", "kind": "rectangular", "xAxis": [0, 1, 0], "yAxis": [-1, 0, 0]}],
  "parts": [{"name": "Brick", "mesh": {
              "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0, 0,0,1, 1,0,1, 1,1,1, 0,1,1]},
              "elements": [{"type": "C3D8R", "nodesPerElement": 8, "connectivity": [1, 2, 3, 4, 5, 6, 7, 8]}],
              "sets": [{"name": "Top", "kind": "surface", "elements": [1], "faces": [2]},
                       {"name": "Bottom", "kind": "surface", "elements": [1], "faces": [1]},
                       {"name": "All", "kind": "element", "elements": [1]},
                       {"name": "Corner", "kind": "node", "nodes": [1]},
                       {"name": "Edge", "kind": "node", "nodes": [1, 2]}]}},
            {"name": "Rod", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
              "elements": [{"type": "B31", "nodesPerElement": 2, "connectivity": [1, 2]}],
              "sets": [{"name": "Wire", "kind": "element", "elements": [1]}]}}],
  "assembly": {"instances": [{"name": "Block-1", "part": "Brick"}, {"name": "Block-2", "part": "Brick"},
                             {"name": "Beam-1", "part": "Rod"}],
               "mesh": {"nodes": {"coordinates": [0.5, 0.5, 2]}},
               "sets": [{"name": "RP", "kind": "node", "subsets": [{"nodes": [1]}]}]})";

const rgnC_Region kTop1 = rgnC_Region::OfMeshSet(1, 0), kBottom2 = rgnC_Region::OfMeshSet(2, 1);
const rgnC_Region kAll1 = rgnC_Region::OfMeshSet(1, 2), kAll2 = rgnC_Region::OfMeshSet(2, 2);
const rgnC_Region kCorner1 = rgnC_Region::OfMeshSet(1, 3), kCorner2 = rgnC_Region::OfMeshSet(2, 3);
const rgnC_Region kEdge1 = rgnC_Region::OfMeshSet(1, 4), kEdge2 = rgnC_Region::OfMeshSet(2, 4);
const rgnC_Region kWire = rgnC_Region::OfMeshSet(3, 0), kRP = rgnC_Region::OfAssemblySet(0);
constexpr int kNodes = rgnC_SetData::NodeSet, kElements = rgnC_SetData::ElementSet, kSurface = rgnC_SetData::Surface;

std::shared_ptr<ddb_ModelContents> Contents(const std::string& more = "") {
  odb_Odb odb = test::Model(kMesh + more);
  return std::make_shared<ddb_ModelContents>(odb.ddb().model("Default Model").contents());
}

std::string DeckOf(const std::shared_ptr<ddb_ModelContents>& contents) {
  ddb_Ddb ddb;
  ddb.addModel(ddb_Model(contents));
  return test::Deck(odb_Odb(ddb));
}

/// The deck from the first constraint's comment to the end of the assembly.
std::string Constraints(const std::shared_ptr<ddb_ModelContents>& contents) {
  const std::string deck = DeckOf(contents);
  const std::size_t start = deck.find("** Constraint: ");
  const std::size_t end = deck.find("*End Assembly");
  return start == std::string::npos ? deck : deck.substr(start, end - start);
}

template <class T>
std::shared_ptr<T> Add(const std::shared_ptr<ddb_ModelContents>& contents, const std::string& name) {
  auto constraint = std::make_shared<T>(name);
  contents->constraints.Add(name, constraint);
  return constraint;
}

std::shared_ptr<kcoC_Tie> AddTie(const std::shared_ptr<ddb_ModelContents>& contents, const std::string& name,
                                 const rgnC_Region& slave, int slaveKind) {
  auto tie = Add<kcoC_Tie>(contents, name);
  tie->SetRegion(kcoC_Tie::Master, kTop1, kSurface);
  tie->SetRegion(kcoC_Tie::Slave, slave, slaveKind);
  return tie;
}

std::shared_ptr<kcoC_Coupling> AddCoupling(const std::shared_ptr<ddb_ModelContents>& contents, const std::string& name) {
  auto coupling = Add<kcoC_Coupling>(contents, name);
  coupling->SetRegion(kcoC_Coupling::RefNode, kRP, kNodes);
  coupling->SetRegion(kcoC_Coupling::Surface, kTop1, kSurface);
  return coupling;
}

// ---------------------------------------------------------------------------
// The constraint table.

TEST(ConstraintTable, OneRowPerKindNamingItsClass) {
  const auto table = kcoC_ConstraintTable();
  ASSERT_EQ(table.size(), std::size_t(kcoC_ConstraintKindCount));
  std::set<std::string> fileNames;
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(table[i].className);
    EXPECT_EQ(int(table[i].kind), int(i));
    EXPECT_EQ(&kcoC_Info(table[i].kind), &table[i]);
    EXPECT_TRUE(fileNames.insert(table[i].fileName).second);
    EXPECT_EQ(table[i].keyword[0], '*');
    for (const kcoC_RegionSlot& slot : table[i].Regions()) {
      EXPECT_NE(slot.setKinds, 0u);
      // Only a slot that takes both a surface and a node set turns the node set into a surface.
      EXPECT_EQ(slot.citedAsSurface, (slot.setKinds & kcoC_Surfaces) != 0 && (slot.setKinds & kcoC_NodeSets) != 0);
    }
  }
  // Each class finds its own row, and has one region per slot of it.
  const std::vector<std::shared_ptr<kcoC_Constraint>> objects = {
      std::make_shared<kcoC_Tie>("t"), std::make_shared<kcoC_Coupling>("c"), std::make_shared<kcoC_RigidBody>("r"),
      std::make_shared<kcoC_Equation>("e"), std::make_shared<kcoC_EmbeddedRegion>("m"),
      std::make_shared<kcoC_ShellSolidCoupling>("s")};
  ASSERT_EQ(objects.size(), table.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    ASSERT_EQ(kcoC_FindInfo(*objects[i]), &table[i]);
    EXPECT_EQ(objects[i]->Regions().size(), std::size_t(table[i].regionCount));
  }
  EXPECT_EQ(kcoC_Info(kcoC_ConstraintKind::Tie).Regions()[kcoC_Tie::Slave].fileName, std::string("slave"));
  EXPECT_EQ(kcoC_Info(kcoC_ConstraintKind::RigidBody).Regions()[kcoC_RigidBody::TieNodes].fileName,
            std::string("tieNodes"));
  EXPECT_THROW(kcoC_Info(kcoC_ConstraintKind::Count), nex_AssertException);
}

class OtherConstraint : public kcoC_Constraint {
 public:
  explicit OtherConstraint(std::string name) : kcoC_Constraint(std::move(name)) {}
};

TEST(ConstraintTable, KindsOutsideTheTableAreUnimplemented) {
  const OtherConstraint other("Other");
  EXPECT_EQ(kcoC_FindInfo(other), nullptr);
  auto contents = Contents();
  contents->constraints.Add("Other", std::make_shared<OtherConstraint>("Other"));
  try {
    DeckOf(contents);
    ADD_FAILURE() << "written";
  } catch (const nex_TextException& error) {
    EXPECT_EQ(error.Message(), "Unimplemented constraint type.");
  }
}

TEST(ConstraintTable, NodeSetsCitedAsSurfacesAreReported) {
  kcoC_Tie tie("T");
  tie.SetRegion(kcoC_Tie::Master, kTop1, kSurface);
  tie.SetRegion(kcoC_Tie::Slave, kEdge2, kNodes);
  EXPECT_EQ(tie.NodeSurfaceRegions(), rgnC_RegionList{kEdge2});
  tie.SetRegion(kcoC_Tie::Slave, kBottom2, kSurface);
  EXPECT_TRUE(tie.NodeSurfaceRegions().empty());
  kcoC_RigidBody body("B");  // node sets cited as node sets are not surfaces
  body.SetRegion(kcoC_RigidBody::RefNode, kRP, kNodes);
  body.SetRegion(kcoC_RigidBody::PinNodes, kEdge1, kNodes);
  EXPECT_TRUE(body.NodeSurfaceRegions().empty());
}

// ---------------------------------------------------------------------------
// Keyword lines.

TEST(ConstraintKeywords, TieWithEveryParameterAndWithDefaults) {
  auto contents = Contents();
  auto full = AddTie(contents, "Glue", kBottom2, kSurface);
  full->adjust = false;
  full->positionToleranceMethod = kcoC_Tie::Specified;
  full->positionTolerance = 0.01;
  full->tieRotations = false;
  full->constraintRatioMethod = kcoC_Tie::Specified;
  full->constraintRatio = 0.5;
  full->type = kcoC_Tie::SurfaceToSurface;
  full->thickness = false;
  auto plain = AddTie(contents, "Plain", kBottom2, kSurface);
  plain->positionTolerance = 0.3;  // not written: the tolerance is computed
  plain->type = kcoC_Tie::NodeToSurface;
  EXPECT_EQ(Constraints(contents), R"(** Constraint: Glue
*Tie, name=Glue, adjust=no, position tolerance=0.01, no rotation, constraint ratio=0.5, type=SURFACE TO SURFACE, no thickness
Block-2.Bottom, Block-1.Top
** Constraint: Plain
*Tie, name=Plain, adjust=yes, type=NODE TO SURFACE
Block-2.Bottom, Block-1.Top
)");
}

TEST(ConstraintKeywords, TieOnANodeSetCitesItsNodeBasedSurface) {
  auto contents = Contents();
  AddTie(contents, "Spot weld", kEdge2, kNodes);
  const std::string deck = DeckOf(contents);
  EXPECT_NE(deck.find(R"(*Surface, type=NODE, name=Block-2_Edge_CNS_
Block-2.Edge, 1.
** Constraint: Spot weld
*Tie, name="Spot weld", adjust=yes
Block-2_Edge_CNS_, Block-1.Top
*End Assembly
)"),
            std::string::npos)
      << deck;
}

TEST(ConstraintKeywords, TieWithoutAModelObject) {
  EXPECT_EQ(test::Print(oif_Tie("Pair", 0.0, "Slave side", "Master")), "*Tie, name=Pair\nSlave side, Master\n");
  EXPECT_EQ(test::Print(oif_Tie("Pair", 0.25, "S", "M")), "*Tie, name=Pair, position tolerance=0.25\nS, M\n");
}

TEST(ConstraintKeywords, KinematicAndDistributingCouplings) {
  auto contents = Contents();
  auto some = AddCoupling(contents, "Grip");
  some->dofs = {true, true, false, false, false, true};
  AddCoupling(contents, "Hold");  // all six degrees of freedom: no data line
  auto spread = AddCoupling(contents, "Spread");
  spread->couplingKind = kcoC_Coupling::Distributing;
  spread->weightingMethod = kcoC_Coupling::Cubic;
  spread->influenceRadius = 0.5;
  spread->dofs = {true, true, true, false, false, false};
  auto linear = AddCoupling(contents, "Weigh");
  linear->couplingKind = kcoC_Coupling::Distributing;
  linear->weightingMethod = kcoC_Coupling::Uniform;
  linear->datum = 1;
  EXPECT_EQ(Constraints(contents), R"(** Constraint: Grip
*Coupling, constraint name=Grip, ref node=RP, surface=Block-1.Top
*Kinematic
1, 1
2, 2
6, 6
** Constraint: Hold
*Coupling, constraint name=Hold, ref node=RP, surface=Block-1.Top
*Kinematic
** Constraint: Spread
*Coupling, constraint name=Spread, ref node=RP, surface=Block-1.Top, influence radius=0.5
*Distributing, weighting method=CUBIC
1, 1
2, 2
3, 3
** Constraint: Weigh
*Coupling, constraint name=Weigh, ref node=RP, surface=Block-1.Top, orientation=Skew
*Distributing, weighting method=UNIFORM
)");
}

TEST(ConstraintKeywords, WeightingMethodsOutsideTheFourAreUnimplemented) {
  auto contents = Contents();
  auto odd = AddCoupling(contents, "Odd");
  odd->couplingKind = kcoC_Coupling::Distributing;
  odd->weightingMethod = 4;
  try {
    DeckOf(contents);
    ADD_FAILURE() << "written";
  } catch (const nex_TextException& error) {
    EXPECT_EQ(error.Message(), "Unimplemented weighting method 4 of coupling \"Odd\"");
  }
}

TEST(ConstraintKeywords, CouplingOrientationsAreWrittenOncePerDatum) {
  auto contents = Contents();
  AddCoupling(contents, "A")->datum = 1;
  AddCoupling(contents, "B")->datum = 1;
  const std::string deck = DeckOf(contents);
  EXPECT_NE(deck.find(R"(*Nset, nset=RP
1, 
*Orientation, name=Skew
          0.,           1.,           0.,          -1.,           0.,           0.
** Constraint: A
)"),
            std::string::npos)
      << deck;
  EXPECT_EQ(deck.find("*Orientation"), deck.rfind("*Orientation"));
}

TEST(ConstraintKeywords, RigidBodies) {
  auto contents = Contents();
  auto full = Add<kcoC_RigidBody>(contents, "Lid");
  full->SetRegion(kcoC_RigidBody::RefNode, kRP, kNodes);
  full->SetRegion(kcoC_RigidBody::Elements, kAll2, kElements);
  full->SetRegion(kcoC_RigidBody::PinNodes, kCorner1, kNodes);
  full->SetRegion(kcoC_RigidBody::TieNodes, kEdge1, kNodes);
  full->analyticalSurface = "Drum face";
  full->centerOfMass = true;
  full->isothermal = true;
  auto plain = Add<kcoC_RigidBody>(contents, "Plain");
  plain->SetRegion(kcoC_RigidBody::RefNode, kRP, kNodes);
  plain->SetRegion(kcoC_RigidBody::Elements, kAll1, kElements);
  // The long keyword line continues after a ", " once it would pass 131 characters.
  EXPECT_EQ(Constraints(contents), R"(** Constraint: Lid
*Rigid Body, ref node=RP, elset=Block-2.All, pin nset=Block-1.Corner, tie nset=Block-1.Edge, analytical surface="Drum face",
position=CENTER OF MASS, isothermal=YES
** Constraint: Plain
*Rigid Body, ref node=RP, elset=Block-1.All
)");
}

TEST(ConstraintKeywords, EquationsAndTheTransformsOfTheirTerms) {
  auto contents = Contents();
  auto equation = Add<kcoC_Equation>(contents, "Link");
  equation->terms = {{kCorner1, 1, 1.0, 0}, {kCorner2, 3, -0.25, 1}, {kRP, 6, 1e-3, 0}};
  const std::string deck = DeckOf(contents);
  EXPECT_NE(deck.find(R"(*Nset, nset=RP
1, 
*Nset, nset=_T-Skew
Block-2.Corner, 
*Transform, nset=_T-Skew
          0.,           1.,           0.,          -1.,           0.,           0.
** Constraint: Link
*Equation
3
Block-1.Corner, 1, 1.
Block-2.Corner, 3, -0.25
RP, 6, 0.001
*End Assembly
)"),
            std::string::npos)
      << deck;
}

TEST(ConstraintKeywords, EmbeddedElementsWithDefaultAndGivenTolerances) {
  auto contents = Contents();
  auto plain = Add<kcoC_EmbeddedRegion>(contents, "Rebar");
  plain->SetRegion(kcoC_EmbeddedRegion::Embedded, kWire, kElements);
  plain->SetRegion(kcoC_EmbeddedRegion::Host, kAll1, kElements);
  auto tight = Add<kcoC_EmbeddedRegion>(contents, "Tight");
  tight->SetRegion(kcoC_EmbeddedRegion::Embedded, kWire, kElements);
  tight->SetRegion(kcoC_EmbeddedRegion::Host, kAll2, kElements);
  tight->absoluteExteriorTolerance = 0.02;
  tight->exteriorTolerance = 0.1;
  tight->roundoffTolerance = 1e-5;
  EXPECT_EQ(Constraints(contents), R"(** Constraint: Rebar
*Embedded Element, host elset=Block-1.All
Beam-1.Wire
** Constraint: Tight
*Embedded Element, host elset=Block-2.All, absolute exterior tolerance=0.02, exterior tolerance=0.1, roundoff tolerance=1e-05
Beam-1.Wire
)");
}

TEST(ConstraintKeywords, ShellToSolidCouplings) {
  auto contents = Contents();
  auto given = Add<kcoC_ShellSolidCoupling>(contents, "Joint");
  given->SetRegion(kcoC_ShellSolidCoupling::ShellEdge, kTop1, kSurface);
  given->SetRegion(kcoC_ShellSolidCoupling::SolidFace, kBottom2, kSurface);
  given->positionToleranceMethod = kcoC_Tie::Specified;
  given->positionTolerance = 0.1;
  given->influenceDistanceMethod = kcoC_Tie::Specified;
  given->influenceDistance = 0.2;
  auto computed = Add<kcoC_ShellSolidCoupling>(contents, "Seam");
  computed->SetRegion(kcoC_ShellSolidCoupling::ShellEdge, kTop1, kSurface);
  computed->SetRegion(kcoC_ShellSolidCoupling::SolidFace, kBottom2, kSurface);
  computed->positionTolerance = 0.4;  // computed: not written
  EXPECT_EQ(Constraints(contents), R"(** Constraint: Joint
*Shell to Solid Coupling, constraint name=Joint, position tolerance=0.1, influence distance=0.2
Block-1.Top, Block-2.Bottom
** Constraint: Seam
*Shell to Solid Coupling, constraint name=Seam
Block-1.Top, Block-2.Bottom
)");
}

TEST(ConstraintKeywords, ConstraintsComeInNameOrder) {
  auto contents = Contents();
  AddCoupling(contents, "B");
  AddCoupling(contents, "A");
  const std::string lines = Constraints(contents);
  EXPECT_EQ(lines.find("** Constraint: A\n"), 0u) << lines;
  EXPECT_NE(lines.find("** Constraint: B\n"), std::string::npos) << lines;
}

// ---------------------------------------------------------------------------
// Cyclic symmetry.

void MakeCyclic(ddb_ModelContents& contents, int type, std::set<std::string> ties) {
  contents.sectorDefinition.symmetryType = type;
  contents.sectorDefinition.numberOfSectors = 12;
  contents.sectorDefinition.startPoint = gsl_Point(0, 0, -1);
  contents.sectorDefinition.endPoint = gsl_Point(0, 0, 2.5);
  contents.sectorDefinition.ties = std::move(ties);
}

TEST(CyclicSymmetry, ModelKeywordAtModelLevelAndTheSectorTie) {
  auto contents = Contents();
  AddTie(contents, "Sector", kBottom2, kSurface);
  AddTie(contents, "Other", kBottom2, kSurface);
  MakeCyclic(*contents, ddb_ModelSectorDefinition::Cyclic, {"Sector"});
  const std::string deck = DeckOf(contents);
  EXPECT_NE(deck.find(R"(** Constraint: Other
*Tie, name=Other, adjust=yes
Block-2.Bottom, Block-1.Top
** Constraint: Sector
*Tie, name=Sector, adjust=yes, cyclic symmetry
Block-2.Bottom, Block-1.Top
*End Assembly
*Cyclic Symmetry Model, n=12
0., 0., -1., 0., 0., 2.5
)"),
            std::string::npos)
      << deck;
}

TEST(CyclicSymmetry, OtherSymmetryTypesWriteNoCyclicSymmetry) {
  auto contents = Contents();
  AddTie(contents, "Sector", kBottom2, kSurface);
  MakeCyclic(*contents, ddb_ModelSectorDefinition::None, {"Sector"});
  const std::string deck = DeckOf(contents);
  EXPECT_EQ(deck.find("cyclic symmetry"), std::string::npos) << deck;
  EXPECT_EQ(deck.find("*Cyclic Symmetry Model"), std::string::npos) << deck;
}

TEST(CyclicSymmetry, IsRefusedForExplicitAnalyses) {
  const std::string explicitStep = R"(, "steps": [{"name": "Crash", "kind": "explicit dynamics", "timePeriod": 0.01}])";
  auto contents = Contents(explicitStep);
  AddTie(contents, "Sector", kBottom2, kSurface);
  MakeCyclic(*contents, ddb_ModelSectorDefinition::Cyclic, {"Sector"});
  try {
    DeckOf(contents);
    ADD_FAILURE() << "written";
  } catch (const nex_TextException& error) {
    // The model keyword is refused before any tie is looked at.
    EXPECT_EQ(error.Message(), "Cyclic symmetry is not valid for Explicit.");
  }
  // Without cyclic symmetry, the same tie in an explicit analysis is written.
  MakeCyclic(*contents, ddb_ModelSectorDefinition::None, {"Sector"});
  EXPECT_NE(DeckOf(contents).find("*Tie, name=Sector, adjust=yes\n"), std::string::npos);
}

}  // namespace
