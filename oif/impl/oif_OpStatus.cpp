#include "oif/impl/oif_OpStatus.h"

#include <utility>

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_SetName.h"
#include "textstream/aio_ios.h"

namespace {

using KeyTable = std::unordered_map<std::type_index, int>;

int Lookup(const KeyTable& table, std::type_index type) {
  auto it = table.find(type);
  return it == table.end() ? -1 : it->second;
}

const KeyTable& LoadKeys() {
  static const KeyTable table = {
      {mdl_TypeId<kloC_ConcentratedForce>(), 0}, {mdl_TypeId<kloC_Moment>(), 0},
      {mdl_TypeId<kloC_BoltLoad>(), 0}, {mdl_TypeId<kloC_PEGLoad>(), 0},
      {mdl_TypeId<kloC_ConcentratedPoreFluid>(), 0}, {mdl_TypeId<kloC_InwardVolAccel>(), 0},
      {mdl_TypeId<kloC_BodyForce>(), 1}, {mdl_TypeId<kloC_Gravity>(), 1},
      {mdl_TypeId<kloC_LineLoad>(), 1}, {mdl_TypeId<kloC_PipePressure>(), 1},
      {mdl_TypeId<kloC_RotationalBodyForce>(), 1},
      {mdl_TypeId<kloC_Pressure>(), 2}, {mdl_TypeId<kloC_SurfaceTraction>(), 2},
      {mdl_TypeId<kloC_ShellEdgeLoad>(), 2},
      {mdl_TypeId<kloC_ConcentratedHeatFlux>(), 3}, {mdl_TypeId<kloC_ConcentratedConcentrationFlux>(), 3},
      {mdl_TypeId<kloC_BodyHeatFlux>(), 4}, {mdl_TypeId<kloC_BodyConcentrationFlux>(), 4},
      {mdl_TypeId<kloC_SurfaceHeatFlux>(), 5}, {mdl_TypeId<kloC_SurfaceConcentrationFlux>(), 5},
      {mdl_TypeId<kloC_SurfacePoreFluid>(), 6},
      {mdl_TypeId<kloC_HydroFluidFlow>(), 7},
      {mdl_TypeId<kloC_SubstructureLoad>(), 8},
      {mdl_TypeId<kloC_ConcentratedCharge>(), 9},
      {mdl_TypeId<kloC_BodyCharge>(), 10},
      {mdl_TypeId<kloC_SurfaceCharge>(), 11},
      {mdl_TypeId<kloC_ConcentratedCurrent>(), 12},
      {mdl_TypeId<kloC_BodyCurrent>(), 13},
      {mdl_TypeId<kloC_SurfaceCurrent>(), 14},
      {mdl_TypeId<kloC_ConnectorForce>(), 15}, {mdl_TypeId<kloC_ConnectorMoment>(), 15},
      {mdl_TypeId<kloC_InertiaRelief>(), 16},
  };
  return table;
}

const KeyTable& BCKeys() {
  static const KeyTable table = [] {
    KeyTable keys;
    for (const kbcC_BCInfo& info : kbcC_BCTable()) keys.emplace(kbcC_TypeIdOf(info.kind), info.IsConnector() ? 1 : 0);
    keys.emplace(mdl_TypeId<kloC_BoltLoad>(), 0);
    return keys;
  }();
  return table;
}

const KeyTable& FieldKeys() {
  static const KeyTable table = {
      {mdl_TypeId<kpfC_Temperature>(), 0}, {mdl_TypeId<kpfC_PressureStress>(), 1},
      {mdl_TypeId<kpfC_MassFlowRate>(), 2}, {mdl_TypeId<kpfC_GeneralFieldBase>(), 3},
      {mdl_TypeId<kpfC_Velocity>(), 4}, {mdl_TypeId<kpfC_Stress>(), 5},
      {mdl_TypeId<kpfC_Hardening>(), 6},
      // Initial conditions only, as hardening: never restated, so they share its key.
      {mdl_TypeId<kpfC_Solution>(), 6},
  };
  return table;
}

const KeyTable& InteractionKeys() {
  static const KeyTable table = {
      {mdl_TypeId<kinC_FilmCondition>(), 0},
      {mdl_TypeId<kinC_RadiationToAmbient>(), 1},
      {mdl_TypeId<kinC_ContactExp>(), 2},
  };
  return table;
}

/// The objects of a step-dependent container, in the order of its keys.
template <class T>
std::vector<const T*> Objects(const kprC_PropagatingContainer<T>& container) {
  std::vector<const T*> objects;
  objects.reserve(container.Size());
  for (const auto& [name, object] : container) objects.push_back(object.get());
  return objects;
}

}  // namespace

// ---------------------------------------------------------------------------
// oif_OpStatus

oif_OpStatus::~oif_OpStatus() = default;

void oif_OpStatus::Initialize(const std::vector<cow_String>& stepNames, int keyCount) {
  stepNames_ = stepNames;
  stepCount_ = int(stepNames.size());
  stepIndex_.clear();
  for (std::size_t i = stepNames.size(); i-- > 0;) stepIndex_[stepNames[i]] = i;  // the first of equal names
  flags_.assign(std::size_t(keyCount), std::vector<char>(stepNames.size(), 0));
}

bool oif_OpStatus::IsNew(std::type_index type, std::size_t step) const { return Flag(StatusKey(type), step); }

bool oif_OpStatus::IsNew(std::type_index type, const cow_String& stepName) const {
  const int key = StatusKey(type);
  auto it = stepIndex_.find(stepName);
  return it != stepIndex_.end() && Flag(key, it->second);
}

void oif_OpStatus::MarkAllKeys(std::size_t step) {
  if (step >= std::size_t(stepCount_)) return;
  for (auto& flags : flags_) flags[step] = 1;
}

void oif_OpStatus::Mark(int key, std::size_t step) {
  NEX_ASSERT(key >= 0 && key < KeyCount() && step < std::size_t(stepCount_));
  flags_[std::size_t(key)][step] = 1;
}

bool oif_OpStatus::Flag(int key, std::size_t step) const {
  NEX_ASSERT(key >= 0 && key < KeyCount());
  return step < std::size_t(stepCount_) && flags_[std::size_t(key)][step] != 0;
}

// ---------------------------------------------------------------------------
// Loads

int oif_LoadOpStatus::StatusKey(std::type_index type) const {
  const int key = Lookup(LoadKeys(), type);
  if (key < 0) nex_TextException("Unimplemented load->statusKey conversion").Throw("oif_OpStatus", __LINE__);
  return key;
}

void oif_LoadOpStatus::Fill(const kprC_PropagatingContainer<kloC_Load>& loads,
                            const std::vector<cow_String>& stepNames, zkw_ModelInfo& info) {
  Initialize(stepNames, KeyCount);
  const std::vector<const kloC_Load*> objects = Objects(loads);
  const std::size_t steps = stepNames.size();

  // Deactivation pass: a removed load, or a bolt load whose method changed,
  // restates its group.
  for (const kloC_Load* load : objects) {
    if (load->suppressed) continue;
    const auto* bolt = dynamic_cast<const kloC_BoltLoad*>(load);
    for (std::size_t i = 1; i < steps; ++i) {
      const int s = load->Status(i);
      if (s == mdl_Deactivated)
        Mark(StatusKey(load->DynTypeId()), i);
      else if (bolt && s == mdl_Modified && bolt->ConstGetState(i).method.IsModified())
        Mark(0, i);
    }
  }

  // Shared-region pass: two loads of one group on one region make the group
  // restated in every step, since a changes-only line could not tell them apart.
  std::vector<std::set<cow_String>> regions(KeyCount);
  std::vector<bool> shared(KeyCount, false);
  for (const kloC_Load* load : objects) {
    if (load->suppressed) continue;
    const int key = StatusKey(load->DynTypeId());
    const cow_String name = oif_SetName(load->region, info).Name(2);
    if (!regions[std::size_t(key)].insert(name).second) shared[std::size_t(key)] = true;
  }
  for (int key = 0; key < KeyCount; ++key)
    if (shared[std::size_t(key)])
      for (std::size_t i = 1; i < steps; ++i) Mark(key, i);
}

bool oif_LoadOpStatus::Writes(int status, bool opNew) {
  return status == mdl_Created || status == mdl_Modified || status == mdl_Deactivated ||
         (status == mdl_Propagated && opNew);
}

// ---------------------------------------------------------------------------
// Boundary conditions

int oif_BCOpStatus::StatusKey(std::type_index type) const {
  const int key = Lookup(BCKeys(), type);
  if (key < 0) nex_TextException("Unimplemented bc->statusKey conversion").Throw("oif_OpStatus", __LINE__);
  return key;
}

void oif_BCOpStatus::Fill(const kprC_PropagatingContainer<kbcC_BoundaryCondition>& conditions,
                          const kprC_PropagatingContainer<kloC_Load>& loads,
                          const std::vector<cow_String>& stepNames) {
  Initialize(stepNames, KeyCount);
  const std::size_t steps = stepNames.size();

  // Boundary-condition pass: a removal restates the group; so does a
  // modification that the condition says needs it.
  for (const auto& [name, condition] : conditions) {
    if (condition->suppressed) continue;
    for (std::size_t i = 1; i < steps; ++i) {
      const int s = condition->Status(i);
      const bool mark = s == mdl_Deactivated || s == mdl_Deactivated2 ||
                        ((s == mdl_Modified || s == mdl_Modified2) && condition->RestatesGroup(i));
      if (mark) Mark(StatusKey(condition->DynTypeId()), i);
    }
  }

  // Bolt-load pass: a bolt whose method changes, or a removed bolt that was
  // applied as a length, restates the *Boundary group.
  for (const auto& [name, load] : loads) {
    const auto* bolt = dynamic_cast<const kloC_BoltLoad*>(load.get());
    if (!bolt || bolt->suppressed) continue;
    for (std::size_t i = 1; i < steps; ++i) {
      const int s = bolt->Status(i);
      if (s == mdl_BoltPropagated) continue;
      const auto& method = bolt->ConstGetState(i).method;
      if ((s != mdl_Created && method.IsModified()) || (s == mdl_Deactivated && method.ConstGet() != 0)) Mark(0, i);
    }
  }
}

void oif_BCOpStatus::MarkBucklingSteps(const kprC_StepContainer& steps) {
  for (std::size_t i = 1; i < steps.Size(); ++i)
    if (steps.At(i).DynTypeId() == mdl_TypeId<kprC_BuckleStep>()) MarkAllKeys(i);
}

bool oif_BCOpStatus::Writes(int status, bool restated) {
  switch (status) {
    case mdl_Created:
    case mdl_Modified:
    case mdl_Deactivated:
    case mdl_Modified2:
    case mdl_Deactivated2:
      return true;
    case mdl_Propagated:
    case mdl_Propagated2:
      return restated;
    default:
      return false;
  }
}

// ---------------------------------------------------------------------------
// Fields

int oif_FieldOpStatus::StatusKey(std::type_index type) const {
  const int key = Lookup(FieldKeys(), type);
  if (key < 0) nex_TextException("Unimplemented field->statusKey conversion").Throw("oif_OpStatus", __LINE__);
  return key;
}

void oif_FieldOpStatus::Fill(const kprC_PropagatingContainer<kpfC_Field>& fields,
                             const std::vector<cow_String>& stepNames) {
  Initialize(stepNames, KeyCount);
  for (const auto& [name, field] : fields)
    for (std::size_t i = 1; i < stepNames.size(); ++i)
      if (field->Status(i) == mdl_FieldRestated) Mark(StatusKey(field->DynTypeId()), i);
}

bool oif_FieldOpStatus::Writes(int status, bool restated) {
  switch (status) {
    case mdl_Created:
    case mdl_Modified:
    case mdl_Deactivated:
    case mdl_FieldRestated:
      return true;
    case mdl_Propagated:
    case mdl_FieldPropagated:
      return restated;
    default:
      return false;
  }
}

// ---------------------------------------------------------------------------
// Interactions

int oif_InteractionOpStatus::StatusKey(std::type_index type) const {
  const int key = Lookup(InteractionKeys(), type);
  if (key < 0)
    nex_AssertException("\"Unimplemented interaction->statusKey conversion\" == 0").Throw("oif_OpStatus", __LINE__);
  return key;
}

void oif_InteractionOpStatus::Fill(const kprC_PropagatingContainer<kinC_Interaction>& interactions,
                                   const std::vector<cow_String>& stepNames) {
  Initialize(stepNames, KeyCount);
  for (const auto& [name, interaction] : interactions) {
    const int key = Lookup(InteractionKeys(), interaction->DynTypeId());
    if (key < 0) continue;  // other interactions do not follow the step history
    for (std::size_t i = 1; i < stepNames.size(); ++i)
      if (interaction->GetPropStatus(i) == mdl_Deactivated) Mark(key, i);
  }
}

// ---------------------------------------------------------------------------
// Keyword form and step heading

cow_String oif_ScaleFactorText(double scale) {
  cow_String number;
  aio_ios ios;
  ios.attach(number);
  {
    utl_Stream stream(ios, 0, 6, 6);
    stream << scale;
  }
  return "   Scale factor: " + number;
}

SectionHeading::SectionHeading(const cow_String& title) : heading_("\n" + title + "\n"), filler_(cow_String()) {}

const zkw_Keyword& SectionHeading::HeadingFor(const cow_String& name) {
  if (seen_.insert(name).second) return heading_;
  return filler_;
}
