#pragma once
#include "modeldb/mdl_Object.h"

/// Base of the model's materials.
class MDB_API kmaC_Material : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kmaC_Material() override;
};
