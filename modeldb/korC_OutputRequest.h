#pragma once
#include "modeldb/mdl_Object.h"

/// Base of the model's field output requests (step-dependent).
class MDB_API korC_FieldOutputRequest : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~korC_FieldOutputRequest() override;
};

/// Base of the model's history output requests (step-dependent).
class MDB_API korC_HistoryOutputRequest : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~korC_HistoryOutputRequest() override;
};
