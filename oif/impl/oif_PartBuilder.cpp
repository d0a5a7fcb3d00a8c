#include "oif/impl/oif_PartBuilder.h"

#include <algorithm>

#include "oif/impl/oif_Model.h"
#include "oif/impl/oif_Part.h"
#include "zkw/zkw_ModelInfo.h"

oif_PartBuilder::oif_PartBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_PartBuilder::Clone() const { return new oif_PartBuilder(*this); }

// Parts are opened in the order in which instances first use them; a part
// that no instance uses gets no block.
void oif_PartBuilder::Build() {
  if (!info->WritesParts()) return;
  for (const auto& [name, instance] : oif_ModelOf(*model).Instances()) {
    if (!instance->isPartInstance()) continue;
    const cow_String& partName =
        nex_canDynamicCastRef<ddb_PartInstance>(*instance, "oif/impl/oif_PartBuilder", __LINE__).partName();
    if (std::find(openedParts_.begin(), openedParts_.end(), partName) != openedParts_.end()) continue;
    AddPartDefinition(partName, oif_Part(partName));
    openedParts_.push_back(partName);
  }
}
