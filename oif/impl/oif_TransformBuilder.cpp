#include "oif/impl/oif_TransformBuilder.h"

#include <algorithm>

#include "oif/impl/oif_Model.h"
#include "oif/impl/oif_Orientation.h"
#include "oif/impl/oif_SetName.h"
#include "oif/impl/oif_Sets.h"
#include "zkw/zkw_ModelInfo.h"

oif_TransformBuilder::oif_TransformBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_TransformBuilder::Clone() const { return new oif_TransformBuilder(*this); }

void oif_TransformBuilder::Build() {
  BuildTransforms();
  BuildConnectorOrientations();
  // Couplings and inertia relief loads cite their datum system as an orientation.
  const auto constraints = model->Constraints();
  for (const auto& [key, constraint] : constraints.ConstGetMap())
    if (const int datum = constraint->OrientationDatum(); datum != 0)
      AddOrientation(datum, info->DatumCsysName(datum, 0.0, cow_String()), 0.0, 0);
  const auto loads = model->Loads();
  for (const cow_String& key : loads.Keys())
    if (const int datum = loads.ConstGet(key).OrientationDatum(); datum != 0)
      AddOrientation(datum, info->DatumCsysName(datum, 0.0, cow_String()), 0.0, 0);
}

// Every datum system that boundary conditions, concentrated forces and
// moments or equation terms give their directions in: a node set "_T-" and
// the datum's name listing the regions that use it, and its *Transform.
void oif_TransformBuilder::BuildTransforms() {
  std::vector<std::pair<int, std::vector<rgnC_Region>>> datums;  // in the order first met
  auto gather = [&](const rgnC_DatumRegionList& used) {
    for (const rgnC_DatumRegion& entry : used) {
      auto it = std::find_if(datums.begin(), datums.end(), [&](const auto& d) { return d.first == entry.datum; });
      if (it == datums.end()) it = datums.insert(datums.end(), {entry.datum, {}});
      it->second.push_back(entry.region);
    }
  };
  const auto conditions = model->BoundaryConditions();
  for (const cow_String& key : conditions.Keys()) gather(conditions.ConstGet(key).DatumCsysRegions());
  const auto loads = model->Loads();
  for (const cow_String& key : loads.Keys()) gather(loads.ConstGet(key).DatumCsysRegions());
  const auto constraints = model->Constraints();
  for (const auto& [key, constraint] : constraints.ConstGetMap()) gather(constraint->DatumCsysRegions());

  const ddb_Model& ddb = oif_ModelOf(*model).DdbModel();
  for (const auto& [datum, regions] : datums) {
    // The set's own name is unquoted: the keywords quote the whole name.
    const cow_String setName = "_T-" + Unquote(info->DatumCsysName(datum, 0.0, cow_String()));
    std::vector<cow_String> members;
    for (const rgnC_Region& region : regions) members.push_back(oif_SetName(region, *info).Name(2));
    AddAssemblyDefinition(oif_Nset(setName, members));
    AddAssemblyDefinition(oif_Transform(ddb, datum, setName));
  }
}

void oif_TransformBuilder::BuildConnectorOrientations() {
  const auto& orientations = oif_ModelOf(*model).DdbModel().rootAssembly().connectorOrientation();
  for (std::size_t k = 0; k < orientations.size(); ++k) {
    const ptoC_ConnectorOrientation& orientation = orientations[k];
    const cow_String suffix = "ConnOri-" + std::to_string(k) + "-";
    if (orientation.datum1 != 0)
      AddOrientation(orientation.datum1, info->DatumCsysName(orientation.datum1, orientation.angle1, suffix + "1"),
                     orientation.angle1, orientation.axis1);
    if (orientation.datum2 != 0)
      AddOrientation(orientation.datum2, info->DatumCsysName(orientation.datum2, orientation.angle2, suffix + "2"),
                     orientation.angle2, orientation.axis2);
  }
}

void oif_TransformBuilder::AddOrientation(int datum, const cow_String& name, double angle, int axis) {
  if (std::find(writtenOrientations_.begin(), writtenOrientations_.end(), name) != writtenOrientations_.end()) return;
  writtenOrientations_.push_back(name);
  AddAssemblyDefinition(oif_Orientation(oif_ModelOf(*model).DdbModel(), datum, name, angle != 0.0, angle, axis));
}
