// Loads: the kind table, the model file's loads with their history, and the
// keywords of every family per step and load case.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "modeldb/kloC_LoadTable.h"
#include "oif/impl/oif_Cload.h"
#include "oif/impl/oif_ConnectorLoad.h"
#include "oif/impl/oif_Dload.h"
#include "oif/impl/oif_Dsload.h"
#include "oif/impl/oif_LoadBuilder.h"
#include "oif/impl/oif_LoadFamilies.h"
#include "test_steps_support.h"

namespace {

/// A brick with a node set "Tip" (and "Base"), an element set "Body" and a
/// surface "Top" in instance "Plate-1"; an amplitude "Ramp"; three static
/// steps. `steps` replaces the steps, `loads` is the member "loads".
std::string Members(const std::string& loads, const std::string& steps = "") {
  return R"(
  "parts": [{"name": "Plate", "mesh": {
              "nodes": {"coordinates": [0,0,0, 1,0,0, 1,1,0, 0,1,0, 0,0,1, 1,0,1, 1,1,1, 0,1,1]},
              "elements": [{"type": "C3D8R", "nodesPerElement": 8, "connectivity": [1, 2, 3, 4, 5, 6, 7, 8]}],
              "sets": [{"name": "Top", "kind": "surface", "elements": [1], "faces": [2]},
                       {"name": "Body", "kind": "element", "elements": [1]},
                       {"name": "Tip", "kind": "node", "nodes": [7]},
                       {"name": "Base", "kind": "node", "nodes": [1]}]}}],
  "assembly": {"instances": [{"name": "Plate-1", "part": "Plate"}]},
  "amplitudes": [{"name": "Ramp", "kind": "tabular", "pairs": [0, 0, 1, 1]}],
  "steps": )" +
         (steps.empty() ? std::string(R"([{"name": "Initial", "kind": "initial"}, {"name": "Step-1", "kind": "static"},
            {"name": "Step-2", "kind": "static"}, {"name": "Step-3", "kind": "static"}])")
                        : steps) +
         R"(, "loads": [)" + loads + "]";
}

/// The keywords the load builder registers for a step (and load case).
std::string Loads(const odb_Odb& odb, const std::string& step, const std::string& loadCase = "") {
  oif_ModelInfo info(odb.ddb().model("Default Model"));
  oif_LoadBuilder builder(info);
  builder.Build();
  return test::Written([&](utl_Stream& stream) { zkw_WriteList(builder.StepDefinition(step, loadCase), stream); });
}

std::string Loads(const std::string& loads, const std::string& step) {
  return Loads(test::Model(Members(loads)), step);
}

const char* const kHeading = "** \n** LOADS\n** \n";

// ---------------------------------------------------------------------------
// The kind table

TEST(LoadTable, RowsAgreeWithTheOperationStatusAndEachOther) {
  oif_LoadOpStatus status;
  std::set<std::string> fileNames, classNames;
  for (const kloC_LoadInfo& info : kloC_LoadTable()) {
    SCOPED_TRACE(info.className);
    EXPECT_EQ(&kloC_Info(info.kind), &info);
    EXPECT_EQ(status.StatusKey(kloC_TypeIdOf(info.kind)), info.statusKey);
    EXPECT_TRUE(fileNames.insert(info.fileName).second);
    EXPECT_TRUE(classNames.insert(info.className).second);
    EXPECT_EQ(kloC_FindKind(info.fileName), &info);
    EXPECT_EQ(kloC_FindKind(kloC_TypeIdOf(info.kind)), &info);
    EXPECT_STREQ(kloC_LoadTypeLabelMap::Label(kloC_TypeIdOf(info.kind)), info.label);
    EXPECT_EQ(kloC_Make(info.kind, "L")->DynTypeId(), kloC_TypeIdOf(info.kind));
    // The region follows the keyword: nodes for concentrated loads, elements
    // for body loads, surfaces for surface loads.
    const std::string keyword = info.family == kloC_LoadFamily::Cload     ? "*Cload"
                                : info.family == kloC_LoadFamily::Dload   ? "*Dload"
                                : info.family == kloC_LoadFamily::Dsload  ? "*Dsload"
                                : info.family >= kloC_LoadFamily::Cflux && info.family <= kloC_LoadFamily::Dsecurrent
                                    ? oif_LoadFamilyRowOf(info.family).keyword
                                    : "";
    if (keyword.rfind("*C", 0) == 0 || keyword == "*Fluid Flux") {
      EXPECT_EQ(info.region, kloC_LoadRegion::NodeSet);
    } else if (keyword.rfind("*Ds", 0) == 0) {
      EXPECT_EQ(info.region, kloC_LoadRegion::Surface);
    } else if (keyword.rfind("*D", 0) == 0) {
      EXPECT_EQ(info.region, kloC_LoadRegion::ElementSet);
    }
  }
  EXPECT_EQ(int(fileNames.size()), kloC_LoadKindCount);
  EXPECT_EQ(kloC_FindKind("bolt load"), nullptr);
  EXPECT_EQ(kloC_FindKind(mdl_TypeId<kloC_BoltLoad>()), nullptr);
}

TEST(LoadTable, FamilyRowsInFamilyOrder) {
  std::set<std::string> keywords;
  for (const oif_LoadFamilyRow& row : oif_LoadFamilyRows()) {
    EXPECT_EQ(&oif_LoadFamilyRowOf(row.family), &row);
    EXPECT_TRUE(keywords.insert(row.keyword).second);
  }
  EXPECT_EQ(keywords.size(), 11u);
}

// ---------------------------------------------------------------------------
// *Cload over the steps

TEST(Cload, CreatedThenModifiedWithoutRestatement) {
  const std::string loads = R"({"name": "Pull", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
      "createdIn": "Step-1", "cf1": 10, "changes": [{"step": "Step-2", "cf1": 20}]})";
  EXPECT_EQ(Loads(loads, "Step-1"), std::string(kHeading) + R"(** Name: Pull   Type: Concentrated force
*Cload
Plate-1.Tip, 1, 10.
)");
  // (20, 0, 0): only the changed component, without ", op=NEW".
  EXPECT_EQ(Loads(loads, "Step-2"), std::string(kHeading) + R"(** Name: Pull   Type: Concentrated force
*Cload
Plate-1.Tip, 1, 20.
)");
  // Propagated, group not restated: nothing, not even the heading.
  EXPECT_EQ(Loads(loads, "Step-3"), "");
}

TEST(Cload, ComponentsGivenInAChangeAreRestatedEvenAtZero) {
  const std::string loads = R"({"name": "Pull", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
      "createdIn": "Step-1", "cf1": 10, "cf2": 4, "changes": [{"step": "Step-2", "cf1": 20, "cf2": 0}]})";
  EXPECT_EQ(Loads(loads, "Step-2"), std::string(kHeading) + R"(** Name: Pull   Type: Concentrated force
*Cload
Plate-1.Tip, 1, 20.
Plate-1.Tip, 2, 0.
)");
}

TEST(Cload, DeactivationRestatesTheGroupInThatStepOnly) {
  const std::string loads = R"(
      {"name": "Pull", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
       "createdIn": "Step-1", "cf1": 10, "cf3": -2},
      {"name": "Push", "kind": "concentrated force", "region": {"set": "Base", "instance": "Plate-1"},
       "createdIn": "Step-1", "cf2": 5, "deactivatedIn": "Step-2"},
      {"name": "Lift", "kind": "gravity", "region": {"set": "Body", "instance": "Plate-1"},
       "createdIn": "Step-1", "comp3": -9.81})";
  EXPECT_EQ(Loads(loads, "Step-2"), std::string(kHeading) + R"(** Name: Pull   Type: Concentrated force
*Cload, op=NEW
Plate-1.Tip, 1, 10.
Plate-1.Tip, 3, -2.
** Name: Push   Type: Concentrated force
*Cload, op=NEW
)");
  EXPECT_EQ(Loads(loads, "Step-3"), "");
}

TEST(Cload, TwoLoadsOfOneGroupOnOneRegionAreRestatedInEveryStep) {
  const std::string loads = R"(
      {"name": "A", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
       "createdIn": "Step-1", "cf1": 1},
      {"name": "B", "kind": "moment", "region": {"set": "Tip", "instance": "Plate-1"},
       "createdIn": "Step-2", "cm3": 7.5})";
  const odb_Odb odb = test::Model(Members(loads));
  EXPECT_EQ(Loads(odb, "Step-1"), std::string(kHeading) + R"(** Name: A   Type: Concentrated force
*Cload, op=NEW
Plate-1.Tip, 1, 1.
)");
  const std::string both = std::string(kHeading) + R"(** Name: A   Type: Concentrated force
*Cload, op=NEW
Plate-1.Tip, 1, 1.
** Name: B   Type: Moment
*Cload, op=NEW
Plate-1.Tip, 6, 7.5
)";
  EXPECT_EQ(Loads(odb, "Step-2"), both);
  EXPECT_EQ(Loads(odb, "Step-3"), both);
}

TEST(Cload, FollowerAmplitudeAndComplexParts) {
  EXPECT_EQ(Loads(R"({"name": "F", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
      "createdIn": "Step-1", "follower": true, "amplitude": "Ramp", "cf2": 3})",
                  "Step-1"),
            std::string(kHeading) + R"(** Name: F   Type: Concentrated force
*Cload, follower, amplitude=Ramp
Plate-1.Tip, 2, 3.
)");
  // Imaginary parts all zero: only the real parts, as load case 1.
  EXPECT_EQ(Loads(R"({"name": "F", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
      "createdIn": "Step-1", "cf1": 2, "cf1Imaginary": 0})",
                  "Step-1"),
            std::string(kHeading) + R"(** Name: F   Type: Concentrated force
*Cload, load case=1
Plate-1.Tip, 1, 2.
)");
  // Both parts; zero products are left off.
  EXPECT_EQ(Loads(R"({"name": "M", "kind": "moment", "region": {"set": "Tip", "instance": "Plate-1"},
      "createdIn": "Step-1", "cm1": 2, "cm2": 0, "cm3Imaginary": -1})",
                  "Step-1"),
            std::string(kHeading) + R"(** Name: M   Type: Moment
*Cload, load case=1
Plate-1.Tip, 4, 2.
*Cload, load case=2
Plate-1.Tip, 6, -1.
)");
}

TEST(Cload, ChangedAmplitudeRestatesEveryComponent) {
  EXPECT_EQ(Loads(R"({"name": "F", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
      "createdIn": "Step-1", "cf1": 1, "cf2": 2, "changes": [{"step": "Step-2", "amplitude": "Ramp"}]})",
                  "Step-2"),
            std::string(kHeading) + R"(** Name: F   Type: Concentrated force
*Cload, amplitude=Ramp
Plate-1.Tip, 1, 1.
Plate-1.Tip, 2, 2.
)");
}

TEST(Cload, PoreFluidPegAndInwardVolumeAcceleration) {
  EXPECT_EQ(Loads(R"({"name": "Fluid", "kind": "concentrated pore fluid", "region": {"set": "Tip", "instance": "Plate-1"},
      "createdIn": "Step-1", "magnitude": 0},
      {"name": "Plane", "kind": "peg load", "region": {"set": "Base", "instance": "Plate-1"},
      "createdIn": "Step-1", "comp2": 0.5, "comp1Imaginary": 1})",
                  "Step-1"),
            std::string(kHeading) + R"(** Name: Fluid   Type: Concentrated pore fluid
*Cload
Plate-1.Tip, 8, 0.
** Name: Plane   Type: Generalized plane strain
*Cload, load case=1
Plate-1.Base, 3, 0.
Plate-1.Base, 4, 0.5
Plate-1.Base, 5, 0.
*Cload, load case=2
Plate-1.Base, 3, 1.
Plate-1.Base, 4, 0.
Plate-1.Base, 5, 0.
)");
  // Complex: only the part whose value is not zero.
  EXPECT_EQ(Loads(R"({"name": "V", "kind": "inward volume acceleration", "region": {"set": "Base", "instance": "Plate-1"},
      "createdIn": "Step-1", "magnitude": 0, "magnitudeImaginary": 3})",
                  "Step-1"),
            std::string(kHeading) + R"(** Name: V   Type: Inward volume acceleration
*Cload, load case=2
Plate-1.Base, 8, 3.
)");
  // Not due (carried over, group not restated): nothing at all.
  EXPECT_EQ(Loads(R"({"name": "Fluid", "kind": "concentrated pore fluid", "region": {"set": "Tip", "instance": "Plate-1"},
      "createdIn": "Step-1", "magnitude": 1, "changes": [{"step": "Step-2", "amplitude": "Ramp"}]},
      {"name": "Push", "kind": "concentrated force", "region": {"set": "Base", "instance": "Plate-1"},
      "createdIn": "Step-1", "cf1": 1, "changes": [{"step": "Step-2", "cf2": 1}]})",
                  "Step-2"),
            std::string(kHeading) + R"(** Name: Fluid   Type: Concentrated pore fluid
*Cload, amplitude=Ramp
Plate-1.Tip, 8, 1.
** Name: Push   Type: Concentrated force
*Cload
Plate-1.Base, 2, 1.
)");
}

TEST(Cload, BoltLoadAppliedAsAForce) {
  const odb_Odb odb = test::ModelOf({std::make_shared<kprC_StaticStep>("S1"), std::make_shared<kprC_StaticStep>("S2"),
                                     std::make_shared<kprC_StaticStep>("S3")},
                                    [](ddb_ModelContents& contents) {
                                      auto bolt = std::make_shared<kloC_BoltLoad>("Bolt");
                                      kloC_BoltLoadState state;
                                      state.method.Set(BOLT_APPLY_FORCE);
                                      state.magnitude.Set(0.0);
                                      bolt->Set(1, mdl_Created, state);
                                      state.method.Set(BOLT_FIX_LENGTH);
                                      state.magnitude.SetState(mdl_AttrCarried);
                                      bolt->Set(2, mdl_Modified, state);
                                      contents.loads.Add("Bolt", bolt);
                                    });
  // The magnitude is written even when 0; a switch to another method keeps
  // the keyword line alone (and restates the group).
  const std::string created = Loads(odb, "S1");
  EXPECT_EQ(created.substr(0, created.find("*Cload\n") + 7),
            std::string(kHeading) + "** Name: Bolt   Type: Bolt load\n*Cload\n");
  EXPECT_EQ(created.substr(created.size() - 8), ", 1, 0.\n");
  EXPECT_EQ(Loads(odb, "S2"), std::string(kHeading) + "** Name: Bolt   Type: Bolt load\n*Cload, op=NEW\n");
}

// ---------------------------------------------------------------------------
// Load cases

TEST(LoadCases, EachListedLoadOncePerCaseWithItsFactorAndNoHeading) {
  const std::string steps = R"([{"name": "Initial", "kind": "initial"},
      {"name": "Step-1", "kind": "static", "loadCases": [
        {"name": "Half", "loads": {"Pull": 0.5, "Squeeze": 0.5}}, {"name": "Full", "loads": {"Pull": 1}}]}])";
  const odb_Odb odb = test::Model(Members(R"(
      {"name": "Pull", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
       "createdIn": "Step-1", "cf1": 10, "cf2": 3},
      {"name": "Squeeze", "kind": "pressure", "region": {"set": "Top", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 1})",
                                         steps));
  EXPECT_EQ(Loads(odb, "Step-1"), "");
  EXPECT_EQ(Loads(odb, "Step-1", "Half"), R"(** Name: Pull   Type: Concentrated force   Scale factor: 0.5
*Cload
Plate-1.Tip, 1, 5.
Plate-1.Tip, 2, 1.5
** Name: Squeeze   Type: Pressure   Scale factor: 0.5
*Dsload
Plate-1.Top, P, 0.5
)");
  EXPECT_EQ(Loads(odb, "Step-1", "Full"), R"(** Name: Pull   Type: Concentrated force   Scale factor: 1.
*Cload
Plate-1.Tip, 1, 10.
Plate-1.Tip, 2, 3.
)");
}

// ---------------------------------------------------------------------------
// *Dload

TEST(Dload, GravityInThreeDimensionsAndAxisymmetric) {
  EXPECT_EQ(Loads(R"({"name": "G", "kind": "gravity", "region": {"set": "Body", "instance": "Plate-1"},
      "createdIn": "Step-1", "comp1": 0, "comp2": 0, "comp3": -9.81})",
                  "Step-1"),
            std::string(kHeading) + "** Name: G   Type: Gravity\n*Dload\nPlate-1.Body, GRAV, 9.81, 0., 0., -1.\n");
  EXPECT_EQ(Loads(R"({"name": "G", "kind": "gravity", "region": {"set": "Body", "instance": "Plate-1"},
      "space": "axisymmetric", "createdIn": "Step-1", "comp2": -9.81})",
                  "Step-1"),
            std::string(kHeading) + "** Name: G   Type: Gravity\n*Dload\nPlate-1.Body, GRAV, 9.81, , -1.\n");
  EXPECT_EQ(Loads(R"({"name": "G", "kind": "gravity", "region": {"set": "Body", "instance": "Plate-1"},
      "space": "2d", "createdIn": "Step-1", "comp1": 3, "comp2": 4})",
                  "Step-1"),
            std::string(kHeading) + "** Name: G   Type: Gravity\n*Dload\nPlate-1.Body, GRAV, 5., 0.6, 0.8\n");
}

TEST(Dload, RotationalBodyForceWithItsAxis) {
  EXPECT_EQ(Loads(R"({"name": "Spin", "kind": "rotational body force", "region": {"set": "Body", "instance": "Plate-1"},
      "point1": [1, 0, 0], "point2": [1, 0, 2], "createdIn": "Step-1", "magnitude": 100})",
                  "Step-1"),
            std::string(kHeading) +
                "** Name: Spin   Type: Rotational body force\n*Dload\nPlate-1.Body, CENTRIF, 100.,1.,0.,0.,0.,0.,1.\n");
  EXPECT_EQ(Loads(R"({"name": "Spin", "kind": "rotational body force", "region": {"set": "Body", "instance": "Plate-1"},
      "rotation": "rotary acceleration", "space": "axisymmetric", "createdIn": "Step-1", "magnitude": 2})",
                  "Step-1"),
            std::string(kHeading) +
                "** Name: Spin   Type: Rotational body force\n*Dload\nPlate-1.Body, ROTA, 2.,0.,0.,0.,0.0,1.0,0.0\n");
}

TEST(Dload, LineLoadsBodyForcesAndPipePressures) {
  EXPECT_EQ(Loads(R"({"name": "Beam", "kind": "line load", "region": {"set": "Body", "instance": "Plate-1"},
      "system": "beam", "distribution": "user", "createdIn": "Step-1", "comp2": 4},
      {"name": "Body", "kind": "body force", "region": {"set": "Body", "instance": "Plate-1"},
      "space": "axisymmetric", "createdIn": "Step-1", "comp1": 1, "comp2": 2},
      {"name": "Pipe", "kind": "pipe pressure", "region": {"set": "Body", "instance": "Plate-1"},
      "side": "internal", "distribution": "hydrostatic", "createdIn": "Step-1", "magnitude": 7,
      "zeroHeight": 10, "referenceHeight": 2, "diameter": 0.3})",
                  "Step-1"),
            std::string(kHeading) + R"(** Name: Beam   Type: Line load
*Dload, op=NEW
Plate-1.Body, P2NU, 4.
** Name: Body   Type: Body force
*Dload, op=NEW
Plate-1.Body, BR, 1.
Plate-1.Body, BZ, 2.
** Name: Pipe   Type: Pipe pressure
*Dload, op=NEW
Plate-1.Body, HPI, 7., 10., 2., 0.3
)");
}

// ---------------------------------------------------------------------------
// *Dsload

TEST(Dsload, UniformUserHydrostaticAndComplexPressures) {
  const std::string loads = R"(
      {"name": "P", "kind": "pressure", "region": {"set": "Top", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 1.5, "changes": [{"step": "Step-2", "magnitude": 3}],
       "deactivatedIn": "Step-3"})";
  EXPECT_EQ(Loads(loads, "Step-1"), std::string(kHeading) + "** Name: P   Type: Pressure\n*Dsload\nPlate-1.Top, P, 1.5\n");
  EXPECT_EQ(Loads(loads, "Step-2"), std::string(kHeading) + "** Name: P   Type: Pressure\n*Dsload\nPlate-1.Top, P, 3.\n");
  EXPECT_EQ(Loads(loads, "Step-3"), std::string(kHeading) + "** Name: P   Type: Pressure\n*Dsload, op=NEW\n");
  EXPECT_EQ(Loads(R"({"name": "P", "kind": "pressure", "region": {"set": "Top", "instance": "Plate-1"},
      "distribution": "hydrostatic", "createdIn": "Step-1", "magnitude": 2, "zeroHeight": 5, "referenceHeight": 1})",
                  "Step-1"),
            std::string(kHeading) + "** Name: P   Type: Pressure\n*Dsload\nPlate-1.Top, HP, 2., 5., 1.\n");
  EXPECT_EQ(Loads(R"({"name": "P", "kind": "pressure", "region": {"set": "Top", "instance": "Plate-1"},
      "distribution": "user", "createdIn": "Step-1", "magnitude": 0, "magnitudeImaginary": 4})",
                  "Step-1"),
            std::string(kHeading) + "** Name: P   Type: Pressure\n*Dsload, load case=2\nPlate-1.Top, PNU, 4.\n");
}

// ---------------------------------------------------------------------------
// Flux, flow and electric families

TEST(FluxFamilies, DataLinesOfEachFamily) {
  EXPECT_EQ(Loads(R"(
      {"name": "C", "kind": "concentrated heat flux", "region": {"set": "Tip", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 5, "amplitude": "Ramp"},
      {"name": "D", "kind": "body heat flux", "region": {"set": "Body", "instance": "Plate-1"},
       "distribution": "user", "createdIn": "Step-1", "magnitude": 2},
      {"name": "S", "kind": "surface heat flux", "region": {"set": "Top", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 2.5},
      {"name": "W", "kind": "surface pore fluid", "region": {"set": "Top", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 0},
      {"name": "X", "kind": "fluid flux", "region": {"set": "Base", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 0.25})",
                  "Step-1"),
            std::string(kHeading) + R"(** Name: C   Type: Concentrated heat flux
*Cflux, amplitude=Ramp
Plate-1.Tip, 11, 5.
** Name: D   Type: Body heat flux
*Dflux
Plate-1.Body, BFNU, 2.
** Name: S   Type: Surface heat flux
*Dsflux
Plate-1.Top, S, 2.5
** Name: W   Type: Surface pore fluid
*Dsflow
Plate-1.Top, S, 0.
** Name: X   Type: Fluid flux
*Fluid Flux
Plate-1.Base, 0.25
)");
}

TEST(ElectricFamilies, LoadCaseOneAlwaysTwoForComplexNoZeroLines) {
  const std::string loads = R"(
      {"name": "I", "kind": "body current", "region": {"set": "Body", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 3, "deactivatedIn": "Step-2"},
      {"name": "Q", "kind": "concentrated charge", "region": {"set": "Tip", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 2, "magnitudeImaginary": 1.5},
      {"name": "Z", "kind": "surface charge", "region": {"set": "Top", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 0},
      {"name": "Z2", "kind": "concentrated current", "region": {"set": "Tip", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": -1})";
  EXPECT_EQ(Loads(loads, "Step-1"), std::string(kHeading) + R"(** Name: I   Type: Body current
*Decurrent, load case=1
Plate-1.Body,CBF,3.
** Name: Q   Type: Concentrated charge
*Cecharge, load case=1
Plate-1.Tip, ,2.
*Cecharge, load case=2
Plate-1.Tip, ,1.5
** Name: Z   Type: Surface charge
*Dsecharge, load case=1
** Name: Z2   Type: Concentrated current
*Cecurrent, load case=1
Plate-1.Tip, ,-1.
)");
  EXPECT_EQ(Loads(loads, "Step-2"), std::string(kHeading) + "** Name: I   Type: Body current\n*Decurrent, op=NEW\n");
}

// ---------------------------------------------------------------------------
// Keyword classes on loads built in code

std::shared_ptr<kloC_KindLoad> Made(kloC_LoadKind kind, std::initializer_list<double> real,
                                    std::initializer_list<double> imag = {}) {
  auto load = kloC_Make(kind, "L");
  kloC_LoadState state;
  std::size_t i = 0;
  for (double value : real) state.real[i++].Set(value);
  i = 0;
  for (double value : imag) state.imag[i++].Set(value);
  load->Set(1, mdl_Created, state);
  return load;
}

oif_KeywordForm Created() { return oif_KeywordForm::Make(mdl_Created, false); }

TEST(ConnectorLoad, ForcesAndMomentsOnTheWireSet) {
  EXPECT_EQ(test::Print(oif_ConnectorLoad(Created(), Made(kloC_LoadKind::ConnectorMoment, {0, 2, 0}), 1, "Wires", 2.0)),
            "*Connector Load\nWires, 4, 0.\nWires, 5, 4.\nWires, 6, 0.\n");
  EXPECT_EQ(test::Print(oif_ConnectorLoad(Created(), Made(kloC_LoadKind::ConnectorForce, {1, 0, 0}, {0, 0, 0}), 1,
                                          "Wires", 1.0)),
            "*Connector Load, load case=1\nWires, 1, 1.\n");
}

/// The message of what `f` throws, without its source and line.
template <class Exception, class F>
std::string Thrown(F&& f) {
  const std::string text = test::Thrown<Exception>(std::forward<F>(f));
  return text.substr(0, text.rfind(" ("));
}

TEST(LoadKeywords, InvalidTypesAndImpossibleForms) {
  auto gravity = Made(kloC_LoadKind::Gravity, {0, 0, -1});
  EXPECT_EQ(Thrown<nex_AssertException>([&] { test::Print(oif_Cload(Created(), gravity, 1, "R", 1.0)); }),
            "\"Invalid load type for *Cload\" == 0");
  EXPECT_EQ(Thrown<nex_AssertException>([&] {
              test::Print(oif_Dload(Created(), Made(kloC_LoadKind::Pressure, {1}), 1, "R", 1.0));
            }),
            "\"Invalid load type for *Dload\" == 0");
  EXPECT_EQ(Thrown<nex_AssertException>([&] { test::Print(oif_ConnectorLoad(Created(), gravity, 1, "R", 1.0)); }),
            "Invalid load type for *Connector Load");
  auto traction = Made(kloC_LoadKind::SurfaceTraction, {1});
  EXPECT_EQ(Thrown<nex_AssertException>([&] { test::Print(oif_Dsload(Created(), traction, 1, "R", 1.0)); }),
            "\"Invalid load type for *Dsload\" == 0");
  // Removed, the further surface loads give their keyword line.
  EXPECT_EQ(test::Print(oif_Dsload(oif_KeywordForm::Make(mdl_Deactivated, true), traction, 1, "R", 1.0)),
            "*Dsload, op=NEW\n");
  EXPECT_EQ(Thrown<nex_AssertException>([&] {
              test::Print(oif_Cload(Created(), Made(kloC_LoadKind::ConcentratedPoreFluid, {1}, {1}), 1, "R", 1.0));
            }),
            "\"Concentrated pore fluid load cannot be complex\" == 0");
}

TEST(LoadBuilder, UnimplementedKindsAndInertiaRelief) {
  auto steps = [] {
    return std::vector<std::shared_ptr<kprC_Step>>{std::make_shared<kprC_StaticStep>("S1"),
                                                   std::make_shared<kprC_StaticStep>("S2")};
  };
  const odb_Odb substructure = test::ModelOf(steps(), [](ddb_ModelContents& contents) {
    contents.loads.Add("Sub", Made(kloC_LoadKind::SubstructureLoad, {1}));
  });
  EXPECT_EQ(Thrown<nex_TextException>([&] { Loads(substructure, "S1"); }),
            "Unimplemented load type conversion");

  // Inertia relief: the comment alone; a removed one is not mentioned while
  // another is active in the step.
  const odb_Odb relief = test::ModelOf(steps(), [](ddb_ModelContents& contents) {
    auto first = kloC_Make(kloC_LoadKind::InertiaRelief, "First");
    first->Set(1, mdl_Created, {});
    first->Set(2, mdl_Deactivated, {});
    auto second = kloC_Make(kloC_LoadKind::InertiaRelief, "Second");
    second->Set(2, mdl_Created, {});
    contents.loads.Add("First", first);
    contents.loads.Add("Second", second);
  });
  EXPECT_EQ(Loads(relief, "S1"), std::string(kHeading) + "** Name: First   Type: Inertia relief\n");
  EXPECT_EQ(Loads(relief, "S2"), std::string(kHeading) + "** Name: Second   Type: Inertia relief\n");
}

// ---------------------------------------------------------------------------
// Refusals

TEST(LoadModelFile, RefusesWrongRegionsUnknownNamesAndKinds) {
  test::ExpectRefusals({
      {Members(R"({"name": "F", "kind": "concentrated force", "region": {"set": "Top", "instance": "Plate-1"},
                   "createdIn": "Step-1", "cf1": 1})"),
       "model.type", "/loads/0/region/set", "expected a node set"},
      {Members(R"({"name": "P", "kind": "pressure", "region": {"set": "Tip", "instance": "Plate-1"},
                   "createdIn": "Step-1", "magnitude": 1})"),
       "model.type", "/loads/0/region/set", "expected a surface"},
      {Members(R"({"name": "G", "kind": "gravity", "region": {"set": "Tip", "instance": "Plate-1"},
                   "createdIn": "Step-1", "comp3": 1})"),
       "model.type", "/loads/0/region/set", "is a node set; expected an element set"},
      {Members(R"({"name": "F", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
                   "createdIn": "Step-1", "cf1": 1, "amplitude": "Smooth"})"),
       "model.unknown-reference", "/loads/0/amplitude", "no amplitude named \"Smooth\""},
      {Members(R"({"name": "F", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
                   "createdIn": "Step-1", "cf1": 1})",
               R"([{"name": "Initial", "kind": "initial"},
                   {"name": "Step-1", "kind": "static", "loadCases": [{"name": "A", "loads": {"F": 1, "G": 2}}]}])"),
       "model.unknown-reference", "/steps/1/loadCases/0/loads/G", "no load named \"G\""},
      {Members(R"({"name": "F", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
                   "createdIn": "Step-1", "cf1": 1})",
               R"([{"name": "Initial", "kind": "initial"},
                   {"name": "Step-1", "kind": "static", "loadCases": [{"name": "A"}]}])"),
       "model.load-case", "/loads/0", "no load case of that step lists it"},
      {Members(R"({"name": "F", "kind": "force", "region": {"set": "Tip", "instance": "Plate-1"}})"), "model.enum",
       "/loads/0/kind", "unknown load kind \"force\""},
      {Members(R"({"name": "T", "kind": "surface traction", "region": {"set": "Top", "instance": "Plate-1"}})"),
       "model.unsupported", "/loads/0/kind", "no keyword in the deck"},
      {Members(R"({"name": "F", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
                   "cf1": 1})"),
       "model.step", "/loads/0", "not in the initial step"},
      {Members(R"({"name": "F", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
                   "cf1": 1})",
               R"([{"name": "Initial", "kind": "initial"}])"),
       "model.step", "/loads/0", "the model has none"},
      {Members(R"({"name": "F", "kind": "concentrated heat flux", "region": {"set": "Tip", "instance": "Plate-1"},
                   "createdIn": "Step-1", "magnitudeImaginary": 1})"),
       "model.unknown-member", "/loads/0/magnitudeImaginary", "magnitudeImaginary"},
  });
}

}  // namespace

namespace {

// ---------------------------------------------------------------------------
// Connector loads in the model file: the wires of the connectors example.

std::string ConnectorModel(const std::string& loads) {
  std::ifstream in(std::string(OIF_SOURCE_DIR) + "/examples/connectors.json");
  std::stringstream text;
  text << in.rdbuf();
  std::string model = text.str();
  // The example's own loads (one flat list of objects) give way to the test's.
  if (const std::size_t own = model.find("\"loads\": ["); own != std::string::npos)
    model.erase(own, model.find("],", own) + 2 - own);
  model.insert(model.rfind('}'), ",\n\"loads\": [" + loads + "]\n");
  return model;
}

TEST(ConnectorLoad, CitesTheWireSetOfItsWireEntry) {
  const odb_Odb odb = mfl_ModelFile::Parse(
      ConnectorModel(R"({"name": "Shut", "kind": "connector moment", "region": "Hinges", "createdIn": "Open",
                         "m1": 5, "changes": [{"step": "Close", "m1": -5}]})"),
      "connectors.json");
  EXPECT_EQ(Loads(odb, "Open"),
            std::string(kHeading) + "** Name: Shut   Type: Connector moment\n*Connector Load\nHinges, 4, 5.\n");
  EXPECT_EQ(Loads(odb, "Close"),
            std::string(kHeading) + "** Name: Shut   Type: Connector moment\n*Connector Load\nHinges, 4, -5.\n");
  // A wire entry is cited by name; a set that holds no wires is refused.
  try {
    mfl_ModelFile::Parse(ConnectorModel(R"({"name": "Shut", "kind": "connector force", "region": "Nowhere",
                                            "createdIn": "Open", "f1": 1})"),
                         "connectors.json");
    ADD_FAILURE() << "an unknown wire entry was accepted";
  } catch (const mfl_ModelFileError& error) {
    EXPECT_EQ(error.Id(), "model.unknown-reference");
    EXPECT_EQ(error.Pointer(), "/loads/0/region");
  }
}

// ---------------------------------------------------------------------------
// Restatement edge cases

TEST(LoadOpStatus, GroupsDeactivatedInOneStepAreRestatedEachOnItsOwn) {
  const std::string loads = R"(
      {"name": "F", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
       "createdIn": "Step-1", "cf1": 1, "deactivatedIn": "Step-2"},
      {"name": "G", "kind": "gravity", "region": {"set": "Body", "instance": "Plate-1"},
       "createdIn": "Step-1", "comp2": -1, "deactivatedIn": "Step-2"},
      {"name": "P", "kind": "pressure", "region": {"set": "Top", "instance": "Plate-1"},
       "createdIn": "Step-1", "magnitude": 2, "changes": [{"step": "Step-2", "magnitude": 3}]})";
  EXPECT_EQ(Loads(loads, "Step-2"), std::string(kHeading) + R"(** Name: F   Type: Concentrated force
*Cload, op=NEW
** Name: G   Type: Gravity
*Dload, op=NEW
** Name: P   Type: Pressure
*Dsload
Plate-1.Top, P, 3.
)");
}

TEST(LoadOpStatus, OnlyTheInitialStepWritesNothing) {
  const odb_Odb odb = test::Model(Members("", R"([{"name": "Initial", "kind": "initial"}])"));
  EXPECT_EQ(Loads(odb, "Initial"), "");
}

}  // namespace

namespace {

TEST(BoltLoadModelFile, AppliedAsAForceThenFixedAtItsLength) {
  const odb_Odb odb = test::Model(Members(R"(
      {"name": "Bolt", "kind": "bolt load", "region": {"set": "Tip", "instance": "Plate-1"},
       "createdIn": "Step-1", "method": "force", "magnitude": 800,
       "changes": [{"step": "Step-2", "method": "fix length"}]})"));
  EXPECT_EQ(Loads(odb, "Step-1"), std::string(kHeading) + "** Name: Bolt   Type: Bolt load\n*Cload\nPlate-1.Tip, 1, 800.\n");
  // The switch to another method restates the group and leaves the keyword
  // line alone; from then on the boundary conditions write the bolt.
  EXPECT_EQ(Loads(odb, "Step-2"), std::string(kHeading) + "** Name: Bolt   Type: Bolt load\n*Cload, op=NEW\n");
  EXPECT_EQ(Loads(odb, "Step-3"), "");
  test::ExpectRefusals({
      {Members(R"({"name": "Bolt", "kind": "bolt load", "region": {"set": "Top", "instance": "Plate-1"},
                   "createdIn": "Step-1", "method": "force", "magnitude": 1})"),
       "model.type", "/loads/0/region/set", "expected a node set"},
      {Members(R"({"name": "Bolt", "kind": "bolt load", "region": {"set": "Tip", "instance": "Plate-1"},
                   "createdIn": "Step-1", "method": "tighten", "magnitude": 1})"),
       "model.enum", "/loads/0/method", "tighten"},
  });
}

}  // namespace

namespace {

/// A load class the writer does not know.
class ForeignLoad : public kloC_Load {
 public:
  using kloC_Load::kloC_Load;
};

TEST(LoadBuilder, ALoadClassOutsideTheStatusTableStopsTheBuild) {
  const odb_Odb odb = test::ModelOf({std::make_shared<kprC_StaticStep>("S1")}, [](ddb_ModelContents& contents) {
    auto load = std::make_shared<ForeignLoad>("Odd");
    load->statuses.Set(1, mdl_Created);
    contents.loads.Add("Odd", load);
  });
  EXPECT_EQ(Thrown<nex_TextException>([&] { Loads(odb, "S1"); }), "Unimplemented load->statusKey conversion");
}

}  // namespace

namespace {

TEST(Dload, ComplexPartsAndUniformForms) {
  // Complex gravity: the length and direction of the real and of the
  // imaginary vector; the body force's zero imaginary part is left out.
  EXPECT_EQ(Loads(R"({"name": "G", "kind": "gravity", "region": {"set": "Body", "instance": "Plate-1"},
      "createdIn": "Step-1", "comp1": 3, "comp2": 4, "comp3Imaginary": -2})",
                  "Step-1"),
            std::string(kHeading) + R"(** Name: G   Type: Gravity
*Dload, load case=1
Plate-1.Body, GRAV, 5., 0.6, 0.8, 0.
*Dload, load case=2
Plate-1.Body, GRAV, 2., 0., 0., -1.
)");
  EXPECT_EQ(Loads(R"({"name": "B", "kind": "body force", "region": {"set": "Body", "instance": "Plate-1"},
      "createdIn": "Step-1", "comp1": 1, "comp3": 0, "comp1Imaginary": 0})",
                  "Step-1"),
            std::string(kHeading) + "** Name: B   Type: Body force\n*Dload, load case=1\nPlate-1.Body, BX, 1.\n");
  // Global line load: one line per due component; an external uniform pipe
  // pressure without a diameter ends after its magnitude.
  EXPECT_EQ(Loads(R"({"name": "L", "kind": "line load", "region": {"set": "Body", "instance": "Plate-1"},
      "createdIn": "Step-1", "comp1": 1, "comp3": -1})",
                  "Step-1"),
            std::string(kHeading) + "** Name: L   Type: Line load\n*Dload\nPlate-1.Body, PX, 1.\nPlate-1.Body, PZ, -1.\n");
  EXPECT_EQ(Loads(R"({"name": "P", "kind": "pipe pressure", "region": {"set": "Body", "instance": "Plate-1"},
      "createdIn": "Step-1", "magnitude": 2.5, "amplitude": "Ramp"})",
                  "Step-1"),
            std::string(kHeading) + "** Name: P   Type: Pipe pressure\n*Dload, amplitude=Ramp\nPlate-1.Body, PE, 2.5\n");
}

}  // namespace

namespace {

TEST(LoadBuilder, ALongHistoryKeepsTheLoadOrderInEveryStep) {
  // Enough loads × steps to be formatted on every core there is: 210 forces
  // on one node set, all restated with ", op=NEW" in every step, in the
  // order of their names.
  std::string steps = R"([{"name": "Initial", "kind": "initial"})";
  for (int k = 1; k <= 100; ++k) steps += R"(, {"name": "Step-)" + std::to_string(k) + R"(", "kind": "static"})";
  steps += "]";
  std::string loads, expected = kHeading;
  for (int i = 0; i < 210; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "F%03d", i);
    loads += std::string(i ? ", " : "") + R"({"name": ")" + std::string(name) +
             R"(", "kind": "concentrated force", "region": {"set": "Tip", "instance": "Plate-1"},
                 "createdIn": "Step-1", "cf1": )" + std::to_string(i + 1) + "}";
    expected += "** Name: " + std::string(name) + "   Type: Concentrated force\n*Cload, op=NEW\nPlate-1.Tip, 1, " +
                std::to_string(i + 1) + ".\n";
  }
  const odb_Odb odb = test::Model(Members(loads, steps));
  EXPECT_EQ(Loads(odb, "Step-1"), expected);
  EXPECT_EQ(Loads(odb, "Step-57"), expected);
  EXPECT_EQ(Loads(odb, "Step-100"), expected);
}

TEST(LoadsExample, ForcesRestatedGravityOnceAndTheLoadCases) {
  const odb_Odb odb = mfl_ModelFile::Open(std::string(OIF_SOURCE_DIR) + "/examples/loads.json");
  // The two forces on the tip (and the push on the corner) share the *Cload
  // group, restated in every step; gravity is written once, when created.
  EXPECT_EQ(Loads(odb, "Bend"), std::string(kHeading) + R"(** Name: Drag   Type: Concentrated force
*Cload, op=NEW
Beam-1.Tip, 1, -15.
** Name: Lift   Type: Concentrated force
*Cload, op=NEW
Beam-1.Tip, 3, 40.
** Name: Push   Type: Concentrated force
*Cload, op=NEW
** Name: Squeeze   Type: Pressure
*Dsload
Beam-1.Top, P, 1000.
)");
  EXPECT_EQ(Loads(odb, "Cases"), "");
  EXPECT_EQ(Loads(odb, "Cases", "Twisting"), R"(** Name: Drag   Type: Concentrated force   Scale factor: 0.5
*Cload, op=NEW
Beam-1.Tip, 1, -15.
** Name: Lift   Type: Concentrated force   Scale factor: 0.5
*Cload, op=NEW
Beam-1.Tip, 3, 20.
** Name: Squeeze   Type: Pressure   Scale factor: 0.25
*Dsload
Beam-1.Top, P, 375.
** Name: Turn   Type: Moment   Scale factor: 2.
*Cload, op=NEW
Beam-1.Corner, 4, 25.
)");
  // The moment is given in the skew datum: its node set gets a transform.
  const std::string deck = test::Deck(odb);
  EXPECT_NE(deck.find("*Nset, nset=_T-Skew\nBeam-1.Corner, \n*Transform, nset=_T-Skew\n"), std::string::npos);
  std::size_t headings = 0;
  for (std::size_t at = deck.find("** LOADS\n"); at != std::string::npos; at = deck.find("** LOADS\n", at + 1))
    ++headings;
  EXPECT_EQ(headings, 2u);  // Settle and Bend; the load-case step has none
}

}  // namespace
