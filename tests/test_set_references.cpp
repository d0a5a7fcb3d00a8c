// Set references of the model file: instance and assembly sets, kinds, refusals.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

std::string Model(const char* region) {
  return std::string(R"(
    "parts": [{"name": "P", "mesh": {
      "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0, 0,0,1, 1,0,1, 1,1,1, 0,1,1]},
      "elements": [{"type": "C3D8R", "nodesPerElement": 8, "connectivity": [1, 2, 3, 4, 5, 6, 7, 8]}],
      "sets": [{"name": "Core", "kind": "element", "elements": [1]}, {"name": "Corner", "kind": "node", "nodes": [1]}]}}],
    "assembly": {"instances": [{"name": "P-1", "part": "P"}, {"name": "Other", "model": "M"}],
                 "sets": [{"name": "Everything", "kind": "element", "subsets": [{"instance": "P-1", "elements": [1]}]}]},
    "steps": [{"name": "Go", "kind": "explicit dynamics", "massScaling": [
      {"objective": "semi-automatic", "targetTimeIncrement": 1e-6, "region": )") +
         region + "}]}]";
}

TEST(SetReferences, InstanceAndAssemblySetsNameTheirRegion) {
  std::string deck = test::Deck(test::Model(Model(R"({"set": "Core", "instance": "P-1"})")));
  EXPECT_NE(deck.find("*Fixed Mass Scaling, elset=P-1.Core, dt=1e-06"), std::string::npos) << deck;
  deck = test::Deck(test::Model(Model(R"({"set": "Everything"})")));
  EXPECT_NE(deck.find("*Fixed Mass Scaling, elset=Everything, dt=1e-06"), std::string::npos) << deck;
}

TEST(SetReferences, RefusesMissingSetsInstancesAndWrongKinds) {
  const char* const pointer = "/steps/0/massScaling/0/region";
  auto missing = test::Refuse(Model(R"({"set": "Shell", "instance": "P-1"})"));
  EXPECT_EQ(missing.id, "model.unknown-reference");
  EXPECT_EQ(missing.pointer, std::string(pointer) + "/set");
  EXPECT_EQ(test::Refuse(Model(R"({"set": "Core"})")).id, "model.unknown-reference");  // not an assembly set
  EXPECT_EQ(test::Refuse(Model(R"({"set": "Core", "instance": "Other"})")).pointer, std::string(pointer) + "/instance");
  auto kind = test::Refuse(Model(R"({"set": "Corner", "instance": "P-1"})"));
  EXPECT_EQ(kind.id, "model.type");
  EXPECT_NE(kind.describe.find("node set"), std::string::npos);
  EXPECT_EQ(test::Refuse(Model(R"({"set": "Core", "instance": "P-1", "part": "P"})")).id, "model.unknown-member");
}

}  // namespace

namespace {

TEST(SetReferences, RiksStepEndsAtANodeSet) {
  const char* const model = R"(
    "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
               "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 2]}],
               "sets": [{"name": "Tip", "kind": "node", "nodes": [2]}]}}],
    "assembly": {"instances": [{"name": "P-1", "part": "P"}]},
    "steps": [{"name": "Buckle", "kind": "static riks", "maxLoadFactor": 2,
               "endNode": {"region": {"set": "Tip", "instance": "P-1"}, "dof": 2, "displacement": -0.5}}])";
  const std::string deck = test::Deck(test::Model(model));
  EXPECT_NE(deck.find("*Static, riks\n0.01, 1., 1e-05, , 2., P-1.Tip, 2, -0.5\n"), std::string::npos) << deck;
  const std::string badDof = std::string(model).replace(std::string(model).find("\"dof\": 2"), 8, "\"dof\": 9");
  EXPECT_EQ(test::Refuse(badDof).pointer, "/steps/0/endNode/dof");
}

}  // namespace

namespace {

TEST(SetReferences, StaticStepEndsWhenASetIsFullyPlastic) {
  const char* const model = R"(
    "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
               "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 2]}],
               "sets": [{"name": "Hinge zone", "kind": "element", "elements": [1]}]}}],
    "assembly": {"instances": [{"name": "P-1", "part": "P"}]},
    "steps": [{"name": "Collapse", "kind": "static", "fullyPlastic": {"set": "Hinge zone", "instance": "P-1"}}])";
  const std::string deck = test::Deck(test::Model(model));
  EXPECT_NE(deck.find("*Static, fully plastic=P-1.\"Hinge zone\"\n"), std::string::npos) << deck;
}

}  // namespace
