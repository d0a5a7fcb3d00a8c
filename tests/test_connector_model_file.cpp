// Connectors from the model file to the deck: wires, sections, orientations
// and behaviours where the deck places them, and the refusals of the reader.
#include <gtest/gtest.h>

#include <set>

#include "modelfile/mfl_Connectors.h"
#include "oif/impl/oif_NewConnectorSection.h"
#include "test_support.h"

namespace {

/// Two instances of a four-node plate, a reference point 100 and the given
/// connectors (and further members).
std::string Members(const std::string& connectors, const std::string& more = "") {
  return R"("datums": [{"name": "Hinge axis", "kind": "rectangular"}, {"name": "Latch", "kind": "rectangular"}],
    "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0]}}}],
    "assembly": {"instances": [{"name": "A", "part": "P"}, {"name": "B", "part": "P"}],
                 "mesh": {"nodes": {"labels": [100], "coordinates": [2, 1, 0]}},
                 "sets": [{"name": "Taken", "kind": "element"}]},
    "connectors": )" + connectors + more;
}

/// The text from the first `from` up to (not including) the next `to`.
std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t start = text.find(from);
  if (start == std::string::npos) return "(no " + from + ")";
  return text.substr(start, text.find(to, start) - start);
}

const char* const kTwoWires = R"({
    "behaviors": [{"name": "Spring",
      "derivedComponents": [{"name": "Radial", "components": [1, 2]}],
      "options": [{"kind": "elasticity", "components": [4], "table": [[150]]},
                  {"kind": "friction", "component": 4, "contactForce": "Radial", "table": [[100]],
                   "potential": {"terms": [{"derived": "Radial"}]}},
                  {"kind": "damage", "component": 4, "table": [[200]],
                   "potential": {"terms": [{"derived": "Radial"}]}}]}],
    "sections": [{"name": "Hinge", "connection": "hinge", "behavior": "Spring"},
                 {"name": "Rope", "connection": {"translational": "axial"}}],
    "wires": [{"name": "Hinges", "section": "Hinge", "points": [["A.2", "B.1"], ["A.3", "B.4"]],
               "orientation": {"first": {"datum": "Hinge axis"}, "second": "sameAsFirst"}},
              {"name": "Latches", "section": "Hinge", "points": [[100, "B.3"]], "labels": [20],
               "orientation": {"first": {"datum": "Latch", "axis": 3, "angle": 30}, "second": {"datum": "Hinge axis"}}},
              {"name": "Ropes", "section": "Rope", "points": [["A.4", "B.3"]]}]})";

TEST(ConnectorDeck, WiresSectionsAndOrientationsAtAssemblyLevel) {
  const std::string deck = test::Deck(test::Model(Members(kTwoWires)));
  // Each assignment: its wires, then its section; the orientations of the
  // second wire entry are named after its place among the orientations (1).
  EXPECT_EQ(Between(deck, "*Element, type=CONN3D2", "*Elset"), R"(*Element, type=CONN3D2
1, A.2, B.1
2, A.3, B.4
*Connector Section, elset=Hinges, behavior=Spring
Hinge,
"Hinge axis",
*Element, type=CONN3D2
20, 100, B.3
*Connector Section, elset=Latches, behavior=Spring
Hinge,
Latch_ConnOri-1-1_, "Hinge axis"
*Element, type=CONN3D2
21, A.4, B.3
*Connector Section, elset=Ropes
Axial,
)");
  EXPECT_EQ(Between(deck, "*Orientation", "*End Assembly"), R"(*Orientation, name="Hinge axis"
          1.,           0.,           0.,           0.,           1.,           0.
*Orientation, name=Latch_ConnOri-1-1_
          1.,           0.,           0.,           0.,           1.,           0.
3, 30.
)");
  // The wires form element sets of the assembly that other keywords can cite.
  EXPECT_NE(deck.find("*Elset, elset=Latches\n20, \n"), std::string::npos);
}

TEST(ConnectorDeck, EachBehaviourOnceWithItsDerivedComponentsLast) {
  const std::string deck = test::Deck(test::Model(Members(kTwoWires)));
  // Two assignments of one section, one cited derived component used by two
  // options: each written once; a section without behaviour writes none.
  EXPECT_EQ(Between(deck, "*Connector Behavior", "** \n** MATERIALS"), R"(*Connector Behavior, name=Spring
*Connector Elasticity, component=4
150.,
*Connector Friction, component=4, contact force=Radial
100.,
*Friction
*Connector Potential
Radial, , ABS, 1.0
*Connector Damage Initiation, component=4
200.,
*Connector Potential
Radial, , ABS, 1.0
*Connector Derived Component, name=Radial
1, 2
)");
}

TEST(ConnectorDeck, WiresWithoutReferencePointsGiveTheAssemblyAMeshOfWiresOnly) {
  const std::string deck = test::Deck(test::Model(
      R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]}}}],
         "assembly": {"instances": [{"name": "A", "part": "P"}, {"name": "B", "part": "P"}]},
         "connectors": {"sections": [{"name": "Weld", "connection": "weld"}],
                        "wires": [{"name": "W", "section": "Weld", "points": [["A.1", "B.2"]]}]})"));
  EXPECT_EQ(Between(deck, "*End Instance\n*Element", "*Elset"), R"(*End Instance
*Element, type=CONN3D2
1, A.1, B.2
*Connector Section, elset=W
Weld,
)");
}

/// Wires of the assembly's mesh, in an element set of the assembly, and a
/// set of an instance's elements.
std::string SetMembers(const std::string& wires) {
  return R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
                        "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 2]}]}}],
      "assembly": {"instances": [{"name": "A", "part": "P"}],
        "mesh": {"nodes": {"labels": [100], "coordinates": [2, 1, 0]},
                 "elements": [{"type": "CONN3D2", "nodesPerElement": 2, "labels": [5], "connectivity": [100, "A.1"]}]},
        "sets": [{"name": "Spot", "kind": "element", "subsets": [{"elements": [5]}]},
                 {"name": "Bar", "kind": "element", "subsets": [{"instance": "A", "elements": [1]}]}]},
      "connectors": {"sections": [{"name": "J", "connection": {"translational": "join"}}], "wires": )" +
         wires + "}";
}

TEST(ConnectorDeck, AnElementSetOfTheAssemblysWiresTakesASection) {
  const std::string deck = test::Deck(test::Model(SetMembers(R"([{"set": "Spot", "section": "J"}])")));
  EXPECT_EQ(Between(deck, "*Element, type=CONN3D2", "*Elset"), R"(*Element, type=CONN3D2
5, 100, A.1
*Connector Section, elset=Spot
Join,
)");
}

TEST(ConnectorModelFile, Refusals) {
  const std::string hinge = R"("sections": [{"name": "H", "connection": "hinge"}])";
  const auto wire = [&](const std::string& points) {
    return Members("{" + hinge + R"(, "wires": [{"name": "W", "section": "H", "points": )" + points + "}]}");
  };
  const auto behavior = [](const std::string& body) {
    return Members(R"({"behaviors": [{"name": "Spring", )" + body +
                   R"(}], "sections": [{"name": "H", "connection": "hinge", "behavior": "Spring"}]})");
  };
  test::ExpectRefusals({
      {wire(R"([["A.9", "B.1"]])"), "model.unknown-reference", "/connectors/wires/0/points/0/0",
       "instance \"A\" has no node 9"},
      {wire(R"([["A.1", "C.1"]])"), "model.unknown-reference", "/connectors/wires/0/points/0/1",
       "no part instance named \"C\""},
      {wire(R"([[7, "B.1"]])"), "model.unknown-reference", "/connectors/wires/0/points/0/0",
       "no reference point (node of its own mesh) 7"},
      {wire(R"([[100, 7]])"), "model.unknown-reference", "/connectors/wires/0/points/0/1", "reference point"},
      {wire(R"([["A.1"]])"), "model.size", "/connectors/wires/0/points/0", "two points"},
      {wire(R"([["A", "B.1"]])"), "model.type", "/connectors/wires/0/points/0/0", "INSTANCE.LABEL"},
      {Members("{" + hinge + R"(, "wires": [{"name": "Taken", "section": "H", "points": [["A.1", "B.1"]]}]})"),
       "model.duplicate-name", "/connectors/wires/0/name", "element set named \"Taken\""},
      {Members(R"({"wires": [{"name": "W", "section": "Nope", "points": [["A.1", "B.1"]]}]})"),
       "model.unknown-reference", "/connectors/wires/0/section", "no connector section named \"Nope\""},
      {Members("{" + hinge + R"(, "wires": [{"name": "W", "section": "H", "points": [["A.1", "B.1"]],
          "orientation": {"first": {"datum": "Nowhere"}}}]})"),
       "model.unknown-reference", "/connectors/wires/0/orientation/first/datum", "no datum coordinate system"},
      {SetMembers(R"([{"set": "Bar", "section": "J"}])"), "model.type", "/connectors/wires/0/set",
       "holds other elements than wires"},
      {SetMembers(R"([{"set": "Spot", "section": "J"}, {"set": "Spot", "section": "J"}])"), "model.conflict",
       "/connectors/wires/1/set", "already gives these wires their section"},
      {SetMembers(R"([{"set": "Spot", "name": "W", "section": "J"}])"), "model.conflict", "/connectors/wires/0",
       "either an element set"},
      // The deck writes the assembly's own elements only as wires with a section.
      {SetMembers("[]"), "model.unused", "/assembly/mesh/elements/0", "the wire 5 of the assembly is in no element set"},
      {Members(R"({"sections": [{"name": "H", "connection": "hinge", "behavior": "Nope"}]})"),
       "model.unknown-reference", "/connectors/sections/0/behavior", "no connector behaviour named \"Nope\""},
      {Members(R"({"sections": [{"name": "H", "connection": "door"}]})"), "model.enum",
       "/connectors/sections/0/connection", "unknown assembled connection type \"door\""},
      {Members(R"({"sections": [{"name": "H", "connection": "hinge", "slipRing": [0.5]}]})"), "model.conflict",
       "/connectors/sections/0/slipRing", "only a slipRing connection"},
      {behavior(R"("options": [{"kind": "elasticity", "components": [1], "table": [[1], [1, 2]]}])"), "model.table",
       "/connectors/behaviors/0/options/0/table/1", "all rows of a table have the same length"},
      {behavior(R"("options": [{"kind": "elasticity", "coupled": true, "components": [1, 2], "table": [[1, 2]]}])"),
       "model.table", "/connectors/behaviors/0/options/0/table", "needs 3"},
      {behavior(R"("options": [{"kind": "elasticity", "components": [1, 2], "table": [[1]]}])"), "model.table",
       "/connectors/behaviors/0/options/0/table", "needs 2"},
      {behavior(R"("options": [{"kind": "damping", "form": "rigid", "components": [1]}])"), "model.enum",
       "/connectors/behaviors/0/options/0/form", "no rigid form"},
      {behavior(R"("options": [{"kind": "stop", "components": [7], "upper": 1}])"), "model.range",
       "/connectors/behaviors/0/options/0/components/0", "from 1 to 6"},
      {behavior(R"("options": [{"kind": "stop", "components": [1], "table": [[1]]}])"), "model.unknown-member",
       "/connectors/behaviors/0/options/0/table", "unknown member 'table'"},
      {behavior(R"("options": [{"kind": "elasticity", "form": "rigid", "components": [1], "table": [[1]]}])"),
       "model.conflict", "/connectors/behaviors/0/options/0", "rigid elasticity has no table"},
      {behavior(R"("options": [{"kind": "friction", "independent": "position"}])"), "model.missing-member",
       "/connectors/behaviors/0/options/0", "needs the \"independentComponents\""},
      {behavior(R"("options": [{"kind": "spring"}])"), "model.enum", "/connectors/behaviors/0/options/0/kind",
       "unknown connector behaviour option \"spring\""},
      {behavior(R"("options": [{"kind": "friction", "contactForce": "Radial"}])"), "model.unknown-reference",
       "/connectors/behaviors/0/options/0/contactForce", "no derived component named \"Radial\""},
      {behavior(R"("derivedComponents": [{"name": "Radial", "components": [1, 2]}])"), "model.unused",
       "/connectors/behaviors/0/derivedComponents/0", "names the derived component \"Radial\""},
      {Members(R"({"behaviors": [{"name": "Spare"}]})"), "model.unused", "/connectors/behaviors/0/name",
       "no connector section uses the behaviour \"Spare\""},
      {Members(R"({"sections": [{"name": "H", "connection": "hinge"}]})",
               R"(, "materials": [{"name": "M", "density": {"table": [[1]]}}],
                  "sections": [{"name": "H", "kind": "solid", "material": "M"}])"),
       "model.duplicate-name", "/connectors/sections/0/name", "already a section named \"H\""},
  });
}

TEST(ConnectorModelFile, TheSchemaGivesEachOptionKindTheMembersTheReaderTakes) {
  const mfl::Document schema =
      mfl::Document::Load(std::string(OIF_SOURCE_DIR) + "/docs/schema/connectors.schema.json");
  const mfl::Node* defs = schema.Root().Find("$defs");
  ASSERT_NE(defs, nullptr);
  for (const kbeC_OptionInfo& info : kbeC_OptionTable()) {
    SCOPED_TRACE(info.fileName);
    const mfl::Node* kind = defs->Find(info.fileName);
    ASSERT_NE(kind, nullptr);
    std::set<std::string> inSchema;
    for (const mfl::NodeMember& member : kind->Find("properties")->members()) inSchema.insert(member.first);
    const std::vector<std::string_view> names = mfl::ConnectorOptionMemberNames(info.kind);
    EXPECT_EQ(inSchema, std::set<std::string>(names.begin(), names.end()));
  }
}

TEST(ConnectorModelFile, ConditionsCiteWiresByTheirEntrysName) {
  mfl::Document document = mfl::Document::Parse(
      "{\"format\": \"oif-model\", \"version\": 1, " + Members(kTwoWires) + "}", "test.json");
  mfl::Loader loader(document);
  const ddb_Model model = loader.Load();
  const auto cite = [&](const std::string& json) {
    mfl::Document text = mfl::Document::Parse(json, "cite.json");
    return mfl::ReadWireReference(loader, mfl::Ref(text, text.Root(), ""));
  };
  const rgnC_Region latches = cite("\"Latches\"");
  EXPECT_TRUE(latches == model.rootAssembly().sectionAssignment()[1].region);
  oif_ModelInfo info(model);
  EXPECT_EQ(oif_WireSetName(latches, info), "Latches");
  try {
    cite("\"Nowhere\"");
    ADD_FAILURE() << "accepted";
  } catch (const mfl_ModelFileError& error) {
    EXPECT_EQ(error.Id(), "model.unknown-reference");
    EXPECT_EQ(error.Problem(), "the assembly has no wires named \"Nowhere\"");
  }
}

}  // namespace
