#pragma once
// "*Restart": the write form of a step's restart request, or the read form
// that starts an analysis from the restart data of an earlier one.
#include <memory>

#include "modeldb/kprC_OutputSettings.h"
#include "zkw/zkw_Keyword.h"

class oif_Restart : public zkw_Keyword {
 public:
  /// Write form: the step's restart request.
  explicit oif_Restart(std::shared_ptr<const kprC_Restart> restart) : restart_(std::move(restart)) {}
  /// Read form: from step number `step`; `value` is the increment (when
  /// `increment`) or the interval, -2 for none; `endStep` ends the step
  /// there.
  oif_Restart(int step, int value, bool increment, bool endStep)
      : step_(step), value_(value), increment_(increment), endStep_(endStep) {}
  zkw_Keyword* Clone() const override { return new oif_Restart(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kprC_Restart> restart_;
  int step_ = 0;
  int value_ = -2;
  bool increment_ = true;
  bool endStep_ = false;
};
