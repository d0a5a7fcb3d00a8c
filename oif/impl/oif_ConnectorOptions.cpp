#include "oif/impl/oif_ConnectorOptions.h"
#include "modeldb/mdl_KindTable.h"

#include <algorithm>

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_ConnectorElasticity.h"
#include "oif/impl/oif_ConnectorFriction.h"
#include "oif/impl/oif_ConnectorPlasticity.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {

using K = kbeC_OptionKind;

constexpr oif_ConnectorLimitRow kLimitRows[] = {
    {K::Stop, "oif_ConnectorStop", "*Connector Stop", nullptr, 2},
    {K::Lock, "oif_ConnectorLock", "*Connector Lock", "lock", 4},
    {K::Failure, "oif_ConnectorFailure", "*Connector Failure", "release", 4},
};

const oif_ConnectorLimitRow* FindLimitRow(K kind) {
  for (const oif_ConnectorLimitRow& row : kLimitRows)
    if (row.kind == kind) return &row;
  return nullptr;
}

/// The option as its class; the source file names this module.
template <class T>
std::shared_ptr<const T> As(const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option) {
  nex_canDynamicCastRef<T>(*option, "oif/impl/oif_InstanceBuilder", __LINE__);
  return std::static_pointer_cast<const T>(option);
}

std::unique_ptr<zkw_Keyword> MakeElasticity(const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option,
                                            bool) {
  return std::make_unique<oif_ConnectorElasticity>(As<kbeC_ConnectorElasticity>(option));
}
std::unique_ptr<zkw_Keyword> MakeDamping(const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option, bool) {
  return std::make_unique<oif_ConnectorDamping>(As<kbeC_ConnectorDamping>(option));
}
std::unique_ptr<zkw_Keyword> MakeLimit(const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option, bool) {
  return std::make_unique<oif_ConnectorLimitKeyword>(option);
}
std::unique_ptr<zkw_Keyword> MakeFriction(const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option,
                                          bool explicitStep) {
  return std::make_unique<oif_ConnectorFriction>(As<kbeC_ConnectorFriction>(option), explicitStep);
}
std::unique_ptr<zkw_Keyword> MakePlasticity(const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option,
                                            bool) {
  return std::make_unique<oif_ConnectorPlasticity>(As<kbeC_ConnectorPlasticity>(option));
}
std::unique_ptr<zkw_Keyword> MakeDamage(const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option, bool) {
  return std::make_unique<oif_ConnectorDamage>(As<kbeC_ConnectorDamage>(option));
}

constexpr oif_ConnectorOptionRow kOptionRows[] = {
    {K::Elasticity, "oif_ConnectorElasticity", MakeElasticity},
    {K::Damping, "oif_ConnectorDamping", MakeDamping},
    {K::Stop, "oif_ConnectorStop", MakeLimit},
    {K::Lock, "oif_ConnectorLock", MakeLimit},
    {K::Failure, "oif_ConnectorFailure", MakeLimit},
    {K::Friction, "oif_ConnectorFriction", MakeFriction},
    {K::Plasticity, "oif_ConnectorPlasticity", MakePlasticity},
    {K::Damage, "oif_ConnectorDamage", MakeDamage},
};

static_assert(mdl_OneRowPerKindInOrder<kbeC_OptionKind>(kOptionRows), "the connector option rows need one row per kind, in kind order");

void AddCited(std::vector<std::string>& names, const std::string& name) {
  if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

void AddCited(std::vector<std::string>& names, const kbeC_Potential& potential) {
  for (const kbeC_PotentialTerm& term : potential.terms) AddCited(names, term.derived);
}

}  // namespace

std::span<const oif_ConnectorLimitRow> oif_ConnectorLimitRows() { return kLimitRows; }

std::span<const oif_ConnectorOptionRow> oif_ConnectorOptionRows() { return kOptionRows; }

oif_ConnectorLimitKeyword::oif_ConnectorLimitKeyword(std::shared_ptr<const kbeC_ConnectorBehaviorOption> option)
    : option_(std::move(option)), row_(FindLimitRow(option_->Kind())) {
  NEX_ASSERT(row_ != nullptr);
}

void oif_ConnectorLimitKeyword::Write(utl_Stream& stream) const {
  std::vector<double> limits;
  std::string affects;
  if (row_->kind == K::Stop) {
    const auto& stop = static_cast<const kbeC_ConnectorStop&>(*option_);
    limits = {stop.lower, stop.upper};
  } else {
    const auto& limit = static_cast<const kbeC_ConnectorLimitOption&>(*option_);
    limits.assign(limit.values.begin(), limit.values.end());
    affects = limit.affects;
  }
  limits.resize(std::size_t(row_->values), mdl_UnsetDouble);
  const bool anyLimit = std::any_of(limits.begin(), limits.end(), [](double v) { return mdl_IsSet(v); });
  for (int component : option_->components) {
    oif_KeywordLine line(stream, row_->keyword);
    line.Param("component", component);
    if (row_->param != nullptr && !affects.empty()) line.Param(row_->param, affects);
    line.End();
    if (!anyLimit) continue;
    oif_DataLine data(stream);
    for (double limit : limits) data << limit;
    data.End(true);
  }
}

std::unique_ptr<zkw_Keyword> oif_MakeConnectorOptionKeyword(
    const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option, bool explicitStep) {
  const int kind = int(option->Kind());
  if (kind < 0 || kind >= kbeC_OptionKindCount) NEX_THROW_TEXT("Unimplemented connector behavior option");
  return kOptionRows[kind].make(option, explicitStep);
}

std::vector<std::string> oif_CitedDerivedComponents(const kbeC_ConnectorBehaviorOption& option) {
  std::vector<std::string> names;
  switch (option.Kind()) {
    case K::Friction: {
      const auto& friction = static_cast<const kbeC_ConnectorFriction&>(option);
      if (!friction.contactForce.empty() &&
          !std::all_of(friction.contactForce.begin(), friction.contactForce.end(),
                       [](unsigned char c) { return c >= '0' && c <= '9'; }))
        AddCited(names, friction.contactForce);
      AddCited(names, friction.potential);
      break;
    }
    case K::Plasticity:
      AddCited(names, static_cast<const kbeC_ConnectorPlasticity&>(option).potential);
      break;
    case K::Damage:
      AddCited(names, static_cast<const kbeC_ConnectorDamage&>(option).potential);
      break;
    default:
      break;
  }
  return names;
}
