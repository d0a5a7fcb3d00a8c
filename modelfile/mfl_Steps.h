#pragma once
// Reading of the steps, their procedures and their controls.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "modeldb/kprC_ControlsKind.h"
#include "modeldb/kprC_StepKind.h"
#include "modelfile/mfl_Loader.h"
#include "modelfile/mfl_Members.h"

namespace mfl {

/// The members a step of `kind` may have in the model file, in reading order.
std::vector<std::string_view> StepKindMembers(kprC_StepKind kind);

/// The value members of controls of `kind` in the model file (besides the
/// history members), in reading order.
std::vector<std::string_view> ControlsKindMembers(kprC_ControlsKind kind);

/// Reads the controls and solver controls of the model (top-level members
/// "controls" and "solverControls" of `root`) and gives each analysis step
/// its state of them.
void ReadControls(const Loader& loader, const Ref& root,
                  const std::map<std::string, std::shared_ptr<kprC_AnalysisStep>>& steps);

}  // namespace mfl
