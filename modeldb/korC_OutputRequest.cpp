#include "modeldb/korC_OutputRequest.h"

korC_FieldOutputRequest::~korC_FieldOutputRequest() = default;
korC_HistoryOutputRequest::~korC_HistoryOutputRequest() = default;
