// Every keyword line of the writer starts through oif_KeywordLine: no source
// of oif/impl/ (other than the writer itself) puts a keyword text ("*Name")
// on a stream by hand. Likewise the ", " between parameters and between
// values comes from oif_KeywordLine and oif_DataLine, except in the label
// lines of sets, which have a writer of their own for speed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

/// The code of a line without its comment and its leading and trailing blanks.
std::string Code(const std::string& line) {
  const std::size_t comment = line.find("//");
  std::string code = comment == std::string::npos ? line : line.substr(0, comment);
  const std::size_t first = code.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return code.substr(first, code.find_last_not_of(' ') - first + 1);
}

/// "file:line: text" of every line of the sources in `folder` (the writers'
/// own file aside) whose code `flagged(file name, code)` picks.
std::string Scan(const fs::path& folder, const std::function<bool(const fs::path&, const std::string&)>& flagged) {
  std::string found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const fs::path& path = entry.path();
    if (path.extension() != ".cpp" && path.extension() != ".h") continue;
    if (path.stem() == "oif_KeywordLine") continue;
    std::ifstream in(path);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number)
      if (flagged(path.filename(), Code(line)))
        found += path.filename().string() + ":" + std::to_string(number) + ": " + line + "\n";
  }
  return found;
}

/// The lines that stream a keyword text.
std::string HandStartedKeywordLines(const fs::path& folder) {
  // `<<` followed on the same line by a string literal that opens with "*"
  // and a letter: a keyword line started on the stream directly.
  const std::regex handStarted(R"re(<<[^;]*"\*[A-Za-z])re");
  return Scan(folder, [&](const fs::path&, const std::string& code) { return std::regex_search(code, handStarted); });
}

TEST(KeywordLineSources, NoKeywordLineIsStartedByHand) {
  EXPECT_EQ(HandStartedKeywordLines(fs::path(OIF_SOURCE_DIR) / "oif" / "impl"), "");
}

// The scan itself finds the forms it is meant to find.
TEST(KeywordLineSources, TheScanFindsStreamedKeywordTexts) {
  const fs::path folder = fs::path(::testing::TempDir()) / "keyword_line_scan";
  fs::create_directories(folder);
  std::ofstream(folder / "oif_Sample.cpp")
      << "void F(utl_Stream& stream) {\n"
         "  stream << \"** comment\" << endl;\n"
         "  oif_KeywordLine line(stream, \"*Node\");\n"
         "  stream << \"*Element, type=\" << type << endl;\n"
         "  stream << (general ? \"*Shell General Section\" : \"*Shell Section\");\n"
         "}\n";
  const std::string found = HandStartedKeywordLines(folder);
  EXPECT_EQ(found.find("oif_Sample.cpp:2:"), std::string::npos) << found;
  EXPECT_EQ(found.find("oif_Sample.cpp:3:"), std::string::npos) << found;
  EXPECT_NE(found.find("oif_Sample.cpp:4:"), std::string::npos) << found;
  EXPECT_NE(found.find("oif_Sample.cpp:5:"), std::string::npos) << found;
  fs::remove_all(folder);
}

/// Writers that write the separator themselves: the file and the line.
struct AllowedSeparator {
  const char* file;
  const char* code;
};

// The label lines of sets (oif_LabelList): "," between labels, and ", " after
// a last line's only label, written label by label on the hot path.
constexpr AllowedSeparator kAllowedSeparators[] = {
    {"oif_Sets.cpp", "if (n % 16 == 1) stream << \", \";"},
};

/// "file:line: text" of every line that streams a ", " separator itself (a
/// text literal holding ", "), outside the writers and the allowed lines.
std::string HandWrittenSeparators(const fs::path& folder) {
  const std::regex separator(R"re(<<\s*"[^"]*, [^"]*")re");
  return Scan(folder, [&](const fs::path& file, const std::string& code) {
    if (!std::regex_search(code, separator)) return false;
    for (const AllowedSeparator& allowed : kAllowedSeparators)
      if (file == allowed.file && code == allowed.code) return false;
    return true;
  });
}

TEST(KeywordLineSources, NoSeparatorIsWrittenByHand) {
  EXPECT_EQ(HandWrittenSeparators(fs::path(OIF_SOURCE_DIR) / "oif" / "impl"), "");
}

// The scan finds a separator streamed alone, at the end or at the start of a
// text, and leaves the writers' calls, comments and the allowed line alone.
TEST(KeywordLineSources, TheSeparatorScanFindsStreamedSeparators) {
  const fs::path folder = fs::path(::testing::TempDir()) / "separator_scan";
  fs::create_directories(folder);
  std::ofstream(folder / "oif_Sample.cpp")
      << "void F(utl_Stream& stream) {\n"
         "  stream << value << \", \";\n"
         "  stream << \"poisson = \" << value << \", \";\n"
         "  stream << \", rate=\" << rate;\n"
         "  stream << \"temperature=VALUES, \";\n"
         "  data << value;  // values are separated by \", \"\n"
         "  line.ParamNoBreak(\"rate\", rate);\n"
         "  stream << ',';\n"
         "}\n";
  std::ofstream(folder / "oif_Sets.cpp") << "      if (n % 16 == 1) stream << \", \";\n"
                                            "  stream << first << \", \" << last;\n";
  const std::string found = HandWrittenSeparators(folder);
  for (const char* line : {"oif_Sample.cpp:2:", "oif_Sample.cpp:3:", "oif_Sample.cpp:4:", "oif_Sample.cpp:5:",
                           "oif_Sets.cpp:2:"})
    EXPECT_NE(found.find(line), std::string::npos) << line << "\n" << found;
  for (const char* line : {"oif_Sample.cpp:1:", "oif_Sample.cpp:6:", "oif_Sample.cpp:7:", "oif_Sample.cpp:8:",
                           "oif_Sets.cpp:1:"})
    EXPECT_EQ(found.find(line), std::string::npos) << line << "\n" << found;
  fs::remove_all(folder);
}

}  // namespace
