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

}  // namespace test
