// Fuzz target: load a model file from arbitrary bytes; when it loads, write
// its deck twice and require identical output. Refusals are fine; anything
// else (a crash, a sanitizer report, differing decks) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "modelfile/mfl_ModelFile.h"
#include "oif/impl/oif_Builder.h"
#include "oif/impl/oif_ModelInfo.h"
#include "textstream/aio_ios.h"

namespace {
std::string Deck(const odb_Odb& odb) {
  oif_ModelInfo info(odb.ddb().model("Default Model"));
  oif_Builder job(info);
  std::string out;
  aio_ios ios;
  ios.attach(out);
  {
    utl_Stream stream(ios, 131, 6, 6);
    job.Write(stream);
  }
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    odb_Odb odb = mfl_ModelFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.json");
    if (Deck(odb) != Deck(odb)) std::abort();
  } catch (const nex_Exception&) {
    // Refused model files and unsupported content are expected outcomes.
  }
  return 0;
}
