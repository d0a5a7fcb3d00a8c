#include "oif/impl/oif_TransformBuilder.h"

oif_TransformBuilder::oif_TransformBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_TransformBuilder::Clone() const { return new oif_TransformBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_TransformBuilder::Build() {}
