// Fuzz target: load a model file from arbitrary bytes; when it loads, write
// its deck to a real file through the command's own path (a temporary file
// beside the deck, renamed into place) and require the file to hold exactly
// the deck written into memory, with nothing else left in the folder. When
// the writer stops on the model, no deck and no temporary file may be left.
// Anything else (a crash, a sanitizer report, a difference) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "../deck_support.h"
#include "modelfile/mfl_ModelFile.h"
#include "oif/oif_Writer.h"
#include "tools/oif_DeckFile.h"

namespace {

namespace fs = std::filesystem;

/// The folder's path, kept where no destructor ends it before the removal
/// at exit.
char folderPath[4096];

/// A folder of this process's own, made once and removed at exit.
const fs::path& Folder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "oif-fuzz-deck-XXXXXX").string();
    if (pattern.size() >= sizeof folderPath || ::mkdtemp(pattern.data()) == nullptr) std::abort();
    std::memcpy(folderPath, pattern.c_str(), pattern.size() + 1);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(folderPath, ignored);
    });
    return fs::path(pattern);
  }();
  return folder;
}

std::size_t Entries(const fs::path& folder) {
  return std::size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::optional<odb_Odb> loaded;
  try {
    loaded.emplace(mfl_ModelFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.json"));
  } catch (const nex_Exception&) {
    return 0;  // refused model files are expected
  }
  const odb_Odb& odb = *loaded;
  const fs::path deck = Folder() / "deck.inp";
  fs::remove(deck);
  std::string expected;
  bool writable = true;
  try {
    expected = test::Deck(odb);
  } catch (const nex_Exception&) {
    writable = false;  // unsupported content: the command must leave nothing
  }
  try {
    oif_WriteDeckFile((Folder() / "deck").string(),
                      [&odb](const std::string& tempJob) { oif_Writer(odb).WriteInputFile(tempJob.c_str()); });
    if (!writable) std::abort();  // written although the writer stops on this model
  } catch (const oif_DeckFileError&) {
    std::abort();  // the folder is ours and has room: a refusal is a finding
  } catch (const nex_Exception&) {
    if (writable || fs::exists(deck) || Entries(Folder()) != 0) std::abort();
    return 0;
  }
  std::ifstream in(deck, std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (written != expected || Entries(Folder()) != 1) std::abort();
  return 0;
}
