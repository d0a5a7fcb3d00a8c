#pragma once
// Reading of the "connectors" member: the connector wires of the assembly,
// the connector sections with their connection types and the connector
// behaviours with their options.
#include <set>
#include <string_view>
#include <vector>

#include "modeldb/kbeC_ConnectorBehavior.h"
#include "modelfile/mfl_Loader.h"

namespace mfl {

/// The wires ("connectors"/"wires"): their elements join the assembly's own
/// mesh and each wire entry with points becomes an element set of the
/// assembly named after it (an entry may name such a set instead); the
/// orientations are kept. After the assembly, before the steps (so
/// that conditions can cite the wires' element sets). Gives the element sets
/// of the assembly that a wire entry gives a section.
std::set<int> ReadConnectorWires(Loader& loader, const Ref& connectors);

/// The elements of the assembly's own mesh ("assembly"/"mesh"/"elements")
/// are wires, and each is in one of `wireSets` (from ReadConnectorWires): the
/// deck writes the assembly's elements only as wires with their section, so
/// any other is refused ("model.unsupported", "model.unused") rather than
/// left out.
void CheckAssemblyElements(const Loader& loader, const Ref& root, const std::set<int>& wireSets);

/// The region of a wire entry named by `ref` (a text): the element set of
/// the assembly that the wire entry made. Refuses a name that is no element
/// set of the assembly ("model.unknown-reference") and an element set that
/// holds other elements than wires ("model.type"). For the conditions that
/// act on wires (connector motions and loads), from the steps on.
rgnC_Region ReadWireReference(const Loader& loader, const Ref& ref);

/// The behaviours and sections ("connectors"/"behaviors", "sections"), and
/// the assignment of each wire entry's section. After the sections.
void ReadConnectorSections(Loader& loader, const Ref& connectors);

/// A table ("table", "temperatureDependency", "dependencies" of `owner`):
/// rows of equal length with room for the temperature and field columns.
/// Shared by the connector behaviours and the interaction properties.
kmaC_TableData ReadTableMembers(const Ref& owner);

/// The members an option of a kind may have in the model file.
std::vector<std::string_view> ConnectorOptionMemberNames(kbeC_OptionKind kind);

}  // namespace mfl
