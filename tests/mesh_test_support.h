#pragma once
// Helpers of the mesh tests: coordinates for n nodes, and the instances of a
// loaded model.
#include <string>

#include "test_support.h"

namespace test {

/// "0,0,0, 0,0,0, ..." for `count` nodes.
inline std::string Origins(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += i == 0 ? "0,0,0" : ", 0,0,0";
  return text;
}

/// "first, first + 1, ..., last".
inline std::string Range(int first, int last) {
  std::string text;
  for (int i = first; i <= last; ++i) text += (i == first ? "" : ", ") + std::to_string(i);
  return text;
}

/// A model with its writer's model information, for printing keywords made
/// from its instances.
struct Loaded {
  explicit Loaded(std::string_view members) : odb(Model(members)), info(Ddb()) {}
  const ddb_Model& Ddb() const { return odb.ddb().model("Default Model"); }
  const ddb_PartInstance& Instance(const std::string& name) const {
    return dynamic_cast<const ddb_PartInstance&>(Ddb().rootAssembly().instance().ConstGet(name));
  }
  const ddb_Assembly& Assembly() const { return Ddb().rootAssembly(); }

  odb_Odb odb;
  oif_ModelInfo info;
};

}  // namespace test
