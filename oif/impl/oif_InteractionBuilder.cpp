#include "oif/impl/oif_InteractionBuilder.h"

#include <algorithm>

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_InteractionProperties.h"
#include "oif/impl/oif_SetName.h"
#include "oif/impl/oif_SurfaceInteractions.h"
#include "zkw/zkw_Model.h"
#include "zkw/zkw_ModelInfo.h"

namespace {

constexpr const char* kSource = "oif/impl/oif_InteractionBuilder";
/// The first analysis step.
constexpr std::size_t kFirstStep = 1;

template <class T, class U>
std::shared_ptr<const T> As(const std::shared_ptr<const U>& object, int line) {
  nex_canDynamicCastRef<T>(*object, kSource, line);
  return std::static_pointer_cast<const T>(object);
}

bool Contains(const std::vector<cow_String>& names, const cow_String& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

oif_InteractionBuilder::oif_InteractionBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_InteractionBuilder::Clone() const { return new oif_InteractionBuilder(*this); }

void oif_InteractionBuilder::Build() {
  stepNames_ = model->Steps().Keys();
  Properties();

  const auto interactions = model->Interactions();
  if (interactions.Size() != 0 && stepNames_.empty())
    nex_TextException("Interactions need the initial step.").Throw(kSource, __LINE__);
  // The restatement flags, which general contact reads in the model-level
  // pass already.
  opStatus_.Fill(interactions, stepNames_);
  MarkOwnGroups(interactions);

  // Model-level pass: the pairs, general contact and cavities, each over
  // all of its steps.
  for (const auto& [key, interaction] : interactions) {
    if (interaction->suppressed) continue;
    const kinC_InteractionInfo* row = kinC_FindInfo(*interaction);
    if (row == nullptr) nex_TextException("Unimplemented interaction type.").Throw(kSource, __LINE__);
    switch (row->kind) {
      case kinC_InteractionKind::SurfaceToSurfaceContactStd:
      case kinC_InteractionKind::SelfContactStd:
        StdContact(As<kinC_StdContact>(interaction, __LINE__));
        break;
      case kinC_InteractionKind::SurfaceToSurfaceContactXpl:
      case kinC_InteractionKind::SelfContactXpl:
        XplContact(As<kinC_XplContact>(interaction, __LINE__));
        break;
      case kinC_InteractionKind::CavityRadiation:
        CavityRadiation(As<kinC_CavityRadiation>(interaction, __LINE__));
        break;
      case kinC_InteractionKind::ContactExp:
        hasGeneralContact_ = true;
        GeneralContact(As<kinC_ContactExp>(interaction, __LINE__));
        break;
      default:  // the step pass writes the others; elastic foundations have no keyword
        break;
    }
  }

  // Step pass.
  for (std::size_t step = kFirstStep; step < stepNames_.size(); ++step) {
    const cow_String& stepName = stepNames_[step];
    if (hasGeneralContact_ && !Contains(contactSteps_, stepName) &&
        opStatus_.IsNew(mdl_TypeId<kinC_ContactExp>(), stepName)) {
      const zkw_Keyword& heading = heading_.HeadingFor(stepName);
      if (!heading_.IsFiller(heading)) Add(step, heading);
      Add(step, oif_Contact(true));
    }
    for (const auto& [key, interaction] : interactions)
      if (!interaction->suppressed) StepDependent(step, interaction);
  }
}

// ---------------------------------------------------------------------------
// Properties

void oif_InteractionBuilder::Properties() {
  for (const auto& [key, property] : model->InteractionProperties()) {
    const kinC_PropertyInfo* row = kinC_FindInfo(*property);
    if (row == nullptr) nex_TextException("Unimplemented interaction property type.").Throw(kSource, __LINE__);
    const zkw_Keyword& heading = modelHeading_.HeadingFor(cow_String());
    if (!modelHeading_.IsFiller(heading)) AddModelDefinition(heading);
    switch (row->kind) {
      case kinC_PropertyKind::Contact: {
        const auto contact = As<kinC_ContactProperty>(property, __LINE__);
        AddModelDefinition(oif_SurfaceInteraction(contact));
        if (contact->friction) AddModelDefinition(oif_Friction(contact->friction));
        if (contact->behavior) AddModelDefinition(oif_SurfaceBehavior(contact->behavior));
        if (contact->damping) AddModelDefinition(oif_ContactDamping(contact->damping));
        if (contact->conductance) AddModelDefinition(oif_GapConductance(contact->conductance));
        if (contact->heatGeneration) AddModelDefinition(oif_GapHeatGeneration(contact->heatGeneration));
        if (contact->radiation) AddModelDefinition(oif_GapRadiation(contact->radiation));
        break;
      }
      case kinC_PropertyKind::FilmCondition:
        AddModelDefinition(oif_FilmProperty(As<kinC_FilmConditionProp>(property, __LINE__)));
        break;
      default:
        AddModelDefinition(oif_AcousticImpedanceProp(As<kinC_AcousticImpedanceProp>(property, __LINE__)));
    }
  }
}

// ---------------------------------------------------------------------------
// Helpers

void oif_InteractionBuilder::Open(std::size_t step, const cow_String& comment) {
  const zkw_Keyword& heading = heading_.HeadingFor(stepNames_[step]);
  if (!heading_.IsFiller(heading)) Add(step, heading);
  Add(step, oif_Comment(comment));
}

cow_String oif_InteractionBuilder::SurfaceName(const rgnC_Region& region) const {
  return oif_SetName(region, *info).SurfaceName(2);
}

oif_ContactSurfaces oif_InteractionBuilder::Surfaces(const rgnC_Region& slave, const rgnC_Region& master) const {
  oif_ContactSurfaces surfaces;
  surfaces.slave = SurfaceName(slave);
  if (master.ConstSet() >= 0) surfaces.master = SurfaceName(master);
  return surfaces;
}

std::shared_ptr<const kinC_ContactProperty> oif_InteractionBuilder::ContactProperty(const std::string& name) const {
  const auto property = model->InteractionProperties().GetShared(name);
  const auto* contact = dynamic_cast<const kinC_ContactProperty*>(property.get());
  if (contact == nullptr) NEX_THROW_TEXT("No contact property named \"" + name + "\"");
  return std::static_pointer_cast<const kinC_ContactProperty>(property);
}

// ---------------------------------------------------------------------------
// Standard contact pairs: defined in the initial step, then switched off,
// on and changed step by step.

void oif_InteractionBuilder::StdContact(const std::shared_ptr<const kinC_StdContact>& pair) {
  const cow_String name = pair->name();
  const cow_String comment = "Interaction: " + name;
  const oif_ContactSurfaces surfaces = Surfaces(pair->slave, pair->master);
  const std::size_t created = pair->CreateStep();
  const kinC_ContactPairState& definition = pair->ConstGetState(created);
  const cow_String adjustSet =
      pair->adjust == kinC_StdContact::AdjustSet ? oif_SetName(pair->adjustSet, *info).Name(2) : cow_String();

  Open(0, comment);
  Add(0, oif_ContactPair(pair, definition, surfaces, adjustSet));
  if (mdl_IsSet(pair->clearance)) AddModelDefinition(oif_Clearance(surfaces, cow_String(pair->cpset), pair->clearance));

  const auto controls = model->ContactControls();
  for (std::size_t step = kFirstStep; step < stepNames_.size(); ++step) {
    const int s = pair->GetPropStatus(step);
    const kinC_ContactPairState& state = pair->ConstGetState(step);
    bool commented = true;
    if (s == mdl_Inactive && step == kFirstStep) {
      Open(step, comment);
      Add(step, oif_ModelChange(pair, surfaces, true, s));
    } else if (s == mdl_Created && step != kFirstStep) {
      Open(step, comment);
      Add(step, oif_ModelChange(pair, surfaces, false, s));
    } else if (s == mdl_Modified && state.interactionProperty.IsModified()) {
      // The friction of the property the pair was defined with takes the
      // values of the property it uses now.
      Open(step, comment);
      Add(step, oif_ChangeFriction(definition.interactionProperty.ConstGet()));
      const auto now = ContactProperty(state.interactionProperty.ConstGet());
      Add(step, oif_Friction(now->friction ? now->friction : std::make_shared<const kinC_Friction>(), true));
    } else if (s == mdl_Deactivated) {
      Open(step, comment);
      Add(step, oif_ModelChange(pair, surfaces, true, s));
    } else {
      commented = false;
    }

    // An interference given in the initial step takes effect in the first
    // analysis step, where the deck can state it.
    kinC_ContactPairState fit = state;
    if (step == kFirstStep && created == 0) {
      if (fit.interference.State() == mdl_AttrCarried) fit.interference.SetState(mdl_AttrChanged);
      if (fit.shrink.State() == mdl_AttrCarried) fit.shrink.SetState(mdl_AttrChanged);
    }
    const oif_ContactInterference interference(surfaces, fit);
    if (s != mdl_Deactivated && !interference.IsEmpty()) {
      if (!commented) Open(step, comment);
      Add(step, interference);
    }

    if (!pair->HasStep(step) || s == mdl_Deactivated) continue;
    const auto& named = state.contactControls;
    const int attrState = named.State();
    const bool isNew = attrState == mdl_AttrChanged || (step == kFirstStep && attrState == mdl_AttrCarried);
    if (!named.ConstGet().empty() && isNew) {
      const auto found = controls.GetShared(named.ConstGet());
      const auto* standard = dynamic_cast<const kinC_StdContactControls*>(found.get());
      if (standard == nullptr) NEX_THROW_TEXT("No standard contact controls named \"" + named.ConstGet() + "\"");
      if (step == created && standard->IsDefault()) continue;
      Open(step, "Contact Controls for Interaction: " + name);
      Add(step, oif_ContactControls(surfaces, std::static_pointer_cast<const kinC_StdContactControls>(found)));
    } else if (named.ConstGet().empty() && attrState == mdl_AttrReset && step != created) {
      Open(step, "Contact Controls for Interaction: " + name);
      Add(step, oif_ContactControls(surfaces, std::shared_ptr<const kinC_StdContactControls>()));
    }
  }
}

// ---------------------------------------------------------------------------
// Explicit contact pairs: defined in the step they are created in,
// redefined when their property or enforcement changes, deleted when
// deactivated; their controls cite the pair's contact pair set.

void oif_InteractionBuilder::XplContact(const std::shared_ptr<const kinC_XplContact>& pair) {
  const cow_String name = pair->name();
  const cow_String comment = "Interaction: " + name;
  const oif_ContactSurfaces surfaces = Surfaces(pair->slave, pair->master);
  cow_String cpset = pair->cpset;
  if (cpset.empty())
    for (std::size_t step = 0; step < stepNames_.size(); ++step)
      if (!pair->ConstGetState(step).contactControls.ConstGet().empty()) cpset = name;

  const auto controls = model->ContactControls();
  auto controlsOf = [&](const std::string& controlsName) {
    const auto found = controls.GetShared(controlsName);
    if (dynamic_cast<const kinC_XplContactControls*>(found.get()) == nullptr)
      NEX_THROW_TEXT("No explicit contact controls named \"" + controlsName + "\"");
    return std::static_pointer_cast<const kinC_XplContactControls>(found);
  };

  for (std::size_t step = kFirstStep; step < stepNames_.size(); ++step) {
    const int s = pair->GetPropStatus(step);
    const kinC_ContactPairState& state = pair->ConstGetState(step);
    if (s == mdl_Created) {
      Open(step, comment);
      Add(step, oif_ContactPair(pair, state, surfaces, cpset, false));
      if (!state.contactControls.ConstGet().empty())
        Add(step, oif_ContactControls(cpset, controlsOf(state.contactControls.ConstGet())));
    } else if (s == mdl_Modified) {
      const bool redefined = state.interactionProperty.IsModified() || state.mechanicalConstraint.IsModified() ||
                             state.weight.IsModified();
      const bool controlsChanged = state.contactControls.IsModified();
      if (!redefined && !controlsChanged) continue;
      Open(step, comment);
      if (redefined) {
        Add(step, oif_ContactPair(pair, state, surfaces, cpset, true));
        Add(step, oif_ContactPair(pair, state, surfaces, cpset, false));
      }
      if (controlsChanged || (redefined && !state.contactControls.ConstGet().empty())) {
        if (state.contactControls.ConstGet().empty())
          Add(step, oif_ContactControls(cpset, std::shared_ptr<const kinC_XplContactControls>()));
        else
          Add(step, oif_ContactControls(cpset, controlsOf(state.contactControls.ConstGet())));
      }
    } else if (s == mdl_Deactivated) {
      Open(step, comment);
      Add(step, oif_ContactPair(pair, state, surfaces, cpset, true));
    }
  }
}

// ---------------------------------------------------------------------------
// General contact

void oif_InteractionBuilder::GeneralContact(const std::shared_ptr<const kinC_ContactExp>& contact) {
  const cow_String comment = "Interaction: " + cow_String(contact->name());
  auto name = [&](const rgnC_Region& region) {
    return region.ConstSet() < 0 ? cow_String() : SurfaceName(region);
  };
  auto pairs = [&](const std::vector<kinC_SurfacePair>& list) {
    std::vector<oif_SurfaceNamePair> names;
    for (const kinC_SurfacePair& pair : list) names.emplace_back(name(pair.first), name(pair.second));
    return names;
  };
  for (std::size_t step = 0; step < stepNames_.size(); ++step) {
    const int s = contact->GetPropStatus(step);
    if (s != mdl_Created && s != mdl_Modified) continue;
    const kinC_GeneralContactState& state = contact->ConstGetState(step);
    const bool opNew = opStatus_.Flag(opStatus_.StatusKey(contact->DynTypeId()), step);
    Open(step, comment);
    Add(step, oif_Contact(opNew, state.allExterior.ConstGet(), pairs(state.inclusions.ConstGet()),
                          pairs(state.exclusions.ConstGet())));
    std::vector<oif_ContactPropertyAssignments::Row> properties;
    for (const kinC_PropertyAssignment& row : state.propertyAssignments.ConstGet())
      properties.push_back({name(row.first), name(row.second), row.property});
    const oif_ContactPropertyAssignments propertyKeyword(std::move(properties));
    if (!propertyKeyword.IsEmpty()) Add(step, propertyKeyword);
    std::vector<oif_SurfacePropertyAssignments::Row> thicknesses;
    for (const kinC_ThicknessAssignment& row : state.thicknessAssignments.ConstGet())
      thicknesses.push_back({name(row.surface), row.kind, row.value});
    const oif_SurfacePropertyAssignments thicknessKeyword(std::move(thicknesses));
    if (!thicknessKeyword.IsEmpty()) Add(step, thicknessKeyword);
    const oif_ContactFormulationAssignments formulation(pairs(state.formulations.ConstGet()),
                                                        state.pureMasterSlave.ConstGet());
    if (!formulation.IsEmpty()) Add(step, formulation);
    contactSteps_.push_back(stepNames_[step]);
  }
}

// ---------------------------------------------------------------------------
// Cavity radiation: the cavity in the initial step, its view factor
// controls in every analysis step.

void oif_InteractionBuilder::CavityRadiation(const std::shared_ptr<const kinC_CavityRadiation>& cavity) {
  const cow_String name = cavity->name();
  const cow_String comment = "Interaction: " + name;
  std::vector<cow_String> surfaces;
  for (const rgnC_Region& region : cavity->surfaces) surfaces.push_back(SurfaceName(region));
  Open(0, comment);
  Add(0, oif_CavityDefinition(name, cavity->ambientTemperature, std::move(surfaces)));
  for (std::size_t step = kFirstStep; step < stepNames_.size(); ++step) {
    const int s = cavity->GetPropStatus(step);
    const kinC_CavityState& state = cavity->ConstGetState(step);
    switch (s) {
      case 0: case 4: case 5: case 6: case 7:
        Open(step, comment);
        Add(step, oif_RadiationViewfactor(name, state, true));
        break;
      case mdl_Created:
      case mdl_Modified:
        Open(step, comment);
        Add(step, oif_RadiationViewfactor(name, state, false));
        break;
      case mdl_Propagated:
        // Carried over: stated once, in the first analysis step.
        if (step == kFirstStep) {
          Open(step, comment);
          Add(step, oif_RadiationViewfactor(name, state, false));
        }
        break;
      default:
        nex_TextException("Error in cavity radiation history status.").Throw(kSource, __LINE__);
    }
  }
}

// ---------------------------------------------------------------------------
// Films, radiation, impedances and incident waves

void oif_InteractionBuilder::MarkOwnGroups(const kprC_PropagatingContainer<kinC_Interaction>& interactions) {
  ownFlags_.clear();
  for (const std::type_index type : {mdl_TypeId<kinC_ConcFilmCondition>(), mdl_TypeId<kinC_ConcRadiationToAmbient>(),
                                     mdl_TypeId<kinC_AcousticImpedance>()})
    ownFlags_[type].assign(stepNames_.size(), 0);
  for (const auto& [key, interaction] : interactions) {
    auto flags = ownFlags_.find(interaction->DynTypeId());
    if (flags == ownFlags_.end()) continue;
    for (std::size_t step = kFirstStep; step < stepNames_.size(); ++step)
      if (interaction->GetPropStatus(step) == mdl_Deactivated) flags->second[step] = 1;
  }
}

bool oif_InteractionBuilder::OwnGroupIsNew(std::type_index type, std::size_t step) const {
  auto flags = ownFlags_.find(type);
  return flags != ownFlags_.end() && step < flags->second.size() && flags->second[step] != 0;
}

void oif_InteractionBuilder::StepDependent(std::size_t step, const std::shared_ptr<const kinC_Interaction>& interaction) {
  const kinC_InteractionInfo* row = kinC_FindInfo(*interaction);
  if (row == nullptr) return;  // refused in the model-level pass already
  const int s = interaction->GetPropStatus(step);
  const cow_String comment = "Interaction: " + cow_String(interaction->name());
  const std::type_index type = interaction->DynTypeId();
  using K = kinC_InteractionKind;
  switch (row->kind) {
    case K::FilmCondition: {
      const bool opNew = opStatus_.IsNew(type, step);
      if (!oif_InteractionOpStatus::Writes(s, opNew)) return;
      const auto film = As<kinC_FilmCondition>(interaction, __LINE__);
      Open(step, comment);
      Add(step, oif_Sfilm(oif_KeywordForm::Make(s, opNew), SurfaceName(film->region), film->ConstGetState(step),
                          film->definition));
      return;
    }
    case K::RadiationToAmbient: {
      const bool opNew = opStatus_.IsNew(type, step);
      if (!oif_InteractionOpStatus::Writes(s, opNew)) return;
      const auto radiation = As<kinC_RadiationToAmbient>(interaction, __LINE__);
      Open(step, comment);
      Add(step, oif_Sradiate(oif_KeywordForm::Make(s, opNew), SurfaceName(radiation->region),
                             radiation->ConstGetState(step)));
      return;
    }
    case K::ConcFilmCondition: {
      const bool opNew = OwnGroupIsNew(type, step);
      if (!oif_InteractionOpStatus::Writes(s, opNew)) return;
      const auto film = As<kinC_ConcFilmCondition>(interaction, __LINE__);
      Open(step, comment);
      Add(step, oif_Cfilm(oif_KeywordForm::Make(s, opNew), oif_SetName(film->region, *info).Name(2),
                          film->ConstGetState(step), *film));
      return;
    }
    case K::ConcRadiationToAmbient: {
      const bool opNew = OwnGroupIsNew(type, step);
      if (!oif_InteractionOpStatus::Writes(s, opNew)) return;
      const auto radiation = As<kinC_ConcRadiationToAmbient>(interaction, __LINE__);
      Open(step, comment);
      Add(step, oif_Cradiate(oif_KeywordForm::Make(s, opNew), oif_SetName(radiation->region, *info).Name(2),
                             radiation->ConstGetState(step), radiation->regionType));
      return;
    }
    case K::AcousticImpedance: {
      const bool opNew = OwnGroupIsNew(type, step);
      const cow_String name = interaction->name();
      const bool written = Contains(impedancesWritten_, name);
      oif_KeywordForm form = oif_KeywordForm::Make(s, opNew);
      bool write = s == mdl_Created || s == mdl_Modified || s == mdl_Deactivated;
      if (s == mdl_Propagated) write = !written || opNew;
      if (s == mdl_BoltPropagated && !written) {
        write = true;
        form.removed = true;
      }
      if (!write) return;
      const auto impedance = As<kinC_AcousticImpedance>(interaction, __LINE__);
      Open(step, comment);
      Add(step, oif_AcousticImpedance(form, SurfaceName(impedance->region), impedance));
      if (!written) impedancesWritten_.push_back(name);
      return;
    }
    case K::IncidentWave: {
      if (s != mdl_Created) return;
      const auto wave = As<kinC_IncidentWave>(interaction, __LINE__);
      Open(step, comment);
      Add(step, oif_IncidentWave(SurfaceName(wave->region), wave));
      return;
    }
    default:
      return;
  }
}
