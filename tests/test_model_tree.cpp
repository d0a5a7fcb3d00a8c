// Models loaded from a JSON tree made in memory (the Python package's path):
// the same model as from the text, errors at their pointer without a line.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using mfl::Node;

Node Text(std::string value) {
  Node node;
  node.kind_ = Node::Kind::String;
  node.s_ = std::move(value);
  return node;
}

Node Int(std::int64_t value) {
  Node node;
  node.kind_ = Node::Kind::Int;
  node.i_ = value;
  return node;
}

Node Object(std::vector<mfl::NodeMember> members) {
  Node node;
  node.kind_ = Node::Kind::Object;
  node.members_ = std::move(members);
  return node;
}

Node Array(std::vector<Node> elements) {
  Node node;
  node.kind_ = Node::Kind::Array;
  node.elements_ = std::move(elements);
  return node;
}

/// The tree of a beam of two nodes, as the parser builds it from kBeam.
Node BeamTree(Node coordinates) {
  Node connectivity;
  connectivity.kind_ = Node::Kind::IntArray;
  connectivity.ints_ = {1, 2};
  Node elements = Array({Object({{"type", Text("B31")}, {"nodesPerElement", Int(2)},
                                 {"connectivity", std::move(connectivity)}})});
  Node mesh = Object({{"nodes", Object({{"coordinates", std::move(coordinates)}})}, {"elements", std::move(elements)}});
  return Object({{"format", Text("oif-model")}, {"version", Int(1)},
                 {"parts", Array({Object({{"name", Text("Beam")}, {"mesh", std::move(mesh)}})})},
                 {"assembly", Object({{"instances", Array({Object({{"name", Text("Beam-1")}, {"part", Text("Beam")}})})}})}});
}

const char* const kBeam = R"({"format": "oif-model", "version": 1,
  "parts": [{"name": "Beam", "mesh": {"nodes": {"coordinates": [0, 0, 0, 2.5, 0, 0]},
             "elements": [{"type": "B31", "nodesPerElement": 2, "connectivity": [1, 2]}]}}],
  "assembly": {"instances": [{"name": "Beam-1", "part": "Beam"}]}})";

Node Reals(std::vector<double> values) {
  Node node;
  node.kind_ = Node::Kind::RealArray;
  node.reals_ = std::move(values);
  return node;
}

TEST(ModelTree, LoadsTheModelOfTheSameText) {
  const odb_Odb fromTree =
      mfl_ModelFile::FromDocument(mfl::Document::FromTree(BeamTree(Reals({0, 0, 0, 2.5, 0, 0})), "<model>"));
  EXPECT_EQ(test::Deck(fromTree), test::Deck(mfl_ModelFile::Parse(kBeam, "beam.json")));
}

TEST(ModelTree, RefusesAtThePointerWithoutLineAndColumn) {
  Node tree = BeamTree(Reals({0, 0, 0, 2.5, 0}));  // one coordinate short
  try {
    mfl_ModelFile::FromDocument(mfl::Document::FromTree(std::move(tree), "<model>"));
    FAIL() << "loaded";
  } catch (const mfl_ModelFileError& error) {
    EXPECT_EQ(error.Id(), "model.size");
    EXPECT_EQ(error.Pointer(), "/parts/0/mesh/nodes/coordinates");
    EXPECT_EQ(error.LineNumber(), 0u);
    EXPECT_EQ(error.Column(), 0u);
    EXPECT_EQ(error.Describe().rfind("<model>: error [model.size] at /parts/0/mesh/nodes/coordinates: ", 0), 0u)
        << error.Describe();
  }
  Node unknown = BeamTree(Reals({0, 0, 0, 2.5, 0, 0}));
  unknown.members_.push_back({"colour", Text("red")});
  try {
    mfl_ModelFile::FromDocument(mfl::Document::FromTree(std::move(unknown), "<model>"));
    FAIL() << "loaded";
  } catch (const mfl_ModelFileError& error) {
    EXPECT_EQ(error.Id(), "model.unknown-member");
    EXPECT_EQ(error.Pointer(), "/colour");
  }
}

}  // namespace
