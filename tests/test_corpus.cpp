// The corpus of small model files: y_* must load and write a deck, n_<id>__*
// must be refused with error <id>.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Corpus(const char* prefix) {
  std::vector<fs::path> files;
  for (auto& entry : fs::directory_iterator(fs::path(OIF_SOURCE_DIR) / "tests" / "models"))
    if (entry.path().filename().string().rfind(prefix, 0) == 0) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
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
