// Every keyword line of the writer starts through oif_KeywordLine: no source
// of oif/impl/ (other than the writer itself) puts a keyword text ("*Name")
// on a stream by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

/// "file:line: text" of every line that streams a keyword text.
std::string HandStartedKeywordLines(const fs::path& folder) {
  // `<<` followed on the same line by a string literal that opens with "*"
  // and a letter: a keyword line started on the stream directly.
  const std::regex handStarted(R"re(<<[^;]*"\*[A-Za-z])re");
  std::string found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const fs::path& path = entry.path();
    if (path.extension() != ".cpp" && path.extension() != ".h") continue;
    if (path.stem() == "oif_KeywordLine") continue;
    std::ifstream in(path);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      const std::size_t comment = line.find("//");
      const std::string code = comment == std::string::npos ? line : line.substr(0, comment);
      if (std::regex_search(code, handStarted))
        found += path.filename().string() + ":" + std::to_string(number) + ": " + line + "\n";
    }
  }
  return found;
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

}  // namespace
