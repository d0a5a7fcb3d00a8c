#include "modeldb/kloC_LoadTable.h"
#include "modeldb/mdl_KindTable.h"

#include <cmath>
#include <utility>

#include "exceptions/nex_Exception.h"

namespace {

using K = kloC_LoadKind;
using F = kloC_LoadFamily;
using R = kloC_LoadRegion;

constexpr std::array<const char*, 3> kForce = {"cf1", "cf2", "cf3"};
constexpr std::array<const char*, 3> kMoment = {"cm1", "cm2", "cm3"};
constexpr std::array<const char*, 3> kComp = {"comp1", "comp2", "comp3"};
constexpr std::array<const char*, 3> kConnForce = {"f1", "f2", "f3"};
constexpr std::array<const char*, 3> kConnMoment = {"m1", "m2", "m3"};
constexpr std::array<const char*, 3> kMagnitude = {"magnitude"};

constexpr kloC_LoadInfo kInfos[] = {
    {K::ConcentratedForce, "kloC_ConcentratedForce", "concentrated force", "Concentrated force", 0, F::Cload,
     R::NodeSet, kForce, 3, true, false},
    {K::Moment, "kloC_Moment", "moment", "Moment", 0, F::Cload, R::NodeSet, kMoment, 3, true, false},
    {K::PEGLoad, "kloC_PEGLoad", "peg load", "Generalized plane strain", 0, F::Cload, R::NodeSet, kComp, 3, true,
     false},
    {K::ConcentratedPoreFluid, "kloC_ConcentratedPoreFluid", "concentrated pore fluid", "Concentrated pore fluid", 0,
     F::Cload, R::NodeSet, kMagnitude, 1, false, false},
    {K::InwardVolAccel, "kloC_InwardVolAccel", "inward volume acceleration", "Inward volume acceleration", 0,
     F::Cload, R::NodeSet, kMagnitude, 1, true, false},
    {K::BodyForce, "kloC_BodyForce", "body force", "Body force", 1, F::Dload, R::ElementSet, kComp, 3, true, true},
    {K::Gravity, "kloC_Gravity", "gravity", "Gravity", 1, F::Dload, R::ElementSet, kComp, 3, true, false},
    {K::LineLoad, "kloC_LineLoad", "line load", "Line load", 1, F::Dload, R::ElementSet, kComp, 3, true, true},
    {K::PipePressure, "kloC_PipePressure", "pipe pressure", "Pipe pressure", 1, F::Dload, R::ElementSet, kMagnitude,
     1, true, true},
    {K::RotationalBodyForce, "kloC_RotationalBodyForce", "rotational body force", "Rotational body force", 1,
     F::Dload, R::ElementSet, kMagnitude, 1, true, false},
    {K::Pressure, "kloC_Pressure", "pressure", "Pressure", 2, F::Dsload, R::Surface, kMagnitude, 1, true, true},
    {K::SurfaceTraction, "kloC_SurfaceTraction", "surface traction", "Surface traction", 2, F::Dsload, R::Surface,
     kMagnitude, 1, false, false},
    {K::ShellEdgeLoad, "kloC_ShellEdgeLoad", "shell edge load", "Shell edge load", 2, F::Dsload, R::Surface,
     kMagnitude, 1, false, false},
    {K::ConcentratedHeatFlux, "kloC_ConcentratedHeatFlux", "concentrated heat flux", "Concentrated heat flux", 3,
     F::Cflux, R::NodeSet, kMagnitude, 1, false, false},
    {K::ConcentratedConcentrationFlux, "kloC_ConcentratedConcentrationFlux", "concentrated concentration flux",
     "Concentrated concentration flux", 3, F::Cflux, R::NodeSet, kMagnitude, 1, false, false},
    {K::BodyHeatFlux, "kloC_BodyHeatFlux", "body heat flux", "Body heat flux", 4, F::Dflux, R::ElementSet,
     kMagnitude, 1, false, true},
    {K::BodyConcentrationFlux, "kloC_BodyConcentrationFlux", "body concentration flux", "Body concentration flux", 4,
     F::Dflux, R::ElementSet, kMagnitude, 1, false, true},
    {K::SurfaceHeatFlux, "kloC_SurfaceHeatFlux", "surface heat flux", "Surface heat flux", 5, F::Dsflux, R::Surface,
     kMagnitude, 1, false, true},
    {K::SurfaceConcentrationFlux, "kloC_SurfaceConcentrationFlux", "surface concentration flux",
     "Surface concentration flux", 5, F::Dsflux, R::Surface, kMagnitude, 1, false, true},
    {K::SurfacePoreFluid, "kloC_SurfacePoreFluid", "surface pore fluid", "Surface pore fluid", 6, F::Dsflow,
     R::Surface, kMagnitude, 1, false, true},
    {K::HydroFluidFlow, "kloC_HydroFluidFlow", "fluid flux", "Fluid flux", 7, F::FluidFlux, R::NodeSet, kMagnitude,
     1, false, false},
    {K::SubstructureLoad, "kloC_SubstructureLoad", "substructure load", "Substructure load", 8, F::None,
     R::ElementSet, kMagnitude, 1, false, false},
    {K::ConcentratedCharge, "kloC_ConcentratedCharge", "concentrated charge", "Concentrated charge", 9, F::Cecharge,
     R::NodeSet, kMagnitude, 1, true, false},
    {K::BodyCharge, "kloC_BodyCharge", "body charge", "Body charge", 10, F::Decharge, R::ElementSet, kMagnitude, 1,
     true, false},
    {K::SurfaceCharge, "kloC_SurfaceCharge", "surface charge", "Surface charge", 11, F::Dsecharge, R::Surface,
     kMagnitude, 1, true, false},
    {K::ConcentratedCurrent, "kloC_ConcentratedCurrent", "concentrated current", "Concentrated current", 12,
     F::Cecurrent, R::NodeSet, kMagnitude, 1, true, false},
    {K::BodyCurrent, "kloC_BodyCurrent", "body current", "Body current", 13, F::Decurrent, R::ElementSet,
     kMagnitude, 1, true, false},
    {K::SurfaceCurrent, "kloC_SurfaceCurrent", "surface current", "Surface current", 14, F::Dsecurrent, R::Surface,
     kMagnitude, 1, true, false},
    {K::ConnectorForce, "kloC_ConnectorForce", "connector force", "Connector force", 15, F::ConnectorLoad, R::Wires,
     kConnForce, 3, true, false},
    {K::ConnectorMoment, "kloC_ConnectorMoment", "connector moment", "Connector moment", 15, F::ConnectorLoad,
     R::Wires, kConnMoment, 3, true, false},
    {K::InertiaRelief, "kloC_InertiaRelief", "inertia relief", "Inertia relief", 16, F::CommentOnly, R::ElementSet,
     {}, 0, false, false},
};

static_assert(mdl_OneRowPerKindInOrder<kloC_LoadKind>(kInfos), "the load table needs one row per kind, in kind order");

template <std::size_t... I>
std::array<std::type_index, sizeof...(I)> TypeIds(std::index_sequence<I...>) {
  return {std::type_index(typeid(kloC_LoadOf<kloC_LoadKind(I)>))...};
}

const std::array<std::type_index, kloC_LoadKindCount>& AllTypeIds() {
  static const auto ids = TypeIds(std::make_index_sequence<kloC_LoadKindCount>());
  return ids;
}

template <std::size_t... I>
std::shared_ptr<kloC_KindLoad> Make(kloC_LoadKind kind, const std::string& name, std::index_sequence<I...>) {
  std::shared_ptr<kloC_KindLoad> made;
  ((kind == kloC_LoadKind(I) ? (made = std::make_shared<kloC_LoadOf<kloC_LoadKind(I)>>(name), 0) : 0), ...);
  return made;
}

}  // namespace

std::span<const kloC_LoadInfo> kloC_LoadTable() { return kInfos; }

const kloC_LoadInfo& kloC_Info(kloC_LoadKind kind) {
  NEX_ASSERT(int(kind) >= 0 && int(kind) < kloC_LoadKindCount);
  return kInfos[int(kind)];
}

const kloC_LoadInfo* kloC_FindKind(std::string_view fileName) {
  for (const kloC_LoadInfo& info : kInfos)
    if (fileName == info.fileName) return &info;
  return nullptr;
}

const kloC_LoadInfo* kloC_FindKind(std::type_index type) {
  const auto& ids = AllTypeIds();
  for (int i = 0; i < kloC_LoadKindCount; ++i)
    if (ids[std::size_t(i)] == type) return &kInfos[i];
  return nullptr;
}

std::type_index kloC_TypeIdOf(kloC_LoadKind kind) { return AllTypeIds()[std::size_t(kloC_Info(kind).kind)]; }

std::shared_ptr<kloC_KindLoad> kloC_Make(kloC_LoadKind kind, const std::string& name) {
  kloC_Info(kind);
  return Make(kind, name, std::make_index_sequence<kloC_LoadKindCount>());
}

kloC_KindLoad::~kloC_KindLoad() = default;

rgnC_DatumRegionList kloC_KindLoad::DatumCsysRegions() const {
  if (datum == 0 || (kind_ != kloC_LoadKind::ConcentratedForce && kind_ != kloC_LoadKind::Moment)) return {};
  return {rgnC_DatumRegion{datum, region}};
}

int kloC_KindLoad::OrientationDatum() const { return kind_ == kloC_LoadKind::InertiaRelief ? datum : 0; }
