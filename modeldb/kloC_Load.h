#pragma once
#include "modeldb/mdl_Object.h"

/// Base of the model's loads (step-dependent).
class MDB_API kloC_Load : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kloC_Load() override;
};
