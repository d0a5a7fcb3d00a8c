#include "oif/oif_Module.h"

#include "zkw/zkw_Job.h"

namespace {
int ddbOifUses = 0;
int oifUses = 0;
}  // namespace

// The model database and the utility libraries this writer sits on need no
// set-up of their own here; the ordering hooks stay in place for them.
void DDB_OIF_initialize(int& count) {
  if (ddbOifUses++ != 0) return;
  ++count;
  zkw_initialize(count);
  oif_initialize(count);
}

void DDB_OIF_finalize(int& count) {
  if (ddbOifUses-- != 1) return;
  --count;
  oif_finalize(count);
  zkw_finalize(count);
}

void oif_initialize(int& count) {
  if (oifUses++ == 0) ++count;
}

void oif_finalize(int& count) {
  if (oifUses-- == 1) --count;
}
