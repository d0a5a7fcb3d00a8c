#include "modeldb/ddb_Instance.h"

ddb_BaseInstance::ddb_BaseInstance(std::string name, std::string solverInput)
    : name_(std::move(name)), solverInput_(std::move(solverInput)) {}
ddb_BaseInstance::~ddb_BaseInstance() = default;

ddb_PartInstance::ddb_PartInstance(std::string name, std::string solverInput, std::string partName,
                                   ddb_Mesh mesh)
    : ddb_BaseInstance(std::move(name), std::move(solverInput)),
      partName_(std::move(partName)),
      mesh_(std::move(mesh)) {}
ddb_PartInstance::~ddb_PartInstance() = default;

const ddb_PartAttributes& ddb_PartInstance::attributes() const noexcept {
  static const ddb_PartAttributes none;
  return attributes_ ? *attributes_ : none;
}

ddb_ModelInstance::ddb_ModelInstance(std::string name, std::string solverInput, std::string modelName)
    : ddb_BaseInstance(std::move(name), std::move(solverInput)), modelName_(std::move(modelName)) {}
ddb_ModelInstance::~ddb_ModelInstance() = default;
