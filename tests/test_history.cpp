// Step histories derived from created / changed / deactivated.
#include <gtest/gtest.h>

#include <functional>

#include "modeldb/mdl_PropAttr.h"

namespace {

struct ForceState {
  mdl_PropAttr<double> magnitude;
  mdl_PropAttr<std::string> amplitude;
  template <class F>
  void VisitAttrs(F&& f) {
    f("magnitude", magnitude);
    f("amplitude", amplitude);
  }
};

using Change = std::function<void(ForceState&)>;
const std::vector<std::string> kSteps = {"Initial", "S1", "S2", "S3", "S4", "S5"};

TEST(History, StatusesAndAttributeStatesAcrossSteps) {
  ForceState initial;
  initial.magnitude.Set(10.0);
  std::vector<std::pair<std::size_t, Change>> changes = {
      {3, [](ForceState& s) { s.amplitude.Set("Ramp"); }},
      {4, [](ForceState& s) { s.amplitude.Reset(); s.magnitude.Set(5.0); }}};
  mdl_History<ForceState> history = mdl_DeriveHistory(kSteps, 1, initial, changes, 5);

  EXPECT_EQ(history.Status("Initial"), mdl_Inactive);
  EXPECT_EQ(history.Status("S1"), mdl_Created);
  EXPECT_EQ(history.ConstGetState("S1").magnitude.State(), mdl_AttrChanged);
  EXPECT_EQ(history.ConstGetState("S1").amplitude.State(), mdl_AttrUnset);

  EXPECT_EQ(history.Status("S2"), mdl_Propagated);
  EXPECT_EQ(history.ConstGetState("S2").magnitude.State(), mdl_AttrCarried);
  EXPECT_DOUBLE_EQ(history.ConstGetState("S2").magnitude.ConstGet(), 10.0);

  EXPECT_EQ(history.Status("S3"), mdl_Modified);
  EXPECT_EQ(history.ConstGetState("S3").magnitude.State(), mdl_AttrCarried);
  EXPECT_EQ(history.ConstGetState("S3").amplitude.State(), mdl_AttrChanged);
  EXPECT_TRUE(history.ConstGetState("S3").amplitude.IsModified());

  EXPECT_EQ(history.Status("S4"), mdl_Modified);
  EXPECT_EQ(history.ConstGetState("S4").amplitude.State(), mdl_AttrReset);
  EXPECT_TRUE(history.ConstGetState("S4").amplitude.IsModified());
  EXPECT_FALSE(history.ConstGetState("S4").amplitude.IsSet());
  EXPECT_DOUBLE_EQ(history.ConstGetState("S4").magnitude.ConstGet(), 5.0);

  EXPECT_EQ(history.Status("S5"), mdl_Deactivated);
  EXPECT_EQ(history.ConstGetState("S5").amplitude.State(), mdl_AttrUnset);  // the reset is carried as unset
  EXPECT_EQ(history.Status("Nowhere"), mdl_Inactive);
}

TEST(History, NeverDeactivatedPropagatesToTheLastStep) {
  ForceState initial;
  initial.magnitude.Set(1.0);
  auto history = mdl_DeriveHistory(kSteps, 0, initial, std::vector<std::pair<std::size_t, Change>>{}, -1);
  EXPECT_EQ(history.Status("Initial"), mdl_Created);
  EXPECT_EQ(history.Status("S5"), mdl_Propagated);
  EXPECT_EQ(history.Entries().size(), kSteps.size());
}

}  // namespace
