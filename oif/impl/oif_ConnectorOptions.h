#pragma once
// The connector option keywords, one per option kind.
//
// Stop, lock and failure follow one pattern: per listed component a keyword
// line "*Connector <Kind>, component=" with at most one further parameter,
// and one data line of limits, each field empty when the limit is not
// given. Each is one row of the limit table below, printed by one writer,
// oif_ConnectorLimitKeyword (its row names the class: oif_ConnectorStop,
// oif_ConnectorLock, oif_ConnectorFailure). Elasticity and damping, friction,
// plasticity and damage have keyword classes of their own. The option row
// table maps every kind to the class that prints it.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "modeldb/kbeC_ConnectorBehavior.h"
#include "zkw/zkw_Keyword.h"

struct oif_ConnectorLimitRow {
  kbeC_OptionKind kind{};
  const char* className = nullptr;  ///< "oif_ConnectorStop"
  const char* keyword = nullptr;    ///< "*Connector Stop"
  const char* param = nullptr;      ///< "lock", "release": the parameter of kbeC_ConnectorLimitOption::affects
  int values = 0;                   ///< limits on the data line
};

/// The limit table: stop, lock and failure.
std::span<const oif_ConnectorLimitRow> oif_ConnectorLimitRows();

class oif_ConnectorLimitKeyword : public zkw_Keyword {
 public:
  /// Asserts that the option is of a kind of the limit table.
  explicit oif_ConnectorLimitKeyword(std::shared_ptr<const kbeC_ConnectorBehaviorOption> option);
  zkw_Keyword* Clone() const override { return new oif_ConnectorLimitKeyword(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kbeC_ConnectorBehaviorOption> option_;
  const oif_ConnectorLimitRow* row_;
};

/// How each option kind becomes its keyword object.
struct oif_ConnectorOptionRow {
  kbeC_OptionKind kind{};
  const char* className = nullptr;
  std::unique_ptr<zkw_Keyword> (*make)(const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option,
                                       bool explicitStep) = nullptr;
};
/// One row per option kind, in kind order.
std::span<const oif_ConnectorOptionRow> oif_ConnectorOptionRows();

/// The keyword object of an option. `explicitStep`: the model has an
/// explicit step. Throws nex_TextException ("Unimplemented connector
/// behavior option") for a kind outside the table; a failed cast of the
/// option to its class is a broken invariant.
std::unique_ptr<zkw_Keyword> oif_MakeConnectorOptionKeyword(
    const std::shared_ptr<const kbeC_ConnectorBehaviorOption>& option, bool explicitStep);

/// The derived components an option names (contact force, potential
/// terms), in the order it names them, each once.
std::vector<std::string> oif_CitedDerivedComponents(const kbeC_ConnectorBehaviorOption& option);
