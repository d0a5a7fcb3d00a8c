#pragma once
#include "modeldb/mdl_Object.h"

/// Base of the model's sections.
class MDB_API kseC_Section : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kseC_Section() override;
};
