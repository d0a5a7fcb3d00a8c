#include "zkw/zkw_Layup2SecPtMap.h"

void zkw_Layup2SecPtMap::AddSection(const cow_String& a, const cow_String& b, const cow_String& c,
                                    const cow_String& d, const IntList& ints) {
  if (!layupOfSet_.count(b)) layupOfSet_[b] = a;
  sectionsOfLayupSet_[a + "." + c].push_back(d);
  pointsOfSection_[a + "." + d] = ints;
}

void zkw_Layup2SecPtMap::CloneLayupData(const cow_String& x, const cow_String& y) {
  auto it = layupOfSet_.find(y);
  if (it != layupOfSet_.end()) clonedLayups_[x] = it->second;
}

void zkw_Layup2SecPtMap::RewireSet(const cow_String& a, const cow_String& b, const cow_String& c) {
  rewiredSets_[a + "." + b].push_back(a + "." + c);
}

cow_Map<cow_String, zkw_Layup2SecPtMap::IntList> zkw_Layup2SecPtMap::ElsetsAndSectionPoints(
    const cow_String& layup, const cow_String& section, int /*n*/) const {
  // A cloned layup answers with the data of the layup it was cloned from.
  cow_String resolved = layup;
  if (auto it = clonedLayups_.find(layup); it != clonedLayups_.end()) resolved = it->second;
  cow_Map<cow_String, IntList> result;
  auto sections = sectionsOfLayupSet_.find(resolved + "." + section);
  if (sections == sectionsOfLayupSet_.end()) return result;
  for (const cow_String& set : sections->second) {
    auto points = pointsOfSection_.find(resolved + "." + set);
    IntList ints = points == pointsOfSection_.end() ? IntList() : points->second;
    auto rewired = rewiredSets_.find(resolved + "." + set);
    if (rewired == rewiredSets_.end()) {
      result[set] = ints;
    } else {
      for (const cow_String& name : rewired->second) result[name] = ints;
    }
  }
  return result;
}
