#pragma once
// The section kinds of the model: solids (homogeneous, composite), trusses,
// shells (homogeneous, composite, by geometry, user-defined), membranes,
// beams, point sections (mass and rotary inertia) and gaskets
// (kseC_GasketSection.h). A reader tells them apart by DynTypeId().
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "geometry/gsl_Geometry.h"
#include "modeldb/kmaC_MaterialTable.h"
#include "modeldb/kseC_GasketSection.h"
#include "modeldb/omu_PrimEnum.h"

/// One layer of a composite section. A shell layer names an orientation or
/// gives an angle; a solid layer gives the angle.
struct MDB_API kseC_Layer {
  double thickness = 0.0;
  int integrationPoints = 3;
  std::string material;
  std::string orientation;  // empty: the angle applies
  double orientationAngle = 0.0;
};

/// One rebar layer of a shell section.
struct MDB_API kseC_RebarLayer {
  std::string name;
  double area = 0.0;
  double spacing = 0.0;
  double angularSpacing = 0.0;
  double position = 0.0;
  std::string material;
  double angle = 0.0;
  std::string orientation;  // empty: the section's orientation applies
};

/// The rebar layers of a shell section and how their spacing is given.
struct MDB_API kseC_RebarLayerSet {
  enum Spacing : int { Constant = 0, Angular = 1 };
  int spacing = Constant;
  std::vector<kseC_RebarLayer> layers;
};

/// Transverse shear stiffnesses of a shell; k12 may be left unset.
struct MDB_API kseC_TransverseShear {
  double k11 = 0.0;
  double k22 = 0.0;
  double k12 = mdl_UnsetDouble;
};

/// Solid sections: homogeneous and composite.
class MDB_API kseC_SolidSection : public kseC_Section {
 public:
  using kseC_Section::kseC_Section;
  ~kseC_SolidSection() override;
  kseC_HourglassValues hourglass;
};

class MDB_API kseC_HomogenousSolidSection : public kseC_SolidSection {
 public:
  using kseC_SolidSection::kseC_SolidSection;
  ~kseC_HomogenousSolidSection() override;
  std::string material;
  double thickness = mdl_UnsetDouble;  // planar elements; unset: the field stays empty
};

class MDB_API kseC_CompositeSolidSection : public kseC_SolidSection {
 public:
  using kseC_SolidSection::kseC_SolidSection;
  ~kseC_CompositeSolidSection() override;
  std::vector<kseC_Layer> layers;
  bool symmetric = false;  // the layers are written again in reverse order
};

class MDB_API kseC_TrussSection : public kseC_Section {
 public:
  using kseC_Section::kseC_Section;
  ~kseC_TrussSection() override;
  std::string material;
  double area = 1.0;
};

/// Shell sections. The integration rule is printed through IntegrationRuleEnm.
class MDB_API kseC_ShellSection : public kseC_Section {
 public:
  using kseC_Section::kseC_Section;
  ~kseC_ShellSection() override;
  static const omu_PrimEnumBase& IntegrationRuleEnm();
  enum TemperatureMode : int { Gradient = 0, Points = 1 };

  bool general = false;  // "*Shell General Section": integrated before the analysis
  bool poissonDefined = false;
  double poisson = 0.5;
  int integrationRule = 0;
  int temperatureMode = Gradient;
  int temperaturePoints = 0;
  double thicknessModulus = mdl_UnsetDouble;
  std::optional<kseC_RebarLayerSet> rebarLayers;
  double thickness = 0.0;
  int integrationPoints = 5;
  std::string material;
  std::optional<kseC_TransverseShear> transverseShear;
  kseC_HourglassValues hourglass;
};

class MDB_API kseC_HomogenousShellSection : public kseC_ShellSection {
 public:
  using kseC_ShellSection::kseC_ShellSection;
  ~kseC_HomogenousShellSection() override;
};

class MDB_API kseC_CompositeShellSection : public kseC_ShellSection {
 public:
  using kseC_ShellSection::kseC_ShellSection;
  ~kseC_CompositeShellSection() override;
  std::vector<kseC_Layer> layers;
};

/// A shell section whose stiffness follows from a given cross-section
/// geometry; the writer has no form for it.
class MDB_API kseC_GeometryShellSection : public kseC_ShellSection {
 public:
  using kseC_ShellSection::kseC_ShellSection;
  ~kseC_GeometryShellSection() override;
};

/// A shell section whose stiffness matrices the user gives; the writer has
/// no form for it.
class MDB_API kseC_UserShellSection : public kseC_ShellSection {
 public:
  using kseC_ShellSection::kseC_ShellSection;
  ~kseC_UserShellSection() override;
};

class MDB_API kseC_MembraneSection : public kseC_Section {
 public:
  using kseC_Section::kseC_Section;
  ~kseC_MembraneSection() override;
  std::string material;
  double thickness = 1.0;
  bool poissonDefined = false;
  double poisson = 0.5;
  kseC_HourglassValues hourglass;
};

/// Added mass of a beam immersed in fluid. Positions in `values`: the
/// fluid's density, the outside diameter, the added mass coefficient of
/// transverse motion (1 by default), the coefficient of the end effects (0
/// by default) and the local y and z of the centre of the section.
struct MDB_API kseC_FluidInertia {
  enum Value : int { Density = 0, Diameter = 1, NormalCoefficient = 2, AxialCoefficient = 3, CenterY = 4, CenterZ = 5 };
  bool half = false;
  std::array<double, 6> values{0.0, 0.0, 1.0, 0.0, 0.0, 0.0};
};

class MDB_API kseC_BeamSection : public kseC_Section {
 public:
  using kseC_Section::kseC_Section;
  ~kseC_BeamSection() override;
  enum TemperatureMode : int { Gradients = 0, Values = 1 };

  /// True: integrated during the analysis ("*Beam Section", with a
  /// material); false: "*Beam General Section" with a property table.
  bool integrated = true;
  std::string profile;
  std::string material;
  double poisson = mdl_UnsetDouble;
  int temperatureMode = Gradients;
  int dependencies = 0;
  double zero = mdl_UnsetDouble;
  double density = mdl_UnsetDouble;
  /// General sections: rows of the moduli, the expansion, the temperature
  /// and the field variables; a flag tells whether the table carries the
  /// expansion column and the temperature column.
  kmaC_MaterialTable properties;
  bool expansionColumn = false;
  bool temperatureColumn = false;
  std::optional<kseC_FluidInertia> fluidInertia;
  double dampingAlpha = 0.0;
  double dampingBeta = 0.0;
  double dampingComposite = 0.0;
  std::optional<std::array<double, 2>> shearCenter;
  std::optional<std::array<double, 2>> centroid;
  std::vector<std::array<double, 2>> sectionPoints;
};

/// A point section: a point mass and a rotary inertia.
class MDB_API kseC_PointSection : public kseC_Section {
 public:
  using kseC_Section::kseC_Section;
  ~kseC_PointSection() override;
  double mass = 0.0;
  double massAlpha = 0.0;
  double massComposite = 0.0;
  /// I11, I22, I33, I12, I13, I23.
  std::array<double, 6> inertia{0, 0, 0, 0, 0, 0};
  double inertiaAlpha = 0.0;
  double inertiaComposite = 0.0;
};
