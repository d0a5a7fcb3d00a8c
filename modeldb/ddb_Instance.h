#pragma once
#include <array>
#include <memory>
#include <string>

#include "modeldb/ddb_Mesh.h"
#include "modeldb/mdb_Export.h"
#include "modeldb/ptoC_PartAttributes.h"

/// An instance of the root assembly. Part instances carry a mesh; other kinds
/// (instances of another model) are visited by the writer but carry none.
class MDB_API ddb_BaseInstance {
 public:
  ddb_BaseInstance(std::string name, std::string solverInput);
  virtual ~ddb_BaseInstance();

  const std::string& name() const noexcept { return name_; }
  const std::string& solverInput() const noexcept { return solverInput_; }
  virtual bool isPartInstance() const { return false; }
  /// Placement: values 0-2 the translation, 3-5 a rotation vector (axis times
  /// angle in radians) about the origin; the rotation comes first. Held in
  /// double precision so that the position lines repeat the values as given.
  const std::array<double, 6>& transform() const noexcept { return transform_; }
  void setTransform(const std::array<double, 6>& transform) { transform_ = transform; }

 private:
  std::string name_;
  std::string solverInput_;
  std::array<double, 6> transform_{};
};

class MDB_API ddb_PartInstance : public ddb_BaseInstance {
 public:
  ddb_PartInstance(std::string name, std::string solverInput, std::string partName, ddb_Mesh mesh);
  ~ddb_PartInstance() override;

  bool isPartInstance() const override { return true; }
  const std::string& partName() const noexcept { return partName_; }
  const ddb_Mesh& mesh() const noexcept { return mesh_; }
  const ddb_NodeData& nodeData() const { return mesh_.nodeData(); }
  const ddb_ElementData& elementData() const { return mesh_.elementData(); }
  const ddb_Set& set(int index) const { return mesh_.set(index); }

  /// What the instance assigns to its elements; regions lie on its own mesh.
  const std::vector<ptoC_SectionAssignment>& sectionAssignments() const noexcept { return attributes().sectionAssignments; }
  const std::vector<bme_ElemCtrlParams>& elementControls() const noexcept { return attributes().elementControls; }
  const std::vector<ptoC_BeamOrientation>& beamOrientations() const noexcept { return attributes().beamOrientations; }
  const std::vector<ptoC_MaterialOrientation>& materialOrientations() const noexcept { return attributes().materialOrientations; }
  const ddb_PartAttributes& attributes() const noexcept;
  void setAttributes(std::shared_ptr<const ddb_PartAttributes> attributes) { attributes_ = std::move(attributes); }

 private:
  std::string partName_;
  ddb_Mesh mesh_;
  std::shared_ptr<const ddb_PartAttributes> attributes_;
};

/// An instance of another model placed in this assembly.
class MDB_API ddb_ModelInstance : public ddb_BaseInstance {
 public:
  ddb_ModelInstance(std::string name, std::string solverInput, std::string modelName);
  ~ddb_ModelInstance() override;

  const std::string& modelName() const noexcept { return modelName_; }

 private:
  std::string modelName_;
};
