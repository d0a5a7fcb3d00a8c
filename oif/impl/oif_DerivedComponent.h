#pragma once
// "*Connector Derived Component": a named combination of components that
// friction, plasticity and damage options cite.
#include <memory>

#include "modeldb/kbeC_ConnectorBehavior.h"
#include "zkw/zkw_Keyword.h"

class oif_DerivedComponent : public zkw_Keyword {
 public:
  explicit oif_DerivedComponent(std::shared_ptr<const kbeC_DerivedComponent> component)
      : component_(std::move(component)) {}
  zkw_Keyword* Clone() const override { return new oif_DerivedComponent(*this); }
  /// The keyword line, the line of its components, the line of its
  /// independent components (when it has them) and its table.
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kbeC_DerivedComponent> component_;
};
