#include "modeldb/kprC_Step.h"

klcC_LoadCase::~klcC_LoadCase() = default;
kprC_Step::~kprC_Step() = default;
kprC_InitialStep::~kprC_InitialStep() = default;
kprC_AnalysisStep::~kprC_AnalysisStep() = default;
kprC_StaticStep::~kprC_StaticStep() = default;
kprC_FrequencyStep::~kprC_FrequencyStep() = default;
kprC_ExplicitDynamicsStep::~kprC_ExplicitDynamicsStep() = default;
