#include "modeldb/kprC_OutputSettings.h"

kprC_Restart::~kprC_Restart() = default;
kprC_StandardRestart::~kprC_StandardRestart() = default;
kprC_ExplicitRestart::~kprC_ExplicitRestart() = default;
kprC_Monitor::~kprC_Monitor() = default;
kprC_StandardMonitor::~kprC_StandardMonitor() = default;
kprC_ExplicitMonitor::~kprC_ExplicitMonitor() = default;
kprC_DiagnosticPrint::~kprC_DiagnosticPrint() = default;
kprC_StandardDiagnosticPrint::~kprC_StandardDiagnosticPrint() = default;
kprC_PerturbationDiagnosticPrint::~kprC_PerturbationDiagnosticPrint() = default;
kprC_ExplicitDiagnosticPrint::~kprC_ExplicitDiagnosticPrint() = default;
