#include "modeldb/kamC_Amplitude.h"

kamC_Amplitude::~kamC_Amplitude() = default;
