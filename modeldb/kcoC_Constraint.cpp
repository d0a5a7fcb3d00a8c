#include "modeldb/kcoC_Constraint.h"

kcoC_Constraint::~kcoC_Constraint() = default;
rgnC_DatumRegionList kcoC_Constraint::DatumCsysRegions() const { return {}; }
int kcoC_Constraint::OrientationDatum() const { return 0; }
rgnC_RegionList kcoC_Constraint::NodeSurfaceRegions() const { return {}; }
