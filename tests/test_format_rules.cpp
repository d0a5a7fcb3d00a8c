// Format rules at their edges, where a small slip changes the deck: the
// keyword-line limit at exactly 131 characters, instance rotations of more
// than half a turn and about axes with a y component, the six significant
// digits of single-value material options, and the default beam direction.
#include <gtest/gtest.h>

#include <string>

#include "material_support.h"
#include "mesh_test_support.h"
#include "oif/impl/oif_Instance.h"

namespace {

std::string Repeat(char c, int count) { return std::string(std::size_t(count), c); }

// The job's keyword-line limit is 131 characters: a line of exactly 131 stays
// whole, a line that grows past it breaks at its last candidate.

TEST(KeywordLineLimit, LineEndingAtExactly131CharactersStaysWhole) {
  // "*K, " + 127 characters = 131.
  EXPECT_EQ(test::Written([](utl_Stream& s) {
              s << "*K, ";
              s.OptionalLineBreak();
              s << Repeat('b', 127) << endl;
            }),
            "*K, " + Repeat('b', 127) + "\n");
  EXPECT_EQ(test::Written([](utl_Stream& s) {
              s << "*K, ";
              s.OptionalLineBreak();
              s << Repeat('b', 128) << endl;
            }),
            "*K,\n" + Repeat('b', 128) + "\n");
}

TEST(KeywordLineLimit, CandidateWhereTheLineWouldEndAtExactly131Characters) {
  // At the second candidate the line would end "*K, aaa...a," = 4 + 126 + 1 =
  // 131 characters: no break yet. The "b" then takes the line past the limit,
  // and it breaks at that second candidate.
  const auto keyword = [](int as) {
    return test::Written([as](utl_Stream& s) {
      s << "*K, ";
      s.OptionalLineBreak();
      s << Repeat('a', as) << ", ";
      s.OptionalLineBreak();
      s << "b" << endl;
    });
  };
  EXPECT_EQ(keyword(126), "*K, " + Repeat('a', 126) + ",\nb\n");
  // One more "a" and the line would already end past the limit there: it
  // breaks at the first candidate.
  EXPECT_EQ(keyword(127), "*K,\n" + Repeat('a', 127) + ", b\n");
}

TEST(KeywordLineLimit, TrailingSeparatorAtExactly131CharactersIsKept) {
  // Nothing but the blank of ", " after the last candidate: the line is cut
  // to its "," only when it is too long.
  const auto keyword = [](int as) {
    return test::Written([as](utl_Stream& s) {
      s << "*K, " << Repeat('a', as) << ", ";
      s.OptionalLineBreak();
      s << endl;
    });
  };
  EXPECT_EQ(keyword(125), "*K, " + Repeat('a', 125) + ", \n");  // 131 characters
  EXPECT_EQ(keyword(126), "*K, " + Repeat('a', 126) + ",\n");   // 132 cut to 131
}

TEST(KeywordLineLimit, FlushInsideALineOfExactly131Characters) {
  // After a flush the line so far is final; it is broken first only when it
  // is already too long.
  const auto keyword = [](int bs) {
    return test::Written([bs](utl_Stream& s) {
      s << "*K, ";
      s.OptionalLineBreak();
      s << Repeat('b', bs);
      s.Flush();
      s << endl;
    });
  };
  EXPECT_EQ(keyword(127), "*K, " + Repeat('b', 127) + "\n");
  EXPECT_EQ(keyword(128), "*K,\n" + Repeat('b', 128) + "\n");
}

// *Instance rotation lines: a point on the axis, a second point one unit
// along the axis, and the angle in degrees, each by Print(double, 12, 15).
// Any decomposition that reproduces the placement serves; this one takes the
// angle within [0, 180] and turns the axis round for larger rotations. A
// value longer than its field is written whole after the ", ".

std::string InstanceLines(const std::string& placement) {
  test::Loaded model(R"("parts": [{"name": "P"}], "assembly": {"instances": [{"name": "I", "part": "P", )" +
                     placement + "}]}");
  return test::Print(oif_Instance(model.Instance("I")));
}

TEST(InstanceRotation, MoreThanHalfATurnIsTheRestAboutTheOppositeAxis) {
  // 4 rad about +z = 2 pi - 4 rad about -z; (2 pi - 4) * 180 / pi =
  // 360 - 720 / pi = 130.81688194767...
  EXPECT_EQ(InstanceLines(R"("rotation": [0, 0, 4.0])"), R"(*Instance, name=I, part=P
          0.,           0.,           0.
          0.,           0.,           0.,           0.,           0.,          -1., 130.816881947671
)");
}

TEST(InstanceRotation, AxisWithAYComponent) {
  // 3 rad about +y: 3 * 180 / pi = 171.88733853924697...
  EXPECT_EQ(InstanceLines(R"("rotation": [0, 3.0, 0])"), R"(*Instance, name=I, part=P
          0.,           0.,           0.
          0.,           0.,           0.,           0.,           1.,           0., 171.887338539247
)");
  // |(0, 0.75, 1)| = 1.25 rad = 71.619724391352917...; axis (0, 0.6, 0.8)
  // through the moved origin (1, 2, 3), so the second point is (1, 2.6, 3.8).
  EXPECT_EQ(InstanceLines(R"("translation": [1, 2, 3], "rotation": [0, 0.75, 1.0])"), R"(*Instance, name=I, part=P
          1.,           2.,           3.
          1.,           2.,           3.,           1.,          2.6,          3.8, 71.6197243913529
)");
}

// Single-value material options print their value with width 12 and
// precision 6, then ",".

TEST(SingleValueOption, SixSignificantDigits) {
  kmaC_MaterialOption fraction(kmaC_OptionKind::InelasticHeatFraction);
  fraction.Set(kmaC_Attr::Fraction, 0.123456);
  EXPECT_EQ(mtest::Write(fraction), "*Inelastic Heat Fraction\n    0.123456,\n");
  fraction.Set(kmaC_Attr::Fraction, 0.12345678);
  EXPECT_EQ(mtest::Write(fraction), "*Inelastic Heat Fraction\n    0.123457,\n");
  kmaC_MaterialOption joule(kmaC_OptionKind::JouleHeatFraction);
  joule.Set(kmaC_Attr::Fraction, 0.987654);
  EXPECT_EQ(mtest::Write(joule), "*Joule Heat Fraction\n    0.987654,\n");
}

// A beam section whose assignment has no beam orientation takes the
// direction 0, 0, -1 (see the decisions), written "0.,0.,-1." without blanks.

TEST(BeamDirection, DefaultWithoutABeamOrientation) {
  const std::string deck = test::Deck(test::Model(R"(
    "parts": [{"name": "P", "mesh": {
      "nodes": {"coordinates": [0,0,0, 1,0,0]},
      "elements": [{"type": "B31", "nodesPerElement": 2, "labels": [1], "connectivity": [1, 2]}],
      "sets": [{"name": "Beam", "kind": "element", "elements": [1]}]},
      "sectionAssignments": [{"region": "Beam", "section": "Frame"}]}],
    "assembly": {"instances": [{"name": "P-1", "part": "P"}]},
    "materials": [{"name": "Steel", "elastic": {"table": [[210000, 0.3]]}}],
    "beamProfiles": [{"name": "Round", "kind": "circular", "dimensions": [0.1]}],
    "sections": [{"name": "Frame", "kind": "beam", "profile": "Round", "material": "Steel"}])"));
  const std::string block = R"(** Region: (Frame:Beam)
** Section: Frame  Profile: Round
*Beam Section, elset=Beam, material=Steel, temperature=GRADIENTS, section=CIRC
0.1
0.,0.,-1.
*End Instance
)";
  EXPECT_NE(deck.find(block), std::string::npos) << deck;
}

}  // namespace
