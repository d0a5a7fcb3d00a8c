// *Node and *Element: field widths, continuation lines, element type groups
// and connector wires naming nodes of instances.
#include <gtest/gtest.h>

#include "mesh_test_support.h"
#include "oif/impl/oif_Element.h"
#include "oif/impl/oif_Node.h"

namespace {

std::string Elements(const std::string& meshJson) {
  test::Loaded model(R"("parts": [{"name": "P", "mesh": )" + meshJson +
                     R"(}], "assembly": {"instances": [{"name": "I", "part": "P"}]})");
  return test::Print(oif_ElementFromMesh(model.Instance("I"), model.info));
}

TEST(NodeKeyword, LabelInSevenCoordinatesInTwelveWithSevenDigits) {
  test::Loaded model(R"("parts": [{"name": "P", "mesh": {"nodes": {"labels": [1, 12345678, 40],
      "coordinates": [1.5, -2.25, 1e-20,  0.3333333333, 0.1, 123456789,  -0.0, 1e6, 2.5e-5]}}}],
      "assembly": {"instances": [{"name": "I", "part": "P"}]})");
  EXPECT_EQ(test::Print(oif_Node(model.Instance("I"), model.info)), R"(*Node
      1,          1.5,        -2.25,        1e-20
12345678,    0.3333333,          0.1, 1.234568e+08
     40,          -0.,     1000000.,      2.5e-05
)");
}

TEST(NodeKeyword, InstanceWithoutNodesWritesNothing) {
  test::Loaded model(R"("parts": [{"name": "P"}], "assembly": {"instances": [{"name": "I", "part": "P"}]})");
  EXPECT_EQ(test::Print(oif_Node(model.Instance("I"), model.info)), "");
}

TEST(ElementKeyword, TwentyNodesContinueOnAnIndentedLine) {
  EXPECT_EQ(Elements(R"({"nodes": {"coordinates": [)" + test::Origins(20) + R"(]},
      "elements": [{"type": "C3D20R", "nodesPerElement": 20, "labels": [7, 999],
                    "connectivity": [)" + test::Range(1, 20) + ", " + test::Range(1, 20) + "]}]}"),
            R"(*Element, type=C3D20R
  7,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15,
     16, 17, 18, 19, 20
999,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15,
     16, 17, 18, 19, 20
)");
}

TEST(ElementKeyword, FifteenNodesFitOneLineSixteenContinue) {
  EXPECT_EQ(Elements(R"({"nodes": {"coordinates": [)" + test::Origins(16) + R"(]},
      "elements": [{"type": "U15", "nodesPerElement": 15, "connectivity": [)" + test::Range(1, 15) + R"(]},
                   {"type": "U16", "nodesPerElement": 16, "connectivity": [)" + test::Range(1, 16) + "]}]}"),
            R"(*Element, type=U15
1,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15
*Element, type=U16
2,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15,
   16
)");
}

TEST(ElementKeyword, ThirtyTwoNodesFillTwoFullLinesAndOneMore) {
  // 15 on the first line, 16 on the second, the last one alone.
  EXPECT_EQ(Elements(R"({"nodes": {"coordinates": [)" + test::Origins(32) + R"(]},
      "elements": [{"type": "U32", "nodesPerElement": 32, "labels": [12], "connectivity": [)" +
                     test::Range(1, 32) + "]}]}"),
            R"(*Element, type=U32
12,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15,
    16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31,
    32
)");
}

TEST(ElementKeyword, SevenDigitNodeLabelsTakeAFieldOfSeven) {
  EXPECT_EQ(Elements(R"({"nodes": {"labels": [1234567, 99999999, 5], "coordinates": [)" + test::Origins(3) + R"(]},
      "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1234567, 5]},
                   {"type": "T3D2", "nodesPerElement": 2, "connectivity": [99999999, 5]},
                   {"type": "B31", "nodesPerElement": 2, "connectivity": [5, 5]}]})"),
            R"(*Element, type=B31
3, 5, 5
*Element, type=T3D2
1,1234567,      5
2,99999999,      5
)");
}

TEST(ElementKeyword, SurfaceElementClassesAreSkipped) {
  const std::string nodes = R"({"nodes": {"coordinates": [)" + test::Origins(4) + "]}, ";
  EXPECT_EQ(Elements(nodes + R"("elements": [{"type": "ASURF4", "nodesPerElement": 4, "connectivity": [1, 2, 3, 4]},
      {"type": "S4R", "nodesPerElement": 4, "connectivity": [4, 3, 2, 1]},
      {"type": "SFM3D4", "nodesPerElement": 4, "connectivity": [1, 2, 3, 4]}]})"),
            "*Element, type=S4R\n2, 4, 3, 2, 1\n*Element, type=SFM3D4\n3, 1, 2, 3, 4\n");
  EXPECT_EQ(Elements(nodes + R"("elements": [{"type": "SURF4", "nodesPerElement": 4, "connectivity": [1, 2, 3, 4]}]})"),
            "");
}

TEST(AssemblyElement, WireNodesOfInstancesAreQualifiedByTheInstance) {
  test::Loaded model(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [)" + test::Origins(7) + R"(]}}}],
      "assembly": {"instances": [{"name": "A", "part": "P"}, {"name": "my B", "part": "P"}],
        "mesh": {"nodes": {"labels": [1], "coordinates": [0, 0, 0]},
                 "elements": [{"type": "CONN3D2", "nodesPerElement": 2, "labels": [10, 11, 12],
                               "connectivity": ["A.5", "my B.7", 1, "A.5", "my B.2", 1]}]},
        "sets": [{"name": "Wires", "kind": "element", "subsets": [{"elements": [12, 10]}]},
                 {"name": "Other", "kind": "element", "subsets": [{"elements": [11]}]}]},
      "connectors": {"sections": [{"name": "Hinge", "connection": "hinge"}],
                     "wires": [{"set": "Wires", "section": "Hinge"}, {"set": "Other", "section": "Hinge"}]})");
  EXPECT_EQ(test::Print(oif_AssemblyElement(rgnC_Region::OfAssemblySet(0), "Hinge", model.info)),
            R"(*Element, type=CONN3D2
12, "my B".2, 1
10, A.5, "my B".7
)");
}

}  // namespace
