#pragma once
// Procedure keywords of the explicit steps and their companions: bulk
// viscosity and the two mass scaling forms.
#include "modeldb/kprC_Step.h"
#include "zkw/zkw_Keyword.h"

/// "*Dynamic, Explicit". Throws nex_TextException "Corrupted Explicit
/// Dynamics procedure" on writing a step with an unknown time incrementation
/// scheme.
class oif_ExplicitDynamics : public zkw_Keyword {
 public:
  explicit oif_ExplicitDynamics(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_ExplicitDynamics(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_ExplicitDynamicsStep step_;
};

/// "*Dynamic Temperature-displacement, Explicit". Throws nex_TextException
/// "Corrupted Dynamic, Temp-displacement procedure" on writing a step with an
/// unknown time incrementation scheme.
class oif_DynamicTempDisplacement : public zkw_Keyword {
 public:
  explicit oif_DynamicTempDisplacement(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_DynamicTempDisplacement(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_TempDisplacementDynamicsStep step_;
};

/// "*Bulk Viscosity" of an explicit step; nothing for any other step. Holds a
/// reference to the step.
class oif_BulkViscosity : public zkw_Keyword {
 public:
  explicit oif_BulkViscosity(const kprC_Step& step) : step_(&step) {}
  zkw_Keyword* Clone() const override { return new oif_BulkViscosity(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  const kprC_Step* step_;
};

/// Mass scaling throughout the step: semi-automatic at intervals, automatic
/// (rolling) or disabled, each after its comment lines. Throws
/// nex_TextException "Corrupted Explicit Dynamics procedure" on writing a
/// rolling definition with an unknown direction.
class oif_VariableMassScaling : public zkw_Keyword {
 public:
  /// `region`: printable set name of the definition's region; empty for the
  /// whole model.
  oif_VariableMassScaling(const kprC_MassScaling& definition, const cow_String& region)
      : definition_(definition), region_(region) {}
  zkw_Keyword* Clone() const override { return new oif_VariableMassScaling(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_MassScaling definition_;
  cow_String region_;
};

/// Mass scaling at the start of the step: semi-automatic, or back to the
/// unscaled mass, each after its comment lines.
class oif_FixedMassScaling : public zkw_Keyword {
 public:
  oif_FixedMassScaling(const kprC_MassScaling& definition, const cow_String& region)
      : definition_(definition), region_(region) {}
  zkw_Keyword* Clone() const override { return new oif_FixedMassScaling(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_MassScaling definition_;
  cow_String region_;
};
