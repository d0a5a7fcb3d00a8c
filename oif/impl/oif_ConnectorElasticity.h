#pragma once
// "*Connector Elasticity" and "*Connector Damping": rigid (elasticity
// only), linear and nonlinear, uncoupled (one keyword per listed component)
// or coupled.
#include <memory>

#include "modeldb/kbeC_ConnectorBehavior.h"
#include "zkw/zkw_Keyword.h"

/// The writer both keywords share; `keyword` is "*Connector Elasticity" or
/// "*Connector Damping".
class oif_ConnectorSpringKeyword : public zkw_Keyword {
 public:
  void Write(utl_Stream& stream) const override;

 protected:
  oif_ConnectorSpringKeyword(std::shared_ptr<const kbeC_ConnectorElasticity> option, const char* keyword)
      : option_(std::move(option)), keyword_(keyword) {}

 private:
  void WriteLinearUncoupled(utl_Stream& stream) const;
  void WriteLinearCoupled(utl_Stream& stream) const;
  void WriteNonlinear(utl_Stream& stream) const;

  std::shared_ptr<const kbeC_ConnectorElasticity> option_;
  const char* keyword_;
};

class oif_ConnectorElasticity : public oif_ConnectorSpringKeyword {
 public:
  explicit oif_ConnectorElasticity(std::shared_ptr<const kbeC_ConnectorElasticity> option);
  zkw_Keyword* Clone() const override { return new oif_ConnectorElasticity(*this); }
};

class oif_ConnectorDamping : public oif_ConnectorSpringKeyword {
 public:
  explicit oif_ConnectorDamping(std::shared_ptr<const kbeC_ConnectorDamping> option);
  zkw_Keyword* Clone() const override { return new oif_ConnectorDamping(*this); }
};

/// The coupled stiffness (or damping) table's cells: the option's table with
/// rule T, and an empty column at each term of the upper triangle whose
/// components are not both listed.
class oif_DataTable;
void oif_InsertUnlistedTerms(oif_DataTable& table, const std::vector<int>& components);
