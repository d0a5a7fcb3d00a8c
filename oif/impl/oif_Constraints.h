#pragma once
// The constraint keywords other than "*Tie": couplings with their kinematic or
// distributing definition, rigid bodies, linear equations, embedded elements,
// shell-to-solid couplings and the cyclic symmetry model.
#include <memory>
#include <vector>

#include "geometry/gsl_Geometry.h"
#include "modeldb/kcoC_Constraint.h"
#include "zkw/zkw_Keyword.h"
#include "zkw/zkw_ModelInfo.h"

/// "*Coupling, constraint name=": the reference node, the surface, the
/// influence radius and the orientation of a coupling.
class oif_Coupling : public zkw_Keyword {
 public:
  oif_Coupling(const cow_String& name, std::shared_ptr<const kcoC_Coupling> coupling, zkw_ModelInfo& info);
  zkw_Keyword* Clone() const override { return new oif_Coupling(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  std::shared_ptr<const kcoC_Coupling> coupling_;
  cow_String refNode_, surface_, orientation_;
};

/// "*Kinematic" and the constrained degrees of freedom.
class oif_Kinematic : public zkw_Keyword {
 public:
  explicit oif_Kinematic(std::shared_ptr<const kcoC_Coupling> coupling) : coupling_(std::move(coupling)) {}
  zkw_Keyword* Clone() const override { return new oif_Kinematic(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kcoC_Coupling> coupling_;
};

/// "*Distributing, weighting method=" and the constrained degrees of freedom.
class oif_Distributing : public zkw_Keyword {
 public:
  explicit oif_Distributing(std::shared_ptr<const kcoC_Coupling> coupling) : coupling_(std::move(coupling)) {}
  zkw_Keyword* Clone() const override { return new oif_Distributing(*this); }
  /// Throws nex_TextException for a weighting method outside 0 to 3.
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kcoC_Coupling> coupling_;
};

/// The names and flags of a rigid body, as its keyword cites them; empty
/// names are left out.
struct oif_RigidBodyNames {
  cow_String refNode, elset, pinNset, tieNset, analyticalSurface;
  bool centerOfMass = false;
  bool isothermal = false;
};

/// "*Rigid Body, ref node=".
class oif_RigidBody : public zkw_Keyword {
 public:
  explicit oif_RigidBody(const oif_RigidBodyNames& names) : names_(names) {}
  zkw_Keyword* Clone() const override { return new oif_RigidBody(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_RigidBodyNames names_;
};

/// "*Equation": the number of terms, then one line per term.
class oif_Equation : public zkw_Keyword {
 public:
  oif_Equation(std::shared_ptr<const kcoC_Equation> equation, zkw_ModelInfo& info);
  zkw_Keyword* Clone() const override { return new oif_Equation(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kcoC_Equation> equation_;
  std::vector<cow_String> names_;  // of each term's node set
};

/// "*Embedded Element, host elset=" and the embedded element set.
class oif_EmbeddedRegion : public zkw_Keyword {
 public:
  oif_EmbeddedRegion(std::shared_ptr<const kcoC_EmbeddedRegion> constraint, zkw_ModelInfo& info);
  zkw_Keyword* Clone() const override { return new oif_EmbeddedRegion(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kcoC_EmbeddedRegion> constraint_;
  cow_String host_, embedded_;
};

/// "*Shell to Solid Coupling, constraint name=" and the shell edge and solid
/// surface.
class oif_ShellSolidCoupling : public zkw_Keyword {
 public:
  oif_ShellSolidCoupling(const cow_String& name, std::shared_ptr<const kcoC_ShellSolidCoupling> constraint,
                         zkw_ModelInfo& info);
  zkw_Keyword* Clone() const override { return new oif_ShellSolidCoupling(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  std::shared_ptr<const kcoC_ShellSolidCoupling> constraint_;
  cow_String shellEdge_, solidFace_;
};

/// "*Cyclic Symmetry Model, n=" and the two points of the symmetry axis.
class oif_CyclicSymmetryModel : public zkw_Keyword {
 public:
  oif_CyclicSymmetryModel(int sectors, const gsl_Point& start, const gsl_Point& end)
      : sectors_(sectors), start_(start), end_(end) {}
  zkw_Keyword* Clone() const override { return new oif_CyclicSymmetryModel(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  int sectors_;
  gsl_Point start_, end_;
};
