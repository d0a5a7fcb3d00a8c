// Model files that must be refused, each with one clear error.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

TEST(ModelFile, RefusesBrokenJsonWithItsPlace) {
  try {
    mfl_ModelFile::Parse("{\"format\": \"oif-model\",\n \"version\": 1,\n \"parts\": [", "cut.json");
    FAIL() << "loaded";
  } catch (const mfl_ModelFileError& error) {
    EXPECT_EQ(error.Id(), "json.syntax");
    EXPECT_EQ(error.File(), "cut.json");
    EXPECT_GE(error.LineNumber(), 3u);
  }
}

TEST(ModelFile, RefusesWrongFormatAndVersion) {
  EXPECT_EQ(test::Refuse(R"("parts": [])").id, "");
  try {
    mfl_ModelFile::Parse(R"({"format": "oif-model", "version": 7})", "v.json");
    FAIL() << "loaded";
  } catch (const mfl_ModelFileError& error) {
    EXPECT_EQ(error.Id(), "model.version");
    EXPECT_EQ(error.Pointer(), "/version");
  }
  EXPECT_THROW(mfl_ModelFile::Parse(R"({"version": 1})", "f.json"), mfl_ModelFileError);
  EXPECT_THROW(mfl_ModelFile::Parse(R"([1, 2])", "f.json"), mfl_ModelFileError);
}

TEST(ModelFile, RefusesWrongTypesAndUnknownMembers) {
  auto wrongType = test::Refuse(R"("parts": [{"name": 12}])");
  EXPECT_EQ(wrongType.id, "model.type");
  EXPECT_EQ(wrongType.pointer, "/parts/0/name");
  auto typo = test::Refuse(R"("parts": [{"name": "P", "mseh": {}}])");
  EXPECT_EQ(typo.id, "model.unknown-member");
  EXPECT_NE(typo.describe.find("mseh"), std::string::npos);
  EXPECT_EQ(test::Refuse(R"("assembly": {"instances": {"name": "I"}})").id, "model.type");
}

TEST(ModelFile, RefusesReferencesToNothing) {
  auto part = test::Refuse(R"("parts": [{"name": "P"}], "assembly": {"instances": [{"name": "I", "part": "Q"}]})");
  EXPECT_EQ(part.id, "model.unknown-reference");
  EXPECT_EQ(part.pointer, "/assembly/instances/0/part");
  EXPECT_NE(part.describe.find("\"Q\""), std::string::npos);
  auto node = test::Refuse(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
      "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 2, 2, 3]}]}}])");
  EXPECT_EQ(node.id, "model.unknown-reference");
  EXPECT_EQ(node.pointer, "/parts/0/mesh/elements/0/connectivity/3");
}

TEST(ModelFile, RefusesDuplicateNames) {
  EXPECT_EQ(test::Refuse(R"("parts": [{"name": "P"}, {"name": "P"}])").pointer, "/parts/1/name");
  EXPECT_EQ(test::Refuse(R"("steps": [{"name": "S", "kind": "static"}, {"name": "S", "kind": "static"}])").id,
            "model.duplicate-name");
  EXPECT_EQ(test::Refuse(R"("steps": [{"name": "Initial", "kind": "static"}])").id, "model.duplicate-name");
  EXPECT_EQ(test::Refuse(R"("parts": [{"name": "P", "mesh": {"nodes": {"labels": [4, 4], "coordinates": [0,0,0, 1,0,0]}}}])").id,
            "model.duplicate-label");
}

TEST(ModelFile, RefusesBadSteps) {
  auto kind = test::Refuse(R"("steps": [{"name": "S", "kind": "statik"}])");
  EXPECT_EQ(kind.id, "model.enum");
  EXPECT_NE(kind.describe.find("static"), std::string::npos);  // lists the known kinds
  EXPECT_EQ(test::Refuse(R"("steps": [{"name": "S", "kind": "static"}, {"name": "I", "kind": "initial"}])").id,
            "model.step");
  EXPECT_EQ(test::Refuse(R"("steps": [{"name": "", "kind": "static"}])").id, "model.name");
}

TEST(ModelFile, MissingFileIsRefusedWithItsName) {
  try {
    mfl_ModelFile::Open("/nonexistent/model.json");
    FAIL() << "loaded";
  } catch (const mfl_ModelFileError& error) {
    EXPECT_EQ(error.Id(), "file.open");
    EXPECT_NE(error.Describe().find("/nonexistent/model.json"), std::string::npos);
  }
}

TEST(ModelFile, KeywordTextAsLinesAndMeshDefaults) {
  odb_Odb odb = test::Model(R"("keywords": ["*A", "*B"],
      "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1.5,0,0]}}}])");
  const ddb_Model& model = odb.ddb().model("Default Model");
  EXPECT_EQ(model.solverInput(), "*A\n*B");
  const ddb_NodeData& nodes = model.part().ConstGet("P").contents->nodes;
  EXPECT_EQ(nodes.UserNodeLabels(), (std::vector<int>{1, 2}));
  EXPECT_FLOAT_EQ(nodes.CoordContainer()[1][0], 1.5f);
}

}  // namespace
