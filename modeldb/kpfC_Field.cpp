#include "modeldb/kpfC_Field.h"

#include <array>
#include <utility>

#include "exceptions/nex_Exception.h"
#include "modeldb/mdl_KindTable.h"
#include "modeldb/rgnC_SetData.h"

namespace {

using K = kpfC_FieldKind;

constexpr unsigned Bits(std::initializer_list<int> distributions) {
  unsigned bits = 0;
  for (int d : distributions) bits |= 1u << d;
  return bits;
}

constexpr int kNodes = rgnC_SetData::NodeSet;
constexpr int kElements = rgnC_SetData::ElementSet;

constexpr kpfC_FieldInfo kInfos[] = {
    {K::Temperature, "kpfC_Temperature", "temperature", "Temperature", 0, "TEMPERATURE", "*Temperature", kNodes,
     Bits({kpfC_Uniform, kpfC_User, kpfC_FromFile, kpfC_FromFileUser}), 0},
    {K::PressureStress, "kpfC_PressureStress", "pressure stress", "Pressure stress", 1, nullptr, "*Pressure stress",
     kNodes, Bits({kpfC_Uniform, kpfC_User, kpfC_FromFile, kpfC_FromFileUser}), 0},
    {K::MassFlowRate, "kpfC_MassFlowRate", "mass flow rate", "Mass flow rate", 2, nullptr, "*Mass flow rate", kNodes,
     Bits({kpfC_Uniform, kpfC_User}), 3},
    {K::GeneralField, "kpfC_GeneralField", "field", "Field", 3, "FIELD", "*Field", kNodes,
     Bits({kpfC_Uniform, kpfC_User, kpfC_FromFile, kpfC_FromFileUser}), 0},
    {K::Velocity, "kpfC_Velocity", "velocity", "Velocity", 4, "VELOCITY", nullptr, kNodes, Bits({kpfC_Uniform}), 0},
    {K::Stress, "kpfC_Stress", "stress", "Stress", 5, "STRESS", nullptr, kElements,
     Bits({kpfC_Uniform, kpfC_User, kpfC_Geostatic, kpfC_FromFile}), 0},
    {K::Hardening, "kpfC_Hardening", "hardening", "Hardening", 6, "HARDENING", nullptr, kElements,
     Bits({kpfC_Uniform, kpfC_User, kpfC_FromFile}), 0},
    {K::Solution, "kpfC_Solution", "solution", "Solution-dependent state", 6, "SOLUTION", nullptr, kElements,
     Bits({kpfC_Uniform, kpfC_User}), 0},
};
static_assert(mdl_OneRowPerKindInOrder<kpfC_FieldKind>(kInfos), "the field table needs one row per kind, in kind order");

template <std::size_t... I>
std::array<std::type_index, sizeof...(I)> TypeIds(std::index_sequence<I...>) {
  return {std::type_index(typeid(kpfC_FieldOf<kpfC_FieldKind(I)>))...};
}

const std::array<std::type_index, kpfC_FieldKindCount>& AllTypeIds() {
  static const auto ids = TypeIds(std::make_index_sequence<kpfC_FieldKindCount>());
  return ids;
}

template <std::size_t... I>
std::shared_ptr<kpfC_Field> Make(kpfC_FieldKind kind, const std::string& name, std::index_sequence<I...>) {
  std::shared_ptr<kpfC_Field> made;
  ((kind == kpfC_FieldKind(I) ? (made = std::make_shared<kpfC_FieldOf<kpfC_FieldKind(I)>>(name), 0) : 0), ...);
  return made;
}

}  // namespace

std::span<const kpfC_FieldInfo> kpfC_FieldTable() { return kInfos; }

const kpfC_FieldInfo& kpfC_Info(kpfC_FieldKind kind) {
  NEX_ASSERT(int(kind) >= 0 && int(kind) < kpfC_FieldKindCount);
  return kInfos[int(kind)];
}

const kpfC_FieldInfo* kpfC_FindKind(std::string_view fileName) {
  for (const kpfC_FieldInfo& info : kInfos)
    if (fileName == info.fileName) return &info;
  return nullptr;
}

const char* kpfC_FieldTypeLabelMap::Label(std::type_index type) {
  const auto& ids = AllTypeIds();
  for (int i = 0; i < kpfC_FieldKindCount; ++i)
    if (ids[std::size_t(i)] == type) return kInfos[i].label;
  nex_TextException("Unimplemented field type label").Throw("kpfC_Field", __LINE__);
}

std::type_index kpfC_TypeIdOf(kpfC_FieldKind kind) { return AllTypeIds()[std::size_t(kpfC_Info(kind).kind)]; }

std::shared_ptr<kpfC_Field> kpfC_Make(kpfC_FieldKind kind, const std::string& name) {
  kpfC_Info(kind);
  return Make(kind, name, std::make_index_sequence<kpfC_FieldKindCount>());
}

kpfC_Field::kpfC_Field(std::string name, kpfC_FieldKind kind) : mdl_Object(std::move(name)), kind_(kind) {}

kpfC_Field::~kpfC_Field() = default;

const kpfC_FieldState& kpfC_Field::ConstGetState(std::size_t step) const noexcept {
  static const kpfC_FieldState empty{};
  return step < states_.size() ? states_[step] : empty;
}

void kpfC_Field::SetState(std::size_t step, int status, kpfC_FieldState state) {
  statuses.Set(step, status);
  if (states_.size() <= step) states_.resize(step + 1);
  states_[step] = std::move(state);
}
