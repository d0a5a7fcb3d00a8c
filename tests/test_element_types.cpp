// Element types whose node count is known: nodesPerElement must agree.
#include <gtest/gtest.h>

#include "modelfile/mfl_ElementTypes.h"
#include "test_support.h"

namespace {

std::string Mesh(const std::string& type, int per, const std::string& connectivity) {
  return R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0, 0,0,1, 1,0,1, 1,1,1, 0,1,1]},
    "elements": [{"type": ")" + type + R"(", "nodesPerElement": )" + std::to_string(per) +
         R"(, "connectivity": [)" + connectivity + "]}]}}]";
}

TEST(ElementTypes, KnownNodeCounts) {
  EXPECT_EQ(mfl::KnownNodeCount("C3D8R"), 8);
  EXPECT_EQ(mfl::KnownNodeCount("C3D10"), 10);
  EXPECT_EQ(mfl::KnownNodeCount("S4R"), 4);
  EXPECT_EQ(mfl::KnownNodeCount("B31"), 2);  // a first-order beam, not 31 nodes
  EXPECT_EQ(mfl::KnownNodeCount("B32"), 3);
  EXPECT_EQ(mfl::KnownNodeCount("MASS"), 1);
  EXPECT_EQ(mfl::KnownNodeCount("U1"), 0);      // a user element: any count
  EXPECT_EQ(mfl::KnownNodeCount("c3d8r"), 0);   // types are exact
}

TEST(ElementTypes, NodesPerElementMustMatchAKnownType) {
  test::ExpectRefusals({
      {Mesh("C3D8R", 4, "1, 2, 3, 4"), "model.conflict", "/parts/0/mesh/elements/0/nodesPerElement",
       "an element of type C3D8R has 8 nodes, not 4"},
      {Mesh("B31", 3, "1, 2, 3"), "model.conflict", "/parts/0/mesh/elements/0/nodesPerElement",
       "an element of type B31 has 2 nodes, not 3"},
      {Mesh("MASS", 2, "1, 2"), "model.conflict", "/parts/0/mesh/elements/0/nodesPerElement",
       "an element of type MASS has 1 node, not 2"},
  });
  EXPECT_EQ(test::Refuse(Mesh("C3D8R", 8, "1, 2, 3, 4, 5, 6, 7, 8")).id, "");
  EXPECT_EQ(test::Refuse(Mesh("U7", 5, "1, 2, 3, 4, 5")).id, "");
}

}  // namespace
