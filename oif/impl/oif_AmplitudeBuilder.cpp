#include "oif/impl/oif_AmplitudeBuilder.h"

oif_AmplitudeBuilder::oif_AmplitudeBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_AmplitudeBuilder::Clone() const { return new oif_AmplitudeBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_AmplitudeBuilder::Build() {}
