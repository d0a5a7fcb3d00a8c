#pragma once
// Interactions of the model (step-dependent) and their properties and
// contact controls.
//
// The kinds of interaction and of interaction property are closed families
// described by kind tables (kinC_InteractionTable(), kinC_PropertyTable()):
// the class, its name in the model file and, for a kind the deck has no form
// for, the reason. An interaction reports a propagation status per step (by
// step position, 0 the initial step) and, for the kinds with a step history,
// a state per step whose attributes carry attribute states (mdl_PropAttr).
// The values that do not change over the steps are plain members.
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "modeldb/kmaC_MaterialOption.h"
#include "modeldb/mdl_Object.h"
#include "modeldb/mdl_PropAttr.h"
#include "modeldb/rgnC_Region.h"

/// Base of the model's interactions (step-dependent).
class MDB_API kinC_Interaction : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kinC_Interaction() override;

  /// The regions the deck must offer as node-based surfaces. None by default.
  virtual rgnC_RegionList NodeSurfaceRegions() const;

  /// Propagation status (mdl_PropagationStatusEnm) in the step at a position.
  int GetPropStatus(std::size_t step) const noexcept { return statuses.Status(step); }
  /// Whether the interaction has a state in the step (any status but 0).
  bool HasStep(std::size_t step) const noexcept { return GetPropStatus(step) != mdl_Inactive; }
  /// The step the interaction is created in (status 1); the number of steps
  /// it reports when there is none.
  std::size_t CreateStep() const noexcept;

  bool suppressed = false;
  mdl_StatusList statuses;
};

/// An interaction with a state per step.
template <class S>
class kinC_InteractionWith : public kinC_Interaction {
 public:
  using State = S;
  using kinC_Interaction::kinC_Interaction;

  /// The state in the step at a position (empty outside the interaction's steps).
  const S& ConstGetState(std::size_t step) const noexcept { return states_.State(step); }
  void SetState(std::size_t step, int status, S state) {
    statuses.Set(step, status);
    states_.Set(step, status, std::move(state));
  }

 private:
  mdl_StepStates<S> states_;
};

// ---------------------------------------------------------------------------
// States

/// Contact pairs (standard and explicit) in one step.
struct MDB_API kinC_ContactPairState {
  /// The contact property (kinC_ContactProperty) the pair uses.
  mdl_PropAttr<std::string> interactionProperty;
  /// The contact controls (kinC_StdContactControls or kinC_XplContactControls).
  mdl_PropAttr<std::string> contactControls;
  /// Standard pairs: an interference fit in this step.
  mdl_PropAttr<double> interference;
  mdl_PropAttr<std::string> interferenceAmplitude;
  mdl_PropAttr<bool> shrink;
  /// Explicit pairs: kinematic (0) or penalty (1) enforcement and the weighting.
  mdl_PropAttr<int> mechanicalConstraint;
  mdl_PropAttr<double> weight;
};

/// Two surfaces of general contact; `second` unset (set -1) for the first
/// surface with itself, `first` unset for every exterior surface.
struct MDB_API kinC_SurfacePair {
  rgnC_Region first, second;
};

/// A contact property assigned to the contact of two surfaces (both unset:
/// the global property).
struct MDB_API kinC_PropertyAssignment {
  rgnC_Region first, second;
  std::string property;
};

/// A surface thickness assignment: the original (0) or current (1)
/// thickness, or a value; `surface` unset for every surface.
struct MDB_API kinC_ThicknessAssignment {
  enum Kind : int { Original = 0, Current = 1, Value = 2 };
  rgnC_Region surface;
  int kind = Original;
  double value = mdl_UnsetDouble;
};

/// General contact in one step.
struct MDB_API kinC_GeneralContactState {
  mdl_PropAttr<bool> allExterior;
  mdl_PropAttr<std::vector<kinC_SurfacePair>> inclusions;
  mdl_PropAttr<std::vector<kinC_SurfacePair>> exclusions;
  mdl_PropAttr<std::vector<kinC_PropertyAssignment>> propertyAssignments;
  mdl_PropAttr<std::vector<kinC_ThicknessAssignment>> thicknessAssignments;
  mdl_PropAttr<std::vector<kinC_SurfacePair>> formulations;
  mdl_PropAttr<bool> pureMasterSlave;

  template <class F>
  void VisitAttrs(F&& f) {
    f("allExterior", allExterior);
    f("inclusions", inclusions);
    f("exclusions", exclusions);
    f("propertyAssignments", propertyAssignments);
    f("thicknessAssignments", thicknessAssignments);
    f("formulations", formulations);
    f("pureMasterSlave", pureMasterSlave);
  }
};

/// Cavity radiation in one step.
struct MDB_API kinC_CavityState {
  enum Blocking : int { None = 0, Partial = 1, All = 2 };
  mdl_PropAttr<int> blocking;
  mdl_PropAttr<double> range;
  mdl_PropAttr<bool> reflection;
  mdl_PropAttr<double> viewfactorTolerance;

  template <class F>
  void VisitAttrs(F&& f) {
    f("blocking", blocking);
    f("range", range);
    f("reflection", reflection);
    f("viewfactorTolerance", viewfactorTolerance);
  }
};

/// Film conditions and radiation to the ambient (surface and concentrated)
/// in one step: the sink (ambient) temperature, the film coefficient or the
/// emissivity, the film property and the amplitudes.
struct MDB_API kinC_SurfaceExchangeState {
  mdl_PropAttr<double> sinkTemperature;
  mdl_PropAttr<double> coefficient;  ///< film coefficient or emissivity
  mdl_PropAttr<std::string> filmProperty;
  mdl_PropAttr<std::string> amplitude;      ///< of the sink temperature
  mdl_PropAttr<std::string> filmAmplitude;  ///< of the film coefficient

  template <class F>
  void VisitAttrs(F&& f) {
    f("sinkTemperature", sinkTemperature);
    f("coefficient", coefficient);
    f("filmProperty", filmProperty);
    f("amplitude", amplitude);
    f("filmAmplitude", filmAmplitude);
  }
};

/// Acoustic impedances and incident waves have no values that change over
/// the steps.
struct MDB_API kinC_NoState {
  template <class F>
  void VisitAttrs(F&&) {}
};

// ---------------------------------------------------------------------------
// Interaction kinds

enum class kinC_InteractionKind : int {
  SurfaceToSurfaceContactStd,
  SelfContactStd,
  SurfaceToSurfaceContactXpl,
  SelfContactXpl,
  ContactExp,
  CavityRadiation,
  FilmCondition,
  ConcFilmCondition,
  RadiationToAmbient,
  ConcRadiationToAmbient,
  AcousticImpedance,
  IncidentWave,
  ElasticFoundation,
  Count
};
inline constexpr int kinC_InteractionKindCount = int(kinC_InteractionKind::Count);

/// One row of the interaction table.
struct kinC_InteractionInfo {
  kinC_InteractionKind kind{};
  const char* className = nullptr;  ///< "kinC_FilmCondition"
  const char* fileName = nullptr;   ///< kind in the model file ("film")
  std::type_index (*typeId)() = nullptr;
  /// May be created in the initial step (contact pairs, general contact,
  /// cavity radiation); the others are created in analysis steps.
  bool initialStep = false;
  /// The region kinds (rgnC_SetData::Kind bits) of its "region", 0 for none.
  unsigned regionKinds = 0;
  /// Why the deck has no form for it, or nullptr.
  const char* unwritable = nullptr;
};

/// The interaction table: one row per kind, in kind order.
MDB_API std::span<const kinC_InteractionInfo> kinC_InteractionTable();
MDB_API const kinC_InteractionInfo& kinC_Info(kinC_InteractionKind kind);
/// The row of the interaction's own class; nullptr for a class outside the table.
MDB_API const kinC_InteractionInfo* kinC_FindInfo(const kinC_Interaction& interaction);
/// The row whose model-file name is `fileName`, or nullptr.
MDB_API const kinC_InteractionInfo* kinC_FindInteractionKind(std::string_view fileName);

/// Standard contact between two surfaces or of a surface with itself:
/// defined in the initial step, switched on and off in the steps.
class MDB_API kinC_StdContact : public kinC_InteractionWith<kinC_ContactPairState> {
 public:
  enum Adjust : int { NoAdjust = 0, AdjustTolerance = 1, AdjustSet = 2, AdjustOverclosure = 3 };
  enum Discretization : int { NodeToSurface = 0, SurfaceToSurface = 1 };
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_StdContact() override;

  /// A slave given as a node set is cited as a node-based surface.
  rgnC_RegionList NodeSurfaceRegions() const override;
  bool IsSelf() const noexcept { return master.ConstSet() < 0; }

  rgnC_Region slave;        ///< the surface of self-contact
  int slaveKind = 2;        ///< rgnC_SetData kind of the slave
  rgnC_Region master;       ///< unset for self-contact
  bool smallSliding = false;
  double slideDistance = mdl_UnsetDouble;
  int discretization = NodeToSurface;
  bool thickness = true;
  double hcrit = mdl_UnsetDouble;
  static constexpr double DefaultSmooth = 0.2;
  static constexpr double DefaultExtensionZone = 0.1;
  double smooth = DefaultSmooth;
  double extensionZone = DefaultExtensionZone;
  int adjust = NoAdjust;
  double adjustTolerance = 0.0;
  rgnC_Region adjustSet;
  bool tied = false;
  std::string cpset;
  /// The initial clearance of the pair; unset for none.
  double clearance = mdl_UnsetDouble;
};

class MDB_API kinC_SurfaceToSurfaceContactStd : public kinC_StdContact {
 public:
  using kinC_StdContact::kinC_StdContact;
  ~kinC_SurfaceToSurfaceContactStd() override;
};
class MDB_API kinC_SelfContactStd : public kinC_StdContact {
 public:
  using kinC_StdContact::kinC_StdContact;
  ~kinC_SelfContactStd() override;
};

/// Explicit contact pairs between two surfaces or of a surface with itself.
class MDB_API kinC_XplContact : public kinC_InteractionWith<kinC_ContactPairState> {
 public:
  enum Constraint : int { Kinematic = 0, Penalty = 1 };
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_XplContact() override;
  bool IsSelf() const noexcept { return master.ConstSet() < 0; }

  rgnC_Region slave;
  rgnC_Region master;
  bool smallSliding = false;
  std::string cpset;
};
class MDB_API kinC_SurfaceToSurfaceContactXpl : public kinC_XplContact {
 public:
  using kinC_XplContact::kinC_XplContact;
  ~kinC_SurfaceToSurfaceContactXpl() override;
};
class MDB_API kinC_SelfContactXpl : public kinC_XplContact {
 public:
  using kinC_XplContact::kinC_XplContact;
  ~kinC_SelfContactXpl() override;
};

/// General contact, written as *Contact.
class MDB_API kinC_ContactExp : public kinC_InteractionWith<kinC_GeneralContactState> {
 public:
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_ContactExp() override;
};

/// Radiation between the surfaces of a cavity.
class MDB_API kinC_CavityRadiation : public kinC_InteractionWith<kinC_CavityState> {
 public:
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_CavityRadiation() override;

  rgnC_RegionList surfaces;
  double ambientTemperature = mdl_UnsetDouble;
};

/// How a region type of a concentrated film or radiation moves.
enum kinC_RegionType : int { kinC_Lagrangian = 0, kinC_Sliding = 1, kinC_Eulerian = 2 };

/// Film conditions: the coefficient given (0), from a film property (1), or
/// from a user routine (2).
class MDB_API kinC_FilmCondition : public kinC_InteractionWith<kinC_SurfaceExchangeState> {
 public:
  enum Definition : int { Embedded = 0, Property = 1, User = 2 };
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_FilmCondition() override;

  rgnC_Region region;
  int definition = Embedded;
};
class MDB_API kinC_ConcFilmCondition : public kinC_InteractionWith<kinC_SurfaceExchangeState> {
 public:
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_ConcFilmCondition() override;

  rgnC_Region region;
  int definition = kinC_FilmCondition::Embedded;
  int regionType = kinC_Lagrangian;
};
class MDB_API kinC_RadiationToAmbient : public kinC_InteractionWith<kinC_SurfaceExchangeState> {
 public:
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_RadiationToAmbient() override;

  rgnC_Region region;
};
class MDB_API kinC_ConcRadiationToAmbient : public kinC_InteractionWith<kinC_SurfaceExchangeState> {
 public:
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_ConcRadiationToAmbient() override;

  rgnC_Region region;
  int regionType = kinC_Lagrangian;
};

/// Acoustic impedance of a surface: a non-reflecting form, or an impedance
/// property.
class MDB_API kinC_AcousticImpedance : public kinC_InteractionWith<kinC_NoState> {
 public:
  enum Nonreflecting : int { None = -1, Planar, Improved, Circular, Spherical, Elliptical, ProlateSpheroidal };
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_AcousticImpedance() override;

  rgnC_Region region;
  int nonreflecting = None;
  std::string property;
  /// The geometric data of a non-reflecting form (radius, centre, ...).
  std::vector<double> data;
};

/// An incident wave loading a surface from a source point.
class MDB_API kinC_IncidentWave : public kinC_InteractionWith<kinC_NoState> {
 public:
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_IncidentWave() override;

  rgnC_Region region;
  std::vector<double> sourcePoint, standoffPoint;  ///< three coordinates each
  std::string amplitude;
  bool accelerationAmplitude = false;  ///< the amplitude gives accelerations, not pressures
  bool undex = false;
  std::string property;  ///< the incident wave property (keyword text of the model)
};

/// An elastic foundation: the deck has no keyword for it.
class MDB_API kinC_ElasticFoundation : public kinC_InteractionWith<kinC_NoState> {
 public:
  using kinC_InteractionWith::kinC_InteractionWith;
  ~kinC_ElasticFoundation() override;
};

// ---------------------------------------------------------------------------
// Properties

/// Base of the model's interaction properties.
class MDB_API kinC_InteractionProperty : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kinC_InteractionProperty() override;
};

enum class kinC_PropertyKind : int { Contact, FilmCondition, AcousticImpedance, Count };
inline constexpr int kinC_PropertyKindCount = int(kinC_PropertyKind::Count);

struct kinC_PropertyInfo {
  kinC_PropertyKind kind{};
  const char* className = nullptr;
  const char* fileName = nullptr;
  std::type_index (*typeId)() = nullptr;
};
MDB_API std::span<const kinC_PropertyInfo> kinC_PropertyTable();
MDB_API const kinC_PropertyInfo* kinC_FindInfo(const kinC_InteractionProperty& property);
MDB_API const kinC_PropertyInfo* kinC_FindPropertyKind(std::string_view fileName);

/// Tangential behaviour of a contact property.
struct MDB_API kinC_Friction {
  enum Form : int { Frictionless = 0, Penalty, Lagrange, Rough, User, ExponentialDecay };
  int form = Frictionless;
  /// Penalty and Lagrange: the friction coefficient(s) with the slip rate,
  /// contact pressure, temperature and field-variable columns; exponential
  /// decay: the static and kinetic coefficients and the decay coefficient
  /// (or, from test data, the measured values).
  kmaC_TableData data;
  double elasticSlip = mdl_UnsetDouble;
  double slipTolerance = mdl_UnsetDouble;
  double shearTractionSlope = mdl_UnsetDouble;
  double taumax = mdl_UnsetDouble;
  bool anisotropic = false;
  bool testData = false;
  /// User friction: the solution-dependent variables and the constants.
  int depvar = 0;
  std::vector<double> properties;
};

/// Normal behaviour.
struct MDB_API kinC_SurfaceBehavior {
  enum Enforcement : int { Default = 0, AugmentedLagrange = 1, PenaltyMethod = 2 };
  enum Overclosure : int { Hard = 0, Exponential, Linear, Tabular, ScaleFactor };
  bool noSeparation = false;
  int enforcement = Default;
  int overclosure = Hard;
  kmaC_TableData data;
};

struct MDB_API kinC_ContactDamping {
  enum Definition : int { CriticalDamping = 0, DampingCoefficient = 1 };
  int definition = CriticalDamping;
  double tangentFraction = mdl_UnsetDouble;
  kmaC_TableData data;
};

struct MDB_API kinC_GapConductance {
  enum Form : int { Clearance = 0, Pressure = 1, User = 2 };
  int form = Clearance;
  kmaC_TableData data;
};

struct MDB_API kinC_GapHeatGeneration {
  double fraction = mdl_UnsetDouble;   ///< of the dissipated energy turned into heat
  double weighting = mdl_UnsetDouble;  ///< of the heat going to the slave surface
};

struct MDB_API kinC_GapRadiation {
  double masterEmissivity = mdl_UnsetDouble;
  double slaveEmissivity = mdl_UnsetDouble;
  kmaC_TableData data;  ///< the effective view factor against the clearance
};

/// A contact property (*Surface Interaction) with its options.
class MDB_API kinC_ContactProperty : public kinC_InteractionProperty {
 public:
  using kinC_InteractionProperty::kinC_InteractionProperty;
  ~kinC_ContactProperty() override;

  double padThickness = mdl_UnsetDouble;
  /// A line with the out-of-plane thickness of two-dimensional models
  /// (`thickness`; 1.0 when not given).
  bool thicknessLine = false;
  double thickness = mdl_UnsetDouble;
  std::shared_ptr<const kinC_Friction> friction;
  std::shared_ptr<const kinC_SurfaceBehavior> behavior;
  std::shared_ptr<const kinC_ContactDamping> damping;
  std::shared_ptr<const kinC_GapConductance> conductance;
  std::shared_ptr<const kinC_GapHeatGeneration> heatGeneration;
  std::shared_ptr<const kinC_GapRadiation> radiation;
};

/// A film coefficient table (*Film Property).
class MDB_API kinC_FilmConditionProp : public kinC_InteractionProperty {
 public:
  using kinC_InteractionProperty::kinC_InteractionProperty;
  ~kinC_FilmConditionProp() override;

  kmaC_TableData data;
};

/// An acoustic impedance table (*Impedance Property).
class MDB_API kinC_AcousticImpedanceProp : public kinC_InteractionProperty {
 public:
  using kinC_InteractionProperty::kinC_InteractionProperty;
  ~kinC_AcousticImpedanceProp() override;

  bool impedance = false;  ///< the table gives impedances, not admittances
  kmaC_TableData data;
};

// ---------------------------------------------------------------------------
// Contact controls

/// Base of the model's contact controls.
class MDB_API kinC_ContactControls : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kinC_ContactControls() override;
};

/// Controls of standard contact pairs.
class MDB_API kinC_StdContactControls : public kinC_ContactControls {
 public:
  using kinC_ContactControls::kinC_ContactControls;
  ~kinC_StdContactControls() override;

  /// Every control at the solver's default.
  bool IsDefault() const noexcept;

  double absolutePenetrationTolerance = mdl_UnsetDouble;
  double relativePenetrationTolerance = mdl_UnsetDouble;
  double stiffnessScaleFactor = mdl_UnsetDouble;
  double slideDistance = mdl_UnsetDouble;
  bool delayedFrictionOnset = false;
  bool automaticTolerances = false;
  int maxchp = mdl_UnsetInt;
  double perrmx = mdl_UnsetDouble;
  double uerrmx = mdl_UnsetDouble;
  /// Contact stabilization: off, on with the solver's factor, or a factor.
  bool stabilize = false;
  double stabilizeFactor = mdl_UnsetDouble;
  double tangentFraction = mdl_UnsetDouble;
};

/// Controls of explicit contact pairs.
class MDB_API kinC_XplContactControls : public kinC_ContactControls {
 public:
  using kinC_ContactControls::kinC_ContactControls;
  ~kinC_XplContactControls() override;

  int fastLocalTracking = -1;  ///< -1 not given, 0 NO, 1 YES
  int globalTrackingIncrements = mdl_UnsetInt;
  double scalePenalty = mdl_UnsetDouble;
  int warpCheckPeriod = mdl_UnsetInt;
  double warpCutOff = mdl_UnsetDouble;
};
