#include "modeldb/kprC_Controls.h"

kprC_Controls::~kprC_Controls() = default;

// The solver's default control values.
const std::vector<double>& kprC_PrimaryControls::timeIncrementationDef(bool discontinuous) {
  // Values 0 to 10: iteration counts; 11 to 18: cutback and growth factors;
  // 19 to 26: further time increment factors; 27: the time integration
  // accuracy factor. Severely discontinuous behaviour allows more iterations
  // before the residual checks start (values 0 and 1).
  static const std::vector<double> continuous = {
      4, 8, 9, 16, 10, 4, 12, 5, 6, 3, 50,                   //
      0.25, 0.5, 0.75, 0.85, 0.25, 0.25, 1.5, 0.75,          //
      0.85, 0.25, 0.75, 1.5, 0.95, 0.1, 1.0, 0.75,           //
      1.0};
  static const std::vector<double> severe = [] {
    std::vector<double> values = continuous;
    values[0] = 8;
    values[1] = 10;
    return values;
  }();
  return discontinuous ? severe : continuous;
}

const std::vector<double>& kprC_PrimaryControls::constraintsDef() {
  static const std::vector<double> values = {1e-5, 1e-5, 1e-5, 1e-3};
  return values;
}

const std::vector<double>& kprC_PrimaryControls::lineSearchDef() {
  // Iterations (none unless the quasi-Newton technique is used), the largest
  // and smallest correction scale factors, the residual reduction factor and
  // the target residual ratio.
  static const std::vector<double> values = {0, 1.0, 0.0001, 0.25, 0.1};
  return values;
}

const std::vector<double>& kprC_PrimaryControls::fieldDef(bool displacement) {
  // Residual and correction criteria of a solution field; every field
  // shares the displacement field's defaults.
  static const std::vector<double> values = {0.005, 0.01, 0, 0, 0.02, 1e-5, 1e-3, 1e-8, 1e-5, 1e-3};
  (void)displacement;
  return values;
}

kprC_PrimaryControls::kprC_PrimaryControls()
    : timeIncrementation(timeIncrementationDef(false)),
      constraints(constraintsDef()),
      lineSearch(lineSearchDef()) {}
kprC_PrimaryControls::~kprC_PrimaryControls() = default;

kprC_TypicalControls::kprC_TypicalControls()
    : displacement(fieldDef(true)), hydrostaticFluidPressure(fieldDef(false)), rotation(fieldDef(false)) {}
kprC_TypicalControls::~kprC_TypicalControls() = default;

kprC_HeatTransferControls::kprC_HeatTransferControls() : temperature(fieldDef(false)) {}
kprC_HeatTransferControls::~kprC_HeatTransferControls() = default;

kprC_MassDiffusionControls::kprC_MassDiffusionControls() : concentration(fieldDef(false)) {}
kprC_MassDiffusionControls::~kprC_MassDiffusionControls() = default;

kprC_CTDControls::kprC_CTDControls() : temperature(fieldDef(false)) {}
kprC_CTDControls::~kprC_CTDControls() = default;

kprC_PoreControls::kprC_PoreControls() : poreFluidPressure(fieldDef(false)) {}
kprC_PoreControls::~kprC_PoreControls() = default;

kprC_ElectricalControls::kprC_ElectricalControls() : electricalPotential(fieldDef(false)) {}
kprC_ElectricalControls::~kprC_ElectricalControls() = default;

kprC_CTEControls::kprC_CTEControls() : electricalPotential(fieldDef(false)) {}
kprC_CTEControls::~kprC_CTEControls() = default;

kprC_SolverControls::~kprC_SolverControls() = default;
