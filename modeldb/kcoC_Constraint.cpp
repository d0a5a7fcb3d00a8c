#include "modeldb/kcoC_Constraint.h"
#include "modeldb/mdl_KindTable.h"

#include <initializer_list>

#include "exceptions/nex_Exception.h"

namespace {

using K = kcoC_ConstraintKind;

constexpr kcoC_RegionSlot Required(const char* fileName, unsigned kinds) { return {fileName, kinds, true, false}; }
/// The reference node of a coupling or rigid body: a node set of one node.
constexpr kcoC_RegionSlot RefNode() { return {"refNode", kcoC_NodeSets, true, false, true}; }
constexpr kcoC_RegionSlot Optional(const char* fileName, unsigned kinds) { return {fileName, kinds, false, false}; }
/// A surface the keyword cites by name; a node set is cited as a node-based surface.
constexpr kcoC_RegionSlot SurfaceOrNodes(const char* fileName) {
  return {fileName, kcoC_Surfaces | kcoC_NodeSets, true, true};
}

constexpr kcoC_ConstraintInfo Row(K kind, const char* className, const char* fileName, const char* keyword,
                                  std::type_index (*typeId)(), std::initializer_list<kcoC_RegionSlot> regions) {
  kcoC_ConstraintInfo info;
  info.kind = kind;
  info.className = className;
  info.fileName = fileName;
  info.keyword = keyword;
  info.typeId = typeId;
  for (const kcoC_RegionSlot& slot : regions) info.regionSlots[std::size_t(info.regionCount++)] = slot;
  return info;
}

// One row per kind, in kind order (checked below); the regions in the order
// of each class's Slot enumeration.
constexpr kcoC_ConstraintInfo kInfos[] = {
    Row(K::Tie, "kcoC_Tie", "tie", "*Tie", &kcoC_Tie::TypeId,
        {Required("master", kcoC_Surfaces), SurfaceOrNodes("slave")}),
    Row(K::Coupling, "kcoC_Coupling", "coupling", "*Coupling", &kcoC_Coupling::TypeId,
        {RefNode(), SurfaceOrNodes("surface")}),
    Row(K::RigidBody, "kcoC_RigidBody", "rigid body", "*Rigid Body", &kcoC_RigidBody::TypeId,
        {RefNode(), Optional("elements", kcoC_ElementSets),
         Optional("pinNodes", kcoC_NodeSets), Optional("tieNodes", kcoC_NodeSets)}),
    Row(K::Equation, "kcoC_Equation", "equation", "*Equation", &kcoC_Equation::TypeId, {}),
    Row(K::EmbeddedRegion, "kcoC_EmbeddedRegion", "embedded region", "*Embedded Element",
        &kcoC_EmbeddedRegion::TypeId, {Required("embedded", kcoC_ElementSets), Required("host", kcoC_ElementSets)}),
    Row(K::ShellSolidCoupling, "kcoC_ShellSolidCoupling", "shell to solid coupling", "*Shell to Solid Coupling",
        &kcoC_ShellSolidCoupling::TypeId, {Required("shellEdge", kcoC_Surfaces), Required("solidFace", kcoC_Surfaces)}),
};

static_assert(mdl_OneRowPerKindInOrder<kcoC_ConstraintKind>(kInfos), "the constraint table needs one row per kind, in kind order");

}  // namespace

std::span<const kcoC_ConstraintInfo> kcoC_ConstraintTable() { return kInfos; }

const kcoC_ConstraintInfo& kcoC_Info(kcoC_ConstraintKind kind) {
  NEX_ASSERT(int(kind) >= 0 && int(kind) < kcoC_ConstraintKindCount);
  return kInfos[std::size_t(kind)];
}

const kcoC_ConstraintInfo* kcoC_FindInfo(const kcoC_Constraint& constraint) {
  for (const kcoC_ConstraintInfo& info : kInfos)
    if (constraint.DynTypeId() == info.typeId()) return &info;
  return nullptr;
}

kcoC_Constraint::kcoC_Constraint(std::string name, kcoC_ConstraintKind kind)
    : mdl_Object(std::move(name)), regions_(std::size_t(kcoC_Info(kind).regionCount)) {}
kcoC_Constraint::kcoC_Constraint(std::string name) : mdl_Object(std::move(name)) {}
kcoC_Constraint::~kcoC_Constraint() = default;
kcoC_Tie::~kcoC_Tie() = default;
kcoC_Coupling::~kcoC_Coupling() = default;
kcoC_RigidBody::~kcoC_RigidBody() = default;
kcoC_Equation::~kcoC_Equation() = default;
kcoC_EmbeddedRegion::~kcoC_EmbeddedRegion() = default;
kcoC_ShellSolidCoupling::~kcoC_ShellSolidCoupling() = default;

rgnC_DatumRegionList kcoC_Constraint::DatumCsysRegions() const { return {}; }
int kcoC_Constraint::OrientationDatum() const { return 0; }

rgnC_RegionList kcoC_Constraint::NodeSurfaceRegions() const {
  rgnC_RegionList regions;
  const kcoC_ConstraintInfo* info = kcoC_FindInfo(*this);
  if (info == nullptr) return regions;
  for (std::size_t i = 0; i < regions_.size(); ++i)
    if (info->regionSlots[i].citedAsSurface && regions_[i].setKind == rgnC_SetData::NodeSet)
      regions.push_back(regions_[i].region);
  return regions;
}

const kcoC_Region& kcoC_Constraint::Region(int slot) const {
  NEX_ASSERT(slot >= 0 && std::size_t(slot) < regions_.size());
  return regions_[std::size_t(slot)];
}

void kcoC_Constraint::SetRegion(int slot, const rgnC_Region& region, int setKind) {
  NEX_ASSERT(slot >= 0 && std::size_t(slot) < regions_.size());
  regions_[std::size_t(slot)] = {region, setKind};
}

bool kcoC_Coupling::AllDofs() const noexcept {
  for (bool dof : dofs)
    if (!dof) return false;
  return true;
}

rgnC_DatumRegionList kcoC_Equation::DatumCsysRegions() const {
  rgnC_DatumRegionList used;
  for (const kcoC_EquationTerm& term : terms)
    if (term.datum != 0) used.push_back({term.datum, term.region});
  return used;
}
