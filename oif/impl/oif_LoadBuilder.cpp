#include "oif/impl/oif_LoadBuilder.h"

oif_LoadBuilder::oif_LoadBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_LoadBuilder::Clone() const { return new oif_LoadBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_LoadBuilder::Build() {}
