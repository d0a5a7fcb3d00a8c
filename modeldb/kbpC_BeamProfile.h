#pragma once
// Beam section profiles. Each profile holds its dimensions in the order the
// solver reads them (except the T profile, see there).
#include <array>
#include <vector>

#include "modeldb/mdl_Object.h"

/// Base of the model's beam section profiles.
class MDB_API kbpC_BeamProfile : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kbpC_BeamProfile() override;
  /// The dimensions in stored order.
  std::vector<double> dimensions;
};

#define KBP_PROFILE(Class)                         \
  class MDB_API Class : public kbpC_BeamProfile {  \
   public:                                         \
    using kbpC_BeamProfile::kbpC_BeamProfile;      \
    ~Class() override;                             \
  };

KBP_PROFILE(kbpC_RectangularProfile)  // a, b
KBP_PROFILE(kbpC_CircularProfile)     // r
KBP_PROFILE(kbpC_PipeProfile)         // r, t
KBP_PROFILE(kbpC_HexagonalProfile)    // d, t
KBP_PROFILE(kbpC_IbeamProfile)        // l, h, b1, b2, t1, t2, t3
KBP_PROFILE(kbpC_TbeamProfile)        // b, h, l, tf, tw: written as an I profile without its bottom flange
KBP_PROFILE(kbpC_LbeamProfile)        // a, b, t1, t2
KBP_PROFILE(kbpC_TrapezoidalProfile)  // a, b, c, d

#undef KBP_PROFILE

/// A box: a, b, and one wall thickness for all four walls or four of their own.
class MDB_API kbpC_BoxProfile : public kbpC_BeamProfile {
 public:
  using kbpC_BeamProfile::kbpC_BeamProfile;
  ~kbpC_BoxProfile() override;
  bool uniformThickness = true;
  std::array<double, 4> thickness{0, 0, 0, 0};
};

/// A thin-walled profile of straight segments: point i > 0 carries the
/// thickness of the segment that ends in it.
class MDB_API kbpC_ArbitraryProfile : public kbpC_BeamProfile {
 public:
  using kbpC_BeamProfile::kbpC_BeamProfile;
  ~kbpC_ArbitraryProfile() override;
  struct Point {
    double x = 0.0, y = 0.0, thickness = 0.0;
  };
  std::vector<Point> points;
};

/// A profile given by its section properties: area, I11, I12, I22, J in
/// `dimensions`, and the sectorial and warping constants.
class MDB_API kbpC_GeneralizedProfile : public kbpC_BeamProfile {
 public:
  using kbpC_BeamProfile::kbpC_BeamProfile;
  ~kbpC_GeneralizedProfile() override;
  std::array<double, 2> warping{0, 0};
};
