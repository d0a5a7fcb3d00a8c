#pragma once
// Node counts of the solver's element types that the model file checks
// `nodesPerElement` against.
#include <string_view>

namespace mfl {

/// The number of nodes of an element of `type`, or 0 when the type's count is
/// not known here (user elements, types with a variable node count, ...).
int KnownNodeCount(std::string_view type) noexcept;

class Ref;
/// Refuses ("model.conflict", at `perElement`) a node count that differs from
/// the known count of `type`.
void CheckNodeCount(std::string_view type, const Ref& perElement, int nodesPerElement);

}  // namespace mfl
