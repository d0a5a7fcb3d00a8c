// Long node and element blocks formatted in pieces on several threads: the
// same bytes as one pass, in order, with the stream's settings.
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "mesh_test_support.h"
#include "oif/impl/oif_Element.h"
#include "oif/impl/oif_Node.h"
#include "oif/impl/oif_ParallelLines.h"
#include "textstream/aio_ios.h"

namespace {

/// Item i: its number, a small value the stream's threshold turns to 0, and
/// a line long enough to be continued when i is odd.
void Items(utl_Stream& out, std::size_t begin, std::size_t end) {
  for (std::size_t i = begin; i < end; ++i) {
    out << int(i) << ", " << 1e-30;
    if (i % 2 == 1)
      for (int k = 0; k < 8; ++k) {
        out << ", ";
        out.OptionalLineBreak();
        out << 123456;
      }
    out.LineBreak();
  }
}

/// The items written with a line limit of 40 and small values below 1e-20
/// shown as 0, after a heading, in pieces of `piece` items.
std::string Block(std::size_t count, std::size_t piece) {
  std::string text;
  aio_ios ios;
  ios.attach(text);
  utl_Stream stream(ios, 40);
  stream.SetSmallReal(1e-20);
  stream << "*Heading";
  stream.LineBreak();
  oif_WriteLinesInParallel(stream, count, Items, piece);
  stream << "** end";
  stream.LineBreak();
  stream.Flush();
  return text;
}

TEST(ParallelLines, PiecesGiveTheBytesOfOnePass) {
  const std::string whole = Block(23, 0);
  // Read from the rules of the stream: the threshold shows 1e-30 as 0., and
  // an odd item breaks after the last ", " that fits in 40 columns.
  const std::string first = "*Heading\n0, 0.\n1, 0., 123456, 123456, 123456, 123456,\n123456, 123456, 123456, 123456\n";
  EXPECT_EQ(whole.substr(0, first.size()), first);
  EXPECT_EQ(whole.substr(whole.size() - 7), "** end\n");
  for (std::size_t piece : {1, 2, 3, 7, 22, 23, 24}) EXPECT_EQ(Block(23, piece), whole) << "pieces of " << piece;
  EXPECT_EQ(Block(0, 3), "*Heading\n** end\n");
}

TEST(ParallelLines, APieceThatThrowsEndsTheBlockWithItsException) {
  std::string text;
  aio_ios ios;
  ios.attach(text);
  utl_Stream stream(ios);
  const auto failing = [](utl_Stream& out, std::size_t begin, std::size_t end) {
    if (begin <= 10 && 10 < end) throw std::runtime_error("item 10");
    Items(out, begin, end);
  };
  EXPECT_THROW(oif_WriteLinesInParallel(stream, 40, failing, 4), std::runtime_error);
  stream.Flush();
  EXPECT_EQ(text.find("\n10, "), std::string::npos);
  EXPECT_EQ(text.find("\n12, "), std::string::npos);
}

/// "%7d" and "%12s" as the node and element lines lay out their fields.
std::string Right(const std::string& text, std::size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

TEST(ParallelLines, NodeAndElementBlocksLongerThanAPieceStayInOrder) {
  const int count = int(oif_LinesPerPiece) * 2 + 5;
  std::string coordinates, connectivity, nodeLines, elementLines;
  const int width = int(std::to_string(count).size());
  for (int i = 1; i <= count; ++i) {
    coordinates += (i == 1 ? "" : ", ") + std::to_string(i) + ", 0.5, -2";
    connectivity += (i == 1 ? "" : ", ") + std::to_string(i) + ", " + std::to_string(count + 1 - i);
    nodeLines += Right(std::to_string(i), 7) + ", " + Right(std::to_string(i) + ".", 12) + ", " +
                 Right("0.5", 12) + ", " + Right("-2.", 12) + "\n";
    // Node labels in a field one wider than the largest label's digits.
    elementLines += Right(std::to_string(i), std::size_t(width)) + "," + Right(std::to_string(i), std::size_t(width) + 1) +
                    "," + Right(std::to_string(count + 1 - i), std::size_t(width) + 1) + "\n";
  }
  test::Loaded model(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [)" + coordinates +
                     R"(]}, "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [)" + connectivity +
                     R"(]}]}}], "assembly": {"instances": [{"name": "I", "part": "P"}]})");
  EXPECT_EQ(test::Print(oif_Node(model.Instance("I"), model.info)), "*Node\n" + nodeLines);
  EXPECT_EQ(test::Print(oif_ElementFromMesh(model.Instance("I"), model.info)),
            "*Element, type=T3D2\n" + elementLines);
}

}  // namespace
