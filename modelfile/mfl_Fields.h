#pragma once
// Reader of the predefined fields and initial conditions.
#include "modelfile/mfl_Loader.h"

namespace mfl {

/// Reads the predefined fields (member "fields" of the root), after the
/// steps, sets and amplitudes.
void ReadFields(const Loader& loader, const Ref& root, ddb_ModelContents& contents);

}  // namespace mfl
