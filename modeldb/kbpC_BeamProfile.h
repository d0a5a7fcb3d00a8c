#pragma once
#include "modeldb/mdl_Object.h"

/// Base of the model's beam section profiles.
class MDB_API kbpC_BeamProfile : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kbpC_BeamProfile() override;
};
