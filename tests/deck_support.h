#pragma once
// Decks and keywords written into strings; shared by the tests and the fuzz
// target.
#include <string>

#include "modeldb/ddb_Model.h"
#include "oif/impl/oif_Builder.h"
#include "oif/impl/oif_ModelInfo.h"
#include "textstream/aio_ios.h"
#include "textstream/utl_Stream.h"

namespace test {

/// Everything `write` puts on a stream with the job's settings (or another
/// keyword-line limit).
template <class F>
std::string Written(F&& write, int lineLimit = 131) {
  std::string out;
  aio_ios ios;
  ios.attach(out);
  {
    utl_Stream stream(ios, lineLimit, 6, 6);
    write(stream);
  }
  return out;
}

/// The whole deck of a model, as the job writes it to a file.
inline std::string Deck(const odb_Odb& odb) {
  oif_ModelInfo info(odb.ddb().model("Default Model"));
  oif_Builder job(info);
  return Written([&](utl_Stream& stream) { job.Write(stream); });
}

/// The keywords of one static step with default values, between its
/// procedure's data line and its output requests (every step has at least
/// the procedure's default "*Output" lines) or "*End Step".
inline std::string StepBody(const std::string& deck, const std::string& step) {
  const std::string open = "*Step, name=" + step + "\n*Static\n1., 1., 1e-05, 1.\n";
  const std::size_t start = deck.find(open);
  if (start == std::string::npos) return "no step " + step;
  std::size_t end = deck.find("*End Step\n", start);
  for (const char* output : {"\n** \n** OUTPUT REQUESTS\n", "\n*Output, "}) {
    const std::size_t at = deck.find(output, start + open.size() - 1);
    if (at < end) end = at + 1;
  }
  return deck.substr(start + open.size(), end - start - open.size());
}

/// The initial step's keywords: everything after the assembly and the model
/// level up to the first step's banner.
inline std::string InitialStep(const std::string& deck) {
  const std::size_t start = deck.find("*End Assembly\n") + 14;
  const std::size_t end = deck.find("** ----", start);
  return deck.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace test
