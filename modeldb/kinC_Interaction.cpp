#include "modeldb/kinC_Interaction.h"

kinC_Interaction::~kinC_Interaction() = default;
kinC_InteractionProperty::~kinC_InteractionProperty() = default;
kinC_ContactControls::~kinC_ContactControls() = default;
