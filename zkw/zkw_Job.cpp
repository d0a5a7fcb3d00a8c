#include "zkw/zkw_Job.h"

zkw_Job::~zkw_Job() = default;

namespace {
int useCount = 0;
}

void zkw_initialize(int& count) {
  if (useCount++ == 0) ++count;
}

void zkw_finalize(int& count) {
  if (useCount-- == 1) --count;
}
