#pragma once
#include "modeldb/mdl_Object.h"
#include "modeldb/rgnC_Region.h"

/// Base of the model's interactions (step-dependent).
class MDB_API kinC_Interaction : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~kinC_Interaction() override;

  /// The regions the deck must offer as node-based surfaces. None by default.
  virtual rgnC_RegionList NodeSurfaceRegions() const;
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
