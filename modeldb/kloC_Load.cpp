#include "modeldb/kloC_Load.h"

#include "exceptions/nex_Exception.h"
#include "modeldb/kloC_LoadTable.h"

kloC_Load::~kloC_Load() = default;
rgnC_DatumRegionList kloC_Load::DatumCsysRegions() const { return {}; }
int kloC_Load::OrientationDatum() const { return 0; }
kloC_BoltLoad::~kloC_BoltLoad() = default;

const char* kloC_LoadTypeLabelMap::Label(std::type_index type) {
  if (type == mdl_TypeId<kloC_BoltLoad>()) return "Bolt load";
  if (const kloC_LoadInfo* info = kloC_FindKind(type)) return info->label;
  nex_TextException("Unimplemented load type label").Throw("kloC_Load", __LINE__);
}
