#include "zkw/zkw_Model.h"

zkw_Model::zkw_Model(const cow_String& name) : name_(name) {}
zkw_Model::~zkw_Model() = default;
