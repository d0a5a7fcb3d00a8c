// Whole decks of small models with steps, and the step blocks of the bundled
// example models, compared in full.
#include <gtest/gtest.h>

#include "test_steps_support.h"

namespace {

TEST(StepDecks, ThermalAnalysisInFull) {
  odb_Odb odb = test::Model(R"(
    "steps": [{"name": "Initial", "kind": "initial"},
              {"name": "Warm up", "kind": "heat transfer", "timePeriod": 3600, "initialIncrement": 60,
               "minIncrement": 1, "maxIncrement": 600, "maxTemperatureChange": 5, "maxIncrements": 500},
              {"name": "Hold", "kind": "heat transfer", "steadyState": true, "incrementation": "fixed",
               "initialIncrement": 1, "amplitude": "ramp"},
              {"name": "Distort", "kind": "coupled temperature-displacement", "nlgeom": true,
               "creep": "none", "incrementation": "fixed", "initialIncrement": 0.25,
               "solutionTechnique": "separated"}],
    "controls": [{"kind": "heat transfer", "createdIn": "Warm up", "temperature": [0.02],
                  "deactivatedIn": "Distort"}])");
  EXPECT_EQ(test::Deck(odb), R"(**
** PARTS
**
**
** ASSEMBLY
**
*Assembly, name=Assembly
*End Assembly
** ----------------------------------------------------------------
** 
** STEP: Warm up
** 
*Step, name="Warm up", inc=500
*Heat Transfer, end=PERIOD, deltmx=5.
60., 3600., 1., 600., 
** 
** CONTROLS
** 
*Controls, reset
*Controls, parameters=field, field=temperature
0.02, , , , , , , 
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
** ----------------------------------------------------------------
** 
** STEP: Hold
** 
*Step, name=Hold, amplitude=RAMP
*Heat Transfer, steady state
1., 1., 1., 1., 
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
** ----------------------------------------------------------------
** 
** STEP: Distort
** 
*Step, name=Distort, nlgeom=YES
*Coupled Temperature-Displacement, creep=none
0.25, 1., 
*Solution Technique, type=SEPARATED
** 
** CONTROLS
** 
*Controls, reset
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
)");
}

TEST(StepDecks, BucklingThenCollapseInFull) {
  odb_Odb odb = test::Model(R"(
    "steps": [{"name": "Buckle", "kind": "buckle", "eigenvalues": 3, "keywords": "*Node File\nU"},
              {"name": "Collapse", "kind": "static riks", "nlgeom": true, "maxLoadFactor": 1.2,
               "maxArcIncrement": 0.05, "maxIncrements": 300}])");
  EXPECT_EQ(test::Steps(odb), R"(** ----------------------------------------------------------------
** 
** STEP: Buckle
** 
*Step, name=Buckle, perturbation
*Buckle
3, , , 
*Output, field
*Node Output
U, 
*Node File
U
*End Step
** ----------------------------------------------------------------
** 
** STEP: Collapse
** 
*Step, name=Collapse, nlgeom=YES, inc=300
*Static, riks
0.01, 1., 1e-05, 0.05, 1.2, 
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
)");
}

std::string ExampleSteps(const char* file) {
  return test::Steps(mfl_ModelFile::Open(std::string(OIF_SOURCE_DIR) + "/examples/" + file));
}

TEST(StepDecks, BracketExample) {
  const std::string steps = ExampleSteps("bracket.json");
  const std::string fromPreload = steps.substr(steps.find("** ---"));
  EXPECT_EQ(fromPreload, R"(** ----------------------------------------------------------------
** 
** STEP: Preload
** 
*Step, name=Preload, nlgeom=YES
Bolt preload and two service load cases
*Static
0.1, 1., 1e-05, 0.25
** 
** CONTROLS
** 
*Controls, reset
*Controls, analysis=discontinuous
*Controls, parameters=time incrementation
, , , 20, , , , , , , 
*Controls, parameters=line search
, 2., , , 
** 
** SOLVER CONTROLS
** 
*Solver Controls, reset
*Solver Controls
1e-07, 400, 
** 
** OUTPUT REQUESTS
** 
*Print, contact=YES
*Monitor, dof=3, node=Plate-1.Fixed, frequency=2
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
** Stored text of the preload step
** 
** LOAD CASES
** 
*Load Case, name=Service-A
*Boundary, op=NEW
*End Load Case
*Load Case, name=Service-B
*End Load Case
*End Step
** ----------------------------------------------------------------
** 
** STEP: Modes
** 
*Step, name=Modes, perturbation
Natural frequencies
*Frequency, eigensolver=Lanczos, acoustic coupling=on, normalization=displacement, number interval=1, bias=1.
10, , 2000., , , 
*Output, field
*Node Output
U, 
*End Step
** ----------------------------------------------------------------
** 
** STEP: Shake
** 
*Step, name=Shake, perturbation
Response to a base shake
*Modal dynamic, continue=NO
0.001, 0.5
*Modal Damping
1, 5, 0.02
6, 10, 0.05
*Modal Damping, rayleigh
1, 10, 0.5, 0.0001
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
)");
}

TEST(StepDecks, ExplicitExample) {
  const std::string steps = ExampleSteps("explicit.json");
  EXPECT_EQ(steps.substr(steps.find("** ---")), R"(** ----------------------------------------------------------------
** 
** STEP: Drop
** 
*Step, name=Drop
Free fall and impact
*Dynamic, Explicit
, 0.002,, 1e-06
*Bulk Viscosity
0.06, 1.5
** Mass Scaling: Semi-Automatic
**               Whole Model
*Fixed Mass Scaling, dt=1e-07, type=below min
** Mass Scaling: Semi-Automatic
**               Plate-1."Impact zone"
*Variable Mass Scaling, elset=Plate-1."Impact zone", dt=1e-07, type=below min, number interval=20
** 
** INTERACTIONS
** 
** Interaction: Everything
*Contact
*Contact Inclusions, ALL EXTERIOR
*Contact Exclusions
Plate-1.Topside
*Contact property assignment
, , Impact
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
** ----------------------------------------------------------------
** 
** STEP: Rebound
** 
*Step, name=Rebound
*Dynamic, Explicit, element by element, scale factor=0.9
, 0.001
*Bulk Viscosity
0.06, 1.2
** Mass Scaling: Reinitialize Mass
**               Whole Model
*Fixed Mass Scaling
** Mass Scaling: Disable Throughout Step
*Variable Mass Scaling
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
*End Step
)");
}

}  // namespace
