#pragma once
// Modal damping definitions of the modal procedures. A step holds at most one
// definition of each kind; each is a list of rows.
#include <optional>
#include <vector>

#include "modeldb/mdb_Export.h"

/// Composite modal damping (from the materials' damping fractions) over
/// ranges of modes.
struct MDB_API kprC_CompositeDamping {
  struct Row {
    int firstMode = 1;
    int lastMode = 1;
  };
  std::vector<Row> rows;
};

/// Fraction of critical damping per range of modes.
struct MDB_API kprC_DirectDamping {
  struct Row {
    int firstMode = 1;
    int lastMode = 1;
    double fraction = 0.0;
  };
  std::vector<Row> rows;
};

/// Rayleigh damping (mass proportional alpha, stiffness proportional beta)
/// per range of modes.
struct MDB_API kprC_RayleighDamping {
  struct Row {
    int firstMode = 1;
    int lastMode = 1;
    double alpha = 0.0;
    double beta = 0.0;
  };
  std::vector<Row> rows;
};

/// Structural damping per range of modes.
struct MDB_API kprC_StructuralDamping {
  struct Row {
    int firstMode = 1;
    int lastMode = 1;
    double value = 0.0;
  };
  std::vector<Row> rows;
};

/// Fraction of critical damping, tabulated against frequency.
struct MDB_API kprC_DirectDampingByFrequency {
  struct Row {
    double frequency = 0.0;
    double value = 0.0;
  };
  std::vector<Row> rows;
};

/// Rayleigh damping tabulated against frequency.
struct MDB_API kprC_RayleighDampingByFrequency {
  struct Row {
    double frequency = 0.0;
    double alpha = 0.0;
    double beta = 0.0;
  };
  std::vector<Row> rows;
};

/// Structural damping tabulated against frequency.
struct MDB_API kprC_StructuralDampingByFrequency {
  struct Row {
    double frequency = 0.0;
    double value = 0.0;
  };
  std::vector<Row> rows;
};

/// The damping definitions a modal step holds; a kind the step does not hold
/// is empty.
struct MDB_API kprC_ModalDampingSet {
  std::optional<kprC_CompositeDamping> composite;
  std::optional<kprC_DirectDamping> direct;
  std::optional<kprC_RayleighDamping> rayleigh;
  std::optional<kprC_StructuralDamping> structural;
  std::optional<kprC_DirectDampingByFrequency> directByFrequency;
  std::optional<kprC_RayleighDampingByFrequency> rayleighByFrequency;
  std::optional<kprC_StructuralDampingByFrequency> structuralByFrequency;
};
