#pragma once
// Procedure keywords of the implicit steps, in the order the step kinds are
// listed: static and Riks, the transient family (heat transfer, coupled
// thermal-electrical, mass diffusion, soils), coupled temperature-
// displacement, visco, implicit dynamics, static linear perturbation,
// geostatic, anneal, and the solution technique companion.
//
// Each is constructed from the step, whose class it checks (nex_AssertException
// naming the expected class), and keeps a copy of it.
#include "modeldb/kprC_Step.h"
#include "zkw/zkw_Keyword.h"

/// "*Static" with its time stepping.
class oif_Static : public zkw_Keyword {
 public:
  explicit oif_Static(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_Static(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_StaticStep step_;
};

/// "*Static, riks": arc length stepping, ended by a load factor or a node's
/// displacement.
class oif_StaticRiks : public zkw_Keyword {
 public:
  /// `nodeSet`: printable name of the node set of the step's Riks node
  /// region; empty when the step has none.
  oif_StaticRiks(const kprC_Step& step, const cow_String& nodeSet);
  zkw_Keyword* Clone() const override { return new oif_StaticRiks(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_StaticRiksStep step_;
  cow_String nodeSet_;
};

class oif_HeatTransfer : public zkw_Keyword {
 public:
  explicit oif_HeatTransfer(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_HeatTransfer(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_HeatTransferStep step_;
};

class oif_CoupledThermalElectric : public zkw_Keyword {
 public:
  explicit oif_CoupledThermalElectric(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_CoupledThermalElectric(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_CoupledThermalElectricStep step_;
};

class oif_MassDiffusion : public zkw_Keyword {
 public:
  explicit oif_MassDiffusion(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_MassDiffusion(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_MassDiffusionStep step_;
};

class oif_Soils : public zkw_Keyword {
 public:
  explicit oif_Soils(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_Soils(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_SoilsStep step_;
};

class oif_CoupledTempDisplacement : public zkw_Keyword {
 public:
  /// `writesParts`: the deck is written with parts and an assembly (the
  /// creep parameter takes its newer form).
  oif_CoupledTempDisplacement(const kprC_Step& step, bool writesParts);
  zkw_Keyword* Clone() const override { return new oif_CoupledTempDisplacement(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_CoupledTempDisplacementStep step_;
  bool writesParts_;
};

class oif_Visco : public zkw_Keyword {
 public:
  oif_Visco(const kprC_Step& step, bool writesParts);
  zkw_Keyword* Clone() const override { return new oif_Visco(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_ViscoStep step_;
  bool writesParts_;
};

/// "*Dynamic" of implicit dynamics; its parameters are separated by ","
/// without blanks.
class oif_ImplicitDynamics : public zkw_Keyword {
 public:
  explicit oif_ImplicitDynamics(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_ImplicitDynamics(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_ImplicitDynamicsStep step_;
};

/// "*Static" of a linear perturbation step: no data line.
class oif_StaticLinearPerturbation : public zkw_Keyword {
 public:
  explicit oif_StaticLinearPerturbation(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_StaticLinearPerturbation(*this); }
  void Write(utl_Stream& stream) const override;
};

class oif_Geostatic : public zkw_Keyword {
 public:
  explicit oif_Geostatic(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_Geostatic(*this); }
  void Write(utl_Stream& stream) const override;
};

class oif_Anneal : public zkw_Keyword {
 public:
  explicit oif_Anneal(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_Anneal(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_AnnealStep step_;
};

/// "*Solution Technique, type=SEPARATED" for a coupled step solved with the
/// separated technique; nothing for any other step. Holds a reference to
/// the step.
class oif_SolutionTechnique : public zkw_Keyword {
 public:
  explicit oif_SolutionTechnique(const kprC_Step& step) : step_(&step) {}
  zkw_Keyword* Clone() const override { return new oif_SolutionTechnique(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  const kprC_Step* step_;
};
