#include "modeldb/kinC_Interaction.h"

kinC_Interaction::~kinC_Interaction() = default;
rgnC_RegionList kinC_Interaction::NodeSurfaceRegions() const { return {}; }
kinC_InteractionProperty::~kinC_InteractionProperty() = default;
kinC_ContactControls::~kinC_ContactControls() = default;
kinC_FilmCondition::~kinC_FilmCondition() = default;
kinC_RadiationToAmbient::~kinC_RadiationToAmbient() = default;
kinC_ContactExp::~kinC_ContactExp() = default;
