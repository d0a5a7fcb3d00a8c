#pragma once
// "*Monitor": the degree of freedom of one node that the solver shows while
// the step runs.
#include <memory>

#include "modeldb/kprC_OutputSettings.h"
#include "zkw/zkw_Keyword.h"

class oif_Monitor : public zkw_Keyword {
 public:
  /// `node`: the printable name of the monitor's node set.
  oif_Monitor(std::shared_ptr<const kprC_Monitor> monitor, cow_String node)
      : monitor_(std::move(monitor)), node_(std::move(node)) {}
  zkw_Keyword* Clone() const override { return new oif_Monitor(*this); }
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override { return !monitor_; }

 private:
  std::shared_ptr<const kprC_Monitor> monitor_;
  cow_String node_;
};
