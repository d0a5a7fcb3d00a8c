#pragma once
#include "oif/oif_Writer.h"

/// Module set-up and tear-down. Each function keeps its own use count; the
/// caller's `count` goes up on a module's first set-up and down on its last
/// tear-down. DDB_OIF_initialize also sets up the keyword framework and the
/// writer module (and DDB_OIF_finalize tears them down), passing the counter on.
OIF_API void DDB_OIF_initialize(int& count);
OIF_API void DDB_OIF_finalize(int& count);
OIF_API void oif_initialize(int& count);
OIF_API void oif_finalize(int& count);
