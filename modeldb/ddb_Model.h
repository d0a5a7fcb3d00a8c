#pragma once
// The model: the handle that every reader of the model database starts from.
// A ddb_Model shares its contents; copying it is cheap.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "modeldb/ddb_Assembly.h"
#include "modeldb/ddb_Datum.h"
#include "modeldb/ddb_ModelSectorDefinition.h"
#include "modeldb/kamC_Amplitude.h"
#include "modeldb/kbcC_BoundaryCondition.h"
#include "modeldb/kbpC_BeamProfile.h"
#include "modeldb/kcoC_Constraint.h"
#include "modeldb/kinC_Interaction.h"
#include "modeldb/kloC_Load.h"
#include "modeldb/kmaC_Material.h"
#include "modeldb/korC_OutputRequest.h"
#include "modeldb/kpfC_Field.h"
#include "modeldb/kprC_Step.h"
#include "modeldb/kseC_Section.h"
#include "modeldb/mdl_OtherObjects.h"
#include "modeldb/mdl_Repository.h"

/// Everything a model holds. Filled by whoever builds the model (the model
/// file loader, tests) and then frozen behind a ddb_Model.
struct MDB_API ddb_ModelContents {
  std::string name = "Default Model";
  std::string input;          // stored model-level keyword text
  std::string topLevelInput;  // stored keyword text for the head of the deck

  mdl_OrderedContainer<ddb_Part> parts;
  ddb_Assembly assembly;
  kprC_StepContainer steps;
  std::vector<ddb_Datum> datums;
  std::map<int, ddb_Mesh> meshes;  // by mesh index

  mdl_MapString2ObjCow<kadC_AdaptiveMeshControl> adaptiveMeshControls;
  mdl_MapString2ObjCow<ktpC_TimePoint> timePoints;
  mdl_MapString2ObjCow<kamC_Amplitude> amplitudes;
  kprC_PropagatingContainer<kbcC_BoundaryCondition> boundaryConditions;
  mdl_MapString2ObjCow<kbpC_BeamProfile> beamProfiles;
  mdl_MapString2ObjCow<kcoC_Constraint> constraints;
  mdl_MapString2ObjCow<kinC_ContactControls> contactControls;
  mdl_MapString2ObjCow<kinC_InteractionProperty> interactionProperties;
  kprC_PropagatingContainer<kinC_Interaction> interactions;
  kprC_PropagatingContainer<kloC_Load> loads;
  mdl_MapString2ObjCow<kadC_AdaptiveMeshConstraint> adaptiveMeshConstraints;
  mdl_MapString2ObjCow<kmaC_Material> materials;
  kprC_PropagatingContainer<korC_FieldOutputRequest> fieldOutputRequests;
  kprC_PropagatingContainer<korC_HistoryOutputRequest> historyOutputRequests;
  kprC_PropagatingContainer<kpfC_Field> fields;
  mdl_MapString2ObjCow<kseC_Section> sections;

  double absoluteZero = mdl_UnsetDouble;
  double stefanBoltzmann = mdl_UnsetDouble;
  int waveFormulation = 0;
  std::string restartJob;
  std::string restartStep;
  int restartIncrement = mdl_UnsetInt;
  bool endRestartStep = false;
  std::string globalJob;
  bool shellToSolid = false;
  /// The sector definition of a model analysed with cyclic symmetry.
  ddb_ModelSectorDefinition sectorDefinition;
};

class MDB_API ddb_Model {
 public:
  explicit ddb_Model(std::shared_ptr<const ddb_ModelContents> contents);

  const std::string& name() const noexcept { return c_->name; }
  const std::string& solverInput() const noexcept { return c_->input; }
  const std::string& topLevelSolverInput() const noexcept { return c_->topLevelInput; }

  const mdl_OrderedContainer<ddb_Part>& part() const noexcept { return c_->parts; }
  const ddb_Assembly& rootAssembly() const noexcept { return c_->assembly; }
  const kprC_StepContainer& step() const noexcept { return c_->steps; }
  /// Datum by identifier; throws nex_TextException when there is none.
  const ddb_Datum& datum(int id) const;
  /// Mesh by index; throws nex_TextException when there is none.
  const ddb_Mesh& mesh(int index) const;

  const mdl_MapString2ObjCow<kadC_AdaptiveMeshControl>& adaptiveMeshControls() const noexcept { return c_->adaptiveMeshControls; }
  const mdl_MapString2ObjCow<ktpC_TimePoint>& timePoints() const noexcept { return c_->timePoints; }
  const mdl_MapString2ObjCow<kamC_Amplitude>& amplitudes() const noexcept { return c_->amplitudes; }
  const kprC_PropagatingContainer<kbcC_BoundaryCondition>& boundaryConditions() const noexcept { return c_->boundaryConditions; }
  const mdl_MapString2ObjCow<kbpC_BeamProfile>& beamProfiles() const noexcept { return c_->beamProfiles; }
  const mdl_MapString2ObjCow<kcoC_Constraint>& constraints() const noexcept { return c_->constraints; }
  const mdl_MapString2ObjCow<kinC_ContactControls>& contactControls() const noexcept { return c_->contactControls; }
  const mdl_MapString2ObjCow<kinC_InteractionProperty>& interactionProperties() const noexcept { return c_->interactionProperties; }
  const kprC_PropagatingContainer<kinC_Interaction>& interactions() const noexcept { return c_->interactions; }
  const kprC_PropagatingContainer<kloC_Load>& loads() const noexcept { return c_->loads; }
  const mdl_MapString2ObjCow<kadC_AdaptiveMeshConstraint>& adaptiveMeshConstraints() const noexcept { return c_->adaptiveMeshConstraints; }
  const mdl_MapString2ObjCow<kmaC_Material>& material() const noexcept { return c_->materials; }
  const kprC_PropagatingContainer<korC_FieldOutputRequest>& fieldOutputRequests() const noexcept { return c_->fieldOutputRequests; }
  const kprC_PropagatingContainer<korC_HistoryOutputRequest>& historyOutputRequests() const noexcept { return c_->historyOutputRequests; }
  const kprC_PropagatingContainer<kpfC_Field>& fields() const noexcept { return c_->fields; }
  /// The section repository, as a general repository.
  const mdl_RepositoryBase& sections() const noexcept { return c_->sections; }

  double absoluteZero() const noexcept { return c_->absoluteZero; }
  double stefanBoltzmann() const noexcept { return c_->stefanBoltzmann; }
  int waveFormulation() const noexcept { return c_->waveFormulation; }
  const std::string& restartJob() const noexcept { return c_->restartJob; }
  const std::string& restartStep() const noexcept { return c_->restartStep; }
  int restartIncrement() const noexcept { return c_->restartIncrement; }
  bool endRestartStep() const noexcept { return c_->endRestartStep; }
  const std::string& globalJob() const noexcept { return c_->globalJob; }
  bool shellToSolid() const noexcept { return c_->shellToSolid; }
  const ddb_ModelSectorDefinition& modelSectorForCyclicSymmetry() const noexcept { return c_->sectorDefinition; }
  /// True when the tie constraint of that name takes part in the cyclic symmetry.
  bool hasCyclicSymmetry(const std::string& constraintName) const {
    return c_->sectorDefinition.ties.count(constraintName) != 0;
  }

  const ddb_ModelContents& contents() const noexcept { return *c_; }

 private:
  std::shared_ptr<const ddb_ModelContents> c_;
};

/// The data database: the models of an output database by name.
class MDB_API ddb_Ddb {
 public:
  ddb_Ddb() = default;
  void addModel(const ddb_Model& model);
  /// Throws nex_TextException when there is no model of that name.
  const ddb_Model& model(const std::string& name) const;
  bool hasModel(const std::string& name) const { return models_.count(name) != 0; }

 private:
  std::map<std::string, ddb_Model> models_;
};

/// An open output database.
class MDB_API odb_Odb {
 public:
  explicit odb_Odb(ddb_Ddb ddb) : ddb_(std::move(ddb)) {}
  const ddb_Ddb& ddb() const noexcept { return ddb_; }

 private:
  ddb_Ddb ddb_;
};
