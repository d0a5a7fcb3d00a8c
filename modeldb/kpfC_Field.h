#pragma once
// Predefined fields (step-dependent): temperatures, pressure stresses, mass
// flow rates, general fields, and the initial velocities, stresses and
// hardening. Every field is one kpfC_Field of a kind (kpfC_FieldKind); the
// kinds are a closed set described once, in the kind table (kpfC_FieldTable()):
// the class name, the name in the model file, the type label of the deck's
// comments, the keyword group, the keywords of the initial and the analysis
// steps, the set kind of its region and the distributions it may have. The
// concrete class of a field is kpfC_FieldOf<kind> (kpfC_Temperature, ...), so
// that its DynTypeId() tells the kind.
//
// A field reports a propagation status per step (by step position, 0 the
// initial step) and a state per step (kpfC_FieldState).
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "modeldb/mdl_Object.h"
#include "modeldb/mdl_PropAttr.h"
#include "modeldb/rgnC_Region.h"

enum class kpfC_FieldKind : int {
  Temperature,
  PressureStress,
  MassFlowRate,
  GeneralField,
  Velocity,
  Stress,
  Hardening,
  Solution,
  Count
};
inline constexpr int kpfC_FieldKindCount = int(kpfC_FieldKind::Count);

/// How a field's values are given (kpfC_Field::distribution).
enum kpfC_DistributionEnm : int {
  kpfC_Uniform = 0,     ///< values of the state
  kpfC_User = 1,        ///< a user routine
  kpfC_Geostatic = 2,   ///< geostatic stress
  kpfC_FromFile = 3,    ///< read from the results file of an earlier analysis
  kpfC_FromFileUser = 4 ///< read from a results file and changed by a user routine
};

/// One row of the field table.
struct kpfC_FieldInfo {
  kpfC_FieldKind kind{};
  const char* className = nullptr;     ///< "kpfC_Temperature"
  const char* fileName = nullptr;      ///< kind in the model file ("temperature")
  const char* label = nullptr;         ///< type label of the deck's comment
  int statusKey = 0;                   ///< keyword group of the field operation status
  const char* initialType = nullptr;   ///< type= of *Initial Conditions in the initial step, or none
  const char* stepKeyword = nullptr;   ///< keyword in analysis steps, or none (*Initial Conditions there too)
  int setKind = 0;                     ///< rgnC_SetData kind of the region
  unsigned distributions = 0;          ///< bit d set: distribution d allowed
  int fixedValues = 0;                 ///< values a state has exactly (0: any number)

  bool Allows(int distribution) const noexcept {
    return distribution >= 0 && distribution < 8 && (distributions >> distribution & 1u) != 0;
  }
};

/// The kind table: one row per kind, in kind order.
MDB_API std::span<const kpfC_FieldInfo> kpfC_FieldTable();
/// The row of a kind; asserts that the kind is one of the table.
MDB_API const kpfC_FieldInfo& kpfC_Info(kpfC_FieldKind kind);
/// The row whose model-file name is `fileName`, or nullptr.
MDB_API const kpfC_FieldInfo* kpfC_FindKind(std::string_view fileName);

/// The type labels of the deck's comments, by type identifier (the label map
/// singleton of the field kind).
struct MDB_API kpfC_FieldTypeLabelMap {
  /// The label of a field class; nex_TextException for any other type.
  static const char* Label(std::type_index type);
};

/// A field's state in one step. Each attribute carries its attribute state
/// (mdl_PropAttr): 1 given in this step, 2 carried over, 3 returned to unset.
struct MDB_API kpfC_FieldState {
  /// Temperatures, field values, the mass flow rate's three values, the
  /// stress tensor, the hardening tensor, the solution-dependent variables.
  mdl_PropAttr<std::vector<double>> values;
  /// The pressure stress; the hardening's scalar value; the angular velocity.
  mdl_PropAttr<double> value;
  /// Velocity: the three translational components.
  mdl_PropAttr<std::vector<double>> velocity;
  /// Rotating velocity: the first and the second point of the axis.
  mdl_PropAttr<std::vector<double>> axis;
  /// Geostatic stress: two pairs of values and two further values.
  mdl_PropAttr<std::vector<double>> geostatic;
  mdl_PropAttr<std::string> amplitude;
  /// General field: the number of variables the values give.
  mdl_PropAttr<int> variables;
  /// Results-file forms: the file, the step and increment of *Initial
  /// Conditions, the begin and end of *Temperature and *Field, and the
  /// interpolation (1 interpolate, 2 midside) with its tolerances.
  mdl_PropAttr<std::string> file;
  mdl_PropAttr<int> fileStep, fileIncrement, beginStep, beginIncrement, endStep, endIncrement;
  mdl_PropAttr<int> interpolation;
  mdl_PropAttr<double> absoluteExteriorTolerance, exteriorTolerance;
};

/// Base of the model's predefined fields (step-dependent).
class MDB_API kpfC_Field : public mdl_Object {
 public:
  /// A field of a kind; `kpfC_FieldOf` fixes it.
  kpfC_Field(std::string name, kpfC_FieldKind kind);
  ~kpfC_Field() override;

  kpfC_FieldKind Kind() const noexcept { return kind_; }
  const kpfC_FieldInfo& Info() const { return kpfC_Info(kind_); }

  /// Propagation status (mdl_PropagationStatusEnm) in the step at a position.
  int Status(std::size_t step) const noexcept { return statuses.Status(step); }
  /// Whether a field of that status holds in the step.
  static bool IsActive(int status) noexcept {
    return status != mdl_Inactive && status != mdl_Deactivated && status != mdl_Deactivated2;
  }
  /// The state in the step at a position (empty outside the field's steps).
  const kpfC_FieldState& ConstGetState(std::size_t step) const noexcept;
  void SetState(std::size_t step, int status, kpfC_FieldState state);

  /// Velocity: the rotating form (angular velocity about an axis).
  bool IsRotatingVelocity() const noexcept { return rotating; }

  bool suppressed = false;
  mdl_StatusList statuses;
  rgnC_Region region;
  int distribution = kpfC_Uniform;
  /// Temperature: 1 or 2 when given per section point (no padding).
  int sectionPoints = 0;
  /// General field: the field-variable number.
  int variable = 1;
  bool rotating = false;

 private:
  kpfC_FieldKind kind_;
  std::vector<kpfC_FieldState> states_;
};

/// The class of the fields of one kind.
template <kpfC_FieldKind K>
class kpfC_FieldOf : public kpfC_Field {
 public:
  explicit kpfC_FieldOf(std::string name) : kpfC_Field(std::move(name), K) {}
};

using kpfC_Temperature = kpfC_FieldOf<kpfC_FieldKind::Temperature>;
using kpfC_PressureStress = kpfC_FieldOf<kpfC_FieldKind::PressureStress>;
using kpfC_MassFlowRate = kpfC_FieldOf<kpfC_FieldKind::MassFlowRate>;
/// The general field (its type is that of kpfC_GeneralFieldBase).
using kpfC_GeneralFieldBase = kpfC_FieldOf<kpfC_FieldKind::GeneralField>;
using kpfC_GeneralField = kpfC_GeneralFieldBase;
using kpfC_Velocity = kpfC_FieldOf<kpfC_FieldKind::Velocity>;
using kpfC_Stress = kpfC_FieldOf<kpfC_FieldKind::Stress>;
using kpfC_Hardening = kpfC_FieldOf<kpfC_FieldKind::Hardening>;
/// Initial values of the solution-dependent state variables of elements.
using kpfC_Solution = kpfC_FieldOf<kpfC_FieldKind::Solution>;

/// A new field of a kind, of its concrete class.
MDB_API std::shared_ptr<kpfC_Field> kpfC_Make(kpfC_FieldKind kind, const std::string& name);
/// The type identifier of a kind's class.
MDB_API std::type_index kpfC_TypeIdOf(kpfC_FieldKind kind);
