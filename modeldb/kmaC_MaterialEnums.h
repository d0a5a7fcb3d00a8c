#pragma once
// The enumerations of material options, each with the solver's text of every
// value (one table per enumeration). Option attributes hold the value as an
// int; the C++ enumerators name the values the writer tests for.
#include "modeldb/omu_PrimEnum.h"

namespace kmaC_EnumTexts {
inline constexpr const char* kStrainRateRegularization[] = {"LOGARITHMIC", "LINEAR"};
inline constexpr const char* kElasticType[] = {"ISOTROPIC", "ORTHOTROPIC",      "ANISOTROPIC",
                                               "ENGINEERING CONSTANTS", "LAMINA", "TRACTION",
                                               "COUPLED TRACTION",      "SHEAR"};
inline constexpr const char* kModuli[] = {"INSTANTANEOUS", "LONG TERM"};
inline constexpr const char* kAnisotropy[] = {"ISO", "ORTHO", "ANISO"};
inline constexpr const char* kClayHardening[] = {"EXPONENTIAL", "TABULAR"};
inline constexpr const char* kCreepLaw[] = {"STRAIN", "TIME", "HYPERBOLIC-SINE", "USER", "ANAND",
                                            "DARVEAUX", "DOUBLE POWER", "POWER LAW", "TIME POWER LAW"};
inline constexpr const char* kDiffusivityLaw[] = {"GENERAL", "FICK"};
inline constexpr const char* kDruckerPragerShearCriterion[] = {"LINEAR", "HYPERBOLIC", "EXPONENT FORM"};
inline constexpr const char* kEosType[] = {"USUP", "IDEAL GAS", "JWL", "TABULAR", "TILLOTSON"};
inline constexpr const char* kFoamHardening[] = {"VOLUMETRIC", "ISOTROPIC"};
inline constexpr const char* kHyperelasticType[] = {"arruda-boyce", "marlow", "mooney-rivlin", "neo hooke",
                                                    "ogden", "polynomial", "reduced polynomial", "user",
                                                    "van der waals", "yeoh", "unknown"};
inline constexpr const char* kVolumetricResponse[] = {"DEFAULT", "VOLUMETRIC DATA", "POISSON"};
inline constexpr const char* kTestKind[] = {"UNIAXIAL", "BIAXIAL", "PLANAR"};
inline constexpr const char* kPermeabilityType[] = {"ISOTROPIC", "ORTHOTROPIC", "ANISOTROPIC"};
inline constexpr const char* kPiezoelectricType[] = {"E", "S"};
inline constexpr const char* kPlasticHardening[] = {"ISOTROPIC", "KINEMATIC", "COMBINED", "JOHNSON COOK", "USER"};
inline constexpr const char* kPlasticDataType[] = {"HALF CYCLE", "STABILIZED", "PARAMETERS"};
inline constexpr const char* kPorousElasticShear[] = {"G", "POISSON"};
inline constexpr const char* kSorptionLaw[] = {"LOG", "TABULAR"};
inline constexpr const char* kSwellingLaw[] = {"INPUT", "USER"};
inline constexpr const char* kUserMaterialType[] = {"MECHANICAL", "THERMAL", "BOTH"};
inline constexpr const char* kViscoelasticDomain[] = {"TIME", "FREQUENCY"};
inline constexpr const char* kViscoelasticTime[] = {"PRONY", "CREEP TEST DATA", "RELAXATION TEST DATA",
                                                    "FREQUENCY DATA"};
inline constexpr const char* kViscoelasticFrequency[] = {"FORMULA", "TABULAR", "PRONY", "CREEP TEST DATA",
                                                         "RELAXATION TEST DATA"};
inline constexpr const char* kViscousLaw[] = {"STRAIN", "TIME", "USER"};
inline constexpr const char* kConcreteDamageType[] = {"STRAIN", "DISPLACEMENT"};
inline constexpr const char* kConcreteStiffeningType[] = {"STRAIN", "DISPLACEMENT", "GFI"};
inline constexpr const char* kTrsDefinition[] = {"WLF", "ARRHENIUS", "USER"};
inline constexpr const char* kRateDependentType[] = {"POWER LAW", "YIELD RATIO", "JOHNSON COOK"};
inline constexpr const char* kEosShearType[] = {"ELASTIC", "VISCOUS"};
inline constexpr const char* kDruckerPragerHardeningType[] = {"COMPRESSION", "TENSION", "SHEAR"};
inline constexpr const char* kDruckerPragerCreepLaw[] = {"STRAIN", "TIME", "USER"};
inline constexpr const char* kTensionStiffeningType[] = {"DISPLACEMENT", "STRAIN"};
inline constexpr const char* kCapCreepLaw[] = {"STRAIN", "TIME", "SINGHM", "USER"};
inline constexpr const char* kGasketVariable[] = {"STRESS", "FORCE"};
inline constexpr const char* kGasketOnset[] = {"SLOPE DROP", "YIELD ONSET"};
}  // namespace kmaC_EnumTexts

struct kmaC_Regularization {
  enum StrainRateRegularizationEnm { LOGARITHMIC, LINEAR };
  static constexpr omu_PrimEnumBase StrainRateRegularization{"kmaC_Regularization::StrainRateRegularizationEnm",
                                                             kmaC_EnumTexts::kStrainRateRegularization};
  double rtol = 0.03;
  int strainRateRegularization = LOGARITHMIC;
};

struct kmaC_Elastic {
  enum TypeEnm { ISOTROPIC, ORTHOTROPIC, ANISOTROPIC, ENGINEERING_CONSTANTS, LAMINA, TRACTION, COUPLED_TRACTION, SHEAR };
  enum ModuliEnm { INSTANTANEOUS, LONG_TERM };
  static constexpr omu_PrimEnumBase Type{"kmaC_Elastic::TypeEnm", kmaC_EnumTexts::kElasticType};
  static constexpr omu_PrimEnumBase Moduli{"kmaC_Elastic::ModuliEnm", kmaC_EnumTexts::kModuli};
};

/// ISO / ORTHO / ANISO of conductivity, dielectric, electrical conductivity,
/// diffusivity and expansion.
struct kmaC_Conductivity {
  static constexpr omu_PrimEnumBase Type{"kmaC_Conductivity::TypeEnm", kmaC_EnumTexts::kAnisotropy};
};
struct kmaC_ClayPlasticity {
  enum HardeningEnm { EXPONENTIAL, TABULAR };
  static constexpr omu_PrimEnumBase Hardening{"kmaC_ClayPlasticity::HardeningEnm", kmaC_EnumTexts::kClayHardening};
};
struct kmaC_Creep {
  static constexpr omu_PrimEnumBase Law{"kmaC_Creep::LawEnm", kmaC_EnumTexts::kCreepLaw};
};
struct kmaC_Diffusivity {
  static constexpr omu_PrimEnumBase Law{"kmaC_Diffusivity::LawEnm", kmaC_EnumTexts::kDiffusivityLaw};
};
struct kmaC_DruckerPrager {
  enum ShearCriterionEnm { LINEAR, HYPERBOLIC, EXPONENT_FORM };
  static constexpr omu_PrimEnumBase ShearCriterion{"kmaC_DruckerPrager::ShearCriterionEnm",
                                                   kmaC_EnumTexts::kDruckerPragerShearCriterion};
};
struct kmaC_Eos {
  enum TypeEnm { USUP, IDEAL_GAS, JWL, TABULAR, TILLOTSON };
  static constexpr omu_PrimEnumBase Type{"kmaC_Eos::TypeEnm", kmaC_EnumTexts::kEosType};
};
struct kmaC_Foam {
  static constexpr omu_PrimEnumBase Hardening{"kmaC_Foam::HardeningEnm", kmaC_EnumTexts::kFoamHardening};
};
struct kmaC_Hyperelastic {
  enum TypeEnm {
    ARRUDA_BOYCE, MARLOW, MOONEY_RIVLIN, NEO_HOOKE, OGDEN, POLYNOMIAL, REDUCED_POLYNOMIAL, USER, VAN_DER_WAALS,
    YEOH, UNKNOWN
  };
  enum VolumetricResponseEnm { DEFAULT, VOLUMETRIC_DATA, POISSON };
  enum TestKindEnm { UNIAXIAL, BIAXIAL, PLANAR };
  static constexpr omu_PrimEnumBase Type{"kmaC_Hyperelastic::TypeEnm", kmaC_EnumTexts::kHyperelasticType};
  static constexpr omu_PrimEnumBase VolumetricResponse{"kmaC_Hyperelastic::VolumetricResponseEnm",
                                                       kmaC_EnumTexts::kVolumetricResponse};
  static constexpr omu_PrimEnumBase TestKind{"kmaC_Hyperelastic::TestKindEnm", kmaC_EnumTexts::kTestKind};
};
struct kmaC_Permeability {
  static constexpr omu_PrimEnumBase Type{"kmaC_Permeability::TypeEnm", kmaC_EnumTexts::kPermeabilityType};
};
struct kmaC_Piezoelectric {
  static constexpr omu_PrimEnumBase Type{"kmaC_Piezoelectric::TypeEnm", kmaC_EnumTexts::kPiezoelectricType};
};
struct kmaC_Plastic {
  enum HardeningEnm { ISOTROPIC, KINEMATIC, COMBINED, JOHNSON_COOK, USER };
  enum DataTypeEnm { HALF_CYCLE, STABILIZED, PARAMETERS };
  static constexpr omu_PrimEnumBase Hardening{"kmaC_Plastic::HardeningEnm", kmaC_EnumTexts::kPlasticHardening};
  static constexpr omu_PrimEnumBase DataType{"kmaC_Plastic::DataTypeEnm", kmaC_EnumTexts::kPlasticDataType};
};
struct kmaC_PorousElastic {
  static constexpr omu_PrimEnumBase Shear{"kmaC_PorousElastic::ShearEnm", kmaC_EnumTexts::kPorousElasticShear};
};
struct kmaC_Sorption {
  static constexpr omu_PrimEnumBase LawAbsorption{"kmaC_Sorption::LawAbsorptionEnm", kmaC_EnumTexts::kSorptionLaw};
  static constexpr omu_PrimEnumBase LawExsorption{"kmaC_Sorption::LawExsorptionEnm", kmaC_EnumTexts::kSorptionLaw};
};
struct kmaC_Swelling {
  static constexpr omu_PrimEnumBase Law{"kmaC_Swelling::LawEnm", kmaC_EnumTexts::kSwellingLaw};
};
struct kmaC_UserMaterial {
  enum TypeEnm { MECHANICAL, THERMAL, BOTH };
  static constexpr omu_PrimEnumBase Type{"kmaC_UserMaterial::TypeEnm", kmaC_EnumTexts::kUserMaterialType};
};
struct kmaC_Viscoelastic {
  enum DomainEnm { TIME, FREQUENCY };
  static constexpr omu_PrimEnumBase Domain{"kmaC_Viscoelastic::DomainEnm", kmaC_EnumTexts::kViscoelasticDomain};
  static constexpr omu_PrimEnumBase Time{"kmaC_Viscoelastic::TimeEnm", kmaC_EnumTexts::kViscoelasticTime};
  static constexpr omu_PrimEnumBase Frequency{"kmaC_Viscoelastic::FrequencyEnm",
                                              kmaC_EnumTexts::kViscoelasticFrequency};
};
struct kmaC_Viscous {
  static constexpr omu_PrimEnumBase Law{"kmaC_Viscous::LawEnm", kmaC_EnumTexts::kViscousLaw};
};
struct kmaC_ConcreteTensionDamage {
  static constexpr omu_PrimEnumBase Type{"kmaC_ConcreteTensionDamage::TypeEnm", kmaC_EnumTexts::kConcreteDamageType};
};
struct kmaC_ConcreteTensionStiffening {
  static constexpr omu_PrimEnumBase Type{"kmaC_ConcreteTensionStiffening::TypeEnm",
                                         kmaC_EnumTexts::kConcreteStiffeningType};
};
struct kmaC_Trs {
  static constexpr omu_PrimEnumBase Definition{"kmaC_Trs::DefinitionEnm", kmaC_EnumTexts::kTrsDefinition};
};
struct kmaC_RateDependent {
  static constexpr omu_PrimEnumBase Type{"kmaC_RateDependent::TypeEnm", kmaC_EnumTexts::kRateDependentType};
};
struct kmaC_EosShear {
  static constexpr omu_PrimEnumBase Type{"kmaC_EosShear::TypeEnm", kmaC_EnumTexts::kEosShearType};
};
struct kmaC_DruckerPragerHardening {
  static constexpr omu_PrimEnumBase Type{"kmaC_DruckerPragerHardening::TypeEnm",
                                         kmaC_EnumTexts::kDruckerPragerHardeningType};
};
struct kmaC_DruckerPragerCreep {
  static constexpr omu_PrimEnumBase Law{"kmaC_DruckerPragerCreep::LawEnm", kmaC_EnumTexts::kDruckerPragerCreepLaw};
};
struct kmaC_TensionStiffening {
  static constexpr omu_PrimEnumBase Type{"kmaC_TensionStiffening::TypeEnm", kmaC_EnumTexts::kTensionStiffeningType};
};
/// Creep law of both cap creep mechanisms (cohesion and consolidation).
struct kmaC_CapCreep {
  static constexpr omu_PrimEnumBase Law{"kmaC_CapCreep::LawEnm", kmaC_EnumTexts::kCapCreepLaw};
};
struct kmaC_ThicknessBehavior {
  enum VariableUnitsEnm { STRESS, FORCE };
  enum OnsetEnm { SLOPE_DROP, YIELD_ONSET };
  static constexpr omu_PrimEnumBase VariableUnits{"kmaC_ThicknessBehavior::VariableUnitsEnm",
                                                  kmaC_EnumTexts::kGasketVariable};
  static constexpr omu_PrimEnumBase Onset{"kmaC_ThicknessBehavior::OnsetEnm", kmaC_EnumTexts::kGasketOnset};
};

/// Every enumeration above, for documentation and tests.
inline constexpr const omu_PrimEnumBase* kmaC_AllEnumerations[] = {
    &kmaC_Regularization::StrainRateRegularization,
    &kmaC_Elastic::Type,
    &kmaC_Elastic::Moduli,
    &kmaC_Conductivity::Type,
    &kmaC_ClayPlasticity::Hardening,
    &kmaC_Creep::Law,
    &kmaC_Diffusivity::Law,
    &kmaC_DruckerPrager::ShearCriterion,
    &kmaC_Eos::Type,
    &kmaC_Foam::Hardening,
    &kmaC_Hyperelastic::Type,
    &kmaC_Hyperelastic::VolumetricResponse,
    &kmaC_Hyperelastic::TestKind,
    &kmaC_Permeability::Type,
    &kmaC_Piezoelectric::Type,
    &kmaC_Plastic::Hardening,
    &kmaC_Plastic::DataType,
    &kmaC_PorousElastic::Shear,
    &kmaC_Sorption::LawAbsorption,
    &kmaC_Sorption::LawExsorption,
    &kmaC_Swelling::Law,
    &kmaC_UserMaterial::Type,
    &kmaC_Viscoelastic::Domain,
    &kmaC_Viscoelastic::Time,
    &kmaC_Viscoelastic::Frequency,
    &kmaC_Viscous::Law,
    &kmaC_ConcreteTensionDamage::Type,
    &kmaC_ConcreteTensionStiffening::Type,
    &kmaC_Trs::Definition,
    &kmaC_RateDependent::Type,
    &kmaC_EosShear::Type,
    &kmaC_DruckerPragerHardening::Type,
    &kmaC_DruckerPragerCreep::Law,
    &kmaC_TensionStiffening::Type,
    &kmaC_CapCreep::Law,
    &kmaC_ThicknessBehavior::VariableUnits,
    &kmaC_ThicknessBehavior::Onset,
};
