// Long flat number arrays are read by the reader's own scanner, not by
// simdjson: the same values, kinds, offsets and errors as short arrays.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
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

std::string Where(std::string_view text) {
  try {
    Parse(text);
  } catch (const mfl_ModelFileError& e) {
    return e.Id() + " " + e.Pointer() + " " + std::to_string(e.LineNumber()) + ":" + std::to_string(e.Column()) +
           " " + e.Problem();
  }
  return "no error";
}

/// "1, 2, ..., count" (long enough to be read by the scanner from 300 on).
std::string Counting(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += (i > 1 ? ", " : "") + std::to_string(i);
  return text;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(PackedArrays, LongIntArrayIsPackedWithItsOffset) {
  const std::string text = "{\"skip\": \"[1, 2] \\\" [3]\", \"a\": [" + Counting(500) + "]}";
  Document doc = Parse(text);
  const Node& a = *doc.Root().Find("a");
  ASSERT_EQ(a.kind(), Kind::IntArray);
  ASSERT_EQ(a.ints().size(), 500u);
  EXPECT_EQ(a.ints()[0], 1);
  EXPECT_EQ(a.ints()[499], 500);
  EXPECT_EQ(text[a.offset()], '[');
  EXPECT_EQ(doc.Root().Find("skip")->string(), "[1, 2] \" [3]");
}

TEST(PackedArrays, Int32BoundsAndTheSwitchToReals) {
  const std::string ints = Counting(400);
  Document doc = Parse("{\"a\": [" + ints + ", 2147483647, -2147483648, -0],\n \"b\": [" + ints +
                       ", 2147483648, -0, 7, 2.5e-1],\n \"c\": [" + ints + ", -2147483649],\n \"d\": [-0, " + ints +
                       ", 1.0]}");
  const Node& a = *doc.Root().Find("a");
  ASSERT_EQ(a.kind(), Kind::IntArray);
  EXPECT_EQ(a.ints()[400], 2147483647);
  EXPECT_EQ(a.ints()[401], -2147483648);
  EXPECT_EQ(a.ints()[402], 0);
  const Node& b = *doc.Root().Find("b");
  ASSERT_EQ(b.kind(), Kind::RealArray);
  EXPECT_TRUE(b.ints().empty());
  EXPECT_EQ(b.reals()[399], 400.0);
  EXPECT_EQ(b.reals()[400], 2147483648.0);
  EXPECT_TRUE(std::signbit(b.reals()[401]));  // read as a real after the switch
  EXPECT_EQ(b.reals()[402], 7.0);
  EXPECT_EQ(b.reals()[403], 0.25);
  EXPECT_EQ(doc.Root().Find("c")->reals().back(), -2147483649.0);
  const Node& d = *doc.Root().Find("d");
  ASSERT_EQ(d.kind(), Kind::RealArray);
  EXPECT_FALSE(std::signbit(d.reals()[0]));  // an integer before the switch
}

// The scanner reads int32 arrays 64 bytes at a time: numbers and separators
// of every length, at every place relative to those blocks, in every form
// JSON allows between two numbers.
TEST(PackedArrays, IntegersAndSeparatorsAtEveryPlaceOfABlock) {
  std::mt19937 random(7);
  const std::vector<std::string> separators = {",", ", ", " ,", " , ", ",\n  ", "\t,\r\n", ",\n" + std::string(70, ' '),
                                               std::string(65, ' ') + ","};
  const std::vector<std::int32_t> special = {0, -1, 9, -10, 1234567, -1234567, 12345678, -99999999, 2147483647,
                                             -2147483647 - 1};
  std::vector<std::int32_t> values;
  std::string text = "{\"a\": [\n";
  for (int i = 0; i < 3000; ++i) {
    std::int32_t value;
    if (i % 7 == 3) {
      value = special[std::size_t(i / 7) % special.size()];
    } else {
      const int digits = 1 + int(random() % 7);
      value = std::int32_t(random() % std::uint32_t(std::pow(10, digits)));
      if (random() % 3 == 0) value = -value;
    }
    if (i > 0) text += separators[random() % separators.size()];
    text += std::to_string(value);
    values.push_back(value);
  }
  text += " ]}";
  // Shifted by 0 to 63 bytes, so that every number and separator falls on
  // every place of a block.
  for (std::size_t shift = 0; shift < 64; ++shift) {
    Document doc = Parse(std::string(shift, ' ') + text);
    const Node& a = *doc.Root().Find("a");
    ASSERT_EQ(a.kind(), Kind::IntArray) << shift;
    ASSERT_EQ(a.ints(), values) << shift;
  }
}

TEST(PackedArrays, EveryMisplacedSeparatorIsRefusedWhereverItFalls) {
  // A valid array of one- to three-digit numbers; each fault replaces the
  // text at one place, and every place of two blocks is tried.
  std::string body;
  for (int i = 0; i < 400; ++i) body += (i > 0 ? (i % 3 == 0 ? ",  " : ", ") : "") + std::to_string(i % 150);
  const std::vector<std::pair<std::string, std::string>> faults = {
      {",,", "two commas"},     {" ", "no comma"},        {"--1", "two signs"},
      {"1-2", "sign inside"},   {"01", "leading zero"},   {"-,", "sign alone"},
      {"+1", "plus sign"},      {"1x", "letter"},         {"\v", "vertical tab"}};
  for (std::size_t at = 100; at < 230; ++at) {
    // Each fault replaces a number whole, or the separator after it: the
    // place is moved back to the start of the number it falls in, or on to
    // the next number from a separator.
    std::size_t start = at;
    while (body[start] == ' ' || body[start] == ',') ++start;
    while (start > 0 && body[start - 1] != ' ' && body[start - 1] != ',') --start;
    for (const auto& [fault, what] : faults) {
      std::string broken = body;
      if (fault == " " || fault == ",,") {
        // In place of the separator that follows the number at `start`.
        const std::size_t comma = broken.find(',', start);
        broken.replace(comma, 1, fault == " " ? " " : ",,");
      } else {
        std::size_t end = start;
        while (end < broken.size() && broken[end] != ',' && broken[end] != ' ') ++end;
        broken.replace(start, end - start, fault);
      }
      const std::string where = Where("{\"a\": [" + broken + "]}");
      EXPECT_EQ(where.rfind("json.syntax /a", 0), 0u) << what << " at " << start << ": " << where;
    }
  }
  // A comma before the first number or after the last, and white space alone.
  EXPECT_EQ(Where("{\"a\": [, " + body + "]}").rfind("json.syntax /a", 0), 0u);
  EXPECT_EQ(Where("{\"a\": [" + body + ", ]}").rfind("json.syntax /a", 0), 0u);
  EXPECT_EQ(Parse("{\"a\": [" + std::string(2000, ' ') + "]}").Root().Find("a")->elements().size(), 0u);
}

// Random long arrays, most of them with a fault or two, read once by the
// scanner and once by simdjson (a string after the numbers makes the array
// one that the scanner leaves to it): both refuse, or both read the same
// numbers.
TEST(PackedArrays, TheScannerAgreesWithTheParserOnRandomArrays) {
  std::mt19937_64 random(11);
  const std::vector<std::string> separators = {",", ", ", " ,", ",\n", ",\t", " , ", ",\r\n  "};
  const std::vector<std::string> faults = {",,", " ", "--", "-", "+", ".", "e", "E", "0", "00", "x", "\v", "1.", ".5",
                                           "1e", "e5", "-0", "9999999999", "2147483648", "-2147483649", "1.5",
                                           "1e3", ",  ,", "\f"};
  auto read = [](const std::string& text, std::vector<double>& values) {
    try {
      Document doc = Parse(text);
      const Node& a = *doc.Root().Find("a");
      values.clear();
      if (a.kind() == Kind::IntArray) values.assign(a.ints().begin(), a.ints().end());
      if (a.kind() == Kind::RealArray) values = a.reals();
      if (a.kind() == Kind::Array)
        for (const Node& e : a.elements())
          if (e.kind() != Kind::String) values.push_back(e.kind() == Kind::Int ? double(e.integer()) : e.real());
      return true;
    } catch (const mfl_ModelFileError&) {
      return false;
    }
  };
  for (int round = 0; round < 1500; ++round) {
    std::string numbers;
    const bool reals = random() % 4 == 0;
    for (int i = 0, count = 150 + int(random() % 300); i < count; ++i) {
      if (i > 0) numbers += separators[random() % separators.size()];
      if (random() % 5 == 0) numbers += '-';
      numbers += char('1' + random() % 9);
      for (int k = 1, digits = 1 + int(random() % (random() % 8 == 0 ? 10 : 7)); k < digits; ++k)
        numbers += char('0' + random() % 10);
      if (reals && random() % 2) numbers += "." + std::to_string(random() % 10);
    }
    for (int f = 0, count = int(random() % 3); f < count; ++f) {
      const std::size_t at = random() % numbers.size();
      const std::string& fault = faults[random() % faults.size()];
      if (random() % 2)
        numbers.insert(at, fault);
      else
        numbers.replace(at, 1 + random() % 3, fault);
    }
    const std::string indent(random() % 64, ' ');
    std::vector<double> scanned, parsed;
    const bool scannedOk = read(indent + "{\"a\": [" + numbers + "]}", scanned);
    const bool parsedOk = read(indent + "{\"a\": [" + numbers + ", \"s\"]}", parsed);
    ASSERT_EQ(scannedOk, parsedOk) << numbers;
    if (!scannedOk) continue;
    ASSERT_EQ(scanned.size(), parsed.size()) << numbers;
    for (std::size_t i = 0; i < scanned.size(); ++i)
      ASSERT_EQ(scanned[i], parsed[i]) << i << " in " << numbers;
  }
}

TEST(PackedArrays, ArraysThatChangeFormMidwayKeepEveryValue) {
  // Integers that the block reading does not take (eight digits and more, or
  // written as reals) among those it does: each is read one by one, and the
  // blocks after it again.
  std::string text = "{\"a\": [";
  std::vector<std::int32_t> ints;
  for (int i = 0; i < 2000; ++i) {
    const std::int32_t value = i % 97 == 5 ? 100000000 + i : i;
    text += (i > 0 ? ", " : "") + std::to_string(value);
    ints.push_back(value);
  }
  text += "], \"b\": [" + Counting(1000) + ", 2.5, " + Counting(1000) + ", -0]}";
  Document doc = Parse(text);
  EXPECT_EQ(doc.Root().Find("a")->ints(), ints);
  const Node& b = *doc.Root().Find("b");
  ASSERT_EQ(b.kind(), Kind::RealArray);
  ASSERT_EQ(b.reals().size(), 2002u);
  EXPECT_EQ(b.reals()[999], 1000.0);
  EXPECT_EQ(b.reals()[1000], 2.5);
  EXPECT_EQ(b.reals()[2000], 1000.0);
  EXPECT_TRUE(std::signbit(b.reals()[2001]));  // after the switch to reals
}

TEST(PackedArrays, RealsAreReadExactlyAsSimdjsonReadsThem) {
  // Every value once in a long array (the scanner) and once alone in a short
  // one (simdjson); both must give the same double, bit for bit.
  std::mt19937_64 random(20240611);
  std::vector<std::string> literals = {"0.1", "-0.0", "1e22", "1e23", "9007199254740993", "123456789012345678901234",
                                       "4.9e-324", "1e-400", "-1e-400", "2.2250738585072014e-308", "1.7976931348623157e308",
                                       "0.30000000000000004", "1E+2", "-12.5e-3", "18446744073709551615",
                                       "18446744073709551616", "9223372036854775807", "0.000001234567890123456789"};
  std::uniform_int_distribution<int> digits(1, 20), exponent(-40, 40);
  for (int i = 0; i < 600; ++i) {
    std::string literal = random() % 2 ? "-" : "";
    const int count = digits(random);
    for (int k = 0; k < count; ++k) literal += char('0' + (k == 0 ? 1 + random() % 9 : random() % 10));
    if (random() % 2) {
      const std::size_t point = literal.size() - std::size_t(random() % std::size_t(count));
      literal = literal.substr(0, point) + "." + (point < literal.size() ? literal.substr(point) : "5");
    }
    if (random() % 2) {
      literal += 'e';
      literal += std::to_string(exponent(random));
    }
    literals.push_back(literal);
  }
  std::string text = "{\"long\": [1.5";
  std::string alone = "\"alone\": [";
  for (std::size_t i = 0; i < literals.size(); ++i) {
    text += ", " + literals[i];
    alone += (i > 0 ? ", [" : "[") + literals[i] + ", 1.5]";
  }
  text += "], " + alone + "]}";
  Document doc = Parse(text);
  const Node& packed = *doc.Root().Find("long");
  ASSERT_EQ(packed.kind(), Kind::RealArray);
  const auto& singles = doc.Root().Find("alone")->elements();
  ASSERT_EQ(packed.reals().size(), literals.size() + 1);
  for (std::size_t i = 0; i < literals.size(); ++i) {
    ASSERT_EQ(singles[i].kind(), Kind::RealArray) << literals[i];
    EXPECT_TRUE(SameBits(packed.reals()[i + 1], singles[i].reals()[0]))
        << literals[i] << ": " << packed.reals()[i + 1] << " vs " << singles[i].reals()[0];
  }
}

TEST(PackedArrays, InvalidNumbersAreReportedAtTheirPlace) {
  const std::string head = "{\"a\": [" + Counting(300) + ",\n ";
  EXPECT_EQ(Where(head + "01]}"), "json.syntax /a/300 2:2 invalid number '01'");
  EXPECT_EQ(Where(head + "1.]}"), "json.syntax /a/300 2:2 invalid number '1.'");
  EXPECT_EQ(Where(head + "-]}"), "json.syntax /a/300 2:2 invalid number '-'");
  EXPECT_EQ(Where(head + "1e400]}"), "json.syntax /a/300 2:2 number out of range '1e400'");
  EXPECT_EQ(Where(head + "2,]}"), "json.syntax /a/301 2:4 expected a value, found ']'");
  EXPECT_EQ(Where(head + "2 3]}"), "json.syntax /a 2:4 expected ',' or ']' after an array element");
  EXPECT_EQ(Where(head + "2]"), "json.syntax  2:4 unexpected end of file: an array or object is not closed");
}

TEST(PackedArrays, ArraysThatAreNotFlatNumbersAreLeftToTheParser) {
  const std::string numbers = Counting(300);
  Document doc = Parse("{\"mixed\": [" + numbers + ", \"x\"], \"nested\": [[" + numbers + "], [" + numbers +
                       "]], \"objects\": [{\"n\": [" + numbers + "]}]}");
  const Node& mixed = *doc.Root().Find("mixed");
  ASSERT_EQ(mixed.kind(), Kind::Array);
  EXPECT_EQ(mixed.elements()[299].integer(), 300);
  EXPECT_EQ(mixed.elements()[300].string(), "x");
  const Node& nested = *doc.Root().Find("nested");
  ASSERT_EQ(nested.elements().size(), 2u);
  EXPECT_EQ(nested.elements()[1].kind(), Kind::IntArray);
  EXPECT_EQ(nested.elements()[1].ints().size(), 300u);
  EXPECT_EQ(doc.Root().Find("objects")->elements()[0].Find("n")->ints()[299], 300);
}

TEST(PackedArrays, ABracketInAStringDoesNotEndAnArrayForTheScanner) {
  // The scanner first takes the array of "a" to end at the "]" inside "x]";
  // past it, the text in quotes looks like a long number array. It is a
  // string, and the arrays after it are still read by the scanner.
  const std::string numbers = Counting(300);
  Document doc = Parse("{\"a\": [" + numbers + ", \"x]\", \"[" + numbers + "]\"], \"b\": [" + numbers + "]}");
  const Node& a = *doc.Root().Find("a");
  ASSERT_EQ(a.kind(), Kind::Array);
  ASSERT_EQ(a.elements().size(), 302u);
  EXPECT_EQ(a.elements()[300].string(), "x]");
  EXPECT_EQ(a.elements()[301].string(), "[" + numbers + "]");
  EXPECT_EQ(doc.Root().Find("b")->kind(), Kind::IntArray);
}

TEST(PackedArrays, OffsetsAfterCutArraysStayThoseOfTheFile) {
  const std::string text = "{\"a\": [" + Counting(300) + "],\n \"b\": [" + Counting(300) + "],\n \"c\": {\"d\": 1}}";
  Document doc = Parse(text);
  Ref root(doc, doc.Root(), "");
  EXPECT_EQ(text[doc.Root().Find("b")->offset()], '[');
  EXPECT_EQ(doc.LineColumn(doc.Root().Find("c")->Find("d")->offset()), (std::pair<std::size_t, std::size_t>{3, 13}));
  try {
    root.Get("b").FailAt(299, "model.range", "too big");
    FAIL();
  } catch (const mfl_ModelFileError& e) {
    EXPECT_EQ(e.Pointer(), "/b/299");
    EXPECT_EQ(text.substr(text.find("\n \"b\"")).find("300") + text.find("\n \"b\""),
              text.find("300]", text.find("\n \"b\"")));
    EXPECT_EQ(e.LineNumber(), 2u);
  }
  try {
    root.Get("c").Get("x");
    FAIL();
  } catch (const mfl_ModelFileError& e) {
    EXPECT_EQ(e.LineNumber(), 3u);
    EXPECT_EQ(e.Column(), 7u);
  }
  // A syntax error after a cut array is placed in the file.
  EXPECT_EQ(Where("{\"a\": [" + Counting(300) + "],\n \"b\": tru}"), "json.syntax /b 2:7 invalid token 'tru'");
}

TEST(PackedArrays, TakeFloatsFreesThePackedNumbers) {
  Document doc = Parse("{\"xyz\": [0.5, " + Counting(400) + "]}");
  Ref root(doc, doc.Root(), "");
  const std::vector<float> xyz = root.Get("xyz").TakeFloats();
  ASSERT_EQ(xyz.size(), 401u);
  EXPECT_EQ(xyz[0], 0.5f);
  EXPECT_EQ(xyz[400], 400.0f);
  EXPECT_TRUE(doc.Root().Find("xyz")->reals().empty());
  EXPECT_EQ(doc.Root().Find("xyz")->reals().capacity(), 0u);
}

// In a large text the arrays are read on a second thread while the walk
// goes on; one that turns out not to be a flat number array sends the walk
// over the text again, keeping what the threads read.
TEST(PackedArrays, ArraysReadWhileTheWalkGoesOnKeepTheirPlaces) {
  const std::string big = Counting(1'000'000);  // 6.9 MB
  std::string text = "{\"a\": [" + big + "], \"mixed\": [" + Counting(300) + ", \"x\"], \"b\": [0.5, " + big +
                     "], \"c\": [" + big + "]}";
  ASSERT_GT(text.size(), std::size_t(16) << 20);
  Document doc = Parse(text);
  EXPECT_EQ(doc.Root().Find("a")->ints().size(), 1'000'000u);
  EXPECT_EQ(doc.Root().Find("a")->ints().back(), 1'000'000);
  const Node& mixed = *doc.Root().Find("mixed");
  ASSERT_EQ(mixed.kind(), Kind::Array);
  EXPECT_EQ(mixed.elements()[300].string(), "x");
  const Node& b = *doc.Root().Find("b");
  ASSERT_EQ(b.kind(), Kind::RealArray);
  EXPECT_EQ(b.reals()[1'000'000], 1'000'000.0);
  EXPECT_EQ(doc.Root().Find("c")->ints(), doc.Root().Find("a")->ints());
  EXPECT_EQ(doc.ElementOffset(*doc.Root().Find("c"), 0), text.find("[1, 2", text.find("\"c\"")) + 1);
}

// Files of several megabytes are mapped rather than read, and the text of the
// long arrays is given back while it is scanned: values, a byte order mark and
// the places of errors must come out as for a text read whole.
TEST(PackedArrays, LargeFilesReadAsTextsInMemoryDo) {
  test::TempFolder folder;
  // About 9.3 MB each: several steps of given-back text, and two arrays large
  // enough to be read side by side.
  const std::string big = Counting(1'200'000);
  const std::string valid = "\xEF\xBB\xBF{\"a\": [" + big + "],\n \"b\": [0.25, " + Counting(400) + "], \"c\": [" + big + "]}";
  test::WriteFile(folder / "valid.json", valid);
  {
    Document doc = Document::Load(folder / "valid.json");
    const Node& a = *doc.Root().Find("a");
    ASSERT_EQ(a.kind(), Kind::IntArray);
    ASSERT_EQ(a.ints().size(), 1'200'000u);
    EXPECT_EQ(a.ints()[0], 1);
    EXPECT_EQ(a.ints()[1'199'999], 1'200'000);
    EXPECT_EQ(doc.Root().Find("b")->reals()[0], 0.25);
    EXPECT_EQ(doc.Root().Find("c")->ints(), a.ints());
    // The byte order mark counts for no column.
    EXPECT_EQ(doc.LineColumn(doc.Root().Find("b")->offset()), (std::pair<std::size_t, std::size_t>{2, 7}));
    EXPECT_EQ(doc.ElementOffset(a, 1'199'999), valid.find("1200000]"));
  }
  // An invalid number near the end of the array: the scanner has given back
  // the text before it, which the parser then reads again for the error.
  const std::string invalid = "{\"c\": [" + big + "], \"a\": [" + big + ",\n 01]}";
  test::WriteFile(folder / "invalid.json", invalid);
  try {
    Document::Load(folder / "invalid.json");
    FAIL() << "the invalid number was accepted";
  } catch (const mfl_ModelFileError& e) {
    EXPECT_EQ(e.Id(), "json.syntax");
    EXPECT_EQ(e.Pointer(), "/a/1200000");
    EXPECT_EQ(e.LineNumber(), 2u);
    EXPECT_EQ(e.Column(), 2u);
  }
  try {  // the same in a text in memory
    Parse(invalid);
    FAIL() << "the invalid number was accepted";
  } catch (const mfl_ModelFileError& e) {
    EXPECT_EQ(e.Pointer(), "/a/1200000");
    EXPECT_EQ(e.Column(), 2u);
  }
}

}  // namespace
