#include "oif/impl/oif_OutputRequestBuilder.h"

oif_OutputRequestBuilder::oif_OutputRequestBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_OutputRequestBuilder::Clone() const { return new oif_OutputRequestBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_OutputRequestBuilder::Build() {}
