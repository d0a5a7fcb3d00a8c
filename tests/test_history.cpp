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

// The history members of the model file.
#include "modelfile/mfl_History.h"

namespace {

struct ModelFileHistory : ::testing::Test {
  mfl::Document model = mfl::Document::Parse(
      R"({"format": "oif-model", "version": 1, "steps": [
          {"name": "S1", "kind": "static"}, {"name": "S2", "kind": "static"}, {"name": "S3", "kind": "static"}]})",
      "model.json");
  mfl::Loader loader{model};
  ModelFileHistory() { loader.Load(); }

  mdl_History<ForceState> Read(const char* json) {
    document = std::make_unique<mfl::Document>(mfl::Document::Parse(json, "object.json"));
    mfl::Ref object(*document, document->Root(), "");
    return mfl::ReadHistory<ForceState>(loader, object, {"name"}, {"magnitude", "amplitude"},
                                        [](const mfl::Ref& values, ForceState& state) {
                                          if (values.Has("magnitude"))
                                            state.magnitude.Set(values.Get("magnitude").AsDouble());
                                          if (values.Has("amplitude"))
                                            state.amplitude.Set(values.Get("amplitude").AsString());
                                        });
  }
  std::string Refusal(const char* json) {
    try {
      Read(json);
    } catch (const mfl_ModelFileError& error) {
      return error.Id() + " " + error.Pointer();
    }
    return "";
  }
  std::unique_ptr<mfl::Document> document;
};

TEST_F(ModelFileHistory, UserFormGivesStatusesPerStep) {
  auto history = Read(R"({"name": "F", "createdIn": "S1", "magnitude": 2,
                          "changes": [{"step": "S2", "amplitude": "Ramp", "magnitude": 3}], "deactivatedIn": "S3"})");
  EXPECT_EQ(history.Status("Initial"), mdl_Inactive);
  EXPECT_EQ(history.Status("S1"), mdl_Created);
  EXPECT_EQ(history.Status("S2"), mdl_Modified);
  EXPECT_DOUBLE_EQ(history.ConstGetState("S2").magnitude.ConstGet(), 3.0);
  EXPECT_EQ(history.ConstGetState("S2").amplitude.State(), mdl_AttrChanged);
  EXPECT_EQ(history.Status("S3"), mdl_Deactivated);
}

TEST_F(ModelFileHistory, ExplicitFormIsTakenAsStated) {
  auto history = Read(R"({"name": "F", "history": [
      {"step": "S2", "status": 10, "values": {"magnitude": 4}, "attributeStates": {"magnitude": 2, "amplitude": 3}}]})");
  EXPECT_EQ(history.Status("S1"), mdl_Inactive);
  EXPECT_EQ(history.Status("S2"), 10);
  EXPECT_EQ(history.ConstGetState("S2").magnitude.State(), 2);
  EXPECT_EQ(history.ConstGetState("S2").amplitude.State(), 3);
}

TEST_F(ModelFileHistory, RefusesStepsOutOfOrderAndUnknownNames) {
  EXPECT_EQ(Refusal(R"({"createdIn": "S9"})"), "model.unknown-reference /createdIn");
  EXPECT_EQ(Refusal(R"({"createdIn": "S2", "deactivatedIn": "S1"})"), "model.step /deactivatedIn");
  EXPECT_EQ(Refusal(R"({"createdIn": "S2", "changes": [{"step": "S1", "magnitude": 1}]})"),
            "model.step /changes/0/step");
  EXPECT_EQ(Refusal(R"({"createdIn": "S1", "changes": [{"step": "S2", "reset": ["colour"]}]})"),
            "model.unknown-member /changes/0/reset/0");
  EXPECT_EQ(Refusal(R"({"createdIn": "S1", "magnitud": 1})"), "model.unknown-member /magnitud");
  EXPECT_EQ(Refusal(R"({"history": [{"step": "S1", "status": 1, "attributeStates": {"magnitude": 7}}]})"),
            "model.range /history/0/attributeStates/magnitude");
}

}  // namespace

namespace {

// The reader by step position gives the same statuses and attribute states
// as the reader by step name.
TEST_F(ModelFileHistory, StatesByPositionMatchTheHistoryByName) {
  auto apply = [](const mfl::Ref& values, ForceState& state) {
    if (values.Has("magnitude")) state.magnitude.Set(values.Get("magnitude").AsDouble());
    if (values.Has("amplitude")) state.amplitude.Set(values.Get("amplitude").AsString());
  };
  for (const char* json : {
           R"({"name": "F", "createdIn": "S1", "magnitude": 2,
               "changes": [{"step": "S2", "amplitude": "Ramp", "reset": ["magnitude"]}], "deactivatedIn": "S3"})",
           R"({"name": "F", "magnitude": 2, "changes": [{"step": "S3", "magnitude": 5}]})",
           R"({"name": "F", "history": [{"step": "S1", "status": 1, "values": {"magnitude": 4}},
                                        {"step": "S3", "status": 10, "attributeStates": {"amplitude": 3}}]})"}) {
    SCOPED_TRACE(json);
    const mdl_History<ForceState> byName = Read(json);
    mfl::Ref object(*document, document->Root(), "");
    const auto byPosition =
        mfl::ReadStepStates<ForceState>(loader, object, {"name"}, {"magnitude", "amplitude"}, apply);
    const std::vector<std::string>& steps = loader.StepNames();
    for (std::size_t i = 0; i < steps.size(); ++i) {
      EXPECT_EQ(byPosition.Status(i), byName.Status(steps[i])) << steps[i];
      EXPECT_EQ(byPosition.State(i).magnitude.State(), byName.ConstGetState(steps[i]).magnitude.State());
      EXPECT_EQ(byPosition.State(i).magnitude.ConstGet(), byName.ConstGetState(steps[i]).magnitude.ConstGet());
      EXPECT_EQ(byPosition.State(i).amplitude.State(), byName.ConstGetState(steps[i]).amplitude.State());
    }
  }
}

}  // namespace
