#pragma once
// Predefined fields (step-dependent). Every field reports a propagation
// status per step (by step position, 0 the initial step); its concrete class
// tells its kind.
#include "modeldb/mdl_Object.h"
#include "modeldb/mdl_PropAttr.h"

/// Base of the model's predefined fields (step-dependent).
class MDB_API kpfC_Field : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kpfC_Field() override;

  /// Propagation status (mdl_PropagationStatusEnm) in the step at a position.
  int Status(std::size_t step) const noexcept { return statuses.Status(step); }

  bool suppressed = false;
  mdl_StatusList statuses;
};

enum class kpfC_FieldKind : int { Temperature, PressureStress, MassFlowRate, GeneralField, Velocity, Stress, Hardening };

/// The class of the fields of one kind.
template <kpfC_FieldKind K>
class kpfC_FieldOf : public kpfC_Field {
 public:
  using kpfC_Field::kpfC_Field;
};

using kpfC_Temperature = kpfC_FieldOf<kpfC_FieldKind::Temperature>;
using kpfC_PressureStress = kpfC_FieldOf<kpfC_FieldKind::PressureStress>;
using kpfC_MassFlowRate = kpfC_FieldOf<kpfC_FieldKind::MassFlowRate>;
/// The general field (its type is that of kpfC_GeneralFieldBase).
using kpfC_GeneralFieldBase = kpfC_FieldOf<kpfC_FieldKind::GeneralField>;
using kpfC_GeneralField = kpfC_GeneralFieldBase;
using kpfC_Velocity = kpfC_FieldOf<kpfC_FieldKind::Velocity>;
using kpfC_Stress = kpfC_FieldOf<kpfC_FieldKind::Stress>;
using kpfC_Hardening = kpfC_FieldOf<kpfC_FieldKind::Hardening>;
