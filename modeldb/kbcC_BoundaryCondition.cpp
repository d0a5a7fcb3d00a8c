#include "modeldb/kbcC_BoundaryCondition.h"
#include "modeldb/mdl_KindTable.h"

#include <utility>

#include "exceptions/nex_Exception.h"
#include "modeldb/kprC_Step.h"

namespace {

using K = kbcC_BCKind;
using F = kbcC_BCForm;

constexpr std::array<const char*, 6> kU = {"u1", "u2", "u3", "ur1", "ur2", "ur3"};
constexpr std::array<const char*, 6> kV = {"v1", "v2", "v3", "vr1", "vr2", "vr3"};
constexpr std::array<const char*, 6> kA = {"a1", "a2", "a3", "ar1", "ar2", "ar3"};
constexpr std::array<const char*, 6> kValue = {"magnitude"};
constexpr std::array<const char*, 6> kNone = {};

constexpr kbcC_BCInfo kInfos[] = {
    {K::Displacement, "kbcC_DisplacementBC", "displacement", "Displacement/Rotation", F::Motion, kU, 6, 0, nullptr, true},
    {K::Velocity, "kbcC_VelocityBC", "velocity", "Velocity/Angular velocity", F::Motion, kV, 6, 0, "VELOCITY", true},
    {K::Acceleration, "kbcC_AccelerationBC", "acceleration", "Acceleration/Angular acceleration", F::Motion, kA, 6, 0,
     "ACCELERATION", true},
    {K::Type, "kbcC_TypeBC", "symmetry", "Symmetry/Antisymmetry/Encastre", F::Type, kNone, 0, 0, nullptr, false},
    {K::Temperature, "kbcC_TemperatureBC", "temperature", "Temperature", F::Field, kValue, 1, 11, nullptr, true},
    {K::PorePressure, "kbcC_PorePressureBC", "pore pressure", "Pore pressure", F::Field, kValue, 1, 8, nullptr, true},
    {K::AcousticPressure, "kbcC_AcousticPressureBC", "acoustic pressure", "Acoustic pressure", F::Field, kValue, 1, 8,
     nullptr, true},
    {K::FluidCavityPressure, "kbcC_FluidCavityPressureBC", "fluid cavity pressure", "Fluid cavity pressure", F::Field,
     kValue, 1, 8, nullptr, true},
    {K::Concentration, "kbcC_ConcentrationBC", "concentration", "Mass concentration", F::Field, kValue, 1, 11, nullptr,
     true},
    {K::ElectricPotential, "kbcC_ElectricPotentialBC", "electric potential", "Electric potential", F::Field, kValue, 1,
     9, nullptr, false},
    {K::HydrostaticPressure, "kbcC_HydrostaticPressureBC", "hydrostatic pressure", "Hydrostatic fluid pressure",
     F::Field, kValue, 1, 8, nullptr, false},
    {K::Submodel, "kbcC_SubmodelBC", "submodel", "Submodel", F::Submodel, kNone, 0, 0, nullptr, false},
    {K::ConnDisplacement, "kbcC_ConnDisplacementBC", "connector displacement", "Connector displacement",
     F::ConnectorMotion, kU, 6, 0, nullptr, false},
    {K::ConnVelocity, "kbcC_ConnVelocityBC", "connector velocity", "Connector velocity", F::ConnectorMotion, kV, 6, 0,
     "VELOCITY", false},
    {K::ConnAcceleration, "kbcC_ConnAccelerationBC", "connector acceleration", "Connector acceleration",
     F::ConnectorMotion, kA, 6, 0, "ACCELERATION", false},
};

static_assert(mdl_OneRowPerKindInOrder<kbcC_BCKind>(kInfos), "the condition table needs one row per kind, in kind order");

constexpr const char* kTypeTexts[] = {"XSYMM", "YSYMM", "ZSYMM", "XASYMM", "YASYMM", "ZASYMM", "PINNED", "ENCASTRE"};
constexpr omu_PrimEnumBase kTypeEnum("kbcC_TypeBC::TypeEnm", kTypeTexts);

template <std::size_t... I>
std::array<std::type_index, sizeof...(I)> TypeIds(std::index_sequence<I...>) {
  return {std::type_index(typeid(kbcC_BCOf<kbcC_BCKind(I)>))...};
}

template <std::size_t... I>
std::shared_ptr<kbcC_BoundaryCondition> Make(kbcC_BCKind kind, const std::string& name, std::index_sequence<I...>) {
  std::shared_ptr<kbcC_BoundaryCondition> made;
  ((kind == kbcC_BCKind(I) ? (made = std::make_shared<kbcC_BCOf<kbcC_BCKind(I)>>(name), 0) : 0), ...);
  return made;
}

const std::array<std::type_index, kbcC_BCKindCount>& AllTypeIds() {
  static const auto ids = TypeIds(std::make_index_sequence<kbcC_BCKindCount>());
  return ids;
}

}  // namespace

std::span<const kbcC_BCInfo> kbcC_BCTable() { return kInfos; }

const kbcC_BCInfo& kbcC_Info(kbcC_BCKind kind) {
  NEX_ASSERT(int(kind) >= 0 && int(kind) < kbcC_BCKindCount);
  return kInfos[int(kind)];
}

const kbcC_BCInfo* kbcC_FindKind(std::string_view fileName) {
  for (const kbcC_BCInfo& info : kInfos)
    if (fileName == info.fileName) return &info;
  return nullptr;
}

const omu_PrimEnumBase& kbcC_TypeEnum() { return kTypeEnum; }

const char* kbcC_BCTypeLabelMap::Label(std::type_index type) {
  const auto& ids = AllTypeIds();
  for (int i = 0; i < kbcC_BCKindCount; ++i)
    if (ids[std::size_t(i)] == type) return kInfos[i].label;
  nex_TextException("Unimplemented boundary condition type label").Throw("kbcC_BoundaryCondition", __LINE__);
}

std::type_index kbcC_TypeIdOf(kbcC_BCKind kind) { return AllTypeIds()[std::size_t(kbcC_Info(kind).kind)]; }

std::shared_ptr<kbcC_BoundaryCondition> kbcC_Make(kbcC_BCKind kind, const std::string& name) {
  kbcC_Info(kind);
  return Make(kind, name, std::make_index_sequence<kbcC_BCKindCount>());
}

bool kbcC_BCState::UseComplex(std::type_index procedureType) const {
  if (procedureType != mdl_TypeId<kprC_SteadyStateDirectStep>() &&
      procedureType != mdl_TypeId<kprC_SteadyStateSubspaceStep>())
    return false;
  for (const auto& part : imag)
    if (part.IsSet()) return true;
  return false;
}

bool kbcC_BCState::HasReset() const {
  bool reset = false;
  ForEachAttr([&](const auto& attr) { reset = reset || attr.State() == mdl_AttrReset; });
  return reset;
}

kbcC_BoundaryCondition::kbcC_BoundaryCondition(std::string name, kbcC_BCKind kind)
    : mdl_Object(std::move(name)), kind_(kind) {}

kbcC_BoundaryCondition::~kbcC_BoundaryCondition() = default;

rgnC_DatumRegionList kbcC_BoundaryCondition::DatumCsysRegions() const {
  if (datum == 0) return {};
  return {rgnC_DatumRegion{datum, region}};
}
