#include "modeldb/kbpC_BeamProfile.h"

kbpC_BeamProfile::~kbpC_BeamProfile() = default;
