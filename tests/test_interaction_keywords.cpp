// Interaction keywords, each printed on its own: the property options, the
// contact keywords and the surface interactions, with the forms their
// parameters and data lines take.
#include <gtest/gtest.h>

#include "material_support.h"
#include "oif/impl/oif_ContactKeywords.h"
#include "oif/impl/oif_InteractionProperties.h"
#include "oif/impl/oif_SurfaceInteractions.h"
#include "test_support.h"

namespace {

using mtest::Table;

template <class E>
std::string Thrown(const std::function<void()>& f) {
  try {
    f();
  } catch (const E& e) {
    return e.what();
  }
  return "nothing thrown";
}

kmaC_TableData Data(const kmaC_MaterialTable& table, bool temperature = false, int dependencies = 0) {
  kmaC_TableData data;
  data.table = table;
  data.temperatureDependency = temperature;
  data.dependencies = dependencies;
  return data;
}

std::shared_ptr<kinC_Friction> Friction(int form, const kmaC_MaterialTable& table = {}) {
  auto friction = std::make_shared<kinC_Friction>();
  friction->form = form;
  friction->data = Data(table);
  return friction;
}

// ---------------------------------------------------------------------------
// Properties

TEST(InteractionPropertyKeywords, SurfaceInteractionWithPadAndThicknessLine) {
  auto property = std::make_shared<kinC_ContactProperty>("Rough");
  EXPECT_EQ(test::Print(oif_SurfaceInteraction(property)), "*Surface Interaction, name=Rough\n");
  property->padThickness = 0.25;
  property->thicknessLine = true;  // no thickness given: 1.0
  EXPECT_EQ(test::Print(oif_SurfaceInteraction(property)), "*Surface Interaction, name=Rough, pad thickness=0.25\n1.,\n");
  property->thickness = 2.5;
  property->padThickness = mdl_UnsetDouble;
  EXPECT_EQ(test::Print(oif_SurfaceInteraction(property)), "*Surface Interaction, name=Rough\n2.5,\n");
  EXPECT_EQ(test::Print(oif_SurfaceInteraction(std::make_shared<kinC_ContactProperty>("Two words"))),
            "*Surface Interaction, name=\"Two words\"\n");
}

TEST(InteractionPropertyKeywords, FrictionForms) {
  using F = kinC_Friction;
  EXPECT_EQ(test::Print(oif_Friction(Friction(F::Frictionless))), "*Friction\n0.,\n");
  EXPECT_EQ(test::Print(oif_Friction(Friction(F::Rough))), "*Friction, rough\n");

  auto penalty = Friction(F::Penalty, Table({{0.3}}));
  penalty->elasticSlip = 0.001;
  penalty->slipTolerance = 0.005;
  penalty->shearTractionSlope = 2.0;
  penalty->taumax = 50.0;
  EXPECT_EQ(test::Print(oif_Friction(penalty)),
            "*Friction, elastic slip=0.001, slip tolerance=0.005, shear traction slope=2., taumax=50.\n 0.3,\n");

  // Lagrange, anisotropic, with one field variable and no temperature: the
  // temperature place-holder before the field column.
  auto lagrange = Friction(F::Lagrange, Table({{0.3, 0.2, 1.0}}));
  lagrange->anisotropic = true;
  lagrange->data.dependencies = 1;
  EXPECT_EQ(test::Print(oif_Friction(lagrange)), "*Friction, lagrange, anisotropic, dependencies=1\n 0.3, 0.2, ,  1.\n");
  // The change form leaves out what the pair's definition fixes.
  EXPECT_EQ(test::Print(oif_Friction(lagrange, true)), "*Friction, anisotropic, dependencies=1\n 0.3, 0.2, ,  1.\n");

  auto user = Friction(F::User);
  user->depvar = 2;
  user->properties = {1.0, 2.0, 3.0};
  EXPECT_EQ(test::Print(oif_Friction(user)), "*Friction, user, depvar=2, properties=3\n1., 2., 3.\n");

  auto decay = Friction(F::ExponentialDecay, Table({{0.5, 0.3, 1.7}}));
  EXPECT_EQ(test::Print(oif_Friction(decay)), "*Friction, exponential decay\n 0.5, 0.3, 1.7\n");
  decay->testData = true;
  EXPECT_EQ(test::Print(oif_Friction(decay)), "*Friction, exponential decay, test data\n 0.5, 0.3, 1.7\n");
}

TEST(InteractionPropertyKeywords, FrictionWithoutOutputIsUnimplemented) {
  using F = kinC_Friction;
  for (const auto& friction : {Friction(F::Penalty), Friction(F::ExponentialDecay), Friction(9)})
    EXPECT_NE(Thrown<nex_TextException>([&] { test::Print(oif_Friction(friction)); })
                  .find("Unimplemented *Friction print"),
              std::string::npos);
  EXPECT_NE(Thrown<nex_TextException>([&] { test::Print(oif_Friction(Friction(F::User), true)); })
                .find("Unimplemented *Friction print"),
            std::string::npos);
}

TEST(InteractionPropertyKeywords, SurfaceBehaviorOverclosures) {
  using B = kinC_SurfaceBehavior;
  auto behavior = std::make_shared<B>();
  EXPECT_EQ(test::Print(oif_SurfaceBehavior(behavior)), "*Surface Behavior, pressure-overclosure=HARD\n");
  behavior->noSeparation = true;
  behavior->enforcement = B::AugmentedLagrange;
  EXPECT_EQ(test::Print(oif_SurfaceBehavior(behavior)),
            "*Surface Behavior, no separation, augmented Lagrange, pressure-overclosure=HARD\n");
  auto exponential = std::make_shared<B>();
  exponential->overclosure = B::Exponential;
  exponential->enforcement = B::PenaltyMethod;
  exponential->data = Data(Table({{100.0, 0.5}}));
  EXPECT_EQ(test::Print(oif_SurfaceBehavior(exponential)),
            "*Surface Behavior, penalty, pressure-overclosure=EXPONENTIAL\n100., 0.5\n");
  for (auto [overclosure, word] : {std::pair{B::Linear, "LINEAR"}, std::pair{B::Tabular, "TABULAR"},
                                   std::pair{B::ScaleFactor, "SCALE FACTOR"}}) {
    auto other = std::make_shared<B>();
    other->overclosure = overclosure;
    other->data = Data(Table({{2.0}}));
    EXPECT_EQ(test::Print(oif_SurfaceBehavior(other)),
              std::string("*Surface Behavior, pressure-overclosure=") + word + "\n2.,\n");
  }
}

TEST(InteractionPropertyKeywords, DampingConductanceHeatAndRadiation) {
  auto damping = std::make_shared<kinC_ContactDamping>();
  damping->data = Data(Table({{0.05}}));
  EXPECT_EQ(test::Print(oif_ContactDamping(damping)), "*Contact Damping, definition=CRITICAL DAMPING\n 0.05,\n");
  damping->definition = kinC_ContactDamping::DampingCoefficient;
  damping->tangentFraction = 0.5;
  EXPECT_EQ(test::Print(oif_ContactDamping(damping)),
            "*Contact Damping, definition=DAMPING COEFFICIENT, tangent fraction=0.5\n 0.05,\n");

  auto conductance = std::make_shared<kinC_GapConductance>();
  conductance->data = Data(Table({{10.0, 0.0, 1.0}}), false, 1);
  EXPECT_EQ(test::Print(oif_GapConductance(conductance)), "*Gap Conductance, dependencies=1\n10.,0., ,1.\n");
  conductance->form = kinC_GapConductance::Pressure;
  conductance->data = Data(Table({{10.0, 0.0}}));
  EXPECT_EQ(test::Print(oif_GapConductance(conductance)), "*Gap Conductance, pressure\n10.,0.\n");
  conductance->form = kinC_GapConductance::User;
  EXPECT_EQ(test::Print(oif_GapConductance(conductance)), "*Gap Conductance, user\n10.,0.\n");

  auto heat = std::make_shared<kinC_GapHeatGeneration>();
  heat->fraction = 1.0;
  heat->weighting = 0.5;
  EXPECT_EQ(test::Print(oif_GapHeatGeneration(heat)), "*Gap Heat Generation\n1., 0.5\n");

  auto radiation = std::make_shared<kinC_GapRadiation>();
  radiation->masterEmissivity = 0.8;
  radiation->slaveEmissivity = 0.9;
  radiation->data = Data(Table({{1.0, 0.0}, {0.0, 0.1}}));
  EXPECT_EQ(test::Print(oif_GapRadiation(radiation)), "*Gap Radiation\n0.8, 0.9\n1.,  0.\n0., 0.1\n");
}

TEST(InteractionPropertyKeywords, FilmAndImpedanceProperties) {
  auto film = std::make_shared<kinC_FilmConditionProp>("Air");
  film->data = Data(Table({{10.0, 20.0}, {15.0, 100.0}}), true, 0);
  EXPECT_EQ(test::Print(oif_FilmProperty(film)), "*Film Property, name=Air\n10., 20.\n15.,100.\n");
  film->data = Data(Table({{10.0, 1.0}}), false, 1);
  EXPECT_EQ(test::Print(oif_FilmProperty(film)), "*Film Property, name=Air, dependencies=1\n10., ,1.\n");

  auto impedance = std::make_shared<kinC_AcousticImpedanceProp>("Wall");
  impedance->data = Data(Table({{1.0, 2.0, 100.0}}));
  EXPECT_EQ(test::Print(oif_AcousticImpedanceProp(impedance)), "*Impedance Property, name=Wall\n1.,  2.,100.\n");
  impedance->impedance = true;
  EXPECT_EQ(test::Print(oif_AcousticImpedanceProp(impedance)),
            "*Impedance Property, name=Wall, data=IMPEDANCE\n1.,  2.,100.\n");
}

// ---------------------------------------------------------------------------
// Contact

const oif_ContactSurfaces kPair{"Block-1.Bottom", "Plate-1.Top"};
const oif_ContactSurfaces kSelf{"Block-1.Skin", ""};

kinC_ContactPairState WithProperty(const std::string& property) {
  kinC_ContactPairState state;
  state.interactionProperty.Set(property);
  return state;
}

TEST(ContactKeywords, StandardContactPairParameters) {
  using C = kinC_StdContact;
  auto pair = std::make_shared<kinC_SurfaceToSurfaceContactStd>("P");
  const auto state = WithProperty("Rough");
  EXPECT_EQ(test::Print(oif_ContactPair(pair, state, kPair, "")),
            "*Contact Pair, interaction=Rough\nBlock-1.Bottom, Plate-1.Top\n");
  pair->smallSliding = true;
  pair->discretization = C::SurfaceToSurface;
  pair->thickness = false;
  pair->hcrit = 0.5;
  pair->smooth = 0.3;
  pair->extensionZone = 0.2;
  pair->adjust = C::AdjustTolerance;
  pair->adjustTolerance = 0.01;
  pair->tied = true;
  pair->cpset = "Set A";
  // A keyword line continues on a new line before a parameter that would
  // pass 131 characters.
  EXPECT_EQ(test::Print(oif_ContactPair(pair, state, kPair, "")),
            "*Contact Pair, interaction=Rough, small sliding, type=SURFACE TO SURFACE, no thickness, hcrit=0.5, "
            "smooth=0.3, extension zone=0.2,\nadjust=0.01, tied, cpset=\"Set A\"\n"
            "Block-1.Bottom, Plate-1.Top\n");

  // Finite sliding with a slide distance; node to surface without thickness.
  auto finite = std::make_shared<kinC_SurfaceToSurfaceContactStd>("F");
  finite->slideDistance = 0.5;
  finite->thickness = false;
  finite->adjust = C::AdjustSet;
  EXPECT_EQ(test::Print(oif_ContactPair(finite, state, kPair, "Plate-1.Base")),
            "*Contact Pair, interaction=Rough, slide distance=0.5, no thickness, adjust=Plate-1.Base\n"
            "Block-1.Bottom, Plate-1.Top\n");
  finite->adjust = C::AdjustOverclosure;
  finite->smallSliding = true;  // small sliding: no "no thickness" of its own
  EXPECT_EQ(test::Print(oif_ContactPair(finite, state, kPair, "")),
            "*Contact Pair, interaction=Rough, small sliding, adjust=0.0\nBlock-1.Bottom, Plate-1.Top\n");

  auto self = std::make_shared<kinC_SelfContactStd>("S");
  EXPECT_EQ(test::Print(oif_ContactPair(self, state, kSelf, "")), "*Contact Pair, interaction=Rough\nBlock-1.Skin\n");
}

TEST(ContactKeywords, TiedPairWithoutPropertyAndExplicitForms) {
  auto tied = std::make_shared<kinC_SurfaceToSurfaceContactStd>("Glue");
  tied->tied = true;
  tied->adjust = kinC_StdContact::AdjustTolerance;
  tied->adjustTolerance = 0.1;
  EXPECT_EQ(test::Print(oif_ContactPair(tied, kinC_ContactPairState(), kPair, "")),
            "*Contact Pair, tied, adjust=0.1, interaction=_Glue\nBlock-1.Bottom, Plate-1.Top\n");

  auto xpl = std::make_shared<kinC_SurfaceToSurfaceContactXpl>("X");
  auto state = WithProperty("Rough");
  EXPECT_EQ(test::Print(oif_ContactPair(xpl, state, kPair, "", false)),
            "*Contact Pair, interaction=Rough\nBlock-1.Bottom, Plate-1.Top\n");
  state.mechanicalConstraint.Set(kinC_XplContact::Penalty);
  state.weight.Set(0.5);
  xpl->smallSliding = true;
  EXPECT_EQ(test::Print(oif_ContactPair(xpl, state, kPair, "X", false)),
            "*Contact Pair, interaction=Rough, mechanical constraint=PENALTY, weight=0.5, small sliding, cpset=X\n"
            "Block-1.Bottom, Plate-1.Top\n");
  EXPECT_EQ(test::Print(oif_ContactPair(xpl, state, kPair, "X", true)),
            "*Contact Pair, op=DELETE, cpset=X\nBlock-1.Bottom, Plate-1.Top\n");
}

TEST(ContactKeywords, ModelChangeFrictionChangeClearanceAndInterference) {
  auto pair = std::make_shared<kinC_SurfaceToSurfaceContactStd>("P");
  EXPECT_EQ(test::Print(oif_ModelChange(pair, kPair, true, 0)),
            "*Model Change, type=CONTACT PAIR, remove\nBlock-1.Bottom, Plate-1.Top\n");
  EXPECT_EQ(test::Print(oif_ModelChange(pair, kPair, false, mdl_Created)),
            "*Model Change, type=CONTACT PAIR, add\nBlock-1.Bottom, Plate-1.Top\n");
  EXPECT_EQ(test::Print(oif_ModelChange(pair, kPair, false, mdl_Deactivated)),
            "*Model Change, type=CONTACT PAIR, remove\nBlock-1.Bottom, Plate-1.Top\n");
  EXPECT_EQ(test::Print(oif_ModelChange(std::make_shared<kinC_SelfContactStd>("S"), kSelf, false, mdl_Created)),
            "*Model Change, type=CONTACT PAIR, add\nBlock-1.Skin, \n");
  EXPECT_NE(Thrown<nex_TextException>([&] {
              test::Print(oif_ModelChange(std::make_shared<kinC_FilmCondition>("F"), kPair, true, 0));
            }).find("No *Model Change for this interaction."),
            std::string::npos);

  EXPECT_EQ(test::Print(oif_ChangeFriction("Rough")), "*Change Friction, interaction=Rough\n");
  EXPECT_EQ(test::Print(oif_Clearance(kPair, "", 0.002)),
            "*Clearance, master=Plate-1.Top, slave=Block-1.Bottom, value=0.002\n");

  kinC_ContactPairState state;
  EXPECT_TRUE(oif_ContactInterference(kPair, state).IsEmpty());
  state.interference.Set(0.01);
  state.interferenceAmplitude.Set("Ramp");
  EXPECT_FALSE(oif_ContactInterference(kPair, state).IsEmpty());
  EXPECT_EQ(test::Print(oif_ContactInterference(kPair, state)),
            "*Contact Interference, amplitude=Ramp\nBlock-1.Bottom, Plate-1.Top, 0.01\n");
  state.interference.CarryOver();  // carried into the next step: nothing new
  state.interferenceAmplitude.CarryOver();
  EXPECT_TRUE(oif_ContactInterference(kPair, state).IsEmpty());
  kinC_ContactPairState shrink;
  shrink.shrink.Set(true);
  EXPECT_EQ(test::Print(oif_ContactInterference(kPair, shrink)),
            "*Contact Interference, shrink\nBlock-1.Bottom, Plate-1.Top\n");
}

TEST(ContactKeywords, ContactControlsStandardExplicitAndReset) {
  auto controls = std::make_shared<kinC_StdContactControls>("C");
  EXPECT_TRUE(controls->IsDefault());
  controls->absolutePenetrationTolerance = 0.001;
  controls->stiffnessScaleFactor = 2.0;
  controls->delayedFrictionOnset = true;
  controls->automaticTolerances = true;
  controls->maxchp = 5;
  controls->stabilize = true;
  controls->stabilizeFactor = 0.1;
  controls->tangentFraction = 0.5;
  EXPECT_FALSE(controls->IsDefault());
  EXPECT_EQ(test::Print(oif_ContactControls(kPair, controls)),
            "*Contact Controls, master=Plate-1.Top, slave=Block-1.Bottom, absolutePenetrationTolerance=0.001, "
            "stiffnessScaleFactor=2.,\nfrictionOnset=DELAYED, automaticTolerances, maxchp=5, stabilize=0.1, "
            "tangent fraction=0.5\n");
  EXPECT_EQ(test::Print(oif_ContactControls(kPair, std::shared_ptr<const kinC_StdContactControls>())),
            "*Contact Controls, master=Plate-1.Top, slave=Block-1.Bottom, reset\n");

  auto xpl = std::make_shared<kinC_XplContactControls>("X");
  xpl->fastLocalTracking = 0;
  xpl->globalTrackingIncrements = 10;
  xpl->scalePenalty = 2.0;
  xpl->warpCheckPeriod = 20;
  xpl->warpCutOff = 30.0;
  EXPECT_EQ(test::Print(oif_ContactControls("Pairs", xpl)),
            "*Contact Controls, cpset=Pairs, fastlocaltrk=NO, globtrkinc=10, scale penalty=2., warp check period=20, "
            "warp cut off=30.\n");
  EXPECT_EQ(test::Print(oif_ContactControls("Pairs", std::shared_ptr<const kinC_XplContactControls>())),
            "*Contact Controls, cpset=Pairs, reset\n");
}

TEST(ContactKeywords, GeneralContactAndItsAssignments) {
  EXPECT_EQ(test::Print(oif_Contact(true)), "*Contact, op=NEW\n");
  EXPECT_EQ(test::Print(oif_Contact(false, true, {}, {{"A.Top", "B.Bottom"}})),
            "*Contact\n*Contact Inclusions, ALL EXTERIOR\n*Contact Exclusions\nA.Top, B.Bottom\n");
  EXPECT_EQ(test::Print(oif_Contact(false, false, {{"A.Top", ""}, {"A.Top", "B.Bottom"}}, {})),
            "*Contact\n*Contact Inclusions\nA.Top\nA.Top, B.Bottom\n");
  EXPECT_EQ(test::Print(oif_ContactPropertyAssignments({{"", "", "Global"}, {"A.Top", "B.Bottom", "Rough"}})),
            "*Contact property assignment\n, , Global\nA.Top, B.Bottom, Rough\n");
  EXPECT_EQ(test::Print(oif_SurfacePropertyAssignments({{"", kinC_ThicknessAssignment::Original, mdl_UnsetDouble},
                                                        {"A.Top", kinC_ThicknessAssignment::Current, mdl_UnsetDouble},
                                                        {"B.Bottom", kinC_ThicknessAssignment::Value, 0.5}})),
            "*Surface property assignment, property=THICKNESS\n, ORIG\nA.Top, CURR\nB.Bottom, 0.5\n");
  EXPECT_EQ(test::Print(oif_ContactFormulationAssignments({{"A.Top", "B.Bottom"}}, true)),
            "*Contact formulation, type=PURE MASTER-SLAVE\nA.Top, B.Bottom\n");
  EXPECT_TRUE(oif_ContactFormulationAssignments({}, false).IsEmpty());
}

// ---------------------------------------------------------------------------
// Radiation and surface interactions

kinC_SurfaceExchangeState Exchange(double sink, double coefficient) {
  kinC_SurfaceExchangeState state;
  state.sinkTemperature.Set(sink);
  state.coefficient.Set(coefficient);
  return state;
}

TEST(SurfaceInteractionKeywords, FilmFormsAndTheirRemoval) {
  auto state = Exchange(20.0, 12.5);
  const oif_KeywordForm created = oif_KeywordForm::Make(mdl_Created, false);
  EXPECT_EQ(test::Print(oif_Sfilm(created, "A.Top", state, kinC_FilmCondition::Embedded)), "*Sfilm\nA.Top, F, 20., 12.5\n");
  state.amplitude.Set("Sink");
  state.filmAmplitude.Set("Coefficient");
  // The amplitudes, then ", op=NEW".
  EXPECT_EQ(test::Print(oif_Sfilm(oif_KeywordForm::Make(mdl_Propagated, true), "A.Top", state,
                                  kinC_FilmCondition::Embedded)),
            "*Sfilm, amplitude=Sink, film amplitude=Coefficient, op=NEW\nA.Top, F, 20., 12.5\n");
  state.filmProperty.Set("Air");
  EXPECT_EQ(test::Print(oif_Sfilm(created, "A.Top", state, kinC_FilmCondition::Property)),
            "*Sfilm, amplitude=Sink\nA.Top, F, 20., Air\n");
  EXPECT_EQ(test::Print(oif_Sfilm(created, "A.Top", state, kinC_FilmCondition::User)),
            "*Sfilm, amplitude=Sink, film amplitude=Coefficient\nA.Top, FNU, 20., 12.5\n");
  EXPECT_EQ(test::Print(oif_Sfilm(oif_KeywordForm::Make(mdl_Deactivated, true), "A.Top", state,
                                  kinC_FilmCondition::Embedded)),
            "*Sfilm, op=NEW\n");

  kinC_ConcFilmCondition film("C");
  film.regionType = kinC_Sliding;
  film.definition = kinC_FilmCondition::User;
  EXPECT_EQ(test::Print(oif_Cfilm(created, "A.Edge", Exchange(20.0, 5.0), film)),
            "*Cfilm, region type=SLIDING, user\nA.Edge, 20., 5.\n");
  film.regionType = kinC_Eulerian;
  film.definition = kinC_FilmCondition::Embedded;
  EXPECT_EQ(test::Print(oif_Cfilm(oif_KeywordForm::Make(mdl_Created, true), "A.Edge", Exchange(20.0, 5.0), film)),
            "*Cfilm, region type=EULERIAN, op=NEW\nA.Edge, 20., 5.\n");
}

TEST(SurfaceInteractionKeywords, RadiationToTheAmbient) {
  auto state = Exchange(300.0, 0.8);
  EXPECT_EQ(test::Print(oif_Sradiate(oif_KeywordForm::Make(mdl_Created, false), "A.Top", state)),
            "*Sradiate\nA.Top, R, 300., 0.8\n");
  state.amplitude.Set("Heat");
  EXPECT_EQ(test::Print(oif_Sradiate(oif_KeywordForm::Make(mdl_Modified, true), "A.Top", state)),
            "*Sradiate, amplitude=Heat, op=NEW\nA.Top, R, 300., 0.8\n");
  EXPECT_EQ(test::Print(oif_Sradiate(oif_KeywordForm::Make(mdl_Deactivated, false), "A.Top", state)), "*Sradiate\n");
  EXPECT_EQ(test::Print(oif_Cradiate(oif_KeywordForm::Make(mdl_Created, false), "A.Edge", state, kinC_Sliding)),
            "*Cradiate, amplitude=Heat, region type=SLIDING\nA.Edge, 300., 0.8\n");
}

TEST(SurfaceInteractionKeywords, ImpedanceIncidentWaveAndCavity) {
  auto impedance = std::make_shared<kinC_AcousticImpedance>("I");
  impedance->property = "Wall";
  const oif_KeywordForm created = oif_KeywordForm::Make(mdl_Created, false);
  EXPECT_EQ(test::Print(oif_AcousticImpedance(created, "A.Out", impedance)), "*Simpedance, property=Wall\nA.Out\n");
  impedance->nonreflecting = kinC_AcousticImpedance::ProlateSpheroidal;
  impedance->data = {2.0, 0.5};
  EXPECT_EQ(test::Print(oif_AcousticImpedance(oif_KeywordForm::Make(mdl_Propagated, true), "A.Out", impedance)),
            "*Simpedance, nonreflecting=PROLATE SPHEROIDAL, op=NEW\nA.Out, 2., 0.5\n");
  EXPECT_EQ(test::Print(oif_AcousticImpedance(oif_KeywordForm::Make(mdl_Deactivated, false), "A.Out", impedance)),
            "*Simpedance\n");

  auto wave = std::make_shared<kinC_IncidentWave>("W");
  wave->sourcePoint = {0.0, 0.0, -10.0};
  wave->standoffPoint = {0.0, 0.0, -1.0};
  wave->amplitude = "Blast";
  wave->property = "Charge";
  EXPECT_EQ(test::Print(oif_IncidentWave("A.Out", wave)),
            "*Incident wave interaction, pressure amplitude=Blast, property=Charge\nA.Out, 0., 0., -10., 0., 0., -1.\n");
  wave->accelerationAmplitude = true;
  wave->undex = true;
  EXPECT_EQ(test::Print(oif_IncidentWave("A.Out", wave)),
            "*Incident wave interaction, acceleration amplitude=Blast, UNDEX, property=Charge\n"
            "A.Out, 0., 0., -10., 0., 0., -1.\n");

  EXPECT_EQ(test::Print(oif_CavityDefinition("Oven", 300.0, {"A.Inner", "B.Inner"})),
            "*Cavity Definition, name=Oven, ambient temp=300.\nA.Inner\nB.Inner\n");
  kinC_CavityState state;
  EXPECT_EQ(test::Print(oif_RadiationViewfactor("Oven", state, true)), "*Radiation Viewfactor, cavity=Oven, off\n");
  state.blocking.Set(kinC_CavityState::Partial);
  state.range.Set(5.0);
  state.reflection.Set(false);
  state.viewfactorTolerance.Set(0.01);
  EXPECT_EQ(test::Print(oif_RadiationViewfactor("Oven", state, false)),
            "*Radiation Viewfactor, cavity=Oven, blocking=PARTIAL, range=5., reflection=NO, vtol=0.01\n");
}

}  // namespace
