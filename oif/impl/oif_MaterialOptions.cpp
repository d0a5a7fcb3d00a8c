#include "oif/impl/oif_MaterialOptions.h"

#include <algorithm>

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_AcousticMedium.h"
#include "oif/impl/oif_DataTable.h"
#include "oif/impl/oif_DruckerPrager.h"
#include "oif/impl/oif_Elastic.h"
#include "oif/impl/oif_GasketThicknessBehavior.h"
#include "oif/impl/oif_Hyperelastic.h"
#include "oif/impl/oif_Hyperfoam.h"
#include "oif/impl/oif_Plastic.h"
#include "oif/impl/oif_Sorption.h"
#include "oif/impl/oif_UserMaterial.h"
#include "oif/impl/oif_Viscoelastic.h"

namespace {

using K = kmaC_OptionKind;
using A = kmaC_Attr;
using D = oif_DataRule;
using R = oif_ParamRule;

constexpr oif_Param Deps() { return {R::Dependencies, "dependencies"}; }
constexpr oif_Param Num(const char* name, A attr) { return {R::Number, name, attr}; }
constexpr oif_Param NumAlways(const char* name, A attr) { return {R::NumberAlways, name, attr}; }
constexpr oif_Param Text(const char* name, A attr) { return {R::Text, name, attr}; }
constexpr oif_Param TextAlways(const char* name, A attr) { return {R::TextAlways, name, attr}; }
/// The enumeration's text, but `word` for `value`.
constexpr oif_Param TextExcept(const char* name, A attr, int value, const char* word) {
  return {R::Text, name, attr, {}, true, value, word};
}
constexpr oif_Param Flag(const char* word, A attr, bool breakBefore = true) {
  return {R::Flag, word, attr, {}, breakBefore};
}
constexpr oif_Param Literal(const char* word) { return {R::Literal, word}; }
constexpr oif_Param ByValue(A attr, std::span<const char* const> words) {
  return {R::ByValue, nullptr, attr, words};
}

constexpr const char* kOrthoAniso[] = {nullptr, "type=ORTHO", "type=ANISO"};
constexpr const char* kViscousLaw[] = {nullptr, "law=TIME", "law=USER"};
constexpr const char* kRateDependentType[] = {nullptr, "type=YIELD RATIO", "type=JOHNSON COOK"};
constexpr const char* kPiezoelectricType[] = {"type=E", nullptr};
constexpr const char* kShearVariable[] = {nullptr, "variable=FORCE"};

struct Data {
  D rule;
  A attr{};
  A attr2{};
};

constexpr oif_OptionRow Row(K kind, const char* className, const char* keyword, std::initializer_list<oif_Param> params,
                            Data data, std::initializer_list<K> subOptions = {}) {
  oif_OptionRow row;
  row.kind = kind;
  row.className = className;
  row.keyword = keyword;
  for (const oif_Param& param : params) row.params[std::size_t(row.paramCount++)] = param;
  row.data = data.rule;
  row.dataAttr = data.attr;
  row.dataAttr2 = data.attr2;
  for (K sub : subOptions) row.subOptionKinds[std::size_t(row.subOptionCount++)] = sub;
  return row;
}

constexpr oif_OptionRow kRows[] = {
    Row(K::CapPlasticity, "oif_CapPlasticity", "*Cap Plasticity", {Deps()}, {D::TableT},
        {K::CapCreepCohesion, K::CapCreepConsolidation, K::CapHardening}),
    Row(K::ClayPlasticity, "oif_ClayPlasticity", "*Clay Plasticity",
        {Deps(), Text("hardening", A::Hardening), Num("intercept", A::Intercept)}, {D::TableClay}, {K::ClayHardening}),
    Row(K::Concrete, "oif_Concrete", "*Concrete", {Deps()}, {D::TableT},
        {K::FailureRatios, K::ShearRetention, K::TensionStiffening}),
    Row(K::Conductivity, "oif_Conductivity", "*Conductivity", {Deps(), ByValue(A::Type, kOrthoAniso)}, {D::TableT}),
    Row(K::Creep, "oif_Creep", "*Creep", {Deps(), TextExcept("law", A::Law, 2, "HYPERB")}, {D::TableT},
        {K::Ornl, K::Potential}),
    Row(K::Damping, "oif_Damping", "*Damping",
        {Num("alpha", A::Alpha), Num("beta", A::Beta), Num("composite", A::Composite)}, {D::None}),
    Row(K::DeformationPlasticity, "oif_DeformationPlasticity", "*Deformation Plasticity", {}, {D::Table}),
    Row(K::Density, "oif_Density", "*Density", {Deps()}, {D::TableT}),
    Row(K::Depvar, "oif_Depvar", "*Depvar", {Num("delete", A::Delete)}, {D::IntLine, A::Variables}),
    Row(K::Dielectric, "oif_Dielectric", "*Dielectric", {Deps(), ByValue(A::Type, kOrthoAniso)}, {D::TableT}),
    Row(K::Diffusivity, "oif_Diffusivity", "*Diffusivity",
        {Deps(), Text("law", A::Law), ByValue(A::Type, kOrthoAniso)}, {D::TableT},
        {K::SoretEffect, K::PressureEffect}),
    Row(K::ElectricalConductivity, "oif_ElectricalConductivity", "*Electrical Conductivity",
        {Deps(), ByValue(A::Type, kOrthoAniso)}, {D::TableT}),
    Row(K::Eos, "oif_Eos", "*Eos", {TextAlways("type", A::Type)}, {D::TableEos}, {K::EosShear, K::DetonationPoint}),
    Row(K::Expansion, "oif_Expansion", "*Expansion",
        {Deps(), ByValue(A::Type, kOrthoAniso), Flag("user", A::User, false), Num("zero", A::Zero)}, {D::TableT}),
    Row(K::Foam, "oif_Foam", "*Crushable Foam", {Deps(), Text("hardening", A::Hardening)}, {D::TableT},
        {K::FoamHardening, K::RateDependent}),
    Row(K::Gel, "oif_Gel", "*Gel", {}, {D::Table}),
    Row(K::HeatGeneration, "oif_HeatGeneration", "*Heat Generation", {}, {D::None}),
    Row(K::Hypoelastic, "oif_Hypoelastic", "*Hypoelastic", {Flag("user", A::User)}, {D::Table}),
    Row(K::InelasticHeatFraction, "oif_InelasticHeatFraction", "*Inelastic Heat Fraction", {},
        {D::RealLine, A::Fraction}),
    Row(K::JouleHeatFraction, "oif_JouleHeatFraction", "*Joule Heat Fraction", {}, {D::RealLine, A::Fraction}),
    Row(K::LatentHeat, "oif_LatentHeat", "*Latent Heat", {}, {D::Table}),
    Row(K::MoistureSwelling, "oif_MoistureSwelling", "*Moisture Swelling", {}, {D::Table}, {K::Ratios}),
    Row(K::Permeability, "oif_Permeability", "*Permeability",
        {NumAlways("specific", A::Specific), Text("type", A::Type)}, {D::Table},
        {K::SaturationDependence, K::VelocityDependence}),
    Row(K::Piezoelectric, "oif_Piezoelectric", "*Piezoelectric", {ByValue(A::Type, kPiezoelectricType)}, {D::Table}),
    Row(K::PoreFluidExpansion, "oif_PoreFluidExpansion", "*Expansion, Pore Fluid", {Deps(), Num("zero", A::Zero)},
        {D::TableT}),
    Row(K::PorousBulkModuli, "oif_PorousBulkModuli", "*Porous Bulk Moduli", {}, {D::Table}),
    Row(K::PorousElastic, "oif_PorousElastic", "*Porous Elastic", {Deps(), Text("shear", A::Shear)}, {D::TableT}),
    Row(K::PorousMetalPlasticity, "oif_PorousMetalPlasticity", "*Porous Metal Plasticity",
        {Deps(), Num("relative density", A::RelativeDensity)}, {D::TableT},
        {K::PorousFailureCriteria, K::VoidNucleation}),
    Row(K::Solubility, "oif_Solubility", "*Solubility", {Deps()}, {D::TableT}),
    Row(K::SpecificHeat, "oif_SpecificHeat", "*Specific Heat", {Deps()}, {D::TableT}),
    Row(K::Swelling, "oif_Swelling", "*Swelling", {Deps(), Text("law", A::Law)}, {D::TableT}, {K::Ratios}),
    Row(K::UserDefinedField, "oif_UserDefinedField", "*User Defined Field", {}, {D::None}),
    Row(K::UserOutputVariables, "oif_UserOutputVariables", "*User Output Variables", {},
        {D::IntLine, A::Variables}),
    Row(K::CastIronPlasticity, "oif_CastIronPlasticity", "*Cast Iron Plasticity", {Deps()}, {D::TableT},
        {K::CastIronCompHard, K::CastIronTensHard}),
    Row(K::Viscous, "oif_Viscous", "*Viscous", {Deps(), ByValue(A::Law, kViscousLaw)}, {D::TableT}),
    // The solver reads these two parameter names with a blank before "=".
    Row(K::MohrCoulomb, "oif_MohrCoulomb", "*Mohr Coulomb",
        {Deps(), Num("deviatoric Eccentricity ", A::DeviatoricEccentricity), Num("eccentricity ", A::Eccentricity)},
        {D::TableT}, {K::MohrCoulombHardening}),
    Row(K::ConcreteDamagedPlasticity, "oif_ConcreteDamagedPlasticity", "*Concrete Damaged Plasticity", {Deps()},
        {D::TableT},
        {K::ConcreteCompressionHardening, K::ConcreteTensionStiffening, K::ConcreteCompressionDamage,
         K::ConcreteTensionDamage}),

    Row(K::Potential, "oif_Potential", "*Potential", {Deps()}, {D::TableT}),
    Row(K::Ornl, "oif_Ornl", "*Ornl", {Num("a", A::A), Num("h", A::H), Flag("reset", A::Reset)}, {D::None}),
    Row(K::ConcreteTensionDamage, "oif_ConcreteTensionDamage", "*Concrete Tension Damage",
        {Deps(), Text("type", A::Type), Num("compression recovery", A::CompressionRecovery)}, {D::TableT}),
    Row(K::ConcreteCompressionDamage, "oif_ConcreteCompressionDamage", "*Concrete Compression Damage",
        {Deps(), Num("tension recovery", A::TensionRecovery)}, {D::TableT}),
    Row(K::ConcreteTensionStiffening, "oif_ConcreteTensionStiffening", "*Concrete Tension Stiffening",
        {Deps(), Text("type", A::Type)}, {D::TableR}),
    Row(K::ConcreteCompressionHardening, "oif_ConcreteCompressionHardening", "*Concrete Compression Hardening",
        {Deps()}, {D::TableR}),
    Row(K::MohrCoulombHardening, "oif_MohrCoulombHardening", "*Mohr Coulomb Hardening", {Deps()}, {D::TableT}),
    Row(K::CastIronTensHard, "oif_CastIronTensHard", "*Cast Iron Tension Hardening", {Deps()}, {D::TableCI}),
    Row(K::CastIronCompHard, "oif_CastIronCompHard", "*Cast Iron Compression Hardening", {Deps()}, {D::TableCI}),
    Row(K::VolumetricTestData, "oif_VolumetricTestData", "*Volumetric Test Data",
        {Num("volinf", A::Volinf), Num("smooth", A::Smooth), Deps()}, {D::TableT}),
    Row(K::Trs, "oif_Trs", "*Trs", {Text("definition", A::Definition)}, {D::Table}),
    Row(K::ShearTestData, "oif_ShearTestData", "*Shear Test Data", {Num("shrinf", A::Shrinf)}, {D::Table}),
    Row(K::CombinedTestData, "oif_CombinedTestData", "*Combined Test Data",
        {Num("shrinf", A::Shrinf), Num("volinf", A::Volinf)}, {D::Table}),
    Row(K::Ratios, "oif_Ratios", "*Ratios", {Deps()}, {D::TableT}),
    Row(K::VoidNucleation, "oif_VoidNucleation", "*Void Nucleation", {Deps()}, {D::TableT}),
    Row(K::PorousFailureCriteria, "oif_PorousFailureCriteria", "*Porous Failure Criteria", {},
        {D::TwoReals, A::FailureVoidFraction, A::CriticalVoidFraction}),
    Row(K::AnnealTemperature, "oif_AnnealTemperature", "*Anneal Temperature", {Deps()}, {D::Table}),
    Row(K::CycledPlastic, "oif_CycledPlastic", "*Cycled Plastic", {}, {D::Table}),
    Row(K::CyclicHardening, "oif_CyclicHardening", "*Cyclic Hardening", {Deps(), Flag("parameters", A::Parameters)},
        {D::TableT}),
    Row(K::RateDependent, "oif_RateDependent", "*Rate Dependent", {Deps(), ByValue(A::Type, kRateDependentType)},
        {D::TableT}),
    Row(K::VelocityDependence, "oif_VelocityDependence", "*Permeability, Type=VELOCITY", {}, {D::Table}),
    Row(K::SaturationDependence, "oif_SaturationDependence", "*Permeability, Type=SATURATION", {}, {D::Table}),
    Row(K::UniaxialTestData, "oif_UniaxialTestData", "*Uniaxial Test Data", {Num("smooth", A::Smooth), Deps()},
        {D::TableU}),
    Row(K::PlanarTestData, "oif_PlanarTestData", "*Planar Test Data", {Num("smooth", A::Smooth), Deps()},
        {D::TableU}),
    Row(K::BiaxialTestData, "oif_BiaxialTestData", "*Biaxial Test Data", {Num("smooth", A::Smooth), Deps()},
        {D::TableU}),
    Row(K::SimpleShearTestData, "oif_SimpleShearTestData", "*Simple Shear Test Data", {}, {D::Table}),
    Row(K::Hysteresis, "oif_Hysteresis", "*Hysteresis", {}, {D::Table}),
    Row(K::FoamHardening, "oif_FoamHardening", "*Crushable Foam Hardening", {Deps()}, {D::TableT}),
    Row(K::DetonationPoint, "oif_DetonationPoint", "*DetonationPoint", {}, {D::Table}),
    Row(K::EosShear, "oif_EosShear", "*EosShear", {Deps(), Text("type", A::Type)}, {D::TableT}),
    Row(K::FailStress, "oif_FailStress", "*Fail Stress", {Deps()}, {D::TableT}),
    Row(K::FailStrain, "oif_FailStrain", "*Fail Strain", {Deps()}, {D::TableT}),
    Row(K::TriaxialTestData, "oif_TriaxialTestData", "*Triaxial Test Data",
        {Num("a", A::A), Num("b", A::B), Num("pt", A::Pt)}, {D::Table}),
    Row(K::DruckerPragerCreep, "oif_DruckerPragerCreep", "*Drucker Prager Creep", {Deps(), Text("law", A::Law)},
        {D::TableT}),
    Row(K::PressureEffect, "oif_PressureEffect", "*Kappa", {Deps(), Literal("type=PRESS")}, {D::TableT}),
    Row(K::SoretEffect, "oif_SoretEffect", "*Kappa", {Deps()}, {D::TableT}),
    Row(K::TensionStiffening, "oif_TensionStiffening", "*Tension Stiffening", {Deps(), Text("type", A::Type)},
        {D::TableT}),
    Row(K::ShearRetention, "oif_ShearRetention", "*Shear Retention", {Deps()}, {D::TableT}),
    Row(K::FailureRatios, "oif_FailureRatios", "*Failure Ratios", {Deps()}, {D::TableT}),
    Row(K::ClayHardening, "oif_ClayHardening", "*Clay Hardening", {Deps()}, {D::TableT}),
    Row(K::CapHardening, "oif_CapHardening", "*Cap Hardening", {Deps()}, {D::TableT}),
    Row(K::CapCreepConsolidation, "oif_CapCreepConsolidation", "*Cap Creep",
        {Deps(), Text("law", A::Law), Literal("mechanism=CONSOLIDATION")}, {D::TableT}),
    Row(K::CapCreepCohesion, "oif_CapCreepCohesion", "*Cap Creep",
        {Deps(), Text("law", A::Law), Literal("mechanism=COHESION")}, {D::TableT}),

    // oif_GasketElasticity holds either part; each part is a kind of its own.
    Row(K::GasketTransverseShearElasticity, "oif_GasketElasticity", "*Gasket elasticity",
        {Deps(), ByValue(A::Variable, kShearVariable)}, {D::Table}),
    Row(K::GasketMembraneElasticity, "oif_GasketElasticity", "*Gasket elasticity",
        {Deps(), Literal("component=MEMBRANE")}, {D::Table}),
    Row(K::GasketContactArea, "oif_GasketContactArea", "*Gasket contact area", {Deps()}, {D::Table}),
};

constexpr K kOwnClassKinds[] = {
    K::AcousticMedium, K::DruckerPrager, K::Elastic, K::Hyperelastic, K::Hyperfoam, K::Plastic, K::Sorption,
    K::UserMaterial, K::Viscoelastic, K::DruckerPragerHardening, K::GasketThicknessBehavior,
};

[[noreturn]] void Unimplemented(kmaC_OptionKind kind) {
  const int k = int(kind);
  const std::string what = k >= 0 && k < kmaC_OptionKindCount ? kmaC_Info(kind).className : std::to_string(k);
  NEX_THROW_TEXT("Unimplemented material option " + what);
}

const kmaC_AttrInfo& AttrInfoOf(const kmaC_MaterialOption& option, kmaC_Attr attr) {
  const kmaC_OptionInfo& info = option.Info();
  const int index = info.AttrIndex(attr);
  NEX_ASSERT(index >= 0);
  return info.attrInfos[std::size_t(index)];
}

void Word(oif_KeywordLine& line, const char* word, bool breakBefore) {
  if (breakBefore)
    line.Flag(word);
  else
    line.FlagNoBreak(word);
}

void WriteParam(oif_KeywordLine& line, const oif_Param& param,
                const kmaC_MaterialOption& option) {
  switch (param.rule) {
    case R::End:
      return;
    case R::Dependencies:
      oif_AddDependencies(line, option.Dependencies());
      return;
    case R::Number:
    case R::NumberAlways: {
      const kmaC_AttrInfo& info = AttrInfoOf(option, param.attr);
      const bool always = param.rule == R::NumberAlways;
      if (info.type == kmaC_AttrType::Real) {
        const double value = option.Real(param.attr);
        if (always || value != info.defaultValue) line.Param(param.text, value);
      } else {
        const int value = option.Int(param.attr);
        if (always || value != int(info.defaultValue)) line.Param(param.text, value);
      }
      return;
    }
    case R::Text:
    case R::TextAlways: {
      const kmaC_AttrInfo& info = AttrInfoOf(option, param.attr);
      const int value = option.Int(param.attr);
      if (param.rule == R::Text && value == int(info.defaultValue)) return;
      NEX_ASSERT(info.enumeration != nullptr);
      line.Param(param.text, value == param.specialValue ? param.specialText : info.enumeration->GetString(value));
      return;
    }
    case R::Flag:
      if (option.Flag(param.attr)) Word(line, param.text, param.breakBefore);
      return;
    case R::Literal:
      Word(line, param.text, param.breakBefore);
      return;
    case R::ByValue: {
      const int value = option.Int(param.attr);
      if (value < 0 || param.words.empty()) return;
      const char* word = param.words[std::min(std::size_t(value), param.words.size() - 1)];
      if (word != nullptr) Word(line, word, param.breakBefore);
      return;
    }
  }
}

void WriteData(utl_Stream& stream, const oif_OptionRow& row, const kmaC_MaterialOption& option) {
  const bool temperature = option.TemperatureDependency();
  const int dependencies = option.Dependencies();
  switch (row.data) {
    case D::None:
      return;
    case D::IntLine: {
      oif_DataLine data(stream, ",");  // the value ends with its separator
      data.Print(option.Int(row.dataAttr), 7);
      data.EndWithSeparator();
      return;
    }
    case D::RealLine: {
      oif_DataLine data(stream, ",");
      data.Print(option.Real(row.dataAttr), 12, 6);
      data.EndWithSeparator();
      return;
    }
    case D::TwoReals: {
      oif_DataLine data(stream);
      data.Print(option.Real(row.dataAttr), 12, 6).Print(option.Real(row.dataAttr2), 12, 6);
      data.End();
      return;
    }
    default:
      break;
  }
  oif_DataTable table(option.Table());
  switch (row.data) {
    case D::TableT:
      table.ApplyRuleT(temperature, dependencies);
      break;
    case D::TableR:
      table.ApplyRuleR(option.Flag(A::OptionalColumn), temperature, dependencies);
      break;
    case D::TableU:
      table.ApplyRuleU(option.Flag(A::OptionalColumn), temperature, dependencies);
      break;
    case D::TableCI:
      table.ApplyRuleCI(temperature, dependencies);
      break;
    case D::TableEos:
      if (option.Int(A::Type) == kmaC_Eos::IDEAL_GAS) table.InsertEmptyColumn(table.Columns() - 1);
      break;
    case D::TableClay:
      // Tabular hardening leaves the first value of the first line empty.
      if (option.Int(A::Hardening) == kmaC_ClayPlasticity::TABULAR && table.Rows() > 0)
        oif_DataLine(stream).Empty().Continue();
      table.ApplyRuleT(temperature, dependencies);
      break;
    default:
      break;
  }
  table.Print(stream);
}

}  // namespace

std::span<const oif_OptionRow> oif_OptionRows() { return kRows; }

const oif_OptionRow* oif_FindOptionRow(kmaC_OptionKind kind) {
  auto row = std::lower_bound(std::begin(kRows), std::end(kRows), kind,
                              [](const oif_OptionRow& r, kmaC_OptionKind k) { return int(r.kind) < int(k); });
  return row != std::end(kRows) && row->kind == kind ? &*row : nullptr;
}

std::span<const kmaC_OptionKind> oif_OwnClassOptionKinds() { return kOwnClassKinds; }

oif_MaterialOptionKeyword::oif_MaterialOptionKeyword(const kmaC_MaterialOption& option)
    : option_(option), row_(oif_FindOptionRow(option.Kind())) {
  if (row_ == nullptr) Unimplemented(option.Kind());
}

void oif_MaterialOptionKeyword::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, row_->keyword);
  for (const oif_Param& param : row_->Params()) WriteParam(line, param, option_);
  line.End();
  WriteData(stream, *row_, option_);
  for (kmaC_OptionKind kind : row_->SubOptions())
    if (const kmaC_MaterialOption* sub = option_.SubOption(kind)) oif_WriteOption(stream, *sub);
}

std::unique_ptr<zkw_Keyword> oif_MakeOptionKeyword(const kmaC_MaterialOption& option, bool viscoelastic) {
  switch (option.Kind()) {
    case K::AcousticMedium:
      return std::make_unique<oif_AcousticMedium>(option);
    case K::DruckerPrager:
      return std::make_unique<oif_DruckerPrager>(option);
    case K::Elastic:
      return std::make_unique<oif_Elastic>(option, viscoelastic);
    case K::Hyperelastic:
      return std::make_unique<oif_Hyperelastic>(option, viscoelastic);
    case K::Hyperfoam:
      return std::make_unique<oif_Hyperfoam>(option, viscoelastic);
    case K::Plastic:
      return std::make_unique<oif_Plastic>(option);
    case K::Sorption:
      return std::make_unique<oif_Sorption>(option);
    case K::UserMaterial:
      return std::make_unique<oif_UserMaterial>(option);
    case K::Viscoelastic:
      return std::make_unique<oif_Viscoelastic>(option);
    case K::DruckerPragerHardening:
      return std::make_unique<oif_DruckerPragerHardening>(option);
    case K::GasketThicknessBehavior:
      return std::make_unique<oif_GasketThicknessBehavior>(option);
    default:
      break;
  }
  if (oif_FindOptionRow(option.Kind()) == nullptr) Unimplemented(option.Kind());
  return std::make_unique<oif_MaterialOptionKeyword>(option);
}

void oif_WriteOption(utl_Stream& stream, const kmaC_MaterialOption& option, bool viscoelastic) {
  oif_MakeOptionKeyword(option, viscoelastic)->Write(stream);
}

void oif_WriteSubOptions(utl_Stream& stream, const kmaC_MaterialOption& option,
                         std::initializer_list<kmaC_OptionKind> order) {
  for (kmaC_OptionKind kind : order)
    if (const kmaC_MaterialOption* sub = option.SubOption(kind)) oif_WriteOption(stream, *sub);
}

const char* oif_ModuliText(int moduli) {
  return moduli == kmaC_Elastic::LONG_TERM ? "LONG TERM" : "INSTANTANEOUS";
}

void oif_AddDependencies(oif_KeywordLine& line, int dependencies) {
  if (dependencies > 0) line.Param("dependencies", dependencies);
}

void oif_PrintTable(utl_Stream& stream, const kmaC_MaterialTable& table) { oif_DataTable(table).Print(stream); }

void oif_PrintTableT(utl_Stream& stream, const kmaC_MaterialOption& option) {
  oif_DataTable table(option.Table());
  table.ApplyRuleT(option.TemperatureDependency(), option.Dependencies());
  table.Print(stream);
}
