#include "modeldb/kinC_Interaction.h"

kinC_Interaction::~kinC_Interaction() = default;
rgnC_RegionList kinC_Interaction::NodeSurfaceRegions() const { return {}; }
kinC_InteractionProperty::~kinC_InteractionProperty() = default;
kinC_ContactControls::~kinC_ContactControls() = default;
