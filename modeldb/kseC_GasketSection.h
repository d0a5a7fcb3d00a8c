#pragma once
#include <string>
#include <typeindex>

#include "modeldb/kseC_Section.h"

/// A gasket section. For now it carries only what the material builder
/// needs: the name of the material whose gasket behaviour it uses.
class MDB_API kseC_GasketSection : public kseC_Section {
 public:
  kseC_GasketSection(std::string name, std::string material)
      : kseC_Section(std::move(name)), material_(std::move(material)) {}
  ~kseC_GasketSection() override;

  /// The dynamic type identifier of gasket sections (compare with DynTypeId()).
  static std::type_index TypeId() { return mdl_TypeId<kseC_GasketSection>(); }
  const std::string& material() const noexcept { return material_; }

 private:
  std::string material_;
};
