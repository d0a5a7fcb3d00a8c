#include "modeldb/kpfC_Field.h"

kpfC_Field::~kpfC_Field() = default;
