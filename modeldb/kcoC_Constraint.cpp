#include "modeldb/kcoC_Constraint.h"

kcoC_Constraint::~kcoC_Constraint() = default;
