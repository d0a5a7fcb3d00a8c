#pragma once
// Readers of the prescribed conditions and the amplitudes they cite.
#include <cstddef>
#include <functional>
#include <map>
#include <string>

#include "modeldb/kprC_Step.h"
#include "modelfile/mfl_Loader.h"

namespace mfl {

/// Reads the amplitudes (member "amplitudes" of the root) into the amplitude
/// repository; before the steps, whose response spectra cite them.
void ReadAmplitudes(const Ref& amplitudes, ddb_ModelContents& contents);

/// The name of an amplitude the model has (`model.unknown-reference` otherwise).
std::string ReadAmplitudeName(const Ref& ref, const ddb_ModelContents& contents);

/// The list of a load case that names objects of one family (its
/// boundary conditions, loads or fields) with their scale factors.
using LoadCaseList = std::map<std::string, double> klcC_LoadCase::*;

/// Created (1), changed (3) or removed (4) in the step.
bool ChangesInStep(int status);

/// An object created, changed or removed in a step with load cases acts only
/// through the load cases of that step that list it: refuses
/// ("model.load-case") one that changes (`changes(status)`) in such a step
/// while no case of the step lists it, as the deck would leave it out.
void CheckListedInLoadCases(const Loader& loader, const Ref& object, const std::string& what, const std::string& name,
                            const std::function<int(std::size_t)>& status, bool (*changes)(int status), LoadCaseList list,
                            const ddb_ModelContents& contents);

/// Reads the boundary conditions (member "boundaryConditions" of the root),
/// after the steps, sets and amplitudes, and checks the conditions the load
/// cases of the steps list.
void ReadBoundaryConditions(const Loader& loader, const Ref& root, ddb_ModelContents& contents);

}  // namespace mfl
