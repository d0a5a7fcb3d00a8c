#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "modelfile/mfl_Json.h"
#include "temp_folder.h"

namespace {

using mfl::Document;
using mfl::Node;
using mfl::Ref;
using Kind = mfl::Node::Kind;

Document Parse(std::string_view text) { return Document::Parse(text, "m.json"); }

// The error thrown by parsing `text` (a failure when there is none).
mfl_ModelFileError ParseError(std::string_view text) {
  try {
    Parse(text);
  } catch (const mfl_ModelFileError& e) {
    return e;
  }
  ADD_FAILURE() << "no error for: " << text;
  return mfl_ModelFileError("none", "", "", 0, 0, "");
}

// The error thrown by `f(root)` on the document of `text`.
template <class F>
mfl_ModelFileError RefError(std::string_view text, F&& f) {
  Document doc = Parse(text);
  Ref root(doc, doc.Root(), "");
  try {
    f(root);
  } catch (const mfl_ModelFileError& e) {
    return e;
  }
  ADD_FAILURE() << "no error for: " << text;
  return mfl_ModelFileError("none", "", "", 0, 0, "");
}

std::string Where(const mfl_ModelFileError& e) {
  return e.Id() + " " + e.Pointer() + " " + std::to_string(e.LineNumber()) + ":" +
         std::to_string(e.Column()) + " " + e.Problem();
}

TEST(ModelFileJson, PackedIntArrayKeepsExactValues) {
  Document doc = Parse(R"({"labels": [1, -2, 0, 2147483647, -2147483648]})");
  const Node& labels = *doc.Root().Find("labels");
  ASSERT_EQ(labels.kind(), Kind::IntArray);
  EXPECT_EQ(labels.ints(), (std::vector<std::int32_t>{1, -2, 0, 2147483647, -2147483648}));
  EXPECT_TRUE(labels.elements().empty());
  EXPECT_TRUE(labels.reals().empty());
}

TEST(ModelFileJson, IntArraySwitchesToRealMidArray) {
  Document doc = Parse(R"({"a": [1, 2, 2.5, 3, -4e2, 5], "b": [7, 2147483648, -1], "c": [0.1, 1],
                           "d": [1, 2.0]})");
  const Node& root = doc.Root();
  ASSERT_EQ(root.Find("a")->kind(), Kind::RealArray);
  EXPECT_EQ(root.Find("a")->reals(), (std::vector<double>{1, 2, 2.5, 3, -400, 5}));
  EXPECT_TRUE(root.Find("a")->ints().empty());
  // Integers beyond int32 do not fit the packed int vector either.
  ASSERT_EQ(root.Find("b")->kind(), Kind::RealArray);
  EXPECT_EQ(root.Find("b")->reals(), (std::vector<double>{7, 2147483648.0, -1}));
  ASSERT_EQ(root.Find("c")->kind(), Kind::RealArray);
  EXPECT_EQ(root.Find("c")->reals(), (std::vector<double>{0.1, 1}));
  // "2.0" is written as a real: the array is a real array.
  EXPECT_EQ(root.Find("d")->kind(), Kind::RealArray);
}

TEST(ModelFileJson, LongArraysStayExactAcrossTheSizeEstimate) {
  // Past 64 elements the vector is sized from an estimate: the values and
  // the kind must not depend on it (narrow numbers later, switches late).
  std::string text = "{\"a\": [";
  std::vector<double> expected;
  for (int i = 0; i < 3000; ++i) {
    const bool wide = i < 100;
    const int value = wide ? 1000000 + i : i % 7;
    text += (i ? ", " : "") + std::to_string(value);
    expected.push_back(value);
    if (i == 2000) {
      text += ", 0.25";
      expected.push_back(0.25);
    }
  }
  text += "], \"b\": [";
  for (int i = 0; i < 200; ++i) text += std::to_string(i) + ", ";
  text += "\"]\", 7]}";
  Document doc = Parse(text);
  const Node& a = *doc.Root().Find("a");
  ASSERT_EQ(a.kind(), Kind::RealArray);
  EXPECT_EQ(a.reals(), expected);
  const Node& b = *doc.Root().Find("b");
  ASSERT_EQ(b.kind(), Kind::Array);
  ASSERT_EQ(b.elements().size(), 202u);
  EXPECT_EQ(b.elements()[199].integer(), 199);
  EXPECT_EQ(text.substr(b.elements()[199].offset(), 5), "199, ");
  EXPECT_EQ(b.elements()[200].string(), "]");
  EXPECT_EQ(b.elements()[201].integer(), 7);
}

TEST(ModelFileJson, EmptyArrayIsAnEmptyIntArray) {
  Document doc = Parse(R"({"e": [ ]})");
  Ref e = Ref(doc, doc.Root(), "").Get("e");
  EXPECT_EQ(e.node().kind(), Kind::IntArray);
  EXPECT_EQ(e.Size(), 0u);
  EXPECT_TRUE(e.Ints().empty());
  int calls = 0;
  e.ForEachElement([&](Ref) { ++calls; });
  EXPECT_EQ(calls, 0);
}

TEST(ModelFileJson, MixedArraysKeepEveryElement) {
  Document doc = Parse(R"([1, 2.5, "x", {"b": 1}, [3], null, true, 7])");
  const Node& root = doc.Root();
  ASSERT_EQ(root.kind(), Kind::Array);
  std::vector<Kind> kinds;
  for (const Node& e : root.elements()) kinds.push_back(e.kind());
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Int, Kind::Real, Kind::String, Kind::Object,
                                      Kind::IntArray, Kind::Null, Kind::Bool, Kind::Int}));
  EXPECT_EQ(root.elements()[0].integer(), 1);
  EXPECT_EQ(root.elements()[1].real(), 2.5);
  EXPECT_EQ(root.elements()[1].offset(), 4u);  // numbers read before the switch keep their place
  EXPECT_EQ(root.elements()[2].string(), "x");
  EXPECT_EQ(root.elements()[2].offset(), 9u);
  EXPECT_EQ(root.elements()[4].ints(), (std::vector<std::int32_t>{3}));
  EXPECT_TRUE(root.elements()[6].boolean());
  EXPECT_EQ(root.elements()[7].integer(), 7);

  // Switch from a real array: integers written as such become Int again.
  Document doc2 = Parse(R"([1.5, 2, 1e1, "x"])");
  const auto& e = doc2.Root().elements();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].kind(), Kind::Real);
  EXPECT_EQ(e[1].kind(), Kind::Int);
  EXPECT_EQ(e[1].integer(), 2);
  EXPECT_EQ(e[2].kind(), Kind::Real);
  EXPECT_EQ(e[2].real(), 10.0);
  EXPECT_EQ(e[3].string(), "x");

  // Nested number arrays stay packed inside a plain array.
  Document doc3 = Parse(R"([[1, 2], [3.5]])");
  ASSERT_EQ(doc3.Root().kind(), Kind::Array);
  EXPECT_EQ(doc3.Root().elements()[0].kind(), Kind::IntArray);
  EXPECT_EQ(doc3.Root().elements()[1].kind(), Kind::RealArray);
}

TEST(ModelFileJson, ScalarNumbers) {
  Document doc = Parse(R"({"max": 9223372036854775807, "over": 9223372036854775808,
    "min": -9223372036854775808, "under": -9223372036854775809, "exp": 1e2,
    "huge": 123456789012345678901234567890, "tiny": 1e-400, "neg": -0.0})");
  const Node& r = doc.Root();
  EXPECT_EQ(r.Find("max")->kind(), Kind::Int);
  EXPECT_EQ(r.Find("max")->integer(), INT64_MAX);
  EXPECT_EQ(r.Find("min")->kind(), Kind::Int);
  EXPECT_EQ(r.Find("min")->integer(), INT64_MIN);
  EXPECT_EQ(r.Find("over")->kind(), Kind::Real);
  EXPECT_EQ(r.Find("over")->real(), 9223372036854775808.0);
  EXPECT_EQ(r.Find("under")->kind(), Kind::Real);
  EXPECT_EQ(r.Find("under")->real(), -9223372036854775808.0);
  EXPECT_EQ(r.Find("exp")->kind(), Kind::Real);
  EXPECT_EQ(r.Find("exp")->real(), 100.0);
  EXPECT_EQ(r.Find("huge")->kind(), Kind::Real);
  EXPECT_EQ(r.Find("huge")->real(), 1.2345678901234568e29);
  EXPECT_EQ(r.Find("tiny")->real(), 0.0);
  EXPECT_EQ(r.Find("neg")->kind(), Kind::Real);
  EXPECT_TRUE(std::signbit(r.Find("neg")->real()));
}

TEST(ModelFileJson, NestedObjectsKeepFileOrder) {
  Document doc = Parse(R"({"z": {"y": 1, "x": [{"w": "t\u00e9\n\"\/"}]}, "a": null, "m": false})");
  const Node& root = doc.Root();
  ASSERT_EQ(root.kind(), Kind::Object);
  std::vector<std::string> keys;
  for (const auto& [key, value] : root.members()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"z", "a", "m"}));
  const Node& w = root.Find("z")->Find("x")->elements().at(0).members().at(0).second;
  EXPECT_EQ(w.string(), "t\xC3\xA9\n\"/");
  EXPECT_EQ(root.Find("a")->kind(), Kind::Null);
  EXPECT_EQ(root.Find("m")->kind(), Kind::Bool);
  EXPECT_FALSE(root.Find("m")->boolean());
  EXPECT_EQ(root.Find("nope"), nullptr);
  // A scalar is a document too.
  EXPECT_EQ(Parse(" \"s\" ").Root().string(), "s");
  EXPECT_EQ(Parse("-12").Root().integer(), -12);
}

TEST(ModelFileJson, OffsetsGiveLineAndColumn) {
  const std::string text = "{\n  \"a\": 1,\n  \"b\":[true],\n \"\xC3\xA9\": 42\r\n}";
  Document doc = Parse(text);
  const Node& b = *doc.Root().Find("b");
  EXPECT_EQ(text[b.offset()], '[');
  EXPECT_EQ(doc.LineColumn(b.offset()), (std::pair<std::size_t, std::size_t>{3, 7}));
  // Columns count characters, not bytes.
  const Node& e = *doc.Root().Find("\xC3\xA9");
  EXPECT_EQ(doc.LineColumn(e.offset()), (std::pair<std::size_t, std::size_t>{4, 7}));
  EXPECT_EQ(doc.LineColumn(0), (std::pair<std::size_t, std::size_t>{1, 1}));
  EXPECT_EQ(doc.LineColumn(text.size()), (std::pair<std::size_t, std::size_t>{5, 2}));
}

TEST(ModelFileJson, DuplicateKeyIsRefusedAtTheSecondOccurrence) {
  auto e = ParseError("{\"a\": {\n  \"n\": 1,\n  \"m\": 2,\n  \"n\": 3}}");
  EXPECT_EQ(Where(e), R"(json.duplicate-key /a/n 4:3 duplicate member 'n')");
  // Objects with many members use a set; same answer.
  std::string big = "{";
  for (int i = 0; i < 40; ++i) big += "\"k" + std::to_string(i) + "\": " + std::to_string(i) + ",";
  big += "\n\"k/31\": 0, \"k31\": 1}";
  EXPECT_EQ(Where(ParseError(big)), R"(json.duplicate-key /k31 2:12 duplicate member 'k31')");
  // The same key in different objects is fine.
  EXPECT_NO_THROW(Parse(R"({"a": {"n": 1}, "b": {"n": 1}})"));
}

TEST(ModelFileJson, TruncatedFileNamesTheUnclosedValue) {
  auto e = ParseError("{\"a\": [1, 2,\n  3");
  EXPECT_EQ(Where(e),
            R"(json.syntax /a 2:4 unexpected end of file: an array or object is not closed)");
  EXPECT_EQ(e.File(), "m.json");
  auto s = ParseError("{\"a\": \"abc");
  EXPECT_EQ(Where(s), R"(json.syntax /a 1:7 unexpected end of file: a text is not closed)");
}

TEST(ModelFileJson, SyntaxErrorsHaveAPlaceAndAReadableText) {
  struct Case {
    std::string text, expected;
  };
  const std::vector<Case> cases = {
      {"[1, 2] x", R"(json.syntax  1:8 unexpected content after the end of the JSON value)"},
      {"{\"a\":1}\n}", R"(json.syntax  2:1 unexpected content after the end of the JSON value)"},
      {"42 x", R"(json.syntax  1:4 unexpected content after the end of the JSON value)"},
      {"[tru]", R"(json.syntax /0 1:2 invalid token 'tru')"},
      {"{\"a\":[[1],{\"b\":nul}]}", R"(json.syntax /a/1/b 1:16 invalid token 'nul')"},
      {"[truex]", R"(json.syntax /0 1:2 invalid token 'truex')"},
      {"[1 2]", R"(json.syntax  1:4 expected ',' or ']' after an array element)"},
      {"{\"a\":1 \"b\":2}", R"(json.syntax  1:8 expected ',' or '}' after a member value)"},
      {"{\"a\" 1}", R"(json.syntax /a 1:6 expected ':' after the member name)"},
      {"{a:1}", R"(json.syntax  1:2 expected a member name in double quotes)"},
      {"[1,]", R"(json.syntax /1 1:4 expected a value, found ']')"},
      {"{\"a\":1,}", R"(json.syntax  1:8 expected a member name after ',')"},
      {"[01]", R"(json.syntax /0 1:2 invalid number '01')"},
      {"[1.]", R"(json.syntax /0 1:2 invalid number '1.')"},
      {"[-]", R"(json.syntax /0 1:2 invalid number '-')"},
      {"[1, 1e400]", R"(json.syntax /1 1:5 number out of range '1e400')"},
      {"{\"x\": -1e999}", R"(json.syntax /x 1:7 number out of range '-1e999')"},
      {"{\"k\":\"a\\qb\"}", R"(json.syntax /k 1:8 invalid escape sequence in a text)"},
      {"[\"\\ud800\"]", R"(json.syntax /0 1:3 unpaired surrogate in a \u escape)"},
      {"[\"a\x01\"]",
       R"(json.syntax /0 1:4 control character in a text (write it as an escape, e.g. \n))"},
      {"[\"\xFF\"]", R"(json.syntax /0 1:3 invalid UTF-8 in a text)"},
      {"[1, \xC3\xA9]", R"(json.syntax /1 1:5 invalid token)"},
      {"[1, \xFF]", R"(json.syntax /1 1:5 invalid UTF-8)"},
  };
  for (const Case& c : cases) EXPECT_EQ(Where(ParseError(c.text)), c.expected) << c.text;
}

TEST(ModelFileJson, EmptyFileIsASyntaxError) {
  EXPECT_EQ(Where(ParseError("")), R"(json.syntax  1:1 empty file: there is no JSON value)");
  EXPECT_EQ(Where(ParseError("  \n ")), R"(json.syntax  2:2 empty file: there is no JSON value)");
}

TEST(ModelFileJson, NestingIsLimited) {
  std::string deep = std::string(256, '[') + std::string(256, ']');
  EXPECT_NO_THROW(Parse(deep));
  std::string deeper = std::string(257, '[') + std::string(257, ']');
  auto e = ParseError(deeper);
  EXPECT_EQ(e.Problem(), "arrays and objects are nested deeper than 256 levels");
  EXPECT_EQ(e.Column(), 257u);
}

class TempFile {
 public:
  explicit TempFile(const std::string& content) : path_(folder_ / "model.json") {
    std::ofstream(path_, std::ios::binary) << content;
  }
  const std::string& path() const { return path_; }

 private:
  test::TempFolder folder_;
  std::string path_;
};

TEST(ModelFileJson, LoadReadsAFile) {
  TempFile file("\xEF\xBB\xBF{\"a\": [1, 2],\n \"b\": x}");
  try {
    Document::Load(file.path());
    ADD_FAILURE() << "no error";
  } catch (const mfl_ModelFileError& e) {
    EXPECT_EQ(e.File(), file.path());
    EXPECT_EQ(Where(e), R"(json.syntax /b 2:7 invalid token 'x')");
  }
  // A byte order mark is allowed and does not count in columns.
  TempFile good("\xEF\xBB\xBF{\"a\": [1, 2]}");
  Document doc = Document::Load(good.path());
  EXPECT_EQ(doc.FileName(), good.path());
  EXPECT_EQ(doc.Root().Find("a")->ints(), (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(doc.LineColumn(doc.Root().Find("a")->offset()),
            (std::pair<std::size_t, std::size_t>{1, 7}));
}

TEST(ModelFileJson, MissingFileIsAFileOpenError) {
  const std::string path = "/nonexistent-dir/model.json";
  try {
    Document::Load(path);
    ADD_FAILURE() << "no error";
  } catch (const mfl_ModelFileError& e) {
    EXPECT_EQ(e.Id(), "file.open");
    EXPECT_FALSE(e.HasPointer());
    EXPECT_EQ(e.LineNumber(), 0u);
    EXPECT_EQ(
        e.Describe(),
        R"(/nonexistent-dir/model.json: error [file.open]: cannot read the file: No such file or directory)");
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
  }
  try {
    test::TempFolder folder;
    Document::Load(folder.Path());
    ADD_FAILURE() << "no error";
  } catch (const mfl_ModelFileError& e) {
    EXPECT_EQ(e.Problem(), "cannot read the file: it is a directory");
  }
}

TEST(ModelFileJson, RefMissingAndUnknownMembers) {
  auto missing = RefError(R"({"part": {"name": "p"}})", [](Ref r) { r.Get("part").Get("mesh"); });
  EXPECT_EQ(Where(missing), R"(model.missing-member /part 1:10 missing member 'mesh')");

  auto unknown = RefError("{\"name\": \"x\",\n \"nmae\": 1}", [](Ref r) {
    r.AllowOnly({"name", "mesh", "instances"});
  });
  EXPECT_EQ(
      Where(unknown),
      R"(model.unknown-member /nmae 2:10 unknown member 'nmae'; expected one of: name, mesh, instances)");

  Document doc = Parse(R"({"name": "x", "mesh": {}})");
  Ref root(doc, doc.Root(), "");
  EXPECT_NO_THROW(root.AllowOnly({"mesh", "name"}));
  EXPECT_TRUE(root.Has("mesh"));
  EXPECT_FALSE(root.Has("instances"));
  EXPECT_FALSE(root.Get("name").Has("x"));  // not an object: no member
}

TEST(ModelFileJson, RefWrongTypeNamesTheExactValue) {
  auto e = RefError("{\"a\": {\"b\": [\"x\", \"y\",\n 5]}}",
                    [](Ref r) { r.Get("a").Get("b").At(2).AsString(); });
  EXPECT_EQ(Where(e), R"(model.type /a/b/2 2:2 expected a text, found a number)");
  EXPECT_EQ(Where(RefError(R"({"a": [1]})", [](Ref r) { r.Get("a").Get("b"); })),
            R"(model.type /a 1:7 expected an object, found an array)");
  EXPECT_EQ(Where(RefError(R"({"a": "t"})", [](Ref r) { r.Get("a").AsDouble(); })),
            R"(model.type /a 1:7 expected a number, found a text)");
  EXPECT_EQ(Where(RefError(R"({"a": null})", [](Ref r) { r.Get("a").AsBool(); })),
            R"(model.type /a 1:7 expected a boolean, found null)");
  EXPECT_EQ(
      Where(RefError(R"({"a": [1, 2]})", [](Ref r) { r.Get("a").ForEachElement([](Ref) {}); })),
      R"(model.type /a 1:7 expected an array of objects or texts, not of numbers)");
  EXPECT_EQ(Where(RefError(R"({"a": true})", [](Ref r) { r.Get("a").Size(); })),
            R"(model.type /a 1:7 expected an array or an object, found a boolean)");
}

TEST(ModelFileJson, RefIntAndFloatRanges) {
  Document doc = Parse(R"({"i": 7, "r": 3.0, "big": 3000000000, "half": 2.5, "f": 1e40, "g": -1e300,
                           "d": 1e40, "s": 2147483647})");
  Ref r(doc, doc.Root(), "");
  EXPECT_EQ(r.Get("i").AsInt(), 7);
  EXPECT_EQ(r.Get("r").AsInt(), 3);
  EXPECT_EQ(r.Get("s").AsInt(), 2147483647);
  EXPECT_EQ(r.Get("d").AsDouble(), 1e40);
  EXPECT_EQ(r.Get("i").AsFloat(), 7.0f);
  auto err = [&](const char* key, auto f) -> std::string {
    try {
      f(r.Get(key));
    } catch (const mfl_ModelFileError& e) {
      return e.Id() + " " + e.Problem();
    }
    return "no error";
  };
  EXPECT_EQ(err("big", [](Ref v) { v.AsInt(); }),
            "model.range value 3000000000 does not fit an int");
  EXPECT_EQ(err("half", [](Ref v) { v.AsInt(); }), "model.type expected an integer, found 2.5");
  EXPECT_EQ(err("f", [](Ref v) { v.AsFloat(); }), "model.range value 1e40 does not fit a float");
  EXPECT_EQ(err("g", [](Ref v) { v.AsInt(); }), "model.range value -1e300 does not fit an int");
  EXPECT_EQ(err("g", [](Ref v) { v.AsFloat(); }), "model.range value -1e300 does not fit a float");
}

TEST(ModelFileJson, RefNumberArrays) {
  Document doc = Parse(R"({"mesh": {"connectivity": [1, 2, 3.0, 4],
    "bad": [1, 2,
            3.5], "wide": [1, 5e9], "mixed": [1, "x"], "xyz": [0.5, 1, 1e39], "n": [4, 5]}})");
  Ref mesh = Ref(doc, doc.Root(), "").Get("mesh");
  EXPECT_EQ(mesh.Get("connectivity").Ints(), (std::vector<std::int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(mesh.Get("n").Reals(), (std::vector<double>{4, 5}));
  EXPECT_EQ(mesh.Get("n").Floats(), (std::vector<float>{4, 5}));
  EXPECT_EQ(mesh.Get("xyz").Reals(), (std::vector<double>{0.5, 1, 1e39}));
  auto where = [&](const char* key, auto f) -> std::string {
    try {
      f(mesh.Get(key));
    } catch (const mfl_ModelFileError& e) {
      return Where(e);
    }
    return "no error";
  };
  EXPECT_EQ(where("bad", [](Ref v) { v.Ints(); }),
            R"(model.type /mesh/bad/2 3:13 expected an integer, found 3.5)");
  EXPECT_EQ(where("wide", [](Ref v) { v.Ints(); }),
            R"(model.range /mesh/wide/1 3:31 value 5e9 does not fit an int)");
  EXPECT_EQ(where("mixed", [](Ref v) { v.Ints(); }),
            R"(model.type /mesh/mixed/1 3:50 expected an integer, found a text)");
  EXPECT_EQ(where("mixed", [](Ref v) { v.Reals(); }),
            R"(model.type /mesh/mixed/1 3:50 expected a number, found a text)");
  EXPECT_EQ(where("xyz", [](Ref v) { v.Floats(); }),
            R"(model.range /mesh/xyz/2 3:72 value 1e39 does not fit a float)");
  EXPECT_EQ(where("n", [](Ref v) { v.AsInt(); }),
            R"(model.type /mesh/n 3:84 expected an integer, found an array)");
  EXPECT_EQ(where("i", [](Ref v) { v.Ints(); }),
            R"(model.missing-member /mesh 1:10 missing member 'i')");
}

TEST(ModelFileJson, TakeIntsMovesThePackedVector) {
  Document doc = Parse(R"({"c": [5, 6, 7], "r": [1.0, 2]})");
  Ref root(doc, doc.Root(), "");
  const std::int32_t* storage = doc.Root().Find("c")->ints().data();
  std::vector<std::int32_t> taken = root.Get("c").TakeInts();
  EXPECT_EQ(taken, (std::vector<std::int32_t>{5, 6, 7}));
  EXPECT_EQ(taken.data(), storage);  // moved, not copied
  EXPECT_TRUE(doc.Root().Find("c")->ints().empty());
  // A real array of integral values is converted (and stays in the tree).
  EXPECT_EQ(root.Get("r").TakeInts(), (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(doc.Root().Find("r")->reals().size(), 2u);
}

TEST(ModelFileJson, ForEachMemberEscapesPointers) {
  Document doc = Parse(R"({"a/b": {"c~d": ["x", 1]}})");
  std::vector<std::string> pointers;
  Ref(doc, doc.Root(), "").ForEachMember([&](const std::string& key, Ref v) {
    pointers.push_back(key + " " + v.pointer());
    v.ForEachMember([&](const std::string& k, Ref w) {
      pointers.push_back(k + " " + w.pointer());
      w.ForEachElement([&](Ref e) { pointers.push_back(e.pointer()); });
    });
  });
  EXPECT_EQ(pointers, (std::vector<std::string>{"a/b /a~1b", "c~d /a~1b/c~0d", "/a~1b/c~0d/0",
                                                "/a~1b/c~0d/1"}));
}

TEST(ModelFileJson, DescribeFormat) {
  mfl_ModelFileError full("model.type", "m.json", "/a/b/2", 3, 7,
                          "expected a text, found a number");
  EXPECT_EQ(full.Describe(),
            R"(m.json:3:7: error [model.type] at /a/b/2: expected a text, found a number)");
  EXPECT_EQ(full.Message(), full.Describe());
  mfl_ModelFileError root("json.syntax", "m.json", "", 1, 1, "empty file: there is no JSON value");
  EXPECT_EQ(root.Describe(),
            R"(m.json:1:1: error [json.syntax] at (root): empty file: there is no JSON value)");
  mfl_ModelFileError noLine("model.range", "m.json", "/x", 0, 0, "too big");
  EXPECT_EQ(noLine.Describe(), R"(m.json: error [model.range] at /x: too big)");
  mfl_ModelFileError noFile("model.range", "", "/x", 2, 5, "too big");
  EXPECT_EQ(noFile.Describe(), R"(2:5: error [model.range] at /x: too big)");
  mfl_ModelFileError file("file.open", "a.json", "cannot read the file: denied");
  EXPECT_EQ(file.Describe(), R"(a.json: error [file.open]: cannot read the file: denied)");

  // Thrown by its own type, with the source place in what().
  try {
    mfl_ModelFileError("x.y", "f", "/p", 1, 2, "q").Throw("src.cpp", 9);
  } catch (const nex_TextException& e) {
    ASSERT_NE(dynamic_cast<const mfl_ModelFileError*>(&e), nullptr);
    EXPECT_STREQ(e.what(), R"(f:1:2: error [x.y] at /p: q (src.cpp:9))");
  }
}

TEST(ModelFileJson, PointerEscape) {
  EXPECT_EQ(mfl::PointerEscape("a/b~c"), "a~1b~0c");
  EXPECT_EQ(mfl::PointerEscape("~1"), "~01");
  EXPECT_EQ(mfl::PointerEscape("/"), "~1");
  EXPECT_EQ(mfl::PointerEscape(""), "");
  EXPECT_EQ(mfl::PointerEscape("plain name"), "plain name");
}

}  // namespace
