#pragma once
#include "modeldb/mdl_Object.h"

/// Base of the model's amplitudes (time, spectrum and power spectral density definitions).
class MDB_API kamC_Amplitude : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kamC_Amplitude() override;
};
