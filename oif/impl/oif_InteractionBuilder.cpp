#include "oif/impl/oif_InteractionBuilder.h"

oif_InteractionBuilder::oif_InteractionBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_InteractionBuilder::Clone() const { return new oif_InteractionBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_InteractionBuilder::Build() {}
