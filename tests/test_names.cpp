// Printable names and the set names keywords cite.
#include <gtest/gtest.h>

#include "oif/impl/oif_SetName.h"
#include "test_support.h"
#include "zkw/zkw_VelornName.h"

namespace {

TEST(Names, QuotingRule) {
  EXPECT_EQ(zkw_VelornName("Part-1").Printable(), "Part-1");
  EXPECT_EQ(zkw_VelornName("_PickedSet2").Printable(), "_PickedSet2");
  EXPECT_EQ(zkw_VelornName("").Printable(), "");
  EXPECT_EQ(zkw_VelornName("my set").Printable(), "\"my set\"");
  EXPECT_EQ(zkw_VelornName("1st").Printable(), "\"1st\"");
  EXPECT_EQ(zkw_VelornName("a.b").Printable(), "\"a.b\"");
  EXPECT_EQ(zkw_VelornName("x,y").Printable(), "\"x,y\"");
  EXPECT_EQ(zkw_VelornName("a=b").Printable(), "\"a=b\"");
  EXPECT_EQ(zkw_VelornName("Stahl\xC3\xA4").Printable(), "\"Stahl\xC3\xA4\"");
}

TEST(Names, QuotedPiecesAndSplitting) {
  EXPECT_TRUE(IsQuoted("\"a b\""));
  EXPECT_FALSE(IsQuoted("\"\""));  // two quote characters only
  EXPECT_FALSE(IsQuoted("\"ab"));
  EXPECT_EQ(Unquote("\"a b\""), "a b");
  EXPECT_EQ(Unquote("ab"), "ab");
  EXPECT_EQ(SplitQualified("I.J.S"), std::make_pair(std::string("I.J."), std::string("S")));
  EXPECT_EQ(SplitQualified("S"), std::make_pair(std::string(), std::string("S")));
  EXPECT_EQ(SplitQualified(""), std::make_pair(std::string(), std::string()));
  EXPECT_EQ(PrintableQualified("Plate-1.Top"), "Plate-1.Top");
  EXPECT_EQ(PrintableQualified("my part-1.top face"), "\"my part-1\".\"top face\"");
  EXPECT_EQ(PrintableQualified("\"already quoted\".top face"), "\"already quoted\".\"top face\"");
  EXPECT_EQ(PrintableQualified("\"q\""), "\"q\"");
}

/// A model with one part (sets: a node set and an element set), two
/// instances of it and two assembly sets.
odb_Odb SetModel() {
  auto contents = std::make_shared<ddb_ModelContents>();
  auto mesh = std::make_shared<ddb_MeshContents>();
  mesh->sets.push_back(std::make_shared<ddb_Set>("Fixed", ddb_Set::NodeSet));
  mesh->sets.push_back(std::make_shared<ddb_Set>("Web", ddb_Set::ElementSet));
  auto part = std::make_shared<ddb_Part>();
  part->partName = "Beam";
  part->contents = mesh;
  contents->parts.Add("Beam", part);
  for (int i = 1; i <= 2; ++i) {
    const std::string name = i == 1 ? "Beam-1" : "Beam 2";
    ddb_Mesh instanceMesh(i, mesh);
    contents->meshes.emplace(i, instanceMesh);
    contents->assembly.instances.Add(name, std::make_shared<ddb_PartInstance>(name, "", "Beam", instanceMesh));
  }
  contents->assembly.sets.push_back(std::make_shared<ddb_Set>("Ends", ddb_Set::NodeSet));
  contents->assembly.sets.push_back(std::make_shared<ddb_Set>("All", ddb_Set::ElementSet));
  ddb_Ddb ddb;
  ddb.addModel(ddb_Model(contents));
  return odb_Odb(ddb);
}

struct SetNames : ::testing::Test {
  odb_Odb odb = SetModel();
  oif_ModelInfo info{odb.ddb().model("Default Model")};
  oif_SetName Of(const rgnC_Region& region) { return oif_SetName(region, info); }
};

TEST_F(SetNames, AssemblySetsAreNeverQualified) {
  EXPECT_EQ(Of(rgnC_Region::OfAssemblySet(1)).Name(2), "All");
  EXPECT_EQ(Of(rgnC_Region::OfAssemblySet(1)).Name(1), "All");
  EXPECT_EQ(Of(rgnC_Region::OfAssemblySet(0)).SurfaceName(2), "Ends_CNS_");
}

TEST_F(SetNames, InstanceSetsAreQualifiedAtLevelTwoOnly) {
  EXPECT_EQ(Of(rgnC_Region::OfMeshSet(1, 1)).Name(2), "Beam-1.Web");
  EXPECT_EQ(Of(rgnC_Region::OfMeshSet(1, 1)).Name(1), "Web");
  EXPECT_EQ(Of(rgnC_Region::OfMeshSet(2, 1)).Name(2), "\"Beam 2\".Web");
}

TEST_F(SetNames, SurfaceNamesOfNodeAndElementSets) {
  EXPECT_EQ(Of(rgnC_Region::OfMeshSet(1, 1)).SurfaceName(2), "Beam-1.Web");  // element set: as Name
  EXPECT_EQ(Of(rgnC_Region::OfMeshSet(1, 0)).SurfaceName(2), "Beam-1_Fixed_CNS_");
  EXPECT_EQ(Of(rgnC_Region::OfMeshSet(2, 0)).SurfaceName(2), "\"Beam 2_Fixed_CNS_\"");
  EXPECT_EQ(Of(rgnC_Region::OfMeshSet(1, 0)).SurfaceName(1), "Fixed_CNS_");
}

TEST_F(SetNames, RenamingChangesLaterNames) {
  oif_SetName name = Of(rgnC_Region::OfMeshSet(1, 1));
  EXPECT_EQ(name.Name("Flange", 2), "Beam-1.Flange");
  EXPECT_EQ(name.Name(1), "Flange");
}

TEST_F(SetNames, InvalidRegionsGiveEmptyNames) {
  EXPECT_EQ(Of(rgnC_Region()).Name(2), "");
  EXPECT_EQ(Of(rgnC_Region::OfMeshSet(7, 0)).Name(2), "");    // no such mesh
  EXPECT_EQ(Of(rgnC_Region::OfAssemblySet(5)).Name(2), "");   // no such set
}

}  // namespace
