#include "oif/impl/oif_FieldBuilder.h"

oif_FieldBuilder::oif_FieldBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_FieldBuilder::Clone() const { return new oif_FieldBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_FieldBuilder::Build() {}
