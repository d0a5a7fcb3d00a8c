#include "oif/impl/oif_ConstraintBuilder.h"

oif_ConstraintBuilder::oif_ConstraintBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_ConstraintBuilder::Clone() const { return new oif_ConstraintBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_ConstraintBuilder::Build() {}
