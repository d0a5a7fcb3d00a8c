#include "modeldb/bme_ElemCtrlParams.h"

#include <cmath>

namespace {
constexpr const char* kHourglass[] = {"DEFAULT", "RELAX STIFFNESS", "STIFFNESS", "VISCOUS", "COMBINED", "ENHANCED"};
constexpr const char* kDistortion[] = {"DEFAULT", "YES", "NO"};
constexpr const char* kKinematicSplit[] = {"DEFAULT", "AVERAGE STRAIN", "ORTHOGONAL", "CENTROID"};
constexpr const char* kSecondOrder[] = {"DEFAULT", "YES", "NO"};
constexpr const char* kStressRate[] = {"DEFAULT", "JAUMANN", "SPIN"};

bool Near(double a, double b) { return std::fabs(a - b) <= bme_ElemCtrlParams::kTolerance; }
}  // namespace

const omu_PrimEnumBase& bme_ElemCtrlParams::HourglassEnm() {
  static constexpr omu_PrimEnumBase table{"bme_ElemCtrlParams::HourglassEnm", kHourglass};
  return table;
}
const omu_PrimEnumBase& bme_ElemCtrlParams::DistortionEnm() {
  static constexpr omu_PrimEnumBase table{"bme_ElemCtrlParams::DistortionEnm", kDistortion};
  return table;
}
const omu_PrimEnumBase& bme_ElemCtrlParams::KinematicSplitEnm() {
  static constexpr omu_PrimEnumBase table{"bme_ElemCtrlParams::KinematicSplitEnm", kKinematicSplit};
  return table;
}
const omu_PrimEnumBase& bme_ElemCtrlParams::SecondOrderEnm() {
  static constexpr omu_PrimEnumBase table{"bme_ElemCtrlParams::SecondOrderEnm", kSecondOrder};
  return table;
}
const omu_PrimEnumBase& bme_ElemCtrlParams::StressRateEnm() {
  static constexpr omu_PrimEnumBase table{"bme_ElemCtrlParams::StressRateEnm", kStressRate};
  return table;
}

bool bme_ElemCtrlParams::HasDefaultSectionControls(int analysis) const noexcept {
  const int ownHourglass = analysis == Explicit ? RelaxStiffness : Stiffness;
  if (hourglass != HourglassDefault && hourglass != ownHourglass) return false;
  if (distortion != DistortionDefault || !Near(lengthRatio, kDefaultLengthRatio)) return false;
  if (kinematicSplit != SplitDefault && kinematicSplit != AverageStrain) return false;
  if (secondOrder == SecondOrderYes || stressRate == Spin) return false;
  if (!Near(weightFactor, kDefaultWeightFactor)) return false;
  for (double factor : hourglassScale)
    if (!Near(factor, 1.0)) return false;
  for (double factor : bulkViscosityScale)
    if (!Near(factor, 1.0)) return false;
  return true;
}

bool operator==(const bme_ElemCtrlParams& a, const bme_ElemCtrlParams& b) noexcept {
  if (a.hourglass != b.hourglass || a.distortion != b.distortion || a.kinematicSplit != b.kinematicSplit ||
      a.secondOrder != b.secondOrder || a.stressRate != b.stressRate)
    return false;
  if (!Near(a.lengthRatio, b.lengthRatio) || !Near(a.weightFactor, b.weightFactor)) return false;
  for (std::size_t i = 0; i < 3; ++i)
    if (!Near(a.hourglassScale[i], b.hourglassScale[i])) return false;
  for (std::size_t i = 0; i < 2; ++i)
    if (!Near(a.bulkViscosityScale[i], b.bulkViscosityScale[i])) return false;
  return true;
}
