#pragma once
// The keywords of the interaction properties: "*Surface Interaction" with its
// options (friction, normal behaviour, damping, gap conductance, gap heat
// generation, gap radiation), "*Film Property" and "*Impedance Property".
// Their tables print through the shared table formatter (oif_DataTable).
#include <memory>

#include "modeldb/kinC_Interaction.h"
#include "zkw/zkw_Keyword.h"

/// "*Surface Interaction, name=", the pad thickness, and the out-of-plane
/// thickness line when the property asks for it.
class oif_SurfaceInteraction : public zkw_Keyword {
 public:
  explicit oif_SurfaceInteraction(std::shared_ptr<const kinC_ContactProperty> property)
      : property_(std::move(property)) {}
  zkw_Keyword* Clone() const override { return new oif_SurfaceInteraction(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_ContactProperty> property_;
};

/// "*Friction": the full form under "*Surface Interaction", or the change
/// form under "*Change Friction" (without the parameters fixed when the pair
/// is defined: ", lagrange", ", user" and its constants).
class oif_Friction : public zkw_Keyword {
 public:
  explicit oif_Friction(std::shared_ptr<const kinC_Friction> friction, bool changeForm = false)
      : friction_(std::move(friction)), changeForm_(changeForm) {}
  zkw_Keyword* Clone() const override { return new oif_Friction(*this); }
  /// Throws nex_TextException "Unimplemented *Friction print" for a form it
  /// has no lines for (an unknown form, a coefficient form without its
  /// table, user friction in the change form).
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_Friction> friction_;
  bool changeForm_;
};

/// "*Surface Behavior" and the pressure-overclosure table.
class oif_SurfaceBehavior : public zkw_Keyword {
 public:
  explicit oif_SurfaceBehavior(std::shared_ptr<const kinC_SurfaceBehavior> behavior) : behavior_(std::move(behavior)) {}
  zkw_Keyword* Clone() const override { return new oif_SurfaceBehavior(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_SurfaceBehavior> behavior_;
};

/// "*Contact Damping, definition=" and the damping values.
class oif_ContactDamping : public zkw_Keyword {
 public:
  explicit oif_ContactDamping(std::shared_ptr<const kinC_ContactDamping> damping) : damping_(std::move(damping)) {}
  zkw_Keyword* Clone() const override { return new oif_ContactDamping(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_ContactDamping> damping_;
};

/// "*Gap Conductance" (against the clearance, the pressure, or a user
/// routine) and its table.
class oif_GapConductance : public zkw_Keyword {
 public:
  explicit oif_GapConductance(std::shared_ptr<const kinC_GapConductance> conductance)
      : conductance_(std::move(conductance)) {}
  zkw_Keyword* Clone() const override { return new oif_GapConductance(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_GapConductance> conductance_;
};

/// "*Gap Heat Generation" and its two values.
class oif_GapHeatGeneration : public zkw_Keyword {
 public:
  explicit oif_GapHeatGeneration(std::shared_ptr<const kinC_GapHeatGeneration> generation)
      : generation_(std::move(generation)) {}
  zkw_Keyword* Clone() const override { return new oif_GapHeatGeneration(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_GapHeatGeneration> generation_;
};

/// "*Gap Radiation": the two emissivities, then the view-factor table.
class oif_GapRadiation : public zkw_Keyword {
 public:
  explicit oif_GapRadiation(std::shared_ptr<const kinC_GapRadiation> radiation) : radiation_(std::move(radiation)) {}
  zkw_Keyword* Clone() const override { return new oif_GapRadiation(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_GapRadiation> radiation_;
};

/// "*Film Property, name=" and the film coefficient table.
class oif_FilmProperty : public zkw_Keyword {
 public:
  explicit oif_FilmProperty(std::shared_ptr<const kinC_FilmConditionProp> property) : property_(std::move(property)) {}
  zkw_Keyword* Clone() const override { return new oif_FilmProperty(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_FilmConditionProp> property_;
};

/// "*Impedance Property, name=" and the impedance (or admittance) table.
class oif_AcousticImpedanceProp : public zkw_Keyword {
 public:
  explicit oif_AcousticImpedanceProp(std::shared_ptr<const kinC_AcousticImpedanceProp> property)
      : property_(std::move(property)) {}
  zkw_Keyword* Clone() const override { return new oif_AcousticImpedanceProp(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_AcousticImpedanceProp> property_;
};
