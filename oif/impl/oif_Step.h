#pragma once
#include "modeldb/kprC_Step.h"
#include "zkw/zkw_Keyword.h"

/// "*Step, name=..." with the parameters of the step's kind, and the step's
/// description on the next line. Holds a reference to the step: the model
/// outlives the job.
class oif_Step : public zkw_Keyword {
 public:
  /// `nlgeomInEffect`: nonlinear geometry was switched on by an earlier step
  /// (or the model has an explicit step), so it stays on.
  oif_Step(const kprC_Step& step, bool nlgeomInEffect, const cow_String& name);
  zkw_Keyword* Clone() const override;
  /// Throws nex_TextException "Unimplemented function to write out *Step
  /// card" for a kind without a step line (complex frequency, steady-state
  /// subspace, kinds unknown to the writer).
  void Write(utl_Stream& stream) const override;

 private:
  bool nlgeomInEffect_;
  const kprC_Step* step_;
  cow_String name_;
};
