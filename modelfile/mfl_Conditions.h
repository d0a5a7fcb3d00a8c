#pragma once
// Readers of the prescribed conditions and the amplitudes they cite.
#include "modelfile/mfl_Loader.h"

namespace mfl {

/// Reads the amplitudes (member "amplitudes" of the root) into the amplitude
/// repository; before the steps, whose response spectra cite them.
void ReadAmplitudes(const Ref& amplitudes, ddb_ModelContents& contents);

/// The name of an amplitude the model has (`model.unknown-reference` otherwise).
std::string ReadAmplitudeName(const Ref& ref, const ddb_ModelContents& contents);

/// Reads the boundary conditions (member "boundaryConditions" of the root),
/// after the steps, sets and amplitudes, and checks the conditions the load
/// cases of the steps list.
void ReadBoundaryConditions(const Loader& loader, const Ref& root, ddb_ModelContents& contents);

}  // namespace mfl
