#include "modeldb/kbeC_ConnectorBehavior.h"
#include "modeldb/mdl_KindTable.h"

#include "exceptions/nex_Exception.h"

namespace {

using K = kbeC_OptionKind;

// One row per kind, in kind order (checked below).
constexpr kbeC_OptionInfo kInfos[] = {
    {K::Elasticity, "kbeC_ConnectorElasticity", "oif_ConnectorElasticity", "elasticity", "*Connector Elasticity",
     true, true},
    {K::Damping, "kbeC_ConnectorDamping", "oif_ConnectorDamping", "damping", "*Connector Damping", true, true},
    {K::Stop, "kbeC_ConnectorStop", "oif_ConnectorStop", "stop", "*Connector Stop", false, false},
    {K::Lock, "kbeC_ConnectorLock", "oif_ConnectorLock", "lock", "*Connector Lock", false, false},
    {K::Failure, "kbeC_ConnectorFailure", "oif_ConnectorFailure", "failure", "*Connector Failure", false, false},
    {K::Friction, "kbeC_ConnectorFriction", "oif_ConnectorFriction", "friction", "*Connector Friction", true, true},
    {K::Plasticity, "kbeC_ConnectorPlasticity", "oif_ConnectorPlasticity", "plasticity", "*Connector Plasticity",
     true, false},
    {K::Damage, "kbeC_ConnectorDamage", "oif_ConnectorDamage", "damage", "*Connector Damage Initiation", true,
     false},
};

static_assert(mdl_OneRowPerKindInOrder<kbeC_OptionKind>(kInfos), "the connector option table needs one row per kind, in kind order");

}  // namespace

std::span<const kbeC_OptionInfo> kbeC_OptionTable() { return kInfos; }

const kbeC_OptionInfo& kbeC_Info(kbeC_OptionKind kind) {
  NEX_ASSERT(int(kind) >= 0 && int(kind) < kbeC_OptionKindCount);
  return kInfos[int(kind)];
}

kbeC_ConnectorBehaviorOption::~kbeC_ConnectorBehaviorOption() = default;
kbeC_ConnectorElasticity::~kbeC_ConnectorElasticity() = default;
kbeC_ConnectorDamping::~kbeC_ConnectorDamping() = default;
kbeC_ConnectorStop::~kbeC_ConnectorStop() = default;
kbeC_ConnectorLimitOption::~kbeC_ConnectorLimitOption() = default;
kbeC_ConnectorLock::~kbeC_ConnectorLock() = default;
kbeC_ConnectorFailure::~kbeC_ConnectorFailure() = default;
kbeC_ConnectorFriction::~kbeC_ConnectorFriction() = default;
kbeC_ConnectorPlasticity::~kbeC_ConnectorPlasticity() = default;
kbeC_ConnectorDamage::~kbeC_ConnectorDamage() = default;

kbeC_ConnectorBehavior::kbeC_ConnectorBehavior() { reference.fill(kbeC_UnsetReference); }

const kbeC_DerivedComponent* kbeC_ConnectorBehavior::FindDerived(const std::string& name) const {
  for (const auto& derived : derivedComponents)
    if (derived->name == name) return derived.get();
  return nullptr;
}
