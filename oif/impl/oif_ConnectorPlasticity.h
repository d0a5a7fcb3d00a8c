#pragma once
// "*Connector Plasticity" with its hardening and, when coupled, its
// potential; "*Connector Damage Initiation" with its potential and
// "*Connector Damage Evolution".
#include <memory>

#include "modeldb/kbeC_ConnectorBehavior.h"
#include "zkw/zkw_Keyword.h"

class oif_ConnectorPlasticity : public zkw_Keyword {
 public:
  explicit oif_ConnectorPlasticity(std::shared_ptr<const kbeC_ConnectorPlasticity> option)
      : option_(std::move(option)) {}
  zkw_Keyword* Clone() const override { return new oif_ConnectorPlasticity(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kbeC_ConnectorPlasticity> option_;
};

class oif_ConnectorDamage : public zkw_Keyword {
 public:
  explicit oif_ConnectorDamage(std::shared_ptr<const kbeC_ConnectorDamage> option) : option_(std::move(option)) {}
  zkw_Keyword* Clone() const override { return new oif_ConnectorDamage(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kbeC_ConnectorDamage> option_;
};
