#pragma once
#include <array>
#include <string>
#include <typeindex>

#include "modeldb/kseC_Section.h"

/// A gasket section: the material whose gasket behaviour it uses, and the
/// gasket's dimensions.
class MDB_API kseC_GasketSection : public kseC_Section {
 public:
  /// Positions in `values`: the cross-section (area or width), the initial
  /// gap, the initial thickness (unset: from the nodes) and the initial void.
  enum Value : int { CrossSection = 0, InitialGap = 1, InitialThickness = 2, InitialVoid = 3 };

  kseC_GasketSection(std::string name, std::string material)
      : kseC_Section(std::move(name)), material_(std::move(material)) {}
  ~kseC_GasketSection() override;

  /// The dynamic type identifier of gasket sections (compare with DynTypeId()).
  static std::type_index TypeId() { return mdl_TypeId<kseC_GasketSection>(); }
  const std::string& material() const noexcept { return material_; }

  std::array<double, 4> values{1.0, 0.0, mdl_UnsetDouble, 0.0};
  double stabilizationStiffness = mdl_UnsetDouble;
  kseC_HourglassValues hourglass;

 private:
  std::string material_;
};
