#pragma once
// The writer's row of every step kind (kprC_StepKind): the parameters of its
// "*Step" line and the procedure keyword with its companions. oif_Step
// prints the step line from the row; oif_StepBuilder registers the procedure
// through it.
#include <functional>
#include <span>
#include <typeindex>

#include "modeldb/kprC_StepKind.h"
#include "zkw/zkw_Keyword.h"

/// When the step line states "nlgeom".
enum class oif_StepNlgeom {
  None,
  A,  // YES when the step turns it on or it is already in effect
  B,  // stated whenever the step's own setting differs from the one in effect
};

/// When the step line states "unsymm".
enum class oif_StepUnsymm {
  No,
  Yes,
  Separated,      // coupled steps solved with the separated technique only
  Consolidation,  // soils steps with a consolidation analysis only
};

/// The parameters of a step line after "name=", in the order written.
struct oif_StepCard {
  bool exists = false;  ///< false: the writer has no step line for the kind
  oif_StepNlgeom nlgeom = oif_StepNlgeom::None;
  bool perturbation = false;
  bool extrapolation = false;
  bool amplitude = false;
  bool inc = false;
  oif_StepUnsymm unsymm = oif_StepUnsymm::No;
  kprC_Step::AmplitudeEnm defaultAmplitude = kprC_Step::AMPLITUDE_STEP;
};

/// What a procedure row takes from the step builder.
struct oif_ProcedureContext {
  const kprC_AnalysisStep& step;
  /// Dynamic type of the step before this one.
  std::type_index previousKind;
  /// The deck has part blocks (not a flat deck of instances).
  bool writesParts;
  /// Registers a keyword in the step.
  std::function<void(const zkw_Keyword&)> add;
  /// Printable set name of a region; empty when there is none.
  std::function<cow_String(const rgnC_Region&)> regionName;
};

struct oif_StepRow {
  kprC_StepKind kind;
  oif_StepCard card;
  /// Registers the procedure keyword of the kind and its companions.
  void (*procedure)(const oif_ProcedureContext& context);
};

/// One row per step kind, in kind order.
std::span<const oif_StepRow> oif_StepRows();
/// The row of a step's class; nullptr for the initial step and classes
/// outside the table.
const oif_StepRow* oif_FindStepRow(const kprC_Step& step);
