#include "modeldb/kseC_Section.h"

kseC_Section::~kseC_Section() = default;

#include "modeldb/kseC_GasketSection.h"

kseC_GasketSection::~kseC_GasketSection() = default;
