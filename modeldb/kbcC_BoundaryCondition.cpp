#include "modeldb/kbcC_BoundaryCondition.h"

kbcC_BoundaryCondition::~kbcC_BoundaryCondition() = default;
