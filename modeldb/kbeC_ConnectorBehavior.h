#pragma once
// Connector behaviours: what a connector section says about the response of
// its wires. A behaviour holds behaviour-wide settings (regularization,
// extrapolation, integration), the six values of the constitutive reference,
// the behaviour options in stored order and the derived components that
// friction, plasticity and damage options cite by name.
//
// The option kinds are a closed set described once in the option table
// (kbeC_OptionTable()); the model file loader and the writer dispatch
// through it.
#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "modeldb/kmaC_MaterialOption.h"
#include "modeldb/mdb_Export.h"
#include "modeldb/mdl_Object.h"

/// Kinds of behaviour options, ending in the count sentinel.
enum class kbeC_OptionKind : int {
  Elasticity, Damping, Stop, Lock, Failure, Friction, Plasticity, Damage,
  Count,
};
inline constexpr int kbeC_OptionKindCount = int(kbeC_OptionKind::Count);

struct kbeC_OptionInfo {
  kbeC_OptionKind kind{};
  const char* className = nullptr;     ///< "kbeC_ConnectorElasticity"
  const char* keywordClass = nullptr;  ///< "oif_ConnectorElasticity"
  const char* fileName = nullptr;      ///< kind name in the model file ("elasticity")
  const char* keyword = nullptr;       ///< "*Connector Elasticity"
  bool hasTable = false;                ///< the option has a table (with temperature and field columns)
  bool ownRegularization = false;      ///< the option may carry its own regularization settings
};

/// The option table: one row per kind, in kind order.
MDB_API std::span<const kbeC_OptionInfo> kbeC_OptionTable();
/// The row of a kind; asserts that the kind is one of the table.
MDB_API const kbeC_OptionInfo& kbeC_Info(kbeC_OptionKind kind);

/// Regularization of one option: by default the behaviour's settings hold.
struct MDB_API kbeC_Regularization {
  enum Extrapolation : int { BehaviorExtrapolation = 0, Constant = 1, Linear = 2 };
  bool useBehavior = true;  ///< the option follows the behaviour's regularization
  bool regularize = true;   ///< own settings: regularization on or off
  double rtol = 0.03;       ///< own settings: the relative tolerance
  int extrapolation = BehaviorExtrapolation;
};
inline constexpr double kbeC_DefaultRtol = 0.03;

/// One term of a connector potential: a component number or a derived
/// component's name, a scale factor (unset: not given), the positive
/// function applied to it and its sign.
struct MDB_API kbeC_PotentialTerm {
  enum Function : int { Abs = 0, Macauley = 1, None = 2 };
  int component = 0;    ///< 1 to 6, 0 when `derived` names the term
  std::string derived;  ///< a derived component of the behaviour
  double scale = mdl_UnsetDouble;
  int function = Abs;
  double sign = 1.0;  ///< 1.0 or -1.0
};

/// The potential of a coupled friction, plasticity or damage option.
struct MDB_API kbeC_Potential {
  enum Operator : int { Sum = 0, Max = 1 };
  int operatorKind = Sum;
  double exponent = mdl_UnsetDouble;
  std::vector<kbeC_PotentialTerm> terms;
};

/// Kinds of independent components of coupled options: none, constitutive
/// motion or position.
enum kbeC_Independent : int { kbeC_NoIndependent = 0, kbeC_ConstitutiveMotion = 1, kbeC_Position = 2 };

/// Base of the options: the listed components (1 to 6), the option's table
/// with its temperature dependence and field variables, and its own
/// regularization.
class MDB_API kbeC_ConnectorBehaviorOption {
 public:
  virtual ~kbeC_ConnectorBehaviorOption();
  kbeC_OptionKind Kind() const noexcept { return kind_; }
  const kbeC_OptionInfo& Info() const { return kbeC_Info(kind_); }

  std::vector<int> components;
  kmaC_TableData data;
  kbeC_Regularization regularization;

 protected:
  explicit kbeC_ConnectorBehaviorOption(kbeC_OptionKind kind) : kind_(kind) {}

 private:
  kbeC_OptionKind kind_;
};

/// Elasticity (and, through kbeC_ConnectorDamping, damping): rigid, linear
/// or nonlinear, uncoupled (per listed component) or coupled.
///
/// Table layouts: linear uncoupled: one column per listed component, in list
/// order, then the optional column when `optionalColumn`, the temperature
/// and the field variables; linear coupled: the terms of the upper triangle
/// (row i = 1..6, column j = 1..i) whose components are both listed, in that
/// order; nonlinear: one curve that every listed component gets.
class MDB_API kbeC_ConnectorElasticity : public kbeC_ConnectorBehaviorOption {
 public:
  ~kbeC_ConnectorElasticity() override;
  enum Form : int { Rigid = 0, Linear = 1, Nonlinear = 2 };
  kbeC_ConnectorElasticity() : kbeC_ConnectorBehaviorOption(kbeC_OptionKind::Elasticity) {}

  int form = Linear;
  bool coupled = false;
  /// Linear uncoupled: the table carries the optional column before the temperature.
  bool optionalColumn = false;
  /// Nonlinear coupled: what the independent components are.
  int independentKind = kbeC_ConstitutiveMotion;
  std::vector<int> independentComponents;

 protected:
  explicit kbeC_ConnectorElasticity(kbeC_OptionKind kind) : kbeC_ConnectorBehaviorOption(kind) {}
};

/// Damping: as elasticity, without the rigid form.
class MDB_API kbeC_ConnectorDamping : public kbeC_ConnectorElasticity {
 public:
  ~kbeC_ConnectorDamping() override;
  kbeC_ConnectorDamping() : kbeC_ConnectorElasticity(kbeC_OptionKind::Damping) {}
};

/// A stop: the lower and the upper limit of each listed component.
class MDB_API kbeC_ConnectorStop : public kbeC_ConnectorBehaviorOption {
 public:
  ~kbeC_ConnectorStop() override;
  kbeC_ConnectorStop() : kbeC_ConnectorBehaviorOption(kbeC_OptionKind::Stop) {}
  double lower = mdl_UnsetDouble;
  double upper = mdl_UnsetDouble;
};

/// A lock or a failure: the components it acts on ("ALL" or a component
/// number; empty when not given) and four limits (lower and upper motion,
/// lower and upper force), each unset when not given.
class MDB_API kbeC_ConnectorLimitOption : public kbeC_ConnectorBehaviorOption {
 public:
  ~kbeC_ConnectorLimitOption() override;
  std::string affects;
  std::array<double, 4> values{mdl_UnsetDouble, mdl_UnsetDouble, mdl_UnsetDouble, mdl_UnsetDouble};

 protected:
  using kbeC_ConnectorBehaviorOption::kbeC_ConnectorBehaviorOption;
};

class MDB_API kbeC_ConnectorLock : public kbeC_ConnectorLimitOption {
 public:
  ~kbeC_ConnectorLock() override;
  kbeC_ConnectorLock() : kbeC_ConnectorLimitOption(kbeC_OptionKind::Lock) {}
};

class MDB_API kbeC_ConnectorFailure : public kbeC_ConnectorLimitOption {
 public:
  ~kbeC_ConnectorFailure() override;
  kbeC_ConnectorFailure() : kbeC_ConnectorLimitOption(kbeC_OptionKind::Failure) {}
};

/// Friction: predefined (the table holds the connection's geometric values)
/// or user-defined (a contact force and, when coupled, a potential), with
/// the friction law of "*Friction".
class MDB_API kbeC_ConnectorFriction : public kbeC_ConnectorBehaviorOption {
 public:
  ~kbeC_ConnectorFriction() override;
  enum Law : int { Coefficient = 0, ExponentialDecay = 1 };
  enum Slip : int { SlipTolerance = 0, ElasticSlip = 1 };
  kbeC_ConnectorFriction() : kbeC_ConnectorBehaviorOption(kbeC_OptionKind::Friction) {}

  bool predefined = false;
  int component = 0;         ///< uncoupled user-defined friction: its component; 0 when coupled
  std::string contactForce;  ///< a component number or a derived component's name; empty when not given
  int independentKind = kbeC_NoIndependent;
  std::vector<int> independentComponents;
  double stickStiffness = mdl_UnsetDouble;
  kbeC_Potential potential;

  int law = Coefficient;
  int slipKind = SlipTolerance;
  double slip = 0.0001;  ///< slip tolerance (default 0.0001) or elastic slip
  double taumax = mdl_UnsetDouble;
  /// Coefficient law: the friction coefficient, then the temperature and field variables.
  kmaC_TableData coefficients;
  /// Exponential decay: test data (two lines) or the three coefficients (one line).
  bool testData = false;
  std::vector<std::vector<double>> decay;
};

/// Plasticity: the yield table, isotropic and kinematic hardening, and the
/// potential of coupled plasticity.
class MDB_API kbeC_ConnectorPlasticity : public kbeC_ConnectorBehaviorOption {
 public:
  ~kbeC_ConnectorPlasticity() override;
  enum Isotropic : int { Tabular = 0, ExponentialLaw = 1 };
  enum Kinematic : int { HalfCycle = 0, Parameters = 1, Stabilized = 2 };
  kbeC_ConnectorPlasticity() : kbeC_ConnectorBehaviorOption(kbeC_OptionKind::Plasticity) {}

  int component = 0;  ///< uncoupled: its component; 0 when coupled
  bool isotropic = false;
  int isotropicDefinition = Tabular;
  kmaC_TableData isotropicTable;
  bool kinematic = false;
  int kinematicDefinition = HalfCycle;
  kmaC_TableData kinematicTable;
  kbeC_Potential potential;
};

/// Damage: initiation (the option's table), its potential when coupled, and
/// the optional evolution.
class MDB_API kbeC_ConnectorDamage : public kbeC_ConnectorBehaviorOption {
 public:
  ~kbeC_ConnectorDamage() override;
  enum Criterion : int { Force = 0, Motion = 1, PlasticMotion = 2 };
  enum Evolution : int { EvolutionMotion = 0, EvolutionEnergy = 1 };
  enum Softening : int { LinearSoftening = 0, ExponentialSoftening = 1, TabularSoftening = 2 };
  enum Degradation : int { Maximum = 0, Multiplicative = 1 };
  kbeC_ConnectorDamage() : kbeC_ConnectorBehaviorOption(kbeC_OptionKind::Damage) {}

  int component = 0;  ///< uncoupled: its component; 0 when coupled
  int criterion = Force;
  kbeC_Potential potential;
  bool evolution = false;
  int evolutionType = EvolutionMotion;
  int softening = LinearSoftening;
  std::vector<int> affectedComponents;  ///< empty: the component(s) of the initiation
  int degradation = Maximum;
  kmaC_TableData evolutionTable;
};

/// A derived component: a named combination of components that friction,
/// plasticity and damage options cite.
class MDB_API kbeC_DerivedComponent {
 public:
  enum Operator : int { NoOperator = 0, Sum = 1, MacauleySum = 2 };
  std::string name;
  bool negative = false;
  int operatorKind = NoOperator;
  std::vector<int> components;
  int independentKind = kbeC_NoIndependent;
  std::vector<int> independentComponents;
  kbeC_Regularization regularization;
  kmaC_TableData data;
};

/// A connector behaviour.
class MDB_API kbeC_ConnectorBehavior {
 public:
  kbeC_ConnectorBehavior();

  bool regularize = true;
  /// Set when the behaviour keeps the solver's tolerance: no rtol is written.
  bool defaultTolerance = false;
  double rtol = kbeC_DefaultRtol;
  bool extrapolationLinear = false;
  bool integrationExplicit = false;
  /// The constitutive reference: -mdl_UnsetDouble where a value is not given.
  std::array<double, 6> reference{};
  std::vector<std::shared_ptr<const kbeC_ConnectorBehaviorOption>> options;
  std::vector<std::shared_ptr<const kbeC_DerivedComponent>> derivedComponents;

  /// The derived component of a name, or nullptr.
  const kbeC_DerivedComponent* FindDerived(const std::string& name) const;
};

/// The not-given marker of constitutive reference values.
inline constexpr double kbeC_UnsetReference = -mdl_UnsetDouble;
