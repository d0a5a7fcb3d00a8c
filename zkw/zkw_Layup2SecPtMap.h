#pragma once
#include <vector>

#include "containers/cow.h"
#include "zkw/zkw_Export.h"

/// Bookkeeping of composite layups: which sections and sets belong to a
/// layup and which section points they use. Kept by every model information;
/// the deck writer itself does not consult it.
class ZKW_API zkw_Layup2SecPtMap {
 public:
  using TextList = std::vector<cow_String>;
  using IntList = std::vector<int>;

  /// Records section `d` of layup `a` (layup of set `b`, section `c`) with
  /// its section points.
  void AddSection(const cow_String& a, const cow_String& b, const cow_String& c, const cow_String& d,
                  const IntList& ints);
  /// Layup `x` is a copy of layup `y`.
  void CloneLayupData(const cow_String& x, const cow_String& y);
  /// Set `c` stands for set `b` of layup `a`.
  void RewireSet(const cow_String& a, const cow_String& b, const cow_String& c);
  /// Section points per set name of a layup and section.
  cow_Map<cow_String, IntList> ElsetsAndSectionPoints(const cow_String& layup, const cow_String& section,
                                                      int n) const;

 private:
  cow_Map<cow_String, TextList> sectionsOfLayupSet_;  // a.c -> d
  cow_Map<cow_String, IntList> pointsOfSection_;      // a.d -> ints
  cow_Map<cow_String, TextList> rewiredSets_;         // a.b -> a.c
  cow_Map<cow_String, cow_String> layupOfSet_;        // b -> a
  cow_Map<cow_String, cow_String> clonedLayups_;      // x -> layup of y
};
