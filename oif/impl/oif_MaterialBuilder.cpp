#include "oif/impl/oif_MaterialBuilder.h"

#include "modeldb/kseC_GasketSection.h"
#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_GasketBehavior.h"
#include "oif/impl/oif_Material.h"
#include "zkw/zkw_Model.h"

oif_MaterialBuilder::oif_MaterialBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_MaterialBuilder::Clone() const { return new oif_MaterialBuilder(*this); }

namespace {
/// True when a gasket section names the material (exact, case-sensitive).
bool NamedByGasketSection(const mdl_MapString2ObjCow<kseC_Section>& sections, const cow_String& material) {
  for (const auto& [sectionName, section] : sections) {
    if (section->DynTypeId() != kseC_GasketSection::TypeId()) continue;
    const auto& gasket = nex_canDynamicCastRef<kseC_GasketSection>(*section, "oif_MaterialBuilder", 91);
    if (gasket.material() == material) return true;
  }
  return false;
}
}  // namespace

void oif_MaterialBuilder::Build() {
  const mdl_MapString2ObjCow<kmaC_Material> materials = model->Materials();
  if (materials.Size() == 0) return;
  AddModelDefinition(oif_Comment("\nMATERIALS\n"));
  const mdl_MapString2ObjCow<kseC_Section> sections = model->Sections();
  for (const auto& [name, material] : materials) {
    if (material->HasGasketBehavior() && NamedByGasketSection(sections, name))
      AddModelDefinition(oif_GasketBehavior(name, *material));
    else
      AddModelDefinition(oif_Material(name, *material));
  }
}
