#pragma once
// The whole deck of a model written into a string, as the job writes it to a
// file; shared by the tests and the fuzz target.
#include <string>

#include "modeldb/ddb_Model.h"
#include "oif/impl/oif_Builder.h"
#include "oif/impl/oif_ModelInfo.h"
#include "textstream/aio_ios.h"
#include "textstream/utl_Stream.h"

namespace test {

inline std::string Deck(const odb_Odb& odb) {
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

}  // namespace test
