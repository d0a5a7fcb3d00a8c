// Interactions read from the model file and written over the steps: the
// property section, the contact pair lifecycle step by step, films and
// general contact restated with ", op=NEW", cavities and impedances, node-based
// surfaces, and the refusals of bad references and tables.
#include <gtest/gtest.h>

#include "modelfile/mfl_Check.h"
#include "test_support.h"

namespace {

/// A brick part with surfaces Top and Bottom, node set Base; instances A and
/// B; static steps S1 .. S4 after the initial step; `more` adds members.
std::string Model(const std::string& more) {
  return R"(
  "parts": [{"name": "Brick", "mesh": {
              "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0, 0,0,1, 1,0,1, 1,1,1, 0,1,1]},
              "elements": [{"type": "C3D8T", "nodesPerElement": 8, "connectivity": [1, 2, 3, 4, 5, 6, 7, 8]}],
              "sets": [{"name": "Top", "kind": "surface", "elements": [1], "faces": [2]},
                       {"name": "Bottom", "kind": "surface", "elements": [1], "faces": [1]},
                       {"name": "Base", "kind": "node", "nodes": [1, 2, 3, 4]}]}}],
  "assembly": {"instances": [{"name": "A", "part": "Brick"}, {"name": "B", "part": "Brick"}]},
  "amplitudes": [{"name": "Ramp", "kind": "tabular", "pairs": [0, 0, 1, 1]}],
  "steps": [{"name": "Initial", "kind": "initial"}, {"name": "S1", "kind": "static"},
            {"name": "S2", "kind": "static"}, {"name": "S3", "kind": "static"}, {"name": "S4", "kind": "static"}],
  "interactionProperties": [
    {"name": "Rough", "kind": "contact", "friction": {"form": "penalty", "table": [[0.5]]},
     "surfaceBehavior": {"pressureOverclosure": "hard"}},
    {"name": "Smooth", "kind": "contact", "friction": {"form": "penalty", "table": [[0.1]]}},
    {"name": "Air", "kind": "film", "table": [[10, 20]], "temperatureDependency": true},
    {"name": "Wall", "kind": "acoustic impedance", "table": [[1, 2, 100]]}],
  "contactControls": [{"name": "Stab", "kind": "standard", "stabilize": 0.1},
                      {"name": "Plain", "kind": "standard"},
                      {"name": "Fast", "kind": "explicit", "fastLocalTracking": false}])" +
         (more.empty() ? std::string() : ",\n" + more);
}

std::string WithInteractions(const std::string& interactions) {
  return Model(R"("interactions": [)" + interactions + "]");
}

std::string DeckOf(const std::string& members) { return test::Deck(test::Model(members)); }

constexpr const char* kHeading = "** \n** INTERACTIONS\n** \n";
const std::string kPair = R"("slave": {"set": "Bottom", "instance": "B"}, "master": {"set": "Top", "instance": "A"})";

std::string Step(const std::string& deck, const std::string& step) { return test::StepBody(deck, step); }

// ---------------------------------------------------------------------------
// Properties

TEST(InteractionModelFile, PropertiesUnderOneHeadingInKeyOrder) {
  const std::string deck = DeckOf(Model(""));
  const std::size_t start = deck.find("** \n** INTERACTION PROPERTIES");
  ASSERT_NE(start, std::string::npos) << deck;
  EXPECT_EQ(deck.find("INTERACTION PROPERTIES", start + 10), std::string::npos);
  // A contact property with friction and hard contact; the film and the
  // impedance tables.
  EXPECT_EQ(deck.substr(start, deck.find("** STEP: S1", start) + 16 - start),
            "** \n** INTERACTION PROPERTIES\n** \n"
            "*Film Property, name=Air\n10.,20.\n"
            "*Surface Interaction, name=Rough\n*Friction\n 0.5,\n*Surface Behavior, pressure-overclosure=HARD\n"
            "*Surface Interaction, name=Smooth\n*Friction\n 0.1,\n"
            "*Impedance Property, name=Wall\n1.,  2.,100.\n"
            "** ----------------------------------------------------------------\n** \n** STEP: S1\n** \n");
}

// ---------------------------------------------------------------------------
// Contact pair lifecycle

TEST(InteractionModelFile, PairCreatedInTheSecondStepIsRemovedInTheFirstAndAddedInTheSecond) {
  const std::string deck = DeckOf(WithInteractions(R"({"name": "P", "kind": "contact pair", "createdIn": "S2",
      "property": "Rough", )" + kPair + "}"));
  EXPECT_EQ(test::InitialStep(deck).substr(test::InitialStep(deck).find(kHeading)),
            std::string(kHeading) + "** Interaction: P\n*Contact Pair, interaction=Rough\nB.Bottom, A.Top\n");
  EXPECT_EQ(Step(deck, "S1"),
            std::string(kHeading) + "** Interaction: P\n*Model Change, type=CONTACT PAIR, remove\nB.Bottom, A.Top\n");
  EXPECT_EQ(Step(deck, "S2"),
            std::string(kHeading) + "** Interaction: P\n*Model Change, type=CONTACT PAIR, add\nB.Bottom, A.Top\n");
  EXPECT_EQ(Step(deck, "S3"), "");
}

TEST(InteractionModelFile, PairLifecycleStepByStep) {
  // Created in S2 with interference, its friction changed in S3, removed in S4.
  const std::string deck = DeckOf(WithInteractions(R"({"name": "P", "kind": "contact pair", "createdIn": "S2",
      "property": "Smooth", "smallSliding": true, "interference": 0.01, "interferenceAmplitude": "Ramp",
      "changes": [{"step": "S3", "property": "Rough"}], "deactivatedIn": "S4", )" + kPair + "}"));
  const std::string initial = test::InitialStep(deck);
  EXPECT_EQ(initial.substr(initial.find(kHeading)),
            std::string(kHeading) + "** Interaction: P\n*Contact Pair, interaction=Smooth, small sliding\nB.Bottom, A.Top\n");
  EXPECT_EQ(Step(deck, "S1"),
            std::string(kHeading) + "** Interaction: P\n*Model Change, type=CONTACT PAIR, remove\nB.Bottom, A.Top\n");
  EXPECT_EQ(Step(deck, "S2"), std::string(kHeading) +
                                  "** Interaction: P\n*Model Change, type=CONTACT PAIR, add\nB.Bottom, A.Top\n"
                                  "*Contact Interference, amplitude=Ramp\nB.Bottom, A.Top, 0.01\n");
  // The friction of the property the pair was defined with takes the new
  // property's values.
  EXPECT_EQ(Step(deck, "S3"),
            std::string(kHeading) + "** Interaction: P\n*Change Friction, interaction=Smooth\n*Friction\n 0.5,\n");
  EXPECT_EQ(Step(deck, "S4"),
            std::string(kHeading) + "** Interaction: P\n*Model Change, type=CONTACT PAIR, remove\nB.Bottom, A.Top\n");
}

TEST(InteractionModelFile, InterferenceFromTheInitialStepIsStatedInTheFirstAnalysisStep) {
  const std::string deck = DeckOf(WithInteractions(R"({"name": "P", "kind": "contact pair", "property": "Rough",
      "shrink": true, )" + kPair + "}"));
  EXPECT_EQ(Step(deck, "S1"), std::string(kHeading) +
                                  "** Interaction: P\n*Contact Interference, shrink\nB.Bottom, A.Top\n");
  EXPECT_EQ(Step(deck, "S2"), "");
}

TEST(InteractionModelFile, ContactControlsWhenNamedAndTheirReset) {
  // From the initial step: the controls go to the first analysis step; reset
  // when they are no longer named. Default controls in the step the pair is
  // created in are not written.
  const std::string deck = DeckOf(WithInteractions(R"({"name": "P", "kind": "contact pair", "property": "Rough",
      "contactControls": "Stab", "changes": [{"step": "S2", "reset": ["contactControls"]}], )" + kPair + R"(},
      {"name": "Q", "kind": "self contact", "createdIn": "S3", "property": "Rough", "contactControls": "Plain",
       "surface": {"set": "Top", "instance": "B"}})"));
  EXPECT_EQ(Step(deck, "S1"), std::string(kHeading) +
                                  "** Contact Controls for Interaction: P\n"
                                  "*Contact Controls, master=A.Top, slave=B.Bottom, stabilize=0.1\n"
                                  "** Interaction: Q\n*Model Change, type=CONTACT PAIR, remove\nB.Top, \n");
  EXPECT_EQ(Step(deck, "S2"), std::string(kHeading) +
                                  "** Contact Controls for Interaction: P\n"
                                  "*Contact Controls, master=A.Top, slave=B.Bottom, reset\n");
  EXPECT_EQ(Step(deck, "S3"),
            std::string(kHeading) + "** Interaction: Q\n*Model Change, type=CONTACT PAIR, add\nB.Top, \n");
}

TEST(InteractionModelFile, NodeSetSlaveBecomesANodeBasedSurface) {
  const std::string deck = DeckOf(WithInteractions(R"({"name": "P", "kind": "contact pair", "property": "Rough",
      "slave": {"set": "Base", "instance": "B"}, "master": {"set": "Top", "instance": "A"}, "clearance": 0.002})"));
  EXPECT_NE(deck.find("*Surface, type=NODE, name=B_Base_CNS_\nB.Base, 1.\n*End Assembly\n"), std::string::npos) << deck;
  EXPECT_NE(deck.find("*Contact Pair, interaction=Rough\nB_Base_CNS_, A.Top\n"), std::string::npos) << deck;
  EXPECT_NE(deck.find("*Clearance, master=A.Top, slave=B_Base_CNS_, value=0.002\n"), std::string::npos) << deck;
}

TEST(InteractionModelFile, ExplicitPairDefinedRedefinedAndDeleted) {
  const std::string deck = DeckOf(WithInteractions(R"({"name": "X", "kind": "explicit contact pair", "createdIn": "S1",
      "property": "Rough", "contactControls": "Fast", "changes": [{"step": "S2", "mechanicalConstraint": "penalty"}],
      "deactivatedIn": "S3", )" + kPair + "}"));
  EXPECT_EQ(Step(deck, "S1"), std::string(kHeading) +
                                  "** Interaction: X\n*Contact Pair, interaction=Rough, cpset=X\nB.Bottom, A.Top\n"
                                  "*Contact Controls, cpset=X, fastlocaltrk=NO\n");
  EXPECT_EQ(Step(deck, "S2"), std::string(kHeading) +
                                  "** Interaction: X\n*Contact Pair, op=DELETE, cpset=X\nB.Bottom, A.Top\n"
                                  "*Contact Pair, interaction=Rough, mechanical constraint=PENALTY, cpset=X\n"
                                  "B.Bottom, A.Top\n*Contact Controls, cpset=X, fastlocaltrk=NO\n");
  EXPECT_EQ(Step(deck, "S3"),
            std::string(kHeading) + "** Interaction: X\n*Contact Pair, op=DELETE, cpset=X\nB.Bottom, A.Top\n");
  EXPECT_EQ(Step(deck, "S4"), "");
}

// ---------------------------------------------------------------------------
// Step-dependent interactions

TEST(InteractionModelFile, FilmDeactivatedInTheSecondStepRestatesItsGroup) {
  const std::string deck = DeckOf(WithInteractions(R"(
      {"name": "F1", "kind": "film", "createdIn": "S1", "region": {"set": "Top", "instance": "A"},
       "sinkTemperature": 20, "filmCoefficient": 5},
      {"name": "F2", "kind": "film", "createdIn": "S1", "region": {"set": "Top", "instance": "B"},
       "sinkTemperature": 20, "filmCoefficient": 12.5, "amplitude": "Ramp", "deactivatedIn": "S2"},
      {"name": "F3", "kind": "film", "createdIn": "S1", "definition": "property", "region": {"set": "Bottom", "instance": "A"},
       "sinkTemperature": 30, "filmProperty": "Air"})"));
  EXPECT_EQ(Step(deck, "S1"), std::string(kHeading) +
                                  "** Interaction: F1\n*Sfilm\nA.Top, F, 20., 5.\n"
                                  "** Interaction: F2\n*Sfilm, amplitude=Ramp\nB.Top, F, 20., 12.5\n"
                                  "** Interaction: F3\n*Sfilm\nA.Bottom, F, 30., Air\n");
  EXPECT_EQ(Step(deck, "S2"), std::string(kHeading) +
                                  "** Interaction: F1\n*Sfilm, op=NEW\nA.Top, F, 20., 5.\n"
                                  "** Interaction: F2\n*Sfilm, op=NEW\n"
                                  "** Interaction: F3\n*Sfilm, op=NEW\nA.Bottom, F, 30., Air\n");
  EXPECT_EQ(Step(deck, "S3"), "");
}

TEST(InteractionModelFile, GeneralContactWrittenWhereCreatedAndRemovedAlone) {
  const std::string deck = DeckOf(WithInteractions(R"({"name": "G", "kind": "general contact", "createdIn": "S1",
      "allExterior": true, "exclusions": [{"first": {"set": "Top", "instance": "A"}, "second": {"set": "Bottom", "instance": "B"}}],
      "propertyAssignments": [{"property": "Smooth"}, {"first": {"set": "Top", "instance": "A"}, "property": "Rough"}],
      "deactivatedIn": "S3"})"));
  EXPECT_EQ(Step(deck, "S1"), std::string(kHeading) +
                                  "** Interaction: G\n*Contact\n*Contact Inclusions, ALL EXTERIOR\n"
                                  "*Contact Exclusions\nA.Top, B.Bottom\n"
                                  "*Contact property assignment\n, , Smooth\nA.Top, , Rough\n");
  EXPECT_EQ(Step(deck, "S2"), "");
  EXPECT_EQ(Step(deck, "S3"), std::string(kHeading) + "*Contact, op=NEW\n");
  EXPECT_EQ(Step(deck, "S4"), "");
}

TEST(InteractionModelFile, CavityRadiationOverItsStatuses) {
  const std::string deck = DeckOf(WithInteractions(R"({"name": "Oven", "kind": "cavity radiation",
      "surfaces": [{"set": "Top", "instance": "A"}], "ambientTemperature": 300, "blocking": "all",
      "changes": [{"step": "S2", "range": 5}], "deactivatedIn": "S3"})"));
  const std::string initial = test::InitialStep(deck);
  EXPECT_EQ(initial.substr(initial.find(kHeading)),
            std::string(kHeading) + "** Interaction: Oven\n*Cavity Definition, name=Oven, ambient temp=300.\nA.Top\n");
  // Carried into the first analysis step: stated there; changed in S2; off
  // once deactivated and in every step after.
  EXPECT_EQ(Step(deck, "S1"),
            std::string(kHeading) + "** Interaction: Oven\n*Radiation Viewfactor, cavity=Oven, blocking=ALL\n");
  EXPECT_EQ(Step(deck, "S2"),
            std::string(kHeading) + "** Interaction: Oven\n*Radiation Viewfactor, cavity=Oven, blocking=ALL, range=5.\n");
  EXPECT_EQ(Step(deck, "S3"), std::string(kHeading) + "** Interaction: Oven\n*Radiation Viewfactor, cavity=Oven, off\n");
  EXPECT_EQ(Step(deck, "S4"), std::string(kHeading) + "** Interaction: Oven\n*Radiation Viewfactor, cavity=Oven, off\n");
}

TEST(InteractionModelFile, ImpedanceOnceAndConcentratedConditions) {
  const std::string deck = DeckOf(WithInteractions(R"(
      {"name": "I", "kind": "acoustic impedance", "createdIn": "S1", "region": {"set": "Top", "instance": "A"},
       "property": "Wall", "deactivatedIn": "S3"},
      {"name": "C", "kind": "concentrated film", "createdIn": "S2", "region": {"set": "Base", "instance": "A"},
       "sinkTemperature": 20, "filmCoefficient": 5, "regionType": "sliding"},
      {"name": "R", "kind": "concentrated radiation", "createdIn": "S2", "region": {"set": "Base", "instance": "B"},
       "ambientTemperature": 300, "emissivity": 0.8, "deactivatedIn": "S4"},
      {"name": "W", "kind": "incident wave", "createdIn": "S1", "region": {"set": "Top", "instance": "B"},
       "sourcePoint": [0, 0, -10], "standoffPoint": [0, 0, -1], "amplitude": "Ramp"})"));
  EXPECT_EQ(Step(deck, "S1"), std::string(kHeading) +
                                  "** Interaction: I\n*Simpedance, property=Wall\nA.Top\n"
                                  "** Interaction: W\n*Incident wave interaction, pressure amplitude=Ramp\n"
                                  "B.Top, 0., 0., -10., 0., 0., -1.\n");
  EXPECT_EQ(Step(deck, "S2"), std::string(kHeading) +
                                  "** Interaction: C\n*Cfilm, region type=SLIDING\nA.Base, 20., 5.\n"
                                  "** Interaction: R\n*Cradiate\nB.Base, 300., 0.8\n");
  EXPECT_EQ(Step(deck, "S3"), std::string(kHeading) + "** Interaction: I\n*Simpedance, op=NEW\n");
  EXPECT_EQ(Step(deck, "S4"), std::string(kHeading) + "** Interaction: R\n*Cradiate, op=NEW\n");
}

// ---------------------------------------------------------------------------
// Refusals

std::string WithProperty(const std::string& property) {
  return Model("").replace(Model("").find(R"("interactionProperties": [)") + 26, 0, property + ",\n    ");
}

TEST(InteractionModelFile, RefusesUnknownSurfacesAndProperties) {
  const std::string pair = R"({"name": "P", "kind": "contact pair", )";
  test::ExpectRefusals({
      {WithInteractions(pair + R"("property": "Rough", "slave": {"set": "Side", "instance": "B"},
                                  "master": {"set": "Top", "instance": "A"}})"),
       "model.unknown-reference", "/interactions/0/slave/set", "instance \"B\" has no set named \"Side\""},
      {WithInteractions(pair + R"("property": "Rough", "slave": {"set": "Bottom", "instance": "B"},
                                  "master": {"set": "Base", "instance": "A"}})"),
       "model.type", "/interactions/0/master/set", "\"Base\" is a node set; expected a surface"},
      {WithInteractions(pair + R"("property": "Sticky", )" + kPair + "}"), "model.unknown-reference",
       "/interactions/0/property", "no interaction property named \"Sticky\""},
      {WithInteractions(pair + R"("property": "Air", )" + kPair + "}"), "model.type", "/interactions/0/property",
       "\"Air\" is not a contact property"},
      {WithInteractions(pair + kPair + "}"), "model.missing-member", "/interactions/0",
       "names its contact property"},
      {WithInteractions(pair + R"("property": "Rough", "changes": [{"step": "S2", "reset": ["property"]}], )" +
                        kPair + "}"),
       "model.missing-member", "/interactions/0", "\"property\" cannot be reset"},
      {WithInteractions(pair + R"("property": "Rough", "contactControls": "Fast", )" + kPair + "}"), "model.type",
       "/interactions/0/contactControls", "\"Fast\" is not standard contact controls"},
      {WithInteractions(R"({"name": "F", "kind": "film", "region": {"set": "Top", "instance": "A"},
                            "sinkTemperature": 20, "filmCoefficient": 5})"),
       "model.step", "/interactions/0", "a film is created in an analysis step"},
      {WithInteractions(R"({"name": "F", "kind": "film", "createdIn": "S1", "region": {"set": "Top", "instance": "A"},
                            "sinkTemperature": 20, "filmCoefficient": 5, "filmAmplitude": "Steep"})"),
       "model.unknown-reference", "/interactions/0/filmAmplitude", "no amplitude named \"Steep\""},
      {WithProperty(R"({"name": "Custom", "kind": "contact", "friction": {"form": "user", "properties": [1]}})")
           + R"(, "interactions": [)" + pair + R"("property": "Rough", "changes":
               [{"step": "S2", "property": "Custom"}], )" + kPair + "}]",
       "model.unsupported", "/interactions/0", "cannot change to a user friction (property \"Custom\", step \"S2\")"},
      {WithInteractions(R"({"name": "E", "kind": "elastic foundation"})"), "model.unsupported", "/interactions/0/kind",
       "an elastic foundation has no keyword in the deck"},
      {WithInteractions(R"({"name": "E", "kind": "glue"})"), "model.enum", "/interactions/0/kind",
       "unknown interaction kind \"glue\""},
  });
}

TEST(InteractionModelFile, RefusesMalformedPropertyTables) {
  test::ExpectRefusals({
      {WithProperty(R"({"name": "T", "kind": "contact", "friction": {"form": "penalty", "table": [[0.1, 1], [0.2]]}})"),
       "model.table", "/interactionProperties/0/friction/table/1", "all rows of a table have the same length"},
      {WithProperty(R"({"name": "T", "kind": "contact", "friction": {"form": "penalty"}})"), "model.missing-member",
       "/interactionProperties/0/friction", "table"},
      {WithProperty(R"({"name": "T", "kind": "contact", "friction": {"form": "rough", "table": [[0.1]]}})"),
       "model.conflict", "/interactionProperties/0/friction/table", "belongs to a friction given by a table"},
      {WithProperty(R"({"name": "T", "kind": "contact", "surfaceBehavior": {"pressureOverclosure": "exponential",
                        "table": [[100]]}})"),
       "model.table", "/interactionProperties/0/surfaceBehavior/table", "has 2 value columns; the table has 1"},
      {WithProperty(R"({"name": "T", "kind": "film", "table": [[10]], "temperatureDependency": true})"),
       "model.table", "/interactionProperties/0/table", "leaves no column for the values"},
      {WithProperty(R"({"name": "T", "kind": "contact", "gapHeatGeneration": {"fraction": 2}})"), "model.range",
       "/interactionProperties/0/gapHeatGeneration/fraction", "from 0 to 1"},
      {WithProperty(R"({"name": "Rough", "kind": "film", "table": [[1, 2]]})"), "model.duplicate-name",
       "/interactionProperties/1/name", "there is already a interaction property named \"Rough\""},
  });
}

// A step in which only an interaction is active is not empty for the check.
TEST(InteractionModelFile, AStepWithAnActiveInteractionIsNotEmpty) {
  const std::string text = "{\"format\": \"oif-model\", \"version\": 1, " + WithInteractions(R"(
      {"name": "F", "kind": "film", "createdIn": "S2", "region": {"set": "Top", "instance": "A"},
       "sinkTemperature": 20, "filmCoefficient": 5, "deactivatedIn": "S3"})") + "}";
  const mfl_CheckReport report = mfl_ModelCheck::Check(text, "c.json");
  ASSERT_TRUE(report.errors.empty()) << report.errors.front().Describe();
  std::vector<std::string> empty;
  for (const mfl_CheckWarning& warning : report.warnings)
    if (warning.Describe().find("check.empty-step") != std::string::npos) empty.push_back(warning.Describe());
  ASSERT_EQ(empty.size(), 2u);
  EXPECT_NE(empty[0].find("step 'S1' has nothing in it"), std::string::npos) << empty[0];
  EXPECT_NE(empty[1].find("step 'S4' has nothing in it"), std::string::npos) << empty[1];
}

}  // namespace
