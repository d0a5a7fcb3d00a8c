#pragma once
// "*Print": the diagnostics the solver prints while a step runs. Settings
// carry over from step to step, so the keyword states only what differs
// from the settings in force before the step.
#include <memory>

#include "modeldb/kprC_OutputSettings.h"
#include "zkw/zkw_Keyword.h"

class oif_DiagnosticPrint : public zkw_Keyword {
 public:
  /// `settings`: the step's settings; `previous`: those in force before
  /// the step (null: nothing is written).
  oif_DiagnosticPrint(std::shared_ptr<const kprC_DiagnosticPrint> settings,
                      std::shared_ptr<const kprC_DiagnosticPrint> previous)
      : settings_(std::move(settings)), previous_(std::move(previous)) {}
  zkw_Keyword* Clone() const override { return new oif_DiagnosticPrint(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kprC_DiagnosticPrint> settings_;
  std::shared_ptr<const kprC_DiagnosticPrint> previous_;
};
