#pragma once
// Procedure keywords of the modal steps and their companions: modal and
// subspace dynamics, eigenmode selection, random response, the steady-state
// dynamics forms, response spectrum and modal damping.
#include <typeindex>
#include <variant>

#include "modeldb/kprC_Step.h"
#include "zkw/zkw_Keyword.h"

class oif_ModalDynamics : public zkw_Keyword {
 public:
  /// `previousKind`: dynamic type of the step before this one; the step
  /// continues the response of a preceding modal dynamics step only.
  oif_ModalDynamics(const kprC_Step& step, std::type_index previousKind);
  zkw_Keyword* Clone() const override { return new oif_ModalDynamics(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_ModalDynamicsStep step_;
  std::type_index previousKind_;
};

/// "*Dynamic, subspace".
class oif_SubspaceDynamics : public zkw_Keyword {
 public:
  explicit oif_SubspaceDynamics(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_SubspaceDynamics(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_SubspaceDynamicsStep step_;
};

/// Selects the eigenmodes 1 to `count`.
class oif_SelectEigenmodes : public zkw_Keyword {
 public:
  explicit oif_SelectEigenmodes(int count) : count_(count) {}
  zkw_Keyword* Clone() const override { return new oif_SelectEigenmodes(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  int count_;
};

class oif_RandomResponse : public zkw_Keyword {
 public:
  explicit oif_RandomResponse(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_RandomResponse(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_RandomResponseStep step_;
};

/// "*Steady State Dynamics" of a mode-based step.
class oif_SteadyStateModal : public zkw_Keyword {
 public:
  explicit oif_SteadyStateModal(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_SteadyStateModal(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_SteadyStateModalStep step_;
};

/// "*Steady State Dynamics, direct".
class oif_SteadyStateDirect : public zkw_Keyword {
 public:
  explicit oif_SteadyStateDirect(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_SteadyStateDirect(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_SteadyStateDirectStep step_;
};

/// "*Steady State Dynamics, subspace projection".
class oif_SteadyStateSubspace : public zkw_Keyword {
 public:
  explicit oif_SteadyStateSubspace(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_SteadyStateSubspace(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_SteadyStateSubspaceStep step_;
};

/// "*Response spectrum". Throws nex_TextException "Unknown response spectrum
/// summation type" on writing a summation it does not know.
class oif_ResponseSpectrum : public zkw_Keyword {
 public:
  explicit oif_ResponseSpectrum(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_ResponseSpectrum(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_ResponseSpectrumStep step_;
};

/// "*Modal Damping" of one damping definition.
class oif_ModalDamping : public zkw_Keyword {
 public:
  using Definition = std::variant<kprC_CompositeDamping, kprC_DirectDamping, kprC_RayleighDamping,
                                  kprC_StructuralDamping, kprC_DirectDampingByFrequency,
                                  kprC_RayleighDampingByFrequency, kprC_StructuralDampingByFrequency>;

  explicit oif_ModalDamping(Definition definition) : definition_(std::move(definition)) {}
  zkw_Keyword* Clone() const override { return new oif_ModalDamping(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  Definition definition_;
};
