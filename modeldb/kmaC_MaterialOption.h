#pragma once
// Material options: every behaviour a material can hold, every sub-option of
// a behaviour and the gasket behaviours.
//
// An option is one kmaC_MaterialOption of a given kind: its data table with
// the table's temperature dependence and number of field variables, the
// values of its attributes and its sub-options. Which attributes and
// sub-options a kind has, with their types and defaults, is described once,
// in the option table (kmaC_OptionTable()); the model file loader reads every
// kind from it and the writer prints from it.
#include <array>
#include <memory>
#include <span>
#include <variant>
#include <vector>

#include "modeldb/kmaC_MaterialEnums.h"
#include "modeldb/kmaC_MaterialTable.h"
#include "modeldb/mdb_Export.h"
#include "modeldb/mdl_Object.h"

/// Kinds of options, in the order in which a material writes its behaviours
/// (0 to 45), then the sub-options and the gasket behaviours.
enum class kmaC_OptionKind : int {
  // Behaviours of a material.
  AcousticMedium, CapPlasticity, ClayPlasticity, Concrete, Conductivity, Creep, Damping,
  DeformationPlasticity, Density, Depvar, Dielectric, Diffusivity, DruckerPrager, Elastic,
  ElectricalConductivity, Eos, Expansion, Foam, Gel, HeatGeneration, Hyperelastic, Hyperfoam, Hypoelastic,
  InelasticHeatFraction, JouleHeatFraction, LatentHeat, MoistureSwelling, Permeability, Piezoelectric, Plastic,
  PoreFluidExpansion, PorousBulkModuli, PorousElastic, PorousMetalPlasticity, Solubility, Sorption,
  SpecificHeat, Swelling, UserDefinedField, UserMaterial, UserOutputVariables, Viscoelastic,
  CastIronPlasticity, Viscous, MohrCoulomb, ConcreteDamagedPlasticity,
  // Sub-options, written by their parent.
  Potential, Ornl, ConcreteTensionDamage, ConcreteCompressionDamage, ConcreteTensionStiffening,
  ConcreteCompressionHardening, MohrCoulombHardening, CastIronTensHard, CastIronCompHard, VolumetricTestData,
  Trs, ShearTestData, CombinedTestData, Ratios, VoidNucleation, PorousFailureCriteria, AnnealTemperature,
  CycledPlastic, CyclicHardening, RateDependent, VelocityDependence, SaturationDependence, UniaxialTestData,
  PlanarTestData, BiaxialTestData, SimpleShearTestData, Hysteresis, FoamHardening, DetonationPoint, EosShear,
  FailStress, FailStrain, TriaxialTestData, DruckerPragerHardening, DruckerPragerCreep, PressureEffect,
  SoretEffect, TensionStiffening, ShearRetention, FailureRatios, ClayHardening, CapHardening,
  CapCreepConsolidation, CapCreepCohesion,
  // Gasket behaviours (the contact area is a sub-option of the thickness behaviour).
  GasketThicknessBehavior, GasketTransverseShearElasticity, GasketMembraneElasticity, GasketContactArea,
};

inline constexpr int kmaC_OptionKindCount = int(kmaC_OptionKind::GasketContactArea) + 1;
inline constexpr int kmaC_BehaviorCount = int(kmaC_OptionKind::ConcreteDamagedPlasticity) + 1;
inline constexpr int kmaC_SubOptionCount = int(kmaC_OptionKind::CapCreepCohesion) - kmaC_BehaviorCount + 1;

/// Attributes of options, each with its name in the model file.
enum class kmaC_Attr : int {
  Type, Law, Hardening, Intercept, Alpha, Beta, Composite, Variables, Delete, Eccentricity, ShearCriterion,
  TestData, Moduli, NoCompression, NoTension, User, Zero, Order, Compressible, Properties, VolumetricResponse,
  Poisson, TestKind, Fraction, Specific, DataType, StrainRange, OptionalColumn, RateData, RelativeDensity,
  Exsorption, ExsorptionLaw, Scanning, Unsymmetric, MechanicalConstants, ThermalConstants, Domain, Time,
  Frequency, Errtol, Nmax, DeviatoricEccentricity, VolumetricDrag, A, H, Reset, CompressionRecovery,
  TensionRecovery, Volinf, Smooth, Shrinf, Definition, FailureVoidFraction, CriticalVoidFraction, Parameters, B,
  Pt, TensileStiffnessFactor, Damage, Variable, OnsetForm, Onset, Unloading, Shear,
};
inline constexpr int kmaC_AttrCount = int(kmaC_Attr::Shear) + 1;

/// Name of an attribute in the model file ("shearCriterion").
MDB_API const char* kmaC_AttrName(kmaC_Attr attr);

enum class kmaC_AttrType : unsigned char {
  Real,   ///< double; the unset marker as default means "written only when given"
  Int,    ///< int; likewise with the int unset marker
  Bool,
  Enum,   ///< int value of an enumeration
  Reals,  ///< a list of doubles
  Table,  ///< a further table of the option with its own temperature dependence and field variables
};

struct kmaC_AttrInfo {
  kmaC_Attr attr{};
  kmaC_AttrType type{};
  double defaultValue = 0;                       ///< Real, Int, Bool (0/1), Enum
  const omu_PrimEnumBase* enumeration = nullptr;  ///< Enum
  bool required = false;                         ///< the model file must give it
  double minimum = -mdl_UnsetDouble;             ///< Int and Real: smallest accepted value
};

struct kmaC_OptionInfo {
  kmaC_OptionKind kind{};
  const char* className = nullptr;  ///< "kmaC_Elastic"
  const char* fileName = nullptr;   ///< name in the model file ("elastic")
  bool hasTable = false;            ///< the option has a data table
  bool fieldDependent = false;      ///< its table may carry field-variable columns (dependencies)
  std::array<kmaC_AttrInfo, 12> attrInfos{};
  int attrCount = 0;
  std::array<kmaC_OptionKind, 6> subOptionKinds{};
  int subOptionCount = 0;

  std::span<const kmaC_AttrInfo> Attrs() const noexcept { return {attrInfos.data(), std::size_t(attrCount)}; }
  std::span<const kmaC_OptionKind> SubOptions() const noexcept {
    return {subOptionKinds.data(), std::size_t(subOptionCount)};
  }
  /// Position of an attribute among Attrs(), or -1.
  int AttrIndex(kmaC_Attr attr) const noexcept;
  /// Position of a sub-option kind among SubOptions(), or -1.
  int SubOptionIndex(kmaC_OptionKind kind) const noexcept;
};

/// The option table: one row per kind, in kind order.
MDB_API std::span<const kmaC_OptionInfo> kmaC_OptionTable();
/// The row of a kind; asserts that the kind is one of the table.
MDB_API const kmaC_OptionInfo& kmaC_Info(kmaC_OptionKind kind);

/// A further table of an option (volumetric drag, exsorption, unloading).
struct kmaC_TableData {
  kmaC_MaterialTable table;
  bool temperatureDependency = false;
  int dependencies = 0;
};

using kmaC_AttrValue = std::variant<double, int, bool, std::vector<double>, std::shared_ptr<const kmaC_TableData>>;

/// One option. Made with its kind, it has an empty table and every attribute
/// at its default. Reading an attribute or sub-option that the kind does not
/// have, or with the wrong type, is a broken invariant (nex_AssertException).
class MDB_API kmaC_MaterialOption {
 public:
  explicit kmaC_MaterialOption(kmaC_OptionKind kind);

  kmaC_OptionKind Kind() const noexcept { return kind_; }
  const kmaC_OptionInfo& Info() const { return kmaC_Info(kind_); }

  const kmaC_MaterialTable& Table() const noexcept { return table_; }
  bool TemperatureDependency() const noexcept { return temperatureDependency_; }
  int Dependencies() const noexcept { return dependencies_; }
  void SetTable(kmaC_MaterialTable table, bool temperatureDependency = false, int dependencies = 0);

  double Real(kmaC_Attr attr) const;
  /// Int and Enum attributes.
  int Int(kmaC_Attr attr) const;
  bool Flag(kmaC_Attr attr) const;
  const std::vector<double>& Reals(kmaC_Attr attr) const;
  /// A further table, or nullptr when it is not given.
  const kmaC_TableData* TableAttr(kmaC_Attr attr) const;
  /// True when the attribute holds other than its default.
  bool IsGiven(kmaC_Attr attr) const;

  void Set(kmaC_Attr attr, double value);
  void Set(kmaC_Attr attr, int value);  ///< Int and Enum
  void Set(kmaC_Attr attr, bool value);
  void Set(kmaC_Attr attr, std::vector<double> values);
  void Set(kmaC_Attr attr, kmaC_TableData table);

  /// The sub-option of a kind, or nullptr when its slot is empty.
  const kmaC_MaterialOption* SubOption(kmaC_OptionKind kind) const;
  void SetSubOption(std::shared_ptr<const kmaC_MaterialOption> option);

 private:
  const kmaC_AttrValue& Value(kmaC_Attr attr, kmaC_AttrType type) const;
  kmaC_AttrValue& Slot(kmaC_Attr attr, kmaC_AttrType type);

  kmaC_OptionKind kind_;
  kmaC_MaterialTable table_;
  bool temperatureDependency_ = false;
  int dependencies_ = 0;
  std::vector<kmaC_AttrValue> values_;
  std::vector<std::shared_ptr<const kmaC_MaterialOption>> subOptions_;
};
