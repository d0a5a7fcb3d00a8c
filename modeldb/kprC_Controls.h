#pragma once
// Solution controls and solver controls of an analysis step.
//
// A step's controls are the state, in that step, of the model's controls
// history: created or changed in the step (both flags clear), carried over
// from the previous step (propagated), or returned to the solver's defaults
// in the step (defaults). The lists always hold every value; a value equal
// to the matching value of the default list is the solver's default.
#include <vector>

#include "modeldb/mdl_Object.h"

class MDB_API kprC_Controls : public mdl_Object {
 public:
  kprC_Controls() = default;
  ~kprC_Controls() override;

  /// The step keeps the previous step's controls.
  bool propagated = false;
  /// The controls are the solver's defaults.
  bool defaults = false;
};

/// Controls of the nonlinear solution: the groups every kind shares.
class MDB_API kprC_PrimaryControls : public kprC_Controls {
 public:
  kprC_PrimaryControls();
  ~kprC_PrimaryControls() override;

  /// Length of the time incrementation list: values 0 to 10 are counts,
  /// 11 to 27 factors.
  static constexpr std::size_t TimeIncrementationSize = 28;
  static constexpr std::size_t LineSearchSize = 5;
  static constexpr std::size_t ConstraintsSize = 4;
  static constexpr std::size_t FieldSize = 10;
  /// The first line search value (the number of line search iterations)
  /// when the quasi-Newton technique is used.
  static constexpr int QuasiNewtonLineSearches = 5;

  /// The solver's default lists.
  static const std::vector<double>& timeIncrementationDef(bool discontinuous);
  static const std::vector<double>& constraintsDef();
  static const std::vector<double>& lineSearchDef();
  /// `displacement` is true for the displacement field, false for every
  /// other field.
  static const std::vector<double>& fieldDef(bool displacement);

  /// analysis=discontinuous: the counts of time incrementation default to
  /// the values for severely discontinuous behaviour.
  bool discontinuous = false;
  std::vector<double> timeIncrementation;
  std::vector<double> constraints;
  std::vector<double> lineSearch;
};

/// Displacement, hydrostatic fluid pressure and rotation fields.
class MDB_API kprC_TypicalControls : public kprC_PrimaryControls {
 public:
  kprC_TypicalControls();
  ~kprC_TypicalControls() override;

  std::vector<double> displacement;
  std::vector<double> hydrostaticFluidPressure;
  std::vector<double> rotation;
};

class MDB_API kprC_HeatTransferControls : public kprC_PrimaryControls {
 public:
  kprC_HeatTransferControls();
  ~kprC_HeatTransferControls() override;

  std::vector<double> temperature;
};

class MDB_API kprC_MassDiffusionControls : public kprC_PrimaryControls {
 public:
  kprC_MassDiffusionControls();
  ~kprC_MassDiffusionControls() override;

  std::vector<double> concentration;
};

/// Coupled temperature-displacement: the typical fields and temperature.
class MDB_API kprC_CTDControls : public kprC_TypicalControls {
 public:
  kprC_CTDControls();
  ~kprC_CTDControls() override;

  std::vector<double> temperature;
};

/// Pore fluid flow (soils): the typical fields and pore fluid pressure.
class MDB_API kprC_PoreControls : public kprC_TypicalControls {
 public:
  kprC_PoreControls();
  ~kprC_PoreControls() override;

  std::vector<double> poreFluidPressure;
};

/// Coupled thermal-electrical-structural: the typical fields and electrical
/// potential.
class MDB_API kprC_ElectricalControls : public kprC_TypicalControls {
 public:
  kprC_ElectricalControls();
  ~kprC_ElectricalControls() override;

  std::vector<double> electricalPotential;
};

/// Coupled thermal-electrical: temperature and electrical potential.
class MDB_API kprC_CTEControls : public kprC_HeatTransferControls {
 public:
  kprC_CTEControls();
  ~kprC_CTEControls() override;

  std::vector<double> electricalPotential;
};

/// Controls of the iterative linear equation solver.
class MDB_API kprC_SolverControls : public mdl_Object {
 public:
  kprC_SolverControls() = default;
  ~kprC_SolverControls() override;

  bool propagated = false;
  bool defaults = false;
  /// Convergence tolerance; 0 when not given.
  double tolerance = 0.0;
  /// Maximum number of iterations; 0 when not given.
  int maxIterations = 0;
  /// Iterations between restarts of the iteration; 0 when not given.
  int restart = 0;
};
