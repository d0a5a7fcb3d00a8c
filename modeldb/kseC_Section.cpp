#include "modeldb/kseC_Section.h"

kseC_Section::~kseC_Section() = default;
