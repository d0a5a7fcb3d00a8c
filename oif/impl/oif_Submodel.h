#pragma once
#include <vector>

#include "modeldb/kbcC_BoundaryCondition.h"
#include "zkw/zkw_Keyword.h"

/// "*Submodel" in the assembly: the driving parameters shared by a group of
/// submodel conditions, and their regions.
class oif_Submodel : public zkw_Keyword {
 public:
  oif_Submodel(const kbcC_BoundaryCondition& condition, bool shellToSolid, double shellThickness,
               const cow_String& regionName);
  zkw_Keyword* Clone() const override { return new oif_Submodel(*this); }
  void Write(utl_Stream& stream) const override;

  /// Whether another condition drives its region by the same parameters.
  bool SameParameters(const oif_Submodel& other) const;
  /// Adds the region of a further condition of the group.
  void AddRegion(const cow_String& regionName) { regions_.push_back(regionName); }

 private:
  bool shellToSolid_;
  cow_String globalElset_;
  double shellThickness_, absoluteExteriorTolerance_, exteriorTolerance_;
  std::vector<cow_String> regions_;
};
