#pragma once
// Analysis steps. The model's step container holds them in analysis order,
// the initial step first. Every step after it is a kprC_AnalysisStep whose
// class is its procedure kind.
//
// Values that the model does not give hold the unset markers
// (mdl_UnsetDouble, mdl_UnsetInt); the deck leaves them out.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "modeldb/kprC_Controls.h"
#include "modeldb/kprC_Damping.h"
#include "modeldb/kprC_OutputSettings.h"
#include "modeldb/mdl_Object.h"
#include "modeldb/mdl_Repository.h"
#include "modeldb/rgnC_Region.h"

/// A load case of a step: the scale factors of the loads and boundary
/// conditions it applies, by name, and two flags read by the boundary
/// conditions of the case.
class MDB_API klcC_LoadCase : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~klcC_LoadCase() override;

  std::map<std::string, double> loads;
  std::map<std::string, double> boundaryConditions;
  std::map<std::string, double> fields;
  /// Boundary conditions carried into the step from its base state belong to
  /// this load case too, with scale factor 1.
  bool includeBaseStateBCs = false;
  /// The load case keeps the step's boundary conditions: no empty
  /// "*Boundary, op=NEW" removes them.
  bool keepBCs = false;
};

class MDB_API kprC_Step : public mdl_Object {
 public:
  enum NlgeomEnm : int { NLGEOM_OFF = 0, NLGEOM_ON = 1 };
  /// Extrapolation of the solution at the start of an increment.
  enum ExtrapolationEnm : int { EXTRAPOLATION_LINEAR = 0, EXTRAPOLATION_PARABOLIC = 1, EXTRAPOLATION_NONE = 2 };
  /// Variation of the loads over the step.
  enum AmplitudeEnm : int { AMPLITUDE_STEP = 0, AMPLITUDE_RAMP = 1 };
  enum MatrixStorageEnm : int { MATRIX_SOLVER_DEFAULT = 3, MATRIX_SYMMETRIC = 4, MATRIX_UNSYMMETRIC = 5 };
  enum SolutionTechniqueEnm : int {
    TECHNIQUE_FULL_NEWTON = 0,
    TECHNIQUE_SEPARATED = 1,  // coupled steps: fields solved one after the other
    TECHNIQUE_CONTACT_ITERATIONS = 2,
    TECHNIQUE_QUASI_NEWTON = 3,
  };

  using mdl_Object::mdl_Object;
  ~kprC_Step() override;

  /// The text of an extrapolation value ("LINEAR", "PARABOLIC", "NONE"); an
  /// empty text for any other value.
  static const char* ExtrapolationText(int value);

  const std::string& description() const noexcept { return description_; }
  const std::string& solverInput() const noexcept { return solverInput_; }
  NlgeomEnm Nlgeom() const noexcept { return nlgeom; }
  /// Linear perturbation steps answer true.
  virtual bool Perturbation() const { return false; }
  virtual bool isExplicit() const { return false; }

  std::string description_;
  std::string solverInput_;
  NlgeomEnm nlgeom = NLGEOM_OFF;
};

/// The step every model starts with; it carries the conditions that hold
/// from the start and has no procedure.
class MDB_API kprC_InitialStep : public kprC_Step {
 public:
  using kprC_Step::kprC_Step;
  ~kprC_InitialStep() override;
};

/// Base of every step after the initial one.
class MDB_API kprC_AnalysisStep : public kprC_Step {
 public:
  using kprC_Step::kprC_Step;
  ~kprC_AnalysisStep() override;

  /// The load-case table, handed out as a general repository.
  const mdl_RepositoryBase& loadCaseRepository() const noexcept { return loadCases_; }
  const mdl_MapString2ObjCow<klcC_LoadCase>& loadCases() const noexcept { return loadCases_; }
  /// The step's solution controls and solver controls; null when the step
  /// has none.
  const kprC_Controls* controls() const noexcept { return controls_.get(); }
  const kprC_SolverControls* solverControls() const noexcept { return solverControls_.get(); }

  /// The step's restart request, monitor and diagnostic print settings;
  /// null when the step has none.
  const kprC_Restart* restart() const noexcept { return restart_.get(); }
  const kprC_Monitor* monitor() const noexcept { return monitor_.get(); }
  const kprC_DiagnosticPrint* diagnosticPrint() const noexcept { return diagnosticPrint_.get(); }

  mdl_MapString2ObjCow<klcC_LoadCase> loadCases_;
  std::shared_ptr<const kprC_Controls> controls_;
  std::shared_ptr<const kprC_SolverControls> solverControls_;
  std::shared_ptr<const kprC_Restart> restart_;
  std::shared_ptr<const kprC_Monitor> monitor_;
  std::shared_ptr<const kprC_DiagnosticPrint> diagnosticPrint_;

  ExtrapolationEnm extrapolation = EXTRAPOLATION_LINEAR;
  AmplitudeEnm amplitude = AMPLITUDE_STEP;
  /// Maximum number of increments.
  int maxNumInc = 100;
  MatrixStorageEnm matrixStorage = MATRIX_SOLVER_DEFAULT;
  SolutionTechniqueEnm solutionTechnique = TECHNIQUE_FULL_NEWTON;
};

// Parameter groups that several procedures share.

/// Time stepping of the implicit procedures. Fixed incrementation is the
/// "direct" choice of the static and dynamic procedures.
struct MDB_API kprC_TimeIncrements {
  enum IncrementationEnm : int { INCREMENTATION_AUTOMATIC = 0, INCREMENTATION_FIXED = 1 };

  bool IsAutomatic() const noexcept { return incrementation == INCREMENTATION_AUTOMATIC; }

  IncrementationEnm incrementation = INCREMENTATION_AUTOMATIC;
  double initialInc = 1.0;
  double timePeriod = 1.0;
  double minInc = 1e-5;
  double maxInc = 1.0;
};

/// Automatic stabilization of unstable problems.
struct MDB_API kprC_Stabilization {
  enum StabilizationEnm : int {
    STABILIZATION_NONE = 0,
    STABILIZATION_ENERGY_FRACTION = 1,  // dissipated energy fraction
    STABILIZATION_DAMPING_FACTOR = 2,
  };

  StabilizationEnm stabilizationMethod = STABILIZATION_NONE;
  double stabilizationValue = mdl_UnsetDouble;
};

/// Transient or steady-state response, and the steady-state end criterion of
/// a transient step.
struct MDB_API kprC_Transient {
  bool steadyState = false;
  double endValue = mdl_UnsetDouble;
};

/// Creep of the coupled temperature-displacement and visco procedures.
struct MDB_API kprC_Creep {
  enum CreepEnm : int { CREEP_IMPLICIT = 0, CREEP_EXPLICIT = 1, CREEP_NONE = 2 };

  CreepEnm creep = CREEP_IMPLICIT;
  /// Creep strain error tolerance; 0 when not given.
  double creepTolerance = 0.0;
};

// Implicit procedures.

class MDB_API kprC_StaticStep : public kprC_AnalysisStep, public kprC_TimeIncrements, public kprC_Stabilization {
 public:
  explicit kprC_StaticStep(std::string name = {});
  ~kprC_StaticStep() override;

  bool adiabatic = false;
  /// Fixed incrementation: finish the step even when an increment does not
  /// converge.
  bool noStop = false;
  /// Element set whose elements are expected to become fully plastic.
  std::string fullyPlastic;
};

class MDB_API kprC_StaticRiksStep : public kprC_AnalysisStep, public kprC_TimeIncrements {
 public:
  /// The time increments are arc lengths: initialInc the initial arc length
  /// increment, timePeriod the total arc length, minInc and maxInc the
  /// bounds of the increment (maxInc 1e36 means no bound).
  explicit kprC_StaticRiksStep(std::string name = {});
  ~kprC_StaticRiksStep() override;

  static constexpr double NoMaxArcInc = 1e36;

  bool adiabatic = false;
  bool noStop = false;
  std::string fullyPlastic;
  bool longTerm = false;
  /// Maximum load proportionality factor.
  double maxLPF = mdl_UnsetDouble;
  /// Node whose displacement ends the step, its degree of freedom and the
  /// displacement value; no region when the step has none.
  rgnC_Region nodeRegion;
  int dof = mdl_UnsetInt;
  double nodeValue = mdl_UnsetDouble;
};

class MDB_API kprC_StaticLinearPerturbationStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_StaticLinearPerturbationStep() override;
  bool Perturbation() const override { return true; }
};

class MDB_API kprC_GeostaticStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_GeostaticStep() override;
};

class MDB_API kprC_HeatTransferStep : public kprC_AnalysisStep, public kprC_TimeIncrements, public kprC_Transient {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_HeatTransferStep() override;

  /// Maximum temperature change per increment.
  double deltmx = mdl_UnsetDouble;
  /// Maximum emissivity change per increment.
  double mxdem = 0.1;
};

class MDB_API kprC_CoupledThermalElectricStep : public kprC_AnalysisStep,
                                                public kprC_TimeIncrements,
                                                public kprC_Transient {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_CoupledThermalElectricStep() override;

  double deltmx = mdl_UnsetDouble;
  double mxdem = 0.1;
};

/// Mass diffusion: the end value counts as given when it is not 0.
class MDB_API kprC_MassDiffusionStep : public kprC_AnalysisStep, public kprC_TimeIncrements, public kprC_Transient {
 public:
  explicit kprC_MassDiffusionStep(std::string name = {});
  ~kprC_MassDiffusionStep() override;

  /// Maximum normalized concentration change per increment.
  double dcmax = mdl_UnsetDouble;
};

class MDB_API kprC_SoilsStep : public kprC_AnalysisStep, public kprC_TimeIncrements, public kprC_Stabilization {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_SoilsStep() override;

  /// Transient consolidation; otherwise a steady-state analysis.
  bool consolidation = false;
  double endValue = mdl_UnsetDouble;
  /// Maximum pore pressure change per increment; 0 when not given.
  double utol = 0.0;
  bool creep = true;
  double creepTolerance = 0.0;
};

class MDB_API kprC_CoupledTempDisplacementStep : public kprC_AnalysisStep,
                                                 public kprC_TimeIncrements,
                                                 public kprC_Stabilization,
                                                 public kprC_Creep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_CoupledTempDisplacementStep() override;

  bool steadyState = false;
  /// Maximum temperature change per increment; 0 when not given.
  double deltmx = 0.0;
};

class MDB_API kprC_ViscoStep : public kprC_AnalysisStep,
                               public kprC_TimeIncrements,
                               public kprC_Stabilization,
                               public kprC_Creep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_ViscoStep() override;
};

class MDB_API kprC_ImplicitDynamicsStep : public kprC_AnalysisStep, public kprC_TimeIncrements {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_ImplicitDynamicsStep() override;

  /// Numerical damping of the time integration.
  double alpha = -0.05;
  bool adiabatic = false;
  /// Half-increment residual tolerance (automatic incrementation).
  double haftol = mdl_UnsetDouble;
  bool noStop = false;
  /// Half-increment residuals are checked (fixed incrementation).
  bool halfIncResidual = true;
  /// The initial acceleration is computed at the start of the step.
  bool initialAcceleration = true;
};

class MDB_API kprC_AnnealStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_AnnealStep() override;

  double temperature = mdl_UnsetDouble;
};

// Explicit procedures.

/// A mass scaling definition of an explicit step.
class MDB_API kprC_MassScaling {
 public:
  /// What the definition does.
  enum ObjectiveEnm : int {
    OBJECTIVE_SEMI_AUTOMATIC = 0,  // scale to a target time increment or by a factor
    OBJECTIVE_AUTOMATIC = 1,       // rolling: from the feed rate and the mesh
    OBJECTIVE_REINITIALIZE = 2,    // back to the unscaled mass
    OBJECTIVE_DISABLE = 3,         // no mass scaling throughout the step
  };
  /// How elements are scaled to the target time increment.
  enum MassScalingTypeEnm : int { TYPE_UNIFORM = 0, TYPE_BELOW_MIN = 1, TYPE_SET_EQUAL_DT = 2 };
  /// Rolling direction: the 1, 2 or 3 axis, or none given.
  enum DirectionEnm : int { DIRECTION_1 = 0, DIRECTION_2 = 1, DIRECTION_3 = 2, DIRECTION_NONE = 3 };

  kprC_MassScaling() = default;

  /// The text of a scaling type ("UNIFORM", "BELOW_MIN", "SET_EQUAL_DT"); an
  /// empty text for any other value.
  static const char* TypeText(int value);
  /// Scaled throughout the step (variable mass scaling) rather than once at
  /// its start (fixed): automatic and disabling definitions always, semi-
  /// automatic ones when they apply throughout the step.
  bool IsVariable() const noexcept;

  ObjectiveEnm objective = OBJECTIVE_SEMI_AUTOMATIC;
  /// No region: the definition applies to the whole model.
  rgnC_Region region;
  MassScalingTypeEnm type = TYPE_BELOW_MIN;
  /// Target time increment; 0 when not given.
  double targetTimeInc = 0.0;
  /// Fixed scale factor; 0 when not given.
  double factor = 0.0;
  /// Semi-automatic: applies throughout the step at intervals (the
  /// frequency-or-interval switch), else once at the start of the step.
  bool throughoutStep = false;
  /// Every this many increments; 0: use numberInterval instead.
  int frequency = 0;
  /// Number of equal intervals of the step.
  int numberInterval = 1;
  // Rolling.
  double feedRate = mdl_UnsetDouble;
  double extrudedLength = mdl_UnsetDouble;
  /// Number of nodes in the cross section.
  int crossSection = mdl_UnsetInt;
  DirectionEnm direction = DIRECTION_NONE;
};

/// What the two explicit procedures share.
class MDB_API kprC_ExplicitStep : public kprC_AnalysisStep {
 public:
  enum TimeIncrementationEnm : int {
    SCHEME_AUTOMATIC_GLOBAL = 0,
    SCHEME_USER = 1,  // the user's time increment ("direct user control")
    SCHEME_ELEMENT_BY_ELEMENT = 2,
    SCHEME_FIXED = 3,
  };

  /// Explicit steps take nonlinear geometry into account unless told not to.
  explicit kprC_ExplicitStep(std::string name = {});
  ~kprC_ExplicitStep() override;
  bool isExplicit() const override { return true; }

  TimeIncrementationEnm scheme = SCHEME_AUTOMATIC_GLOBAL;
  double timePeriod = 1.0;
  /// Scale factor of the stable time increment.
  double scaleFactor = 1.0;
  /// The user's time increment (scheme 1).
  double timeIncrement = mdl_UnsetDouble;
  double maxTimeInc = mdl_UnsetDouble;
  double linearBulkViscosity = 0.06;
  double quadraticBulkViscosity = 1.2;
  std::vector<kprC_MassScaling> massScaling;
};

class MDB_API kprC_ExplicitDynamicsStep : public kprC_ExplicitStep {
 public:
  using kprC_ExplicitStep::kprC_ExplicitStep;
  ~kprC_ExplicitDynamicsStep() override;

  bool adiabatic = false;
};

class MDB_API kprC_TempDisplacementDynamicsStep : public kprC_ExplicitStep {
 public:
  using kprC_ExplicitStep::kprC_ExplicitStep;
  ~kprC_TempDisplacementDynamicsStep() override;
};

// Eigenvalue procedures.

class MDB_API kprC_FrequencyStep : public kprC_AnalysisStep {
 public:
  enum EigensolverEnm : int { EIGENSOLVER_SUBSPACE = 0, EIGENSOLVER_LANCZOS = 1, EIGENSOLVER_AMS = 2 };
  enum AcousticCouplingEnm : int { COUPLING_OFF = 0, COUPLING_ON = 1, COUPLING_PROJECTION = 2 };
  enum NormalizationEnm : int { NORMALIZATION_DISPLACEMENT = 0, NORMALIZATION_MASS = 1 };

  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_FrequencyStep() override;
  bool Perturbation() const override { return true; }

  EigensolverEnm eigensolver = EIGENSOLVER_LANCZOS;
  AcousticCouplingEnm acousticCoupling = COUPLING_ON;
  bool dampingProjection = true;
  NormalizationEnm normalization = NORMALIZATION_DISPLACEMENT;
  /// Lanczos: frequency points per interval and their bias.
  int numberInterval = 1;
  double bias = 1.0;
  /// The user's frequency boundaries, and whether the data line that lists
  /// them is left out.
  std::vector<double> boundaries;
  bool omitBoundaries = false;
  /// Frequency at which frequency-dependent properties are evaluated.
  double propertyEvaluation = mdl_UnsetDouble;
  int numEigen = mdl_UnsetInt;
  double minFrequency = mdl_UnsetDouble;
  double maxFrequency = mdl_UnsetDouble;
  double shift = mdl_UnsetDouble;
  int blockSize = mdl_UnsetInt;
  int maxBlocks = mdl_UnsetInt;
  /// Subspace eigensolver: vectors per iteration and iterations.
  int vectors = mdl_UnsetInt;
  int maxIterations = mdl_UnsetInt;
};

class MDB_API kprC_BuckleStep : public kprC_AnalysisStep {
 public:
  enum EigensolverEnm : int { EIGENSOLVER_SUBSPACE = 0, EIGENSOLVER_LANCZOS = 1 };

  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_BuckleStep() override;
  bool Perturbation() const override { return true; }

  EigensolverEnm eigensolver = EIGENSOLVER_SUBSPACE;
  int numEigen = mdl_UnsetInt;
  double minEigen = mdl_UnsetDouble;
  double maxEigen = mdl_UnsetDouble;
  int blockSize = mdl_UnsetInt;
  int maxBlocks = mdl_UnsetInt;
  int vectors = mdl_UnsetInt;
  int maxIterations = mdl_UnsetInt;
};

class MDB_API kprC_ComplexFrequencyStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_ComplexFrequencyStep() override;
  bool Perturbation() const override { return true; }

  bool frictionDamping = false;
  int numEigen = mdl_UnsetInt;
  double minFrequency = mdl_UnsetDouble;
  double maxFrequency = mdl_UnsetDouble;
  double shift = 0.0;
};

// Modal procedures.

/// A range of excitation frequencies and the number of points computed in it.
struct MDB_API kprC_FrequencyRange {
  double lower = 0.0;
  double upper = 0.0;
  int points = 20;
  /// Spacing of the points towards the ends of the range (points > 3).
  double bias = 3.0;
};

/// Frequency ranges of the random response and steady-state procedures.
struct MDB_API kprC_FrequencySweep {
  enum FrequencyScaleEnm : int { SCALE_LOGARITHMIC = 0, SCALE_LINEAR = 1 };
  enum IntervalEnm : int { INTERVAL_RANGE = 0, INTERVAL_SOLVER_DEFAULT = 1, INTERVAL_EIGENFREQUENCY = 2 };

  std::vector<kprC_FrequencyRange> frequencyRanges;
  FrequencyScaleEnm frequencyScale = SCALE_LOGARITHMIC;
};

class MDB_API kprC_ModalDynamicsStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_ModalDynamicsStep() override;
  bool Perturbation() const override { return true; }

  /// Start from the state at the end of the previous modal dynamics step.
  bool continueAnalysis = false;
  double timeIncrement = mdl_UnsetDouble;
  double timePeriod = 1.0;
  kprC_ModalDampingSet damping;
};

class MDB_API kprC_SubspaceDynamicsStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_SubspaceDynamicsStep() override;

  /// Number of eigenvectors of the projection; 0 when not given.
  int vectors = 0;
  double timeIncrement = mdl_UnsetDouble;
  double timePeriod = 1.0;
  /// Number of eigenmodes selected (modes 1 to N); 0 selects none.
  int numEigenmodes = 0;
};

class MDB_API kprC_RandomResponseStep : public kprC_AnalysisStep, public kprC_FrequencySweep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_RandomResponseStep() override;
  bool Perturbation() const override { return true; }

  kprC_ModalDampingSet damping;
};

/// One direction of a response spectrum analysis.
struct MDB_API kprC_SpectrumComponent {
  std::string spectrum;
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double scale = 1.0;
};

class MDB_API kprC_ResponseSpectrumStep : public kprC_AnalysisStep {
 public:
  /// Combination of the directional components.
  enum CombinationEnm : int { COMBINATION_NONE = 0, COMBINATION_ALGEBRAIC = 1, COMBINATION_SRSS = 2 };
  /// Summation of the modal responses.
  enum SummationEnm : int { SUM_ABS = 0, SUM_CQC = 1, SUM_NRL = 2, SUM_SRSS = 3, SUM_TENP = 4 };

  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_ResponseSpectrumStep() override;
  bool Perturbation() const override { return true; }

  CombinationEnm combination = COMBINATION_NONE;
  SummationEnm summation = SUM_CQC;
  std::vector<kprC_SpectrumComponent> components;
  kprC_ModalDampingSet damping;
};

class MDB_API kprC_SteadyStateModalStep : public kprC_AnalysisStep, public kprC_FrequencySweep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_SteadyStateModalStep() override;
  bool Perturbation() const override { return true; }

  IntervalEnm interval = INTERVAL_SOLVER_DEFAULT;
  kprC_ModalDampingSet damping;
};

class MDB_API kprC_SteadyStateDirectStep : public kprC_AnalysisStep, public kprC_FrequencySweep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_SteadyStateDirectStep() override;
  bool Perturbation() const override { return true; }

  IntervalEnm interval = INTERVAL_RANGE;
  /// Only the real part of the response is computed.
  bool realOnly = false;
};

class MDB_API kprC_SteadyStateSubspaceStep : public kprC_AnalysisStep, public kprC_FrequencySweep {
 public:
  /// When the subspace projection is recomputed.
  enum ProjectionEnm : int {
    PROJECTION_ALL_FREQUENCIES = 0,
    PROJECTION_CONSTANT = 1,
    PROJECTION_EIGENFREQUENCY = 2,
    PROJECTION_PROPERTY_CHANGE = 3,
  };

  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_SteadyStateSubspaceStep() override;
  bool Perturbation() const override { return true; }

  IntervalEnm interval = INTERVAL_SOLVER_DEFAULT;
  ProjectionEnm projection = PROJECTION_ALL_FREQUENCIES;
  /// Property change: relative damping and stiffness change that trigger a
  /// new projection.
  double dampingChange = mdl_UnsetDouble;
  double stiffnessChange = mdl_UnsetDouble;
  bool realOnly = false;
};

using kprC_StepContainer = mdl_OrderedContainer<kprC_Step>;

/// Step-dependent repository (boundary conditions, loads, fields,
/// interactions, output requests): name-keyed; objects answer per-step
/// status queries.
template <class T>
class kprC_PropagatingContainer : public mdl_MapString2ObjCow<T> {};
