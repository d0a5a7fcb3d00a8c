#include "oif/impl/oif_BoundaryConditionBuilder.h"

oif_BoundaryConditionBuilder::oif_BoundaryConditionBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_BoundaryConditionBuilder::Clone() const { return new oif_BoundaryConditionBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_BoundaryConditionBuilder::Build() {}
