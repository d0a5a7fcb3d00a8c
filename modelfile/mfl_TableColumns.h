#pragma once
// The number of values each row of a behaviour's table must hold, for the
// behaviours whose keyword reads a fixed number of values per row.
#include "modeldb/kmaC_MaterialOption.h"

namespace mfl {

class Ref;

/// Refuses ("model.table", at `table`) a table with fewer values per row than
/// its keyword reads.
void CheckTableValues(const kmaC_MaterialOption& option, int valuesPerRow, const Ref& table);

}  // namespace mfl
