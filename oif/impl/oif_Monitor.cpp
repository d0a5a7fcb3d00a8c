#include "oif/impl/oif_Monitor.h"

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_KeywordLine.h"

void oif_Monitor::Write(utl_Stream& stream) const {
  if (!monitor_) return;
  oif_KeywordLine line(stream, "*Monitor");
  line.ParamNoBreak("dof", monitor_->dof).Param("node", node_);
  if (dynamic_cast<const kprC_ExplicitMonitor*>(monitor_.get()) == nullptr) {
    const auto& monitor = nex_canDynamicCastRef<kprC_StandardMonitor>(*monitor_, "oif_Monitor", 49);
    line.Param("frequency", monitor.frequency);
  }
  line.End();
}
