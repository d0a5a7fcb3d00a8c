#pragma once
// Analysis steps. The model's step container holds them in analysis order,
// the initial step first.
#include <map>
#include <string>

#include "modeldb/mdl_Object.h"
#include "modeldb/mdl_Repository.h"

/// A load case of a step: its name and the scale factors of the loads and
/// boundary conditions it applies, by name.
class MDB_API klcC_LoadCase : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~klcC_LoadCase() override;

  std::map<std::string, float> loads;
  std::map<std::string, float> boundaryConditions;
};

class MDB_API kprC_Step : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kprC_Step() override;

  const std::string& description() const noexcept { return description_; }
  const std::string& solverInput() const noexcept { return solverInput_; }
  /// Linear perturbation steps answer true.
  virtual bool Perturbation() const { return false; }
  virtual bool isExplicit() const { return false; }

  std::string description_;
  std::string solverInput_;
};

/// The step every model starts with; it carries the conditions that hold
/// from the start and has no procedure.
class MDB_API kprC_InitialStep : public kprC_Step {
 public:
  using kprC_Step::kprC_Step;
  ~kprC_InitialStep() override;
};

/// Base of every step after the initial one.
class MDB_API kprC_AnalysisStep : public kprC_Step {
 public:
  using kprC_Step::kprC_Step;
  ~kprC_AnalysisStep() override;

  /// The load-case table, handed out as a general repository.
  const mdl_RepositoryBase& loadCaseRepository() const noexcept { return loadCases_; }
  const mdl_MapString2ObjCow<klcC_LoadCase>& loadCases() const noexcept { return loadCases_; }

  mdl_MapString2ObjCow<klcC_LoadCase> loadCases_;
};

class MDB_API kprC_StaticStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_StaticStep() override;
};

class MDB_API kprC_FrequencyStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_FrequencyStep() override;
  bool Perturbation() const override { return true; }
};

class MDB_API kprC_ExplicitDynamicsStep : public kprC_AnalysisStep {
 public:
  using kprC_AnalysisStep::kprC_AnalysisStep;
  ~kprC_ExplicitDynamicsStep() override;
  bool isExplicit() const override { return true; }
};

using kprC_StepContainer = mdl_OrderedContainer<kprC_Step>;

/// Step-dependent repository (boundary conditions, loads, fields,
/// interactions, output requests): name-keyed; objects answer per-step
/// status queries.
template <class T>
class kprC_PropagatingContainer : public mdl_MapString2ObjCow<T> {};
