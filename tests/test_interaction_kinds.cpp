// The kind tables of the interactions and interaction properties: one row
// per kind in kind order, every kind reads as its class and is written (or
// refused with its reason), a class outside the table stops the writer, and
// the schema and the model file docs list exactly the table's kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "kind_table_support.h"
#include "modeldb/kinC_Interaction.h"
#include "modelfile/mfl_Interactions.h"
#include "test_support.h"

namespace {

constexpr const char* kModel = R"(
  "parts": [{"name": "Brick", "mesh": {
              "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0, 0,0,1, 1,0,1, 1,1,1, 0,1,1]},
              "elements": [{"type": "C3D8T", "nodesPerElement": 8, "connectivity": [1, 2, 3, 4, 5, 6, 7, 8]}],
              "sets": [{"name": "Top", "kind": "surface", "elements": [1], "faces": [2]},
                       {"name": "Bottom", "kind": "surface", "elements": [1], "faces": [1]},
                       {"name": "Base", "kind": "node", "nodes": [1, 2]}]}}],
  "assembly": {"instances": [{"name": "A", "part": "Brick"}]},
  "steps": [{"name": "Initial", "kind": "initial"}, {"name": "S1", "kind": "static"}],
  "interactionProperties": [{"name": "Rough", "kind": "contact"},
                            {"name": "Wall", "kind": "acoustic impedance", "table": [[1, 2]]}],
  "interactions": [)";

/// The least an interaction of each kind needs, created in S1.
std::string Least(kinC_InteractionKind kind) {
  using K = kinC_InteractionKind;
  const std::string top = R"({"set": "Top", "instance": "A"})", bottom = R"({"set": "Bottom", "instance": "A"})";
  const std::string base = R"({"set": "Base", "instance": "A"})";
  switch (kind) {
    case K::SurfaceToSurfaceContactStd:
    case K::SurfaceToSurfaceContactXpl:
      return R"("property": "Rough", "slave": )" + bottom + R"(, "master": )" + top;
    case K::SelfContactStd:
    case K::SelfContactXpl:
      return R"("property": "Rough", "surface": )" + top;
    case K::ContactExp: return R"("allExterior": true)";
    case K::CavityRadiation: return R"("surfaces": [)" + top + "]";
    case K::FilmCondition: return R"("region": )" + top + R"(, "sinkTemperature": 20, "filmCoefficient": 5)";
    case K::ConcFilmCondition: return R"("region": )" + base + R"(, "sinkTemperature": 20, "filmCoefficient": 5)";
    case K::RadiationToAmbient: return R"("region": )" + top + R"(, "ambientTemperature": 20, "emissivity": 0.5)";
    case K::ConcRadiationToAmbient: return R"("region": )" + base + R"(, "ambientTemperature": 20, "emissivity": 0.5)";
    case K::AcousticImpedance: return R"("region": )" + top + R"(, "property": "Wall")";
    case K::IncidentWave: return R"("region": )" + top + R"(, "sourcePoint": [0, 0, -9], "standoffPoint": [0, 0, -1])";
    default: return "";
  }
}

std::string OneInteraction(const kinC_InteractionInfo& row) {
  const std::string least = Least(row.kind);
  return std::string(kModel) + R"({"name": "I", "kind": ")" + row.fileName + R"(", "createdIn": "S1")" +
         (least.empty() ? "" : ", " + least) + "}]";
}

TEST(InteractionKindTable, OneRowPerKindInKindOrderWithTheClassesOwnNames) {
  ASSERT_EQ(kinC_InteractionTable().size(), std::size_t(kinC_InteractionKindCount));
  for (int k = 0; k < kinC_InteractionKindCount; ++k) {
    const kinC_InteractionInfo& row = kinC_InteractionTable()[std::size_t(k)];
    EXPECT_EQ(int(row.kind), k);
    EXPECT_NE(std::string(row.typeId().name()).find(row.className), std::string::npos) << row.className;
  }
  ASSERT_EQ(kinC_PropertyTable().size(), std::size_t(kinC_PropertyKindCount));
  for (int k = 0; k < kinC_PropertyKindCount; ++k) {
    const kinC_PropertyInfo& row = kinC_PropertyTable()[std::size_t(k)];
    EXPECT_EQ(int(row.kind), k);
    EXPECT_NE(std::string(row.typeId().name()).find(row.className), std::string::npos) << row.className;
  }
}

// Each kind loads as its class and is written under the step's heading with
// its comment; a kind the deck has no form for is refused with its reason.
TEST(InteractionKindTable, EveryKindLoadsAsItsClassAndIsWrittenOrRefused) {
  for (const kinC_InteractionInfo& row : kinC_InteractionTable()) {
    SCOPED_TRACE(row.fileName);
    if (row.unwritable) {
      const test::Refusal refusal = test::Refuse(OneInteraction(row));
      EXPECT_EQ(refusal.id, "model.unsupported");
      EXPECT_NE(refusal.describe.find(row.unwritable), std::string::npos) << refusal.describe;
      continue;
    }
    const odb_Odb odb = test::Model(OneInteraction(row));
    const auto& interactions = odb.ddb().model("Default Model").interactions();
    ASSERT_TRUE(interactions.IsMember("I"));
    EXPECT_TRUE(interactions.ConstGet("I").DynTypeId() == row.typeId()) << row.className;
    const std::string deck = test::Deck(odb);
    EXPECT_NE(deck.find("** Interaction: I\n"), std::string::npos) << deck;
  }
}

class ForeignInteraction : public kinC_Interaction {
 public:
  using kinC_Interaction::kinC_Interaction;
};

TEST(InteractionKindTable, AClassOutsideTheTableIsUnimplemented) {
  const odb_Odb odb = test::Model(std::string(kModel) + "]");
  auto contents = std::make_shared<ddb_ModelContents>(odb.ddb().model("Default Model").contents());
  contents->interactions.Add("Other", std::make_shared<ForeignInteraction>("Other"));
  ddb_Ddb ddb;
  ddb.addModel(ddb_Model(contents));
  std::string what;
  try {
    test::Deck(odb_Odb(ddb));
  } catch (const nex_TextException& e) {
    what = e.what();
  }
  EXPECT_NE(what.find("Unimplemented interaction type."), std::string::npos) << what;
}

// A cavity whose status in a step is none the deck knows stops the writer;
// a suppressed interaction is not written at all.
TEST(InteractionKindTable, CavityStatusesAndSuppressedInteractions) {
  const odb_Odb odb = test::Model(std::string(kModel) + "]");
  auto contents = std::make_shared<ddb_ModelContents>(odb.ddb().model("Default Model").contents());
  auto cavity = std::make_shared<kinC_CavityRadiation>("Oven");
  cavity->SetState(0, mdl_Created, {});
  cavity->SetState(1, mdl_Propagated2, {});
  contents->interactions.Add("Oven", cavity);
  auto deckOf = [&] {
    ddb_Ddb ddb;
    ddb.addModel(ddb_Model(contents));
    return test::Deck(odb_Odb(ddb));
  };
  std::string what;
  try {
    deckOf();
  } catch (const nex_TextException& e) {
    what = e.what();
  }
  EXPECT_NE(what.find("Error in cavity radiation history status."), std::string::npos) << what;
  cavity->suppressed = true;
  EXPECT_EQ(deckOf().find("** Interaction: "), std::string::npos);
}

TEST(InteractionKindTable, SchemaAndDocsListEveryKind) {
  const mfl::Document schema = test::Schema("interactions.schema.json");
  std::vector<std::string> expected;
  for (const kinC_InteractionInfo& row : kinC_InteractionTable())
    if (!row.unwritable) expected.push_back(row.fileName);
  EXPECT_EQ(test::Texts(test::At(schema.Root(), {"$defs", "interaction", "properties", "kind", "enum"})), expected);
  const std::string docs = test::DocSection("Interactions");
  for (const kinC_InteractionInfo& row : kinC_InteractionTable()) {
    SCOPED_TRACE(row.fileName);
    EXPECT_NE(docs.find(std::string("`") + row.fileName + "`"), std::string::npos);
    if (row.unwritable) continue;
    // The kind allows exactly the members its reader reads.
    std::string key = std::string("kind_") + row.fileName;
    std::replace(key.begin(), key.end(), ' ', '_');
    std::set<std::string> inSchema, read = {"name", "kind", "suppressed", "createdIn", "deactivatedIn", "changes",
                                            "history"};
    for (const std::string& member : test::Texts(test::At(schema.Root(), {"$defs", key.c_str(), "propertyNames", "enum"})))
      inSchema.insert(member);
    for (std::string_view member : mfl::InteractionKindMembers(row.kind)) read.emplace(member);
    EXPECT_EQ(inSchema, read);
  }
  for (const kinC_PropertyInfo& row : kinC_PropertyTable())
    EXPECT_NE(docs.find(std::string("`") + row.fileName + "`"), std::string::npos) << row.fileName;
}

}  // namespace
