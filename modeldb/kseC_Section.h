#pragma once
#include <array>

#include "modeldb/mdl_Object.h"

/// Base of the model's sections.
class MDB_API kseC_Section : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kseC_Section() override;
};

/// The hourglass stiffness of a section: the factors of the displacement, the
/// rotation and the out-of-plane displacement modes; all 0 means the solver's
/// own choice.
struct MDB_API kseC_HourglassValues {
  std::array<double, 3> values{0.0, 0.0, 0.0};
  bool IsZero() const noexcept { return values[0] == 0.0 && values[1] == 0.0 && values[2] == 0.0; }
};
