// The option table of the regular material options: its integrity against the
// model database's option table, one round of every keyword line, and exact
// texts of the parameter and data rules.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "exceptions/nex_Exception.h"
#include "material_support.h"

namespace {

using K = kmaC_OptionKind;
using A = kmaC_Attr;
using mtest::FirstLine;
using mtest::Option;
using mtest::Table;
using mtest::Write;

bool HasDependencies(const oif_OptionRow& row) {
  for (const oif_Param& param : row.Params())
    if (param.rule == oif_ParamRule::Dependencies) return true;
  return false;
}

bool PrintsTable(oif_DataRule rule) {
  return rule != oif_DataRule::None && rule != oif_DataRule::IntLine && rule != oif_DataRule::RealLine &&
         rule != oif_DataRule::TwoReals;
}

TEST(MaterialOptionTable, OneRowPerKindInKindOrder) {
  const auto rows = oif_OptionRows();
  ASSERT_FALSE(rows.empty());
  for (std::size_t i = 1; i < rows.size(); ++i)
    EXPECT_LT(int(rows[i - 1].kind), int(rows[i].kind)) << rows[i].className;
  for (const oif_OptionRow& row : rows) EXPECT_EQ(oif_FindOptionRow(row.kind), &row);
}

TEST(MaterialOptionTable, EveryKindHasExactlyOneWriter) {
  const std::set<K> own(oif_OwnClassOptionKinds().begin(), oif_OwnClassOptionKinds().end());
  EXPECT_EQ(own.size(), oif_OwnClassOptionKinds().size());
  for (int k = 0; k < kmaC_OptionKindCount; ++k) {
    const K kind = K(k);
    EXPECT_NE(oif_FindOptionRow(kind) != nullptr, own.count(kind) != 0) << kmaC_Info(kind).className;
  }
  EXPECT_EQ(oif_OptionRows().size() + own.size(), std::size_t(kmaC_OptionKindCount));
}

TEST(MaterialOptionTable, KindsOutsideTheTableAreUnimplemented) {
  for (K kind : oif_OwnClassOptionKinds()) {
    try {
      oif_MaterialOptionKeyword keyword{kmaC_MaterialOption(kind)};
      ADD_FAILURE() << kmaC_Info(kind).className << " has a row";
    } catch (const nex_TextException& error) {
      EXPECT_EQ(error.Message(), std::string("Unimplemented material option ") + kmaC_Info(kind).className);
    }
  }
}

TEST(MaterialOptionTable, RowsAgreeWithTheModelDatabase) {
  for (const oif_OptionRow& row : oif_OptionRows()) {
    const kmaC_OptionInfo& info = kmaC_Info(row.kind);
    SCOPED_TRACE(row.className);
    EXPECT_EQ(HasDependencies(row), info.fieldDependent);
    EXPECT_EQ(PrintsTable(row.data), info.hasTable);
    EXPECT_TRUE(std::equal(row.SubOptions().begin(), row.SubOptions().end(), info.SubOptions().begin(),
                           info.SubOptions().end()));
    for (const oif_Param& param : row.Params()) {
      if (param.rule == oif_ParamRule::Dependencies || param.rule == oif_ParamRule::Literal) continue;
      const int index = info.AttrIndex(param.attr);
      ASSERT_GE(index, 0) << kmaC_AttrName(param.attr);
      const kmaC_AttrType type = info.Attrs()[std::size_t(index)].type;
      switch (param.rule) {
        case oif_ParamRule::Number:
        case oif_ParamRule::NumberAlways:
          EXPECT_TRUE(type == kmaC_AttrType::Real || type == kmaC_AttrType::Int) << kmaC_AttrName(param.attr);
          break;
        case oif_ParamRule::Flag:
          EXPECT_EQ(type, kmaC_AttrType::Bool) << kmaC_AttrName(param.attr);
          break;
        default:
          EXPECT_EQ(type, kmaC_AttrType::Enum) << kmaC_AttrName(param.attr);
      }
    }
    const bool lineData = row.data == oif_DataRule::IntLine || row.data == oif_DataRule::RealLine ||
                          row.data == oif_DataRule::TwoReals;
    if (lineData) {
      EXPECT_GE(info.AttrIndex(row.dataAttr), 0);
    }
    if (row.data == oif_DataRule::TwoReals) {
      EXPECT_GE(info.AttrIndex(row.dataAttr2), 0);
    }
  }
}

TEST(MaterialOptionTable, ClassNamesFollowTheModelDatabase) {
  for (const oif_OptionRow& row : oif_OptionRows()) {
    const std::string expected = std::string("oif_") + (kmaC_Info(row.kind).className + 5);
    if (row.kind == K::GasketTransverseShearElasticity || row.kind == K::GasketMembraneElasticity)
      EXPECT_EQ(std::string(row.className), "oif_GasketElasticity");
    else
      EXPECT_EQ(std::string(row.className), expected);
  }
}

// One round of every regular keyword: with defaults the line holds the
// keyword and the parameters that are always written, never a dependencies
// parameter; with two field variables exactly the options whose keyword has
// one write "dependencies=2".
TEST(MaterialOptionLines, EveryRowWithAndWithoutDependencies) {
  for (const oif_OptionRow& row : oif_OptionRows()) {
    SCOPED_TRACE(row.className);
    const kmaC_OptionInfo& info = kmaC_Info(row.kind);
    kmaC_MaterialOption plain(row.kind);
    if (row.kind == K::Permeability) plain.Set(A::Specific, 9.81);
    if (info.hasTable) plain.SetTable(Table({{1.5, 2.5, 3.5, 4.5}}));
    const std::string first = FirstLine(Write(plain));
    EXPECT_EQ(first.rfind(row.keyword, 0), 0u) << first;
    EXPECT_EQ(first.find("dependencies"), std::string::npos) << first;
    if (!info.fieldDependent) continue;
    kmaC_MaterialOption dependent = plain;
    dependent.SetTable(Table({{1.5, 2.5, 3.5, 4.5}}), false, 2);
    const std::string text = Write(dependent);
    EXPECT_NE(FirstLine(text).find(", dependencies=2"), std::string::npos) << text;
  }
}

TEST(MaterialOptionLines, ExactKeywordLines) {
  EXPECT_EQ(Write(Option(K::Density, Table({{7850.0, 1.0}}), false, 1)), R"(*Density, dependencies=1
7850., ,1.
)");
  kmaC_MaterialOption creep = Option(K::Creep, Table({{1e-20, 3.0, 0.0}}), true);
  creep.Set(A::Law, 2);
  EXPECT_EQ(Write(creep), "*Creep, law=HYPERB\n 1e-20,3.,0.\n");
  creep.Set(A::Law, 1);
  EXPECT_EQ(FirstLine(Write(creep)), "*Creep, law=TIME");

  kmaC_MaterialOption mohr = Option(K::MohrCoulomb, Table({{30.0, 10.0}}));
  mohr.Set(A::DeviatoricEccentricity, 0.25);
  mohr.Set(A::Eccentricity, 0.2);
  EXPECT_EQ(FirstLine(Write(mohr)), "*Mohr Coulomb, deviatoric Eccentricity =0.25, eccentricity =0.2");
  mohr.Set(A::Eccentricity, 0.1);
  EXPECT_EQ(FirstLine(Write(mohr)), "*Mohr Coulomb, deviatoric Eccentricity =0.25");

  kmaC_MaterialOption expansion = Option(K::Expansion, Table({{1.2e-5, 1.3e-5, 1.4e-5}}));
  expansion.Set(A::Type, 1);
  expansion.Set(A::User, true);
  expansion.Set(A::Zero, 20.0);
  EXPECT_EQ(FirstLine(Write(expansion)), "*Expansion, type=ORTHO, user, zero=20.");
  expansion.Set(A::Type, 2);
  EXPECT_EQ(FirstLine(Write(expansion)), "*Expansion, type=ANISO, user, zero=20.");

  kmaC_MaterialOption viscous = Option(K::Viscous, Table({{1.0}}));
  viscous.Set(A::Law, 2);
  EXPECT_EQ(FirstLine(Write(viscous)), "*Viscous, law=USER");

  kmaC_MaterialOption capCreep = Option(K::CapCreepCohesion, Table({{1.0, 2.0}}), false, 1);
  capCreep.Set(A::Law, 2);
  EXPECT_EQ(FirstLine(Write(capCreep)), "*Cap Creep, dependencies=1, law=SINGHM, mechanism=COHESION");
  EXPECT_EQ(FirstLine(Write(Option(K::CapCreepConsolidation))), "*Cap Creep, mechanism=CONSOLIDATION");
  EXPECT_EQ(FirstLine(Write(Option(K::PressureEffect))), "*Kappa, type=PRESS");
  EXPECT_EQ(FirstLine(Write(Option(K::SoretEffect))), "*Kappa");
}

TEST(MaterialOptionLines, DefaultsAndWhenGiven) {
  kmaC_MaterialOption ornl(K::Ornl);
  EXPECT_EQ(Write(ornl), "*Ornl\n");
  ornl.Set(A::A, 0.5);
  ornl.Set(A::H, 0.0);  // given, although zero
  ornl.Set(A::Reset, true);
  EXPECT_EQ(Write(ornl), "*Ornl, a=0.5, h=0., reset\n");

  kmaC_MaterialOption tension = Option(K::TensionStiffening, Table({{1.0, 0.0}}));
  EXPECT_EQ(FirstLine(Write(tension)), "*Tension Stiffening");  // type 1 is the default
  tension.Set(A::Type, 0);
  EXPECT_EQ(FirstLine(Write(tension)), "*Tension Stiffening, type=DISPLACEMENT");

  kmaC_MaterialOption damage = Option(K::ConcreteTensionDamage, Table({{0.0, 0.0}}));
  damage.Set(A::CompressionRecovery, 0.5);
  damage.Set(A::Type, 1);
  EXPECT_EQ(FirstLine(Write(damage)), "*Concrete Tension Damage, type=DISPLACEMENT, compression recovery=0.5");

  kmaC_MaterialOption volumetric = Option(K::VolumetricTestData, Table({{1.0, 0.9}}), false, 1);
  volumetric.Set(A::Smooth, 3);
  EXPECT_EQ(FirstLine(Write(volumetric)), "*Volumetric Test Data, smooth=3, dependencies=1");

  kmaC_MaterialOption triaxial = Option(K::TriaxialTestData, Table({{1.0, 2.0}}));
  triaxial.Set(A::B, 2.5);
  EXPECT_EQ(FirstLine(Write(triaxial)), "*Triaxial Test Data, b=2.5");

  kmaC_MaterialOption permeability = Option(K::Permeability, Table({{1e-6, 0.2}}));
  permeability.Set(A::Specific, 10.0);
  EXPECT_EQ(FirstLine(Write(permeability)), "*Permeability, specific=10.");
  permeability.Set(A::Type, 2);
  EXPECT_EQ(FirstLine(Write(permeability)), "*Permeability, specific=10., type=ANISOTROPIC");

  kmaC_MaterialOption piezo = Option(K::Piezoelectric, Table({{1.0}}));
  EXPECT_EQ(FirstLine(Write(piezo)), "*Piezoelectric");
  piezo.Set(A::Type, 0);
  EXPECT_EQ(FirstLine(Write(piezo)), "*Piezoelectric, type=E");

  kmaC_MaterialOption eos = Option(K::Eos, Table({{1500.0, 1.9, 2.0}}));
  EXPECT_EQ(FirstLine(Write(eos)), "*Eos, type=USUP");

  kmaC_MaterialOption rate = Option(K::RateDependent, Table({{1.0, 0.0}}));
  EXPECT_EQ(FirstLine(Write(rate)), "*Rate Dependent");
  rate.Set(A::Type, 2);
  EXPECT_EQ(FirstLine(Write(rate)), "*Rate Dependent, type=JOHNSON COOK");
}

TEST(MaterialOptionData, OptionsWithoutTable) {
  EXPECT_EQ(Write(Option(K::Damping)), "*Damping\n");
  kmaC_MaterialOption damping(K::Damping);
  damping.Set(A::Beta, 0.002);
  damping.Set(A::Composite, 0.1);
  EXPECT_EQ(Write(damping), "*Damping, beta=0.002, composite=0.1\n");

  kmaC_MaterialOption depvar(K::Depvar);
  depvar.Set(A::Variables, 12);
  depvar.Set(A::Delete, 3);
  EXPECT_EQ(Write(depvar), "*Depvar, delete=3\n     12,\n");
  kmaC_MaterialOption outputs(K::UserOutputVariables);
  outputs.Set(A::Variables, 4);
  EXPECT_EQ(Write(outputs), "*User Output Variables\n      4,\n");

  EXPECT_EQ(Write(Option(K::InelasticHeatFraction)), "*Inelastic Heat Fraction\n         0.9,\n");
  EXPECT_EQ(Write(Option(K::JouleHeatFraction)), "*Joule Heat Fraction\n          1.,\n");
  kmaC_MaterialOption failure(K::PorousFailureCriteria);
  failure.Set(A::FailureVoidFraction, 0.25);
  failure.Set(A::CriticalVoidFraction, 0.15);
  EXPECT_EQ(Write(failure), "*Porous Failure Criteria\n        0.25,         0.15\n");
  EXPECT_EQ(Write(Option(K::HeatGeneration)), "*Heat Generation\n");
  EXPECT_EQ(Write(Option(K::UserDefinedField)), "*User Defined Field\n");
}

TEST(MaterialOptionData, TableRulesOfTheRows) {
  // Eos: the ideal gas form gets an empty column before its last value.
  kmaC_MaterialOption eos = Option(K::Eos, Table({{287.0, 1e5}}));
  eos.Set(A::Type, 1);
  EXPECT_EQ(Write(eos), "*Eos, type=IDEAL GAS\n287., ,100000.\n");
  // Clay plasticity with tabular hardening: ", " once, before the first line.
  kmaC_MaterialOption clay = Option(K::ClayPlasticity, Table({{0.0, 1.0, 0.1}, {0.0, 1.2, 0.1}}));
  clay.Set(A::Hardening, 1);
  EXPECT_EQ(Write(clay), R"(*Clay Plasticity, hardening=TABULAR
, 0.,  1., 0.1
0., 1.2, 0.1
)");
  // Rule R and rule CI through their rows.
  kmaC_MaterialOption hardening = Option(K::ConcreteCompressionHardening, Table({{30.0, 0.0, 5.0}}), false, 1);
  EXPECT_EQ(Write(hardening), "*Concrete Compression Hardening, dependencies=1\n30.,0., , ,5.\n");
  hardening.Set(A::OptionalColumn, true);
  EXPECT_EQ(Write(hardening), "*Concrete Compression Hardening, dependencies=1\n30.,0., ,5.\n");
  // With two columns index 2 is past the end: nothing is inserted.
  EXPECT_EQ(Write(Option(K::CastIronTensHard, Table({{200.0, 0.0}}), true)),
            "*Cast Iron Tension Hardening\n200.,0.\n");
  EXPECT_EQ(Write(Option(K::CastIronCompHard, Table({{200.0, 0.0, 20.0}}), true)),
            "*Cast Iron Compression Hardening\n200., 0., ,20.\n");
  // The anneal temperature has field variables but no rule T.
  EXPECT_EQ(Write(Option(K::AnnealTemperature, Table({{800.0, 1.0}}), false, 1)),
            "*Anneal Temperature, dependencies=1\n800.,1.\n");
}

TEST(MaterialOptionSubOptions, WrittenAfterTheDataInTheirOrder) {
  kmaC_MaterialOption concrete = Option(K::Concrete, Table({{30.0, 0.0}}));
  // Filled in another order than the one they are written in.
  concrete.SetSubOption(std::make_shared<kmaC_MaterialOption>(Option(K::TensionStiffening, Table({{1.0, 0.0}}))));
  concrete.SetSubOption(std::make_shared<kmaC_MaterialOption>(Option(K::FailureRatios, Table({{1.16, 0.09}}))));
  EXPECT_EQ(Write(concrete), R"(*Concrete
30.,0.
*Failure Ratios
 1.16, 0.09
*Tension Stiffening
1.,0.
)");
}

TEST(MaterialOptionSubOptions, GasketElasticityParts) {
  kmaC_MaterialOption shear = Option(K::GasketTransverseShearElasticity, Table({{50.0}}), false, 0);
  EXPECT_EQ(Write(shear), "*Gasket elasticity\n50.,\n");
  shear.Set(A::Variable, 1);
  EXPECT_EQ(FirstLine(Write(shear)), "*Gasket elasticity, variable=FORCE");
  EXPECT_EQ(Write(Option(K::GasketMembraneElasticity, Table({{100.0, 0.3, 1.0}}), false, 1)),
            "*Gasket elasticity, dependencies=1, component=MEMBRANE\n100., 0.3,  1.\n");
}

}  // namespace
