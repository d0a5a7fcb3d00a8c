#pragma once
// Helpers shared by the tests: models from JSON text, decks and keywords
// printed into strings.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "deck_support.h"
#include "modelfile/mfl_ModelFile.h"
#include "oif/impl/oif_Builder.h"
#include "oif/impl/oif_ModelInfo.h"
#include "textstream/aio_ios.h"
#include "textstream/utl_Stream.h"
#include "zkw/zkw_Keyword.h"

namespace test {

/// A model from the members of a model file (without the format header).
inline odb_Odb Model(std::string_view members) {
  std::string text = R"({"format": "oif-model", "version": 1)";
  if (!members.empty()) text += std::string(", ") + std::string(members);
  text += "}";
  return mfl_ModelFile::Parse(text, "test.json");
}

/// What one keyword prints.
inline std::string Print(const zkw_Keyword& keyword) {
  return Written([&](utl_Stream& stream) { keyword.Write(stream); });
}

/// The refusal of a model file, or an empty error when it loads.
struct Refusal {
  std::string id, pointer, describe;
};
inline Refusal Refuse(std::string_view members) {
  try {
    Model(members);
  } catch (const mfl_ModelFileError& error) {
    return {error.Id(), error.Pointer(), error.Describe()};
  }
  return {};
}

/// A model file that must be refused: its members, the error id, the JSON
/// Pointer and a part of the message.
struct Refused {
  std::string members, id, pointer, says;
};

/// Checks each case; the message starts with the file name.
inline void ExpectRefusals(std::initializer_list<Refused> cases) {
  for (const Refused& refused : cases) {
    SCOPED_TRACE(refused.members);
    const Refusal refusal = Refuse(refused.members);
    EXPECT_EQ(refusal.id, refused.id);
    EXPECT_EQ(refusal.pointer, refused.pointer);
    EXPECT_NE(refusal.describe.find(refused.says), std::string::npos) << refusal.describe;
    EXPECT_EQ(refusal.describe.rfind("test.json:", 0), 0u) << refusal.describe;
  }
}

}  // namespace test
