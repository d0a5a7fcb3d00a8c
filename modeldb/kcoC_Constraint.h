#pragma once
#include "modeldb/mdl_Object.h"

/// Base of the model's constraints (ties, couplings, rigid bodies, equations, ...).
class MDB_API kcoC_Constraint : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kcoC_Constraint() override;
};
