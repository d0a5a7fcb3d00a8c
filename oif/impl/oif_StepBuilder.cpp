#include "oif/impl/oif_StepBuilder.h"

oif_StepBuilder::oif_StepBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_StepBuilder::Clone() const { return new oif_StepBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_StepBuilder::Build() {}
