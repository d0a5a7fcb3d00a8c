#pragma once
#include <memory>
#include <string>
#include <vector>

#include "modeldb/ddb_Instance.h"
#include "modeldb/ddb_Mesh.h"
#include "modeldb/mdl_Repository.h"
#include "modeldb/ptoC_ConnectorOrientation.h"

/// A part: its name, stored keyword text and mesh contents.
struct MDB_API ddb_Part {
  std::string partName;
  std::string input;
  std::shared_ptr<const ddb_MeshContents> contents;

  const std::string& name() const noexcept { return partName; }
  const std::string& solverInput() const noexcept { return input; }
};

/// A reference point of the assembly: a node of the assembly's own mesh and
/// the assembly node set that holds it, by which constraints cite it.
struct MDB_API ddb_ReferencePoint {
  std::string name;
  int node = 0;  ///< index of the node in the assembly's mesh
  int set = -1;  ///< index of its node set among the assembly's sets
};

/// The root assembly: instances in model order, its own mesh (reference
/// points; may be absent), its sets and its stored keyword text.
class MDB_API ddb_Assembly {
 public:
  std::string assemblyName = "Assembly";
  std::string input;
  mdl_OrderedContainer<ddb_BaseInstance> instances;
  ddb_Mesh ownMesh;  // empty when the assembly has no mesh
  std::vector<std::shared_ptr<const ddb_Set>> sets;
  /// Orientations of connector elements, by the region they apply to.
  std::vector<ptoC_ConnectorOrientation> connectorOrientations;
  std::vector<ddb_ReferencePoint> referencePoints;
  /// Section assignments of the assembly's own elements (connector wires), in stored order.
  std::vector<ptoC_SectionAssignment> sectionAssignments;

  const std::string& name() const noexcept { return assemblyName; }
  const std::string& solverInput() const noexcept { return input; }
  const mdl_OrderedContainer<ddb_BaseInstance>& instance() const noexcept { return instances; }
  bool hasMesh() const noexcept { return !ownMesh.IsEmpty(); }
  const ddb_Mesh& mesh() const noexcept { return ownMesh; }
  int numSets() const noexcept { return int(sets.size()); }
  const ddb_Set& set(int index) const;
  const std::vector<ptoC_ConnectorOrientation>& connectorOrientation() const noexcept {
    return connectorOrientations;
  }
  const std::vector<ddb_ReferencePoint>& referencePoint() const noexcept { return referencePoints; }
  const std::vector<ptoC_SectionAssignment>& sectionAssignment() const noexcept { return sectionAssignments; }
};
