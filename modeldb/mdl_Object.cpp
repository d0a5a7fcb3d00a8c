#include "modeldb/mdl_Object.h"

mdl_Object::~mdl_Object() = default;
