#pragma once
// Boundary conditions: prescribed motions, symmetry (type) conditions, field
// degrees of freedom, submodel driving conditions and connector motions.
//
// Every condition is one kbcC_BoundaryCondition of a kind (kbcC_BCKind). The
// kinds are a closed set described once, in the kind table (kbcC_BCTable()):
// the class name, the name in the model file, the type label of the deck's
// comments, the form the condition takes in the deck and the names of its
// components. The concrete class of a condition is kbcC_BCOf<kind>
// (kbcC_DisplacementBC, ...), so that its DynTypeId() tells the kind.
//
// A condition's history is its status and state in every step, by step
// position (0 the initial step): see mdl_StepStates.
#include <array>
#include <memory>
#include <span>
#include <string>
#include <typeindex>
#include <vector>

#include "modeldb/mdl_Object.h"
#include "modeldb/mdl_PropAttr.h"
#include "modeldb/omu_PrimEnum.h"
#include "modeldb/rgnC_Region.h"

enum class kbcC_BCKind : int {
  Displacement,
  Velocity,
  Acceleration,
  Type,
  Temperature,
  // Field degrees of freedom that may be given by a user distribution.
  PorePressure,
  AcousticPressure,
  FluidCavityPressure,
  Concentration,
  // Further field degrees of freedom.
  ElectricPotential,
  HydrostaticPressure,
  Submodel,
  // Connector motions (written as *Connector Motion).
  ConnDisplacement,
  ConnVelocity,
  ConnAcceleration,
  Count
};
inline constexpr int kbcC_BCKindCount = int(kbcC_BCKind::Count);

/// How a kind reaches the deck.
enum class kbcC_BCForm : unsigned char {
  Motion,           ///< *Boundary, one line per component d = 1 .. 6
  Type,             ///< *Boundary, one line with the type's text
  Field,            ///< *Boundary, one line for the field's degree of freedom
  Submodel,         ///< *Boundary, submodel (grouped per step) or fixed
  ConnectorMotion,  ///< *Connector Motion, one line per component
};

struct kbcC_BCInfo {
  kbcC_BCKind kind{};
  const char* className = nullptr;  ///< "kbcC_DisplacementBC"
  const char* fileName = nullptr;   ///< kind in the model file ("displacement")
  const char* label = nullptr;      ///< type label of the deck's comment ("Displacement/Rotation")
  kbcC_BCForm form{};
  std::array<const char*, 6> components{};  ///< component names in the model file ("u1" ...)
  int componentCount = 0;
  int dof = 0;                   ///< Field: the degree of freedom of the data line
  const char* typeParam = nullptr;  ///< "VELOCITY", "ACCELERATION" or none
  bool distributed = false;      ///< may be given by a user distribution

  std::span<const char* const> Components() const noexcept {
    return {components.data(), std::size_t(componentCount)};
  }
  /// *Boundary group (status key 0) or *Connector Motion group (key 1).
  bool IsConnector() const noexcept { return form == kbcC_BCForm::ConnectorMotion; }
};

/// The kind table: one row per kind, in kind order.
MDB_API std::span<const kbcC_BCInfo> kbcC_BCTable();
/// The row of a kind; asserts that the kind is one of the table.
MDB_API const kbcC_BCInfo& kbcC_Info(kbcC_BCKind kind);
/// The row whose model-file name is `fileName`, or nullptr.
MDB_API const kbcC_BCInfo* kbcC_FindKind(std::string_view fileName);

/// Texts of the type conditions (kbcC_TypeBC::TypeEnm).
MDB_API const omu_PrimEnumBase& kbcC_TypeEnum();

/// The type labels of the deck's comments, by type identifier
/// (omi_Singleton<kbcC_BCTypeLabelMap> of the model database).
struct MDB_API kbcC_BCTypeLabelMap {
  /// The label of a condition class; nex_TextException for any other type.
  static const char* Label(std::type_index type);
};

/// A condition's state in one step. Each attribute carries its attribute
/// state (mdl_PropAttr): 1 given in this step, 2 carried over, 3 returned to
/// unset in this step.
struct MDB_API kbcC_BCState {
  /// Components: real parts (the value of a field condition is component 0),
  /// and imaginary parts of complex motions.
  std::array<mdl_PropAttr<double>, 6> real, imag;
  mdl_PropAttr<std::string> amplitude;
  mdl_PropAttr<bool> fixed;
  /// Type conditions: the value of kbcC_TypeEnum().
  mdl_PropAttr<int> type;
  /// Buckling steps: the load case of the buckling analysis the condition
  /// applies to: 1, 2, or both (0 and 3).
  mdl_PropAttr<int> buckleCase;
  /// Submodel conditions with shell-to-solid submodeling: the shell thickness.
  mdl_PropAttr<double> shellThickness;

  /// Whether the condition is written in its complex form (real parts as
  /// load case 1, imaginary parts as load case 2) in a step of the given
  /// procedure: in steady-state dynamics steps computed directly or in
  /// subspace, when some imaginary part is given.
  bool UseComplex(std::type_index procedureType) const;
  /// True when some attribute returned to unset in this step.
  bool HasReset() const;

  /// f(attribute) on every attribute, named or not.
  template <class F>
  void ForEachAttr(F&& f) {
    for (auto& c : real) f(c);
    for (auto& c : imag) f(c);
    f(amplitude);
    f(fixed);
    f(type);
    f(buckleCase);
    f(shellThickness);
  }
  template <class F>
  void ForEachAttr(F&& f) const {
    const_cast<kbcC_BCState*>(this)->ForEachAttr([&](const auto& attr) { f(attr); });
  }
};

/// Base of the model's boundary conditions (step-dependent).
class MDB_API kbcC_BoundaryCondition : public mdl_Object {
 public:
  enum DistribTypeEnum : int { DISTRIBUTION_UNIFORM = 0, DISTRIBUTION_USER = 1 };

  kbcC_BoundaryCondition(std::string name, kbcC_BCKind kind);
  ~kbcC_BoundaryCondition() override;

  kbcC_BCKind Kind() const noexcept { return kind_; }
  const kbcC_BCInfo& Info() const { return kbcC_Info(kind_); }

  /// The regions whose degrees of freedom this condition gives in a datum
  /// coordinate system, each with that system; the deck writes a *Transform
  /// for them.
  virtual rgnC_DatumRegionList DatumCsysRegions() const;

  /// Status (mdl_PropagationStatusEnm) and state in the step at a position.
  int Status(std::size_t step) const noexcept { return states.Status(step); }
  const kbcC_BCState& ConstGetStateQuad(std::size_t step) const noexcept { return states.State(step); }
  /// The condition's own answer, for a modified condition, whether its
  /// keyword group must be restated in the step: yes when one of its
  /// attributes returned to unset there (the deck removes a value only by
  /// restating the group).
  bool RestatesGroup(std::size_t step) const { return states.State(step).HasReset(); }

  bool suppressed = false;
  rgnC_Region region;
  /// Datum coordinate system of the degrees of freedom; 0 for the global system.
  int datum = 0;
  DistribTypeEnum distribution = DISTRIBUTION_UNIFORM;
  /// Temperature: the degrees of freedom it is written for (none: 11 alone);
  /// submodel: the driven degrees of freedom.
  std::vector<int> dofs;
  /// Connector motions: the names of the connector wire regions.
  std::vector<std::string> connectorRegions;
  /// Submodel: driving global step, its increment (0 for its end), time
  /// scaling, global element set, tolerances (0 when not given) and the
  /// length of which 0.1 is the shell thickness when the state gives none.
  std::string globalStep;
  int globalIncrement = 0;
  bool timeScale = false;
  std::string globalElset;
  double absoluteExteriorTolerance = 0.0;
  double exteriorTolerance = 0.0;
  double length = 0.0;

  mdl_StepStates<kbcC_BCState> states;

 private:
  kbcC_BCKind kind_;
};

using kbcC_BC = kbcC_BoundaryCondition;
using kbcC_BCStatesList = mdl_StepStates<kbcC_BCState>;

/// The concrete class of the conditions of one kind.
template <kbcC_BCKind K>
class kbcC_BCOf final : public kbcC_BoundaryCondition {
 public:
  explicit kbcC_BCOf(std::string name) : kbcC_BoundaryCondition(std::move(name), K) {}
};

using kbcC_DisplacementBC = kbcC_BCOf<kbcC_BCKind::Displacement>;
using kbcC_VelocityBC = kbcC_BCOf<kbcC_BCKind::Velocity>;
using kbcC_AccelerationBC = kbcC_BCOf<kbcC_BCKind::Acceleration>;
using kbcC_TypeBC = kbcC_BCOf<kbcC_BCKind::Type>;
using kbcC_TemperatureBC = kbcC_BCOf<kbcC_BCKind::Temperature>;
using kbcC_PorePressureBC = kbcC_BCOf<kbcC_BCKind::PorePressure>;
using kbcC_AcousticPressureBC = kbcC_BCOf<kbcC_BCKind::AcousticPressure>;
using kbcC_FluidCavityPressureBC = kbcC_BCOf<kbcC_BCKind::FluidCavityPressure>;
using kbcC_ConcentrationBC = kbcC_BCOf<kbcC_BCKind::Concentration>;
using kbcC_ElectricPotentialBC = kbcC_BCOf<kbcC_BCKind::ElectricPotential>;
using kbcC_HydrostaticPressureBC = kbcC_BCOf<kbcC_BCKind::HydrostaticPressure>;
using kbcC_SubmodelBC = kbcC_BCOf<kbcC_BCKind::Submodel>;
using kbcC_ConnDisplacementBC = kbcC_BCOf<kbcC_BCKind::ConnDisplacement>;
using kbcC_ConnVelocityBC = kbcC_BCOf<kbcC_BCKind::ConnVelocity>;
using kbcC_ConnAccelerationBC = kbcC_BCOf<kbcC_BCKind::ConnAcceleration>;

/// A new condition of a kind, of its concrete class.
MDB_API std::shared_ptr<kbcC_BoundaryCondition> kbcC_Make(kbcC_BCKind kind, const std::string& name);
/// The type identifier of a kind's class.
MDB_API std::type_index kbcC_TypeIdOf(kbcC_BCKind kind);
