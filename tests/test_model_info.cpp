// The model information: label counters, mesh table, datum names, explicit steps.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

const char* const kTwoInstances = R"(
  "datums": [{"name": "Csys-1", "kind": "rectangular"}, {"name": "Local csys", "kind": "cylindrical"}],
  "parts": [{"name": "Empty"},
            {"name": "Pair", "mesh": {"nodes": {"labels": [10, 20, 30], "coordinates": [0,0,0, 1,0,0, 2,0,0]},
                                      "elements": [{"type": "T3D2", "nodesPerElement": 2, "labels": [5, 6],
                                                    "connectivity": [10, 20, 20, 30]}]}}],
  "assembly": {"instances": [{"name": "A", "part": "Pair"}, {"name": "X", "model": "Other"},
                             {"name": "B", "part": "Pair"}, {"name": "E", "part": "Empty"}]})";

struct ModelInfo : ::testing::Test {
  odb_Odb odb = test::Model(kTwoInstances);
  oif_ModelInfo info{odb.ddb().model("Default Model")};
};

TEST_F(ModelInfo, LabelCountersStartAfterTheMeshAndAreIndependent) {
  EXPECT_EQ(info.NewNodeLabel("A"), 4);
  EXPECT_EQ(info.NewNodeLabel("A"), 5);
  EXPECT_EQ(info.NewNodeLabel("B"), 4);
  EXPECT_EQ(info.NewElementLabel("A"), 3);
  EXPECT_EQ(info.NewElementLabel("B"), 3);
  EXPECT_EQ(info.NewNodeLabel("E"), 1);   // no nodes
  EXPECT_EQ(info.NewNodeLabel(""), 1);    // the assembly without a mesh
  EXPECT_EQ(info.NewElementLabel(""), 1);
}

TEST_F(ModelInfo, TotalsOffsetsAndMeshTable) {
  EXPECT_EQ(info.TotalNodeCount(), 6);
  EXPECT_EQ(info.TotalElementCount(), 4);
  EXPECT_EQ(info.NodeOffset("B"), 0);
  EXPECT_EQ(info.ElementOffset(""), 0);
  EXPECT_TRUE(info.WritesParts());
  const auto& instances = odb.ddb().model("Default Model").rootAssembly().instance();
  const int meshOfB = nex_canDynamicCastRef<ddb_PartInstance>(instances.ConstGet("B"), __FILE__, __LINE__).mesh().index();
  EXPECT_EQ(info.InstanceOfMesh(meshOfB), "B");
  EXPECT_EQ(info.AssyNodeOffsetsID(meshOfB), 0);
  EXPECT_THROW(info.InstanceOfMesh(99), nex_TextException);
  EXPECT_THROW(info.NewNodeLabel("X"), nex_TextException);  // not a part instance
  EXPECT_EQ(zkw_ModelInfo::RefPtSuffix(), "-RefPt_");
}

TEST_F(ModelInfo, DatumNamesAreQuotedAndSuffixedOnlyWithAnAngle) {
  EXPECT_EQ(info.DatumCsysName(1, 0.0, ""), "Csys-1");
  EXPECT_EQ(info.DatumCsysName(2, 0.0, "R"), "\"Local csys\"");
  EXPECT_EQ(info.DatumCsysName(1, 30.0, ""), "Csys-1");
  EXPECT_EQ(info.DatumCsysName(1, 30.0, "R"), "Csys-1_R_");
  EXPECT_THROW(info.DatumCsysName(3, 0.0, ""), nex_TextException);
}

TEST(ModelInfoSteps, ExplicitStepIsFoundOnlyAfterTheInitialStep) {
  auto explicitAfter = [](const char* steps) {
    odb_Odb odb = test::Model(steps);
    return oif_ModelInfo(odb.ddb().model("Default Model")).HasExplicitStep();
  };
  EXPECT_FALSE(explicitAfter(R"("steps": [{"name": "Initial", "kind": "initial"}])"));
  EXPECT_FALSE(explicitAfter(R"("steps": [{"name": "S", "kind": "static"}, {"name": "F", "kind": "frequency"}])"));
  EXPECT_TRUE(explicitAfter(R"("steps": [{"name": "S", "kind": "static"}, {"name": "X", "kind": "explicit dynamics"}])"));
}

TEST(ModelInfoSteps, ModelKnowsItsInitialFirstAndFirstGeneralStep) {
  odb_Odb odb = test::Model(R"("steps": [{"name": "F", "kind": "frequency"}, {"name": "S", "kind": "static"}])");
  oif_ModelInfo info(odb.ddb().model("Default Model"));
  EXPECT_EQ(info.Model().InitialStepName(), "Initial");
  EXPECT_EQ(info.Model().FirstAnalysisStepName(), "F");
  EXPECT_EQ(info.Model().FirstGeneralStepName(), "S");
}

}  // namespace
