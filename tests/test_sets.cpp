// *Nset, *Elset and *Surface: label lists, generate, unsorted sets, face
// identifiers of solids, shells and beams, node-based and assembly surfaces.
#include <gtest/gtest.h>

#include "mesh_test_support.h"
#include "oif/impl/oif_Region.h"
#include "oif/impl/oif_Sets.h"

namespace {

std::string List(std::vector<int> labels, bool keepOrder = false) {
  const oif_LabelList list(std::move(labels), keepOrder);
  return test::Written([&](utl_Stream& stream) {
    if (list.Generated()) stream << "generate: ";
    list.Write(stream);
  });
}

TEST(LabelList, ArithmeticSequencesOfThreeOrMoreAreGenerated) {
  EXPECT_EQ(List({1, 3, 5, 7}), "generate: 1, 7, 2\n");
  EXPECT_EQ(List({7, 1, 3, 5}), "generate: 1, 7, 2\n");
  EXPECT_EQ(List({5, 5, 6, 7, 7}), "generate: 5, 7, 1\n");  // duplicates dropped first
  EXPECT_EQ(List({4, 5}), "4,5\n");                          // two labels never
  EXPECT_EQ(List({1, 2, 4}), "1,2,4\n");
  EXPECT_EQ(List({7, 1, 3, 5}, true), "7,1,3,5\n");          // stored order: never generated
  EXPECT_EQ(List({3, 3, 1}, true), "3,3,1\n");
}

TEST(LabelList, SixteenALineAndALoneLabelEndsInCommaBlank) {
  EXPECT_EQ(List({9}), "9, \n");
  std::vector<int> squares;
  for (int i = 1; i <= 17; ++i) squares.push_back(i * i);
  EXPECT_EQ(List(squares), "1,4,9,16,25,36,49,64,81,100,121,144,169,196,225,256\n289, \n");
  squares.pop_back();
  EXPECT_EQ(List(squares), "1,4,9,16,25,36,49,64,81,100,121,144,169,196,225,256\n");
  squares.push_back(289);
  squares.push_back(324);
  EXPECT_EQ(List(squares), "1,4,9,16,25,36,49,64,81,100,121,144,169,196,225,256\n289,324\n");
}

TEST(FaceIdentifier, BySolidShellBeamAndPlanarShape) {
  EXPECT_EQ(oif_FaceIdentifier(0, {3, 3}), "S1");
  EXPECT_EQ(oif_FaceIdentifier(5, {3, 3}), "S6");
  EXPECT_EQ(oif_FaceIdentifier(2, {2, 2}), "S3");
  EXPECT_EQ(oif_FaceIdentifier(0, {2, 3}), "SPOS");
  EXPECT_EQ(oif_FaceIdentifier(1, {2, 3}), "SNEG");
  EXPECT_EQ(oif_FaceIdentifier(6, {2, 3}), "");
  EXPECT_EQ(oif_FaceIdentifier(3, {2, 3}), "4");
  EXPECT_EQ(oif_FaceIdentifier(1, {1, 3}), "END2");
  EXPECT_EQ(oif_FaceIdentifier(0, {1, 2}), "END1");
  EXPECT_EQ(oif_FaceIdentifier(0, {0, 3}), "1");
}

/// Part P: 8 nodes; a brick (1), two shells (2, 3) and two beams (4, 5).
/// Instances A and B; the assembly has a reference point (node 1).
const char* const kModel = R"(
  "parts": [{"name": "P", "mesh": {
    "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0, 0,0,1, 1,0,1, 1,1,1, 0,1,1]},
    "elements": [{"type": "C3D8R", "nodesPerElement": 8, "connectivity": [1, 2, 3, 4, 5, 6, 7, 8]},
                 {"type": "S4R", "nodesPerElement": 4, "connectivity": [1, 2, 3, 4, 5, 6, 7, 8]},
                 {"type": "B31", "nodesPerElement": 2, "connectivity": [1, 5, 2, 6]}],
    "sets": [{"name": "Odd", "kind": "node", "nodes": [7, 1, 3, 5]},
             {"name": "Path", "kind": "node", "nodes": [7, 1, 3, 5], "unsorted": true},
             {"name": "my set", "kind": "node", "nodes": [2], "internal": true},
             {"name": "Shells", "kind": "element", "elements": [3, 2, 3]},
             {"name": "Top", "kind": "surface", "elements": [1, 1], "faces": [3, 1]},
             {"name": "Skin", "kind": "surface", "elements": [2, 3, 2], "faces": [1, 1, 2]},
             {"name": "Tips", "kind": "surface", "elements": [4, 5, 4], "faces": [1, 1, 2]}]}}],
  "assembly": {"instances": [{"name": "A", "part": "P"}, {"name": "B", "part": "P"}],
    "mesh": {"nodes": {"labels": [1], "coordinates": [0, 0, 5]}},
    "sets": [{"name": "Ends", "kind": "node", "subsets": [{"instance": "B", "nodes": [8]}, {"nodes": [1]}]},
             {"name": "Contact", "kind": "surface",
              "subsets": [{"instance": "A", "elements": [1], "faces": [6]}, {"instance": "B", "elements": [2], "faces": [2]},
                          {"instance": "A", "elements": [2], "faces": [1]}]},
             {"name": "Odd", "kind": "element", "subsets": [{"instance": "B", "elements": [1, 3, 5]}]}]})";

struct Sets : ::testing::Test {
  test::Loaded model{kModel};
  const ddb_Set& PartSet(int i) { return model.Instance("A").set(i); }
  const ddb_Set& AssemblySet(int i) { return model.Assembly().set(i); }
};

TEST_F(Sets, NodeSetsGeneratedUnsortedInternalAndQualified) {
  EXPECT_EQ(test::Print(oif_Nset(PartSet(0), model.Instance("A"))), "*Nset, nset=Odd, generate\n1, 7, 2\n");
  EXPECT_EQ(test::Print(oif_Nset(PartSet(1), model.Instance("A"))), "*Nset, nset=Path, unsorted\n7,1,3,5\n");
  EXPECT_EQ(test::Print(oif_Nset(PartSet(2), model.Instance("A"), "A")),
            "*Nset, nset=\"my set\", instance=A, internal\n2, \n");
}

TEST_F(Sets, AssemblySetsGiveOnlyTheLabelsOnTheirMesh) {
  EXPECT_EQ(test::Print(oif_Nset(AssemblySet(0), model.Instance("B"), "B")), "*Nset, nset=Ends, instance=B\n8, \n");
  EXPECT_EQ(test::Print(oif_Nset(AssemblySet(0), model.Instance("A"), "A")), "");
  EXPECT_EQ(test::Print(oif_Nset(AssemblySet(0), model.Assembly())), "*Nset, nset=Ends\n1, \n");
  EXPECT_EQ(test::Print(oif_Elset(AssemblySet(2), model.Instance("B"), "B")),
            "*Elset, elset=Odd, instance=B, generate\n1, 5, 2\n");
  EXPECT_EQ(test::Print(oif_Elset(AssemblySet(2), model.Instance("A"), "A")), "");
}

TEST_F(Sets, ElementSetsAreSortedWithoutDuplicates) {
  EXPECT_EQ(test::Print(oif_Elset(PartSet(3), model.Instance("A"))), "*Elset, elset=Shells\n2,3\n");
  EXPECT_EQ(test::Print(oif_Elset({12, 10, 14, 10}, "Web", "A", true)),
            "*Elset, elset=Web, instance=A, internal, generate\n10, 14, 2\n");
  EXPECT_EQ(test::Print(oif_Elset({}, "Empty", "", false)), "");
}

TEST_F(Sets, MemberFormsListNamesAsGiven) {
  EXPECT_EQ(test::Print(oif_Nset("_T-Cyl", {"A.Odd", "\"my inst\".Fix"})),
            "*Nset, nset=_T-Cyl\nA.Odd, \n\"my inst\".Fix, \n");
  EXPECT_EQ(test::Print(oif_Elset("All", {"A.Shells", "B.Shells"})),
            "*Elset, elset=All, internal\nA.Shells, \nB.Shells, \n");
  EXPECT_EQ(test::Print(oif_Nset("None", {})), "");
}

TEST_F(Sets, SolidSurfaceGetsOneInternalElementSetPerFace) {
  EXPECT_EQ(test::Print(oif_Surface(PartSet(4), model.Instance("A"))), R"(*Elset, elset=_Top_S1, internal
1, 
*Elset, elset=_Top_S3, internal
1, 
*Surface, type=ELEMENT, name=Top
_Top_S1, S1
_Top_S3, S3
)");
}

TEST_F(Sets, ShellSurfaceOnBothSidesAndBeamEnds) {
  EXPECT_EQ(test::Print(oif_Surface(PartSet(5), model.Instance("A"), "A")), R"(*Elset, elset=_Skin_SNEG, instance=A, internal
2, 
*Elset, elset=_Skin_SPOS, instance=A, internal
2,3
*Surface, type=ELEMENT, name=Skin
_Skin_SNEG, SNEG
_Skin_SPOS, SPOS
)");
  EXPECT_EQ(test::Print(oif_Surface(PartSet(6), model.Instance("A"))), R"(*Elset, elset=_Tips_END1, internal
4,5
*Elset, elset=_Tips_END2, internal
4, 
*Surface, type=ELEMENT, name=Tips
_Tips_END1, END1
_Tips_END2, END2
)");
}

TEST_F(Sets, AssemblySurfaceGathersTheInstancesUnderOneSurfaceLine) {
  EXPECT_EQ(test::Print(oif_Surface(AssemblySet(1), model.Assembly())), R"(*Elset, elset=_Contact_S6, instance=A, internal
1, 
*Elset, elset=_Contact_SPOS, instance=A, internal
2, 
*Elset, elset=_Contact_SNEG, instance=B, internal
2, 
*Surface, type=ELEMENT, name=Contact
_Contact_S6, S6
_Contact_SPOS, SPOS
_Contact_SNEG, SNEG
)");
}

TEST_F(Sets, NodeBasedSurfacePrintsItsNamesAsGiven) {
  EXPECT_EQ(test::Print(oif_Surface("A_Odd_CNS_", "A.Odd")), "*Surface, type=NODE, name=A_Odd_CNS_\nA.Odd, 1.\n");
  EXPECT_EQ(test::Print(oif_Surface("\"my inst_Fix_CNS_\"", "\"my inst\".Fix")),
            "*Surface, type=NODE, name=\"my inst_Fix_CNS_\"\n\"my inst\".Fix, 1.\n");
}

TEST_F(Sets, GeneratedFaceSetOfASurface) {
  test::Loaded strip(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [)" + test::Origins(4) + R"(]},
      "elements": [{"type": "CPS3", "nodesPerElement": 3, "labels": [10, 20, 30, 40],
                    "connectivity": [1, 2, 3, 2, 3, 4, 1, 3, 4, 1, 2, 4]}],
      "sets": [{"name": "Edge", "kind": "surface", "elements": [30, 10, 20], "faces": [2, 2, 2]}]}}],
      "assembly": {"instances": [{"name": "I", "part": "P"}]})");
  EXPECT_EQ(test::Print(oif_Surface(strip.Instance("I").set(0), strip.Instance("I"))),
            "*Elset, elset=_Edge_S2, internal, generate\n10, 30, 10\n*Surface, type=ELEMENT, name=Edge\n_Edge_S2, S2\n");
}

TEST_F(Sets, RegionFindsTheNamedSetAssemblyFirst) {
  // "Odd" names a node set of every instance and an element set of the assembly.
  const oif_Region odd(model.Ddb(), rgnC_Region::OfMeshSet(2, 0));
  EXPECT_TRUE(odd.Found());
  EXPECT_EQ(odd.InstanceName(), "");
  EXPECT_EQ(odd.QualifiedName(), "Odd");
  const oif_Region path(model.Ddb(), rgnC_Region::OfMeshSet(2, 1));
  EXPECT_EQ(path.InstanceName(), "A");  // the first instance that has a set of that name
  EXPECT_EQ(path.QualifiedName(), "A.Path");
  const oif_Region none(model.Ddb(), rgnC_Region::OfMeshSet(9, 0));
  EXPECT_FALSE(none.Found());
  EXPECT_EQ(none.QualifiedName(), "");
}

}  // namespace
