#include "modeldb/kloC_Load.h"

kloC_Load::~kloC_Load() = default;
