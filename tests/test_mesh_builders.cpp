// The part, instance, region and transform builders: whole decks of tiny
// models, assembly sets split per instance, node-based surfaces for cited
// regions, transforms and orientations from the datum systems conditions use.
#include <gtest/gtest.h>

#include "mesh_test_support.h"
#include "modeldb/kloC_LoadTable.h"

namespace {

// Parts in the order instances first use them; an assembly set is split
// per instance (and the assembly's own mesh) in the order its subsets reach them.
TEST(MeshDeck, PartsInstancesSetsAndSurfacesInFull) {
  odb_Odb odb = test::Model(R"(
    "parts": [
      {"name": "Plate", "mesh": {
         "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0]},
         "elements": [{"type": "S4R", "nodesPerElement": 4, "connectivity": [1, 2, 3, 4]}],
         "sets": [{"name": "Edge", "kind": "node", "nodes": [2, 1]},
                  {"name": "All", "kind": "element", "elements": [1]},
                  {"name": "Top", "kind": "surface", "elements": [1], "faces": [1]}]}},
      {"name": "Unused"},
      {"name": "Pin", "mesh": {"nodes": {"labels": [5, 6], "coordinates": [0,0,0, 0,0,1]},
                               "elements": [{"type": "B31", "nodesPerElement": 2, "labels": [9], "connectivity": [5, 6]}]}}],
    "assembly": {
      "instances": [{"name": "Pin-1", "part": "Pin"},
                    {"name": "Plate-1", "part": "Plate", "rotation": [0, 0, 1.5707963267948966]},
                    {"name": "Plate-2", "part": "Plate", "translation": [0, 0, 1]}],
      "mesh": {"nodes": {"labels": [1], "coordinates": [0.5, 0.5, 2]}},
      "sets": [{"name": "Corners", "kind": "node", "subsets": [
                  {"instance": "Plate-2", "nodes": [3]}, {"instance": "Plate-1", "nodes": [1]}, {"nodes": [1]},
                  {"instance": "Plate-2", "nodes": [4]}]},
               {"name": "Faces", "kind": "surface", "internal": true, "subsets": [
                  {"instance": "Plate-2", "elements": [1], "faces": [2]}, {"instance": "Plate-1", "elements": [1], "faces": [1]}]},
               {"name": "Pins", "kind": "element", "subsets": [{"instance": "Pin-1", "elements": [9]}]}]})");
  EXPECT_EQ(test::Deck(odb), R"(**
** PARTS
**
*Part, name=Pin
*End Part
*Part, name=Plate
*End Part
**
** ASSEMBLY
**
*Assembly, name=Assembly
*Instance, name=Pin-1, part=Pin
*Node
      5,           0.,           0.,           0.
      6,           0.,           0.,           1.
*Element, type=B31
9, 5, 6
*End Instance
*Instance, name=Plate-1, part=Plate
          0.,           0.,           0.
          0.,           0.,           0.,           0.,           0.,           1.,          90.
*Node
      1,           0.,           0.,           0.
      2,           1.,           0.,           0.
      3,           1.,           1.,           0.
      4,           0.,           1.,           0.
*Element, type=S4R
1, 1, 2, 3, 4
*Nset, nset=Edge
1,2
*Elset, elset=All
1, 
*Elset, elset=_Top_SPOS, internal
1, 
*Surface, type=ELEMENT, name=Top
_Top_SPOS, SPOS
*End Instance
*Instance, name=Plate-2, part=Plate
          0.,           0.,           1.
*Node
      1,           0.,           0.,           0.
      2,           1.,           0.,           0.
      3,           1.,           1.,           0.
      4,           0.,           1.,           0.
*Element, type=S4R
1, 1, 2, 3, 4
*Nset, nset=Edge
1,2
*Elset, elset=All
1, 
*Elset, elset=_Top_SPOS, internal
1, 
*Surface, type=ELEMENT, name=Top
_Top_SPOS, SPOS
*End Instance
*Node
      1,          0.5,          0.5,           2.
*Nset, nset=Corners, instance=Plate-2
3,4
*Nset, nset=Corners, instance=Plate-1
1, 
*Nset, nset=Corners
1, 
*Elset, elset=Pins, instance=Pin-1
9, 
*Elset, elset=_Faces_SNEG, instance=Plate-2, internal
1, 
*Elset, elset=_Faces_SPOS, instance=Plate-1, internal
1, 
*Surface, type=ELEMENT, name=Faces, internal
_Faces_SNEG, SNEG
_Faces_SPOS, SPOS
*End Assembly
)");
}

TEST(MeshDeck, InstanceOfAnotherModelGetsNoBlockContent) {
  EXPECT_EQ(test::Deck(test::Model(R"("assembly": {"instances": [{"name": "Ref", "model": "Other"}]})")),
            "**\n** PARTS\n**\n**\n** ASSEMBLY\n**\n*Assembly, name=Assembly\n*End Assembly\n");
}

/// A self-contact whose surface is given as a node set: the interaction
/// reports it as a region to cite as a node-based surface.
std::shared_ptr<kinC_SelfContactStd> CitingInteraction(const std::string& name, const rgnC_Region& nodes) {
  auto contact = std::make_shared<kinC_SelfContactStd>(name);
  contact->slave = nodes;
  contact->slaveKind = rgnC_SetData::NodeSet;
  return contact;
}

/// A kinematic coupling of a reference node set to a surface (or node set).
std::shared_ptr<kcoC_Coupling> Coupling(const std::string& name, const rgnC_Region& refNode, const rgnC_Region& surface,
                                        int surfaceKind, int datum = 0) {
  auto coupling = std::make_shared<kcoC_Coupling>(name);
  coupling->SetRegion(kcoC_Coupling::RefNode, refNode, rgnC_SetData::NodeSet);
  coupling->SetRegion(kcoC_Coupling::Surface, surface, surfaceKind);
  coupling->datum = datum;
  return coupling;
}

/// A displacement condition on a region, given in a datum system.
std::shared_ptr<kbcC_BoundaryCondition> TransformedCondition(const std::string& name, const rgnC_Region& region,
                                                            int datum) {
  auto condition = kbcC_Make(kbcC_BCKind::Displacement, name);
  condition->region = region;
  condition->datum = datum;
  return condition;
}

/// A load of a kind with a datum system (on a region).
std::shared_ptr<kloC_KindLoad> TransformedLoad(kloC_LoadKind kind, const std::string& name, const rgnC_Region& region,
                                               int datum) {
  auto load = kloC_Make(kind, name);
  load->region = region;
  load->datum = datum;
  return load;
}

/// Instances A (mesh 1) and B (mesh 2) of a part with node set Fix; assembly
/// node set Ends on A. Datums: 1 Rect, 2 "Bolt axis".
std::shared_ptr<ddb_ModelContents> CitedModel() {
  odb_Odb odb = test::Model(R"(
    "datums": [{"name": "Rect", "kind": "rectangular"}, {"name": "Bolt axis", "kind": "cylindrical"}],
    "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
               "sets": [{"name": "Fix", "kind": "node", "nodes": [1]}]}}],
    "assembly": {"instances": [{"name": "A", "part": "P"}, {"name": "B", "part": "P"}],
                 "sets": [{"name": "Ends", "kind": "node", "subsets": [{"instance": "A", "nodes": [2]}]}]},
    "steps": [{"name": "Initial", "kind": "initial"}])");
  return std::make_shared<ddb_ModelContents>(odb.ddb().model("Default Model").contents());
}

std::string AssemblyBlock(const std::shared_ptr<ddb_ModelContents>& contents) {
  ddb_Ddb ddb;
  ddb.addModel(ddb_Model(contents));
  const std::string deck = test::Deck(odb_Odb(ddb));
  const std::size_t start = deck.find("*End Instance\n*Nset, nset=Ends");
  const std::size_t end = deck.find("*End Assembly\n", start);
  return deck.substr(start + 14, end + 14 - start - 14);
}

TEST(RegionBuilder, CitedRegionsBecomeNodeSurfacesOnce) {
  auto contents = CitedModel();
  const rgnC_Region fixOfB = rgnC_Region::OfMeshSet(2, 0);
  contents->interactions.Add("I-1", CitingInteraction("I-1", fixOfB));
  contents->interactions.Add("I-2", CitingInteraction("I-2", fixOfB));
  // Node sets where a coupling needs a surface become node-based surfaces.
  const rgnC_Region fixOfA = rgnC_Region::OfMeshSet(1, 0);
  contents->constraints.Add("C-2", Coupling("C-2", fixOfA, fixOfB, rgnC_SetData::NodeSet));
  contents->constraints.Add("C-1", Coupling("C-1", fixOfA, rgnC_Region::OfAssemblySet(0), rgnC_SetData::NodeSet));
  EXPECT_EQ(AssemblyBlock(contents), R"(*Nset, nset=Ends, instance=A
2, 
*Surface, type=NODE, name=B_Fix_CNS_
B.Fix, 1.
*Surface, type=NODE, name=Ends_CNS_
Ends, 1.
** Constraint: C-1
*Coupling, constraint name=C-1, ref node=A.Fix, surface=Ends_CNS_
*Kinematic
** Constraint: C-2
*Coupling, constraint name=C-2, ref node=A.Fix, surface=B_Fix_CNS_
*Kinematic
*End Assembly
)");
}

TEST(TransformBuilder, OneTransformPerDatumAndOneOrientationPerName) {
  auto contents = CitedModel();
  const rgnC_Region fixOfA = rgnC_Region::OfMeshSet(1, 0), fixOfB = rgnC_Region::OfMeshSet(2, 0);
  const rgnC_Region ends = rgnC_Region::OfAssemblySet(0);
  contents->boundaryConditions.Add("BC-2", TransformedCondition("BC-2", ends, 2));
  contents->boundaryConditions.Add("BC-1", TransformedCondition("BC-1", fixOfA, 2));
  // Concentrated forces cite their datum as a transform, inertia relief as an
  // orientation; other loads do neither.
  contents->loads.Add("CF-1", TransformedLoad(kloC_LoadKind::ConcentratedForce, "CF-1", fixOfB, 1));
  contents->loads.Add("Relief", TransformedLoad(kloC_LoadKind::InertiaRelief, "Relief", fixOfA, 1));
  contents->loads.Add("Weight", TransformedLoad(kloC_LoadKind::Gravity, "Weight", fixOfA, 2));
  contents->constraints.Add("Couple-1", Coupling("Couple-1", fixOfA, fixOfB, rgnC_SetData::NodeSet, 2));
  contents->constraints.Add("Couple-2", Coupling("Couple-2", fixOfB, fixOfA, rgnC_SetData::NodeSet, 2));
  contents->assembly.connectorOrientations = {{ends, 1, 0, 0.0, 0, 0, 0.0}, {ends, 1, 2, 30.0, 2, 0, 0.0}};
  EXPECT_EQ(AssemblyBlock(contents), R"(*Nset, nset=Ends, instance=A
2, 
*Surface, type=NODE, name=B_Fix_CNS_
B.Fix, 1.
*Surface, type=NODE, name=A_Fix_CNS_
A.Fix, 1.
*Nset, nset="_T-Bolt axis"
A.Fix, 
Ends, 
*Transform, nset="_T-Bolt axis", type=C
          0.,           0.,           0.,           0.,           0.,           1.
*Nset, nset=_T-Rect
B.Fix, 
*Transform, nset=_T-Rect
          1.,           0.,           0.,           0.,           1.,           0.
*Orientation, name=Rect
          1.,           0.,           0.,           0.,           1.,           0.
*Orientation, name=Rect_ConnOri-1-1_
          1.,           0.,           0.,           0.,           1.,           0.
3, 30.
*Orientation, name="Bolt axis", system=CYLINDRICAL
          0.,           0.,           0.,           0.,           0.,           1.
** Constraint: Couple-1
*Coupling, constraint name=Couple-1, ref node=A.Fix, surface=B_Fix_CNS_, orientation="Bolt axis"
*Kinematic
** Constraint: Couple-2
*Coupling, constraint name=Couple-2, ref node=B.Fix, surface=A_Fix_CNS_, orientation="Bolt axis"
*Kinematic
*End Assembly
)");
}

}  // namespace
