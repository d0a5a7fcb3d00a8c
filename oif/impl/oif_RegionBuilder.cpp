#include "oif/impl/oif_RegionBuilder.h"

oif_RegionBuilder::oif_RegionBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_RegionBuilder::Clone() const { return new oif_RegionBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_RegionBuilder::Build() {}
