#include "oif/impl/oif_Output.h"

#include "modeldb/korC_OdbRequestTable.h"
#include "oif/impl/oif_KeywordLine.h"

oif_Output::oif_Output(const korC_OdbRequest& record, double timePeriod)
    : frequency_(record.frequency),
      numberInterval_(record.numberInterval),
      timeMarks_(record.timeMarks),
      filter_(record.filter),
      timePoints_(record.timePoints),
      timeInterval_(record.timeInterval),
      modes_(record.modes),
      frequencyKind_(record.frequencyKind),
      preselect_(record.preselect),
      all_(record.all),
      timePeriod_(timePeriod),
      procedureType_(record.procedureType),
      channel_(record.channel) {}

void oif_Output::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Output");
  line.FlagNoBreak(channel_ == kprC_FieldChannel ? "field" : "history");
  const bool writes = frequency_ != 0 || frequencyKind_ != kprC_EveryIncrements;
  if (writes) {
    if (preselect_)
      line.Param("variable", "PRESELECT");
    else if (all_)
      line.Param("variable", "ALL");
    if (!filter_.empty()) line.Param("filter", filter_);
  }
  const int defaultType = korC_DefaultOutputType(procedureType_, channel_);
  const bool field = channel_ == kprC_FieldChannel;
  switch (frequencyKind_) {
    case kprC_EveryIncrements: {
      const int defaultFrequency = kprC_IsImplicitModal(procedureType_) ? 10 : 1;
      if (!(defaultType == kprC_EveryIncrements && frequency_ == defaultFrequency)) line.Param("frequency", frequency_);
      break;
    }
    case kprC_NumberInterval: {
      const int defaultInterval = field ? 20 : 200;
      if (defaultType == kprC_NumberInterval && numberInterval_ == defaultInterval) break;
      if (!field && kprC_IsExplicit(procedureType_)) {
        if (timePeriod_ > 0.0 && numberInterval_ >= 1) line.Param("time interval", timePeriod_ / numberInterval_);
      } else {
        line.Param("number interval", numberInterval_);
      }
      break;
    }
    case kprC_TimeInterval:
      line.Param("time interval", timeInterval_);
      break;
    case kprC_ModeList:
      if (!modes_.empty()) {
        line.Flag("mode list");
        line.End();
        // 16 modes a line; a line that is not full ends with a separator.
        oif_DataLine data(stream);
        data.PerLine(16);
        for (int mode : modes_) data << mode;
        if (modes_.size() % 16 == 0)
          data.End();
        else
          data.Continue();
      }
      break;
    case kprC_TimePoints:
      line.Param("time points", timePoints_);
      break;
    default:
      break;
  }
  if (writes && (frequencyKind_ == kprC_NumberInterval || frequencyKind_ == kprC_TimeInterval ||
                 frequencyKind_ == kprC_TimePoints)) {
    const bool defaultMarks = !kprC_IsExplicit(procedureType_);
    if (timeMarks_ != defaultMarks && kprC_TimeMarksIsAllowed(procedureType_, channel_))
      line.Param("time marks", timeMarks_ ? "YES" : "NO");
  }
  line.End();
}
