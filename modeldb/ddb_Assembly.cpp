#include "modeldb/ddb_Assembly.h"

const ddb_Set& ddb_Assembly::set(int index) const {
  NEX_ASSERT(index >= 0 && index < numSets());
  return *sets[std::size_t(index)];
}
