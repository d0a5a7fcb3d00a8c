#pragma once
#include "modeldb/mdl_Object.h"

/// Base of the model's predefined fields (step-dependent).
class MDB_API kpfC_Field : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kpfC_Field() override;
};
