#include "modeldb/kbpC_BeamProfile.h"

kbpC_BeamProfile::~kbpC_BeamProfile() = default;
kbpC_RectangularProfile::~kbpC_RectangularProfile() = default;
kbpC_CircularProfile::~kbpC_CircularProfile() = default;
kbpC_PipeProfile::~kbpC_PipeProfile() = default;
kbpC_HexagonalProfile::~kbpC_HexagonalProfile() = default;
kbpC_IbeamProfile::~kbpC_IbeamProfile() = default;
kbpC_TbeamProfile::~kbpC_TbeamProfile() = default;
kbpC_LbeamProfile::~kbpC_LbeamProfile() = default;
kbpC_TrapezoidalProfile::~kbpC_TrapezoidalProfile() = default;
kbpC_BoxProfile::~kbpC_BoxProfile() = default;
kbpC_ArbitraryProfile::~kbpC_ArbitraryProfile() = default;
kbpC_GeneralizedProfile::~kbpC_GeneralizedProfile() = default;
