#include "modeldb/kmaC_MaterialOption.h"

#include <initializer_list>

#include "exceptions/nex_Exception.h"

namespace {

using K = kmaC_OptionKind;
using A = kmaC_Attr;
using T = kmaC_AttrType;

constexpr kmaC_AttrInfo Real(A attr, double defaultValue, double minimum = -mdl_UnsetDouble) {
  return {attr, T::Real, defaultValue, nullptr, false, minimum};
}
/// A real that has no default: written only when given.
constexpr kmaC_AttrInfo Given(A attr) { return {attr, T::Real, mdl_UnsetDouble}; }
constexpr kmaC_AttrInfo Required(A attr) { return {attr, T::Real, mdl_UnsetDouble, nullptr, true}; }
constexpr kmaC_AttrInfo Int(A attr, int defaultValue, int minimum) {
  return {attr, T::Int, double(defaultValue), nullptr, false, double(minimum)};
}
constexpr kmaC_AttrInfo GivenInt(A attr, int minimum) {
  return {attr, T::Int, double(mdl_UnsetInt), nullptr, false, double(minimum)};
}
constexpr kmaC_AttrInfo Bool(A attr) { return {attr, T::Bool, 0.0}; }
constexpr kmaC_AttrInfo Enum(A attr, const omu_PrimEnumBase& enumeration, int defaultValue = 0) {
  return {attr, T::Enum, double(defaultValue), &enumeration};
}
constexpr kmaC_AttrInfo Reals(A attr) { return {attr, T::Reals, 0.0}; }
constexpr kmaC_AttrInfo Table(A attr) { return {attr, T::Table, 0.0}; }

enum Shape : unsigned { NoTable = 0, HasTable = 1, Fields = 3 };

constexpr kmaC_OptionInfo Row(K kind, const char* className, const char* fileName, Shape shape,
                              std::initializer_list<kmaC_AttrInfo> attrs = {},
                              std::initializer_list<K> subOptions = {}) {
  kmaC_OptionInfo info;
  info.kind = kind;
  info.className = className;
  info.fileName = fileName;
  info.hasTable = (shape & HasTable) != 0;
  info.fieldDependent = shape == Fields;
  for (const kmaC_AttrInfo& attr : attrs) info.attrInfos[std::size_t(info.attrCount++)] = attr;
  for (K sub : subOptions) info.subOptionKinds[std::size_t(info.subOptionCount++)] = sub;
  return info;
}

constexpr auto& kAniso = kmaC_Conductivity::Type;
constexpr auto& kModuli = kmaC_Elastic::Moduli;

// One row per kind, in kind order (checked below). Sub-options are listed in
// the order in which their parent writes them.
constexpr kmaC_OptionInfo kInfos[] = {
    Row(K::AcousticMedium, "kmaC_AcousticMedium", "acousticMedium", Fields, {Table(A::VolumetricDrag)}),
    Row(K::CapPlasticity, "kmaC_CapPlasticity", "capPlasticity", Fields, {},
        {K::CapCreepCohesion, K::CapCreepConsolidation, K::CapHardening}),
    Row(K::ClayPlasticity, "kmaC_ClayPlasticity", "clayPlasticity", Fields,
        {Enum(A::Hardening, kmaC_ClayPlasticity::Hardening), Given(A::Intercept)}, {K::ClayHardening}),
    Row(K::Concrete, "kmaC_Concrete", "concrete", Fields, {},
        {K::FailureRatios, K::ShearRetention, K::TensionStiffening}),
    Row(K::Conductivity, "kmaC_Conductivity", "conductivity", Fields, {Enum(A::Type, kAniso)}),
    Row(K::Creep, "kmaC_Creep", "creep", Fields, {Enum(A::Law, kmaC_Creep::Law)}, {K::Ornl, K::Potential}),
    Row(K::Damping, "kmaC_Damping", "damping", NoTable,
        {Real(A::Alpha, 0.0), Real(A::Beta, 0.0), Real(A::Composite, 0.0)}),
    Row(K::DeformationPlasticity, "kmaC_DeformationPlasticity", "deformationPlasticity", HasTable),
    Row(K::Density, "kmaC_Density", "density", Fields),
    Row(K::Depvar, "kmaC_Depvar", "depvar", NoTable, {Int(A::Variables, 0, 0), Int(A::Delete, 0, 0)}),
    Row(K::Dielectric, "kmaC_Dielectric", "dielectric", Fields, {Enum(A::Type, kAniso)}),
    Row(K::Diffusivity, "kmaC_Diffusivity", "diffusivity", Fields,
        {Enum(A::Law, kmaC_Diffusivity::Law), Enum(A::Type, kAniso)}, {K::SoretEffect, K::PressureEffect}),
    Row(K::DruckerPrager, "kmaC_DruckerPrager", "druckerPrager", Fields,
        {Real(A::Eccentricity, 0.1), Enum(A::ShearCriterion, kmaC_DruckerPrager::ShearCriterion), Bool(A::TestData)},
        {K::DruckerPragerCreep, K::DruckerPragerHardening, K::RateDependent, K::TriaxialTestData}),
    Row(K::Elastic, "kmaC_Elastic", "elastic", Fields,
        {Enum(A::Type, kmaC_Elastic::Type), Enum(A::Moduli, kModuli), Bool(A::NoCompression), Bool(A::NoTension)},
        {K::FailStrain, K::FailStress}),
    Row(K::ElectricalConductivity, "kmaC_ElectricalConductivity", "electricalConductivity", Fields,
        {Enum(A::Type, kAniso)}),
    Row(K::Eos, "kmaC_Eos", "eos", HasTable, {Enum(A::Type, kmaC_Eos::Type)}, {K::EosShear, K::DetonationPoint}),
    Row(K::Expansion, "kmaC_Expansion", "expansion", Fields,
        {Enum(A::Type, kAniso), Bool(A::User), Real(A::Zero, 0.0)}),
    Row(K::Foam, "kmaC_Foam", "crushableFoam", Fields, {Enum(A::Hardening, kmaC_Foam::Hardening)},
        {K::FoamHardening, K::RateDependent}),
    Row(K::Gel, "kmaC_Gel", "gel", HasTable),
    Row(K::HeatGeneration, "kmaC_HeatGeneration", "heatGeneration", NoTable),
    Row(K::Hyperelastic, "kmaC_Hyperelastic", "hyperelastic", HasTable,
        {Enum(A::Type, kmaC_Hyperelastic::Type, kmaC_Hyperelastic::POLYNOMIAL), Int(A::Order, 1, 1),
         Bool(A::TestData), Bool(A::Compressible), Given(A::Beta), Int(A::Properties, 0, 0), Enum(A::Moduli, kModuli),
         Enum(A::VolumetricResponse, kmaC_Hyperelastic::VolumetricResponse), Given(A::Poisson),
         Enum(A::TestKind, kmaC_Hyperelastic::TestKind)},
        {K::BiaxialTestData, K::PlanarTestData, K::UniaxialTestData, K::VolumetricTestData, K::Hysteresis}),
    Row(K::Hyperfoam, "kmaC_Hyperfoam", "hyperfoam", HasTable,
        {Int(A::Order, 1, 1), Given(A::Poisson), Bool(A::TestData), Enum(A::Moduli, kModuli)},
        {K::BiaxialTestData, K::PlanarTestData, K::SimpleShearTestData, K::UniaxialTestData, K::VolumetricTestData}),
    Row(K::Hypoelastic, "kmaC_Hypoelastic", "hypoelastic", HasTable, {Bool(A::User)}),
    Row(K::InelasticHeatFraction, "kmaC_InelasticHeatFraction", "inelasticHeatFraction", NoTable,
        {Real(A::Fraction, 0.9)}),
    Row(K::JouleHeatFraction, "kmaC_JouleHeatFraction", "jouleHeatFraction", NoTable, {Real(A::Fraction, 1.0)}),
    Row(K::LatentHeat, "kmaC_LatentHeat", "latentHeat", HasTable),
    Row(K::MoistureSwelling, "kmaC_MoistureSwelling", "moistureSwelling", HasTable, {}, {K::Ratios}),
    Row(K::Permeability, "kmaC_Permeability", "permeability", HasTable,
        {Required(A::Specific), Enum(A::Type, kmaC_Permeability::Type)},
        {K::SaturationDependence, K::VelocityDependence}),
    Row(K::Piezoelectric, "kmaC_Piezoelectric", "piezoelectric", HasTable,
        {Enum(A::Type, kmaC_Piezoelectric::Type, 1)}),
    Row(K::Plastic, "kmaC_Plastic", "plastic", Fields,
        {Enum(A::Hardening, kmaC_Plastic::Hardening), Enum(A::DataType, kmaC_Plastic::DataType),
         Bool(A::OptionalColumn), Given(A::StrainRange), Bool(A::RateData)},
        {K::RateDependent, K::Potential, K::CyclicHardening, K::Ornl, K::CycledPlastic, K::AnnealTemperature}),
    Row(K::PoreFluidExpansion, "kmaC_PoreFluidExpansion", "poreFluidExpansion", Fields, {Real(A::Zero, 0.0)}),
    Row(K::PorousBulkModuli, "kmaC_PorousBulkModuli", "porousBulkModuli", HasTable),
    Row(K::PorousElastic, "kmaC_PorousElastic", "porousElastic", Fields,
        {Enum(A::Shear, kmaC_PorousElastic::Shear, 1)}),
    Row(K::PorousMetalPlasticity, "kmaC_PorousMetalPlasticity", "porousMetalPlasticity", Fields,
        {Given(A::RelativeDensity)}, {K::PorousFailureCriteria, K::VoidNucleation}),
    Row(K::Solubility, "kmaC_Solubility", "solubility", Fields),
    Row(K::Sorption, "kmaC_Sorption", "sorption", HasTable,
        {Enum(A::Law, kmaC_Sorption::LawAbsorption, 1), Table(A::Exsorption),
         Enum(A::ExsorptionLaw, kmaC_Sorption::LawExsorption, 1), Real(A::Scanning, 0.0)}),
    Row(K::SpecificHeat, "kmaC_SpecificHeat", "specificHeat", Fields),
    Row(K::Swelling, "kmaC_Swelling", "swelling", Fields, {Enum(A::Law, kmaC_Swelling::Law)}, {K::Ratios}),
    Row(K::UserDefinedField, "kmaC_UserDefinedField", "userDefinedField", NoTable),
    Row(K::UserMaterial, "kmaC_UserMaterial", "userMaterial", NoTable,
        {Enum(A::Type, kmaC_UserMaterial::Type), Bool(A::Unsymmetric), Reals(A::MechanicalConstants),
         Reals(A::ThermalConstants)}),
    Row(K::UserOutputVariables, "kmaC_UserOutputVariables", "userOutputVariables", NoTable,
        {Int(A::Variables, 0, 0)}),
    Row(K::Viscoelastic, "kmaC_Viscoelastic", "viscoelastic", HasTable,
        {Enum(A::Domain, kmaC_Viscoelastic::Domain), Enum(A::Time, kmaC_Viscoelastic::Time),
         Enum(A::Frequency, kmaC_Viscoelastic::Frequency), Real(A::Errtol, 0.01), Int(A::Nmax, 13, 1)},
        {K::CombinedTestData, K::ShearTestData, K::Trs, K::VolumetricTestData}),
    Row(K::CastIronPlasticity, "kmaC_CastIronPlasticity", "castIronPlasticity", Fields, {},
        {K::CastIronCompHard, K::CastIronTensHard}),
    Row(K::Viscous, "kmaC_Viscous", "viscous", Fields, {Enum(A::Law, kmaC_Viscous::Law)}),
    Row(K::MohrCoulomb, "kmaC_MohrCoulomb", "mohrCoulomb", Fields,
        {Given(A::DeviatoricEccentricity), Real(A::Eccentricity, 0.1)}, {K::MohrCoulombHardening}),
    Row(K::ConcreteDamagedPlasticity, "kmaC_ConcreteDamagedPlasticity", "concreteDamagedPlasticity", Fields, {},
        {K::ConcreteCompressionHardening, K::ConcreteTensionStiffening, K::ConcreteCompressionDamage,
         K::ConcreteTensionDamage}),

    Row(K::Potential, "kmaC_Potential", "potential", Fields),
    Row(K::Ornl, "kmaC_Ornl", "ornl", NoTable, {Real(A::A, 0.3), Given(A::H), Bool(A::Reset)}),
    Row(K::ConcreteTensionDamage, "kmaC_ConcreteTensionDamage", "concreteTensionDamage", Fields,
        {Enum(A::Type, kmaC_ConcreteTensionDamage::Type), Real(A::CompressionRecovery, 1.0)}),
    Row(K::ConcreteCompressionDamage, "kmaC_ConcreteCompressionDamage", "concreteCompressionDamage", Fields,
        {Real(A::TensionRecovery, 0.0)}),
    Row(K::ConcreteTensionStiffening, "kmaC_ConcreteTensionStiffening", "concreteTensionStiffening", Fields,
        {Enum(A::Type, kmaC_ConcreteTensionStiffening::Type), Bool(A::OptionalColumn)}),
    Row(K::ConcreteCompressionHardening, "kmaC_ConcreteCompressionHardening", "concreteCompressionHardening",
        Fields, {Bool(A::OptionalColumn)}),
    Row(K::MohrCoulombHardening, "kmaC_MohrCoulombHardening", "mohrCoulombHardening", Fields),
    Row(K::CastIronTensHard, "kmaC_CastIronTensHard", "castIronTensionHardening", Fields),
    Row(K::CastIronCompHard, "kmaC_CastIronCompHard", "castIronCompressionHardening", Fields),
    Row(K::VolumetricTestData, "kmaC_VolumetricTestData", "volumetricTestData", Fields,
        {Given(A::Volinf), GivenInt(A::Smooth, 0)}),
    Row(K::Trs, "kmaC_Trs", "trs", HasTable, {Enum(A::Definition, kmaC_Trs::Definition)}),
    Row(K::ShearTestData, "kmaC_ShearTestData", "shearTestData", HasTable, {Given(A::Shrinf)}),
    Row(K::CombinedTestData, "kmaC_CombinedTestData", "combinedTestData", HasTable,
        {Given(A::Shrinf), Given(A::Volinf)}),
    Row(K::Ratios, "kmaC_Ratios", "ratios", Fields),
    Row(K::VoidNucleation, "kmaC_VoidNucleation", "voidNucleation", Fields),
    Row(K::PorousFailureCriteria, "kmaC_PorousFailureCriteria", "porousFailureCriteria", NoTable,
        {Real(A::FailureVoidFraction, 1.0), Real(A::CriticalVoidFraction, 1.0)}),
    Row(K::AnnealTemperature, "kmaC_AnnealTemperature", "annealTemperature", Fields),
    Row(K::CycledPlastic, "kmaC_CycledPlastic", "cycledPlastic", HasTable),
    Row(K::CyclicHardening, "kmaC_CyclicHardening", "cyclicHardening", Fields, {Bool(A::Parameters)}),
    Row(K::RateDependent, "kmaC_RateDependent", "rateDependent", Fields, {Enum(A::Type, kmaC_RateDependent::Type)}),
    Row(K::VelocityDependence, "kmaC_VelocityDependence", "velocityDependence", HasTable),
    Row(K::SaturationDependence, "kmaC_SaturationDependence", "saturationDependence", HasTable),
    Row(K::UniaxialTestData, "kmaC_UniaxialTestData", "uniaxialTestData", Fields,
        {GivenInt(A::Smooth, 0), Bool(A::OptionalColumn)}),
    Row(K::PlanarTestData, "kmaC_PlanarTestData", "planarTestData", Fields,
        {GivenInt(A::Smooth, 0), Bool(A::OptionalColumn)}),
    Row(K::BiaxialTestData, "kmaC_BiaxialTestData", "biaxialTestData", Fields,
        {GivenInt(A::Smooth, 0), Bool(A::OptionalColumn)}),
    Row(K::SimpleShearTestData, "kmaC_SimpleShearTestData", "simpleShearTestData", HasTable),
    Row(K::Hysteresis, "kmaC_Hysteresis", "hysteresis", HasTable),
    Row(K::FoamHardening, "kmaC_FoamHardening", "crushableFoamHardening", Fields),
    Row(K::DetonationPoint, "kmaC_DetonationPoint", "detonationPoint", HasTable),
    Row(K::EosShear, "kmaC_EosShear", "eosShear", Fields, {Enum(A::Type, kmaC_EosShear::Type)}),
    Row(K::FailStress, "kmaC_FailStress", "failStress", Fields),
    Row(K::FailStrain, "kmaC_FailStrain", "failStrain", Fields),
    Row(K::TriaxialTestData, "kmaC_TriaxialTestData", "triaxialTestData", HasTable,
        {Given(A::A), Given(A::B), Given(A::Pt)}),
    Row(K::DruckerPragerHardening, "kmaC_DruckerPragerHardening", "druckerPragerHardening", Fields,
        {Enum(A::Type, kmaC_DruckerPragerHardening::Type), Bool(A::RateData)}),
    Row(K::DruckerPragerCreep, "kmaC_DruckerPragerCreep", "druckerPragerCreep", Fields,
        {Enum(A::Law, kmaC_DruckerPragerCreep::Law)}),
    Row(K::PressureEffect, "kmaC_PressureEffect", "pressureEffect", Fields),
    Row(K::SoretEffect, "kmaC_SoretEffect", "soretEffect", Fields),
    Row(K::TensionStiffening, "kmaC_TensionStiffening", "tensionStiffening", Fields,
        {Enum(A::Type, kmaC_TensionStiffening::Type, 1)}),
    Row(K::ShearRetention, "kmaC_ShearRetention", "shearRetention", Fields),
    Row(K::FailureRatios, "kmaC_FailureRatios", "failureRatios", Fields),
    Row(K::ClayHardening, "kmaC_ClayHardening", "clayHardening", Fields),
    Row(K::CapHardening, "kmaC_CapHardening", "capHardening", Fields),
    Row(K::CapCreepConsolidation, "kmaC_CapCreepConsolidation", "capCreepConsolidation", Fields,
        {Enum(A::Law, kmaC_CapCreep::Law)}),
    Row(K::CapCreepCohesion, "kmaC_CapCreepCohesion", "capCreepCohesion", Fields,
        {Enum(A::Law, kmaC_CapCreep::Law)}),

    Row(K::GasketThicknessBehavior, "kmaC_ThicknessBehavior", "gasketThicknessBehavior", Fields,
        {Real(A::TensileStiffnessFactor, 0.001), Bool(A::Damage),
         Enum(A::Variable, kmaC_ThicknessBehavior::VariableUnits), Enum(A::OnsetForm, kmaC_ThicknessBehavior::Onset),
         Real(A::Onset, 0.1), Table(A::Unloading)},
        {K::GasketContactArea}),
    Row(K::GasketTransverseShearElasticity, "kmaC_GasketTransverseShearElasticity",
        "gasketTransverseShearElasticity", Fields, {Enum(A::Variable, kmaC_ThicknessBehavior::VariableUnits)}),
    Row(K::GasketMembraneElasticity, "kmaC_GasketMembraneElasticity", "gasketMembraneElasticity", Fields),
    Row(K::GasketContactArea, "kmaC_GasketContactArea", "gasketContactArea", Fields),
};

constexpr bool InKindOrder() {
  if (std::size(kInfos) != std::size_t(kmaC_OptionKindCount)) return false;
  for (int i = 0; i < kmaC_OptionKindCount; ++i)
    if (int(kInfos[i].kind) != i) return false;
  return true;
}
static_assert(InKindOrder(), "the option table needs one row per kind, in kind order");
static_assert(kmaC_BehaviorCount == 46 && kmaC_SubOptionCount == 44);

constexpr const char* kAttrNames[] = {
    "type", "law", "hardening", "intercept", "alpha", "beta", "composite", "variables", "delete", "eccentricity",
    "shearCriterion", "testData", "moduli", "noCompression", "noTension", "user", "zero", "order", "compressible",
    "properties", "volumetricResponse", "poisson", "testKind", "fraction", "specific", "dataType", "strainRange",
    "optionalColumn", "rateData", "relativeDensity", "exsorption", "exsorptionLaw", "scanning", "unsymmetric",
    "mechanicalConstants", "thermalConstants", "domain", "time", "frequency", "errtol", "nmax",
    "deviatoricEccentricity", "volumetricDrag", "a", "h", "reset", "compressionRecovery", "tensionRecovery", "volinf",
    "smooth", "shrinf", "definition", "failureVoidFraction", "criticalVoidFraction", "parameters", "b", "pt",
    "tensileStiffnessFactor", "damage", "variable", "onsetForm", "onset", "unloading", "shear",
};
static_assert(std::size(kAttrNames) == std::size_t(kmaC_AttrCount));

kmaC_AttrValue DefaultValue(const kmaC_AttrInfo& info) {
  switch (info.type) {
    case T::Real:
      return info.defaultValue;
    case T::Int:
    case T::Enum:
      return int(info.defaultValue);
    case T::Bool:
      return info.defaultValue != 0.0;
    case T::Reals:
      return std::vector<double>();
    case T::Table:
      break;
  }
  return std::shared_ptr<const kmaC_TableData>();
}

}  // namespace

const char* kmaC_AttrName(kmaC_Attr attr) {
  NEX_ASSERT(int(attr) >= 0 && int(attr) < kmaC_AttrCount);
  return kAttrNames[int(attr)];
}

int kmaC_OptionInfo::AttrIndex(kmaC_Attr attr) const noexcept {
  for (int i = 0; i < attrCount; ++i)
    if (attrInfos[std::size_t(i)].attr == attr) return i;
  return -1;
}

int kmaC_OptionInfo::SubOptionIndex(kmaC_OptionKind kind) const noexcept {
  for (int i = 0; i < subOptionCount; ++i)
    if (subOptionKinds[std::size_t(i)] == kind) return i;
  return -1;
}

std::span<const kmaC_OptionInfo> kmaC_OptionTable() { return kInfos; }

const kmaC_OptionInfo& kmaC_Info(kmaC_OptionKind kind) {
  NEX_ASSERT(int(kind) >= 0 && int(kind) < kmaC_OptionKindCount);
  return kInfos[int(kind)];
}

kmaC_MaterialOption::kmaC_MaterialOption(kmaC_OptionKind kind) : kind_(kind) {
  const kmaC_OptionInfo& info = kmaC_Info(kind);
  values_.reserve(std::size_t(info.attrCount));
  for (const kmaC_AttrInfo& attr : info.Attrs()) values_.push_back(DefaultValue(attr));
  subOptions_.resize(std::size_t(info.subOptionCount));
}

void kmaC_MaterialOption::SetTable(kmaC_MaterialTable table, bool temperatureDependency, int dependencies) {
  NEX_ASSERT(dependencies >= 0);
  table_ = std::move(table);
  temperatureDependency_ = temperatureDependency;
  dependencies_ = dependencies;
}

const kmaC_AttrValue& kmaC_MaterialOption::Value(kmaC_Attr attr, kmaC_AttrType type) const {
  const kmaC_OptionInfo& info = Info();
  const int index = info.AttrIndex(attr);
  NEX_ASSERT(index >= 0);
  const kmaC_AttrType held = info.attrInfos[std::size_t(index)].type;
  NEX_ASSERT(held == type || (type == kmaC_AttrType::Int && held == kmaC_AttrType::Enum));
  return values_[std::size_t(index)];
}

kmaC_AttrValue& kmaC_MaterialOption::Slot(kmaC_Attr attr, kmaC_AttrType type) {
  return const_cast<kmaC_AttrValue&>(Value(attr, type));
}

double kmaC_MaterialOption::Real(kmaC_Attr attr) const { return std::get<double>(Value(attr, T::Real)); }
int kmaC_MaterialOption::Int(kmaC_Attr attr) const { return std::get<int>(Value(attr, T::Int)); }
bool kmaC_MaterialOption::Flag(kmaC_Attr attr) const { return std::get<bool>(Value(attr, T::Bool)); }
const std::vector<double>& kmaC_MaterialOption::Reals(kmaC_Attr attr) const {
  return std::get<std::vector<double>>(Value(attr, T::Reals));
}
const kmaC_TableData* kmaC_MaterialOption::TableAttr(kmaC_Attr attr) const {
  return std::get<std::shared_ptr<const kmaC_TableData>>(Value(attr, T::Table)).get();
}

bool kmaC_MaterialOption::IsGiven(kmaC_Attr attr) const {
  const kmaC_OptionInfo& info = Info();
  const int index = info.AttrIndex(attr);
  NEX_ASSERT(index >= 0);
  const kmaC_AttrInfo& attrInfo = info.attrInfos[std::size_t(index)];
  const kmaC_AttrValue& value = values_[std::size_t(index)];
  switch (attrInfo.type) {
    case T::Real:
      return std::get<double>(value) != attrInfo.defaultValue;
    case T::Int:
    case T::Enum:
      return std::get<int>(value) != int(attrInfo.defaultValue);
    case T::Bool:
      return std::get<bool>(value);
    case T::Reals:
      return !std::get<std::vector<double>>(value).empty();
    case T::Table:
      break;
  }
  return std::get<std::shared_ptr<const kmaC_TableData>>(value) != nullptr;
}

void kmaC_MaterialOption::Set(kmaC_Attr attr, double value) { Slot(attr, T::Real) = value; }
void kmaC_MaterialOption::Set(kmaC_Attr attr, int value) { Slot(attr, T::Int) = value; }
void kmaC_MaterialOption::Set(kmaC_Attr attr, bool value) { Slot(attr, T::Bool) = value; }
void kmaC_MaterialOption::Set(kmaC_Attr attr, std::vector<double> values) {
  Slot(attr, T::Reals) = std::move(values);
}
void kmaC_MaterialOption::Set(kmaC_Attr attr, kmaC_TableData table) {
  NEX_ASSERT(table.dependencies >= 0);
  Slot(attr, T::Table) = std::make_shared<const kmaC_TableData>(std::move(table));
}

const kmaC_MaterialOption* kmaC_MaterialOption::SubOption(kmaC_OptionKind kind) const {
  const int index = Info().SubOptionIndex(kind);
  NEX_ASSERT(index >= 0);
  return subOptions_[std::size_t(index)].get();
}

void kmaC_MaterialOption::SetSubOption(std::shared_ptr<const kmaC_MaterialOption> option) {
  NEX_ASSERT(option != nullptr);
  const int index = Info().SubOptionIndex(option->Kind());
  NEX_ASSERT(index >= 0);
  subOptions_[std::size_t(index)] = std::move(option);
}
