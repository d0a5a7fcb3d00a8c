#include "oif/impl/oif_PartBuilder.h"

oif_PartBuilder::oif_PartBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_PartBuilder::Clone() const { return new oif_PartBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_PartBuilder::Build() {}
