#include "oif/impl/oif_MaterialBuilder.h"

oif_MaterialBuilder::oif_MaterialBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_MaterialBuilder::Clone() const { return new oif_MaterialBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_MaterialBuilder::Build() {}
