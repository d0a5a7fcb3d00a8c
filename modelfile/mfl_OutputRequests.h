#pragma once
// Readers of the output requests (member "outputRequests" of the root) and
// of the output settings of a step (its members "restart", "monitor" and
// "diagnosticPrint").
#include "modelfile/mfl_Loader.h"

namespace mfl {

/// Reads the output requests, after the steps and the sets.
void ReadOutputRequests(const Loader& loader, const Ref& root, ddb_ModelContents& contents);

/// Reads the restart request, monitor and diagnostic print settings that the
/// step's member `ref` gives; the kind of each follows the step's procedure.
void ReadStepOutputSettings(const Loader& loader, const Ref& ref, kprC_AnalysisStep& step);

}  // namespace mfl
