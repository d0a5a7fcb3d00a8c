#include "modeldb/kinC_Interaction.h"

#include "exceptions/nex_Exception.h"
#include "modeldb/mdl_KindTable.h"
#include "modeldb/rgnC_SetData.h"

namespace {

using K = kinC_InteractionKind;
constexpr unsigned kSurface = 1u << rgnC_SetData::Surface;
constexpr unsigned kNodes = 1u << rgnC_SetData::NodeSet;

template <class T>
std::type_index TypeOf() {
  return mdl_TypeId<T>();
}

constexpr kinC_InteractionInfo Row(K kind, const char* className, const char* fileName, std::type_index (*typeId)(),
                                   bool initialStep, unsigned regionKinds, const char* unwritable = nullptr) {
  return {kind, className, fileName, typeId, initialStep, regionKinds, unwritable};
}

// One row per kind, in kind order (checked below). Contact pairs name their
// surfaces in members of their own; general contact and cavity radiation
// have no single region.
constexpr kinC_InteractionInfo kInfos[] = {
    Row(K::SurfaceToSurfaceContactStd, "kinC_SurfaceToSurfaceContactStd", "contact pair",
        &TypeOf<kinC_SurfaceToSurfaceContactStd>, true, 0),
    Row(K::SelfContactStd, "kinC_SelfContactStd", "self contact", &TypeOf<kinC_SelfContactStd>, true, 0),
    Row(K::SurfaceToSurfaceContactXpl, "kinC_SurfaceToSurfaceContactXpl", "explicit contact pair",
        &TypeOf<kinC_SurfaceToSurfaceContactXpl>, false, 0),
    Row(K::SelfContactXpl, "kinC_SelfContactXpl", "explicit self contact", &TypeOf<kinC_SelfContactXpl>, false, 0),
    Row(K::ContactExp, "kinC_ContactExp", "general contact", &TypeOf<kinC_ContactExp>, true, 0),
    Row(K::CavityRadiation, "kinC_CavityRadiation", "cavity radiation", &TypeOf<kinC_CavityRadiation>, true, 0),
    Row(K::FilmCondition, "kinC_FilmCondition", "film", &TypeOf<kinC_FilmCondition>, false, kSurface),
    Row(K::ConcFilmCondition, "kinC_ConcFilmCondition", "concentrated film", &TypeOf<kinC_ConcFilmCondition>, false,
        kNodes),
    Row(K::RadiationToAmbient, "kinC_RadiationToAmbient", "radiation", &TypeOf<kinC_RadiationToAmbient>, false,
        kSurface),
    Row(K::ConcRadiationToAmbient, "kinC_ConcRadiationToAmbient", "concentrated radiation",
        &TypeOf<kinC_ConcRadiationToAmbient>, false, kNodes),
    Row(K::AcousticImpedance, "kinC_AcousticImpedance", "acoustic impedance", &TypeOf<kinC_AcousticImpedance>, false,
        kSurface),
    Row(K::IncidentWave, "kinC_IncidentWave", "incident wave", &TypeOf<kinC_IncidentWave>, false, kSurface),
    Row(K::ElasticFoundation, "kinC_ElasticFoundation", "elastic foundation", &TypeOf<kinC_ElasticFoundation>, false,
        0, "an elastic foundation has no keyword in the deck"),
};
static_assert(mdl_OneRowPerKindInOrder<kinC_InteractionKind>(kInfos),
              "the interaction table needs one row per kind, in kind order");

using P = kinC_PropertyKind;
constexpr kinC_PropertyInfo kProperties[] = {
    {P::Contact, "kinC_ContactProperty", "contact", &TypeOf<kinC_ContactProperty>},
    {P::FilmCondition, "kinC_FilmConditionProp", "film", &TypeOf<kinC_FilmConditionProp>},
    {P::AcousticImpedance, "kinC_AcousticImpedanceProp", "acoustic impedance", &TypeOf<kinC_AcousticImpedanceProp>},
};
static_assert(mdl_OneRowPerKindInOrder<kinC_PropertyKind>(kProperties),
              "the interaction property table needs one row per kind, in kind order");

}  // namespace

std::span<const kinC_InteractionInfo> kinC_InteractionTable() { return kInfos; }

const kinC_InteractionInfo& kinC_Info(kinC_InteractionKind kind) {
  NEX_ASSERT(int(kind) >= 0 && int(kind) < kinC_InteractionKindCount);
  return kInfos[std::size_t(kind)];
}

const kinC_InteractionInfo* kinC_FindInfo(const kinC_Interaction& interaction) {
  for (const kinC_InteractionInfo& info : kInfos)
    if (interaction.DynTypeId() == info.typeId()) return &info;
  return nullptr;
}

const kinC_InteractionInfo* kinC_FindInteractionKind(std::string_view fileName) {
  for (const kinC_InteractionInfo& info : kInfos)
    if (fileName == info.fileName) return &info;
  return nullptr;
}

std::span<const kinC_PropertyInfo> kinC_PropertyTable() { return kProperties; }

const kinC_PropertyInfo* kinC_FindInfo(const kinC_InteractionProperty& property) {
  for (const kinC_PropertyInfo& info : kProperties)
    if (property.DynTypeId() == info.typeId()) return &info;
  return nullptr;
}

const kinC_PropertyInfo* kinC_FindPropertyKind(std::string_view fileName) {
  for (const kinC_PropertyInfo& info : kProperties)
    if (fileName == info.fileName) return &info;
  return nullptr;
}

kinC_Interaction::~kinC_Interaction() = default;
rgnC_RegionList kinC_Interaction::NodeSurfaceRegions() const { return {}; }

std::size_t kinC_Interaction::CreateStep() const noexcept {
  for (std::size_t i = 0; i < statuses.Size(); ++i)
    if (statuses.Status(i) == mdl_Created) return i;
  return statuses.Size();
}

kinC_StdContact::~kinC_StdContact() = default;
rgnC_RegionList kinC_StdContact::NodeSurfaceRegions() const {
  if (slaveKind == rgnC_SetData::NodeSet) return {slave};
  return {};
}
kinC_SurfaceToSurfaceContactStd::~kinC_SurfaceToSurfaceContactStd() = default;
kinC_SelfContactStd::~kinC_SelfContactStd() = default;
kinC_XplContact::~kinC_XplContact() = default;
kinC_SurfaceToSurfaceContactXpl::~kinC_SurfaceToSurfaceContactXpl() = default;
kinC_SelfContactXpl::~kinC_SelfContactXpl() = default;
kinC_ContactExp::~kinC_ContactExp() = default;
kinC_CavityRadiation::~kinC_CavityRadiation() = default;
kinC_FilmCondition::~kinC_FilmCondition() = default;
kinC_ConcFilmCondition::~kinC_ConcFilmCondition() = default;
kinC_RadiationToAmbient::~kinC_RadiationToAmbient() = default;
kinC_ConcRadiationToAmbient::~kinC_ConcRadiationToAmbient() = default;
kinC_AcousticImpedance::~kinC_AcousticImpedance() = default;
kinC_IncidentWave::~kinC_IncidentWave() = default;
kinC_ElasticFoundation::~kinC_ElasticFoundation() = default;

kinC_InteractionProperty::~kinC_InteractionProperty() = default;
kinC_ContactProperty::~kinC_ContactProperty() = default;
kinC_FilmConditionProp::~kinC_FilmConditionProp() = default;
kinC_AcousticImpedanceProp::~kinC_AcousticImpedanceProp() = default;

kinC_ContactControls::~kinC_ContactControls() = default;
kinC_StdContactControls::~kinC_StdContactControls() = default;
kinC_XplContactControls::~kinC_XplContactControls() = default;

bool kinC_StdContactControls::IsDefault() const noexcept {
  return !mdl_IsSet(absolutePenetrationTolerance) && !mdl_IsSet(relativePenetrationTolerance) &&
         !mdl_IsSet(stiffnessScaleFactor) && !mdl_IsSet(slideDistance) && !delayedFrictionOnset &&
         !automaticTolerances && !mdl_IsSet(maxchp) && !mdl_IsSet(perrmx) && !mdl_IsSet(uerrmx) && !stabilize &&
         !mdl_IsSet(tangentFraction);
}
