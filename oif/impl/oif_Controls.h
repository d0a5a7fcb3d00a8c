#pragma once
// Solution controls and solver controls of a step. A controls keyword first
// resets every control of the step, then states each group that differs
// from the solver's defaults, leaving every value equal to its default empty.
#include <functional>
#include <span>

#include "modeldb/kprC_ControlsKind.h"
#include "zkw/zkw_Keyword.h"

/// Base of the seven controls keywords. `lineSearch`: the step uses the
/// quasi-Newton technique, whose default number of line search iterations
/// is not the default list's.
class oif_Controls : public zkw_Keyword {
 public:
  void Write(utl_Stream& stream) const override = 0;

 protected:
  explicit oif_Controls(bool lineSearch) : lineSearch_(lineSearch) {}

  /// "*Controls, reset" and the groups of every kind. False when nothing
  /// more is written (propagated or default controls).
  bool WriteGeneral(utl_Stream& stream, const kprC_PrimaryControls& controls) const;
  /// A field group, when the list differs from the field's default list.
  static void WriteField(utl_Stream& stream, const char* field, const std::vector<double>& values,
                         bool displacement = false);

  bool lineSearch_;
};

class oif_TypicalControls : public oif_Controls {
 public:
  oif_TypicalControls(const kprC_TypicalControls& controls, bool lineSearch)
      : oif_Controls(lineSearch), controls_(controls) {}
  zkw_Keyword* Clone() const override { return new oif_TypicalControls(*this); }
  void Write(utl_Stream& stream) const override;

 protected:
  /// Displacement, hydrostatic fluid pressure and rotation.
  static void WriteTypicalFields(utl_Stream& stream, const kprC_TypicalControls& controls);

 private:
  kprC_TypicalControls controls_;
};

class oif_HeatTransferControls : public oif_Controls {
 public:
  oif_HeatTransferControls(const kprC_HeatTransferControls& controls, bool lineSearch)
      : oif_Controls(lineSearch), controls_(controls) {}
  zkw_Keyword* Clone() const override { return new oif_HeatTransferControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_HeatTransferControls controls_;
};

class oif_MassDiffusionControls : public oif_Controls {
 public:
  oif_MassDiffusionControls(const kprC_MassDiffusionControls& controls, bool lineSearch)
      : oif_Controls(lineSearch), controls_(controls) {}
  zkw_Keyword* Clone() const override { return new oif_MassDiffusionControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_MassDiffusionControls controls_;
};

class oif_CTEControls : public oif_HeatTransferControls {
 public:
  oif_CTEControls(const kprC_CTEControls& controls, bool lineSearch)
      : oif_HeatTransferControls(controls, lineSearch), controls_(controls) {}
  zkw_Keyword* Clone() const override { return new oif_CTEControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_CTEControls controls_;
};

class oif_CTDControls : public oif_TypicalControls {
 public:
  oif_CTDControls(const kprC_CTDControls& controls, bool lineSearch)
      : oif_TypicalControls(controls, lineSearch), controls_(controls) {}
  zkw_Keyword* Clone() const override { return new oif_CTDControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_CTDControls controls_;
};

class oif_PoreControls : public oif_TypicalControls {
 public:
  oif_PoreControls(const kprC_PoreControls& controls, bool lineSearch)
      : oif_TypicalControls(controls, lineSearch), controls_(controls) {}
  zkw_Keyword* Clone() const override { return new oif_PoreControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_PoreControls controls_;
};

class oif_ElectricalControls : public oif_TypicalControls {
 public:
  oif_ElectricalControls(const kprC_ElectricalControls& controls, bool lineSearch)
      : oif_TypicalControls(controls, lineSearch), controls_(controls) {}
  zkw_Keyword* Clone() const override { return new oif_ElectricalControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_ElectricalControls controls_;
};

/// "*Solver Controls": the iterative solver's tolerance and two counts.
class oif_SolverControls : public zkw_Keyword {
 public:
  explicit oif_SolverControls(const kprC_SolverControls& controls)
      : propagated_(controls.propagated),
        defaults_(controls.defaults),
        tolerance_(controls.tolerance),
        maxIterations_(controls.maxIterations),
        restart_(controls.restart) {}
  zkw_Keyword* Clone() const override { return new oif_SolverControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  bool propagated_;
  bool defaults_;
  double tolerance_;
  int maxIterations_;
  int restart_;
};

/// The writer's row of every controls kind (kprC_ControlsKind): the keyword
/// its controls print with. `lineSearch` as for oif_Controls.
struct oif_ControlsRow {
  kprC_ControlsKind kind;
  void (*add)(const kprC_Controls& controls, bool lineSearch, const std::function<void(const zkw_Keyword&)>& add);
};

/// One row per controls kind, in kind order.
std::span<const oif_ControlsRow> oif_ControlsRows();
/// The row of a controls object's class; nullptr for a class outside the table.
const oif_ControlsRow* oif_FindControlsRow(const kprC_Controls& controls);
