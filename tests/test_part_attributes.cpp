// The part attributes builder on whole models: assignment blocks with their
// comments, own element sets and orientations, the hourglass rule with and
// without an explicit step, the numbering of element controls, and the
// model file's refusals of assignments and sections.
#include <gtest/gtest.h>

#include <string>

#include "exceptions/nex_Exception.h"
#include "test_support.h"

namespace {

/// The lines of a deck from `from` up to (not including) `to`.
std::string Between(const std::string& deck, const std::string& from, const std::string& to) {
  const std::size_t start = deck.find(from);
  if (start == std::string::npos) return "<" + from + " not found>";
  const std::size_t end = deck.find(to, start);
  return deck.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

/// A part of two bricks, a beam and a point mass; `attributes` are the
/// part's assignment members, `more` further top-level members.
std::string Model(const std::string& attributes, const std::string& more = "") {
  return R"("datums": [{"name": "Fibre", "kind": "rectangular"}],
    "parts": [{"name": "P", "mesh": {
      "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0, 0,0,1, 1,0,1, 1,1,1, 0,1,1, 2,0,0]},
      "elements": [{"type": "C3D8R", "nodesPerElement": 8, "labels": [1, 2], "connectivity": [1,2,3,4,5,6,7,8, 1,2,3,4,5,6,7,8]},
                   {"type": "C3D8", "nodesPerElement": 8, "labels": [5], "connectivity": [1,2,3,4,5,6,7,8]},
                   {"type": "B31", "nodesPerElement": 2, "labels": [3], "connectivity": [2, 9]},
                   {"type": "MASS", "nodesPerElement": 1, "labels": [4], "connectivity": [9]}],
      "sets": [{"name": "Bricks", "kind": "element", "elements": [1, 2]},
               {"name": "Second", "kind": "element", "elements": [2]},
               {"name": "Full", "kind": "element", "elements": [5]},
               {"name": "Beam", "kind": "element", "elements": [3]},
               {"name": "Point", "kind": "element", "elements": [4]}]}, )" +
         attributes + R"(}],
    "assembly": {"instances": [{"name": "P-1", "part": "P"}]},
    "materials": [{"name": "Steel", "elastic": {"table": [[210000, 0.3]]}}],
    "beamProfiles": [{"name": "Box", "kind": "box", "dimensions": [0.1, 0.05], "thickness": [0.005]}],
    "sections": [{"name": "Solid", "kind": "solid", "material": "Steel", "hourglassStiffness": [0, 0, 0]},
                 {"name": "Stiff", "kind": "solid", "material": "Steel", "hourglassStiffness": [2.5, 0, 0]},
                 {"name": "Frame", "kind": "beam", "profile": "Box", "material": "Steel"},
                 {"name": "Lump", "kind": "point", "mass": {"value": 2.5}}])" +
         more;
}

const char* kExplicitStep = R"(, "steps": [{"name": "Initial", "kind": "initial"},
                                           {"name": "Crash", "kind": "explicit dynamics", "timePeriod": 0.01}])";

TEST(PartAttributesDeck, TinyModelInFull) {
  const std::string deck = test::Deck(test::Model(Model(R"(
      "sectionAssignments": [{"region": "Full", "section": "Stiff"}, {"region": "Beam", "section": "Frame"},
                             {"region": "Point", "section": "Lump"}],
      "beamOrientations": [{"region": "Beam", "direction": [0, 1, 0]}])")));
  EXPECT_EQ(Between(deck, "*Elset, elset=Point", "*End Instance"), R"(*Elset, elset=Point
4, 
** Region: (Stiff:Full)
** Section: Stiff
*Solid Section, elset=Full, material=Steel
,
*Hourglass Stiffness
2.5, , 0., 0.
** Region: (Frame:Beam), (Beam Orientation:Beam)
** Section: Frame  Profile: Box
*Beam Section, elset=Beam, material=Steel, temperature=GRADIENTS, section=BOX
0.1, 0.05, 0.005, 0.005, 0.005, 0.005
0.,1.,0.
** Region: (Lump:Point)
** Section: Lump
*Mass, elset=Point
2.5, 
)");
  EXPECT_EQ(deck.find("ELEMENT CONTROLS"), std::string::npos);
  EXPECT_EQ(deck.find("*Section Controls"), std::string::npos);
}

TEST(PartAttributesDeck, DefaultControlsNamedWhenOtherClassesHaveTheirOwn) {
  const std::string attributes = R"(
      "sectionAssignments": [{"region": "Full", "section": "Solid"}, {"region": "Bricks", "section": "Stiff"}],
      "elementControls": [{"elementType": "C3D8R", "hourglass": "ENHANCED"}])";
  const std::string deck = test::Deck(test::Model(Model(attributes)));
  EXPECT_EQ(Between(deck, "** Region: (Solid", "*End Instance"), R"(** Region: (Solid:Full), (Controls:Default)
** Section: Solid
*Solid Section, elset=Full, material=Steel
,
** Region: (Stiff:Bricks), (Controls:EC-1)
** Section: Stiff
*Solid Section, elset=Bricks, controls=EC-1, material=Steel
,
*Hourglass Stiffness
2.5, , 0., 0.
)");
  EXPECT_EQ(Between(deck, "** \n** ELEMENT CONTROLS", "** \n** MATERIALS"), R"(** 
** ELEMENT CONTROLS
** 
*Section Controls, name=EC-1, hourglass=ENHANCED
1., 1., 1.
)");

  // With an explicit step: no hourglass stiffness at all.
  const std::string explicitDeck = test::Deck(test::Model(Model(attributes, kExplicitStep)));
  EXPECT_EQ(explicitDeck.find("*Hourglass Stiffness"), std::string::npos);
  EXPECT_NE(explicitDeck.find("*Solid Section, elset=Bricks, controls=EC-1, material=Steel\n,\n*End Instance"),
            std::string::npos);
}

TEST(PartAttributesDeck, ControlsModeZeroKeepsTheControlsOutOfTheSection) {
  const std::string deck = test::Deck(test::Model(Model(R"(
      "sectionAssignments": [{"region": "Bricks", "section": "Solid", "controlsMode": 0}],
      "elementControls": [{"elementType": "C3D8R", "distortionControl": "YES"}])")));
  EXPECT_NE(deck.find("** Region: (Solid:Bricks), (Controls:EC-1)\n** Section: Solid\n*Solid Section, elset=Bricks, "
                      "material=Steel\n"),
            std::string::npos);
  EXPECT_NE(deck.find("*Section Controls, name=EC-1, DISTORTION CONTROL=YES\n"), std::string::npos);
}

TEST(PartAttributesDeck, ElementControlsNumberingSharesEqualParametersAndDependsOnTheAnalysis) {
  const std::string attributes = R"(
      "sectionAssignments": [{"region": "Bricks", "section": "Solid"}, {"region": "Full", "section": "Solid"},
                             {"region": "Beam", "section": "Frame"}],
      "elementControls": [{"elementType": "C3D8R", "hourglass": "STIFFNESS"},
                          {"elementType": "C3D8", "hourglass": "RELAX STIFFNESS"},
                          {"elementType": "B31", "hourglass": "STIFFNESS"}])";
  // Standard: stiffness is the default, relax stiffness gets EC-1.
  std::string deck = test::Deck(test::Model(Model(attributes)));
  EXPECT_NE(deck.find("** Region: (Solid:Bricks), (Controls:Default)\n"), std::string::npos);
  EXPECT_NE(deck.find("** Region: (Solid:Full), (Controls:EC-1)\n"), std::string::npos);
  EXPECT_NE(deck.find("*Section Controls, name=EC-1, hourglass=RELAX STIFFNESS\n1., 1., 1.\n"), std::string::npos);
  EXPECT_EQ(deck.find("EC-2"), std::string::npos);
  // Explicit: relax stiffness is the default; the two stiffness classes share EC-1.
  deck = test::Deck(test::Model(Model(attributes, kExplicitStep)));
  EXPECT_NE(deck.find("** Region: (Solid:Bricks), (Controls:EC-1)\n"), std::string::npos);
  EXPECT_NE(deck.find("** Region: (Solid:Full), (Controls:Default)\n"), std::string::npos);
  EXPECT_NE(deck.find("** Region: (Frame:Beam), (Controls:EC-1)\n"), std::string::npos);
  EXPECT_EQ(Between(deck, "*Section Controls", "** \n** MATERIALS"),
            "*Section Controls, name=EC-1, hourglass=STIFFNESS\n1., 1., 1.\n");
}

TEST(PartAttributesDeck, MaterialOrientationSplitsAnAssignmentIntoOwnSets) {
  const std::string deck = test::Deck(test::Model(Model(R"(
      "sectionAssignments": [{"region": "Bricks", "section": "Solid"}],
      "materialOrientations": [{"region": "Second", "datum": "Fibre", "axis": 1, "angle": 30}])")));
  EXPECT_EQ(Between(deck, "*Orientation", "*End Instance"), R"(*Orientation, name=Ori-1
          1.,           0.,           0.,           0.,           1.,           0.
1, 30.
** Region: (Solid:Bricks), (Material Orientation:Ori-1)
*Elset, elset=_I1, internal
2, 
** Section: Solid
*Solid Section, elset=_I1, orientation=Ori-1, material=Steel
,
** Region: (Solid:Bricks)
*Elset, elset=_I2, internal
1, 
** Section: Solid
*Solid Section, elset=_I2, material=Steel
,
)");
}

TEST(PartAttributesDeck, ShellGasketMembraneAndTrussBlocks) {
  const std::string deck = test::Deck(test::Model(R"(
    "parts": [{"name": "Q", "mesh": {
      "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0]},
      "elements": [{"type": "S4R", "nodesPerElement": 4, "labels": [1], "connectivity": [1, 2, 3, 4]},
                   {"type": "M3D4", "nodesPerElement": 4, "labels": [2], "connectivity": [1, 2, 3, 4]},
                   {"type": "T3D2", "nodesPerElement": 2, "labels": [3], "connectivity": [1, 3]},
                   {"type": "GK3D4N", "nodesPerElement": 4, "labels": [4], "connectivity": [1, 2, 3, 4]}],
      "sets": [{"name": "Skin", "kind": "element", "elements": [1]}, {"name": "Film", "kind": "element", "elements": [2]},
               {"name": "Rod", "kind": "element", "elements": [3]}, {"name": "Seal", "kind": "element", "elements": [4]}]},
      "sectionAssignments": [{"region": "Skin", "section": "Laminate", "offset": 0.5},
                             {"region": "Film", "section": "Foil"}, {"region": "Rod", "section": "Wire"},
                             {"region": "Seal", "section": "Gasket"}]}],
    "assembly": {"instances": [{"name": "Q-1", "part": "Q"}]},
    "materials": [{"name": "Steel", "elastic": {"table": [[210000, 0.3]]}},
                  {"name": "Seal", "gasketMembraneElasticity": {"table": [[200, 0.4]]}}],
    "sections": [{"name": "Laminate", "kind": "compositeShell", "transverseShear": [10, 20],
                  "layers": [{"thickness": 0.1, "material": "Steel", "angle": 45}, {"thickness": 0.2, "material": "Steel"}]},
                 {"name": "Foil", "kind": "membrane", "material": "Steel", "thickness": 0.01},
                 {"name": "Wire", "kind": "truss", "material": "Steel", "area": 0.5},
                 {"name": "Gasket", "kind": "gasket", "material": "Seal", "thickness": 2}])"));
  EXPECT_EQ(Between(deck, "** Region: (Laminate", "*End Instance"), R"(** Region: (Laminate:Skin)
** Section: Laminate
*Shell Section, elset=Skin, composite, offset=0.5
0.1, 3, Steel, 45.
0.2, 3, Steel, 0.
*Transverse Shear
10., 20.
** Region: (Foil:Film)
** Section: Foil
*Membrane Section, elset=Film, material=Steel
0.01,
** Region: (Wire:Rod)
** Section: Wire
*Solid Section, elset=Rod, material=Steel
0.5,
** Region: (Gasket:Seal)
** Section: Gasket
*Gasket Section, elset=Seal, behavior=Seal
2., 0., 0., 1.
)");
}

// The writer has no form for it: refused where it is assigned, and only there.
TEST(PartAttributesFile, UnsupportedShellIsRefusedWhereItIsAssigned) {
  const std::string part = R"(
    "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0]},
                                     "elements": [{"type": "S3", "nodesPerElement": 3, "connectivity": [1, 2, 3]}],
                                     "sets": [{"name": "All", "kind": "element", "elements": [1]}]})";
  const std::string rest = R"(
    "assembly": {"instances": [{"name": "A", "part": "P"}]},
    "sections": [{"name": "Odd", "kind": "geometryShell"}])";
  test::ExpectRefusals({{part + R"(, "sectionAssignments": [{"region": "All", "section": "Odd"}]}],)" + rest,
                         "model.unsupported", "/parts/0/sectionAssignments/0/section",
                         "section \"Odd\" of kind \"geometryShell\" (Shell general section unimplemented)"}});
  EXPECT_NE(test::Deck(test::Model(part + "}]," + rest)).find("*End Assembly"), std::string::npos);
}

// ---- refusals ---------------------------------------------------------------

TEST(PartAttributesFile, RefusesUnknownReferencesAndBadValues) {
  test::ExpectRefusals({
      {Model(R"("sectionAssignments": [{"region": "Bricks", "section": "Nothing"}])"), "model.unknown-reference",
       "/parts/0/sectionAssignments/0/section", "no section named \"Nothing\""},
      {Model(R"("sectionAssignments": [{"region": "Nowhere", "section": "Solid"}])"), "model.unknown-reference",
       "/parts/0/sectionAssignments/0/region", "no element set named \"Nowhere\" in part \"P\""},
      {Model(R"("sectionAssignments": [{"region": "Bricks", "section": "Solid"}, {"region": "Second", "section": "Stiff"}])"),
       "model.conflict", "/parts/0/sectionAssignments/1/region", "element 2 already has the section of sectionAssignments/0"},
      {Model(R"("sectionAssignments": [{"region": "Bricks", "section": "Solid", "controlsMode": 3}])"), "model.range",
       "/parts/0/sectionAssignments/0/controlsMode", "expected 0, 1 or 2"},
      {Model(R"("elementControls": [{"elementType": "S4R"}])"), "model.unknown-reference",
       "/parts/0/elementControls/0/elementType", "part \"P\" has no elements of type \"S4R\""},
      {Model(R"("elementControls": [{"elementType": "C3D8R", "hourglass": "enhanced"}])"), "model.enum",
       "/parts/0/elementControls/0/hourglass", "unknown value \"enhanced\""},
      {Model(R"("materialOrientations": [{"region": "Bricks", "datum": "Warp"}])"), "model.unknown-reference",
       "/parts/0/materialOrientations/0/datum", "no datum named \"Warp\""},
      {Model(R"("beamOrientations": [{"region": "Beam", "direction": [0, 0, 0]}])"), "model.geometry",
       "/parts/0/beamOrientations/0/direction", "the direction has no length"},
      {R"("beamProfiles": [{"name": "X", "kind": "box", "dimensions": [1, 2], "thickness": [1, 2]}])",
       "model.size", "/beamProfiles/0/thickness", "expected 1 or 4 numbers, found 2"},
      {R"("beamProfiles": [{"name": "Y", "kind": "Z", "dimensions": [1]}])", "model.enum", "/beamProfiles/0/kind",
       "unknown beam profile kind \"Z\""},
      {R"("materials": [{"name": "M"}], "sections": [{"name": "B", "kind": "beam", "profile": "None", "material": "M"}])",
       "model.unknown-reference", "/sections/0/profile", "no beam profile named \"None\""},
      {R"("sections": [{"name": "S", "kind": "solid", "material": "Lead"}])", "model.unknown-reference",
       "/sections/0/material", "no material named \"Lead\""},
      {R"("materials": [{"name": "M"}], "sections": [{"name": "C", "kind": "compositeShell", "layers": [{"thickness": 1, "material": "N"}]}])",
       "model.unknown-reference", "/sections/0/layers/0/material", "no material named \"N\""},
      {R"("materials": [{"name": "M"}], "sections": [{"name": "S", "kind": "shell", "material": "M", "integrationRule": "LOBATTO"}])",
       "model.enum", "/sections/0/integrationRule", "expected one of: \"SIMPSON\", \"GAUSS\""},
  });
}

TEST(PartAttributesFile, SecondInstanceOfAPartGetsItsOwnRegions) {
  const odb_Odb odb = test::Model(R"(
    "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
                                     "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 2]}],
                                     "sets": [{"name": "All", "kind": "element", "elements": [1]}]},
               "sectionAssignments": [{"region": "All", "section": "Rod"}]}],
    "assembly": {"instances": [{"name": "A", "part": "P"}, {"name": "B", "part": "P"}]},
    "materials": [{"name": "Steel"}],
    "sections": [{"name": "Rod", "kind": "truss", "material": "Steel"}])");
  const ddb_Model& model = odb.ddb().model("Default Model");
  const auto& a = dynamic_cast<const ddb_PartInstance&>(model.rootAssembly().instance().ConstGet("A"));
  const auto& b = dynamic_cast<const ddb_PartInstance&>(model.rootAssembly().instance().ConstGet("B"));
  ASSERT_EQ(a.sectionAssignments().size(), 1u);
  EXPECT_EQ(a.sectionAssignments()[0].region, rgnC_Region::OfMeshSet(a.mesh().index(), 0));
  EXPECT_EQ(b.sectionAssignments()[0].region, rgnC_Region::OfMeshSet(b.mesh().index(), 0));
  EXPECT_NE(a.mesh().index(), b.mesh().index());
  const std::string deck = test::Deck(odb);
  const std::string block = "** Region: (Rod:All)\n** Section: Rod\n*Solid Section, elset=All, material=Steel\n1.,\n";
  const std::size_t first = deck.find(block);
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(deck.find(block, first + 1), std::string::npos);
}

}  // namespace
