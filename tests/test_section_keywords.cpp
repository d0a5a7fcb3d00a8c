// The section keywords of an assignment, printed one by one from section
// records: keyword lines with their optional parameters, data lines, layer
// lines, profiles of the beam sections, companions and section controls,
// and the failures of the kinds the writer has no form for.
#include <gtest/gtest.h>

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_BeamSections.h"
#include "oif/impl/oif_Sections.h"
#include "test_support.h"

namespace {

template <class T>
std::shared_ptr<T> Section(const char* name = "S") {
  return std::make_shared<T>(name);
}

const oif_SectionNames kSet{"Set", "", ""};

/// What a keyword prints before it throws, and the message.
std::pair<std::string, std::string> PrintUntilThrow(const zkw_Keyword& keyword) {
  std::string out;
  std::string message;
  aio_ios ios;
  ios.attach(out);
  try {
    utl_Stream stream(ios, 131, 6, 6);
    keyword.Write(stream);
  } catch (const nex_TextException& error) {
    message = error.Message();
  }
  return {out, message};
}

// ---- shells -------------------------------------------------------------------

TEST(ShellSection, HomogeneousWithDefaultsWritesTwoLines) {
  auto shell = Section<kseC_HomogenousShellSection>();
  shell->material = "Steel S355";
  shell->thickness = 0.002;
  EXPECT_EQ(test::Print(oif_ShellSection(kSet, shell, 0.0)), R"(*Shell Section, elset=Set, material="Steel S355"
0.002, 5
)");
}

TEST(ShellSection, EveryParameterInOrder) {
  auto shell = Section<kseC_HomogenousShellSection>();
  shell->material = "Steel";
  shell->thickness = 1.5;
  shell->integrationPoints = 7;
  shell->temperatureMode = kseC_ShellSection::Points;
  shell->temperaturePoints = 3;
  shell->integrationRule = 1;
  shell->poissonDefined = true;
  shell->poisson = 0.25;
  shell->thicknessModulus = 2e5;
  EXPECT_EQ(test::Print(oif_ShellSection({"Set", "Ori-1", "EC-2"}, shell, 0.5)),
            "*Shell Section, elset=Set, orientation=Ori-1, controls=EC-2, temperature=3, material=Steel, "
            "section integration=GAUSS,\npoisson=0.25, thickness modulus=200000., offset=0.5, stack direction=ORIENTATION\n"
            "1.5, 7\n");
}

TEST(ShellSection, GeneralShellLeavesOutTheIntegrationPointsAndStackNeedsAnOrientation) {
  auto shell = Section<kseC_HomogenousShellSection>();
  shell->material = "Steel";
  shell->thickness = 1.0;
  shell->general = true;
  shell->thicknessModulus = 10.0;
  EXPECT_EQ(test::Print(oif_ShellSection(kSet, shell, 0.0)),
            "*Shell General Section, elset=Set, material=Steel, thickness modulus=10.\n1., \n");
}

TEST(ShellSection, CompositeLayerNamesItsOrientationOrGivesItsAngle) {
  auto shell = Section<kseC_CompositeShellSection>();
  shell->layers = {{0.5, 3, "Carbon ply", "Ply axes", 45.0}, {0.25, 5, "Core", "", -45.0}};
  EXPECT_EQ(test::Print(oif_ShellSection({"Skin", "", "EC-1"}, shell, -0.5)),
            R"(*Shell Section, elset=Skin, composite, controls=EC-1, offset=-0.5
0.5, 3, "Carbon ply", "Ply axes"
0.25, 5, Core, -45.
)");
}

TEST(ShellSection, RebarLayersSharedAndWithTheirOwnOrientation) {
  auto shell = Section<kseC_HomogenousShellSection>();
  shell->material = "Concrete";
  shell->thickness = 0.2;
  kseC_RebarLayerSet rebars;
  rebars.spacing = kseC_RebarLayerSet::Angular;
  rebars.layers = {{"Hoop", 1e-4, 0.1, 2.5, 0.05, "Rebar", 0.0, ""},
                   {"Axial", 2e-4, 0.2, 5.0, -0.05, "Rebar", 90.0, "Axes"},
                   {"Inner", 1e-4, 0.1, 2.5, 0.0, "Rebar", 45.0, ""}};
  shell->rebarLayers = rebars;
  EXPECT_EQ(test::Print(oif_ShellSection(kSet, shell, 0.0)), R"(*Shell Section, elset=Set, material=Concrete
0.2, 5
*Rebar Layer, angular spacing
Hoop, 0.0001, 2.5, 0.05, Rebar, 0., 1
Inner, 0.0001, 2.5, 0., Rebar, 45., 1
*Rebar Layer, angular spacing, orientation=Axes
Axial, 0.0002, 5., -0.05, Rebar, 90., 1
)");
  rebars.spacing = kseC_RebarLayerSet::Constant;
  rebars.layers.resize(1);
  EXPECT_EQ(test::Print(oif_RebarLayer(rebars, "Ori-2", true)), R"(*Rebar Layer, orientation=Ori-2
Hoop, 0.0001, 0.1, , Rebar, 0., 1
)");
}

TEST(ShellSection, UnsupportedShellsThrow) {
  auto geometry = Section<kseC_GeometryShellSection>();
  auto [written, message] = PrintUntilThrow(oif_ShellSection(kSet, geometry, 0.0));
  EXPECT_EQ(written, "");
  EXPECT_EQ(message, "Shell general section unimplemented");

  auto user = Section<kseC_UserShellSection>();
  std::tie(written, message) = PrintUntilThrow(oif_ShellGeneralSection({"Set", "Ori-1", ""}, user, 0.25));
  EXPECT_EQ(written, "*Shell General Section, elset=Set, orientation=Ori-1, unsymm, offset=0.25");
  EXPECT_EQ(message, "Shell general section unimplemented");
  user->general = true;
  std::tie(written, message) = PrintUntilThrow(oif_ShellGeneralSection(kSet, user, 0.0));
  EXPECT_EQ(written, "*Shell General Section, elset=Set");
}

// ---- solids, trusses, membranes, gaskets ----------------------------------------

TEST(SolidSection, HomogeneousThicknessLineAndTruss) {
  auto solid = Section<kseC_HomogenousSolidSection>();
  solid->material = "Steel";
  EXPECT_EQ(test::Print(oif_SolidSection({"Set", "Ori-1", "EC-1"}, solid)),
            "*Solid Section, elset=Set, orientation=Ori-1, controls=EC-1, material=Steel\n,\n");
  solid->thickness = 2.5;
  EXPECT_EQ(test::Print(oif_SolidSection(kSet, solid)), "*Solid Section, elset=Set, material=Steel\n2.5,\n");
  auto truss = Section<kseC_TrussSection>();
  truss->material = "Wire rope";
  truss->area = 3e-5;
  EXPECT_EQ(test::Print(oif_SolidSection({"Set", "Ori-1", "EC-1"}, truss)),
            "*Solid Section, elset=Set, material=\"Wire rope\"\n3e-05,\n");
}

TEST(SolidSection, SymmetricCompositeRepeatsItsLayersInReverse) {
  auto composite = Section<kseC_CompositeSolidSection>();
  composite->layers = {{0.5, 3, "A b", "", 0.0}, {0.25, 1, "B", "", 45.5}, {1.0, 3, "C", "", -90.0}};
  composite->symmetric = true;
  EXPECT_EQ(test::Print(oif_SolidSection({"Set", "", "EC-3"}, composite)),
            R"(*Solid Section, elset=Set, composite, controls=EC-3
0.5, 3, A b, 0
0.25, 1, B, 45.5
1, 3, C, -90
1, 3, C, -90
0.25, 1, B, 45.5
0.5, 3, A b, 0
)");
  composite->layers.resize(1);
  EXPECT_EQ(test::Print(oif_SolidSection(kSet, composite)), "*Solid Section, elset=Set, composite\n0.5, 3, A b, 0\n");
}

class OtherSolid : public kseC_SolidSection {
 public:
  using kseC_SolidSection::kseC_SolidSection;
};

TEST(SolidSection, OtherKindsThrow) {
  EXPECT_EQ(PrintUntilThrow(oif_SolidSection(kSet, Section<OtherSolid>())).second, "Unknown solid section type");
  EXPECT_EQ(PrintUntilThrow(oif_SolidSection(kSet, Section<kseC_MembraneSection>())).second,
            "Neither solid nor truss section type");
}

TEST(MembraneSection, MaterialFirstThenOrientationControlsPoisson) {
  auto membrane = Section<kseC_MembraneSection>();
  membrane->material = "Fabric";
  membrane->thickness = 0.001;
  EXPECT_EQ(test::Print(oif_MembraneSection(kSet, membrane)), "*Membrane Section, elset=Set, material=Fabric\n0.001,\n");
  membrane->poissonDefined = true;
  membrane->poisson = 0.4;
  EXPECT_EQ(test::Print(oif_MembraneSection({"Set", "Ori-1", "EC-1"}, membrane)),
            "*Membrane Section, elset=Set, material=Fabric, orientation=Ori-1, controls=EC-1, poisson=0.4\n0.001,\n");
}

TEST(GasketSection, BehaviourOrMaterialAndReorderedValues) {
  auto gasket = std::make_shared<kseC_GasketSection>("G", "Seal 1");
  EXPECT_EQ(test::Print(oif_GasketSection({"Set", "Ori-1", "EC-1"}, gasket, "")),
            "*Gasket Section, elset=Set, material=\"Seal 1\", orientation=Ori-1\n, 0., 0., 1.\n");
  gasket->values = {2.0, 0.1, 1.5, 0.2};
  gasket->stabilizationStiffness = 10.0;
  EXPECT_EQ(test::Print(oif_GasketSection(kSet, gasket, "Seal 1")),
            "*Gasket Section, elset=Set, behavior=\"Seal 1\", stabilization stiffness=10.\n1.5, 0.1, 0.2, 2.\n");
}

// ---- companions -------------------------------------------------------------

TEST(SectionCompanions, HourglassStiffnessLeavesTheSecondFieldEmpty) {
  EXPECT_EQ(test::Print(oif_HourglassStiffness(kseC_HourglassValues{})), "");
  EXPECT_EQ(test::Print(oif_HourglassStiffness(kseC_HourglassValues{{0.0, 0.0, 0.5}})),
            "*Hourglass Stiffness\n0., , 0., 0.5\n");
  EXPECT_EQ(test::Print(oif_HourglassStiffness(kseC_HourglassValues{{10.0, 2.0, 3.0}})),
            "*Hourglass Stiffness\n10., , 2., 3.\n");
}

TEST(SectionCompanions, TransverseShearK12OnlyWhenGiven) {
  EXPECT_EQ(test::Print(oif_TransverseShear({100.0, 200.0})), "*Transverse Shear\n100., 200.\n");
  EXPECT_EQ(test::Print(oif_TransverseShear({100.0, 200.0, 0.0})), "*Transverse Shear\n100., 200., 0.\n");
}

TEST(SectionCompanions, RotaryIProductsInOrderAndEmptyWhenAllZero) {
  auto point = Section<kseC_PointSection>();
  oif_RotaryI none({"P", "Ori-1", ""}, point);
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_EQ(test::Print(none), "");
  point->inertia = {11, 22, 33, 12, 13, 23};
  point->inertiaAlpha = 0.1;
  EXPECT_EQ(test::Print(oif_RotaryI({"P", "Ori-1", ""}, point)),
            "*RotaryI, elset=P, alpha=0.1, orientation=Ori-1\n11., 22., 33., 12., 13., 23.\n");
  point->inertia = {0, 0, 0, 0, 0, 1};
  EXPECT_FALSE(oif_RotaryI(kSet, point).IsEmpty());
}

TEST(SectionCompanions, MassWithItsDampingParameters) {
  auto point = Section<kseC_PointSection>();
  EXPECT_TRUE(oif_Mass(kSet, point).IsEmpty());
  EXPECT_EQ(test::Print(oif_Mass(kSet, point)), "");
  point->mass = 0.25;
  point->massComposite = 0.5;
  EXPECT_EQ(test::Print(oif_Mass(kSet, point)), "*Mass, elset=Set, composite=0.5\n0.25, \n");
}

// ---- section controls -------------------------------------------------------

TEST(SectionControls, DefaultsWriteNothingAndTheDefaultsDependOnTheAnalysis) {
  bme_ElemCtrlParams params;
  EXPECT_TRUE(oif_SectionControls("EC-0", params, 1).IsEmpty());
  EXPECT_EQ(test::Print(oif_SectionControls("EC-0", params, 0)), "");
  params.hourglass = bme_ElemCtrlParams::Stiffness;
  EXPECT_EQ(test::Print(oif_SectionControls("EC-1", params, 1)), "");
  EXPECT_EQ(test::Print(oif_SectionControls("EC-1", params, 0)), "*Section Controls, name=EC-1, hourglass=STIFFNESS\n1., 1., 1.\n");
  params.hourglass = bme_ElemCtrlParams::RelaxStiffness;
  EXPECT_EQ(test::Print(oif_SectionControls("EC-1", params, 0)), "");
  params.hourglassScale = {1.0, 1.0, 1.0000005};  // within the tolerance
  EXPECT_TRUE(oif_SectionControls("EC-1", params, 0).IsEmpty());
}

TEST(SectionControls, EveryParameterInOrder) {
  bme_ElemCtrlParams params;
  params.distortion = bme_ElemCtrlParams::DistortionYes;
  params.lengthRatio = 0.2;
  params.kinematicSplit = bme_ElemCtrlParams::Centroid;
  params.hourglass = bme_ElemCtrlParams::Combined;
  params.secondOrder = bme_ElemCtrlParams::SecondOrderYes;
  params.stressRate = bme_ElemCtrlParams::Spin;
  params.weightFactor = 0.75;
  params.hourglassScale = {0.5, 2.0, 3.0};
  params.bulkViscosityScale = {1.0, 1.2};
  EXPECT_EQ(test::Print(oif_SectionControls("EC-2", params, 0)),
            "*Section Controls, name=EC-2, DISTORTION CONTROL=YES, length ratio=0.2, kinematic split=CENTROID, "
            "hourglass=COMBINED, second order accuracy=YES, stress rate=SPIN, weight factor=0.75\n"
            "0.5, 2., 3., 1., 1.2\n");
  bme_ElemCtrlParams enhanced;
  enhanced.hourglass = bme_ElemCtrlParams::Enhanced;
  enhanced.distortion = bme_ElemCtrlParams::DistortionNo;
  enhanced.lengthRatio = 0.3;       // only with distortion control
  enhanced.weightFactor = 0.9;      // only with combined hourglass control
  enhanced.hourglassScale = {5, 5, 5};  // enhanced control takes none
  enhanced.kinematicSplit = bme_ElemCtrlParams::AverageStrain;
  EXPECT_EQ(test::Print(oif_SectionControls("EC-3", enhanced, 1)),
            "*Section Controls, name=EC-3, DISTORTION CONTROL=NO, hourglass=ENHANCED\n1., 1., 1.\n");
}

TEST(SectionControls, ComparisonWithinTolerance) {
  bme_ElemCtrlParams a, b;
  b.weightFactor = 0.5 + 1e-7;
  EXPECT_TRUE(a == b);
  b.weightFactor = 0.51;
  EXPECT_FALSE(a == b);
  b = a;
  b.stressRate = bme_ElemCtrlParams::Jaumann;
  EXPECT_FALSE(a == b);  // equal in effect, but not the same settings
}

// ---- beams ------------------------------------------------------------------

template <class Profile>
std::shared_ptr<kbpC_BeamProfile> ProfileOf(std::vector<double> dimensions) {
  auto profile = std::make_shared<Profile>("Pr");
  profile->dimensions = std::move(dimensions);
  return profile;
}

std::shared_ptr<kseC_BeamSection> Beam() {
  auto beam = Section<kseC_BeamSection>("B");
  beam->material = "Steel";
  return beam;
}

const gsl_Vector kN1{0.0, 0.0, -1.0};

TEST(BeamSection, EveryProfileOfTheTable) {
  auto box = std::make_shared<kbpC_BoxProfile>("Box");
  box->dimensions = {0.1, 0.2};
  box->thickness = {0.01, 0, 0, 0};
  auto walls = std::make_shared<kbpC_BoxProfile>(*box);
  walls->uniformThickness = false;
  walls->thickness = {0.01, 0.02, 0.03, 0.04};
  auto arbitrary = std::make_shared<kbpC_ArbitraryProfile>("Arb");
  arbitrary->points = {{0, 0, 0}, {1, 0, 0.1}, {1, 1, 0.2}, {0, 1, 0.3}};
  const std::pair<std::shared_ptr<kbpC_BeamProfile>, const char*> cases[] = {
      {ProfileOf<kbpC_RectangularProfile>({0.1, 0.2}), "section=RECT\n0.1, 0.2\n"},
      {ProfileOf<kbpC_CircularProfile>({0.05}), "section=CIRC\n0.05\n"},
      {ProfileOf<kbpC_PipeProfile>({0.05, 0.005}), "section=PIPE\n0.05, 0.005\n"},
      {ProfileOf<kbpC_HexagonalProfile>({0.05, 0.005}), "section=HEX\n0.05, 0.005\n"},
      {box, "section=BOX\n0.1, 0.2, 0.01, 0.01, 0.01, 0.01\n"},
      {walls, "section=BOX\n0.1, 0.2, 0.01, 0.02, 0.03, 0.04\n"},
      {ProfileOf<kbpC_IbeamProfile>({1, 2, 3, 4, 5, 6, 7}), "section=I\n1., 2., 3., 4., 5., 6., 7.\n"},
      {ProfileOf<kbpC_TbeamProfile>({1, 2, 3, 4, 5}), "section=I\n3., 2., 0., 1., 0., 4., 5.\n"},
      {ProfileOf<kbpC_LbeamProfile>({1, 2, 3, 4}), "section=L\n1., 2., 3., 4.\n"},
      {ProfileOf<kbpC_TrapezoidalProfile>({1, 2, 3, 4}), "section=TRAPEZOID\n1., 2., 3., 4.\n"},
      {arbitrary, "section=ARBITRARY\n3, 0., 0., 1., 0., 0.1\n1., 1., 0.2\n0., 1., 0.3\n"},
      {nullptr, "**ERROR -- Illegal Beam Profile Definition\n"},
  };
  for (const auto& [profile, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(test::Print(oif_BeamSection("Set", Beam(), profile, kN1)),
              std::string("*Beam Section, elset=Set, material=Steel, temperature=GRADIENTS, ") + text + "0.,0.,-1.\n");
  }
}

TEST(BeamSection, GeneralizedProfileOnlyInTheGeneralSection) {
  auto generalized = std::make_shared<kbpC_GeneralizedProfile>("Gen");
  generalized->dimensions = {1, 2, 0, 3, 4};
  auto beam = Beam();
  beam->temperatureMode = kseC_BeamSection::Values;
  beam->poisson = 0.3;
  EXPECT_EQ(test::Print(oif_BeamSection("Set", beam, generalized, {0, 1, 0})),
            "*Beam Section, elset=Set, material=Steel, poisson = 0.3, temperature=VALUES,\n"
            "**ERROR -- Generalized Profile cannot be used with this section.\n0.,1.,0.\n");
  auto general = Section<kseC_BeamSection>("G");
  general->integrated = false;
  general->properties = kmaC_MaterialTable(1, 2, {2.1e5, 8e4});
  EXPECT_EQ(test::Print(oif_BeamGeneralSection("Set", general, generalized, kN1)),
            "*Beam General Section, elset=Set, section=GENERAL\n1., 2., 0., 3., 4.\n0.,0.,-1.\n210000.,80000.\n");
  generalized->warping = {0, 0.5};
  general->dependencies = 1;
  general->zero = 20;
  general->density = 7.8e-9;
  general->properties = kmaC_MaterialTable(1, 4, {2.1e5, 8e4, 1.2e-5, 1});
  EXPECT_EQ(test::Print(oif_BeamGeneralSection("Set", general, generalized, kN1)),
            "*Beam General Section, elset=Set, , dependencies=1, zero=20., density=7.8e-09, section=GENERAL\n"
            "1., 2., 0., 3., 4.\n0., 0.5\n0.,0.,-1.\n210000.,  80000., , , 1.2e-05,      1.\n");
}

TEST(BeamSection, FluidInertiaFields) {
  auto beam = Beam();
  beam->fluidInertia = kseC_FluidInertia{};
  beam->fluidInertia->values = {1000, 0.2, 1.0, 0.0, 0.0, 0.0};
  const std::string head = "*Beam Section, elset=Set, material=Steel, temperature=GRADIENTS, section=CIRC\n0.1\n0.,0.,-1.\n";
  const auto circle = ProfileOf<kbpC_CircularProfile>({0.1});
  EXPECT_EQ(test::Print(oif_BeamSection("Set", beam, circle, kN1)), head + "*Beam Fluid Inertia\n1000., , , 0.2\n");
  beam->fluidInertia->half = true;
  beam->fluidInertia->values = {1000, 0.2, 1.5, 0.0, 0.01, 0.0};
  EXPECT_EQ(test::Print(oif_BeamSection("Set", beam, circle, kN1)),
            head + "*Beam Fluid Inertia, half\n1000., 0.01, , 0.2, 1.5\n");
  beam->fluidInertia->values = {1000, 0.2, 1.0, 0.5, 0.0, 0.02};
  EXPECT_EQ(test::Print(oif_BeamSection("Set", beam, circle, kN1)),
            head + "*Beam Fluid Inertia, half\n1000., , 0.02, 0.2, , 0.5\n");
}

TEST(BeamSection, GeneralSectionTrailingKeywords) {
  auto general = Section<kseC_BeamSection>("G");
  general->integrated = false;
  general->properties = kmaC_MaterialTable(1, 2, {2.1e5, 8e4});
  general->dampingBeta = 0.01;
  general->shearCenter = std::array<double, 2>{0.0, 0.0};  // at the origin: not written
  general->centroid = std::array<double, 2>{0.1, -0.2};
  general->sectionPoints = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};
  EXPECT_EQ(test::Print(oif_BeamGeneralSection("Set", general, ProfileOf<kbpC_RectangularProfile>({1, 2}), kN1)),
            R"(*Beam General Section, elset=Set, section=RECT
1., 2.
0.,0.,-1.
210000.,80000.
*Damping, beta=0.01
*Centroid
0.1, -0.2
*Section Points
1., 2., 3., 4., 5., 6., 7., 8.
9., 10.
)");
}

}  // namespace
