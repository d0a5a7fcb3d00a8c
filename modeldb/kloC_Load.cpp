#include "modeldb/kloC_Load.h"

kloC_Load::~kloC_Load() = default;
rgnC_DatumRegionList kloC_Load::DatumCsysRegions() const { return {}; }
int kloC_Load::OrientationDatum() const { return 0; }
