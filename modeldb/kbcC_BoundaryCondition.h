#pragma once
#include "modeldb/mdl_Object.h"

/// Base of the model's boundary conditions (step-dependent).
class MDB_API kbcC_BoundaryCondition : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kbcC_BoundaryCondition() override;
};
