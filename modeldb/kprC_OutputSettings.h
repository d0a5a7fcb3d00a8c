#pragma once
// Output settings a step carries besides its output requests: the restart
// request, the monitored degree of freedom and the diagnostic print
// settings. Each comes in the kinds that the step's procedure has: the
// explicit kinds for explicit steps, the perturbation kind of diagnostic
// print for linear perturbation steps, the standard kinds for all others.
#include "modeldb/mdl_Object.h"
#include "modeldb/rgnC_Region.h"

/// Base of restart requests.
class MDB_API kprC_Restart : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kprC_Restart() override;

  /// Only the last restart data of the step is kept.
  bool overlay = false;
  /// Number of equal intervals of the step at which data is written.
  int numberInterval = 1;
  /// Data at the exact interval times rather than the increments nearest.
  bool timeMarks = false;
};

/// Restart request of an implicit step: every `frequency` increments when
/// `numberInterval` is below 1, else at number intervals.
class MDB_API kprC_StandardRestart : public kprC_Restart {
 public:
  using kprC_Restart::kprC_Restart;
  ~kprC_StandardRestart() override;

  int frequency = 0;
};

class MDB_API kprC_ExplicitRestart : public kprC_Restart {
 public:
  using kprC_Restart::kprC_Restart;
  ~kprC_ExplicitRestart() override;
};

/// Base of monitors: a degree of freedom of one node, shown while the step
/// runs.
class MDB_API kprC_Monitor : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kprC_Monitor() override;

  /// A node set holding the node.
  rgnC_Region region;
  int dof = 1;
};

class MDB_API kprC_StandardMonitor : public kprC_Monitor {
 public:
  using kprC_Monitor::kprC_Monitor;
  ~kprC_StandardMonitor() override;

  /// Every this many increments.
  int frequency = 1;
};

class MDB_API kprC_ExplicitMonitor : public kprC_Monitor {
 public:
  using kprC_Monitor::kprC_Monitor;
  ~kprC_ExplicitMonitor() override;
};

/// Base of diagnostic print settings.
class MDB_API kprC_DiagnosticPrint : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kprC_DiagnosticPrint() override;
};

/// Printed diagnostics of a general implicit step; the members hold the
/// solver's defaults.
class MDB_API kprC_StandardDiagnosticPrint : public kprC_DiagnosticPrint {
 public:
  using kprC_DiagnosticPrint::kprC_DiagnosticPrint;
  ~kprC_StandardDiagnosticPrint() override;
  bool operator==(const kprC_StandardDiagnosticPrint& other) const {
    return contact == other.contact && frequency == other.frequency && modelChange == other.modelChange &&
           plasticity == other.plasticity && residual == other.residual && solve == other.solve;
  }

  bool contact = false;
  int frequency = 1;
  bool modelChange = false;
  bool plasticity = false;
  bool residual = true;
  bool solve = false;
};

/// Printed diagnostics of a linear perturbation step.
class MDB_API kprC_PerturbationDiagnosticPrint : public kprC_DiagnosticPrint {
 public:
  using kprC_DiagnosticPrint::kprC_DiagnosticPrint;
  ~kprC_PerturbationDiagnosticPrint() override;
  bool operator==(const kprC_PerturbationDiagnosticPrint& other) const {
    return frequency == other.frequency && solve == other.solve;
  }

  int frequency = 1;
  bool solve = false;
};

/// Printed diagnostics of an explicit step.
class MDB_API kprC_ExplicitDiagnosticPrint : public kprC_DiagnosticPrint {
 public:
  using kprC_DiagnosticPrint::kprC_DiagnosticPrint;
  ~kprC_ExplicitDiagnosticPrint() override;
  bool operator==(const kprC_ExplicitDiagnosticPrint& other) const {
    return allke == other.allke && criticalElement == other.criticalElement && etotal == other.etotal &&
           dmass == other.dmass;
  }

  bool allke = true;
  bool criticalElement = true;
  bool etotal = false;
  bool dmass = false;
};
