// The kind tables of the closed families (step kinds, section kinds,
// controls kinds): every layer has one row per kind in kind order, every kind
// reads as its class and is written (or stops with its own "Unimplemented"
// text), and the schema and the model file docs list exactly the table's
// kinds.
#include <gtest/gtest.h>

#include <set>

#include "kind_table_support.h"
#include "modeldb/kbpC_ProfileKind.h"
#include "modeldb/kprC_ControlsKind.h"
#include "modeldb/kprC_StepKind.h"
#include "modeldb/kseC_SectionKind.h"
#include "modelfile/mfl_Loader.h"
#include "modelfile/mfl_Steps.h"
#include "oif/impl/oif_Controls.h"
#include "oif/impl/oif_SectionKinds.h"
#include "oif/impl/oif_StepKinds.h"
#include "test_steps_support.h"

namespace {

/// The least a step of each kind needs in the model file.
std::string StepMembers(kprC_StepKind kind) {
  return kind == kprC_StepKind::Visco ? R"(, "creepTolerance": 1e-4)" : "";
}

std::string OneStepMembers(const kprC_StepKindInfo& row) {
  return std::string(R"("steps": [{"name": "S", "kind": ")") + row.fileName + "\"" + StepMembers(row.kind) + "}]";
}

odb_Odb OneStep(const kprC_StepKindInfo& row) { return test::Model(OneStepMembers(row)); }

TEST(StepKindTable, OneRowPerKindInKindOrderInEveryLayer) {
  ASSERT_EQ(std::size(kprC_StepKindTable), std::size_t(kprC_StepKind::Count));
  ASSERT_EQ(oif_StepRows().size(), std::size_t(kprC_StepKind::Count));
  std::set<std::string> names;
  for (int k = 0; k < int(kprC_StepKind::Count); ++k) {
    EXPECT_EQ(int(kprC_StepKindTable[k].kind), k);
    EXPECT_EQ(int(oif_StepRows()[std::size_t(k)].kind), k);
    EXPECT_TRUE(names.insert(kprC_StepKindTable[k].fileName).second) << kprC_StepKindTable[k].fileName;
  }
}

// Every kind the writer can write loads as its class; the others are refused
// with the writer's reason.
TEST(StepKindTable, EveryKindLoadsAsItsClassOrIsRefused) {
  for (const kprC_StepKindInfo& row : kprC_StepKindTable) {
    SCOPED_TRACE(row.fileName);
    EXPECT_TRUE(row.make("X")->DynTypeId() == std::type_index(*row.type));
    if (row.unwritable != nullptr) {
      test::ExpectRefusals({{OneStepMembers(row), "model.unsupported", "/steps/0/kind", row.unwritable}});
      continue;
    }
    const odb_Odb odb = OneStep(row);
    const kprC_Step& step = odb.ddb().model("Default Model").step().ConstGet("S");
    EXPECT_TRUE(step.DynTypeId() == std::type_index(*row.type)) << row.className;
    ASSERT_NE(kprC_FindStepKind(step), nullptr);
    EXPECT_EQ(kprC_FindStepKind(step)->kind, row.kind);
  }
}

// A kind flagged unwritable stops the writer with exactly its reason (given
// a model built in code); every other kind writes its step line and procedure.
TEST(StepKindTable, EveryKindIsWrittenOrStopsWithItsReason) {
  for (const kprC_StepKindInfo& row : kprC_StepKindTable) {
    SCOPED_TRACE(row.fileName);
    if (row.unwritable != nullptr) {
      const odb_Odb odb = test::ModelOf({row.make("S")});
      EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Deck(odb); }).rfind(row.unwritable, 0), 0u);
      EXPECT_FALSE(oif_StepRows()[std::size_t(row.kind)].card.exists);
    } else {
      const std::string steps = test::Steps(OneStep(row));
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
    // The schema allows exactly the members the reader reads.
    std::set<std::string> inSchema, read;
    for (const char* owner : {"analysisStep", def.c_str()})
      if (const mfl::Node* properties = test::At(schema.Root(), {"$defs", owner, "properties"}))
        for (const auto& member : properties->members()) inSchema.insert(member.first);
    for (std::string_view member : mfl::StepKindMembers(row.kind)) read.emplace(member);
    EXPECT_EQ(inSchema, read);
  }
}

// ---- section kinds -----------------------------------------------------------

/// A part with one shell element in set "All" assigned the section "Sec" of
/// `kind`, with what the kind needs besides.
std::string OneSectionMembers(const kseC_SectionKindInfo& row) {
  using K = kseC_SectionKind;
  std::string members;
  switch (row.kind) {
    case K::Solid: case K::Truss: case K::Shell: case K::Membrane: case K::Gasket:
      members = R"(, "material": "Steel")";
      break;
    case K::CompositeSolid: case K::CompositeShell:
      members = R"(, "layers": [{"thickness": 1, "material": "Steel"}])";
      break;
    case K::Beam:
      members = R"(, "profile": "Bar", "material": "Steel")";
      break;
    case K::Point:
      members = R"(, "mass": {"value": 2})";
      break;
    default:
      break;
  }
  return std::string(R"("parts": [{"name": "P", "mesh": {
      "nodes": {"coordinates": [0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0]},
      "elements": [{"type": "S4R", "nodesPerElement": 4, "connectivity": [1, 2, 3, 4]}],
      "sets": [{"name": "All", "kind": "element", "elements": [1]}]},
      "sectionAssignments": [{"region": "All", "section": "Sec"}]}],
    "assembly": {"instances": [{"name": "P-1", "part": "P"}]},
    "materials": [{"name": "Steel", "elastic": {"table": [[210000, 0.3]]}}],
    "beamProfiles": [{"name": "Bar", "kind": "rectangular", "dimensions": [1, 2]}],
    "sections": [{"name": "Sec", "kind": ")") + row.fileName + "\"" + members + "}]";
}

odb_Odb OneSection(const kseC_SectionKindInfo& row) { return test::Model(OneSectionMembers(row)); }

/// The solid section's model with section "Sec" replaced by `section`.
odb_Odb WithSection(std::shared_ptr<kseC_Section> section) {
  const odb_Odb solid = OneSection(kseC_Info(kseC_SectionKind::Solid));
  auto contents = std::make_shared<ddb_ModelContents>(solid.ddb().model("Default Model").contents());
  contents->sections = {};
  contents->sections.Add("Sec", std::move(section));
  ddb_Ddb ddb;
  ddb.addModel(ddb_Model(contents));
  return odb_Odb(ddb);
}

TEST(SectionKindTable, OneRowPerKindInKindOrderInEveryLayer) {
  ASSERT_EQ(std::size(kseC_SectionKindTable), std::size_t(kseC_SectionKind::Count));
  ASSERT_EQ(oif_SectionRows().size(), std::size_t(kseC_SectionKind::Count));
  std::set<std::string> names;
  for (int k = 0; k < int(kseC_SectionKind::Count); ++k) {
    EXPECT_EQ(int(kseC_SectionKindTable[k].kind), k);
    EXPECT_EQ(int(oif_SectionRows()[std::size_t(k)].kind), k);
    EXPECT_TRUE(names.insert(kseC_SectionKindTable[k].fileName).second);
  }
  EXPECT_EQ(mfl::SectionKinds().size(), names.size());
}

// Every kind the writer can write loads as its class and is written; an
// assignment of any other kind is refused with the writer's reason, and the
// writer (given the model built in code) stops with it.
TEST(SectionKindTable, EveryKindLoadsAsItsClassAndIsWrittenOrRefused) {
  for (const kseC_SectionKindInfo& row : kseC_SectionKindTable) {
    SCOPED_TRACE(row.fileName);
    EXPECT_TRUE(row.make("X")->DynTypeId() == std::type_index(*row.type));
    if (row.unwritable != nullptr) {
      test::ExpectRefusals(
          {{OneSectionMembers(row), "model.unsupported", "/parts/0/sectionAssignments/0/section", row.unwritable}});
      const odb_Odb odb = WithSection(row.make("Sec"));
      EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Deck(odb); }).rfind(row.unwritable, 0), 0u);
      continue;
    }
    const odb_Odb odb = OneSection(row);
    const auto section = odb.ddb().model("Default Model").contents().sections.GetShared("Sec");
    ASSERT_NE(section, nullptr);
    EXPECT_TRUE(section->DynTypeId() == std::type_index(*row.type)) << row.className;
    ASSERT_NE(kseC_FindSectionKind(*section), nullptr);
    EXPECT_EQ(kseC_FindSectionKind(*section)->kind, row.kind);
    const std::string deck = test::Deck(odb);
    EXPECT_NE(deck.find("** Section: Sec"), std::string::npos) << deck;
  }
}

class ForeignSection : public kseC_Section {
 public:
  using kseC_Section::kseC_Section;
};

TEST(SectionKindTable, AClassOutsideTheTableIsUnimplemented) {
  EXPECT_EQ(kseC_FindSectionKind(ForeignSection("X")), nullptr);
  const odb_Odb odb = WithSection(std::make_shared<ForeignSection>("Sec"));
  EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Deck(odb); }).rfind("Unimplemented section type Sec", 0), 0u);
}

TEST(SectionKindTable, SchemaAndDocsListEveryKind) {
  const mfl::Document schema = test::Schema("sections.schema.json");
  std::vector<std::string> expected;
  for (const kseC_SectionKindInfo& row : kseC_SectionKindTable) expected.push_back(row.fileName);
  EXPECT_EQ(test::Texts(test::At(schema.Root(), {"$defs", "section", "properties", "kind", "enum"})), expected);
  const std::string docs = test::DocSection("Sections");
  for (const kseC_SectionKindInfo& row : kseC_SectionKindTable) {
    SCOPED_TRACE(row.fileName);
    const std::string def = std::string(row.fileName) + "Section";
    const mfl::Node* kind = test::At(schema.Root(), {"$defs", def.c_str(), "properties", "kind", "const"});
    if (kind != nullptr) {
      EXPECT_EQ(kind->string(), row.fileName);
    }
    EXPECT_NE(docs.find(std::string("`") + row.fileName + "`"), std::string::npos);
    // The schema allows exactly the members the reader reads.
    std::set<std::string> inSchema, read;
    if (const mfl::Node* properties = test::At(schema.Root(), {"$defs", def.c_str(), "properties"}))
      for (const auto& member : properties->members()) inSchema.insert(member.first);
    for (std::string_view member : mfl::SectionKindMembers(row.kind)) read.emplace(member);
    EXPECT_EQ(inSchema, read);
  }
}

// ---- beam profile kinds --------------------------------------------------------

/// The least a profile of each kind needs in the model file.
std::string ProfileMembers(kbpC_ProfileKind kind) {
  using K = kbpC_ProfileKind;
  switch (kind) {
    case K::Circular: return R"("dimensions": [1])";
    case K::Box: return R"("dimensions": [1, 2], "thickness": [0.1])";
    case K::I: return R"("dimensions": [1, 2, 3, 4, 5, 6, 7])";
    case K::T: case K::Generalized: return R"("dimensions": [1, 2, 3, 4, 5])";
    case K::L: case K::Trapezoidal: return R"("dimensions": [1, 2, 3, 4])";
    case K::Arbitrary: return R"("points": [[0, 0], [1, 0, 0.1]])";
    default: return R"("dimensions": [1, 2])";
  }
}

// Every kind loads as its class, and a beam section of every kind writes its
// profile: a "section=" text, or the general section's own form.
TEST(ProfileKindTable, EveryKindLoadsAsItsClassAndIsWritten) {
  for (const kbpC_ProfileKindInfo& row : kbpC_ProfileKindTable) {
    SCOPED_TRACE(row.fileName);
    EXPECT_TRUE(row.make("X")->DynTypeId() == std::type_index(*row.type));
    const bool general = row.kind == kbpC_ProfileKind::Generalized;
    const odb_Odb odb = test::Model(std::string(R"("parts": [{"name": "P", "mesh": {
        "nodes": {"coordinates": [0, 0, 0, 1, 0, 0]},
        "elements": [{"type": "B31", "nodesPerElement": 2, "connectivity": [1, 2]}],
        "sets": [{"name": "All", "kind": "element", "elements": [1]}]},
        "sectionAssignments": [{"region": "All", "section": "Sec"}]}],
      "assembly": {"instances": [{"name": "P-1", "part": "P"}]},
      "materials": [{"name": "Steel", "elastic": {"table": [[210000, 0.3]]}}],
      "beamProfiles": [{"name": "Pr", "kind": ")") + row.fileName + "\", " + ProfileMembers(row.kind) + R"(}],
      "sections": [{"name": "Sec", "kind": "beam", "profile": "Pr", )" +
                                    (general ? R"("integrated": false, "properties": {"table": [[1, 2]]}})"
                                             : R"("material": "Steel"})") + "]");
    const auto profile = odb.ddb().model("Default Model").contents().beamProfiles.GetShared("Pr");
    ASSERT_NE(profile, nullptr);
    ASSERT_NE(kbpC_FindProfileKind(*profile), nullptr);
    EXPECT_EQ(kbpC_FindProfileKind(*profile)->kind, row.kind);
    const std::string deck = test::Deck(odb);
    EXPECT_NE(deck.find(general ? "section=GENERAL" : "section="), std::string::npos) << deck;
    EXPECT_EQ(deck.find("**ERROR"), std::string::npos) << deck;
  }
}

TEST(ProfileKindTable, SchemaAndDocsListEveryKind) {
  const mfl::Document schema = test::Schema("sections.schema.json");
  std::vector<std::string> expected;
  for (const kbpC_ProfileKindInfo& row : kbpC_ProfileKindTable) expected.push_back(row.fileName);
  EXPECT_EQ(test::Texts(test::At(schema.Root(), {"$defs", "beamProfile", "properties", "kind", "enum"})), expected);
  const std::string docs = test::DocSection("Sections");
  for (const kbpC_ProfileKindInfo& row : kbpC_ProfileKindTable) {
    const std::string def = std::string(row.fileName) + "Profile";
    const mfl::Node* kind = test::At(schema.Root(), {"$defs", def.c_str(), "properties", "kind", "const"});
    if (kind != nullptr) {
      EXPECT_EQ(kind->string(), row.fileName);
    }
    EXPECT_NE(docs.find(std::string("`") + row.fileName + "`"), std::string::npos) << row.fileName;
  }
}

// ---- controls kinds ------------------------------------------------------------

TEST(ControlsKindTable, OneRowPerKindInKindOrderInEveryLayer) {
  ASSERT_EQ(std::size(kprC_ControlsKindTable), std::size_t(kprC_ControlsKind::Count));
  ASSERT_EQ(oif_ControlsRows().size(), std::size_t(kprC_ControlsKind::Count));
  for (int k = 0; k < int(kprC_ControlsKind::Count); ++k) {
    EXPECT_EQ(int(kprC_ControlsKindTable[k].kind), k);
    EXPECT_EQ(int(oif_ControlsRows()[std::size_t(k)].kind), k);
  }
}

// Controls of every kind, created in a step of their own, load as their
// class and write "*Controls, reset".
TEST(ControlsKindTable, EveryKindLoadsAsItsClassAndIsWritten) {
  for (const kprC_ControlsKindInfo& row : kprC_ControlsKindTable) {
    SCOPED_TRACE(row.fileName);
    const odb_Odb odb = test::Model(std::string(R"("steps": [{"name": "S", "kind": "static"}],
        "controls": [{"kind": ")") + row.fileName + R"(", "createdIn": "S", "constraints": [1e-4]}])");
    const auto& step = nex_canDynamicCastRef<kprC_AnalysisStep>(
        odb.ddb().model("Default Model").step().ConstGet("S"), "test", __LINE__);
    ASSERT_NE(step.controls(), nullptr);
    EXPECT_TRUE(step.controls()->DynTypeId() == std::type_index(*row.type)) << row.className;
    ASSERT_NE(kprC_FindControlsKind(*step.controls()), nullptr);
    EXPECT_EQ(kprC_FindControlsKind(*step.controls())->kind, row.kind);
    EXPECT_NE(test::Steps(odb).find("*Controls, reset\n*Controls, parameters=constraints\n"), std::string::npos);
  }
}

class ForeignControls : public kprC_PrimaryControls {};

TEST(ControlsKindTable, AClassOutsideTheTableIsUnimplemented) {
  auto step = std::make_shared<kprC_StaticStep>("S");
  step->controls_ = std::make_shared<ForeignControls>();
  const odb_Odb odb = test::ModelOf({step});
  EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Deck(odb); }).rfind("Unimplemented controls type", 0), 0u);
}

TEST(ControlsKindTable, SchemaAndDocsListEveryKind) {
  const mfl::Document schema = test::Schema("steps.schema.json");
  std::vector<std::string> listed;
  if (const mfl::Node* all = test::At(schema.Root(), {"$defs", "controls", "allOf"}))
    for (const mfl::Node& entry : all->elements()) {
      const mfl::Node* kind = entry.Find("if");
      if (kind == nullptr) continue;
      listed.push_back(test::At(*kind, {"properties", "kind", "const"})->string());
      // The kind allows exactly the history members and the values the reader reads.
      std::set<std::string> inSchema, read = {"kind", "createdIn", "deactivatedIn", "changes", "history"};
      for (const std::string& member : test::Texts(test::At(entry, {"then", "propertyNames", "enum"})))
        inSchema.insert(member);
      for (const kprC_ControlsKindInfo& row : kprC_ControlsKindTable)
        if (listed.back() == row.fileName)
          for (std::string_view member : mfl::ControlsKindMembers(row.kind)) read.emplace(member);
      EXPECT_EQ(inSchema, read) << listed.back();
    }
  std::vector<std::string> expected;
  for (const kprC_ControlsKindInfo& row : kprC_ControlsKindTable) expected.push_back(row.fileName);
  EXPECT_EQ(listed, expected);
  const std::string docs = test::DocSection("Controls");
  for (const kprC_ControlsKindInfo& row : kprC_ControlsKindTable)
    EXPECT_NE(docs.find(std::string("`") + row.fileName + "`"), std::string::npos) << row.fileName;
}

}  // namespace

namespace {

// Every enumerated text of the model file is refused in one form, listing the
// texts it may be, whichever table it comes from.
TEST(EnumerationTexts, OneFormOfRefusal) {
  test::ExpectRefusals({
      {R"("steps": [{"name": "S", "kind": "quasi-static"}])", "model.enum", "/steps/0/kind",
       R"(unknown step kind "quasi-static"; expected one of: "initial", "static", "static riks",)"},
      {R"("steps": [{"name": "S", "kind": "static"}], "controls": [{"kind": "thermal", "createdIn": "S"}])",
       "model.enum", "/controls/0/kind",
       R"(unknown controls kind "thermal"; expected one of: "typical", "heat transfer", "mass diffusion",)"},
      {R"("datums": [{"name": "D", "kind": "polar"}])", "model.enum", "/datums/0/kind",
       R"(unknown coordinate system kind "polar"; expected one of: "rectangular", "cylindrical", "spherical")"},
      {R"("steps": [{"name": "S", "kind": "static", "amplitude": "smooth"}])", "model.enum", "/steps/0/amplitude",
       R"(unknown value "smooth"; expected one of: "step", "ramp")"},
      {R"("materials": [{"name": "M", "elastic": {"type": "ISO", "table": [[1, 0.3]]}}])", "model.enum",
       "/materials/0/elastic/type", R"(unknown value "ISO"; expected one of: "ISOTROPIC",)"},
  });
}

}  // namespace

namespace {

// The class names of the rows are the classes' own (they appear in the
// compiler's name of the class).
template <class Row, std::size_t N>
void ExpectClassNames(const Row (&rows)[N]) {
  for (const Row& row : rows)
    EXPECT_NE(std::string(row.type->name()).find(row.className), std::string::npos) << row.className;
}

TEST(KindTables, ClassNamesAreTheClassesOwn) {
  ExpectClassNames(kprC_StepKindTable);
  ExpectClassNames(kseC_SectionKindTable);
  ExpectClassNames(kbpC_ProfileKindTable);
  ExpectClassNames(kprC_ControlsKindTable);
}

}  // namespace
