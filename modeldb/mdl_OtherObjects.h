#pragma once
// Model objects that the model file does not carry (the writer iterates
// their repositories, which are always empty): adaptive meshing, time points,
// filters, integrated output sections, remeshing rules, analytical and
// discrete fields.
#include "modeldb/mdl_Object.h"

#define MDL_PLAIN_OBJECT(Class)            \
  class MDB_API Class : public mdl_Object { \
   public:                                   \
    using mdl_Object::mdl_Object;            \
  };

MDL_PLAIN_OBJECT(kadC_AdaptiveMeshControl)
MDL_PLAIN_OBJECT(kadC_AdaptiveMeshConstraint)
MDL_PLAIN_OBJECT(ktpC_TimePoint)
MDL_PLAIN_OBJECT(kflC_Filter)
MDL_PLAIN_OBJECT(korC_IntegratedOutputSection)
MDL_PLAIN_OBJECT(karC_RemeshingRule)
MDL_PLAIN_OBJECT(kfdC_AnalyticalField)
MDL_PLAIN_OBJECT(kfdC_DiscreteField)

#undef MDL_PLAIN_OBJECT
