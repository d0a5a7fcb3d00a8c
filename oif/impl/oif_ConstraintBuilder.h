#pragma once
#include <memory>

#include "modeldb/kcoC_Constraint.h"
#include "zkw/zkw_BuilderComponent.h"

/// Builds the constraints of the assembly and the cyclic symmetry model.
class oif_ConstraintBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_ConstraintBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  /// Throws nex_TextException "Cyclic symmetry is not valid for Explicit." for
  /// a cyclic-symmetry model with an explicit step, and "Unimplemented
  /// constraint type." for a constraint outside the constraint table.
  void Build() override;

 private:
  void Tie(const cow_String& name, const std::shared_ptr<const kcoC_Constraint>& constraint);
  void Coupling(const cow_String& name, const std::shared_ptr<const kcoC_Constraint>& constraint);
  void RigidBody(const cow_String& name, const std::shared_ptr<const kcoC_Constraint>& constraint);
  void Equation(const cow_String& name, const std::shared_ptr<const kcoC_Constraint>& constraint);
  void EmbeddedRegion(const cow_String& name, const std::shared_ptr<const kcoC_Constraint>& constraint);
  void ShellSolidCoupling(const cow_String& name, const std::shared_ptr<const kcoC_Constraint>& constraint);

  bool cyclicSymmetry_ = false;
};
