#pragma once
// "*Output": the line that opens one group of output requests of a step,
// with its channel, variable preset, filter and frequency.
#include <vector>

#include "modeldb/korC_OutputRequest.h"
#include "zkw/zkw_Keyword.h"

class oif_Output : public zkw_Keyword {
 public:
  /// The line of `record`; `timePeriod` is the step's time period (explicit
  /// procedures; 0 for others).
  oif_Output(const korC_OdbRequest& record, double timePeriod);
  zkw_Keyword* Clone() const override { return new oif_Output(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  int frequency_;
  int numberInterval_;
  bool timeMarks_;
  cow_String filter_;
  cow_String timePoints_;
  double timeInterval_;
  std::vector<int> modes_;
  int frequencyKind_;
  bool preselect_;
  bool all_;
  double timePeriod_;
  unsigned procedureType_;
  int channel_;
};
