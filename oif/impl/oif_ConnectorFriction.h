#pragma once
// "*Connector Friction" with its "*Friction" law and, for coupled friction,
// "*Connector Potential".
#include <memory>

#include "modeldb/kbeC_ConnectorBehavior.h"
#include "zkw/zkw_Keyword.h"

class oif_ConnectorFriction : public zkw_Keyword {
 public:
  /// `explicitStep`: the model has an explicit step, whose friction takes no slip parameters.
  oif_ConnectorFriction(std::shared_ptr<const kbeC_ConnectorFriction> option, bool explicitStep)
      : option_(std::move(option)), explicitStep_(explicitStep) {}
  zkw_Keyword* Clone() const override { return new oif_ConnectorFriction(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  void WriteFrictionLaw(utl_Stream& stream) const;

  std::shared_ptr<const kbeC_ConnectorFriction> option_;
  bool explicitStep_;
};
