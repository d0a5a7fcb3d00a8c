#pragma once
// Loads (step-dependent). Every load reports a propagation status per step
// (by step position, 0 the initial step); its concrete class tells its kind.
// The load classes below are the ones the deck's load keywords are grouped
// by; bolt loads also carry a state per step, since a bolt applied as a
// length is written as a boundary condition.
#include <string>

#include <array>

#include "modeldb/kloC_LoadState.h"
#include "modeldb/mdl_Object.h"
#include "modeldb/mdl_PropAttr.h"
#include "modeldb/rgnC_Region.h"

/// Base of the model's loads (step-dependent).
class MDB_API kloC_Load : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kloC_Load() override;

  /// Concentrated forces and moments: the regions whose load components are
  /// given in a datum coordinate system, each with that system (the deck
  /// writes a *Transform for them). None by default.
  virtual rgnC_DatumRegionList DatumCsysRegions() const;
  /// Inertia relief: the datum coordinate system its directions are given in
  /// (written as an *Orientation); 0 for none, the default.
  virtual int OrientationDatum() const;

  /// Propagation status (mdl_PropagationStatusEnm) in the step at a position.
  int Status(std::size_t step) const noexcept { return statuses.Status(step); }

  bool suppressed = false;
  rgnC_Region region;
  mdl_StatusList statuses;
};

/// Kinds of loads, one per load class.
enum class kloC_LoadKind : int {
  ConcentratedForce, Moment, PEGLoad, ConcentratedPoreFluid, InwardVolAccel,
  BodyForce, Gravity, LineLoad, PipePressure, RotationalBodyForce,
  Pressure, SurfaceTraction, ShellEdgeLoad,
  ConcentratedHeatFlux, ConcentratedConcentrationFlux,
  BodyHeatFlux, BodyConcentrationFlux,
  SurfaceHeatFlux, SurfaceConcentrationFlux,
  SurfacePoreFluid, HydroFluidFlow, SubstructureLoad,
  ConcentratedCharge, BodyCharge, SurfaceCharge,
  ConcentratedCurrent, BodyCurrent, SurfaceCurrent,
  ConnectorForce, ConnectorMoment, InertiaRelief,
  Count
};

/// The loads of the kind table (all but bolt loads): what does not change
/// over the steps, and a state per step. The kind table (kloC_LoadTable.h)
/// tells which members a kind uses.
class MDB_API kloC_KindLoad : public kloC_Load {
 public:
  /// Variants of a kind: rotational body forces (centrifugal, rotary
  /// acceleration), pipe pressures (external, internal), line loads (global,
  /// beam-local).
  enum VariantEnm : int { VARIANT_FIRST = 0, VARIANT_SECOND = 1 };
  enum DistributionEnm : int { DISTRIBUTION_UNIFORM = 0, DISTRIBUTION_USER = 1, DISTRIBUTION_HYDROSTATIC = 2 };
  /// The space the load's region lies in.
  enum SpaceEnm : int { SPACE_3D = 0, SPACE_2D = 1, SPACE_AXISYMMETRIC = 2 };

  kloC_KindLoad(std::string name, kloC_LoadKind kind) : kloC_Load(std::move(name)), kind_(kind) {}
  ~kloC_KindLoad() override;

  kloC_LoadKind Kind() const noexcept { return kind_; }
  rgnC_DatumRegionList DatumCsysRegions() const override;
  int OrientationDatum() const override;

  const kloC_LoadState& ConstGetStateQuad(std::size_t step) const noexcept { return states.State(step); }
  /// Sets status and state of a step (steps in increasing order).
  void Set(std::size_t step, int status, kloC_LoadState state) {
    statuses.Set(step, status);
    states.Set(step, status, std::move(state));
  }

  /// Concentrated forces and moments follow the rotation of their nodes.
  bool follower = false;
  DistributionEnm distribution = DISTRIBUTION_UNIFORM;
  int variant = VARIANT_FIRST;
  SpaceEnm space = SPACE_3D;
  /// Datum coordinate system of the components (forces, moments, inertia
  /// relief); 0 for the global system.
  int datum = 0;
  /// Rotational body forces: two points on the axis of rotation.
  std::array<double, 3> point1{}, point2{};
  mdl_StepStates<kloC_LoadState> states;

 private:
  kloC_LoadKind kind_;
};

/// The class of the loads of one kind (all but bolt loads).
template <kloC_LoadKind K>
class kloC_LoadOf : public kloC_KindLoad {
 public:
  explicit kloC_LoadOf(std::string name) : kloC_KindLoad(std::move(name), K) {}
};

using kloC_ConcentratedForce = kloC_LoadOf<kloC_LoadKind::ConcentratedForce>;
using kloC_Moment = kloC_LoadOf<kloC_LoadKind::Moment>;
using kloC_PEGLoad = kloC_LoadOf<kloC_LoadKind::PEGLoad>;
using kloC_ConcentratedPoreFluid = kloC_LoadOf<kloC_LoadKind::ConcentratedPoreFluid>;
using kloC_InwardVolAccel = kloC_LoadOf<kloC_LoadKind::InwardVolAccel>;
using kloC_BodyForce = kloC_LoadOf<kloC_LoadKind::BodyForce>;
using kloC_Gravity = kloC_LoadOf<kloC_LoadKind::Gravity>;
using kloC_LineLoad = kloC_LoadOf<kloC_LoadKind::LineLoad>;
using kloC_PipePressure = kloC_LoadOf<kloC_LoadKind::PipePressure>;
using kloC_RotationalBodyForce = kloC_LoadOf<kloC_LoadKind::RotationalBodyForce>;
using kloC_Pressure = kloC_LoadOf<kloC_LoadKind::Pressure>;
using kloC_SurfaceTraction = kloC_LoadOf<kloC_LoadKind::SurfaceTraction>;
using kloC_ShellEdgeLoad = kloC_LoadOf<kloC_LoadKind::ShellEdgeLoad>;
using kloC_ConcentratedHeatFlux = kloC_LoadOf<kloC_LoadKind::ConcentratedHeatFlux>;
using kloC_ConcentratedConcentrationFlux = kloC_LoadOf<kloC_LoadKind::ConcentratedConcentrationFlux>;
using kloC_BodyHeatFlux = kloC_LoadOf<kloC_LoadKind::BodyHeatFlux>;
using kloC_BodyConcentrationFlux = kloC_LoadOf<kloC_LoadKind::BodyConcentrationFlux>;
using kloC_SurfaceHeatFlux = kloC_LoadOf<kloC_LoadKind::SurfaceHeatFlux>;
using kloC_SurfaceConcentrationFlux = kloC_LoadOf<kloC_LoadKind::SurfaceConcentrationFlux>;
using kloC_SurfacePoreFluid = kloC_LoadOf<kloC_LoadKind::SurfacePoreFluid>;
using kloC_HydroFluidFlow = kloC_LoadOf<kloC_LoadKind::HydroFluidFlow>;
using kloC_SubstructureLoad = kloC_LoadOf<kloC_LoadKind::SubstructureLoad>;
using kloC_ConcentratedCharge = kloC_LoadOf<kloC_LoadKind::ConcentratedCharge>;
using kloC_BodyCharge = kloC_LoadOf<kloC_LoadKind::BodyCharge>;
using kloC_SurfaceCharge = kloC_LoadOf<kloC_LoadKind::SurfaceCharge>;
using kloC_ConcentratedCurrent = kloC_LoadOf<kloC_LoadKind::ConcentratedCurrent>;
using kloC_BodyCurrent = kloC_LoadOf<kloC_LoadKind::BodyCurrent>;
using kloC_SurfaceCurrent = kloC_LoadOf<kloC_LoadKind::SurfaceCurrent>;
using kloC_ConnectorForce = kloC_LoadOf<kloC_LoadKind::ConnectorForce>;
using kloC_ConnectorMoment = kloC_LoadOf<kloC_LoadKind::ConnectorMoment>;
using kloC_InertiaRelief = kloC_LoadOf<kloC_LoadKind::InertiaRelief>;

/// How a bolt load acts: as a force (written as a load), or by adjusting or
/// fixing the bolt's length (written as a boundary condition).
enum kloC_BoltLoadMethodEnm : int { BOLT_APPLY_FORCE = 0, BOLT_ADJUST_LENGTH = 1, BOLT_FIX_LENGTH = 2 };

struct MDB_API kloC_BoltLoadState {
  mdl_PropAttr<kloC_BoltLoadMethodEnm> method;
  mdl_PropAttr<double> magnitude;
  mdl_PropAttr<std::string> amplitude;
  /// The bolt is inactive in the step (no data line).
  bool inactive = false;

  template <class F>
  void ForEachAttr(F&& f) {
    f(method);
    f(magnitude);
    f(amplitude);
  }
};

class MDB_API kloC_BoltLoad : public kloC_Load {
 public:
  using kloC_Load::kloC_Load;
  ~kloC_BoltLoad() override;

  /// The state in the step at a position (statuses: see kloC_Load::Status).
  const kloC_BoltLoadState& ConstGetState(std::size_t step) const noexcept { return states.State(step); }
  /// Sets status and state of a step (steps in increasing order).
  void Set(std::size_t step, int status, kloC_BoltLoadState state) {
    statuses.Set(step, status);
    states.Set(step, status, std::move(state));
  }

  mdl_StepStates<kloC_BoltLoadState> states;
};

/// The load-type labels of the deck's comments (omi_Singleton<kloC_LoadTypeLabelMap>).
struct MDB_API kloC_LoadTypeLabelMap {
  /// The label of a load class; nex_TextException for any other type.
  static const char* Label(std::type_index type);
};
