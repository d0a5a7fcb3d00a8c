// The operation status: which keyword groups are restated with ", op=NEW" in
// which step, the keyword form of a condition, and the step heading.
#include <gtest/gtest.h>

#include <memory>

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_ModelInfo.h"
#include "oif/impl/oif_OpStatus.h"
#include "test_support.h"

namespace {

const std::vector<cow_String> kSteps = {"Initial", "S1", "S2", "S3"};

/// Every flag of an operation status, one text per key: "0100" means that
/// the group is restated in step 1 only.
std::vector<std::string> Flags(const oif_OpStatus& status) {
  std::vector<std::string> flags;
  for (int key = 0; key < status.KeyCount(); ++key) {
    std::string row;
    for (int i = 0; i < status.StepCount(); ++i) row += status.Flag(key, std::size_t(i)) ? '1' : '0';
    flags.push_back(row);
  }
  return flags;
}

template <class T>
std::shared_ptr<T> WithStatuses(const std::string& name, std::initializer_list<int> statuses) {
  auto object = std::make_shared<T>(name);
  std::size_t i = 0;
  for (int s : statuses) object->statuses.Set(i++, s);
  return object;
}

std::shared_ptr<kbcC_BoundaryCondition> Condition(kbcC_BCKind kind, const std::string& name,
                                                  std::initializer_list<int> statuses) {
  auto condition = kbcC_Make(kind, name);
  std::size_t i = 0;
  for (int s : statuses) {
    kbcC_BCState state;
    state.real[0].Set(1.0, i == 0 ? mdl_AttrChanged : mdl_AttrCarried);
    condition->states.Set(i++, s, state);
  }
  return condition;
}

/// A model of one part instance "A" with node sets "Left" and "Right", for
/// the region names of the shared-region pass.
struct LoadModel {
  odb_Odb odb = test::Model(R"(
    "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
               "sets": [{"name": "Left", "kind": "node", "nodes": [1]}, {"name": "Right", "kind": "node", "nodes": [2]}]}}],
    "assembly": {"instances": [{"name": "A", "part": "P"}]})");
  oif_ModelInfo info{odb.ddb().model("Default Model")};
  rgnC_Region left = rgnC_Region::OfMeshSet(1, 0), right = rgnC_Region::OfMeshSet(1, 1);
};

TEST(OpStatus, OnlyTheInitialStepMarksNothing) {
  kprC_PropagatingContainer<kbcC_BoundaryCondition> conditions;
  conditions.Add("Fix", Condition(kbcC_BCKind::Displacement, "Fix", {mdl_Created}));
  oif_BCOpStatus status;
  status.Fill(conditions, {}, {"Initial"});
  EXPECT_EQ(Flags(status), (std::vector<std::string>{"0", "0"}));
  status.MarkAllKeys(1);  // beyond the last step: nothing
  EXPECT_EQ(Flags(status), (std::vector<std::string>{"0", "0"}));
  EXPECT_FALSE(status.IsNew(mdl_TypeId<kbcC_DisplacementBC>(), "Initial"));
}

TEST(OpStatus, LoadDeactivationRestatesItsGroupInThatStepOnly) {
  LoadModel m;
  kprC_PropagatingContainer<kloC_Load> loads;
  auto force = WithStatuses<kloC_ConcentratedForce>("F", {0, mdl_Created, mdl_Deactivated, 0});
  force->region = m.left;
  auto other = WithStatuses<kloC_ConcentratedForce>("G", {0, mdl_Created, mdl_Propagated, mdl_Propagated});
  other->region = m.right;
  loads.Add("F", force);
  loads.Add("G", other);
  oif_LoadOpStatus status;
  status.Fill(loads, kSteps, m.info);
  const auto flags = Flags(status);
  EXPECT_EQ(flags[0], "0010");
  for (int key = 1; key < oif_LoadOpStatus::KeyCount; ++key) EXPECT_EQ(flags[std::size_t(key)], "0000") << key;
  EXPECT_TRUE(status.IsNew(mdl_TypeId<kloC_Moment>(), "S2"));  // the *Cload group
  EXPECT_FALSE(status.IsNew(mdl_TypeId<kloC_Moment>(), "S3"));
  EXPECT_FALSE(status.IsNew(mdl_TypeId<kloC_Pressure>(), std::size_t(2)));
}

TEST(OpStatus, TwoLoadsOfOneGroupOnOneRegionRestateItEverywhereButTheInitialStep) {
  LoadModel m;
  kprC_PropagatingContainer<kloC_Load> loads;
  for (const char* name : {"F1", "F2"}) {
    auto force = WithStatuses<kloC_ConcentratedForce>(name, {0, mdl_Created, mdl_Propagated, mdl_Propagated});
    force->region = m.left;
    loads.Add(name, force);
  }
  // A pressure on the same region is another group and leaves its group alone.
  auto pressure = WithStatuses<kloC_Pressure>("P", {0, mdl_Created, mdl_Propagated, mdl_Propagated});
  pressure->region = m.left;
  loads.Add("P", pressure);
  oif_LoadOpStatus status;
  status.Fill(loads, kSteps, m.info);
  EXPECT_EQ(Flags(status)[0], "0111");
  EXPECT_EQ(Flags(status)[2], "0000");

  // Suppressed loads do not count.
  auto suppressed = std::make_shared<kloC_ConcentratedForce>(*static_cast<const kloC_ConcentratedForce*>(
      loads.GetShared("F2").get()));
  suppressed->suppressed = true;
  kprC_PropagatingContainer<kloC_Load> withSuppressed;
  withSuppressed.Add("F1", loads.GetShared("F1"));
  withSuppressed.Add("F2", suppressed);
  status.Fill(withSuppressed, kSteps, m.info);
  EXPECT_EQ(Flags(status)[0], "0000");
}

TEST(OpStatus, LoadsOfTwoGroupsDeactivatedInOneStepRestateEachGroup) {
  LoadModel m;
  kprC_PropagatingContainer<kloC_Load> loads;
  auto gravity = WithStatuses<kloC_Gravity>("Gravity", {0, mdl_Created, mdl_Deactivated});
  auto flux = WithStatuses<kloC_SurfaceHeatFlux>("Flux", {0, mdl_Created, mdl_Deactivated});
  auto charge = WithStatuses<kloC_ConcentratedCharge>("Charge", {0, mdl_Created, mdl_Modified});
  flux->region = m.right;
  loads.Add("Gravity", gravity);
  loads.Add("Flux", flux);
  loads.Add("Charge", charge);
  oif_LoadOpStatus status;
  status.Fill(loads, kSteps, m.info);
  const auto flags = Flags(status);
  EXPECT_EQ(flags[1], "0010");  // *Dload
  EXPECT_EQ(flags[5], "0010");  // *Dsflux
  EXPECT_EQ(flags[9], "0000");  // *Cecharge: only modified
  EXPECT_EQ(flags[0], "0000");
}

TEST(OpStatus, BoltLoadWhoseMethodChangesRestatesTheCloadGroup) {
  LoadModel m;
  auto bolt = std::make_shared<kloC_BoltLoad>("Bolt");
  kloC_BoltLoadState state;
  state.method.Set(BOLT_APPLY_FORCE);
  bolt->Set(1, mdl_Created, state);
  state.method.SetState(mdl_AttrCarried);
  bolt->Set(2, mdl_Modified, state);  // modified, method unchanged
  state.method.Set(BOLT_FIX_LENGTH);
  bolt->Set(3, mdl_Modified, state);
  kprC_PropagatingContainer<kloC_Load> loads;
  loads.Add("Bolt", bolt);
  oif_LoadOpStatus status;
  status.Fill(loads, kSteps, m.info);
  EXPECT_EQ(Flags(status)[0], "0001");
}

TEST(OpStatus, StatusKeysOfEachKind) {
  oif_LoadOpStatus loads;
  EXPECT_EQ(loads.StatusKey(mdl_TypeId<kloC_BoltLoad>()), 0);
  EXPECT_EQ(loads.StatusKey(mdl_TypeId<kloC_PipePressure>()), 1);
  EXPECT_EQ(loads.StatusKey(mdl_TypeId<kloC_ShellEdgeLoad>()), 2);
  EXPECT_EQ(loads.StatusKey(mdl_TypeId<kloC_BodyConcentrationFlux>()), 4);
  EXPECT_EQ(loads.StatusKey(mdl_TypeId<kloC_HydroFluidFlow>()), 7);
  EXPECT_EQ(loads.StatusKey(mdl_TypeId<kloC_SurfaceCurrent>()), 14);
  EXPECT_EQ(loads.StatusKey(mdl_TypeId<kloC_ConnectorMoment>()), 15);
  EXPECT_EQ(loads.StatusKey(mdl_TypeId<kloC_InertiaRelief>()), 16);

  oif_BCOpStatus conditions;
  for (const kbcC_BCInfo& info : kbcC_BCTable())
    EXPECT_EQ(conditions.StatusKey(kbcC_TypeIdOf(info.kind)), info.IsConnector() ? 1 : 0) << info.className;
  EXPECT_EQ(conditions.StatusKey(mdl_TypeId<kloC_BoltLoad>()), 0);

  oif_FieldOpStatus fields;
  EXPECT_EQ(fields.StatusKey(mdl_TypeId<kpfC_Temperature>()), 0);
  EXPECT_EQ(fields.StatusKey(mdl_TypeId<kpfC_GeneralFieldBase>()), 3);
  EXPECT_EQ(fields.StatusKey(mdl_TypeId<kpfC_Hardening>()), 6);

  oif_InteractionOpStatus interactions;
  EXPECT_EQ(interactions.StatusKey(mdl_TypeId<kinC_RadiationToAmbient>()), 1);
  EXPECT_EQ(interactions.StatusKey(mdl_TypeId<kinC_ContactExp>()), 2);
}

template <class E, class F>
std::string Thrown(F&& f) {
  try {
    f();
  } catch (const E& error) {
    return error.what();
  }
  return "nothing thrown";
}

TEST(OpStatus, ClassesOutsideTheTablesAreRefused) {
  const std::type_index other = mdl_TypeId<kinC_Interaction>();
  EXPECT_NE(Thrown<nex_TextException>([&] { oif_LoadOpStatus().StatusKey(other); })
                .find("Unimplemented load->statusKey conversion"),
            std::string::npos);
  EXPECT_NE(Thrown<nex_TextException>([&] { oif_BCOpStatus().StatusKey(other); })
                .find("Unimplemented bc->statusKey conversion"),
            std::string::npos);
  EXPECT_NE(Thrown<nex_TextException>([&] { oif_FieldOpStatus().StatusKey(other); })
                .find("Unimplemented field->statusKey conversion"),
            std::string::npos);
  EXPECT_NE(Thrown<nex_AssertException>([&] { oif_InteractionOpStatus().StatusKey(other); })
                .find("\"Unimplemented interaction->statusKey conversion\" == 0"),
            std::string::npos);
}

TEST(OpStatus, BoundaryConditionPassMarksRemovalsAndModificationsThatResetAValue) {
  kprC_PropagatingContainer<kbcC_BoundaryCondition> conditions;
  // Removed in S2 (4), removed in the second form in S3 (11).
  conditions.Add("A", Condition(kbcC_BCKind::Displacement, "A", {0, mdl_Created, mdl_Deactivated}));
  conditions.Add("B", Condition(kbcC_BCKind::Temperature, "B", {0, 0, mdl_Created, mdl_Deactivated2}));
  // Modified in S1 without a reset: no restatement; modified in the second
  // form in S2 with a component returned to unset: restated.
  auto c = Condition(kbcC_BCKind::ConnVelocity, "C", {mdl_Created, mdl_Modified});
  kbcC_BCState reset = c->states.State(1);
  reset.real[0].Reset();
  c->states.Set(2, mdl_Modified2, reset);
  conditions.Add("C", c);
  // A suppressed condition does not count.
  auto d = Condition(kbcC_BCKind::Velocity, "D", {0, mdl_Deactivated, 0, 0});
  d->suppressed = true;
  conditions.Add("D", d);
  oif_BCOpStatus status;
  status.Fill(conditions, {}, kSteps);
  EXPECT_EQ(Flags(status), (std::vector<std::string>{"0011", "0010"}));
}

TEST(OpStatus, BoltLoadPassAndBucklingSteps) {
  auto bolt = std::make_shared<kloC_BoltLoad>("Bolt");
  kloC_BoltLoadState state;
  state.method.Set(BOLT_ADJUST_LENGTH);
  bolt->Set(1, mdl_Created, state);  // created: no restatement
  state.method.SetState(mdl_AttrCarried);
  bolt->Set(2, mdl_BoltPropagated, state);  // 8: never marks
  bolt->Set(3, mdl_Deactivated, state);     // removed with a length method
  kprC_PropagatingContainer<kloC_Load> loads;
  loads.Add("Bolt", bolt);
  oif_BCOpStatus status;
  status.Fill({}, loads, kSteps);
  EXPECT_EQ(Flags(status), (std::vector<std::string>{"0001", "0000"}));

  kprC_StepContainer steps;
  steps.Add("Initial", std::make_shared<kprC_InitialStep>("Initial"));
  steps.Add("S1", std::make_shared<kprC_StaticStep>("S1"));
  steps.Add("S2", std::make_shared<kprC_BuckleStep>("S2"));
  status.MarkBucklingSteps(steps);
  EXPECT_EQ(Flags(status), (std::vector<std::string>{"0011", "0010"}));
}

TEST(OpStatus, FieldsMarkStatus15AndInteractionsTheirDeactivations) {
  kprC_PropagatingContainer<kpfC_Field> fields;
  fields.Add("T", WithStatuses<kpfC_Temperature>("T", {mdl_Created, mdl_FieldRestated, mdl_FieldPropagated, mdl_Deactivated}));
  fields.Add("V", WithStatuses<kpfC_Velocity>("V", {mdl_Created, mdl_Propagated, mdl_FieldRestated}));
  oif_FieldOpStatus fieldStatus;
  fieldStatus.Fill(fields, kSteps);
  EXPECT_EQ(Flags(fieldStatus), (std::vector<std::string>{"0100", "0000", "0000", "0000", "0010", "0000", "0000"}));

  kprC_PropagatingContainer<kinC_Interaction> interactions;
  interactions.Add("Film", WithStatuses<kinC_FilmCondition>("Film", {0, mdl_Created, mdl_Deactivated}));
  interactions.Add("Contact", WithStatuses<kinC_ContactExp>("Contact", {0, mdl_Created, mdl_Modified, mdl_Deactivated}));
  // Another interaction class is not looked at (its status key would throw).
  interactions.Add("Other", WithStatuses<kinC_Interaction>("Other", {0, mdl_Created, mdl_Deactivated}));
  oif_InteractionOpStatus interactionStatus;
  interactionStatus.Fill(interactions, kSteps);
  EXPECT_EQ(Flags(interactionStatus), (std::vector<std::string>{"0010", "0000", "0001"}));
}

TEST(OpStatus, SelectionOfEachBuilder) {
  // Loads: 1, 3, 4 always; 2 only with ", op=NEW".
  EXPECT_TRUE(oif_LoadOpStatus::Writes(mdl_Modified, false));
  EXPECT_FALSE(oif_LoadOpStatus::Writes(mdl_Propagated, false));
  EXPECT_TRUE(oif_LoadOpStatus::Writes(mdl_Propagated, true));
  EXPECT_FALSE(oif_LoadOpStatus::Writes(mdl_Propagated2, true));
  // Boundary conditions: 10 and 11 like 3 and 4; 9 like 2.
  EXPECT_TRUE(oif_BCOpStatus::Writes(mdl_Modified2, false));
  EXPECT_TRUE(oif_BCOpStatus::Writes(mdl_Deactivated2, false));
  EXPECT_FALSE(oif_BCOpStatus::Writes(mdl_Propagated2, false));
  EXPECT_TRUE(oif_BCOpStatus::Writes(mdl_Propagated2, true));
  EXPECT_FALSE(oif_BCOpStatus::Writes(mdl_BoltPropagated, true));
  EXPECT_FALSE(oif_BCOpStatus::Writes(mdl_Inactive, true));
  // Fields: 15 always, 14 like 2.
  EXPECT_TRUE(oif_FieldOpStatus::Writes(mdl_FieldRestated, false));
  EXPECT_FALSE(oif_FieldOpStatus::Writes(mdl_FieldPropagated, false));
  EXPECT_TRUE(oif_FieldOpStatus::Writes(mdl_FieldPropagated, true));
}

TEST(KeywordForm, OpNewChangesOnlyAndRemoval) {
  const oif_KeywordForm modified = oif_KeywordForm::Make(mdl_Modified, false);
  EXPECT_FALSE(modified.opNew);
  EXPECT_TRUE(modified.changesOnly);
  EXPECT_FALSE(modified.removed);
  EXPECT_TRUE(modified.Due(mdl_AttrChanged));
  EXPECT_FALSE(modified.Due(mdl_AttrCarried));
  EXPECT_FALSE(modified.Due(mdl_AttrReset));
  EXPECT_FALSE(modified.Due(mdl_AttrUnset));

  const oif_KeywordForm restated = oif_KeywordForm::Make(mdl_Modified, true);
  EXPECT_TRUE(restated.opNew);
  EXPECT_FALSE(restated.changesOnly);
  EXPECT_TRUE(restated.Due(mdl_AttrCarried));
  EXPECT_FALSE(restated.Due(mdl_AttrReset));

  // Inside a load case: restated without ", op=NEW".
  const oif_KeywordForm inCase = oif_KeywordForm::Make(mdl_Propagated, false, true);
  EXPECT_FALSE(inCase.opNew);
  EXPECT_FALSE(inCase.changesOnly);

  for (int s : {int(mdl_Deactivated), int(mdl_Deactivated2)}) {
    const oif_KeywordForm removed = oif_KeywordForm::Make(s, false);
    EXPECT_TRUE(removed.removed);
    EXPECT_FALSE(removed.changesOnly);
  }
  EXPECT_FALSE(oif_KeywordForm::Make(mdl_Modified2, false).removed);
}

TEST(KeywordForm, AChangedAmplitudeRestatesEveryComponent) {
  for (int state : {int(mdl_AttrChanged), int(mdl_AttrReset)}) {
    oif_KeywordForm form = oif_KeywordForm::Make(mdl_Modified, false);
    form.ApplyAmplitude(state);
    EXPECT_FALSE(form.changesOnly) << state;
    EXPECT_TRUE(form.Due(mdl_AttrCarried));
  }
  // An amplitude carried over leaves a changes-only form as it is.
  oif_KeywordForm form = oif_KeywordForm::Make(mdl_Modified, false);
  form.ApplyAmplitude(mdl_AttrCarried);
  EXPECT_TRUE(form.changesOnly);
  form.ApplyAmplitude(mdl_AttrUnset);
  EXPECT_TRUE(form.changesOnly);
}

TEST(KeywordForm, OpNewFollowsTheKeywordText) {
  EXPECT_EQ(test::Written([](utl_Stream& s) { oif_KeywordLine(s, "*Cload").OpNew(true).End(); }), "*Cload, op=NEW\n");
  EXPECT_EQ(test::Written([](utl_Stream& s) { oif_KeywordLine(s, "*Cload").OpNew(false).Param("amplitude", "A").End(); }),
            "*Cload, amplitude=A\n");
}

TEST(SectionHeading, HeadingOncePerStepThenNothing) {
  SectionHeading heading("LOADS");
  const zkw_Keyword& first = heading.HeadingFor("S1");
  EXPECT_EQ(test::Print(first), "** \n** LOADS\n** \n");
  EXPECT_FALSE(heading.IsFiller(first));
  const zkw_Keyword& again = heading.HeadingFor("S1");
  EXPECT_TRUE(heading.IsFiller(again));
  EXPECT_EQ(test::Print(again), "");
  EXPECT_EQ(test::Print(heading.HeadingFor("S2")), "** \n** LOADS\n** \n");
}

}  // namespace
