#pragma once
// Constraints of the model: ties, couplings, rigid bodies, linear equations,
// embedded regions and shell-to-solid couplings.
//
// Which kinds exist, which class carries each, its name in the model file,
// its keyword and the regions it cites (with the kinds of set each region may
// be) are described once, in the constraint table (kcoC_ConstraintTable()).
// The model file loader reads the regions of every kind from it, and the
// writer finds a constraint's kind through it. The values that differ from
// kind to kind are plain members of the kind's class.
#include <array>
#include <memory>
#include <span>
#include <string>
#include <typeindex>
#include <vector>

#include "modeldb/mdl_Object.h"
#include "modeldb/rgnC_Region.h"
#include "modeldb/rgnC_SetData.h"

/// Kinds of constraints, in table order.
enum class kcoC_ConstraintKind : int { Tie, Coupling, RigidBody, Equation, EmbeddedRegion, ShellSolidCoupling, Count };
inline constexpr int kcoC_ConstraintKindCount = int(kcoC_ConstraintKind::Count);

/// The kinds of set a region may be, as bits (1 << rgnC_SetData::Kind).
enum kcoC_SetKinds : unsigned {
  kcoC_NodeSets = 1u << rgnC_SetData::NodeSet,
  kcoC_ElementSets = 1u << rgnC_SetData::ElementSet,
  kcoC_Surfaces = 1u << rgnC_SetData::Surface,
};

/// One region a kind cites.
struct kcoC_RegionSlot {
  const char* fileName = nullptr;  ///< member of the model file ("master")
  unsigned setKinds = 0;           ///< accepted kinds of set (kcoC_SetKinds)
  bool required = false;
  /// A surface the deck cites by name: a node set given here is cited as a
  /// node-based surface, which the constraint reports (NodeSurfaceRegions).
  bool citedAsSurface = false;
  /// A reference node: the set holds exactly one node.
  bool singleNode = false;
};

class kcoC_Constraint;

struct kcoC_ConstraintInfo {
  kcoC_ConstraintKind kind{};
  const char* className = nullptr;  ///< "kcoC_Tie"
  const char* fileName = nullptr;   ///< kind in the model file ("tie")
  const char* keyword = nullptr;    ///< the keyword that writes it ("*Tie")
  std::type_index (*typeId)() = nullptr;  ///< the class's TypeId()
  std::array<kcoC_RegionSlot, 4> regionSlots{};
  int regionCount = 0;

  std::span<const kcoC_RegionSlot> Regions() const noexcept {
    return {regionSlots.data(), std::size_t(regionCount)};
  }
};

/// The constraint table: one row per kind, in kind order.
MDB_API std::span<const kcoC_ConstraintInfo> kcoC_ConstraintTable();
/// The row of a kind; asserts that the kind is one of the table.
MDB_API const kcoC_ConstraintInfo& kcoC_Info(kcoC_ConstraintKind kind);
/// The row whose class is the constraint's own class; nullptr for a class
/// outside the table.
MDB_API const kcoC_ConstraintInfo* kcoC_FindInfo(const kcoC_Constraint& constraint);

/// A region a constraint cites, with the kind of its set (rgnC_SetData::Kind;
/// -1 while not given).
struct MDB_API kcoC_Region {
  rgnC_Region region;
  int setKind = -1;
  bool IsGiven() const noexcept { return setKind >= 0; }
};

/// Base of the model's constraints.
class MDB_API kcoC_Constraint : public mdl_Object {
 public:
  ~kcoC_Constraint() override;

  /// Equations: the regions of terms given in a datum coordinate system,
  /// each with that system (the deck writes a *Transform for them).
  virtual rgnC_DatumRegionList DatumCsysRegions() const;
  /// Couplings: the datum coordinate system of the coupling (written as an
  /// *Orientation); 0 for none.
  virtual int OrientationDatum() const;
  /// The regions the deck must offer as node-based surfaces: node sets given
  /// where the keyword cites a surface.
  virtual rgnC_RegionList NodeSurfaceRegions() const;

  /// The regions of the kind's slots (kcoC_ConstraintInfo::Regions()), in
  /// slot order; empty for a class outside the table.
  const std::vector<kcoC_Region>& Regions() const noexcept { return regions_; }
  const kcoC_Region& Region(int slot) const;
  void SetRegion(int slot, const rgnC_Region& region, int setKind);

 protected:
  /// A constraint of a kind of the table: one region per slot of its row.
  kcoC_Constraint(std::string name, kcoC_ConstraintKind kind);
  /// A constraint outside the table (no regions).
  explicit kcoC_Constraint(std::string name);

 private:
  std::vector<kcoC_Region> regions_;
};

/// Two surfaces tied together: the first region (master) and the second
/// (slave surface, or a node set cited as a node-based surface).
class MDB_API kcoC_Tie : public kcoC_Constraint {
 public:
  enum Slot : int { Master, Slave };
  enum Method : int { Computed = 0, Specified = 1 };
  enum Type : int { SolverDefault = 0, NodeToSurface = 1, SurfaceToSurface = 2 };

  explicit kcoC_Tie(std::string name) : kcoC_Constraint(std::move(name), kcoC_ConstraintKind::Tie) {}
  ~kcoC_Tie() override;
  static std::type_index TypeId() { return mdl_TypeId<kcoC_Tie>(); }

  bool adjust = true;
  int positionToleranceMethod = Computed;
  double positionTolerance = 0.0;
  bool tieRotations = true;
  int constraintRatioMethod = Computed;
  double constraintRatio = 0.0;
  int type = SolverDefault;
  bool thickness = true;
};

/// A reference node coupled to a surface, kinematically or distributing.
class MDB_API kcoC_Coupling : public kcoC_Constraint {
 public:
  enum Slot : int { RefNode, Surface };
  enum CouplingKind : int { Kinematic = 0, Distributing = 1 };
  enum Weighting : int { Uniform = 0, Linear = 1, Quadratic = 2, Cubic = 3 };

  explicit kcoC_Coupling(std::string name) : kcoC_Constraint(std::move(name), kcoC_ConstraintKind::Coupling) {}
  ~kcoC_Coupling() override;
  static std::type_index TypeId() { return mdl_TypeId<kcoC_Coupling>(); }

  int OrientationDatum() const override { return datum; }
  /// True when all six degrees of freedom are constrained.
  bool AllDofs() const noexcept;

  int couplingKind = Kinematic;
  /// The largest double stands for no radius (all nodes of the surface).
  double influenceRadius = mdl_UnsetDouble;
  int datum = 0;  ///< datum coordinate system of the coupling; 0 for none
  std::array<bool, 6> dofs{true, true, true, true, true, true};
  int weightingMethod = Uniform;
};

/// A region made rigid, moving with its reference node.
class MDB_API kcoC_RigidBody : public kcoC_Constraint {
 public:
  enum Slot : int { RefNode, Elements, PinNodes, TieNodes };

  explicit kcoC_RigidBody(std::string name) : kcoC_Constraint(std::move(name), kcoC_ConstraintKind::RigidBody) {}
  ~kcoC_RigidBody() override;
  static std::type_index TypeId() { return mdl_TypeId<kcoC_RigidBody>(); }

  std::string analyticalSurface;  ///< name of an analytical surface; empty for none
  bool centerOfMass = false;      ///< reference node moved to the centre of mass
  bool isothermal = false;
};

/// One term of a linear equation: a node set, a degree of freedom and its
/// coefficient; the degree of freedom in a datum system when `datum` is set.
struct MDB_API kcoC_EquationTerm {
  rgnC_Region region;
  int dof = 1;
  double coefficient = 1.0;
  int datum = 0;
};

class MDB_API kcoC_Equation : public kcoC_Constraint {
 public:
  explicit kcoC_Equation(std::string name) : kcoC_Constraint(std::move(name), kcoC_ConstraintKind::Equation) {}
  ~kcoC_Equation() override;
  static std::type_index TypeId() { return mdl_TypeId<kcoC_Equation>(); }

  rgnC_DatumRegionList DatumCsysRegions() const override;

  std::vector<kcoC_EquationTerm> terms;
};

/// Elements embedded in host elements.
class MDB_API kcoC_EmbeddedRegion : public kcoC_Constraint {
 public:
  enum Slot : int { Embedded, Host };

  explicit kcoC_EmbeddedRegion(std::string name)
      : kcoC_Constraint(std::move(name), kcoC_ConstraintKind::EmbeddedRegion) {}
  ~kcoC_EmbeddedRegion() override;
  static std::type_index TypeId() { return mdl_TypeId<kcoC_EmbeddedRegion>(); }

  static constexpr double DefaultAbsoluteExteriorTolerance = 0.0;
  static constexpr double DefaultExteriorTolerance = 0.05;
  static constexpr double DefaultRoundoffTolerance = 1e-6;
  double absoluteExteriorTolerance = DefaultAbsoluteExteriorTolerance;
  double exteriorTolerance = DefaultExteriorTolerance;
  double roundoffTolerance = DefaultRoundoffTolerance;
};

/// A shell edge coupled to a solid face.
class MDB_API kcoC_ShellSolidCoupling : public kcoC_Constraint {
 public:
  enum Slot : int { ShellEdge, SolidFace };

  explicit kcoC_ShellSolidCoupling(std::string name)
      : kcoC_Constraint(std::move(name), kcoC_ConstraintKind::ShellSolidCoupling) {}
  ~kcoC_ShellSolidCoupling() override;
  static std::type_index TypeId() { return mdl_TypeId<kcoC_ShellSolidCoupling>(); }

  int positionToleranceMethod = kcoC_Tie::Computed;
  double positionTolerance = 0.0;
  int influenceDistanceMethod = kcoC_Tie::Computed;
  double influenceDistance = 0.0;
};
