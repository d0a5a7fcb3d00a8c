// Constraints, reference points and cyclic symmetry in the model file: a model
// with every kind written in full, and the refusals of bad regions and terms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "modelfile/mfl_Json.h"
#include "test_support.h"

namespace {

/// Two bricks and a beam, two reference points, a datum; `more` adds members
/// of the root (constraints, cyclic symmetry).
std::string Model(const std::string& more) {
  return R"(
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
               "mesh": {"nodes": {"labels": [1, 2], "coordinates": [0.5, 0.5, 2, 0.5, 0.5, -1]}},
               "referencePoints": [{"name": "RP-Load", "node": 1}, {"name": "RP-Lid", "node": 2}]})" +
         (more.empty() ? std::string() : ",\n" + more);
}

std::string WithConstraints(const std::string& constraints) { return Model(R"("constraints": [)" + constraints + "]"); }

std::string AssemblyTail(const std::string& deck) {
  const std::size_t start = deck.find("*Nset, nset=RP-Load");
  return deck.substr(start, deck.find("*End Assembly\n") + 14 - start);
}

TEST(ConstraintModelFile, EveryKindWithReferencePoints) {
  const std::string deck = test::Deck(test::Model(WithConstraints(R"(
    {"name": "Spread", "kind": "coupling", "couplingType": "distributing", "weighting": "quadratic",
     "refNode": {"referencePoint": "RP-Load"}, "surface": {"set": "Edge", "instance": "Block-1"},
     "influenceRadius": 2, "orientation": "Skew"},
    {"name": "Glue", "kind": "tie", "master": {"set": "Top", "instance": "Block-1"},
     "slave": {"set": "Bottom", "instance": "Block-2"}, "positionTolerance": 0.01, "type": "surface to surface"},
    {"name": "Grip", "kind": "coupling", "couplingType": "kinematic", "refNode": {"referencePoint": "RP-Load"},
     "surface": {"set": "Top", "instance": "Block-2"}, "dofs": [3, 1, 2]},
    {"name": "Lid", "kind": "rigid body", "refNode": {"referencePoint": "RP-Lid"},
     "elements": {"set": "All", "instance": "Block-2"}, "centerOfMass": true},
    {"name": "Link", "kind": "equation", "terms": [
      {"region": {"set": "Corner", "instance": "Block-1"}, "dof": 1, "coefficient": 1},
      {"region": {"set": "Corner", "instance": "Block-2"}, "dof": 1, "coefficient": -1, "datum": "Skew"}]},
    {"name": "Rebar", "kind": "embedded region", "embedded": {"set": "Wire", "instance": "Beam-1"},
     "host": {"set": "All", "instance": "Block-1"}, "exteriorTolerance": 0.1},
    {"name": "Seam", "kind": "shell to solid coupling", "shellEdge": {"set": "Top", "instance": "Block-1"},
     "solidFace": {"set": "Bottom", "instance": "Block-2"}, "influenceDistance": 0.5})")));
  EXPECT_EQ(AssemblyTail(deck), R"(*Nset, nset=RP-Load
1, 
*Nset, nset=RP-Lid
2, 
*Surface, type=NODE, name=Block-1_Edge_CNS_
Block-1.Edge, 1.
*Nset, nset=_T-Skew
Block-2.Corner, 
*Transform, nset=_T-Skew
          0.,           1.,           0.,          -1.,           0.,           0.
*Orientation, name=Skew
          0.,           1.,           0.,          -1.,           0.,           0.
** Constraint: Glue
*Tie, name=Glue, adjust=yes, position tolerance=0.01, type=SURFACE TO SURFACE
Block-2.Bottom, Block-1.Top
** Constraint: Grip
*Coupling, constraint name=Grip, ref node=RP-Load, surface=Block-2.Top
*Kinematic
1, 1
2, 2
3, 3
** Constraint: Lid
*Rigid Body, ref node=RP-Lid, elset=Block-2.All, position=CENTER OF MASS
** Constraint: Link
*Equation
2
Block-1.Corner, 1, 1.
Block-2.Corner, 1, -1.
** Constraint: Rebar
*Embedded Element, host elset=Block-1.All, exterior tolerance=0.1
Beam-1.Wire
** Constraint: Seam
*Shell to Solid Coupling, constraint name=Seam, influence distance=0.5
Block-1.Top, Block-2.Bottom
** Constraint: Spread
*Coupling, constraint name=Spread, ref node=RP-Load, surface=Block-1_Edge_CNS_, influence radius=2., orientation=Skew
*Distributing, weighting method=QUADRATIC
*End Assembly
)") << deck;
}

TEST(ConstraintModelFile, CyclicSymmetryAndItsSectorTie) {
  const std::string deck = test::Deck(test::Model(Model(R"(
    "cyclicSymmetry": {"sectors": 8, "axisStart": [0, 0, 0], "axisEnd": [0, 0, 1]},
    "constraints": [{"name": "Sector", "kind": "tie", "cyclicSymmetry": true, "master": {"set": "Top", "instance": "Block-1"},
                     "slave": {"set": "Bottom", "instance": "Block-1"}},
                    {"name": "Plain", "kind": "tie", "cyclicSymmetry": false, "master": {"set": "Top", "instance": "Block-1"},
                     "slave": {"set": "Bottom", "instance": "Block-2"}}])")));
  EXPECT_NE(deck.find(R"(** Constraint: Plain
*Tie, name=Plain, adjust=yes
Block-2.Bottom, Block-1.Top
** Constraint: Sector
*Tie, name=Sector, adjust=yes, cyclic symmetry
Block-1.Bottom, Block-1.Top
*End Assembly
*Cyclic Symmetry Model, n=8
0., 0., 0., 0., 0., 1.
)"),
            std::string::npos)
      << deck;
}

TEST(ConstraintModelFile, RefusesRegionsOfTheWrongKindOrThatDoNotExist) {
  const std::string tie = R"({"name": "T", "kind": "tie", "master": )";
  const std::string slave = R"(, "slave": {"set": "Bottom", "instance": "Block-2"}})";
  test::ExpectRefusals({
      {WithConstraints(tie + R"({"set": "Edge", "instance": "Block-1"})" + slave), "model.type",
       "/constraints/0/master/set", "\"Edge\" is a node set; expected a surface"},
      {WithConstraints(tie + R"({"set": "Side", "instance": "Block-1"})" + slave), "model.unknown-reference",
       "/constraints/0/master/set", "instance \"Block-1\" has no set named \"Side\""},
      {WithConstraints(tie + R"({"set": "Top", "instance": "Block-9"})" + slave), "model.unknown-reference",
       "/constraints/0/master/instance", "no part instance named \"Block-9\""},
      {WithConstraints(tie + R"({"referencePoint": "RP-Load"})" + slave), "model.type",
       "/constraints/0/master/referencePoint", "a reference point is a node; expected a surface"},
      {WithConstraints(R"({"name": "C", "kind": "coupling", "refNode": {"referencePoint": "RP-9"},
                           "surface": {"set": "Top", "instance": "Block-1"}})"),
       "model.unknown-reference", "/constraints/0/refNode/referencePoint", "no reference point named \"RP-9\""},
      {WithConstraints(R"({"name": "C", "kind": "coupling", "refNode": {"set": "Edge", "instance": "Block-1"},
                           "surface": {"set": "Top", "instance": "Block-1"}})"),
       "model.size", "/constraints/0/refNode/set", "exactly one node; \"Edge\" holds 2"},
      {WithConstraints(R"({"name": "E", "kind": "embedded region", "embedded": {"set": "Wire", "instance": "Beam-1"},
                           "host": {"set": "Top", "instance": "Block-1"}})"),
       "model.type", "/constraints/0/host/set", "\"Top\" is a surface; expected an element set"},
      {WithConstraints(R"({"name": "B", "kind": "rigid body", "refNode": {"referencePoint": "RP-Lid"}})"),
       "model.missing-member", "/constraints/0", "\"elements\", \"pinNodes\" or \"tieNodes\""},
      {WithConstraints(R"({"name": "B", "kind": "rigid body", "refNode": {"referencePoint": "RP-Lid"},
                           "elements": {"set": "All", "instance": "Block-1"}, "pin": {"set": "Edge"}})"),
       "model.unknown-member", "/constraints/0/pin", "pinNodes"},
      {WithConstraints(tie + R"({"set": "Bottom", "instance": "Block-2"})" + slave), "model.conflict",
       "/constraints/0/slave", "\"slave\" names the same set as \"master\""},
      {WithConstraints(R"({"name": "B", "kind": "rigid body", "refNode": {"referencePoint": "RP-Lid"},
                           "pinNodes": {"referencePoint": "RP-Lid"}})"),
       "model.conflict", "/constraints/0/pinNodes", "\"pinNodes\" names the same set as \"refNode\""},
      {WithConstraints(R"({"name": "X", "kind": "glue"})"), "model.enum", "/constraints/0/kind",
       "\"tie\", \"coupling\", \"rigid body\", \"equation\", \"embedded region\", \"shell to solid coupling\""},
  });
}

TEST(ConstraintModelFile, RefusesEquationTermsThatDoNotMatchTheirNodeSets) {
  auto equation = [](const std::string& second) {
    return WithConstraints(R"({"name": "L", "kind": "equation", "terms": [
        {"region": {"set": "Corner", "instance": "Block-1"}, "dof": 1, "coefficient": 1}, )" + second + "]}");
  };
  test::ExpectRefusals({
      {equation(R"({"region": {"set": "Edge", "instance": "Block-2"}, "dof": 1, "coefficient": -1})"), "model.size",
       "/constraints/0/terms/1/region", "\"Edge\" holds 2 nodes and the first term's \"Corner\" 1"},
      {equation(R"({"region": {"set": "Corner", "instance": "Block-2"}, "dof": 31, "coefficient": -1})"),
       "model.range", "/constraints/0/terms/1/dof", "1 to 30"},
      {equation(R"({"region": {"set": "Corner", "instance": "Block-2"}, "dof": 0, "coefficient": -1})"),
       "model.range", "/constraints/0/terms/1/dof", "1 to 30"},
      {equation(R"({"region": {"set": "Corner", "instance": "Block-2"}, "dof": 1, "coefficient": 0})"),
       "model.range", "/constraints/0/terms/1/coefficient", "must not be 0"},
      {equation(R"({"region": {"set": "All", "instance": "Block-2"}, "dof": 1, "coefficient": 1})"), "model.type",
       "/constraints/0/terms/1/region/set", "\"All\" is an element set; expected a node set"},
      {equation(R"({"region": {"set": "Corner", "instance": "Block-2"}, "dof": 1, "coefficient": 1, "datum": "Polar"})"),
       "model.unknown-reference", "/constraints/0/terms/1/datum", "no datum coordinate system named \"Polar\""},
      {WithConstraints(R"({"name": "L", "kind": "equation", "terms": []})"), "model.size", "/constraints/0/terms",
       "at least one term"},
      {WithConstraints(R"({"name": "L", "kind": "equation"})"), "model.missing-member", "/constraints/0", "terms"},
  });
}

TEST(ConstraintModelFile, RefusesValuesOutOfPlace) {
  const std::string coupling = R"({"name": "C", "kind": "coupling", "refNode": {"referencePoint": "RP-Load"},
                                   "surface": {"set": "Top", "instance": "Block-1"}, )";
  test::ExpectRefusals({
      {WithConstraints(coupling + R"("weighting": "cubic"})"), "model.conflict", "/constraints/0/weighting",
       "only a distributing coupling"},
      {WithConstraints(coupling + R"("dofs": [1, 7]})"), "model.range", "/constraints/0/dofs/1", "1 to 6"},
      {WithConstraints(coupling + R"("dofs": []})"), "model.size", "/constraints/0/dofs", "at least one"},
      {WithConstraints(coupling + R"("influenceRadius": 0})"), "model.range", "/constraints/0/influenceRadius",
       "greater than 0"},
      {WithConstraints(coupling + R"("orientation": "Polar"})"), "model.unknown-reference",
       "/constraints/0/orientation", "\"Polar\""},
      {WithConstraints(R"({"name": "T", "kind": "tie", "cyclicSymmetry": true, "master": {"set": "Top", "instance": "Block-1"},
                           "slave": {"set": "Bottom", "instance": "Block-2"}})"),
       "model.conflict", "/constraints/0/cyclicSymmetry", "\"cyclicSymmetry\""},
      {WithConstraints(R"({"name": "T", "kind": "tie", "constraintRatio": 1.5, "master": {"set": "Top", "instance": "Block-1"},
                           "slave": {"set": "Bottom", "instance": "Block-2"}})"),
       "model.range", "/constraints/0/constraintRatio", "between 0 and 1"},
      {Model(R"("cyclicSymmetry": {"sectors": 1, "axisStart": [0, 0, 0], "axisEnd": [0, 0, 1]})"), "model.range",
       "/cyclicSymmetry/sectors", "at least 2 sectors"},
      {Model(R"("cyclicSymmetry": {"sectors": 4, "axisStart": [0, 0, 1], "axisEnd": [0, 0, 1]})"), "model.geometry",
       "/cyclicSymmetry", "coincide"},
      {WithConstraints(coupling + R"("couplingType": "kinematic"}, )" + coupling + R"("couplingType": "kinematic"})"),
       "model.duplicate-name", "/constraints/1/name", "constraint named \"C\""},
  });
}

TEST(ConstraintModelFile, RefusesReferencePointsThatNameNothing) {
  const std::string head = R"(
    "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0]}}}],
    "assembly": {"instances": [{"name": "P-1", "part": "P"}], )";
  test::ExpectRefusals({
      {head + R"("mesh": {"nodes": {"coordinates": [0,0,0]}}, "referencePoints": [{"name": "RP", "node": 2}]})",
       "model.unknown-reference", "/assembly/referencePoints/0/node", "no node 2"},
      {head + R"("referencePoints": [{"name": "RP", "node": 1}]})", "model.unknown-reference",
       "/assembly/referencePoints/0/node", "the assembly's mesh has no node 1"},
      {head + R"("mesh": {"nodes": {"coordinates": [0,0,0]}}, "sets": [{"name": "RP", "kind": "node", "subsets": [{"nodes": [1]}]}],
                 "referencePoints": [{"name": "RP", "node": 1}]})",
       "model.duplicate-name", "/assembly/referencePoints/0/name", "\"RP\""},
      {head + R"("mesh": {"nodes": {"coordinates": [0,0,0]}}, "referencePoints": [{"name": "R.P", "node": 1}]})",
       "model.name", "/assembly/referencePoints/0/name", "\".\""},
  });
}

}  // namespace

namespace {

TEST(ConstraintModelFile, BundledExampleWritesEachConstraintAfterItsComment) {
  const std::string deck = test::Deck(mfl_ModelFile::Open(std::string(OIF_SOURCE_DIR) + "/examples/constraints.json"));
  const std::size_t start = deck.find("*Nset, nset=RP-Grip");
  ASSERT_NE(start, std::string::npos) << deck;
  EXPECT_EQ(deck.substr(start, deck.find("*End Assembly\n") + 14 - start), R"(*Nset, nset=RP-Grip
1, 
*Nset, nset=RP-Lid
2, 
*Nset, nset=RP-Push
3, 
** Constraint: Grip
*Coupling, constraint name=Grip, ref node=RP-Grip, surface=Plate-1.Upper
*Kinematic
1, 1
2, 2
3, 3
** Constraint: Lid
*Rigid Body, ref node=RP-Lid, elset=Lid-1.Solid
** Constraint: Plate on block
*Tie, name="Plate on block", adjust=yes, position tolerance=0.05, type=SURFACE TO SURFACE
Plate-1.Underside, Block-1.Top
** Constraint: Push
*Coupling, constraint name=Push, ref node=RP-Push, surface=Block-1.End
*Distributing, weighting method=QUADRATIC
** Constraint: Rebar
*Embedded Element, host elset=Block-1.Body
Bar-1.Steel
** Constraint: Tip follows corner
*Equation
2
Plate-1.Tip, 3, 1.
Block-1.Corner, 3, -1.
*End Assembly
)");
}

}  // namespace

namespace {

// The schema of the constraints follows the constraint table: its kinds in
// table order, and for each kind the region members of its row.
TEST(ConstraintModelFile, SchemaFollowsTheConstraintTable) {
  mfl::Document schema = mfl::Document::Load(std::string(OIF_SOURCE_DIR) + "/docs/schema/constraints.schema.json");
  const mfl::Ref defs = mfl::Ref(schema, schema.Root(), "").Get("$defs");
  const mfl::Ref kinds = defs.Get("constraint").Get("properties").Get("kind").Get("enum");
  const auto table = kcoC_ConstraintTable();
  ASSERT_EQ(kinds.Size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const kcoC_ConstraintInfo& row = table[i];
    SCOPED_TRACE(row.className);
    EXPECT_EQ(kinds.At(i).AsString(), row.fileName);
    std::string defName = std::string(row.className).substr(5);  // "kcoC_RigidBody" -> "rigidBody"
    defName[0] = char(std::tolower(defName[0]));
    const mfl::Ref def = defs.Get(defName);
    EXPECT_EQ(def.Get("properties").Get("kind").Get("const").AsString(), row.fileName);
    std::vector<std::string> required;
    def.Get("required").ForEachElement([&](const mfl::Ref& name) { required.push_back(name.AsString()); });
    for (const kcoC_RegionSlot& slot : row.Regions()) {
      EXPECT_TRUE(def.Get("properties").Has(slot.fileName)) << slot.fileName;
      EXPECT_EQ(std::count(required.begin(), required.end(), slot.fileName), slot.required ? 1 : 0) << slot.fileName;
    }
  }
}

}  // namespace
