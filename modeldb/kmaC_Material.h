#pragma once
#include <array>
#include <memory>
#include <optional>

#include "modeldb/kmaC_MaterialOption.h"
#include "modeldb/mdl_Object.h"

/// A material: one slot per behaviour (the 46 behaviour kinds), the
/// regularization and three gasket slots (thickness behaviour, transverse
/// shear elasticity, membrane elasticity). A slot is empty or holds one
/// option of its kind; options are shared between copies of the material.
class MDB_API kmaC_Material : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kmaC_Material() override;

  /// Number of slots: the behaviours and the three gasket behaviours.
  static constexpr int kSlotCount = kmaC_BehaviorCount + 3;
  /// Slot of an option kind, or -1 when a material has no slot of that kind.
  static int SlotOf(kmaC_OptionKind kind) noexcept;

  /// The option in the slot of `kind`, or nullptr when the slot is empty.
  /// Asserts that the kind has a slot.
  const kmaC_MaterialOption* Option(kmaC_OptionKind kind) const;
  /// Fills the slot of the option's kind (asserts that the kind has one).
  void SetOption(std::shared_ptr<const kmaC_MaterialOption> option);

  /// True when one of the three gasket slots is filled.
  bool HasGasketBehavior() const;
  /// True when the viscoelastic slot is filled.
  bool IsViscoelastic() const { return Option(kmaC_OptionKind::Viscoelastic) != nullptr; }

  const std::optional<kmaC_Regularization>& Regularization() const noexcept { return regularization_; }
  void SetRegularization(const kmaC_Regularization& regularization) { regularization_ = regularization; }

 private:
  std::array<std::shared_ptr<const kmaC_MaterialOption>, kSlotCount> slots_{};
  std::optional<kmaC_Regularization> regularization_;
};
