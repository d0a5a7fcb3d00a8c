// The kind tables of the closed families (step kinds, section kinds,
// controls kinds): every layer has one row per kind in kind order, every kind
// reads as its class and is written (or stops with its own "Unimplemented"
// text), and the schema and the model file docs list exactly the table's
// kinds.
#include <gtest/gtest.h>

#include <set>

#include "kind_table_support.h"
#include "modeldb/kprC_StepKind.h"
#include "modelfile/mfl_Loader.h"
#include "oif/impl/oif_StepKinds.h"
#include "test_steps_support.h"

namespace {

/// The least a step of each kind needs in the model file.
std::string StepMembers(kprC_StepKind kind) {
  return kind == kprC_StepKind::Visco ? R"(, "creepTolerance": 1e-4)" : "";
}

odb_Odb OneStep(const kprC_StepKindInfo& row) {
  return test::Model(std::string(R"("steps": [{"name": "S", "kind": ")") + row.fileName + "\"" +
                     StepMembers(row.kind) + "}]");
}

TEST(StepKindTable, OneRowPerKindInKindOrderInEveryLayer) {
  ASSERT_EQ(std::size(kprC_StepKindTable), std::size_t(kprC_StepKind::Count));
  ASSERT_EQ(oif_StepRows().size(), std::size_t(kprC_StepKind::Count));
  std::set<std::string> names;
  for (int k = 0; k < int(kprC_StepKind::Count); ++k) {
    EXPECT_EQ(int(kprC_StepKindTable[k].kind), k);
    EXPECT_EQ(int(oif_StepRows()[std::size_t(k)].kind), k);
    EXPECT_TRUE(names.insert(kprC_StepKindTable[k].fileName).second) << kprC_StepKindTable[k].fileName;
  }
  EXPECT_EQ(mfl::StepKinds().size(), names.size());
}

TEST(StepKindTable, EveryKindLoadsAsItsClass) {
  for (const kprC_StepKindInfo& row : kprC_StepKindTable) {
    SCOPED_TRACE(row.fileName);
    const odb_Odb odb = OneStep(row);
    const kprC_Step& step = odb.ddb().model("Default Model").step().ConstGet("S");
    EXPECT_TRUE(step.DynTypeId() == std::type_index(*row.type)) << row.className;
    ASSERT_NE(kprC_FindStepKind(step), nullptr);
    EXPECT_EQ(kprC_FindStepKind(step)->kind, row.kind);
  }
}

// A kind flagged unwritable stops the writer with exactly its reason; every
// other kind writes its step line and procedure.
TEST(StepKindTable, EveryKindIsWrittenOrStopsWithItsReason) {
  for (const kprC_StepKindInfo& row : kprC_StepKindTable) {
    SCOPED_TRACE(row.fileName);
    const odb_Odb odb = OneStep(row);
    if (row.unwritable != nullptr) {
      EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Deck(odb); }).rfind(row.unwritable, 0), 0u);
      EXPECT_FALSE(oif_StepRows()[std::size_t(row.kind)].card.exists);
    } else {
      const std::string steps = test::Steps(odb);
      const std::size_t at = steps.find("*Step, name=S");
      ASSERT_NE(at, std::string::npos) << steps;
      // The procedure keyword follows the step line.
      const std::size_t next = steps.find("\n*", at);
      ASSERT_NE(next, std::string::npos) << steps;
      EXPECT_NE(steps.substr(next + 2, 8), "End Step") << steps;
    }
  }
}

class ForeignStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
};

TEST(StepKindTable, AClassOutsideTheTableIsUnimplemented) {
  EXPECT_EQ(kprC_FindStepKind(ForeignStep("X")), nullptr);
  EXPECT_EQ(kprC_FindStepKind(kprC_InitialStep("Initial")), nullptr);
  const odb_Odb odb = test::ModelOf({std::make_shared<ForeignStep>("X")});
  EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Deck(odb); }),
            "Unimplemented procedure print method (oif_StepBuilder:546)");
}

TEST(StepKindTable, SchemaAndDocsListEveryKind) {
  const mfl::Document schema = test::Schema("steps.schema.json");
  std::vector<std::string> expected = {"initial"};
  for (const kprC_StepKindInfo& row : kprC_StepKindTable) expected.push_back(row.fileName);
  EXPECT_EQ(test::Texts(test::At(schema.Root(), {"$defs", "step", "properties", "kind", "enum"})), expected);
  const std::string docs = test::DocSection("Steps");
  for (const kprC_StepKindInfo& row : kprC_StepKindTable) {
    SCOPED_TRACE(row.fileName);
    std::string def = std::string("kind_") + row.fileName;
    for (char& c : def)
      if (c == ' ') c = '_';
    const mfl::Node* kind = test::At(schema.Root(), {"$defs", def.c_str(), "properties", "kind", "const"});
    if (kind != nullptr) {
      EXPECT_EQ(kind->string(), row.fileName);
    }
    EXPECT_NE(docs.find(std::string("`") + row.fileName + "`"), std::string::npos);
  }
}

}  // namespace
