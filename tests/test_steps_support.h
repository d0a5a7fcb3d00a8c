#pragma once
// Helpers of the step, procedure and controls tests: the step part of a
// deck, models built in code, and the message of a thrown exception.
#include <functional>
#include <memory>
#include <string>

#include "test_support.h"

namespace test {

/// The deck from the first step after the initial one on (everything after
/// the assembly and the model level of a model without either).
inline std::string Steps(const odb_Odb& odb) {
  const std::string deck = Deck(odb);
  const std::size_t at = deck.find("*End Assembly\n");
  return at == std::string::npos ? deck : deck.substr(at + 14);
}

/// A model built in code: an initial step followed by `steps`, with
/// whatever `fill` adds.
inline odb_Odb ModelOf(std::vector<std::shared_ptr<kprC_Step>> steps,
                       const std::function<void(ddb_ModelContents&)>& fill = {}) {
  auto contents = std::make_shared<ddb_ModelContents>();
  contents->steps.Add("Initial", std::make_shared<kprC_InitialStep>("Initial"));
  for (auto& step : steps) contents->steps.Add(step->name(), step);
  if (fill) fill(*contents);
  ddb_Ddb ddb;
  ddb.addModel(ddb_Model(contents));
  return odb_Odb(ddb);
}

/// "message (source:line)" of what `f` throws, or "" when it does not throw.
template <class Exception, class F>
std::string Thrown(F&& f) {
  try {
    f();
  } catch (const Exception& error) {
    return error.Message() + " (" + error.SourceFile() + ":" + std::to_string(error.Line()) + ")";
  }
  return "";
}

}  // namespace test
