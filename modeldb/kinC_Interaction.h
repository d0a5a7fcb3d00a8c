#pragma once
#include "modeldb/mdl_Object.h"
#include "modeldb/mdl_PropAttr.h"
#include "modeldb/rgnC_Region.h"

/// Base of the model's interactions (step-dependent).
class MDB_API kinC_Interaction : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kinC_Interaction() override;

  /// The regions the deck must offer as node-based surfaces. None by default.
  virtual rgnC_RegionList NodeSurfaceRegions() const;

  /// Propagation status (mdl_PropagationStatusEnm) in the step at a position.
  int GetPropStatus(std::size_t step) const noexcept { return statuses.Status(step); }

  bool suppressed = false;
  mdl_StatusList statuses;
};

/// Film conditions, radiation to the ambient and contact written as *Contact:
/// the interactions whose keyword groups follow the step history.
class MDB_API kinC_FilmCondition : public kinC_Interaction {
 public:
  using kinC_Interaction::kinC_Interaction;
  ~kinC_FilmCondition() override;
};
class MDB_API kinC_RadiationToAmbient : public kinC_Interaction {
 public:
  using kinC_Interaction::kinC_Interaction;
  ~kinC_RadiationToAmbient() override;
};
class MDB_API kinC_ContactExp : public kinC_Interaction {
 public:
  using kinC_Interaction::kinC_Interaction;
  ~kinC_ContactExp() override;
};

/// Base of the model's interaction properties.
class MDB_API kinC_InteractionProperty : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kinC_InteractionProperty() override;
};

/// Base of the model's contact controls.
class MDB_API kinC_ContactControls : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kinC_ContactControls() override;
};
