#pragma once
// Readers of the output requests (member "outputRequests" of the root) and
// of the output settings of a step (its members "restart", "monitor" and
// "diagnosticPrint").
#include "modelfile/mfl_Loader.h"

namespace mfl {

/// Reads the output requests, after the steps and the sets.
void ReadOutputRequests(const Loader& loader, const Ref& root, ddb_ModelContents& contents);

/// The kind of the diagnostic print settings in force while the steps are
/// read: those of the first analysis step's procedure, then the last given.
enum class PrintInForce { None, Standard, Explicit };

/// Reads the restart request, monitor and diagnostic print settings that the
/// step's member `ref` gives; the kind of each follows the step's procedure.
/// Refuses perturbation settings while explicit ones are in force: they
/// change the frequency and solve flag of general settings.
void ReadStepOutputSettings(const Loader& loader, const Ref& ref, kprC_AnalysisStep& step, PrintInForce& inForce);

}  // namespace mfl
