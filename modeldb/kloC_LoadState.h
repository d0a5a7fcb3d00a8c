#pragma once
// The state of a load (other than a bolt load) in one step: its components,
// their imaginary parts, its amplitude and the data of hydrostatic and pipe
// pressures. Each attribute carries its attribute state (mdl_PropAttr): 1
// given in this step, 2 carried over, 3 returned to unset in this step.
#include <array>
#include <string>

#include "modeldb/mdb_Export.h"
#include "modeldb/mdl_PropAttr.h"

struct MDB_API kloC_LoadState {
  /// Components (a load of one value keeps it in component 0) and the
  /// imaginary parts of complex loads.
  std::array<mdl_PropAttr<double>, 3> real, imag;
  mdl_PropAttr<std::string> amplitude;
  /// Hydrostatic pressures: the height of zero pressure and the reference
  /// height.
  mdl_PropAttr<double> zeroHeight, referenceHeight;
  /// Pipe pressures: the effective inner or outer diameter.
  mdl_PropAttr<double> diameter;

  /// A load is complex in a step when some imaginary part holds a value.
  bool IsComplex() const noexcept {
    for (const auto& part : imag)
      if (part.IsSet()) return true;
    return false;
  }

  template <class F>
  void ForEachAttr(F&& f) {
    for (auto& c : real) f(c);
    for (auto& c : imag) f(c);
    f(amplitude);
    f(zeroHeight);
    f(referenceHeight);
    f(diameter);
  }
};
