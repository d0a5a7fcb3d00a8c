// The model check: every error of a file (not only the first), warnings about
// what loads but is probably wrong, and the summary of what the model holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "modelfile/mfl_Check.h"

namespace {

struct Seen {
  std::string id, pointer;
  std::size_t line, column;
  bool operator==(const Seen&) const = default;
  friend void PrintTo(const Seen& seen, std::ostream* out) {
    *out << seen.id << " " << seen.pointer << " " << seen.line << ":" << seen.column;
  }
};

std::vector<Seen> Errors(const mfl_CheckReport& report) {
  std::vector<Seen> out;
  for (const mfl_ModelFileError& error : report.errors)
    out.push_back({error.Id(), error.Pointer(), error.LineNumber(), error.Column()});
  return out;
}

std::vector<std::string> Warnings(const mfl_CheckReport& report) {
  std::vector<std::string> out;
  for (const mfl_CheckWarning& warning : report.warnings) out.push_back(warning.Describe());
  return out;
}

std::size_t Count(const mfl_CheckReport& report, const std::string& what) {
  for (const auto& [name, count] : report.summary)
    if (name == what) return count;
  ADD_FAILURE() << "no count of " << what;
  return 0;
}

// A sound two-part model; the tests seed errors into copies of it.
const std::string kModel = R"({"format": "oif-model", "version": 1,
"parts": [
  {"name": "Plate",
   "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0]},
            "elements": [{"type": "S4R", "nodesPerElement": 4, "connectivity": [1, 2, 3, 4]}],
            "sets": [{"name": "All", "kind": "element", "elements": [1]}]},
   "sectionAssignments": [{"region": "All", "section": "Skin"}]},
  {"name": "Rod",
   "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
            "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 2]}],
            "sets": [{"name": "All", "kind": "element", "elements": [1]}]},
   "sectionAssignments": [{"region": "All", "section": "Bar"}]}],
"assembly": {"instances": [{"name": "Plate-1", "part": "Plate"}, {"name": "Rod-1", "part": "Rod"}]},
"materials": [{"name": "Steel", "elastic": {"table": [[210000, 0.3]]}}],
"sections": [{"name": "Skin", "kind": "shell", "material": "Steel", "thickness": 0.01},
             {"name": "Bar", "kind": "solid", "material": "Steel"}],
"steps": [{"name": "Initial", "kind": "initial"}, {"name": "Load", "kind": "static", "keywords": "*Cload\nRod-1.2, 1, 5."}]
})";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(ModelCheck, ASoundModelHasNoErrorNoWarningAndItsSummary) {
  const mfl_CheckReport report = mfl_ModelCheck::Check(kModel, "m.json");
  EXPECT_TRUE(report.errors.empty()) << report.errors.front().Describe();
  EXPECT_FALSE(report.stoppedEarly);
  EXPECT_EQ(Warnings(report), std::vector<std::string>{});
  EXPECT_EQ(Count(report, "parts"), 2u);
  EXPECT_EQ(Count(report, "instances"), 2u);
  EXPECT_EQ(Count(report, "nodes"), 6u);
  EXPECT_EQ(Count(report, "elements"), 2u);
  EXPECT_EQ(Count(report, "element sets"), 2u);
  EXPECT_EQ(Count(report, "node sets"), 0u);
  EXPECT_EQ(Count(report, "materials"), 1u);
  EXPECT_EQ(Count(report, "sections"), 2u);
  EXPECT_EQ(Count(report, "analysis steps"), 1u);
  EXPECT_TRUE(report.model.has_value());
}

// Three independent errors: a wrong type, a node that is not in the mesh and
// an instance of a part that does not exist. Each is reported with its own
// place, as in the file, and nothing else: the section left out for its
// thickness is not reported again where it is assigned.
TEST(ModelCheck, ReportsEveryErrorOfTheFileWithItsPlace) {
  std::string text = Replace(kModel, R"("thickness": 0.01)", R"("thickness": "thin")");
  text = Replace(text, "[1, 2]}],\n            \"sets\"", "[1, 9]}],\n            \"sets\"");
  text = Replace(text, R"("part": "Rod"})", R"("part": "Bar"})");
  const mfl_CheckReport report = mfl_ModelCheck::Check(text, "three.json");
  EXPECT_EQ(Errors(report), (std::vector<Seen>{{"model.unknown-reference", "/parts/1/mesh/elements/0/connectivity/1", 10, 85},
                                               {"model.unknown-reference", "/assembly/instances/1/part", 13, 92},
                                               {"model.type", "/sections/0/thickness", 15, 82}}));
  EXPECT_FALSE(report.stoppedEarly);
  for (const mfl_ModelFileError& error : report.errors)
    EXPECT_EQ(error.Describe().rfind("three.json:", 0), 0u) << error.Describe();
}

// After an element of an array is left out, errors in the elements after it
// still name their index in the file.
TEST(ModelCheck, CountsArrayIndicesAsInTheFile) {
  const std::string text = R"({"format": "oif-model", "version": 1, "materials": [
  {"name": "A", "density": {"table": "x"}},
  {"name": "B"},
  {"name": "C", "density": {"table": "y"}},
  {"name": "D", "colour": 3}]})";
  const mfl_CheckReport report = mfl_ModelCheck::Check(text, "m.json");
  ASSERT_EQ(report.errors.size(), 3u);
  EXPECT_EQ(report.errors[0].Pointer().rfind("/materials/0/density", 0), 0u) << report.errors[0].Describe();
  EXPECT_EQ(report.errors[1].Pointer().rfind("/materials/2/density", 0), 0u) << report.errors[1].Describe();
  EXPECT_EQ(report.errors[1].LineNumber(), 4u);
  EXPECT_EQ(Errors(report)[2], (Seen{"model.unknown-member", "/materials/3/colour", 5, 27}));
}

TEST(ModelCheck, ALeftOutRequiredMemberIsNotReportedAgainAsMissing) {
  const std::string text = R"({"format": "oif-model", "version": 1,
"parts": [{"name": 3}, {"name": 4}]})";
  const mfl_CheckReport report = mfl_ModelCheck::Check(text, "m.json");
  EXPECT_EQ(Errors(report), (std::vector<Seen>{{"model.type", "/parts/0/name", 2, 20},
                                               {"model.type", "/parts/1/name", 2, 33}}));
}

TEST(ModelCheck, StopsAtBrokenJsonAndAtTheCap) {
  const mfl_CheckReport broken = mfl_ModelCheck::Check("{\"format\": \"oif-model\",\n \"parts\": [", "cut.json");
  ASSERT_EQ(broken.errors.size(), 1u);
  EXPECT_EQ(broken.errors[0].Id(), "json.syntax");
  EXPECT_TRUE(broken.stoppedEarly);
  EXPECT_TRUE(broken.summary.empty());
  EXPECT_FALSE(broken.model.has_value());

  std::string many = R"({"format": "oif-model", "version": 1, "parts": [)";
  for (int i = 0; i < 60; ++i) many += std::string(i ? "," : "") + "\n{\"name\": " + std::to_string(i) + "}";
  many += "]}";
  const mfl_CheckReport capped = mfl_ModelCheck::Check(many, "many.json", 50);
  EXPECT_EQ(capped.errors.size(), 50u);
  EXPECT_TRUE(capped.stoppedEarly);
  EXPECT_EQ(capped.errors.back().Pointer(), "/parts/49/name");
  EXPECT_EQ(capped.errors.back().LineNumber(), 51u);
}

// A format version the reader does not know: reading stops there, and the
// check does not report the version as missing once it is left out.
TEST(ModelCheck, AnUnknownVersionEndsTheCheck) {
  const mfl_CheckReport report =
      mfl_ModelCheck::Check(R"({"format": "oif-model", "version": 7, "parts": [{"name": 3}]})", "v.json");
  EXPECT_EQ(Errors(report), (std::vector<Seen>{{"model.version", "/version", 1, 36}}));
  EXPECT_TRUE(report.stoppedEarly);
}

TEST(ModelCheck, AFileThatCannotBeReadIsOneError) {
  const mfl_CheckReport report = mfl_ModelCheck::CheckFile("/nonexistent/model.json");
  ASSERT_EQ(report.errors.size(), 1u);
  EXPECT_EQ(report.errors[0].Id(), "file.open");
  EXPECT_TRUE(report.stoppedEarly);
}

TEST(ModelCheck, WarnsOfWhatLoadsButIsProbablyWrong) {
  const std::string text = R"({"format": "oif-model", "version": 1,
"parts": [
  {"name": "Plate",
   "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0]},
            "elements": [{"type": "USER4", "nodesPerElement": 4, "connectivity": [1, 2, 3, 4]}],
            "sets": [{"name": "All", "kind": "element", "elements": [1]}]},
   "sectionAssignments": [{"region": "All", "section": "Skin"}]},
  {"name": "Rod",
   "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0, 2,0,0]},
            "elements": [{"type": "T3D2", "nodesPerElement": 2, "labels": [7, 8], "connectivity": [1, 2, 2, 3]},
                         {"type": "R3D3", "nodesPerElement": 3, "connectivity": [1, 2, 3]}],
            "sets": [{"name": "Left", "kind": "element", "elements": [7]}]},
   "sectionAssignments": [{"region": "Left", "section": "Skin"}]},
  {"name": "Spare"}],
"assembly": {"instances": [{"name": "Plate-1", "part": "Plate"}, {"name": "Rod-1", "part": "Rod"}]},
"materials": [{"name": "Steel"}, {"name": "Copper"}],
"sections": [{"name": "Skin", "kind": "shell", "material": "Steel", "thickness": 0.01}],
"steps": [{"name": "Initial", "kind": "initial"}, {"name": "Load", "kind": "static"},
          {"name": "Modes", "kind": "frequency", "eigenvalues": 5}]
})";
  const mfl_CheckReport report = mfl_ModelCheck::Check(text, "w.json");
  ASSERT_TRUE(report.errors.empty()) << report.errors.front().Describe();
  // The rigid element R3D3 takes no section; the frequency step needs no load.
  EXPECT_EQ(Warnings(report), (std::vector<std::string>{
      "w.json:5:35: warning [check.unknown-element-type] at /parts/0/mesh/elements/0/type: element type 'USER4' "
      "is not one the tool knows; its faces are numbered as a volume's (give dimension and spaceDimension for "
      "an element of another shape)",
      "w.json:10:26: warning [check.no-section] at /parts/1/mesh/elements/0: 1 of the 2 elements of type 'T3D2' "
      "have no section (the first is element 8); the solver refuses elements without a section",
      "w.json:14:3: warning [check.unused-part] at /parts/2: part 'Spare' is in no instance of the assembly, "
      "so the deck has no block for it",
      "w.json:16:34: warning [check.unused-material] at /materials/1: material 'Copper' is used by no section",
      "w.json:18:51: warning [check.empty-step] at /steps/1: step 'Load' has nothing in it: no condition, no "
      "load cases and no keyword text, only its procedure"}));
  EXPECT_EQ(Count(report, "elements"), 4u);
  EXPECT_EQ(Count(report, "analysis steps"), 2u);
}

// A step in which a condition is active (created there or earlier, not yet
// deactivated) holds something; one before the creation does not.
TEST(ModelCheck, AStepWithAnActiveConditionIsNotEmpty) {
  const std::string text = R"({"format": "oif-model", "version": 1,
"parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0]}, "sets": [{"name": "Tip", "kind": "node", "nodes": [1]}]}}],
"assembly": {"instances": [{"name": "P-1", "part": "P"}]},
"steps": [{"name": "Initial", "kind": "initial"}, {"name": "Early", "kind": "static"},
          {"name": "Load", "kind": "static"}, {"name": "Later", "kind": "static"}],
"boundaryConditions": [{"name": "Hold", "kind": "displacement", "region": {"set": "Tip", "instance": "P-1"},
                        "createdIn": "Load", "u1": 0}]
})";
  const mfl_CheckReport report = mfl_ModelCheck::Check(text, "c.json");
  ASSERT_TRUE(report.errors.empty()) << report.errors.front().Describe();
  std::vector<std::string> empty;
  for (const std::string& warning : Warnings(report))
    if (warning.find("check.empty-step") != std::string::npos) empty.push_back(warning);
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_NE(empty[0].find("step 'Early' has nothing in it"), std::string::npos) << empty[0];
}

// A layer's orientation names an orientation of the deck: one defined by
// keyword text, a datum system, or a material orientation's "Ori-n".
TEST(ModelCheck, WarnsOfLayerOrientationsDefinedNowhere) {
  const std::string text = R"({"format": "oif-model", "version": 1,
"keywords": ["*Orientation, NAME = \"Ply axes\", system=RECTANGULAR", "1, 0, 0, 0, 1, 0"],
"datums": [{"name": "Hoop", "kind": "cylindrical"}],
"materials": [{"name": "Steel"}],
"sections": [{"name": "Cover", "kind": "compositeShell",
  "layers": [{"thickness": 1, "material": "Steel", "orientation": "Ply axes"},
             {"thickness": 1, "material": "Steel", "orientation": "Hoop"},
             {"thickness": 1, "material": "Steel", "orientation": "Ori-2"},
             {"thickness": 1, "material": "Steel", "orientation": "Ply-axes"}]}]
})";
  const mfl_CheckReport report = mfl_ModelCheck::Check(text, "o.json");
  ASSERT_TRUE(report.errors.empty()) << report.errors.front().Describe();
  EXPECT_EQ(Warnings(report), std::vector<std::string>{
      "o.json:9:67: warning [check.unknown-orientation] at /sections/0/layers/3/orientation: orientation "
      "'Ply-axes' is defined nowhere: neither by keyword text (*Orientation, name=...) nor as a datum system"});
}

TEST(ModelCheck, BundledExamplesHaveNoError) {
  for (const auto& entry : std::filesystem::directory_iterator(std::string(OIF_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() != ".json") continue;
    SCOPED_TRACE(entry.path().string());
    const mfl_CheckReport report = mfl_ModelCheck::CheckFile(entry.path().string());
    EXPECT_TRUE(report.errors.empty()) << report.errors.front().Describe();
    EXPECT_FALSE(report.summary.empty());
  }
}

}  // namespace
