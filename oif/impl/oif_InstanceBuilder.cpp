#include "oif/impl/oif_InstanceBuilder.h"

oif_InstanceBuilder::oif_InstanceBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_InstanceBuilder::Clone() const { return new oif_InstanceBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_InstanceBuilder::Build() {}
