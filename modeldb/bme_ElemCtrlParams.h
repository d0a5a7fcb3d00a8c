#pragma once
// Element control parameters of one element class: the settings the solver
// reads from "*Section Controls". Each enumerated setting holds 0 for "the
// solver's default"; its texts are in the tables of the enumerations below.
#include <array>

#include "modeldb/mdb_Export.h"
#include "modeldb/omu_PrimEnum.h"

class MDB_API bme_ElemCtrlParams {
 public:
  /// The analysis the defaults are asked for: the defaults of an analysis
  /// with an explicit step differ from the others' in the hourglass control.
  enum Analysis : int { Standard = 1, Explicit = 2 };
  enum Hourglass : int {
    HourglassDefault = 0, RelaxStiffness = 1, Stiffness = 2, Viscous = 3, Combined = 4, Enhanced = 5
  };
  enum Distortion : int { DistortionDefault = 0, DistortionYes = 1, DistortionNo = 2 };
  enum KinematicSplit : int { SplitDefault = 0, AverageStrain = 1, Orthogonal = 2, Centroid = 3 };
  enum SecondOrder : int { SecondOrderDefault = 0, SecondOrderYes = 1, SecondOrderNo = 2 };
  enum StressRate : int { StressRateDefault = 0, Jaumann = 1, Spin = 2 };

  static const omu_PrimEnumBase& HourglassEnm();
  static const omu_PrimEnumBase& DistortionEnm();
  static const omu_PrimEnumBase& KinematicSplitEnm();
  static const omu_PrimEnumBase& SecondOrderEnm();
  static const omu_PrimEnumBase& StressRateEnm();

  static constexpr double kDefaultLengthRatio = 0.1;
  static constexpr double kDefaultWeightFactor = 0.5;
  static constexpr double kTolerance = 1e-6;

  int hourglass = HourglassDefault;
  int distortion = DistortionDefault;
  double lengthRatio = kDefaultLengthRatio;
  int kinematicSplit = SplitDefault;
  int secondOrder = SecondOrderDefault;
  int stressRate = StressRateDefault;
  double weightFactor = kDefaultWeightFactor;
  /// Scale factors of the hourglass stiffness: displacement, rotation and
  /// out-of-plane displacement.
  std::array<double, 3> hourglassScale{1.0, 1.0, 1.0};
  /// Scale factors of the linear and the quadratic bulk viscosity.
  std::array<double, 2> bulkViscosityScale{1.0, 1.0};

  /// True when every section-control setting is the default of the analysis
  /// (`Standard` or `Explicit`): the hourglass control may also name that
  /// analysis's own default (stiffness for standard, relax stiffness for
  /// explicit), and reals count as equal within kTolerance.
  bool HasDefaultSectionControls(int analysis) const noexcept;
  /// The element controls carry no other settings than the section controls.
  bool IsDefault(int analysis) const noexcept { return HasDefaultSectionControls(analysis); }

  /// Equal settings (reals within kTolerance): elements whose controls
  /// compare equal share one "*Section Controls".
  friend MDB_API bool operator==(const bme_ElemCtrlParams& a, const bme_ElemCtrlParams& b) noexcept;
};
