// Loading meshes, sets and surfaces: refusals with their place and reason,
// defaults, and what the model database holds afterwards.
#include <gtest/gtest.h>

#include <tuple>

#include "mesh_test_support.h"
#include "modelfile/mfl_Mesh.h"

namespace {

std::string PartWith(const std::string& sets) {
  return R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0]},
      "elements": [{"type": "CPS3", "nodesPerElement": 3, "labels": [4], "connectivity": [1, 2, 3]},
                   {"type": "T2D2", "nodesPerElement": 2, "labels": [8], "connectivity": [1, 2]}],
      "sets": [)" + sets + "]}}]";
}

// Labels numbered on one by one need no table; the first label out of the run
// turns the index into a table (dense labels) or a hash map (sparse ones),
// which must still know every label of the run and refuse its duplicates.
TEST(MeshModelFile, LabelIndexKeepsEveryLabelWhateverItsForm) {
  mfl::LabelIndex run;
  run.Reserve(1004, 5);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(run.Insert(1000 + i, i));
  EXPECT_EQ(run.Find(1000), 0);
  EXPECT_EQ(run.Find(1004), 4);
  EXPECT_EQ(run.Find(999), -1);
  EXPECT_EQ(run.Find(1005), -1);
  EXPECT_EQ(run.Find(-2147483647 - 1), -1);
  std::vector<int> connectivity = {1004, 1000, 1002};
  ASSERT_TRUE(run.IndexAll(connectivity));
  EXPECT_EQ(connectivity, (std::vector<int>{4, 0, 2}));
  for (const int unknown : {999, 1005, -2147483647 - 1, 2147483647}) {
    std::vector<int> labels = {1001, unknown, 1003};
    const std::vector<int> given = labels;
    EXPECT_FALSE(run.IndexAll(labels)) << unknown;
    EXPECT_EQ(labels, given) << "left as they were for the lookup label by label";
  }

  for (const int outOfRun : {7, 50'000'000}) {  // a dense table, then a hash map
    mfl::LabelIndex index;
    index.Reserve(std::max(outOfRun, 12), 6);
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(index.Insert(9 + i, i));
    ASSERT_TRUE(index.Insert(outOfRun, 4)) << outOfRun;
    EXPECT_FALSE(index.Insert(10, 5)) << "a label of the run given again";
    EXPECT_FALSE(index.Insert(outOfRun, 5));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(index.Find(9 + i), i) << outOfRun;
    EXPECT_EQ(index.Find(outOfRun), 4);
    EXPECT_EQ(index.Find(13), -1);
    std::vector<int> labels = {9, 10};
    EXPECT_FALSE(index.IndexAll(labels)) << "only a run indexes all at once";
  }

  mfl::LabelIndex again;  // a label of the run given again breaks the run at once
  again.Reserve(3, 3);
  ASSERT_TRUE(again.Insert(1, 0));
  ASSERT_TRUE(again.Insert(2, 1));
  EXPECT_FALSE(again.Insert(1, 2));
  EXPECT_EQ(again.Find(2), 1);
}

TEST(MeshModelFile, ConnectivityNamingAMissingNodeIsRefusedAtItsPlace) {
  // Nodes labelled 1, 2, 3 by default: a run, indexed at once unless a label
  // falls outside it.
  for (const auto& [connectivity, place, label] :
       std::vector<std::tuple<std::string, std::string, std::string>>{{"[1, 2, 4]", "2", "4"}, {"[0, 2, 3]", "0", "0"},
                                                                      {"[1, -3, 3]", "1", "-3"}}) {
    auto refused = test::Refuse(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0]},
        "elements": [{"type": "CPS3", "nodesPerElement": 3, "labels": [7], "connectivity": )" +
                                connectivity + "}]}}]");
    EXPECT_EQ(refused.id, "model.unknown-reference");
    EXPECT_EQ(refused.pointer, "/parts/0/mesh/elements/0/connectivity/" + place);
    EXPECT_NE(refused.describe.find("element 7 names node " + label + ", which the mesh does not have"),
              std::string::npos)
        << refused.describe;
  }
}

TEST(MeshModelFile, SetNamingAMissingNodeOrElementIsRefused) {
  auto node = test::Refuse(PartWith(R"({"name": "Fix", "kind": "node", "nodes": [1, 9]})"));
  EXPECT_EQ(node.id, "model.unknown-reference");
  EXPECT_EQ(node.pointer, "/parts/0/mesh/sets/0/nodes/1");
  EXPECT_NE(node.describe.find("node set \"Fix\" names node 9, which the mesh does not have"), std::string::npos)
      << node.describe;
  auto element = test::Refuse(PartWith(R"({"name": "E", "kind": "element", "elements": [8, 4, 5]})"));
  EXPECT_EQ(element.pointer, "/parts/0/mesh/sets/0/elements/2");
  EXPECT_NE(element.describe.find("element set \"E\" names element 5"), std::string::npos) << element.describe;
  auto surface = test::Refuse(PartWith(R"({"name": "S", "kind": "surface", "elements": [3], "faces": [1]})"));
  EXPECT_EQ(surface.pointer, "/parts/0/mesh/sets/0/elements/0");
  EXPECT_NE(surface.describe.find("surface \"S\" names element 3"), std::string::npos);
}

TEST(MeshModelFile, RefusesBadSetDefinitions) {
  EXPECT_EQ(test::Refuse(PartWith(R"({"name": "S", "kind": "surface", "elements": [4, 8], "faces": [1]})")).id,
            "model.size");
  auto face = test::Refuse(PartWith(R"({"name": "S", "kind": "surface", "elements": [4, 8], "faces": [1, 7]})"));
  EXPECT_EQ(face.id, "model.range");
  EXPECT_EQ(face.pointer, "/parts/0/mesh/sets/0/faces/1");
  auto kind = test::Refuse(PartWith(R"({"name": "S", "kind": "nodes", "nodes": [1]})"));
  EXPECT_EQ(kind.id, "model.enum");
  EXPECT_NE(kind.describe.find("expected node, element or surface"), std::string::npos);
  EXPECT_EQ(test::Refuse(PartWith(R"({"name": "E", "kind": "element", "elements": [4], "unsorted": true})")).id,
            "model.unknown-member");
  EXPECT_EQ(test::Refuse(PartWith(R"({"name": "N", "kind": "node", "elements": [4]})")).id, "model.unknown-member");
  EXPECT_EQ(test::Refuse(PartWith(R"({"name": "N", "kind": "node"})")).id, "model.missing-member");
  auto twice = test::Refuse(PartWith(R"({"name": "A", "kind": "node", "nodes": [1]}, {"name": "A", "kind": "element",
      "elements": [4]}, {"name": "A", "kind": "node", "nodes": [2]})"));
  EXPECT_EQ(twice.id, "model.duplicate-name");
  EXPECT_EQ(twice.pointer, "/parts/0/mesh/sets/2/name");
}

const char* const kInstances = R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
      "elements": [{"type": "T3D2", "nodesPerElement": 2, "labels": [3], "connectivity": [1, 2]}]}}],
    "assembly": {"instances": [{"name": "A", "part": "P"}, {"name": "Sub", "model": "Other"}], )";

TEST(MeshModelFile, AssemblySubsetsNameInstancesAndTheirLabels) {
  auto missing = test::Refuse(std::string(kInstances) +
                              R"("sets": [{"name": "N", "kind": "node", "subsets": [{"instance": "A", "nodes": [2, 3]}]}]})");
  EXPECT_EQ(missing.pointer, "/assembly/sets/0/subsets/0/nodes/1");
  EXPECT_NE(missing.describe.find("names node 3, which instance \"A\" does not have"), std::string::npos)
      << missing.describe;
  EXPECT_EQ(test::Refuse(std::string(kInstances) +
                         R"("sets": [{"name": "N", "kind": "node", "subsets": [{"instance": "B", "nodes": [1]}]}]})")
                .pointer,
            "/assembly/sets/0/subsets/0/instance");
  EXPECT_EQ(test::Refuse(std::string(kInstances) +
                         R"("sets": [{"name": "N", "kind": "node", "subsets": [{"instance": "Sub", "nodes": [1]}]}]})")
                .id,
            "model.unknown-reference");
  auto noMesh = test::Refuse(std::string(kInstances) + R"("sets": [{"name": "N", "kind": "node", "subsets": [{"nodes": [1]}]}]})");
  EXPECT_EQ(noMesh.pointer, "/assembly/sets/0/subsets/0");
  EXPECT_NE(noMesh.describe.find("the assembly has none"), std::string::npos);
  EXPECT_EQ(test::Refuse(std::string(kInstances) + R"("mesh": {"nodes": {"coordinates": [0, 0, 0]},
      "sets": []}})").id, "model.unknown-member");
}

TEST(MeshModelFile, WireConnectivityNamesInstanceNodes) {
  const std::string wires = std::string(kInstances) + R"("mesh": {"nodes": {"labels": [7], "coordinates": [0, 0, 0]},
      "elements": [{"type": "CONN3D2", "nodesPerElement": 2, "connectivity": [)";
  auto unknownInstance = test::Refuse(wires + R"(7, "B.1"]}]}})");
  EXPECT_EQ(unknownInstance.pointer, "/assembly/mesh/elements/0/connectivity/1");
  EXPECT_NE(unknownInstance.describe.find("no part instance named \"B\""), std::string::npos);
  auto unknownNode = test::Refuse(wires + R"(7, "A.5"]}]}})");
  EXPECT_NE(unknownNode.describe.find("element 1 names node A.5, which instance \"A\" does not have"), std::string::npos)
      << unknownNode.describe;
  EXPECT_EQ(test::Refuse(wires + R"(7, "A-1"]}]}})").id, "model.type");
  EXPECT_EQ(test::Refuse(wires + R"(8, "A.1"]}]}})").pointer, "/assembly/mesh/elements/0/connectivity/0");

  test::Loaded model(wires + R"("A.2", 7, "A.2", "A.1"]}]},
      "sets": [{"name": "W", "kind": "element", "subsets": [{"elements": [1, 2]}]}]},
      "connectors": {"sections": [{"name": "H", "connection": "hinge"}], "wires": [{"set": "W", "section": "H"}]})");
  const ddb_Mesh& mesh = model.Assembly().mesh();
  EXPECT_EQ(mesh.index(), 0);
  EXPECT_EQ(mesh.elementData().elementClass(0).elementConnectivity(), (std::vector<int>{1, 0, 1, 2}));
  const ddb_ScopedNodeData nodes = mesh.scopedNodeData();
  EXPECT_TRUE(nodes.isNativeNode(0));
  EXPECT_FALSE(nodes.isNativeNode(1));
  EXPECT_EQ(nodes.partInstanceName(2), "A");
  EXPECT_EQ(nodes.userLabel(2), 1);
  EXPECT_EQ(nodes.userLabel(0), 7);
}

TEST(MeshModelFile, ElementLabelsAreUniqueAcrossClassesAndDefaultsContinue) {
  auto twice = test::Refuse(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0]},
      "elements": [{"type": "MASS", "nodesPerElement": 1, "labels": [5], "connectivity": [1]},
                   {"type": "MASS", "nodesPerElement": 1, "labels": [6, 5], "connectivity": [1, 1]}]}}])");
  EXPECT_EQ(twice.id, "model.duplicate-label");
  EXPECT_EQ(twice.pointer, "/parts/0/mesh/elements/1/labels/1");
  test::Loaded model(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0]},
      "elements": [{"type": "MASS", "nodesPerElement": 1, "labels": [10], "connectivity": [1]},
                   {"type": "ROTARYI", "nodesPerElement": 1, "connectivity": [1, 1]}]}}],
      "assembly": {"instances": [{"name": "I", "part": "P"}]})");
  EXPECT_EQ(model.Instance("I").elementData().elementClass(1).userElementLabelsAsFlatArray(),
            (std::vector<int>{11, 12}));
}

TEST(MeshModelFile, DefaultLabelsNeverPassTheLargestLabel) {
  const auto withLabels = [](const std::string& labels, const std::string& unlabelled) {
    return R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0]},
      "elements": [{"type": "MASS", "nodesPerElement": 1, "labels": [)" +
           labels + R"(], "connectivity": [1]},
                   {"type": "MASS", "nodesPerElement": 1, "connectivity": [)" + unlabelled + "]}]}}]";
  };
  test::ExpectRefusals(
      {{withLabels("2147483647", "1"), "model.range", "/parts/0/mesh/elements/1",
        "the element without a label would be numbered 2147483648, past the largest label 2147483647; give the "
        "labels"},
       {withLabels("2147483646", "1, 1"), "model.range", "/parts/0/mesh/elements/1",
        "the 2 elements without labels would be numbered 2147483647 to 2147483648, past the largest label "
        "2147483647; give the labels"}});
  // Up to the largest label itself is fine.
  test::Loaded model(withLabels("2147483645", "1, 1") + R"(, "assembly": {"instances": [{"name": "I", "part": "P"}]})");
  EXPECT_EQ(model.Instance("I").elementData().elementClass(1).userElementLabelsAsFlatArray(),
            (std::vector<int>{2147483646, 2147483647}));
}

TEST(MeshModelFile, ElementShapeFromTheTypeOrGiven) {
  auto shape = [](const char* type) {
    const ddb_ElementShape s = mfl::ElementShapeOf(type);
    return std::to_string(s.ownDimension) + "/" + std::to_string(s.spaceDimension);
  };
  EXPECT_EQ(shape("C3D8R"), "3/3");
  EXPECT_EQ(shape("C3D10"), "3/3");
  EXPECT_EQ(shape("SC8R"), "3/3");
  EXPECT_EQ(shape("S4R"), "2/3");
  EXPECT_EQ(shape("STRI65"), "2/3");
  EXPECT_EQ(shape("M3D4"), "2/3");
  EXPECT_EQ(shape("CPS4R"), "2/2");
  EXPECT_EQ(shape("CAX4"), "2/2");
  EXPECT_EQ(shape("B31"), "1/3");
  EXPECT_EQ(shape("B21"), "1/2");
  EXPECT_EQ(shape("T3D2"), "1/3");
  EXPECT_EQ(shape("SPRINGA"), "0/3");
  EXPECT_EQ(shape("USER8"), "3/3");
  test::Loaded model(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0]},
      "elements": [{"type": "U1", "nodesPerElement": 1, "connectivity": [1], "dimension": 2, "spaceDimension": 2}]}}],
      "assembly": {"instances": [{"name": "I", "part": "P"}]})");
  EXPECT_EQ(model.Instance("I").elementData().elementClass(0).shape().ownDimension, 2);
  EXPECT_EQ(test::Refuse(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0]},
      "elements": [{"type": "U1", "nodesPerElement": 1, "connectivity": [1], "spaceDimension": 1}]}}])").id,
            "model.range");
}

TEST(MeshModelFile, PartSetsLieOnEveryInstanceOfThePart) {
  test::Loaded model(PartWith(R"({"name": "S", "kind": "surface", "elements": [8, 4, 8], "faces": [1, 2, 2],
      "internal": true}, {"name": "N", "kind": "node", "nodes": [3, 1], "unsorted": true})") +
                     R"(, "assembly": {"instances": [{"name": "A", "part": "P"}, {"name": "B", "part": "P"}]})");
  const rgnC_SetData& onB = model.Instance("B").set(0).set();
  EXPECT_TRUE(onB.internal());
  ASSERT_EQ(onB.NumSubSets(), 2);  // one per element class, in the order first named
  EXPECT_EQ(onB.SubSet(0).meshIndex(), 2);
  EXPECT_EQ(onB.SubSet(0).elementClass(), 1);
  EXPECT_EQ(onB.SubSet(0).indices(), (std::vector<int>{0, 0}));
  EXPECT_EQ(onB.SubSet(0).faces(), (std::vector<int>{0, 1}));
  EXPECT_EQ(onB.SubSet(1).elementClass(), 0);
  EXPECT_EQ(model.Instance("A").set(0).set().SubSet(0).meshIndex(), 1);
  const rgnC_SetData& nodes = model.Instance("A").set(1).set();
  EXPECT_TRUE(nodes.unsorted());
  EXPECT_EQ(nodes.SubSet(0).indices(), (std::vector<int>{2, 0}));
  EXPECT_EQ(nodes.SubSet(0).elementClass(), -1);
}

TEST(MeshModelFile, PartsAreKeptInTheOrderInstancesFirstUseThem) {
  test::Loaded model(R"("parts": [{"name": "A"}, {"name": "B"}, {"name": "C"}],
      "assembly": {"instances": [{"name": "c", "part": "C"}, {"name": "a", "part": "A"}, {"name": "c2", "part": "C"}]})");
  EXPECT_EQ(model.Ddb().part().Keys(), (std::vector<std::string>{"C", "A", "B"}));
}

}  // namespace
