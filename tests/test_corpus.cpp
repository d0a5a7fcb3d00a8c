// The corpus of small model files: y_* must load and write a deck, n_<id>__*
// must be refused with error <id>. A y_* model or a bundled example may carry
// its expected deck (tests/models/y_<what>.inp, examples/expected/<name>.inp):
// its deck must then come out byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "test_support.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Corpus(const char* prefix) {
  std::vector<fs::path> files;
  for (auto& entry : fs::directory_iterator(fs::path(OIF_SOURCE_DIR) / "tests" / "models"))
    if (entry.path().filename().string().rfind(prefix, 0) == 0 && entry.path().extension() == ".json")
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

/// The accepted models and the bundled examples, each with the path its
/// expected deck has when it carries one.
std::vector<std::pair<fs::path, fs::path>> ModelsAndDecks() {
  std::vector<std::pair<fs::path, fs::path>> models;
  for (const fs::path& file : Corpus("y_")) models.emplace_back(file, fs::path(file).replace_extension(".inp"));
  const fs::path examples = fs::path(OIF_SOURCE_DIR) / "examples";
  std::vector<fs::path> bundled;
  for (auto& entry : fs::directory_iterator(examples))
    if (entry.path().extension() == ".json") bundled.push_back(entry.path());
  std::sort(bundled.begin(), bundled.end());
  for (const fs::path& file : bundled)
    models.emplace_back(file, examples / "expected" / fs::path(file.filename()).replace_extension(".inp"));
  return models;
}

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// The first line where two texts differ, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::size_t line = 1, start = 0;
  for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
    if (expected[i] != actual[i]) break;
    if (expected[i] == '\n') ++line, start = i + 1;
  }
  auto lineAt = [start](const std::string& text) { return text.substr(start, text.find('\n', start) - start); };
  return "line " + std::to_string(line) + ": expected \"" + lineAt(expected) + "\", written \"" + lineAt(actual) +
         "\"";
}

TEST(Corpus, AcceptedModelsLoadAndWriteTheSameDeckTwice) {
  const auto files = Corpus("y_");
  ASSERT_FALSE(files.empty());
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    odb_Odb odb = mfl_ModelFile::Open(file.string());
    const std::string deck = test::Deck(odb);
    EXPECT_NE(deck.find("*Assembly, name="), std::string::npos);
    EXPECT_EQ(deck, test::Deck(odb));
  }
}

TEST(Corpus, ModelsWithAnExpectedDeckWriteItByteForByte) {
  std::size_t compared = 0;
  for (const auto& [model, expectedDeck] : ModelsAndDecks()) {
    SCOPED_TRACE(model.filename().string());
    odb_Odb odb = mfl_ModelFile::Open(model.string());
    const std::string deck = test::Deck(odb);
    if (!fs::exists(expectedDeck)) continue;  // loaded and written only, until it carries its deck
    const std::string expected = FileText(expectedDeck);
    EXPECT_TRUE(deck == expected) << FirstDifference(expected, deck);
    ++compared;
  }
  // The bundled examples and the corpus models of the first release carry theirs.
  EXPECT_GE(compared, 8u);
}

TEST(Corpus, RefusedModelsGiveTheirErrorId) {
  const auto files = Corpus("n_");
  ASSERT_FALSE(files.empty());
  for (const fs::path& file : files) {
    const std::string name = file.filename().string();
    SCOPED_TRACE(name);
    const std::string expected = name.substr(2, name.find("__") - 2);
    try {
      mfl_ModelFile::Open(file.string());
      ADD_FAILURE() << "loaded";
    } catch (const mfl_ModelFileError& error) {
      EXPECT_EQ(error.Id(), expected) << error.Describe();
      EXPECT_NE(error.Describe().find(name), std::string::npos);
    }
  }
}

}  // namespace
