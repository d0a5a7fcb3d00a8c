#pragma once
// Reading of the interaction properties, the contact controls and the
// interactions (members "interactionProperties", "contactControls" and
// "interactions" of the root).
#include <string_view>
#include <vector>

#include "modeldb/kinC_Interaction.h"
#include "modelfile/mfl_Loader.h"

namespace mfl {

/// Reads the three members; after the steps, sets, amplitudes and constraints.
void ReadInteractions(const Loader& loader, const Ref& root, ddb_ModelContents& contents);

/// The members an interaction of a kind may have besides "name", "kind",
/// "suppressed" and its history members.
std::vector<std::string_view> InteractionKindMembers(kinC_InteractionKind kind);

}  // namespace mfl
