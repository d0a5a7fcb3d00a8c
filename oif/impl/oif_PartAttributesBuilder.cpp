#include "oif/impl/oif_PartAttributesBuilder.h"

oif_PartAttributesBuilder::oif_PartAttributesBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_PartAttributesBuilder::Clone() const { return new oif_PartAttributesBuilder(*this); }

// The model file does not carry this area of the model yet: nothing to register.
void oif_PartAttributesBuilder::Build() {}
