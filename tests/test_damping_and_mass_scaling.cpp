// Companions of the modal and explicit procedures: the seven modal damping
// forms and the mass scaling definitions with their comment lines.
#include <gtest/gtest.h>

#include "oif/impl/oif_ExplicitProcedures.h"
#include "oif/impl/oif_ModalProcedures.h"
#include "test_steps_support.h"

namespace {

TEST(ModalDamping, FormsByModeRange) {
  EXPECT_EQ(test::Print(oif_ModalDamping(kprC_CompositeDamping{{{1, 5}, {6, 20}}})), R"(*Modal Damping, modal=COMPOSITE
1, 5
6, 20
)");
  EXPECT_EQ(test::Print(oif_ModalDamping(kprC_DirectDamping{{{1, 10, 0.02}}})), R"(*Modal Damping
1, 10, 0.02
)");
  EXPECT_EQ(test::Print(oif_ModalDamping(kprC_RayleighDamping{{{1, 10, 0.5, 1e-4}}})), R"(*Modal Damping, rayleigh
1, 10, 0.5, 0.0001
)");
  EXPECT_EQ(test::Print(oif_ModalDamping(kprC_StructuralDamping{{{3, 3, 0.01}}})), R"(*Modal Damping, structural
3, 3, 0.01
)");
}

TEST(ModalDamping, FormsByFrequency) {
  EXPECT_EQ(test::Print(oif_ModalDamping(kprC_DirectDampingByFrequency{{{0.5, 0.02}, {100, 0.05}}})),
            R"(*Modal Damping, definition=FREQUENCY RANGE
0.5, 0.02
100., 0.05
)");
  EXPECT_EQ(test::Print(oif_ModalDamping(kprC_RayleighDampingByFrequency{{{10, 0.2, 0.003}}})),
            R"(*Modal Damping, rayleigh, definition=FREQUENCY RANGE
10., 0.2, 0.003
)");
  EXPECT_EQ(test::Print(oif_ModalDamping(kprC_StructuralDampingByFrequency{{{1e4, 0}}})),
            R"(*Modal Damping, structural, definition=FREQUENCY RANGE
10000., 0.
)");
}

TEST(ModalDamping, ADefinitionWithoutRowsIsTheKeywordAlone) {
  EXPECT_EQ(test::Print(oif_ModalDamping(kprC_DirectDamping{})), "*Modal Damping\n");
}

kprC_MassScaling Definition(kprC_MassScaling::ObjectiveEnm objective) {
  kprC_MassScaling definition;
  definition.objective = objective;
  return definition;
}

TEST(MassScaling, VariabilityFollowsTheObjective) {
  kprC_MassScaling semi = Definition(kprC_MassScaling::OBJECTIVE_SEMI_AUTOMATIC);
  EXPECT_FALSE(semi.IsVariable());
  semi.throughoutStep = true;
  EXPECT_TRUE(semi.IsVariable());
  EXPECT_TRUE(Definition(kprC_MassScaling::OBJECTIVE_AUTOMATIC).IsVariable());
  EXPECT_TRUE(Definition(kprC_MassScaling::OBJECTIVE_DISABLE).IsVariable());
  EXPECT_FALSE(Definition(kprC_MassScaling::OBJECTIVE_REINITIALIZE).IsVariable());
}

TEST(MassScaling, FixedSemiAutomaticWithoutARegionScalesTheWholeModel) {
  kprC_MassScaling semi = Definition(kprC_MassScaling::OBJECTIVE_SEMI_AUTOMATIC);
  semi.factor = 4;
  EXPECT_EQ(test::Print(oif_FixedMassScaling(semi, "")), R"(** Mass Scaling: Semi-Automatic
**               Whole Model
*Fixed Mass Scaling, factor=4.
)");
  semi.targetTimeInc = 5e-7;
  semi.type = kprC_MassScaling::TYPE_SET_EQUAL_DT;
  EXPECT_EQ(test::Print(oif_FixedMassScaling(semi, "Part-1.Mesh")), R"(** Mass Scaling: Semi-Automatic
**               Part-1.Mesh
*Fixed Mass Scaling, elset=Part-1.Mesh, dt=5e-07, type=set equal dt, factor=4.
)");
  semi.type = kprC_MassScaling::TYPE_UNIFORM;
  semi.factor = 0;
  EXPECT_EQ(test::Print(oif_FixedMassScaling(semi, "")), R"(** Mass Scaling: Semi-Automatic
**               Whole Model
*Fixed Mass Scaling, dt=5e-07, type=uniform
)");
}

TEST(MassScaling, VariableSemiAutomaticAtIntervals) {
  kprC_MassScaling semi = Definition(kprC_MassScaling::OBJECTIVE_SEMI_AUTOMATIC);
  semi.throughoutStep = true;
  semi.targetTimeInc = 1e-6;
  semi.factor = 9;  // a factor belongs to the fixed form only
  semi.numberInterval = 20;
  EXPECT_EQ(test::Print(oif_VariableMassScaling(semi, "Hull")), R"(** Mass Scaling: Semi-Automatic
**               Hull
*Variable Mass Scaling, elset=Hull, dt=1e-06, type=below min, number interval=20
)");
  semi.frequency = 5;
  semi.targetTimeInc = 0;
  EXPECT_EQ(test::Print(oif_VariableMassScaling(semi, "")), R"(** Mass Scaling: Semi-Automatic
**               Whole Model
*Variable Mass Scaling, frequency=5
)");
}

TEST(MassScaling, RollingContinuesOnTheNextLine) {
  kprC_MassScaling rolling = Definition(kprC_MassScaling::OBJECTIVE_AUTOMATIC);
  rolling.feedRate = 1.5;
  rolling.extrudedLength = 0.25;
  rolling.crossSection = 40;
  rolling.direction = kprC_MassScaling::DIRECTION_3;
  rolling.frequency = 100;
  EXPECT_EQ(test::Print(oif_VariableMassScaling(rolling, "Billet")), R"(** Mass Scaling: Automatic
**               Billet
*Variable Mass Scaling, elset=Billet, type=rolling, feed rate=1.5,
extruded length=0.25, cross section=40, direction=3, frequency=100
)");
  rolling.direction = kprC_MassScaling::DIRECTION_NONE;
  rolling.frequency = 0;
  rolling.numberInterval = 8;
  EXPECT_EQ(test::Print(oif_VariableMassScaling(rolling, "")), R"(** Mass Scaling: Automatic
**               Whole Model
*Variable Mass Scaling, type=rolling, feed rate=1.5,
extruded length=0.25, cross section=40, number interval=8
)");
  rolling.direction = kprC_MassScaling::DirectionEnm(4);
  EXPECT_EQ(test::Thrown<nex_TextException>([&] { test::Print(oif_VariableMassScaling(rolling, "")); }),
            "Corrupted Explicit Dynamics procedure (oif_VariableMassScaling:81)");
}

TEST(MassScaling, ReinitializeAndDisable) {
  EXPECT_EQ(test::Print(oif_FixedMassScaling(Definition(kprC_MassScaling::OBJECTIVE_REINITIALIZE), "Hull")),
            R"(** Mass Scaling: Reinitialize Mass
**               Hull
*Fixed Mass Scaling, elset=Hull
)");
  EXPECT_EQ(test::Print(oif_VariableMassScaling(Definition(kprC_MassScaling::OBJECTIVE_DISABLE), "Hull")),
            R"(** Mass Scaling: Disable Throughout Step
*Variable Mass Scaling
)");
  // Each class writes only the objectives of its own form.
  EXPECT_EQ(test::Print(oif_FixedMassScaling(Definition(kprC_MassScaling::OBJECTIVE_DISABLE), "")), "");
  EXPECT_EQ(test::Print(oif_VariableMassScaling(Definition(kprC_MassScaling::OBJECTIVE_REINITIALIZE), "")), "");
}

TEST(MassScaling, TypeTextsOfTheModelDatabase) {
  EXPECT_STREQ(kprC_MassScaling::TypeText(kprC_MassScaling::TYPE_UNIFORM), "UNIFORM");
  EXPECT_STREQ(kprC_MassScaling::TypeText(kprC_MassScaling::TYPE_BELOW_MIN), "BELOW_MIN");
  EXPECT_STREQ(kprC_MassScaling::TypeText(7), "");
  EXPECT_STREQ(kprC_Step::ExtrapolationText(kprC_Step::EXTRAPOLATION_PARABOLIC), "PARABOLIC");
  EXPECT_STREQ(kprC_Step::ExtrapolationText(-1), "");
}

}  // namespace
