// Fuzz target: load a model file from arbitrary bytes; when it loads, write
// its deck twice and require identical output. Refusals are fine; anything
// else (a crash, a sanitizer report, differing decks) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../deck_support.h"
#include "modelfile/mfl_ModelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    odb_Odb odb = mfl_ModelFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.json");
    if (test::Deck(odb) != test::Deck(odb)) std::abort();
  } catch (const nex_Exception&) {
    // Refused model files and unsupported content are expected outcomes.
  }
  return 0;
}
