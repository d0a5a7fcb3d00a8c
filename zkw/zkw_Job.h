#pragma once
#include "containers/cow.h"
#include "zkw/zkw_Export.h"

/// Abstract job of the framework; only its handle is used.
class ZKW_API zkw_Job {
 public:
  virtual ~zkw_Job();
  virtual bool Run() = 0;
  virtual zkw_Job* Clone() const = 0;
};

using zkw_JobHandle = cow_COW<zkw_Job, cow_Virtual<zkw_Job>>;

/// Module set-up and tear-down of the keyword framework; each counts its uses
/// and changes the caller's counter only on the first set-up and last tear-down.
ZKW_API void zkw_initialize(int& count);
ZKW_API void zkw_finalize(int& count);
