#include "modeldb/kmaC_Material.h"

kmaC_Material::~kmaC_Material() = default;
