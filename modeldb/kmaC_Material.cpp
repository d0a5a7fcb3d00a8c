#include "modeldb/kmaC_Material.h"

#include "exceptions/nex_Exception.h"

kmaC_Material::~kmaC_Material() = default;

int kmaC_Material::SlotOf(kmaC_OptionKind kind) noexcept {
  const int k = int(kind);
  if (k >= 0 && k < kmaC_BehaviorCount) return k;
  switch (kind) {
    case kmaC_OptionKind::GasketThicknessBehavior:
      return kmaC_BehaviorCount;
    case kmaC_OptionKind::GasketTransverseShearElasticity:
      return kmaC_BehaviorCount + 1;
    case kmaC_OptionKind::GasketMembraneElasticity:
      return kmaC_BehaviorCount + 2;
    default:
      return -1;
  }
}

const kmaC_MaterialOption* kmaC_Material::Option(kmaC_OptionKind kind) const {
  const int slot = SlotOf(kind);
  NEX_ASSERT(slot >= 0);
  return slots_[std::size_t(slot)].get();
}

void kmaC_Material::SetOption(std::shared_ptr<const kmaC_MaterialOption> option) {
  NEX_ASSERT(option != nullptr);
  const int slot = SlotOf(option->Kind());
  NEX_ASSERT(slot >= 0);
  slots_[std::size_t(slot)] = std::move(option);
}

bool kmaC_Material::HasGasketBehavior() const {
  for (int slot = kmaC_BehaviorCount; slot < kSlotCount; ++slot)
    if (slots_[std::size_t(slot)]) return true;
  return false;
}
