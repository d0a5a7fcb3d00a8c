#include "modeldb/kbcC_BoundaryCondition.h"

kbcC_BoundaryCondition::~kbcC_BoundaryCondition() = default;
rgnC_DatumRegionList kbcC_BoundaryCondition::DatumCsysRegions() const { return {}; }
