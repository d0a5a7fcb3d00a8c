#include "oif/impl/oif_JobKeywordsBuilder.h"

#include "oif/impl/oif_FileHeader.h"
#include "oif/impl/oif_Model.h"

oif_JobKeywordsBuilder::oif_JobKeywordsBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_JobKeywordsBuilder::Clone() const { return new oif_JobKeywordsBuilder(*this); }

void oif_JobKeywordsBuilder::Build() {
  const cow_String& text = oif_ModelOf(*model).DdbModel().topLevelSolverInput();
  if (!text.empty()) AddModelDefinition(oif_FileHeader(text));
}
