#include "oif/impl/oif_Restart.h"

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_KeywordLine.h"

void oif_Restart::Write(utl_Stream& stream) const {
  if (!restart_) {
    oif_KeywordLine line(stream, "*Restart");
    line.FlagNoBreak("read").Param("step", step_);
    if (value_ != -2) {
      line.Param(increment_ ? "inc" : "interval", value_);
      if (endStep_) line.Flag("end step");
    }
    line.End();
    return;
  }
  oif_KeywordLine line(stream, "*Restart");
  line.FlagNoBreak("write");
  if (dynamic_cast<const kprC_ExplicitRestart*>(restart_.get()) != nullptr) {
    const auto& restart = nex_canDynamicCastRef<kprC_ExplicitRestart>(*restart_, "oif_Restart", 57);
    if (restart.overlay) line.Flag("overlay");
    line.Param("number interval", restart.numberInterval).Param("time marks", restart.timeMarks ? "YES" : "NO");
    line.End();
    return;
  }
  const auto& restart = nex_canDynamicCastRef<kprC_StandardRestart>(*restart_, "oif_Restart", 80);
  if (restart.overlay) line.Flag("overlay");
  if (restart.numberInterval < 1)
    line.Param("frequency", restart.frequency);
  else
    line.Param("number interval", restart.numberInterval).Param("time marks", restart.timeMarks ? "YES" : "NO");
  line.End();
}
