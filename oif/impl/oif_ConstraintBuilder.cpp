#include "oif/impl/oif_ConstraintBuilder.h"

#include <iterator>

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_Constraints.h"
#include "oif/impl/oif_Model.h"
#include "oif/impl/oif_SetName.h"
#include "oif/impl/oif_Tie.h"
#include "zkw/zkw_VelornName.h"

namespace {

/// The builder of each kind, in kind order.
using KindBuild = void (oif_ConstraintBuilder::*)(const cow_String&, const std::shared_ptr<const kcoC_Constraint>&);

template <class T>
std::shared_ptr<const T> As(const std::shared_ptr<const kcoC_Constraint>& constraint, int line) {
  nex_canDynamicCastRef<T>(*constraint, "oif/impl/oif_ConstraintBuilder", line);
  return std::static_pointer_cast<const T>(constraint);
}

}  // namespace

oif_ConstraintBuilder::oif_ConstraintBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_ConstraintBuilder::Clone() const { return new oif_ConstraintBuilder(*this); }

void oif_ConstraintBuilder::Build() {
  static constexpr KindBuild kBuilds[] = {&oif_ConstraintBuilder::Tie,          &oif_ConstraintBuilder::Coupling,
                                      &oif_ConstraintBuilder::RigidBody,    &oif_ConstraintBuilder::Equation,
                                      &oif_ConstraintBuilder::EmbeddedRegion, &oif_ConstraintBuilder::ShellSolidCoupling};
  static_assert(std::size(kBuilds) == std::size_t(kcoC_ConstraintKindCount), "one builder per constraint kind");

  // The cyclic symmetry model belongs to the model level.
  const ddb_ModelSectorDefinition& sector = oif_ModelOf(*model).DdbModel().modelSectorForCyclicSymmetry();
  cyclicSymmetry_ = sector.GetSymmetryType() == ddb_ModelSectorDefinition::Cyclic;
  if (cyclicSymmetry_) {
    if (info->HasExplicitStep())
      nex_TextException("Cyclic symmetry is not valid for Explicit.").Throw("oif/impl/oif_ConstraintBuilder", __LINE__);
    AddModelDefinition(
        oif_CyclicSymmetryModel(sector.GetNumberOfSectors(), sector.GetStartPoint(), sector.GetEndPoint()));
  }

  const auto constraints = model->Constraints();
  for (const auto& [key, constraint] : constraints.ConstGetMap()) {
    const cow_String name = key;
    AddAssemblyDefinition(oif_Comment("Constraint: " + name));
    const kcoC_ConstraintInfo* row = kcoC_FindInfo(*constraint);
    if (row == nullptr)
      nex_TextException("Unimplemented constraint type.").Throw("oif/impl/oif_ConstraintBuilder", __LINE__);
    (this->*kBuilds[std::size_t(row->kind)])(name, constraint);
  }
}

void oif_ConstraintBuilder::Tie(const cow_String& name, const std::shared_ptr<const kcoC_Constraint>& constraint) {
  const bool cyclic = cyclicSymmetry_ && oif_ModelOf(*model).DdbModel().hasCyclicSymmetry(name.c_str());
  if (cyclic && info->HasExplicitStep())
    nex_TextException("Cyclic symmetry - invalid parameter for *Tie for /Explicit.")
        .Throw("oif/impl/oif_ConstraintBuilder", __LINE__);
  AddAssemblyDefinition(oif_Tie(name, As<kcoC_Tie>(constraint, __LINE__), cyclic, *info));
}

void oif_ConstraintBuilder::Coupling(const cow_String& name, const std::shared_ptr<const kcoC_Constraint>& constraint) {
  const auto coupling = As<kcoC_Coupling>(constraint, __LINE__);
  AddAssemblyDefinition(oif_Coupling(name, coupling, *info));
  if (coupling->couplingKind != kcoC_Coupling::Kinematic)
    AddAssemblyDefinition(oif_Distributing(coupling));
  else
    AddAssemblyDefinition(oif_Kinematic(coupling));
}

void oif_ConstraintBuilder::RigidBody(const cow_String&, const std::shared_ptr<const kcoC_Constraint>& constraint) {
  const auto body = As<kcoC_RigidBody>(constraint, __LINE__);
  auto name = [&](int slot) { return oif_SetName(body->Region(slot).region, *info).Name(2); };
  oif_RigidBodyNames names;
  names.refNode = name(kcoC_RigidBody::RefNode);
  names.elset = name(kcoC_RigidBody::Elements);
  names.pinNset = name(kcoC_RigidBody::PinNodes);
  names.tieNset = name(kcoC_RigidBody::TieNodes);
  if (!body->analyticalSurface.empty()) names.analyticalSurface = zkw_VelornName(body->analyticalSurface).Printable();
  names.centerOfMass = body->centerOfMass;
  names.isothermal = body->isothermal;
  AddAssemblyDefinition(oif_RigidBody(names));
}

void oif_ConstraintBuilder::Equation(const cow_String&, const std::shared_ptr<const kcoC_Constraint>& constraint) {
  AddAssemblyDefinition(oif_Equation(As<kcoC_Equation>(constraint, __LINE__), *info));
}

void oif_ConstraintBuilder::EmbeddedRegion(const cow_String&, const std::shared_ptr<const kcoC_Constraint>& constraint) {
  AddAssemblyDefinition(oif_EmbeddedRegion(As<kcoC_EmbeddedRegion>(constraint, __LINE__), *info));
}

void oif_ConstraintBuilder::ShellSolidCoupling(const cow_String& name,
                                               const std::shared_ptr<const kcoC_Constraint>& constraint) {
  AddAssemblyDefinition(oif_ShellSolidCoupling(name, As<kcoC_ShellSolidCoupling>(constraint, __LINE__), *info));
}
