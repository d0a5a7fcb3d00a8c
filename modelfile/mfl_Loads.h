#pragma once
// Reader of the loads.
#include "modelfile/mfl_Loader.h"

namespace mfl {

/// Reads the loads (member "loads" of the root), after the steps, sets,
/// connector wires and amplitudes, and checks the loads the load cases of
/// the steps list.
void ReadLoads(const Loader& loader, const Ref& root, ddb_ModelContents& contents);

}  // namespace mfl
