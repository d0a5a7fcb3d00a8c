// The option keywords with rules of their own: elastic, plastic in both
// forms, Drucker-Prager and its hardening, hyperelastic, hyperfoam,
// viscoelastic, user material, sorption, acoustic medium and the gasket
// thickness behaviour.
#include <gtest/gtest.h>

#include "material_support.h"

namespace {

using K = kmaC_OptionKind;
using A = kmaC_Attr;
using mtest::FirstLine;
using mtest::Option;
using mtest::Table;
using mtest::Write;

std::shared_ptr<kmaC_MaterialOption> Sub(K kind, const kmaC_MaterialTable& table, bool temperature = false,
                                         int dependencies = 0) {
  return std::make_shared<kmaC_MaterialOption>(Option(kind, table, temperature, dependencies));
}

TEST(ElasticKeyword, FieldVariablesWithoutTemperatureGetAnEmptyCell) {
  EXPECT_EQ(Write(Option(K::Elastic, Table({{210000.0, 0.3, 1.0, 2.0}, {200000.0, 0.3, 1.0, 3.0}}), false, 2)),
            R"(*Elastic, dependencies=2
210000., 0.3, ,  1.,  2.
200000., 0.3, ,  1.,  3.
)");
  EXPECT_EQ(Write(Option(K::Elastic, Table({{210000.0, 0.3, 20.0}}), true, 0)), "*Elastic\n210000., 0.3, 20.\n");
}

TEST(ElasticKeyword, TypeTexts) {
  kmaC_MaterialOption elastic = Option(K::Elastic);
  elastic.Set(A::Type, int(kmaC_Elastic::ENGINEERING_CONSTANTS));
  EXPECT_EQ(Write(elastic), "*Elastic, type=ENGINEERING CONSTANTS\n");
  elastic.Set(A::Type, int(kmaC_Elastic::LAMINA));
  EXPECT_EQ(Write(elastic), "*Elastic, type=LAMINA\n");
  elastic.Set(A::Type, int(kmaC_Elastic::COUPLED_TRACTION));
  EXPECT_EQ(Write(elastic), "*Elastic, type=COUPLED TRACTION\n");
}

TEST(ElasticKeyword, ModuliOnlyForViscoelasticMaterials) {
  kmaC_MaterialOption elastic = Option(K::Elastic);
  elastic.Set(A::Moduli, 1);
  EXPECT_EQ(Write(elastic, false), "*Elastic\n");
  EXPECT_EQ(Write(elastic, true), "*Elastic, moduli=LONG TERM\n");
  elastic.Set(A::Moduli, 0);
  EXPECT_EQ(Write(elastic, true), "*Elastic, moduli=INSTANTANEOUS\n");
}

TEST(ElasticKeyword, FailureSubOptionsThenNoCompressionAndNoTension) {
  kmaC_MaterialOption elastic = Option(K::Elastic, Table({{70000.0, 0.33}}));
  elastic.SetSubOption(Sub(K::FailStress, Table({{500.0, 400.0}})));
  elastic.SetSubOption(Sub(K::FailStrain, Table({{0.1, 0.2}})));
  elastic.Set(A::NoCompression, true);
  elastic.Set(A::NoTension, true);
  EXPECT_EQ(Write(elastic), R"(*Elastic
70000., 0.33
*Fail Strain
 0.1, 0.2
*Fail Stress
500.,400.
*No Compression
*No Tension
)");
}

TEST(PlasticKeyword, RateFormOneHeaderPerDistinctRateSortedByRate) {
  kmaC_MaterialOption plastic =
      Option(K::Plastic, Table({{300.0, 0.0, 10.0}, {200.0, 0.0, 0.0}, {350.0, 0.1, 10.0}, {250.0, 0.1, 0.0}}));
  plastic.Set(A::RateData, true);
  EXPECT_EQ(Write(plastic), R"(*Plastic, rate=0.
200.,0.
250., 0.1
*Plastic, rate=10.
300.,0.
350., 0.1
)");
}

TEST(PlasticKeyword, RateFormWithFieldVariables) {
  kmaC_MaterialOption plastic = Option(K::Plastic, Table({{200.0, 0.0, 1.0, 7.0}, {210.0, 0.0, 0.5, 7.0}}), false, 1);
  plastic.Set(A::RateData, true);
  plastic.SetSubOption(Sub(K::AnnealTemperature, Table({{900.0}})));
  EXPECT_EQ(Write(plastic), R"(*Plastic, rate=0.5, dependencies=1
210.,0., ,7.
*Plastic, rate=1., dependencies=1
200.,0., ,7.
*Anneal Temperature
900.,
)");
}

TEST(PlasticKeyword, HardeningAndDataTypeTexts) {
  kmaC_MaterialOption plastic = Option(K::Plastic, Table({{250.0, 0.0}, {300.0, 0.1}}));
  EXPECT_EQ(Write(plastic), "*Plastic\n250.,  0.\n300., 0.1\n");
  plastic.Set(A::Hardening, int(kmaC_Plastic::JOHNSON_COOK));
  EXPECT_EQ(FirstLine(Write(plastic)), "*Plastic, hardening=JOHNSON COOK");
  plastic.Set(A::Hardening, int(kmaC_Plastic::KINEMATIC));
  plastic.Set(A::DataType, int(kmaC_Plastic::PARAMETERS));
  EXPECT_EQ(FirstLine(Write(plastic)), "*Plastic, hardening=KINEMATIC, datatype=PARAMETERS");
}

TEST(PlasticKeyword, UserHardeningWritesThePropertiesAsOneRow) {
  kmaC_MaterialOption plastic =
      Option(K::Plastic, Table({{1.0, 9.0}, {2.0, 9.0}, {3.0, 9.0}, {4.0, 9.0}, {5.0, 9.0}, {6.0, 9.0}, {7.0, 9.0},
                                {8.0, 9.0}, {9.0, 9.0}}));
  plastic.Set(A::Hardening, int(kmaC_Plastic::USER));
  EXPECT_EQ(Write(plastic), R"(*Plastic, hardening=USER, properties=9
1.,2.,3.,4.,5.,6.,7.,8.
9.,
)");
}

TEST(PlasticKeyword, StabilizedDataGetTheStrainRangeAsColumnTwo) {
  kmaC_MaterialOption plastic = Option(K::Plastic, Table({{250.0, 0.0}, {300.0, 0.1}}));
  plastic.Set(A::Hardening, int(kmaC_Plastic::COMBINED));
  plastic.Set(A::DataType, int(kmaC_Plastic::STABILIZED));
  plastic.Set(A::StrainRange, 0.01);
  EXPECT_EQ(Write(plastic), R"(*Plastic, hardening=COMBINED, datatype=STABILIZED
250.,   0., 0.01
300.,  0.1, 0.01
)");
  // Rule T counts the columns of the option's own table, without the strain range.
  plastic.SetTable(Table({{250.0, 0.0, 5.0}}), false, 1);
  EXPECT_EQ(Write(plastic), R"(*Plastic, dependencies=1, hardening=COMBINED, datatype=STABILIZED
250.,   0., , 0.01,   5.
)");
}

TEST(PlasticKeyword, CombinedParametersWithoutTheOptionalColumn) {
  kmaC_MaterialOption plastic = Option(K::Plastic, Table({{250.0, 1000.0, 10.0, 20.0}}), true);
  plastic.Set(A::Hardening, int(kmaC_Plastic::COMBINED));
  plastic.Set(A::DataType, int(kmaC_Plastic::PARAMETERS));
  EXPECT_EQ(Write(plastic), "*Plastic, hardening=COMBINED, datatype=PARAMETERS\n250.,1000., ,  10.,  20.\n");
  plastic.Set(A::OptionalColumn, true);
  EXPECT_EQ(Write(plastic), "*Plastic, hardening=COMBINED, datatype=PARAMETERS\n250.,1000.,  10.,  20.\n");
}

TEST(PlasticKeyword, SubOptionsInTheirOrder) {
  kmaC_MaterialOption plastic = Option(K::Plastic, Table({{250.0, 0.0}}));
  plastic.SetSubOption(Sub(K::CycledPlastic, Table({{1.0}})));
  plastic.SetSubOption(std::make_shared<kmaC_MaterialOption>(K::Ornl));
  plastic.SetSubOption(Sub(K::RateDependent, Table({{1.0, 0.0}})));
  EXPECT_EQ(Write(plastic), R"(*Plastic
250.,0.
*Rate Dependent
1.,0.
*Ornl
*Cycled Plastic
1.,
)");
}

TEST(DruckerPragerKeyword, ShearCriterionBranches) {
  kmaC_MaterialOption dp = Option(K::DruckerPrager, Table({{30.0, 1.0, 5.0}}));
  EXPECT_EQ(Write(dp), "*Drucker Prager\n30.,1.,5.\n");
  dp.Set(A::Eccentricity, 0.2);
  dp.Set(A::ShearCriterion, int(kmaC_DruckerPrager::HYPERBOLIC));
  EXPECT_EQ(Write(dp), "*Drucker Prager, eccentricity=0.2, shearcriterion=HYPERBOLIC\n30.,1., ,5.\n");
  dp.Set(A::ShearCriterion, int(kmaC_DruckerPrager::EXPONENT_FORM));
  EXPECT_EQ(Write(dp), "*Drucker Prager, eccentricity=0.2, shearcriterion=EXPONENT FORM\n30.,1., ,5.\n");
  dp.Set(A::TestData, true);
  EXPECT_EQ(Write(dp), "*Drucker Prager, eccentricity=0.2, shearcriterion=EXPONENT FORM, testdata\n , , ,30.,1.,5.\n");
}

TEST(DruckerPragerKeyword, FieldVariablesWithoutTemperature) {
  kmaC_MaterialOption dp = Option(K::DruckerPrager, Table({{30.0, 1.0, 5.0, 2.0}}), false, 1);
  EXPECT_EQ(Write(dp), "*Drucker Prager, dependencies=1\n30.,1.,5., ,2.\n");
  dp.Set(A::ShearCriterion, int(kmaC_DruckerPrager::HYPERBOLIC));
  EXPECT_EQ(Write(dp), "*Drucker Prager, dependencies=1, shearcriterion=HYPERBOLIC\n30.,1., ,5., ,2.\n");
}

TEST(DruckerPragerKeyword, HardeningRateFormGroupsConsecutiveRates) {
  kmaC_MaterialOption hardening =
      Option(K::DruckerPragerHardening, Table({{10.0, 0.0, 1.0}, {12.0, 0.1, 1.0}, {15.0, 0.0, 5.0}, {11.0, 0.0, 1.0}}));
  hardening.Set(A::RateData, true);
  hardening.Set(A::Type, 1);
  kmaC_MaterialOption dp = Option(K::DruckerPrager, Table({{30.0, 1.0, 5.0}}));
  dp.SetSubOption(std::make_shared<kmaC_MaterialOption>(hardening));
  dp.SetSubOption(Sub(K::DruckerPragerCreep, Table({{1e-5, 1.0, 0.0}})));
  EXPECT_EQ(Write(dp), R"(*Drucker Prager
30.,1.,5.
*Drucker Prager Creep
 1e-05,1.,0.
*Drucker Prager Hardening, rate=1., type=TENSION
10.,0.
12., 0.1
*Drucker Prager Hardening, rate=5., type=TENSION
15.,0.
*Drucker Prager Hardening, rate=1., type=TENSION
11.,0.
)");
  hardening.Set(A::RateData, false);
  hardening.SetTable(Table({{10.0, 0.0, 7.0}}), false, 1);
  EXPECT_EQ(Write(hardening), "*Drucker Prager Hardening, dependencies=1, type=TENSION\n10.,0., ,7.\n");
}

TEST(HyperelasticKeyword, FormsAndOrder) {
  kmaC_MaterialOption hyper = Option(K::Hyperelastic, Table({{0.5, 0.1, 0.01}}));
  EXPECT_EQ(Write(hyper), "*Hyperelastic\n 0.5,  0.1, 0.01\n");  // polynomial: no word
  hyper.Set(A::Order, 2);
  EXPECT_EQ(FirstLine(Write(hyper)), "*Hyperelastic, n=2");
  hyper.Set(A::Type, int(kmaC_Hyperelastic::OGDEN));
  EXPECT_EQ(FirstLine(Write(hyper)), "*Hyperelastic, n=2, ogden");
  hyper.Set(A::Type, int(kmaC_Hyperelastic::MOONEY_RIVLIN));
  EXPECT_EQ(FirstLine(Write(hyper)), "*Hyperelastic, mooney-rivlin");
  hyper.Set(A::Type, int(kmaC_Hyperelastic::REDUCED_POLYNOMIAL));
  hyper.Set(A::Order, 1);
  EXPECT_EQ(FirstLine(Write(hyper)), "*Hyperelastic, reduced polynomial");
}

TEST(HyperelasticKeyword, UserAndVanDerWaalsParameters) {
  kmaC_MaterialOption user = Option(K::Hyperelastic);
  user.Set(A::Type, int(kmaC_Hyperelastic::USER));
  user.Set(A::Properties, 4);
  EXPECT_EQ(Write(user), "*Hyperelastic, user, type=INCOMPRESSIBLE, properties=4\n");
  user.Set(A::Compressible, true);
  user.Set(A::Properties, 0);
  EXPECT_EQ(Write(user), "*Hyperelastic, user, type=COMPRESSIBLE\n");

  kmaC_MaterialOption vdw = Option(K::Hyperelastic);
  vdw.Set(A::Type, int(kmaC_Hyperelastic::VAN_DER_WAALS));
  vdw.Set(A::Beta, 0.5);
  EXPECT_EQ(Write(vdw), "*Hyperelastic, van der waals\n");  // beta only with test data
  vdw.Set(A::TestData, true);
  EXPECT_EQ(Write(vdw), "*Hyperelastic, van der waals, test data input, beta=0.5\n");
}

TEST(HyperelasticKeyword, TestDataReplaceTheTable) {
  kmaC_MaterialOption hyper = Option(K::Hyperelastic, Table({{0.5, 0.1}}));
  hyper.Set(A::Type, int(kmaC_Hyperelastic::NEO_HOOKE));
  hyper.Set(A::TestData, true);
  hyper.Set(A::VolumetricResponse, int(kmaC_Hyperelastic::POISSON));
  hyper.Set(A::Poisson, 0.45);
  hyper.SetSubOption(Sub(K::VolumetricTestData, Table({{1.0, 0.9}})));
  hyper.SetSubOption(Sub(K::UniaxialTestData, Table({{1.0, 0.1}})));
  hyper.SetSubOption(Sub(K::BiaxialTestData, Table({{2.0, 0.1}})));
  EXPECT_EQ(Write(hyper), R"(*Hyperelastic, neo hooke, test data input, poisson=0.45
*Biaxial Test Data
2., 0.1
*Uniaxial Test Data
1., 0.1
*Volumetric Test Data
1., 0.9
)");
  hyper.Set(A::Type, int(kmaC_Hyperelastic::UNKNOWN));
  EXPECT_EQ(FirstLine(Write(hyper)), "*Hyperelastic, unknown, test data input");
}

TEST(HyperelasticKeyword, MarlowTakesTheTestOfItsTestKind) {
  kmaC_MaterialOption marlow = Option(K::Hyperelastic);
  marlow.Set(A::Type, int(kmaC_Hyperelastic::MARLOW));
  marlow.Set(A::TestData, true);
  marlow.Set(A::TestKind, int(kmaC_Hyperelastic::PLANAR));
  marlow.SetSubOption(Sub(K::UniaxialTestData, Table({{1.0, 0.1}})));
  marlow.SetSubOption(Sub(K::PlanarTestData, Table({{3.0, 0.1}})));
  marlow.SetSubOption(Sub(K::BiaxialTestData, Table({{2.0, 0.1}})));
  marlow.SetSubOption(Sub(K::VolumetricTestData, Table({{1.0, 0.9}})));
  EXPECT_EQ(Write(marlow), "*Hyperelastic, marlow\n*Planar Test Data\n3., 0.1\n");
  marlow.Set(A::TestKind, int(kmaC_Hyperelastic::UNIAXIAL));
  marlow.Set(A::VolumetricResponse, int(kmaC_Hyperelastic::VOLUMETRIC_DATA));
  EXPECT_EQ(Write(marlow),
            "*Hyperelastic, marlow\n*Uniaxial Test Data\n1., 0.1\n*Volumetric Test Data\n1., 0.9\n");
}

TEST(HyperelasticKeyword, HysteresisAsksForTheModuli) {
  kmaC_MaterialOption hyper = Option(K::Hyperelastic, Table({{0.5, 0.1}}));
  hyper.Set(A::Type, int(kmaC_Hyperelastic::NEO_HOOKE));
  EXPECT_EQ(FirstLine(Write(hyper, true)), "*Hyperelastic, neo hooke, moduli=INSTANTANEOUS");
  hyper.SetSubOption(Sub(K::Hysteresis, Table({{1.6, 0.0, 1.0, -0.5}})));
  hyper.Set(A::Moduli, 1);
  EXPECT_EQ(Write(hyper, false), R"(*Hyperelastic, neo hooke, moduli=LONG TERM
 0.5, 0.1
*Hysteresis
 1.6,   0.,   1., -0.5
)");
}

TEST(HyperfoamKeyword, ParametersAndTestData) {
  kmaC_MaterialOption foam = Option(K::Hyperfoam, Table({{0.16, 8.0, 4.0}}));
  EXPECT_EQ(Write(foam, true), "*Hyperfoam, moduli=INSTANTANEOUS\n 0.16,8.,4.\n");
  foam.Set(A::Order, 2);
  foam.Set(A::Poisson, 0.1);
  foam.Set(A::TestData, true);
  foam.SetSubOption(Sub(K::VolumetricTestData, Table({{1.0, 0.9}})));
  foam.SetSubOption(Sub(K::SimpleShearTestData, Table({{0.5, 0.2}})));
  EXPECT_EQ(Write(foam), R"(*Hyperfoam, n=2, poisson=0.1, testdata
*Simple Shear Test Data
 0.5, 0.2
*Volumetric Test Data
1., 0.9
)");
}

TEST(ViscoelasticKeyword, TimeAndFrequencyDomains) {
  kmaC_MaterialOption visco = Option(K::Viscoelastic, Table({{0.3, 0.0, 0.1}}));
  visco.Set(A::Errtol, 0.02);  // fit parameters only for the test data forms
  EXPECT_EQ(Write(visco), "*Viscoelastic, time=PRONY\n 0.3,  0., 0.1\n");
  visco.Set(A::Time, 1);
  visco.Set(A::Nmax, 10);
  EXPECT_EQ(FirstLine(Write(visco)), "*Viscoelastic, time=CREEP TEST DATA, errtol=0.02, nmax=10");
  visco.Set(A::Time, 3);
  EXPECT_EQ(FirstLine(Write(visco)), "*Viscoelastic, time=FREQUENCY DATA, errtol=0.02, nmax=10");
  visco.Set(A::Domain, int(kmaC_Viscoelastic::FREQUENCY));
  visco.Set(A::Frequency, 1);
  EXPECT_EQ(FirstLine(Write(visco)), "*Viscoelastic, frequency=TABULAR");
  visco.Set(A::Frequency, 4);
  visco.Set(A::Errtol, 0.01);
  visco.Set(A::Nmax, 13);
  EXPECT_EQ(FirstLine(Write(visco)), "*Viscoelastic, frequency=RELAXATION TEST DATA");
}

TEST(ViscoelasticKeyword, SubOptionsInTheirOrder) {
  kmaC_MaterialOption visco = Option(K::Viscoelastic);
  visco.SetSubOption(Sub(K::Trs, Table({{20.0, 17.4, 51.6}})));
  visco.SetSubOption(Sub(K::ShearTestData, Table({{0.5, 1.0}})));
  EXPECT_EQ(Write(visco), "*Viscoelastic, time=PRONY\n*Shear Test Data\n 0.5,1.\n*Trs\n20., 17.4, 51.6\n");
}

TEST(UserMaterialKeyword, MechanicalThermalAndBoth) {
  kmaC_MaterialOption user(K::UserMaterial);
  EXPECT_EQ(Write(user), "*User Material, constants=0\n");
  user.Set(A::MechanicalConstants, std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9});
  user.Set(A::ThermalConstants, std::vector<double>{45.0, 0.5});
  EXPECT_EQ(Write(user), R"(*User Material, constants=9
1.,2.,3.,4.,5.,6.,7.,8.
9.,
)");
  user.Set(A::Type, int(kmaC_UserMaterial::THERMAL));
  EXPECT_EQ(Write(user), "*User Material, constants=2, type=THERMAL\n45., 0.5\n");
  user.Set(A::Type, int(kmaC_UserMaterial::BOTH));
  user.Set(A::Unsymmetric, true);
  EXPECT_EQ(Write(user), R"(*User Material, constants=9, type=MECHANICAL, unsymm
1.,2.,3.,4.,5.,6.,7.,8.
9.,
*User Material, constants=2, type=THERMAL, unsymm
45., 0.5
)");
}

TEST(SorptionKeyword, AbsorptionExsorptionAndScanning) {
  kmaC_MaterialOption sorption = Option(K::Sorption, Table({{-100.0, 0.1}, {0.0, 1.0}}));
  sorption.Set(A::Scanning, 0.5);  // only together with exsorption data
  EXPECT_EQ(Write(sorption), "*Sorption\n-100., 0.1\n   0.,  1.\n");
  sorption.Set(A::Law, 0);
  sorption.Set(A::Exsorption, kmaC_TableData{Table({{-50.0, 0.2}}), false, 0});
  EXPECT_EQ(Write(sorption), R"(*Sorption, law=LOG
-100., 0.1
   0.,  1.
*Sorption, type=Exsorption
-50., 0.2
*Sorption, type=Scanning
0.5
)");
  sorption.Set(A::ExsorptionLaw, 0);
  sorption.Set(A::Scanning, 0.0);
  EXPECT_EQ(Write(sorption), "*Sorption, law=LOG\n-100., 0.1\n   0.,  1.\n*Sorption, type=Exsorption, law=LOG\n-50., 0.2\n");
}

TEST(AcousticMediumKeyword, VolumetricDragWithItsOwnDependencies) {
  kmaC_MaterialOption acoustic = Option(K::AcousticMedium, Table({{2.2e9, 1.0}}), false, 1);
  EXPECT_EQ(Write(acoustic), "*Acoustic Medium, dependencies=1\n 2.2e+09, ,1.\n");
  acoustic.Set(A::VolumetricDrag, kmaC_TableData{Table({{0.5, 20.0}}), true, 0});
  EXPECT_EQ(Write(acoustic), R"(*Acoustic Medium, dependencies=1
 2.2e+09, ,1.
*Acoustic Medium, Volumetric Drag
 0.5,20.
)");
}

TEST(GasketThicknessBehaviorKeyword, LoadingParameters) {
  kmaC_MaterialOption gasket = Option(K::GasketThicknessBehavior, Table({{0.0, 0.0}, {10.0, 0.1}}));
  EXPECT_EQ(Write(gasket), "*Gasket Thickness Behavior\n 0.,  0.\n10., 0.1\n");
  gasket.SetTable(Table({{0.0, 0.0, 1.0}}), false, 1);
  gasket.Set(A::TensileStiffnessFactor, 0.01);
  gasket.Set(A::Damage, true);
  gasket.Set(A::Onset, 0.2);
  EXPECT_EQ(FirstLine(Write(gasket)),
            "*Gasket Thickness Behavior, dependencies=1, tensile stiffness factor=0.01, type=DAMAGE, slope drop=0.2");
  gasket.Set(A::Onset, 0.1);
  EXPECT_EQ(FirstLine(Write(gasket)),
            "*Gasket Thickness Behavior, dependencies=1, tensile stiffness factor=0.01, type=DAMAGE");
  gasket.Set(A::OnsetForm, int(kmaC_ThicknessBehavior::YIELD_ONSET));
  EXPECT_EQ(FirstLine(Write(gasket)),
            "*Gasket Thickness Behavior, dependencies=1, tensile stiffness factor=0.01, type=DAMAGE, yield onset=0.1");
}

TEST(GasketThicknessBehaviorKeyword, UnloadingAndContactArea) {
  kmaC_MaterialOption gasket = Option(K::GasketThicknessBehavior, Table({{0.0, 0.0}}));
  gasket.SetSubOption(Sub(K::GasketContactArea, Table({{2.5}})));
  gasket.Set(A::Unloading, kmaC_TableData{kmaC_MaterialTable(0, 3, {}), false, 0});
  EXPECT_EQ(Write(gasket), "*Gasket Thickness Behavior\n0.,0.\n");  // stress based, no unloading rows
  gasket.Set(A::Variable, int(kmaC_ThicknessBehavior::FORCE));
  gasket.Set(A::Damage, true);
  gasket.Set(A::Unloading, kmaC_TableData{Table({{5.0, 0.05, 1.0}}), false, 1});
  EXPECT_EQ(Write(gasket), R"(*Gasket Thickness Behavior, type=DAMAGE, variable=FORCE
0.,0.
*Gasket Thickness Behavior, direction=UNLOADING, dependencies=1, type=DAMAGE, variable=FORCE
5., 0.05,   1.
*Gasket contact area
 2.5,
)");
}

}  // namespace
