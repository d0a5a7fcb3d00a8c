#include "modeldb/mdl_Repository.h"

mdl_RepositoryBase::~mdl_RepositoryBase() = default;
