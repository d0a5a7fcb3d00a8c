#pragma once
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "modeldb/kinC_Interaction.h"
#include "oif/impl/oif_ContactKeywords.h"
#include "oif/impl/oif_OpStatus.h"
#include "zkw/zkw_BuilderComponent.h"

/// Builds the interaction properties (model section, under "INTERACTION
/// PROPERTIES") and the interactions of the steps (under "INTERACTIONS"):
/// contact pairs over their lifecycle, explicit pairs, general contact,
/// cavity radiation, films, radiation to the ambient, acoustic impedances
/// and incident waves.
class oif_InteractionBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_InteractionBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  /// Throws nex_TextException "Unimplemented interaction type." for an
  /// interaction or property outside the kind tables, and the keywords'
  /// own refusals.
  void Build() override;

 private:
  void Properties();
  void StdContact(const std::shared_ptr<const kinC_StdContact>& pair);
  void XplContact(const std::shared_ptr<const kinC_XplContact>& pair);
  void GeneralContact(const std::shared_ptr<const kinC_ContactExp>& contact);
  void CavityRadiation(const std::shared_ptr<const kinC_CavityRadiation>& cavity);
  /// The step pass over the films, radiation, impedances and incident waves.
  void StepDependent(std::size_t step, const std::shared_ptr<const kinC_Interaction>& interaction);
  /// Marks the groups outside the operation status (*Cfilm, *Cradiate,
  /// *Simpedance) restated in the steps where one of them is removed.
  void MarkOwnGroups(const kprC_PropagatingContainer<kinC_Interaction>& interactions);
  bool OwnGroupIsNew(std::type_index type, std::size_t step) const;

  /// Adds the step's heading (once per step), then the comment naming the
  /// interaction.
  void Open(std::size_t step, const cow_String& comment);
  void Add(std::size_t step, const zkw_Keyword& keyword) { AddStepDefinition(stepNames_[step], keyword); }

  cow_String SurfaceName(const rgnC_Region& region) const;
  oif_ContactSurfaces Surfaces(const rgnC_Region& slave, const rgnC_Region& master) const;
  std::shared_ptr<const kinC_ContactProperty> ContactProperty(const std::string& name) const;

  oif_InteractionOpStatus opStatus_;
  SectionHeading heading_{"INTERACTIONS"};
  SectionHeading modelHeading_{"INTERACTION PROPERTIES"};
  std::vector<cow_String> stepNames_;
  bool hasGeneralContact_ = false;
  /// Steps in which a general-contact keyword was written.
  std::vector<cow_String> contactSteps_;
  /// Acoustic impedances already written.
  std::vector<cow_String> impedancesWritten_;
  std::map<std::type_index, std::vector<char>> ownFlags_;
};
